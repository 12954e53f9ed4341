#include "UlozeniPorizeni.h"

#include "EChyba.h"
#include "UlozeniVysledku.h"

#include <optional>

using namespace Qt::StringLiterals;

void UlozPorizeni(const TAdresare &adr, const QList<TUkladanyTyp> &typy, TStaniceRec &stanice,
                  bool dvaTypy, const THlasovaniRec *hlasovani, const QList<TKomise> *komise)
{
    std::optional<EPrilisVelkaHodnota> prilisVelka;
    for (const TUkladanyTyp &t : typy) {
        try {
            UlozVysledkyTypu(adr, t.Klic, u"E"_s, *t.Vysledky, stanice, dvaTypy);
        } catch (const EPrilisVelkaHodnota &e) {
            if (!prilisVelka)
                prilisVelka = e;
        }
    }
    if (hlasovani)
        UlozHlasovani(adr.AdrData, *hlasovani);
    if (komise)
        UlozKomisi(adr.AdrData, *komise);
    if (prilisVelka)
        throw *prilisVelka;
}
