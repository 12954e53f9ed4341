#include "PrijetiTisku.h"

#include "Denik.h"
#include "Dotaznik.h"
#include "FrontaTisku.h"

using namespace Qt::StringLiterals;

namespace {

const QString TitulekTisk = u"Tisk"_s;

QString SDuvodem(const QString &text, const QString &duvod)
{
    return duvod.isEmpty() ? text : u"%1 (%2)"_s.arg(text, duvod);
}

void Nezdaril(const QString &adrStanice, const QString &tiskarna, const QString &titul,
              const QString &duvod)
{
    Denik::Zapis(adrStanice,
                 u"tisk se nezdařil: %1, tiskárna %2: %3"_s.arg(titul, tiskarna, duvod));
}

} // namespace

bool FrontaPrijme(const QString &adrStanice, const QString &tiskarna, const QString &titul,
                  IDotaznik &dotaznik)
{
    const TStavFronty stav = StavFronty(tiskarna);
    if (!stav.Existuje) {
        Nezdaril(adrStanice, tiskarna, titul, u"tiskárna není v systému"_s);
        dotaznik.Varovani(TitulekTisk,
                          u"Tiskárna „%1“ už v systému není (byla odebrána nebo přejmenována).\n"
                          u"Dokument %2 NEBYL VYTIŠTĚN.\n\n"
                          u"Vyberte tiskárnu znovu (Nastavení tiskárny) a tiskněte znovu."_s.arg(
                              tiskarna, titul));
        return false;
    }
    if (!stav.PrijimaUlohy) {
        const QString duvod = SDuvodem(u"tiskárna nepřijímá úlohy"_s, stav.Duvod);
        Nezdaril(adrStanice, tiskarna, titul, duvod);
        dotaznik.Varovani(
            TitulekTisk,
            u"Tiskárna „%1“ odmítá tiskové úlohy%3.\n"
            u"Dokument %2 NEBYL VYTIŠTĚN.\n\n"
            u"Požádejte správce o povolení tiskárny, nebo vyberte jinou tiskárnu "
            u"(Nastavení tiskárny), a tiskněte znovu."_s.arg(
                tiskarna, titul, stav.Duvod.isEmpty() ? QString() : u" („%1“)"_s.arg(stav.Duvod)));
        return false;
    }
    return true;
}

bool TiskPrijat(const QString &adrStanice, const QString &tiskarna, const QString &titul,
                int dokumentu, IDotaznik &dotaznik)
{
    const TUlohyFronty ulohy = UlohySTitulem(tiskarna, titul);
    const int znamych = ulohy.Prijate + int(ulohy.Cekajici.size()) + ulohy.Nezdarene;
    if (ulohy.Nezdarene > 0 || znamych < dokumentu) {
        Nezdaril(adrStanice, tiskarna, titul, u"tiskový systém úlohu nepřijal nebo zrušil"_s);
        dotaznik.Varovani(TitulekTisk,
                          u"Tiskový systém nepřijal úlohu %2 pro tiskárnu „%1“ (nebo ji zrušil).\n"
                          u"Dokument NEBYL VYTIŠTĚN.\n\n"
                          u"Zkontrolujte tiskárnu, nebo vyberte jinou (Nastavení tiskárny), "
                          u"a tiskněte znovu."_s.arg(tiskarna, titul));
        return false;
    }
    const TStavFronty stav = StavFronty(tiskarna);
    if (ulohy.Cekajici.isEmpty() || !stav.Zastavena)
        return true;
    const QString duvod = SDuvodem(u"tiskárna je zastavena"_s, stav.Duvod);
    const bool cekat =
        dotaznik.Zobraz(
            {TIkona::Otazka, TitulekTisk,
             u"Tiskárna „%1“ je zastavena%3.\n"
             u"Dokument %2 NEBYL VYTIŠTĚN: čeká ve frontě tiskárny a vytiskne se, "
             u"až ji správce znovu spustí.\n\n"
             u"Nechat dokument čekat?\n"
             u"(Ne: úloha se zruší; pak vyberte jinou tiskárnu a tiskněte "
             u"znovu.)"_s.arg(tiskarna, titul,
                              stav.Duvod.isEmpty() ? QString() : u" („%1“)"_s.arg(stav.Duvod)),
             true, true}) == TOdpoved::Ano;
    if (cekat) {
        Denik::Zapis(adrStanice, u"tisk čeká: %1, tiskárna %2: %3"_s.arg(titul, tiskarna, duvod));
        return false;
    }
    bool zruseno = true;
    for (const int id : ulohy.Cekajici)
        zruseno = ZrusUlohu(tiskarna, id) && zruseno;
    Nezdaril(adrStanice, tiskarna, titul,
             duvod + (zruseno ? u", úloha zrušena"_s : u", úlohu se nepodařilo zrušit"_s));
    if (!zruseno)
        dotaznik.Varovani(TitulekTisk,
                          u"Úlohu %1 se nepodařilo zrušit; zůstává ve frontě tiskárny „%2“."_s.arg(
                              titul, tiskarna));
    return false;
}
