#pragma once

#include "Adresare.h"
#include "Stanice.h"

#include <QList>
#include <QString>
#include <QStringList>

// Resets a station's entered data for the next group of a training: the results and
// control files of the council types, HLASO.RCD, KOMISE.RCD, INFOK83.RCD and every file
// in Export/ and Tisk/ move into AdrData + "Zrusena/<date-time>/" (nothing is
// destroyed), empty HLASO.RCD, KOMISE.RCD and INFOK83.RCD take their place, each type
// is marked not exported ("N") and the journal gets a line. The caller holds the
// installation's locks. A failed move raises EChyba naming the file; what was moved
// before it stays in the kept directory. Returns the kept directory and the files moved.
struct TVycisteni
{
    QString Kam;
    QStringList Soubory; // original paths
};
TVycisteni Vycisti(const TAdresare &adr, TStaniceRec &stanice, const QList<int> &typy);
