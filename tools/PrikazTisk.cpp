// tisk: renders a printout of an installation headless into a PDF file.
#include "Adresare.h"
#include "Chyby.h"
#include "Denik.h"
#include "Dotaznik.h"
#include "EChyba.h"
#include "Instalace.h"
#include "KontrolniBeh.h"
#include "OtiskExportu.h"
#include "Prikazy.h"
#include "Protokol.h"
#include "Reference.h"
#include "ScitaciArch.h"
#include "Skoleni.h"
#include "Stanice.h"
#include "Tisk.h"
#include "Volby.h"
#include "Zapis.h"
#include "ZkusebniStrana.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaTisk =
    R"(Použití: zelkovar-nastroj tisk INSTALACE DRUH --pdf SOUBOR [--typ 1|2] [--podadresar P] [--primo]

Vytvoří tiskovou sestavu instalace jako soubor PDF; souřadnice sestavy
(desetiny milimetru od levého horního rohu listu) zůstanou přesně zachovány.

DRUH:
  protokol        protokol o kontrolách: provede kontrolu dat jako příkaz Kontroly,
                  ale instalaci jen čte a nic v ní nezmění
  arch-a4         pomocný sčítací arch, A4 na výšku
  arch-a4-sirka   pomocný sčítací arch, A4 na šířku
  arch-a3         pomocný sčítací arch, A3 na výšku
  zkusebni        zkušební stránka tiskárny
  zapis           zápis o průběhu a výsledku hlasování (jak jej ukáže náhled,
                  s volbou --primo jak jej dostane tiskárna); čísla chyb v patičce
                  dá kontrola dat (instalaci jen čte, nic v ní nezmění)

  --pdf SOUBOR    výstupní soubor PDF (povinné)
  --primo         zápis s korekcemi přímého tisku místo korekcí náhledu
  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/
)";

// The check run of the menu on the installation as it stands, which it only reads:
// no intermediate files, no change of the export state, nothing stored, so that it
// may run while the program works in the installation.
struct TKontrolaBezZapisu
{
    TKontrolaBezZapisu(const TStaniceNastroje &st, const QString &typ, int vybrano)
        : stav(StavNastroje(JenKeCteni(st), typ, false)), beh(*stav)
    {
        beh.Vybrano = vybrano;
        beh.NastavKlic();
        if (!MaVysledky(beh.Adresare, beh.AktOkrsek)) {
            throw EChyba(u"Pro okrsek %1 obce %2 (typ %3) nejsou uložena žádná data."_s
                             .arg(beh.AktOkrsek.CisloOkrsku)
                             .arg(beh.AktOkrsek.KodObce, typ));
        }
    }

    static TStaniceNastroje JenKeCteni(TStaniceNastroje st)
    {
        st.Adresare.JenCteni = true;
        return st;
    }

    std::unique_ptr<TStavProgramu> stav;
    TStavProgramu &beh;
};

// The protocol of checks as the check command prints it.
bool ProtokolKontrol(const TStaniceNastroje &st, const QString &typ, TTisk &tisk)
{
    TKontrolaBezZapisu kontrola(st, typ, 5);
    TStavProgramu &k = kontrola.beh;
    bool vytisteno = false;
    k.TiskProtokolu = [&] {
        TiskProtokolu(tisk, k.ProtokolChyb, k.Vysledky.VetaT3, k.Stanice, k.AktOkrsek);
        vytisteno = true;
    };
    Kontroly(k);
    return vytisteno;
}

// The record as the export flow prints it: the check run supplies the protocol, then
// one pass with the preview's corrections.
bool ZapisKontrol(const TStaniceNastroje &st, const QString &typ, bool primo, TTisk &tisk)
{
    TKontrolaBezZapisu kontrola(st, typ, 2);
    TStavProgramu &k = kontrola.beh;
    if (!Kontroly(k))
        return false;
    NactiKandidaty(k.Adresare, k.AktOkrsek, k.Reference);
    const TDataZapisu data{
        k.Stanice,   k.AktOkrsek, k.Reference,     k.Vysledky,
        k.Hlasovani, k.Komise,    &k.ProtokolChyb, RadekOtisku(k.Adresare, k.AktOkrsek, k.Stanice)};
    SestavZapis(tisk, data, 2, primo);
    return true;
}

QtMessageHandler g_predchoziHlaseni = nullptr;

// Outside a desktop session (a root shell, a service) the GUI application warns, in
// English, that it picks a runtime directory itself; printing to PDF needs none.
void BezHlaseniOBehovemAdresari(QtMsgType typ, const QMessageLogContext &kontext,
                                const QString &text)
{
    if (!text.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR"))
        g_predchoziHlaseni(typ, kontext, text);
}

} // namespace

