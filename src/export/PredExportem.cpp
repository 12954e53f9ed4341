#include "PredExportem.h"

#include "Okrsek.h"

using namespace Qt::StringLiterals;

bool PovolExport(TStavProgramu &b)
{
    IDotaznik &d = b.Dotaznik();
    const QString titulek = u"Export dat"_s;
    const QString prefix = UklidOkrsek(b.Adresare, b.AktOkrsek);
    if (prefix == u"E") {
        b.DataOK = false;
        d.Varovani(titulek,
                   u"Data obsahují chyby, nebo nebyly po editaci dat spuštěny kontroly!"_s);
        return false;
    }
    if (prefix.isEmpty()) {
        b.DataOK = false;
        d.Varovani(titulek, u"Data nejsou pořízena!"_s);
        return false;
    }
    if (b.Vybrano != 4) {
        b.Vybrano = 3;
        // A key missing from the reference data leaves nothing to export.
        if (!Kontroly(b))
            b.DataOK = false;
    }
    b.Vybrano = 2;
    if (!b.DataOK)
        return false;
    if (!b.ExportOK && !b.KontrolyOK) {
        d.Varovani(TitulekExportTisk,
                   u"CHYBY V DATECH ZA TYP ZASTUPITELSTVA = "_s + b.AktOkrsek.TypZastup +
                       u".\n\nNELZE VYTVOŘIT EXPORT DAT ANI VYTISKNOUT ZÁPIS!!!"_s);
        return false;
    }
    return true;
}

TInfo83Rec UlozInfo83ProExport(TStavProgramu &b)
{
    TInfo83 info;
    NactiInfo83(b.Adresare.AdrData, b.Vysledky.VetaT3.TypZastup, info);
    UlozInfo83(b.Adresare.AdrData, info, b.Vysledky.VetaT3);
    return info.Info83Jiny;
}

bool StejnePocty(const TOkrsekRec &t3, const TInfo83Rec &jiny)
{
    return t3.ZapsOsoby == jiny.ZapsOsoby && t3.VydObalky == jiny.VydObalky &&
           t3.OdevzdObalky == jiny.OdevzdObalky;
}

QString TextDruhuProblemu(const TKontrolniStav &s)
{
    const QString konec =
        u"\n\nNa přebíracím místě budete vyzváni k uvedení možné příčiny zjištěných chyb a budete "
        u"podepisovat protokol"_s;
    if (s.JsouPropustitelne && s.JsouUpozorneni)
        return u"Data obsahují PROPUSTITELNÉ CHYBY a UPOZORNĚNÍ."_s + konec + u"y."_s;
    if (s.JsouPropustitelne)
        return u"Data obsahují PROPUSTITELNÉ CHYBY."_s + konec + u"."_s;
    if (s.JsouUpozorneni)
        return u"Data obsahují UPOZORNĚNÍ."_s + konec + u"."_s;
    return {};
}
