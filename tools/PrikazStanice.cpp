// stanice: builds a station installation from a JSON description.
#include "Chyby.h"
#include "EChyba.h"
#include "Hlasovani.h"
#include "Instalace.h"
#include "PolePopisu.h"
#include "Prikazy.h"
#include "Reference.h"
#include "Skoleni.h"
#include "Soubory.h"
#include "Spoustec.h"
#include "Stanice.h"
#include "Umisteni.h"
#include "Vlastnictvi.h"
#include "Volby.h"
#include "Zamek.h"
#include "Zaznam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <functional>

namespace {

const char *const NapovedaStanice =
    R"(Použití: zelkovar-nastroj stanice POPIS.json CIL [--podadresar P] [--prepsat] [--plocha]
                                  [--skoleni]

Vytvoří v adresáři CIL instalaci stanice podle popisu POPIS.json:
  STANICE.RCD, OKRSKY.RCD, STRANY.RCD, KANDIDAT.RCD   v adresáři stanice
  KVRVOK.RCD, CISCHYB.RCD                             v CIL
  data/HLASO.RCD (prázdný záznam), data/KOMISE.RCD, data/INFOK83.RCD
  Export/
  zelkovar-OBEC-OKRSEK.desktop  zástupce, který spouští program na této stanici
Nástroj sestavený ze zdrojů (ne z balíčku) zkopíruje do CIL i program
zelkovar s nápovědou a ikonou.

  --podadresar P  adresář stanice i dat je CIL/data/P/ (program se pak
                  spouští s parametrem P)
  --prepsat       přepíše existující soubor stanice a referenční soubory;
                  pořízená data (HLASO.RCD, KOMISE.RCD, INFOK83.RCD, soubory
                  výsledků) zůstanou, jak jsou
  --plocha        dá zástupce i na plochu uživatele a do jeho nabídky
                  aplikací (spusťte jako uživatel, který bude s programem
                  pracovat)
  --skoleni       cvičná stanice pro školení: každá tisková sestava nese
                  „CVIČNÁ DATA – NEPLATNÉ“, soubory exportu předponu CVICNE-
                  (značka je v souboru SKOLENI.TXT stanice); data pro další
                  skupinu uschová a vyčistí příkaz vycisti

Popis je JSON v UTF-8 s klíči "stanice", "okrsky", "strany", "kandidati",
"volici" a nepovinně "chyby"; pole se jmenují jako v záznamech souborů.
Bez "chyby" dostane CISCHYB.RCD texty chyb, které jsou součástí programu.
)";

// The fields that the program reads as numbers or whose form it relies on; a station
// built without them would fail at its first save or check.
using T = TTvarPole;
const QStringList AnoNe{QStringLiteral("A"), QStringLiteral("N")};
const QList<TTvarPole> TvarStanice{
    T::Cislo(QStringLiteral("KodObce"), 100000, 999999),
    T::Cislo(QStringLiteral("CisloOkrsku"), 0, 99999),
    T::Cifry(QStringLiteral("KodOkresu"), 4),
    T::Cifry(QStringLiteral("KodWindows"), 2),
    T::Jedna(QStringLiteral("Stav1"), QStringList{QString()} + AnoNe),
    T::Jedna(QStringLiteral("Stav2"), QStringList{QString()} + AnoNe),
};
const QList<TTvarPole> TvarOkrsku{
    T::Cislo(QStringLiteral("KodObce"), 100000, 999999),
    T::Cislo(QStringLiteral("CisloOkrsku"), 0, 99999),
    T::Jedna(QStringLiteral("TypZastup"), {QStringLiteral("1"), QStringLiteral("2")}),
    T::Cislo(QStringLiteral("KodObceZast"), 0, 999999),
    T::Cislo(QStringLiteral("CObvodu"), 0, 99),
    T::Cislo(QStringLiteral("PocetMandatu"), 1, 99),
    T::Cislo(QStringLiteral("PocetStranZast"), 0, MaxStran),
    T::Cifry(QStringLiteral("Priznak"), 1),
    T::Jedna(QStringLiteral("JeObvod"), AnoNe),
};
const QList<TTvarPole> TvarStrany{
    T::Cislo(QStringLiteral("KodObceZast"), 0, 999999),
    T::Cislo(QStringLiteral("CObvodu"), 0, 99),
    T::Cislo(QStringLiteral("PorCislo"), 1, MaxStran),
    T::Cislo(QStringLiteral("PocetKand"), 0, MaxKandidatu),
};
const QList<TTvarPole> TvarKandidata{
    T::Cislo(QStringLiteral("KodObceZast"), 0, 999999),
    T::Cislo(QStringLiteral("CObvodu"), 0, 99),
    T::Cislo(QStringLiteral("PorCisloStrany"), 1, MaxStran),
    T::Cislo(QStringLiteral("PorCisloKand"), 1, MaxKandidatu),
    T::Jedna(QStringLiteral("Platnost"), AnoNe),
};
const QList<TTvarPole> TvarVolicu{
    T::Cislo(QStringLiteral("KodObce"), 100000, 999999),
    T::Cislo(QStringLiteral("CisloOkrsku"), 0, 99999),
    T::Cislo(QStringLiteral("ZapsOsobyRef"), 0, 999999),
};

