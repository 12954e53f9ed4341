#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The single-byte Windows-1250 code page of every file the program reads or writes.
namespace Kodovani {

// Every byte value maps to exactly one character and back.
QString ZCp1250(QByteArrayView bajty);

// Throws EChyba naming `popis` when a character has no Windows-1250 byte.
QByteArray DoCp1250(const QString &text, const QString &popis = QString());

// True when every character of `text` has a Windows-1250 byte.
bool LzeKodovat(const QString &text);

} // namespace Kodovani
