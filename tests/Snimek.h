#pragma once

// What a directory holds, to see what a run changed.
#include "SouboryTestu.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>

// Every file below `adresar`, hidden ones too: relative path → bytes.
inline QMap<QString, QByteArray> Snimek(const QString &adresar)
{
    QMap<QString, QByteArray> soubory;
    QDirIterator it(adresar, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString cesta = it.next();
        soubory.insert(QDir(adresar).relativeFilePath(cesta), Obsah(cesta));
    }
    return soubory;
}
