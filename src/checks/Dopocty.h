#pragma once

#include "Okrsek.h"
#include "Stanice.h"

#include <QDateTime>

// Fills the closing record VetaTS from the header and the parties 1..pocetStran:
// identification, time of entry, a random number, the control sums and the check
// sum over them. SeznamChyb is kept. A KodWindows that is not a number: EChyba.
void ProcDopoctiTS(TVysledky &v, int pocetStran, const TStaniceRec &stanice);
// The same with the time and the random number given (for tests).
void ProcDopoctiTS(TVysledky &v, int pocetStran, const TStaniceRec &stanice, const QDateTime &cas,
                   qint32 nahodneCislo);
