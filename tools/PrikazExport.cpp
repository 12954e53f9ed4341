// export: the export of the export-and-print flow, without its windows.
#include "Cisla.h"
#include "Export.h"
#include "Instalace.h"
#include "PredExportem.h"
#include "Prikazy.h"
#include "Skoleni.h"
#include "Soubory.h"
#include "Stanice.h"
#include "Volby.h"
#include "Zamek.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaExport =
    R"(Použití: zelkovar-nastroj export INSTALACE [--typ 1|2] [--podadresar P] [--cil ADRESAR] [--ano]

Exportuje data okrsku jako příkaz Export dat a tisk zápisu, jen bez oken:
odmítne data neuložená po kontrole (soubor E) i nepořízená data, znovu je
zkontroluje a data s blokující chybou odmítne. Volí-li okrsek dvě
zastupitelstva, porovná počty voličů a obálek obou zápisů. Pak zkopíruje
soubor O pod jménem exportu do cílového adresáře, kopii ověří čtením zpět
a označí data ve stanici jako exportovaná (stav A). Předchozí export v cíli
zůstane beze změny, dokud není nový soubor zapsán a ověřen. Vypíše cestu
k souboru a jeho kontrolní součet SHA-256 pro předávací protokol. Zápis
nevytiskne (k tomu slouží příkaz tisk zapis).

  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/
  --cil ADRESAR   existující cílový adresář (např. připojený USB disk);
                  bez volby adresář Export instalace (vytvoří se)
  --ano           exportuje i při rozdílných počtech obou zápisů
                  (bez volby je odmítne)

Návratový kód: 0 exportováno, 3 data nelze exportovat, 1 selhání, 2 chybné použití.
)";

QString RozdilPoctu(const TOkrsekRec &t3, const TInfo83Rec &jiny)
{
    return u"Rozdíl v údajích mezi zápisy (typ %1 / typ %2): voliči v seznamu %3 / %4, vydané "
           u"obálky %5 / %6, "
           u"odevzdané obálky %7 / %8. Rozdílné údaje budou důvodem k odmítnutí zápisu při přejímce."_s
               .arg(t3.TypZastup)
               .arg(jiny.TypZastup)
               .arg(t3.ZapsOsoby)
               .arg(jiny.ZapsOsoby)
               .arg(t3.VydObalky)
               .arg(jiny.VydObalky)
               .arg(t3.OdevzdObalky)
               .arg(jiny.OdevzdObalky);
}

} // namespace

int PrikazExport(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({u"export"_s,
                                   NapovedaExport,
                                   {u"INSTALACE"_s},
                                   {u"--typ"_s, u"--podadresar"_s, u"--cil"_s},
                                   {u"--ano"_s}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QString typ = v.Hodnota(u"--typ"_s);
    const QString cil = v.Hodnota(u"--cil"_s);
    const bool ano = v.Ma(u"--ano"_s);
    const std::optional<TStaniceNastroje> st =
        OtevriStanici(u"export"_s, v.Volne.at(0), v.Hodnota(u"--podadresar"_s));
    if (!st)
        return KodChyba;
    int kod = KodUspech;
    const std::optional<QString> zvoleny =
        UrciTyp(u"export"_s, st->Adresare, st->Stanice, typ, kod);
    if (!zvoleny)
        return kod;

    // The target is checked before anything changes: a mistyped path must not become
    // a new directory that the export silently lands in.
    const QString adresar = cil.isEmpty()
                                ? Soubory::NajdiAdresar(st->Adresare.AdrInstalace, u"Export"_s)
                                : QDir(cil).absolutePath() + u'/';
    if (!cil.isEmpty() && !QFileInfo(adresar).isDir()) {
        VypisChybu(
            u"export: cílový adresář %1 neexistuje (připojte zařízení, nebo adresář vytvořte)"_s
                .arg(adresar));
        return KodChyba;
    }

    const TZamek zamek(st->Adresare.AdrStanice);
    TStavBehu k(*st, *zvoleny, ano);
    TKontrolniBeh beh = k.Beh();
    k.NastavKlic();
    if (!PovolExport(beh))
        return KodBlokujiciChyba;
    if (MaTyp(k.adresare, k.stanice, u"1"_s) && MaTyp(k.adresare, k.stanice, u"2"_s)) {
        const TInfo83Rec jiny = UlozInfo83ProExport(beh);
        if (!StejnePocty(k.vysledky->VetaT3, jiny)) {
            VypisChybu(RozdilPoctu(k.vysledky->VetaT3, jiny));
            if (!ano) {
                VypisChybu(u"export: přesto exportuje jen volba --ano"_s);
                return KodBlokujiciChyba;
            }
        }
    }
    const QString problemy = TextDruhuProblemu(k.stav);
    if (!problemy.isEmpty())
        k.dotaznik.Informace(TitulekExportTisk, problemy);

    if (cil.isEmpty() && !QDir().mkpath(adresar)) {
        VypisChybu(u"export: adresář %1 nelze vytvořit"_s.arg(adresar));
        return KodChyba;
    }
    const int typZastup = CisloNeboNula(*zvoleny);
    const TExportSouboru vysledek =
        KopirujSoubor(k.adresare, adresar, k.stanice.KodObce, k.stanice.CisloOkrsku, typZastup,
                      ZarizeniAdresare(adresar));
    ZapisStavExportu(k.adresare.AdrStanice, typZastup, u"A"_s, k.stanice);
    Vypis(u"Exportováno: %1\nSHA-256: %2\n"_s.arg(vysledek.Cesta, vysledek.Sha256));
    if (Skoleni::JeCvicna(k.adresare.AdrStanice))
        Vypis(u"Cvičná stanice: soubor je jen pro školení (%1).\n"_s.arg(Skoleni::TextZnacky));
    return KodUspech;
}
