#pragma once

#include "Adresare.h"

#include <QIODevice>
#include <QList>
#include <QString>

// The export file: the O file of one key, copied unchanged under its own name.

// "O" + type letter ("O" type 1, "C" type 2, "X" otherwise) + municipality code + '.'
// + the precinct number in five digits.
QString JmenoExportu(const QString &kodObce, qint32 cisloOkrsku, int typZastup);

// What a finished export wrote, for the report and the handover note.
struct TExportSouboru
{
    int Zpusob = 0; // 1 the whole-file copy, 2 the block copy
    QString Cesta;  // the export file
    qint64 Velikost = 0;
    QString Sha256; // lower-case hex of the file's content
};

// Copies the O file of the key from adr.AdrData into the existing directory `cil`
// (ending with '/') under the export name ("CVICNE-" before it on a training
// station). The new content goes into a temporary file
// beside it (whole, or when that fails in blocks of 4096 bytes), is flushed to the
// device, read back from it and compared byte for byte, and only then renamed over
// the export name: a previous export there stays exactly as it was until the new one
// is verified, and whatever fails, it is never truncated. `zarizeni` non-zero: the
// directory must still lie on that device (st_dev), checked on the open directory
// right before writing. Any failure raises EChyba naming the file and the reason
// (a full device says that the new file did not fit beside the previous one). The
// outcome is noted in the installation's journal.
TExportSouboru KopirujSoubor(const TAdresare &adr, const QString &cil, const QString &kodObce,
                             qint32 cisloOkrsku, int typZastup, quint64 zarizeni = 0);

// The block copy: reads up to 4096 bytes, writes exactly the bytes read, until a read
// returns nothing. Returns the sizes of the blocks written. A short write or a read
// error raises EChyba naming `jmeno`.
QList<qint64> KopirujPoBlocich(QIODevice &zdroj, QIODevice &cil, const QString &jmeno);

// Test seam: while set, the whole-file copy fails and the block copy is used.
void VynutKopiiPoBlocich(bool vynutit);

// The device (st_dev) a directory lies on; 0 when it cannot be read.
quint64 ZarizeniAdresare(const QString &adresar);
