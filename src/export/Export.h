#pragma once

#include <QIODevice>
#include <QList>
#include <QString>

// The export file: the O file of one key, copied unchanged under its own name.

// "O" + type letter ("O" type 1, "C" type 2, "X" otherwise) + municipality code + '.'
// + the precinct number in five digits.
QString JmenoExportu(const QString &kodObce, qint32 cisloOkrsku, int typZastup);

// Copies the O file of the key from adrData into the directory `cil` (ending with '/')
// under the same name, replacing a file already there. Returns 1 when the whole-file
// copy succeeded, 2 when the block copy had to be used. The copy only counts once it
// is flushed to the device and read back equal, byte for byte, to the source; any
// failure or difference raises EChyba naming the file.
int KopirujSoubor(const QString &adrData, const QString &cil, const QString &kodObce, qint32 cisloOkrsku,
                  int typZastup);

// The block copy: reads up to 4096 bytes, writes exactly the bytes read, until a read
// returns nothing. Returns the sizes of the blocks written. A short write or a read
// error raises EChyba naming `jmeno`.
QList<qint64> KopirujPoBlocich(QIODevice &zdroj, QIODevice &cil, const QString &jmeno);

// Test seam: while set, the whole-file copy fails and the block copy is used.
void VynutKopiiPoBlocich(bool vynutit);