TChybaInfo Chyba(TPolePopisu &p)
{
    TChybaInfo c;
    c.Chyba = p.Cislo(QStringLiteral("Chyba"));
    c.TypChyby = p.Text(QStringLiteral("TypChyby"));
    c.ZkrText = p.Text(QStringLiteral("ZkrText"));
    return c;
}

// Records with string fields only.
template <typename T> T Texty(TPolePopisu &p)
{
    T r;
    p.Texty(r);
    return r;
}

// Records with string fields and the precinct's number (station, precinct).
template <typename T> T SCislemOkrsku(TPolePopisu &p)
{
    T r = Texty<T>(p);
    r.CisloOkrsku = p.Cislo(QStringLiteral("CisloOkrsku"));
    return r;
}

TVoliciRefRec Volici(TPolePopisu &p)
{
    TVoliciRefRec r;
    r.KodObce = p.Text(QStringLiteral("KodObce"));
    r.CisloOkrsku = p.Cislo(QStringLiteral("CisloOkrsku"));
    r.ZapsOsobyRef = p.Cislo(QStringLiteral("ZapsOsobyRef"));
    return r;
}

// Encodes one record of the description; any error is prefixed with the record's name.
QByteArray Zakoduj(const QJsonValue &hodnota, const QString &zaznam, const QList<TTvarPole> &tvary,
                   const std::function<QByteArray(TPolePopisu &)> &kodovac)
{
    if (!hodnota.isObject())
        throw EChyba(QStringLiteral("Záznam %1 musí být objekt JSON.").arg(zaznam));
    TPolePopisu pole(hodnota.toObject(), zaznam, tvary);
    try {
        QByteArray bajty = kodovac(pole);
        pole.OverZbytek();
        return bajty;
    } catch (const EChyba &e) {
        if (e.zprava().startsWith(QStringLiteral("Záznam ")))
            throw;
        throw EChyba(QStringLiteral("Záznam %1: %2").arg(zaznam, e.zprava()));
    }
}

// All records of one array of the description, concatenated as a record file.
QByteArray Soubor(const QJsonObject &popis, const QString &klic, bool povinny,
                  const QList<TTvarPole> &tvary,
                  const std::function<QByteArray(TPolePopisu &)> &kodovac)
{
    const QJsonValue hodnota = popis.value(klic);
    if (hodnota.isUndefined() && !povinny)
        return QByteArray();
    if (!hodnota.isArray())
        throw EChyba(QStringLiteral("Popis stanice: „%1“ musí být pole záznamů.").arg(klic));
    QByteArray obsah;
    const QJsonArray pole = hodnota.toArray();
    for (qsizetype i = 0; i < pole.size(); ++i)
        obsah += Zakoduj(pole.at(i), QStringLiteral("%1[%2]").arg(klic).arg(i), tvary, kodovac);
    return obsah;
}

void VytvorAdresar(const QString &cesta)
{
    if (!QDir().mkpath(cesta))
        throw EChyba(QStringLiteral("Adresář %1 nelze vytvořit.").arg(cesta));
}

// Writes `jmeno` into `adresar`, replacing an existing file whatever its letter case.
void Zapis(const QString &adresar, const QString &jmeno, const QByteArray &obsah)
{
    Soubory::UlozAtomicky(Soubory::NajdiSoubor(adresar, jmeno), obsah);
}

void ZapisNeniLiTam(const QString &adresar, const QString &jmeno, const QByteArray &obsah)
{
    if (!Soubory::Existuje(adresar, jmeno))
        Zapis(adresar, jmeno, obsah);
}

// The program with its help file and icon, when they have been built beside this tool.
void KopirujProgram(const QString &cil)
{
    const QString zdroj = QCoreApplication::applicationDirPath() + u'/';
    for (const QString &jmeno : {QStringLiteral("zelkovar"), QStringLiteral("Zelkovar.html"),
                                 QStringLiteral("zelkovar.svg")}) {
        const QFileInfo info(zdroj + jmeno);
        if (!info.isFile())
            continue;
        Zapis(cil, jmeno, Soubory::NactiSoubor(info.filePath(), qint64(1) << 30));
        QFile::setPermissions(cil + jmeno, info.permissions());
    }
}

