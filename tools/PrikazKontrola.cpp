// kontrola: the check command of the menu on an installation's stored data, headless.
#include "EChyba.h"
#include "Instalace.h"
#include "KontrolniBeh.h"
#include "Prikazy.h"
#include "Volby.h"
#include "Vysvetleni.h"

#include <QDir>

namespace {

const char *const NapovedaKontrola =
    R"(Použití: zelkovar-nastroj kontrola INSTALACE [--typ 1|2] [--podadresar P] [--ano]
                 [--vysvetli]

Provede nad uloženými daty instalace totéž co příkaz Kontroly v programu:
zkontroluje data, uloží je jako soubor O (bez blokujících chyb) nebo E
a označí je ve stanici jako neexportovaná. Vypíše každou položku protokolu
chyb na jeden řádek (strana, číslo chyby a text oddělené tabulátorem)
a nakonec řádek SeznamChyb=...

  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/
  --ano           data už exportovaná zkontroluje znovu (bez volby odmítne)
  --vysvetli      ke každé položce připojí další dva sloupce: vysvětlení
                  s porovnanými hodnotami a nápovědu, které pole je nejspíše
                  chybně zapsané (prázdné, když je data neurčí)

Návratový kód: 0 bez blokující chyby, 3 s blokující chybou, 1 při selhání.
)";

} // namespace

int PrikazKontrola(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({QStringLiteral("kontrola"),
                                   NapovedaKontrola,
                                   {QStringLiteral("INSTALACE")},
                                   {QStringLiteral("--typ"), QStringLiteral("--podadresar")},
                                   {QStringLiteral("--ano"), QStringLiteral("--vysvetli")}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QString typ = v.Hodnota(QStringLiteral("--typ"));
    const bool ano = v.Ma(QStringLiteral("--ano"));
    const bool vysvetli = v.Ma(QStringLiteral("--vysvetli"));

    int kod = KodUspech;
    const std::optional<TStaniceNastroje> otevrena =
        OtevriStaniciTypu(QStringLiteral("kontrola"), v.Volne.at(0),
                          v.Hodnota(QStringLiteral("--podadresar")), typ, kod);
    if (!otevrena)
        return kod;

    // The one question, whether to check exported data again, is answered by --ano.
    const std::unique_ptr<TStavProgramu> stav = StavNastroje(*otevrena, otevrena->Typ, ano);
    TStavProgramu &beh = *stav;
    const TChybProt &protokol = beh.ProtokolChyb;
    switch (KontrolaDat(beh)) {
    case TVysledekKontroly::Zruseno:
        VypisChybu(QStringLiteral(
            "kontrola: data už byla exportována; znovu je zkontroluje jen volba --ano"));
        return KodChyba;
    case TVysledekKontroly::DataNejsou:
    case TVysledekKontroly::OkrsekNenalezen:
        return KodChyba;
    case TVysledekKontroly::Provedeno:
        break;
    }

    const QList<TNavrh> navrhy = vysvetli ? NavrhyBehu(beh) : QList<TNavrh>();
    QString vystup;
    for (qsizetype i = 0; i < protokol.Pocet(); ++i) {
        const TChyba &c = protokol.VratChybu(i);
        vystup += QString::number(c.Por_Str_HL) + u'\t' + QString::number(c.Chyba) + u'\t' +
                  protokol.VratHlaskuParam(i);
        if (vysvetli) {
            const TOperandy &o = protokol.VratOperandy(i);
            vystup += u'\t' + Vysvetli(o) + u'\t' + TextNapovedy(NavrhyKChybe(navrhy, c, o));
        }
        vystup += u'\n';
    }
    vystup += QStringLiteral("SeznamChyb=") + beh.Vysledky.VetaTS.SeznamChyb + u'\n';
    Vypis(vystup);
    return beh.Stav.JsouChyby ? KodBlokujiciChyba : KodUspech;
}