std::unique_ptr<QCoreApplication> VytvorAplikaci(int &argc, char **argv)
{
    // Printouts measure text, which needs the GUI application; no display is needed.
    if (argc > 1 && qstrcmp(argv[1], "tisk") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        g_predchoziHlaseni = qInstallMessageHandler(BezHlaseniOBehovemAdresari);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int PrikazTisk(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({u"tisk"_s,
                                   NapovedaTisk,
                                   {u"INSTALACE"_s, u"DRUH"_s},
                                   {u"--typ"_s, u"--podadresar"_s, u"--pdf"_s},
                                   {u"--primo"_s}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QString pdf = v.Hodnota(u"--pdf"_s);
    QString typ = v.Hodnota(u"--typ"_s);
    if (pdf.isEmpty()) {
        VypisChybu(u"tisk: chybí volba --pdf SOUBOR (viz --help)"_s);
        return KodPouziti;
    }
    // Printing names a file; it does not make directories up from a typo.
    if (!QFileInfo(QFileInfo(pdf).absolutePath()).isDir()) {
        VypisChybu(
            u"tisk: adresář %1 pro soubor PDF neexistuje"_s.arg(QFileInfo(pdf).absolutePath()));
        return KodChyba;
    }
    const QString druh = v.Volne.at(1);
    const QStringList druhy{u"protokol"_s, u"arch-a4"_s,  u"arch-a4-sirka"_s,
                            u"arch-a3"_s,  u"zkusebni"_s, u"zapis"_s};
    if (!druhy.contains(druh)) {
        VypisChybu(u"tisk: neznámý druh sestavy „%1“ (možné: %2)"_s.arg(druh, druhy.join(u", "_s)));
        return KodPouziti;
    }

    const std::optional<TStaniceNastroje> otevrena =
        OtevriStanici(u"tisk"_s, v.Volne.at(0), v.Hodnota(u"--podadresar"_s));
    if (!otevrena)
        return KodChyba;
    const TAdresare &adr = otevrena->Adresare;
    const TStaniceRec &stanice = otevrena->Stanice;

    TNahled nahled;
    nahled.Cvicne = Skoleni::JeCvicna(adr.AdrStanice);
    TTisk tisk(nahled);
    tisk.PripFontu = stanice.PripFontu;

    if (druh != u"zkusebni") {
        int kod = KodUspech;
        const std::optional<QString> zvoleny = UrciTyp(u"tisk"_s, adr, stanice, typ, kod);
        if (!zvoleny)
            return kod;
        typ = *zvoleny;
    }

    if (druh == u"protokol") {
        if (!ProtokolKontrol(*otevrena, typ, tisk)) {
            VypisChybu(u"tisk: kontrola dat neproběhla, protokol nevznikl"_s);
            return KodChyba;
        }
    } else if (druh == u"zapis") {
        if (!ZapisKontrol(*otevrena, typ, v.Ma(u"--primo"_s), tisk)) {
            VypisChybu(u"tisk: okrsek %1 obce %2 (typ %3) není v číselníku OKRSKY.RCD"_s
                           .arg(stanice.CisloOkrsku)
                           .arg(stanice.KodObce, typ));
            return KodChyba;
        }
    } else if (druh == u"zkusebni") {
        TZkusebniUdaje u;
        u.DatumVoleb = stanice.DatumVoleb;
        u.NazevSystemu = QSysInfo::prettyProductName();
        u.Tiskarna = QPrinterInfo::defaultPrinterName();
        u.Fonty = FontyKDispozici();
        // No window exists here: the sheet's width at 96 pixels per inch stands in.
        u.SirkaNahledu = qRound(210 / 25.4 * 96);
        u.VyskaNahledu = qRound(297 / 25.4 * 96);
        u.EmailPodpory = NactiEmailPodpory(adr.AdrInstalace);
        TiskZkusebniStrany(tisk, u);
    } else {
        TOkrsekRefRec okrsek;
        okrsek.KodObce = stanice.KodObce;
        okrsek.CisloOkrsku = stanice.CisloOkrsku;
        okrsek.TypZastup = typ;
        if (!NajdiOkrsek(adr, okrsek)) {
            VypisChybu(u"tisk: okrsek %1 obce %2 (typ %3) není v číselníku OKRSKY.RCD"_s
                           .arg(stanice.CisloOkrsku)
                           .arg(stanice.KodObce, typ));
            return KodChyba;
        }
        auto ref = std::make_unique<TReference>();
        NactiStrany(adr, okrsek, *ref);
        NactiKandidaty(adr, okrsek, *ref);
        const int papir = druh == u"arch-a4-sirka" ? 0 : 1;
        TiskScitacihoArchu(tisk, stanice, okrsek, *ref, papir,
                           druh == u"arch-a3" ? u"A3"_s : u"A4"_s);
    }
    if (!UlozPdf(nahled, QFileInfo(pdf).absoluteFilePath())) {
        VypisChybu(u"tisk: sestava nemá žádnou stranu"_s);
        return KodChyba;
    }
    // Journaled like the program's prints: a record may leave the station either way.
    if (!adr.JenCteni)
        Denik::Zapis(adr.AdrStanice,
                     u"tisk: %1%2, soubor PDF %3, stran %4"_s
                         .arg(druh, druh == u"zkusebni" ? QString() : u", typ "_s + typ,
                              QFileInfo(pdf).absoluteFilePath())
                         .arg(nahled.Celkem()));
    Vypis(u"%1: počet stran %2\n"_s.arg(pdf).arg(nahled.Celkem()));
    return KodUspech;
}
