#pragma once

#include "Chyby.h"
#include "Hlasovani.h"
#include "Kontroly.h"
#include "NavrhyOprav.h"
#include "StavProgramu.h"

#include <QList>
#include <QString>

// The check run on the current key: loads the stored data, applies every check,
// marks the station's data as not exported (unless the installation is only read)
// and sets KontrolyOK and ExportOK.
// False when the key is not in OKRSKY.RCD: the record in memory is then empty and
// nothing else has changed.
bool Kontroly(TStavProgramu &b);

// All checks in their fixed order over the data in memory; fills the protocol.
void ProvedKontroly(TStavProgramu &b);

// The likely mistyped fields of the data the last run examined, anchored also by the
// other council type's counts in INFOK83.RCD when it holds them.
QList<TNavrh> NavrhyBehu(TStavProgramu &b);

// The commission check (error 39) over section III; sets stav.ProblemyKomise and on
// failure marks 39. Names missing from the list count as empty names.
bool KontrolaKomise(const THlasovaniRec &h, const QList<TKomise> &komise,
                    const QString &kodObceStanice, TKontrolniStav &stav, TVysledky &v);

enum class TVysledekKontroly
{
    Zruseno,         // exported data and the user did not want them checked again
    DataNejsou,      // no results file of the key
    OkrsekNenalezen, // the key is not in OKRSKY.RCD; stored data untouched
    Provedeno,       // checked and stored as "O" (no blocking error) or "E"
};

// The check command of the menu for PomTypZastup.
TVysledekKontroly KontrolaDat(TStavProgramu &b);

inline const QString TitulekKontrolaDat = QStringLiteral("Kontrola dat");
