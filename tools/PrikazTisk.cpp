// tisk: renders a printout of an installation headless into a PDF file.
#include "Adresare.h"
#include "Chyby.h"
#include "Dotaznik.h"
#include "EChyba.h"
#include "Instalace.h"
#include "KontrolniBeh.h"
#include "Prikazy.h"
#include "Protokol.h"
#include "Reference.h"
#include "ScitaciArch.h"
#include "Stanice.h"
#include "Tisk.h"
#include "Volby.h"
#include "Zapis.h"
#include "ZkusebniStrana.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QSysInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaTisk =
    R"(Použití: zelkovar-nastroj tisk INSTALACE DRUH --pdf SOUBOR [--typ 1|2] [--podadresar P] [--primo]

Vytvoří tiskovou sestavu instalace jako soubor PDF; souřadnice sestavy
(desetiny milimetru od levého horního rohu listu) zůstanou přesně zachovány.

DRUH:
  protokol        protokol o kontrolách: provede kontrolu dat jako příkaz Kontroly,
                  ale uložené soubory instalace nezmění
  arch-a4         pomocný sčítací arch, A4 na výšku
  arch-a4-sirka   pomocný sčítací arch, A4 na šířku
  arch-a3         pomocný sčítací arch, A3 na výšku
  zkusebni        zkušební stránka tiskárny
  zapis           zápis o průběhu a výsledku hlasování (jak jej ukáže náhled,
                  s volbou --primo jak jej dostane tiskárna); čísla chyb v patičce
                  dá kontrola dat provedená na kopii instalace

  --pdf SOUBOR    výstupní soubor PDF (povinné)
  --primo         zápis s korekcemi přímého tisku místo korekcí náhledu
  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/
)";

// The files of the working directories copied below `cil`, so that the check run,
// which stores its results, leaves the installation as it was.
TAdresare KopieAdresaru(const TAdresare &adr, const QString &cil)
{
    const QDir koren(adr.AdrInstalace);
    TAdresare kopie;
    const auto kopiruj = [&](const QString &adresar) {
        const QString relativni = koren.relativeFilePath(adresar);
        if (relativni.startsWith(u".."_s))
            throw EChyba(u"Adresář %1 neleží v instalaci %2."_s.arg(adresar, adr.AdrInstalace));
        const QString novy = QDir::cleanPath(cil + u'/' + relativni) + u'/';
        if (!QDir().mkpath(novy))
            throw EChyba(u"Adresář %1 nelze vytvořit."_s.arg(novy));
        const QFileInfoList soubory = QDir(adresar).entryInfoList(QDir::Files);
        for (const QFileInfo &f : soubory) {
            if (!QFile::exists(novy + f.fileName()) &&
                !QFile::copy(f.filePath(), novy + f.fileName()))
                throw EChyba(u"Soubor %1 nelze zkopírovat."_s.arg(f.filePath()));
        }
        return novy;
    };
    kopie.AdrInstalace = kopiruj(adr.AdrInstalace);
    kopie.AdrStanice = kopiruj(adr.AdrStanice);
    kopie.AdrData = kopiruj(adr.AdrData);
    return kopie;
}

QString PlatnyAdresar(const QTemporaryDir &docasny)
{
    if (!docasny.isValid())
        throw EChyba(u"Dočasný adresář nelze vytvořit."_s);
    return docasny.path();
}

// One check run over a copy of the installation, so that the installation's own files
// stay exactly as they are. The question whether to check exported data again is
// answered Yes, since only the copy changes.
struct TKontrolaNaKopii
{
    TKontrolaNaKopii(const TStaniceNastroje &st, const QString &typ)
        : beh(TStaniceNastroje{KopieAdresaru(st.Adresare, PlatnyAdresar(docasny)), st.Stanice}, typ, true)
    {
    }

    QTemporaryDir docasny;
    TStavBehu beh;
};

