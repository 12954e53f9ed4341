#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Field access to fixed-size records at their byte offsets: little-endian integers
// and length-prefixed Windows-1250 strings. Writers change only the bytes of the
// field they write, so bytes the program does not own stay as they were read.
namespace Zaznam {

quint16 CtiWord(const QByteArray &zaznam, int posun);
qint32 CtiInteger(const QByteArray &zaznam, int posun);
void ZapisWord(QByteArray &zaznam, int posun, quint16 hodnota);
void ZapisInteger(QByteArray &zaznam, int posun, qint32 hodnota);

// A string field of 1 + max bytes: the length byte n, then n characters.
// Reading takes min(n, max) characters; the bytes past them are ignored.
QString CtiRetezec(const QByteArray &zaznam, int posun, int max);

// Writes the length byte and the characters; the rest of the field is left as it is.
// Throws EChyba naming `pole` when the text is longer than max or cannot be encoded.
void ZapisRetezec(QByteArray &zaznam, int posun, int max, const QString &text, const QString &pole);

// Throws EChyba naming `soubor` when the record is not `velikost` bytes long.
void OverDelku(const QByteArray &zaznam, int velikost, const QString &soubor);

// Reads a whole record file and splits it into records of `velikost` bytes; a
// trailing partial record is ignored. A missing file or a file larger than
// `maxVelikost` raise EChyba naming the file.
QList<QByteArray> NactiZaznamy(const QString &cesta, int velikost,
                               qint64 maxVelikost = qint64(64) * 1024 * 1024);

} // namespace Zaznam
