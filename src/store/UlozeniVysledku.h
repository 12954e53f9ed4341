#pragma once

#include "Okrsek.h"
#include "Stanice.h"

// Saves the results of one council type as every writer does: the export state says
// "N" first, so that an interruption never leaves changed data marked as exported;
// then the save is numbered (NumerujUlozeni) and the file of the prefix written, which
// removes the other prefix's file and journals the save; then, where both councils
// apply, the counts in INFOK83.RCD. A value too large for the results file raises
// EPrilisVelkaHodnota before the file is touched.
void UlozVysledkyTypu(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                      TVysledky &v, TStaniceRec &stanice, bool dvaTypy);
