#pragma once

#include "Chyby.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"
#include "Tisk.h"

// The protocol of checks: the errors of the last check run in protocol order, grouped
// by party, in a fixed-pitch font; or one line saying no errors were found. Builds the
// pages in the engine's recorder; showing them is the caller's.
void TiskProtokolu(TTisk &t, const TChybProt &protokol, const TOkrsekRec &vetaT3,
                   const TStaniceRec &stanice, const TOkrsekRefRec &aktOkrsek,
                   const QDateTime &ted = QDateTime::currentDateTime());