// The new station record with the export state of the station it replaces, for
// every council type whose results file stays in the data directory: data that were
// exported stay marked as exported.
QByteArray SeStavemExportu(const QByteArray &nova, const TAdresare &adr)
{
    TStaniceRec stara;
    try {
        stara = NactiStanici(adr.AdrStanice);
    } catch (const EChyba &e) {
        VypisChybu(QStringLiteral("stanice: stav exportu nahrazované stanice nelze zjistit, "
                                  "platí stav z popisu (%1)")
                       .arg(e.zprava()));
        return nova;
    }
    TStaniceRec s = DekodujStanici(nova);
    for (const int typ : {1, 2}) {
        TOkrsekRefRec klic;
        klic.KodObce = s.KodObce;
        klic.CisloOkrsku = s.CisloOkrsku;
        klic.TypZastup = QString::number(typ);
        QString &stav = typ == 1 ? s.Stav1 : s.Stav2;
        const QString &puvodni = typ == 1 ? stara.Stav1 : stara.Stav2;
        if (stav != puvodni && MaVysledky(adr, klic)) {
            stav = puvodni;
            Vypis(QStringLiteral(
                      "Stav exportu typu %1 zůstává „%2“: jeho data v instalaci zůstávají.\n")
                      .arg(typ)
                      .arg(puvodni));
        }
    }
    return ZakodujStanici(s);
}

} // namespace

