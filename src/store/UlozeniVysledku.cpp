#include "UlozeniVysledku.h"

#include "Cisla.h"
#include "EChyba.h"

#include <optional>

void UlozVysledkyTypu(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                      TVysledky &v, TStaniceRec &stanice, bool dvaTypy, bool sDenikem)
{
    ZapisStavExportu(adr.AdrStanice, CisloNeboNula(klic.TypZastup), QStringLiteral("N"), stanice);
    NumerujUlozeni(adr, klic, v);
    UlozOkrsek(adr, klic, prefix, v, sDenikem);
    if (dvaTypy) {
        TInfo83 info;
        NactiInfo83(adr.AdrData, v.VetaT3.TypZastup, info);
        UlozInfo83(adr.AdrData, info, v.VetaT3);
    }
}

void UlozPorizeni(const TAdresare &adr, const QList<TUkladanyTyp> &typy, TStaniceRec &stanice,
                  bool dvaTypy, const THlasovaniRec *hlasovani, const QList<TKomise> *komise,
                  bool sDenikem)
{
    std::optional<EPrilisVelkaHodnota> prilisVelka;
    for (const TUkladanyTyp &t : typy) {
        try {
            UlozVysledkyTypu(adr, t.Klic, QStringLiteral("E"), *t.Vysledky, stanice, dvaTypy,
                             sDenikem);
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
