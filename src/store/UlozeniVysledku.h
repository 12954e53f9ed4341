#pragma once

#include "Hlasovani.h"
#include "Okrsek.h"
#include "Stanice.h"

#include <QList>

// Saves the results of one council type as every writer does: the export state says
// "N" first, so that an interruption never leaves changed data marked as exported;
// then the save is numbered (NumerujUlozeni) and the file of the prefix written, which
// removes the other prefix's file and journals the save (unless `sDenikem` is false);
// then, where both councils apply, the counts in INFOK83.RCD. A value too large for the
// results file raises EPrilisVelkaHodnota before the file is touched.
void UlozVysledkyTypu(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                      TVysledky &v, TStaniceRec &stanice, bool dvaTypy, bool sDenikem = true);

// One council type's results to store: its key and its records.
struct TUkladanyTyp
{
    TOkrsekRefRec Klic;
    TVysledky *Vysledky = nullptr;
};

// What a save of typed data stores, in the entry window, the comparison's decision and
// the station tool alike: each type's results as its E file (marked not exported), then
// sections I and III and the commission's names where given (null: left as they are).
// A value too large for a results file does not cost the other files their save: the
// first such EPrilisVelkaHodnota is raised after them. `sDenikem` false: the saves are
// not journaled (a repeated idle save says nothing new).
void UlozPorizeni(const TAdresare &adr, const QList<TUkladanyTyp> &typy, TStaniceRec &stanice,
                  bool dvaTypy, const THlasovaniRec *hlasovani, const QList<TKomise> *komise,
                  bool sDenikem = true);
