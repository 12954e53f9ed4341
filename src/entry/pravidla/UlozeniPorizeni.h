#pragma once

#include "Hlasovani.h"
#include "Okrsek.h"
#include "Stanice.h"

#include <QList>

// One council type's results to store: its key and its records.
struct TUkladanyTyp
{
    TOkrsekRefRec Klic;
    TVysledky *Vysledky = nullptr;
};

// What a save of the entry stores, in the entry window and in the station tool alike:
// each type's results as its E file (marked not exported), then sections I and III and
// the commission's names where given (null: left as they are). A value too large for a
// results file does not cost the other files their save: the first such
// EPrilisVelkaHodnota is raised after them.
void UlozPorizeni(const TAdresare &adr, const QList<TUkladanyTyp> &typy, TStaniceRec &stanice,
                  bool dvaTypy, const THlasovaniRec *hlasovani, const QList<TKomise> *komise);
