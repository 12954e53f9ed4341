// export: the export of the export-and-print flow, without its windows.
#include "CilExportu.h"
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
#include <QStorageInfo>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaExport =
    R"(Použití: zelkovar-nastroj export INSTALACE [--typ 1|2] [--podadresar P]
                                  [--cil ADRESAR [--mistni]] [--ano]

Exportuje data okrsku jako příkaz Export dat a tisk zápisu, jen bez oken:
odmítne data neuložená po kontrole (soubor E) i nepořízená data, znovu je
zkontroluje a data s blokující chybou odmítne. Volí-li okrsek dvě
zastupitelstva, porovná počty voličů a obálek obou zápisů. Pak zkopíruje
soubor O pod jménem exportu do cílového adresáře, kopii ověří čtením zpět
a označí data ve stanici jako exportovaná (stav A). Předchozí export v cíli
zůstane beze změny, dokud není nový soubor zapsán a ověřen. Vypíše cestu
k souboru, jeho kontrolní součet SHA-256 pro předávací protokol a zařízení,
na které zapisoval (tři řádky: Exportováno:, SHA-256:, Zařízení:). Zápis
nevytiskne (k tomu slouží příkaz tisk zapis).

  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/
  --cil ADRESAR   kořen připojeného svazku jiného než disk instalace (např.
                  /media/komise/USB) nebo adresář na vyjímatelném zařízení,
                  které nabízí okno exportu; bez volby adresář Export
                  instalace (vytvoří se)
  --mistni        dovolí za --cil i jiný adresář (např. na disku počítače);
                  bez ní se export do adresáře odpojeného disku odmítne
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
                                   {u"--ano"_s, u"--mistni"_s}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QString typ = v.Hodnota(u"--typ"_s);
    const QString cil = v.Hodnota(u"--cil"_s);
    const bool ano = v.Ma(u"--ano"_s);
    int kod = KodUspech;
    const std::optional<TStaniceNastroje> st =
        OtevriStaniciTypu(u"export"_s, v.Volne.at(0), v.Hodnota(u"--podadresar"_s), typ, kod);
    if (!st)
        return kod;

    // The target is checked before anything changes: a mistyped path must not become
    // a new directory that the export silently lands in.
    const bool sCilem = v.Ma(u"--cil"_s);
    if (sCilem && cil.isEmpty()) {
        VypisChybu(u"export: --cil potřebuje cílový adresář, hodnota je prázdná"_s);
        return KodChyba;
    }
    const QString adresar = sCilem ? QDir(cil).absolutePath() + u'/'
                                   : Soubory::NajdiAdresar(st->Adresare.AdrInstalace, u"Export"_s);
    if (sCilem && QFileInfo(cil).exists() && !QFileInfo(cil).isDir()) {
        VypisChybu(u"export: %1 je soubor, ne adresář; --cil potřebuje cílový adresář"_s.arg(cil));
        return KodChyba;
    }
    if (sCilem && !QFileInfo(adresar).isDir()) {
        VypisChybu(
            u"export: cílový adresář %1 neexistuje (připojte zařízení, nebo adresář vytvořte)"_s
                .arg(adresar));
        return KodChyba;
    }
    std::optional<TCilExportu> posudek;
    if (sCilem) {
        const auto zdroj = VytvorZdrojZarizeni();
        posudek = PosudCil(*zdroj, adresar, st->Adresare.AdrInstalace, v.Ma(u"--mistni"_s));
        if (posudek->Druh == TCilExportu::TDruh::Odmitnut) {
            VypisChybu(u"export: %1 není kořen připojeného svazku ani adresář na vyjímatelném "
                       u"zařízení (není zařízení odpojeno?); do jiného adresáře exportuje jen "
                       u"volba --mistni"_s.arg(adresar));
            return KodChyba;
        }
    }

    const TZamek zamek(st->Adresare.AdrStanice);
    const std::unique_ptr<TStavProgramu> stav = StavNastroje(*st, st->Typ, ano);
    TStavProgramu &k = *stav;
    k.NastavKlic();
    if (!PovolExport(k))
        return KodBlokujiciChyba;
    if (MaTyp(k.Adresare, k.Stanice, u"1"_s) && MaTyp(k.Adresare, k.Stanice, u"2"_s)) {
        const TInfo83Rec jiny = UlozInfo83ProExport(k);
        if (!StejnePocty(k.Vysledky.VetaT3, jiny)) {
            VypisChybu(RozdilPoctu(k.Vysledky.VetaT3, jiny));
            if (!ano) {
                VypisChybu(u"export: přesto exportuje jen volba --ano"_s);
                return KodBlokujiciChyba;
            }
        }
    }
    const QString problemy = TextDruhuProblemu(k.Stav);
    if (!problemy.isEmpty())
        k.Dotaznik().Informace(TitulekExportTisk, problemy);

    if (!sCilem) {
        if (!QDir().mkpath(adresar)) {
            VypisChybu(u"export: adresář %1 nelze vytvořit"_s.arg(adresar));
            return KodChyba;
        }
        posudek = TCilExportu{TCilExportu::TDruh::Mistni, ZarizeniAdresare(adresar),
                              QString::fromLocal8Bit(QStorageInfo(adresar).device())};
    }
    const int typZastup = CisloNeboNula(st->Typ);
    // The device judged above: one pulled out meanwhile fails the copy.
    const TExportSouboru vysledek =
        KopirujSoubor(k.Adresare, adresar, k.Stanice.KodObce, k.Stanice.CisloOkrsku, typZastup,
                      posudek->Zarizeni);
    ZapisStavExportu(k.Adresare.AdrStanice, typZastup, u"A"_s, k.Stanice);
    // Scripts read the first two lines; the device line comes last.
    Vypis(u"Exportováno: %1\nSHA-256: %2\n"_s.arg(vysledek.Cesta, vysledek.Sha256) +
          RadekZarizeni(*posudek));
    if (Skoleni::JeCvicna(k.Adresare.AdrStanice))
        Vypis(u"Cvičná stanice: soubor je jen pro školení (%1).\n"_s.arg(Skoleni::TextZnacky));
    return KodUspech;
}