// The check run of the menu on a copy of the data, printing the protocol of checks.
bool ProtokolKontrol(const TStaniceNastroje &st, const QString &typ, TTisk &tisk)
{
    TKontrolaNaKopii kopie(st, typ);
    TStavBehu &k = kopie.beh;
    bool vytisteno = false;
    TKontrolniBeh beh = k.Beh([&] {
        TiskProtokolu(tisk, k.protokol, k.vysledky->VetaT3, k.stanice, k.aktOkrsek);
        vytisteno = true;
    });
    KontrolaDat(beh);
    return vytisteno;
}

bool ExistujeVysledek(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    return !AktualniPrefix(adr, klic).isEmpty();
}

// The record as the export flow prints it: the check run on a copy of the data
// supplies the protocol, then one pass with the preview's corrections.
bool ZapisKontrol(const TStaniceNastroje &st, const QString &typ, bool primo, TTisk &tisk)
{
    TKontrolaNaKopii kopie(st, typ);
    TStavBehu &k = kopie.beh;
    TKontrolniBeh beh = k.Beh();
    k.NastavKlic();
    if (!Kontroly(beh))
        return false;
    if (!ExistujeVysledek(k.adresare, k.aktOkrsek))
        throw EChyba(u"Pro okrsek %1 obce %2 (typ %3) nejsou uložena žádná data."_s
                         .arg(k.aktOkrsek.CisloOkrsku)
                         .arg(k.aktOkrsek.KodObce, typ));
    NactiKandidaty(k.adresare, k.aktOkrsek, *k.reference);
    const TDataZapisu data{k.stanice,   k.aktOkrsek, *k.reference, *k.vysledky,
                           k.hlasovani, k.komise,    &k.protokol};
    SestavZapis(tisk, data, 2, primo);
    return true;
}

} // namespace

std::unique_ptr<QCoreApplication> VytvorAplikaci(int &argc, char **argv)
{
    // Printouts measure text, which needs the GUI application; no display is needed.
    if (argc > 1 && qstrcmp(argv[1], "tisk") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int PrikazTisk(const QStringList &argumenty)
{
    if (argumenty.contains(u"--help"_s)) {
        Vypis(QString::fromUtf8(NapovedaTisk));
        return KodUspech;
    }
    const std::optional<TVolby> v = RozeberVolby(
        u"tisk"_s, argumenty, {u"--typ"_s, u"--podadresar"_s, u"--pdf"_s}, {u"--primo"_s});
    if (!v)
        return KodPouziti;
    const QString pdf = v->Hodnota(u"--pdf"_s);
    QString typ = v->Hodnota(u"--typ"_s);
    if (v->Volne.size() != 2 || pdf.isEmpty()) {
        VypisChybu(u"tisk: čekám INSTALACE DRUH --pdf SOUBOR (viz --help)"_s);
        return KodPouziti;
    }
    const QString druh = v->Volne.at(1);
    const QStringList druhy{u"protokol"_s, u"arch-a4"_s,  u"arch-a4-sirka"_s,
                            u"arch-a3"_s,  u"zkusebni"_s, u"zapis"_s};
    if (!druhy.contains(druh)) {
        VypisChybu(u"tisk: neznámý druh sestavy „%1“ (možné: %2)"_s.arg(druh, druhy.join(u", "_s)));
        return KodPouziti;
    }

    const std::optional<TStaniceNastroje> otevrena =
        OtevriStanici(u"tisk"_s, v->Volne.at(0), v->Hodnota(u"--podadresar"_s));
    if (!otevrena)
        return KodChyba;
    const TAdresare &adr = otevrena->Adresare;
    const TStaniceRec &stanice = otevrena->Stanice;

    TNahled nahled;
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
        if (!ZapisKontrol(*otevrena, typ, v->Ma(u"--primo"_s), tisk)) {
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
    Vypis(u"%1: počet stran %2\n"_s.arg(pdf).arg(nahled.Celkem()));
    return KodUspech;
}
