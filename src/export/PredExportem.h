#pragma once

#include "Hlasovani.h"
#include "KontrolniBeh.h"

#include <QString>

// The steps of the export-and-print flow that need no window, shared by the flow and
// the station tool.

inline const QString TitulekExportTisk = QStringLiteral("Export dat a tisk zápisu");

// Refuses unchecked ("E" file) or missing data, runs the check run again unless
// Vybrano is 4, and refuses data with blocking errors, telling the user through the
// asker. True when the export may go on; Vybrano is 2 afterwards.
bool PovolExport(TStavProgramu &b);

// Stores the current type's counts in INFOK83.RCD and returns the other type's record.
TInfo83Rec UlozInfo83ProExport(TStavProgramu &b);

// Whether the current type's counts equal those of the other type's record.
bool StejnePocty(const TOkrsekRec &t3, const TInfo83Rec &jiny);

// The information about passable errors and warnings; empty when there are none.
QString TextDruhuProblemu(const TKontrolniStav &s);