int PrikazStanice(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby(
        {QStringLiteral("stanice"),
         NapovedaStanice,
         {QStringLiteral("POPIS.json"), QStringLiteral("CIL")},
         {QStringLiteral("--podadresar")},
         {QStringLiteral("--prepsat"), QStringLiteral("--plocha"), QStringLiteral("--skoleni")}},
        argumenty);
    if (v.Konec)
        return *v.Konec;
    const QStringList &volne = v.Volne;
    const QString podadresar = v.Hodnota(QStringLiteral("--podadresar"));
    const bool prepsat = v.Ma(QStringLiteral("--prepsat"));
    const bool naPlochu = v.Ma(QStringLiteral("--plocha"));
    const bool skoleni = v.Ma(QStringLiteral("--skoleni"));

    const QJsonObject popis = NactiPopis(volne.at(0), QStringLiteral("Popis stanice"),
                                         {QStringLiteral("stanice"), QStringLiteral("okrsky"),
                                          QStringLiteral("strany"), QStringLiteral("kandidati"),
                                          QStringLiteral("volici"), QStringLiteral("chyby")});

    // Encode everything first, so that a bad description writes nothing.
    QByteArray stanice =
        Zakoduj(popis.value(QStringLiteral("stanice")), QStringLiteral("stanice"), TvarStanice,
                [](TPolePopisu &p) { return ZakodujStanici(SCislemOkrsku<TStaniceRec>(p)); });
    const QByteArray okrsky =
        Soubor(popis, QStringLiteral("okrsky"), true, TvarOkrsku,
               [](TPolePopisu &p) { return ZakodujOkrsekRef(SCislemOkrsku<TOkrsekRefRec>(p)); });
    const QByteArray strany =
        Soubor(popis, QStringLiteral("strany"), true, TvarStrany,
               [](TPolePopisu &p) { return ZakodujStranu(Texty<TStranaRec>(p)); });
    const QByteArray kandidati =
        Soubor(popis, QStringLiteral("kandidati"), true, TvarKandidata,
               [](TPolePopisu &p) { return ZakodujKandidata(Texty<TKandidatRec>(p)); });
    const QByteArray volici = Soubor(popis, QStringLiteral("volici"), true, TvarVolicu,
                                     [](TPolePopisu &p) { return ZakodujVoliceRef(Volici(p)); });
    // Without texts of its own the station gets the program's catalogue.
    const QByteArray chyby = popis.contains(QStringLiteral("chyby"))
                                 ? Soubor(popis, QStringLiteral("chyby"), true, {},
                                          [](TPolePopisu &p) { return ZakodujChybu(Chyba(p)); })
                                 : VlastniCiselnik();

    // Directories are found whatever their letter case, as the program finds them.
    const QString cil = QDir(volne.at(1)).absolutePath() + u'/';
    TAdresare adr;
    adr.AdrInstalace = cil;
    adr.AdrData = Soubory::NajdiAdresar(cil, QStringLiteral("data"));
    if (!podadresar.isEmpty())
        adr.AdrData = Soubory::NajdiAdresar(adr.AdrData, podadresar);
    adr.AdrStanice = podadresar.isEmpty() ? cil : adr.AdrData;
    const QString &adrStanice = adr.AdrStanice;
    const QString &adrData = adr.AdrData;
    if (Soubory::Existuje(adrStanice, QStringLiteral("STANICE.RCD"))) {
        if (!prepsat) {
            throw EChyba(
                QStringLiteral("V adresáři %1 už stanice je; přepíše ji jen volba --prepsat.")
                    .arg(adrStanice));
        }
        // Data typed in training must never pass for real ones.
        if (!skoleni && Skoleni::JeCvicna(adrStanice))
            throw EChyba(QStringLiteral("Stanice v %1 je cvičná; bez volby --skoleni ji nelze "
                                        "přepsat na ostrou (cvičná data by v ní zůstala). "
                                        "Ostrou stanici vytvořte v novém adresáři.")
                             .arg(adrStanice));
        stanice = SeStavemExportu(stanice, adr);
    }
    // Installed from the package, the program stays where it is and the launcher names
    // this installation; a build copies itself in, as the old layout had it.
    const QString adresarNastroje = QCoreApplication::applicationDirPath() + u'/';
    const TUmisteni umisteni = UmisteniProgramu(adresarNastroje);
    // The package's icon by its theme name; a copied program brings its own file.
    const TSpoustec spoustec = VytvorSpoustec(
        DekodujStanici(stanice),
        (umisteni.ZBalicku ? adresarNastroje : cil) + QStringLiteral("zelkovar"), cil, podadresar,
        umisteni.ZBalicku ? QStringLiteral("zelkovar") : cil + QStringLiteral("zelkovar.svg"));
    if (naPlochu) {
        const QString duvod = DuvodOdmitnutiPlochy(PlochaUzivatele());
        if (!duvod.isEmpty())
            throw EChyba(duvod);
    }
    const QString varovani = VarovaniVlastnika(cil);
    if (!varovani.isEmpty())
        VypisChybu(QStringLiteral("stanice: varování: ") + varovani);
    VytvorAdresar(adrStanice);
    // Never under a running program or another writer of the same station.
    const TZamek program(adrStanice, TZamek::TDruh::Program);
    const TZamek zapis(adrStanice);
    VytvorAdresar(adrData);
    VytvorAdresar(Soubory::NajdiAdresar(cil, QStringLiteral("Export")));

    Zapis(adrStanice, QStringLiteral("OKRSKY.RCD"), okrsky);
    Zapis(adrStanice, QStringLiteral("STRANY.RCD"), strany);
    Zapis(adrStanice, QStringLiteral("KANDIDAT.RCD"), kandidati);
    Zapis(cil, QStringLiteral("KVRVOK.RCD"), volici);
    Zapis(cil, QStringLiteral("CISCHYB.RCD"), chyby);
    ZapisNeniLiTam(adrData, QStringLiteral("HLASO.RCD"), ZakodujHlasovani(THlasovaniRec{}));
    ZapisNeniLiTam(adrData, QStringLiteral("KOMISE.RCD"), QByteArray());
    ZapisNeniLiTam(adrData, QStringLiteral("INFOK83.RCD"), QByteArray());
    if (!umisteni.ZBalicku)
        KopirujProgram(cil);
    const QString vInstalaci = ZapisSpoustec(spoustec, cil);
    if (skoleni)
        Skoleni::Oznac(adrStanice);
    // The station file last: its presence marks a complete installation.
    Zapis(adrStanice, QStringLiteral("STANICE.RCD"), stanice);

    Vypis(QStringLiteral("Stanice vytvořena v %1%2\n")
              .arg(cil, podadresar.isEmpty()
                            ? QString()
                            : QStringLiteral(" (spouštět s parametrem %1)").arg(podadresar)));
    Vypis(QStringLiteral("Zástupce stanice: %1\n").arg(vInstalaci));
    if (skoleni)
        Vypis(QStringLiteral("Cvičná stanice pro školení: tiskové sestavy nesou „%1“, "
                             "soubory exportu předponu %2.\n")
                  .arg(Skoleni::TextZnacky, Skoleni::PredponaExportu));
    if (naPlochu) {
        const QStringList uzivatel = ZapisSpoustecUzivateli(spoustec);
        Vypis(QStringLiteral("Na ploše: %1\nV nabídce aplikací: %2\n")
                  .arg(uzivatel.at(0), uzivatel.at(1)));
    }
    return KodUspech;
}
