#include "UlozeniVysledku.h"

#include "Cisla.h"
#include "Hlasovani.h"

void UlozVysledkyTypu(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &prefix,
                      TVysledky &v, TStaniceRec &stanice, bool dvaTypy)
{
    ZapisStavExportu(adr.AdrStanice, CisloNeboNula(klic.TypZastup), QStringLiteral("N"), stanice);
    NumerujUlozeni(adr, klic, v);
    UlozOkrsek(adr, klic, prefix, v);
    if (dvaTypy) {
        TInfo83 info;
        NactiInfo83(adr.AdrData, v.VetaT3.TypZastup, info);
        UlozInfo83(adr.AdrData, info, v.VetaT3);
    }
}
