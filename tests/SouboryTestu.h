#pragma once

// Whole-file reads and writes for the tests.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The file's bytes; a missing file reads as "<chybí>", never as an empty file.
inline QByteArray Obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<chybí>");
}

// Writes the bytes as the whole file; fails the test when that does not work.
inline void Zapis(const QString &cesta, const QByteArray &obsah)
{
    QFile f(cesta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(obsah), obsah.size());
}
