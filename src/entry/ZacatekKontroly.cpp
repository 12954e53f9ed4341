#include "ZacatekKontroly.h"

#include "EChyba.h"
#include "KontrolniPorizeni.h"

using namespace Qt::StringLiterals;

bool PripravKontrolniPorizeni(IDotaznik &dotaznik, const TAdresare &adr, const TOkrsekRefRec &klic)
{
    const QString titulek = u"Kontrolní pořízení"_s;
    const QString uschova =
        u"Dosavadní kontrolní zápis bude uschován v adresáři %1Zrusena."_s.arg(adr.AdrData);
    TVysledky v;
    try {
        if (!KontrolniPorizeni::Nacti(adr, klic, v))
            return true;
    } catch (const EChyba &e) {
        TZprava z{TIkona::Otazka, titulek,
                  e.zprava() + u"\n\nChcete začít kontrolní pořízení znovu? "_s + uschova, true};
        if (dotaznik.Zobraz(z) != TOdpoved::Ano)
            return false;
        KontrolniPorizeni::OdlozStranou(adr, klic, u"poškozený soubor, začato znovu"_s);
        return true;
    }
    const QString cas = KontrolniPorizeni::CasUlozeni(v);
    TZprava z{TIkona::Otazka, titulek,
              (cas.isEmpty() ? u"Pokračujete v kontrolním pořízení."_s
                             : u"Pokračujete v kontrolním pořízení z %1."_s.arg(cas)) +
                  u"\n\nChcete místo toho začít kontrolní pořízení znovu? "_s + uschova,
              true};
    // Enter continues: starting again is the deliberate choice.
    z.VychoziNe = true;
    if (dotaznik.Zobraz(z) == TOdpoved::Ano)
        KontrolniPorizeni::OdlozStranou(adr, klic, u"začato znovu"_s);
    return true;
}
