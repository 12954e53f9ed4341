#pragma once

#include "Reference.h"
#include "Stanice.h"
#include "Tisk.h"

#include <QString>

// The auxiliary tally sheet: per party one table, a row per candidate with a box for
// the total and numbered tally columns. `papir` 1 portrait, 0 landscape; `velikost`
// "A4" or "A3" (A3 with portrait only). Builds the pages in the engine's recorder;
// showing them is the caller's.
void TiskScitacihoArchu(TTisk &t, const TStaniceRec &stanice, const TOkrsekRefRec &okrsek,
                        const TReference &ref, int papir, const QString &velikost,
                        const QDateTime &ted = QDateTime::currentDateTime());

// The tally pattern of one column.
inline const QString VzorCarek = QStringLiteral(". . . .  . . . .");
