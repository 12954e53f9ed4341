// The precinct results record: file name, fixed-width line, load and save.
#include "DvaPripady.h"
#include "EChyba.h"
#include "Ochrana.h"
#include "Okrsek.h"
#include "Oznameni.h"
#include "Sloupce.h"
#include "Soubory.h"
#include "SouboryTestu.h"
#include "UlozeniVysledku.h"
#include "VzorovyOkrsek.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>

namespace {

const QString DataDir = QStringLiteral(ZELKOVAR_SOURCE_DIR "tests/data/");
const QString Zlaty = QStringLiteral("OO500011.00001");

QByteArray Ulozeny(const QByteArray &radek, const QByteArray &klic = Ochrana::KlicOkrsku)
{
    return Ochrana::Zasifruj(Ochrana::Zabal(radek), klic);
}

QByteArray ZlatyRadek()
{
    return Obsah(DataDir + QStringLiteral("OO500011.00001.radek"));
}

// The golden line with `text` written over the characters from position `pozice` (from 1).
QByteArray Prepis(QByteArray radek, int pozice, const QByteArray &text)
{
    return radek.replace(pozice - 1, text.size(), text);
}

TOkrsekRefRec Klic(const QString &typ = QStringLiteral("1"), qint32 okrsek = 1)
{
    TOkrsekRefRec k;
    k.KodObce = QStringLiteral("500011");
    k.CisloOkrsku = okrsek;
    k.TypZastup = typ;
    return k;
}

QString Mezery(int n)
{
    return QString(n, QChar(u' '));
}

// A record as VynulujOkrsek leaves it, with the given free text lines.
TVysledky Prazdny(const std::array<QString, MaxVet6 + 1> &vety6, bool jsouVety6)
{
    TVysledky v;
    v.Vety6 = vety6;
    v.JsouVety6 = jsouVety6;
    return v;
}

// The identification of every record of the golden file, its type aside.
template <typename T> void OverIdentifikaci(const T &r, int typVety)
{
    QCOMPARE(int(r.TypVety), typVety);
    QCOMPARE(int(r.Oprava), 0);
    QCOMPARE(int(r.Chyba), 0);
    QCOMPARE(int(r.Okres), 3701);
    QCOMPARE(int(r.Obec), 500011);
    QCOMPARE(int(r.Okrsek), 1);
    QCOMPARE(int(r.T3KC_1), 6);
    QCOMPARE(int(r.TypZastup), 1);
}

} // namespace

class TestOkrsek : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    TAdresare m_adr;

    QString Data(const QString &jmeno) const { return m_adr.AdrData + jmeno; }
    QStringList SouboryDat() const
    {
        return QDir(m_adr.AdrData).entryList(QDir::Files, QDir::Name);
    }
    // Files left in the station directory beside the journal.
    QStringList SouboryStanice() const
    {
        QStringList s = QDir(m_adr.AdrStanice).entryList(QDir::Files);
        s.removeAll(QStringLiteral("DENIK.TXT"));
        return s;
    }

    TVysledky NactiZlaty()
    {
        Zapis(Data(Zlaty), Obsah(DataDir + Zlaty));
        TVysledky v;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        return v;
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        QDir(m_dir->path()).mkdir(QStringLiteral("stanice"));
        QDir(m_dir->path()).mkdir(QStringLiteral("data"));
        m_adr.AdrInstalace = m_dir->path() + u'/';
        m_adr.AdrStanice = m_dir->path() + QStringLiteral("/stanice/");
        m_adr.AdrData = m_dir->path() + QStringLiteral("/data/");
    }
    void cleanup()
    {
        Soubory::NastavPoruchu({});
        delete m_dir;
    }

    void zlatySouborPoPolich()
    {
        const TVysledky v = NactiZlaty();
        const TOkrsekRec &h = v.VetaT3;
        OverIdentifikaci(h, 1);
        QCOMPARE(h.CObvodu, 1);
        QCOMPARE(h.ZapsOsoby, 812);
        QCOMPARE(h.VydObalky, 530);
        QCOMPARE(h.OdevzdObalky, 528);
        QCOMPARE(h.PlatneHlasy, 4321);
        QCOMPARE(h.Pocet_VS, 2);
        QCOMPARE(h.Poc_VS_HL, 2);
        QCOMPARE(h.T3KC_2, 6196);
        QCOMPARE(h.KodObceZast, 500011);

        const TStranaHLRec &s1 = v.StranyHL[1];
        OverIdentifikaci(s1, 2);
        QCOMPARE(s1.PorStHL, 1);
        QCOMPARE(s1.PocHl, 10211);
        for (int i = 1; i <= MaxKandidatu; ++i) {
            const int ocekavano = i == 1 ? 120 : i == 3 ? 85 : i == 5 ? 9999 : i == 70 ? 7 : 0;
            QCOMPARE(s1.HlasyKand[i], ocekavano);
        }
        QCOMPARE(s1.HLKC2, 10212);
        QCOMPARE(s1.HLPoslKand, 70);
        QCOMPARE(s1.HLKS, 564865);

        const TStranaHLRec &s2 = v.StranyHL[2];
        QCOMPARE(s2.Chyba, 1);
        QCOMPARE(s2.PorStHL, 2);
        QCOMPARE(s2.PocHl, 355);
        QCOMPARE(s2.HlasyKand[2], 310);
        QCOMPARE(s2.HlasyKand[4], 1);
        QCOMPARE(s2.HlasyKand[9], 44);
        QCOMPARE(s2.HLKC2, 357);
        QCOMPARE(s2.HLPoslKand, 9);
        QCOMPARE(s2.HLKS, 505110);
        QCOMPARE(v.StranyHL[3], TStranaHLRec{});

        const TVetaTS &z = v.VetaTS;
        OverIdentifikaci(z, 3);
        QCOMPARE(z.SeznamChyb, QStringLiteral("0691") + Mezery(46));
        QCOMPARE(z.DatumPorizeni, QStringLiteral("20221023"));
        QCOMPARE(z.CasPorizeni, QStringLiteral("143005"));
        QCOMPARE(z.Rezervovano, 1234567890.0);
        QCOMPARE(z.ZpusobPorizeni, 1);
        QCOMPARE(z.KodWindowsTS, 62);
        QCOMPARE(z.Rezerva, Mezery(1));
        QCOMPARE(z.Kod2, 0);
        QCOMPARE(z.Jmeno2, QStringLiteral("Řehoř Čáp      "));
        QCOMPARE(z.Datum2, Mezery(8));
        QCOMPARE(z.Cas2, Mezery(6));
        QCOMPARE(z.Cislo2, 0.0);
        QCOMPARE(z.Kod3, 0);
        QCOMPARE(z.Jmeno3, Mezery(15));
        QCOMPARE(z.Datum3, Mezery(8));
        QCOMPARE(z.Cas3, Mezery(6));
        QCOMPARE(z.Cislo3, -42.0);
        QCOMPARE(z.SoucetKC1, 24.0);
        QCOMPARE(z.SoucetKC2, 16765.0);
        QCOMPARE(z.SoucetKS, 1069975.0);
        QCOMPARE(z.NahodneCislo, 654321);
        QCOMPARE(z.Cislo4, 0);
        QCOMPARE(z.Cislo5, 0);
        QCOMPARE(z.KontrSoucetTS, 1256673003.0);
        QCOMPARE(z.KontrSoucet2, 0.0);
        QCOMPARE(z.KontrSoucet3, 0.0);

        QVERIFY(v.JsouVety6);
        for (int i = 1; i <= MaxVet6; ++i) {
            const QString ocekavano =
                i == 3    ? QStringLiteral("Poznámka komise: vše v pořádku") + Mezery(170)
                : i == 41 ? QStringLiteral("Druhá věta") + Mezery(190)
                          : QString();
            QCOMPARE(v.Vety6[i], ocekavano);
        }
        // The load leaves no intermediate files and does not touch the stored file.
        QCOMPARE(SouboryStanice(), QStringList());
        QCOMPARE(Obsah(Data(Zlaty)), Obsah(DataDir + Zlaty));
    }

    void zlatyRadekSestaveny()
    {
        const TVysledky v = NactiZlaty();
        QCOMPARE(SestavRadek(v, true), ZlatyRadek());
        QCOMPARE(SestavRadek(v, false), ZlatyRadek().left(59 + 2 * 323 + 250));
    }

    void ulozenyCteNezavislaImplementace()
    {
        const TVysledky v = NactiZlaty();
        QFile::remove(Data(Zlaty));
        UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QCOMPARE(SouboryDat(), QStringList{Zlaty});
        QCOMPARE(SouboryStanice(), QStringList());

        const QString python = QStringLiteral("/usr/bin/python3");
        if (!QFile::exists(python))
            QSKIP("no /usr/bin/python3");
        QProcess p;
        p.start(python, {QStringLiteral("-c"), QStringLiteral("import Cryptodome")});
        if (!p.waitForFinished() || p.exitCode() != 0)
            QSKIP("python3 without Cryptodome");
        p.start(python, {DataDir + QStringLiteral("vyrob-chraneny.py"), QStringLiteral("--decode"),
                         Data(Zlaty)});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), ZlatyRadek());
    }

    void jmenoSouboru_data()
    {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<int>("okrsek");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("jmeno");
        QTest::newRow("type 1") << "1" << 2 << "O"
                                << "OO500011.00002";
        QTest::newRow("type 2") << "2" << 7 << "E"
                                << "EC500011.00007";
        QTest::newRow("other type") << "3" << 12345 << "O"
                                    << "O500011.12345";
        QTest::newRow("precinct 0") << "1" << 0 << "E"
                                    << "EO500011.00000";
        QTest::newRow("precinct 99999") << "1" << 99999 << "O"
                                        << "OO500011.99999";
    }
    void jmenoSouboru()
    {
        QFETCH(QString, typ);
        QFETCH(int, okrsek);
        QFETCH(QString, prefix);
        QFETCH(QString, jmeno);
        QCOMPARE(JmenoSouboruOkrsku(m_adr, Klic(typ, okrsek), prefix), m_adr.AdrData + jmeno);
    }

    void jmenoSouboruOdmitne()
    {
        QVERIFY_THROWS_EXCEPTION(
            EChyba, JmenoSouboruOkrsku(m_adr, Klic(QStringLiteral("1"), -1), QStringLiteral("O")));
        QVERIFY_THROWS_EXCEPTION(
            EChyba,
            JmenoSouboruOkrsku(m_adr, Klic(QStringLiteral("1"), 100000), QStringLiteral("O")));
        TOkrsekRefRec k = Klic();
        k.KodObce = QStringLiteral("../../etc/x");
        QVERIFY_THROWS_EXCEPTION(EChyba, JmenoSouboruOkrsku(m_adr, k, QStringLiteral("O")));
    }

    void jmenoBezOhleduNaVelikostPismen()
    {
        const QString male = QStringLiteral("oo500011.00001");
        Zapis(Data(male), Obsah(DataDir + Zlaty));
        QCOMPARE(JmenoSouboruOkrsku(m_adr, Klic(), QStringLiteral("O")), Data(male));
        TVysledky v;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QCOMPARE(v.VetaT3.PlatneHlasy, 4321);
        v.VetaT3.PlatneHlasy = 4000;
        UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QCOMPARE(SouboryDat(), QStringList{male}); // replaced under its own name
        TVysledky znovu;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), znovu);
        QCOMPARE(znovu.VetaT3.PlatneHlasy, 4000);
    }

    void bezSouboruZustanePrazdny()
    {
        TVysledky v = VzorovyOkrsek(3, 10, 1, 50);
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QCOMPARE(v, Prazdny(VzorovyOkrsek(3, 10, 1, 50).Vety6, true));
        QCOMPARE(SouboryStanice(), QStringList());
    }

    void delkaRadku_data()
    {
        QTest::addColumn<int>("stran");
        QTest::addColumn<bool>("sTextem");
        QTest::addColumn<int>("delka");
        QTest::newRow("no parties, E") << 0 << false << 309;
        QTest::newRow("no parties, O") << 0 << true << 309 + 3 * 215;
        QTest::newRow("45 parties, E") << 45 << false << 309 + 45 * 323;
        QTest::newRow("45 parties, O") << 45 << true << int(Ochrana::MaxDelkaObsahu) - 96 * 215;
    }
    void delkaRadku()
    {
        QFETCH(int, stran);
        QFETCH(bool, sTextem);
        QFETCH(int, delka);
        const TVysledky v = VzorovyOkrsek(stran, 70, 0, 1400);
        const QByteArray radek = SestavRadek(v, sTextem);
        QCOMPARE(radek.size(), delka);
        TVysledky zpet;
        RozeberRadek(radek, sTextem, zpet, QStringLiteral("x"));
        QCOMPARE(SestavRadek(zpet, sTextem), radek);
    }

    void nuloviKandidati()
    {
        TVysledky v = VzorovyOkrsek(2, 5, 0, 0); // every candidate 0 votes
        QCOMPARE(v.StranyHL[2].PocHl, 0);
        QCOMPARE(v.StranyHL[2].HLPoslKand, 0);
        QCOMPARE(v.StranyHL[2].HLKC2, 2);
        UlozOkrsek(m_adr, Klic(), QStringLiteral("E"), v);
        TVysledky zpet;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("E"), zpet);
        QCOMPARE(zpet.StranyHL[2].PocHl, 0);
        QCOMPARE(zpet.StranyHL[2].HLPoslKand, 0);
        QCOMPARE(zpet.StranyHL[2].HLKC2, 2);
        QCOMPARE(zpet.StranyHL, v.StranyHL);
        const QByteArray blok = SestavRadek(v, false).mid(59 + 323, 323);
        QCOMPARE(blok.mid(20, 9), QByteArray("  2     0"));
        QCOMPARE(blok.mid(309, 14),
                 "    2 0" + QByteArray::number(v.StranyHL[2].HLKS).rightJustified(7));
    }

    void textovaPoleSMezerami()
    {
        TVysledky v = VzorovyOkrsek(1, 3, 1, 3);
        v.VetaTS.SeznamChyb = QStringLiteral("0612");
        v.VetaTS.Rezerva.clear();
        UlozOkrsek(m_adr, Klic(), QStringLiteral("E"), v);
        TVysledky zpet;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("E"), zpet);
        QCOMPARE(zpet.VetaTS.SeznamChyb, QStringLiteral("0612") + Mezery(46));
        QCOMPARE(zpet.VetaTS.Rezerva, Mezery(1));
        QCOMPARE(zpet.VetaTS.Jmeno2, QStringLiteral("Žluťoučký kůň  "));
    }

    void vety6PodlePrefixu()
    {
        const TVysledky vzor = VzorovyOkrsek(2, 10, 1, 20);
        TVysledky bezTextu = vzor;
        bezTextu.Vety6 = {};
        UlozOkrsek(m_adr, Klic(), QStringLiteral("E"), vzor);

        // An E file carries no free text; loading it leaves the lines in memory alone.
        TVysledky v;
        v.Vety6[50] = QStringLiteral("stará");
        v.JsouVety6 = true;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("E"), v);
        QCOMPARE(v.VetaT3, vzor.VetaT3);
        QCOMPARE(v.Vety6[50], QStringLiteral("stará"));
        QVERIFY(v.Vety6[2].isEmpty());
        QVERIFY(v.JsouVety6);

        // An O file replaces all 99 lines, also with none.
        UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), vzor);
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QVERIFY(v.Vety6[50].isEmpty());
        QCOMPARE(v.Vety6[2], vzor.Vety6[2] + Mezery(200 - vzor.Vety6[2].size()));
        QCOMPARE(v.Vety6[17], vzor.Vety6[17] + Mezery(200 - vzor.Vety6[17].size()));
        QCOMPARE(v.Vety6[99], vzor.Vety6[99]);
        QVERIFY(v.JsouVety6);
        UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), bezTextu);
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QCOMPARE(v.Vety6, bezTextu.Vety6);
        QVERIFY(!v.JsouVety6);

        // The lines belong to their file: loading the other council type's E file
        // drops them, so its next "O" file carries none of them.
        UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), vzor);
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        UlozOkrsek(m_adr, Klic(QStringLiteral("2")), QStringLiteral("E"), bezTextu);
        NactiOkrsek(m_adr, Klic(QStringLiteral("2")), QStringLiteral("E"), v);
        QVERIFY(!v.JsouVety6);
        UlozOkrsek(m_adr, Klic(QStringLiteral("2")), QStringLiteral("O"), v);
        NactiOkrsek(m_adr, Klic(QStringLiteral("2")), QStringLiteral("O"), v);
        QCOMPARE(v.Vety6, bezTextu.Vety6);
    }

    void blokyVolnehoTextu()
    {
        const QByteArray zaklad = ZlatyRadek().left(955);
        auto blok = [](const QByteArray &index, const QByteArray &text) {
            return "6500011    11" + index + text + QByteArray(200 - text.size(), ' ');
        };
        TVysledky v;
        RozeberRadek(zaklad + blok(" 5", "   odsazeno") + blok(" 5", "druhy") + blok("99", "x") +
                         "zbytek kratsi nez blok",
                     true, v, QStringLiteral("x"));
        QCOMPARE(v.Vety6[5], QStringLiteral("druhy") + Mezery(195)); // later block wins
        QCOMPARE(v.Vety6[99], QStringLiteral("x") + Mezery(199));
        RozeberRadek(zaklad + blok(" 7", "   odsazeno"), true, v, QStringLiteral("x"));
        QCOMPARE(v.Vety6[7], QStringLiteral("odsazeno") + Mezery(189));
        QVERIFY(v.Vety6[5].isEmpty());
    }

    void jenPrvniRadek()
    {
        Zapis(Data(Zlaty), Ulozeny(ZlatyRadek() + "\r\nDRUHY RADEK"));
        TVysledky v;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QCOMPARE(SestavRadek(v, true), ZlatyRadek());
        Zapis(Data(Zlaty), Ulozeny(ZlatyRadek().left(1000) + "\n" + ZlatyRadek().mid(1000)));
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
        QVERIFY(!v.JsouVety6); // the free text after the break is not read
    }

    void ciselnaPole_data()
    {
        QTest::addColumn<int>("pozice");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("platne");
        // Header Okrsek (Integer, 14..18) and Okres (Word, 4..7).
        QTest::newRow("left-aligned") << 14 << QByteArray("1    ") << false;
        QTest::newRow("inner blank") << 14 << QByteArray(" 1 1 ") << false;
        QTest::newRow("blank") << 14 << QByteArray("     ") << false;
        QTest::newRow("leading zeros") << 14 << QByteArray("00001") << true;
        QTest::newRow("negative Integer") << 14 << QByteArray("   -1") << true;
        QTest::newRow("lone minus") << 14 << QByteArray("    -") << false;
        QTest::newRow("plus sign") << 14 << QByteArray("   +1") << false;
        QTest::newRow("negative Word") << 4 << QByteArray("  -1") << false;
        QTest::newRow("letter") << 4 << QByteArray("37O1") << false;
        QTest::newRow("tab") << 4 << QByteArray("\t371") << false;
        // Closing record Cislo3 (R, 171..180).
        QTest::newRow("R decimals") << 955 - 250 + 171 << QByteArray("     12.50") << true;
        QTest::newRow("R plus") << 955 - 250 + 171 << QByteArray("       +12") << true;
        QTest::newRow("R no digits") << 955 - 250 + 171 << QByteArray("        .5") << false;
        QTest::newRow("R bare point") << 955 - 250 + 171 << QByteArray("        1.") << false;
        QTest::newRow("R exponent") << 955 - 250 + 171 << QByteArray("       1e5") << false;
        QTest::newRow("R blank") << 955 - 250 + 171 << QByteArray("          ") << false;
        QTest::newRow("R trailing blank") << 955 - 250 + 171 << QByteArray("      -42 ") << false;
        // Free text index (block 1, positions 14..15).
        QTest::newRow("index 0") << 955 + 14 << QByteArray(" 0") << false;
        QTest::newRow("index blank") << 955 + 14 << QByteArray("  ") << false;
        QTest::newRow("index 99") << 955 + 14 << QByteArray("99") << true;
        QTest::newRow("parties 46") << 42 << QByteArray(" 46") << false;
    }
    void ciselnaPole()
    {
        QFETCH(int, pozice);
        QFETCH(QByteArray, text);
        QFETCH(bool, platne);
        const QByteArray radek = Prepis(ZlatyRadek(), pozice, text);
        TVysledky v = VzorovyOkrsek(3, 5, 1, 5);
        const TVysledky puvodni = v;
        const QString nazev = QStringLiteral("/cesta/OO500011.00001");
        try {
            RozeberRadek(radek, true, v, nazev);
            QVERIFY2(platne, "accepted");
            QCOMPARE(SestavRadek(v, true).size(), radek.size());
        } catch (const EChyba &e) {
            QVERIFY2(!platne, qPrintable(e.zprava()));
            QVERIFY2(e.zprava().contains(nazev), qPrintable(e.zprava()));
            QCOMPARE(v, puvodni); // nothing taken over
        }
    }

    void hodnotyCiselnychPoli()
    {
        TVysledky v;
        RozeberRadek(Prepis(Prepis(ZlatyRadek(), 14, "   -1"), 955 - 250 + 171, "     12.50"), true,
                     v, QStringLiteral("x"));
        QCOMPARE(v.VetaT3.Okrsek, -1);
        QCOMPARE(v.VetaTS.Cislo3, 12.5);
        // Doubles are written rounded to whole numbers, negative ones too.
        v.VetaTS.Cislo3 = -2.5;
        v.VetaTS.Cislo2 = 2.49;
        v.VetaTS.Rezervovano = -0.3;
        const QByteArray radek = SestavRadek(v, false);
        QCOMPARE(radek.mid(59 + 2 * 323 + 129, 10), QByteArray("         2"));
        QCOMPARE(radek.mid(59 + 2 * 323 + 170, 10), QByteArray("        -3"));
        QCOMPARE(radek.mid(59 + 2 * 323 + 84, 10), QByteArray("         0"));
    }

    // The plain line never touches the disk: an intermediate file of older versions,
    // even a symbolic link placed there, is never written through and goes.
    void prostyRadekNikdyNaDisku()
    {
        QTemporaryDir venku;
        const QString cil = venku.filePath(QStringLiteral("cizi"));
        Zapis(cil, "cizí soubor");
        QVERIFY(QFile::link(cil, m_adr.AdrStanice + QStringLiteral("data.temp")));
        Zapis(m_adr.AdrStanice + QStringLiteral("data.comp"), "zbytek");
        const TVysledky v = VzorovyOkrsek(3, 10, 1, 40);
        UlozOkrsek(m_adr, Klic(), QStringLiteral("E"), v);
        TVysledky zpet;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("E"), zpet);
        QCOMPARE(zpet.StranyHL, v.StranyHL);
        QCOMPARE(Obsah(cil), QByteArray("cizí soubor"));
        QCOMPARE(SouboryStanice(), QStringList());
        QVERIFY(!QFileInfo(m_adr.AdrStanice + QStringLiteral("data.temp")).isSymLink());
    }

    void pravidloMazani_data()
    {
        QTest::addColumn<QStringList>("pred");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("po");
        const QString o = QStringLiteral("OO500011.00001"), e = QStringLiteral("EO500011.00001");
        QTest::newRow("O removes leftover E") << QStringList{e} << "O" << QStringList{o};
        // After any save only the saved file is left: the other one is older by the rule.
        QTest::newRow("O over O removes E") << QStringList{e, o} << "O" << QStringList{o};
        QTest::newRow("E removes O") << QStringList{o} << "E" << QStringList{e};
        QTest::newRow("E over both") << QStringList{e, o} << "E" << QStringList{e};
        QTest::newRow("E over E") << QStringList{e} << "E" << QStringList{e};
        QTest::newRow("O alone") << QStringList{} << "O" << QStringList{o};
    }
    void pravidloMazani()
    {
        QFETCH(QStringList, pred);
        QFETCH(QString, prefix);
        QFETCH(QStringList, po);
        for (const QString &jmeno : pred)
            Zapis(Data(jmeno), Obsah(DataDir + Zlaty));
        const TVysledky v = VzorovyOkrsek(4, 20, 0, 99);
        UlozOkrsek(m_adr, Klic(), prefix, v);
        QCOMPARE(SouboryDat(), po);
        QCOMPARE(SouboryStanice(), QStringList());
        TVysledky zpet;
        NactiOkrsek(m_adr, Klic(), prefix, zpet);
        QCOMPARE(zpet.VetaT3, v.VetaT3);
    }

    // Two files of an interrupted save, their times reversed as a copy or a restore
    // leaves them: the current one comes from what is inside; the other goes to
    // data/Zrusena/, never away, and the program's next start is told once.
    void aktualniPodleObsahu_data()
    {
        QTest::addColumn<QString>("kdyO"); // save date and time, yyyyMMddHHmmss or empty
        Sloupce<double, QString, double, bool, QString>(
            {"cisloO", "kdyE", "cisloE", "poskozenE", "plati"});
        const QString t = QStringLiteral("20261024101500");
        QTest::newRow("E saved later in the same second") << t << 2.0 << t << 3.0 << false << "E";
        QTest::newRow("O saved later in the same second") << t << 3.0 << t << 2.0 << false << "O";
        QTest::newRow("clock set back: the number decides")
            << QStringLiteral("20261024111500") << 4.0 << t << 5.0 << false << "E";
        QTest::newRow("older version: the later time")
            << t << 0.0 << QStringLiteral("20261024101501") << 0.0 << false << "E";
        QTest::newRow("older version, same time: O") << t << 0.0 << t << 0.0 << false << "O";
        QTest::newRow("unreadable loses") << t << 1.0 << t << 9.0 << true << "O";
        QTest::newRow("no save time loses") << t << 1.0 << QString() << 9.0 << false << "O";
    }
    void aktualniPodleObsahu()
    {
        QFETCH(QString, kdyO);
        QFETCH(double, cisloO);
        QFETCH(QString, kdyE);
        QFETCH(double, cisloE);
        QFETCH(bool, poskozenE);
        QFETCH(QString, plati);
        const auto uloz = [&](const QString &prefix, const QString &kdy, double cislo) {
            TVysledky v = VzorovyOkrsek(3, 10, 1, 50);
            v.VetaTS.DatumPorizeni = kdy.left(8);
            v.VetaTS.CasPorizeni = kdy.mid(8);
            v.VetaTS.Rezervovano = cislo;
            v.VetaT3.ZapsOsoby = prefix == u"O" ? 1111 : 2222;
            UlozOkrsek(m_adr, Klic(), prefix, v);
            return Obsah(Data(prefix + QStringLiteral("O500011.00001")));
        };
        const QByteArray e = uloz(QStringLiteral("E"), kdyE, cisloE);
        uloz(QStringLiteral("O"), kdyO, cisloO); // removes the E file
        const QString cestaE = Data(QStringLiteral("EO500011.00001"));
        Zapis(cestaE, poskozenE ? e.left(e.size() / 2) : e);
        // The file that must lose is the one modified later.
        const QString prohra = plati == u"O" ? QStringLiteral("E") : QStringLiteral("O");
        const QString cestaProhry = Data(prohra + QStringLiteral("O500011.00001"));
        QFile f(cestaProhry);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                              QFileDevice::FileModificationTime));
        f.close();

        QCOMPARE(AktualniPrefix(m_adr, Klic()), plati);
        QCOMPARE(Oznameni::Vezmi(m_adr.AdrStanice), QString());
        TVysledky v;
        QCOMPARE(NactiAktualniOkrsek(m_adr, Klic(), v), plati);
        QCOMPARE(v.VetaT3.ZapsOsoby, plati == u"O" ? 1111 : 2222);
        QCOMPARE(SouboryDat(), QStringList{plati + QStringLiteral("O500011.00001")});
        const QStringList zrusene = QDir(Data(QStringLiteral("Zrusena"))).entryList(QDir::Files);
        QCOMPARE(zrusene.size(), 1);
        QVERIFY(zrusene.first().startsWith(prohra + QStringLiteral("O500011.00001.")));
        QVERIFY(QString::fromUtf8(Obsah(m_adr.AdrStanice + QStringLiteral("DENIK.TXT")))
                    .contains(QStringLiteral("přerušeného uložení uschován jako")));
        const QString oznameni = Oznameni::Vezmi(m_adr.AdrStanice);
        QVERIFY2(oznameni.contains(plati + QStringLiteral("O500011.00001")) &&
                     oznameni.contains(zrusene.first()),
                 qPrintable(oznameni));
        QCOMPARE(Oznameni::Vezmi(m_adr.AdrStanice), QString());
    }

    // The one save routine numbers every save, so that E and then O written within one
    // second order rightly, and moves the check sum with the number.
    void ulozeniCisluje()
    {
        Zapis(m_adr.AdrStanice + QStringLiteral("STANICE.RCD"),
              Obsah(DataDir + QStringLiteral("STANICE.RCD")));
        TStaniceRec stanice;
        TVysledky v = VzorovyOkrsek(3, 10, 1, 50);
        const double bezCisla = v.VetaTS.KontrSoucetTS - v.VetaTS.Rezervovano;
        UlozVysledkyTypu(m_adr, Klic(), QStringLiteral("E"), v, stanice, false);
        const QByteArray e = Obsah(Data(QStringLiteral("EO500011.00001")));
        UlozVysledkyTypu(m_adr, Klic(), QStringLiteral("O"), v, stanice, false);
        QCOMPARE(stanice.Stav1, QStringLiteral("N"));
        Zapis(Data(QStringLiteral("EO500011.00001")), e); // as if killed before the removal
        QCOMPARE(AktualniPrefix(m_adr, Klic()), QStringLiteral("O"));
        TVysledky zpet;
        NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), zpet);
        QCOMPARE(zpet.VetaTS.Rezervovano, 2.0);
        QCOMPARE(zpet.VetaTS.KontrSoucetTS, bezCisla + 2);
        // What is printed from memory is what is stored.
        QCOMPARE(v.VetaTS.Rezervovano, 2.0);
        QCOMPARE(v.VetaTS.KontrSoucetTS, zpet.VetaTS.KontrSoucetTS);
    }

    void nevejdeSe_data()
    {
        QTest::addColumn<std::function<void(TVysledky &)>>("zmena");
        QTest::addColumn<QString>("pole");
        using Z = std::function<void(TVysledky &)>;
        QTest::newRow("PlatneHlasy")
            << Z([](TVysledky &v) { v.VetaT3.PlatneHlasy = 1000000; }) << "VetaT3.PlatneHlasy";
        QTest::newRow("HLKS") << Z([](TVysledky &v) { v.StranyHL[2].HLKS = 10000000; })
                              << "StranyHL[2].HLKS";
        QTest::newRow("negative Obec")
            << Z([](TVysledky &v) { v.VetaT3.Obec = -100000; }) << "VetaT3.Obec";
        QTest::newRow("TypVety") << Z([](TVysledky &v) { v.VetaTS.TypVety = 10; })
                                 << "VetaTS.TypVety";
        QTest::newRow("votes") << Z([](TVysledky &v) { v.StranyHL[1].HlasyKand[70] = 10000; })
                               << "StranyHL[1].HlasyKand[70]";
        QTest::newRow("SoucetKS") << Z([](TVysledky &v) { v.VetaTS.SoucetKS = 999999999.5; })
                                  << "VetaTS.SoucetKS";
        QTest::newRow("NaN") << Z([](TVysledky &v) { v.VetaTS.Cislo2 = qQNaN(); })
                             << "VetaTS.Cislo2";
        QTest::newRow("Pocet_VS 46")
            << Z([](TVysledky &v) { v.VetaT3.Pocet_VS = 46; }) << "VetaT3.Pocet_VS";
        QTest::newRow("long text")
            << Z([](TVysledky &v) { v.VetaTS.SeznamChyb = QString(51, u'1'); })
            << "VetaTS.SeznamChyb";
        QTest::newRow("line break")
            << Z([](TVysledky &v) { v.Vety6[3] = QStringLiteral("a\nb"); }) << "Vety6[3]";
        QTest::newRow("not Windows-1250")
            << Z([](TVysledky &v) { v.VetaTS.Jmeno2 = QStringLiteral("☺"); }) << "VetaTS.Jmeno2";
    }
    void nevejdeSe()
    {
        QFETCH(std::function<void(TVysledky &)>, zmena);
        QFETCH(QString, pole);
        const QString e = QStringLiteral("EO500011.00001");
        Zapis(Data(e), Obsah(DataDir + Zlaty));
        TVysledky v = VzorovyOkrsek(3, 70, 0, 140);
        zmena(v);
        try {
            UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
            QFAIL("saved");
        } catch (const EChyba &chyba) {
            QVERIFY2(chyba.zprava().contains(pole), qPrintable(chyba.zprava()));
        }
        QCOMPARE(SouboryDat(), QStringList{e});
        QCOMPARE(Obsah(Data(e)), Obsah(DataDir + Zlaty));
        QCOMPARE(SouboryStanice(), QStringList());
    }

    void selhaniZapisuNechaStarySoubor_data()
    {
        QTest::addColumn<Soubory::KrokUkladani>("krok");
        QTest::newRow("write") << Soubory::KrokUkladani::Zapis;
        QTest::newRow("fsync") << Soubory::KrokUkladani::Fsync;
        QTest::newRow("rename") << Soubory::KrokUkladani::Prejmenovani;
    }
    void selhaniZapisuNechaStarySoubor()
    {
        QFETCH(Soubory::KrokUkladani, krok);
        const QString o = QStringLiteral("OO500011.00001"), e = QStringLiteral("EO500011.00001");
        for (const QString &jmeno : {o, e})
            Zapis(Data(jmeno), Obsah(DataDir + Zlaty) + jmeno.toLatin1());
        // Saving O over a missing O would remove E: also that must not happen on failure.
        for (const QString &prefix : {QStringLiteral("O"), QStringLiteral("E")}) {
            if (prefix == u"O")
                QFile::remove(Data(o));
            Soubory::NastavPoruchu(
                [krok](Soubory::KrokUkladani k) { return k == krok ? ENOSPC : 0; });
            try {
                UlozOkrsek(m_adr, Klic(), prefix, VzorovyOkrsek(5, 30, 1, 200));
                QFAIL("saved");
            } catch (const EChyba &chyba) {
                QVERIFY2(chyba.zprava().contains(Data(prefix + o.mid(1))),
                         qPrintable(chyba.zprava()));
                QVERIFY2(chyba.zprava().contains(QStringLiteral("na disku není volné místo")),
                         qPrintable(chyba.zprava()));
            }
            Soubory::NastavPoruchu({});
            QCOMPARE(Obsah(Data(e)), Obsah(DataDir + Zlaty) + e.toLatin1());
            QCOMPARE(SouboryStanice(), QStringList());
        }
        QCOMPARE(SouboryDat(), QStringList{e});
    }

    // Deleted data are kept in data/Zrusena, which must be a directory of the
    // installation: a symbolic link out of it, or a file, is never written through.
    void zrusenaJenVInstalaci_data() { DvaPripady("odkaz", "file", "symbolic link"); }
    void zrusenaJenVInstalaci()
    {
        QFETCH(bool, odkaz);
        QTemporaryDir venku;
        const QString zrusena = Data(QStringLiteral("Zrusena"));
        if (odkaz)
            QVERIFY(QFile::link(venku.path(), zrusena));
        else
            Zapis(zrusena, "x");
        UlozOkrsek(m_adr, Klic(), QStringLiteral("O"), VzorovyOkrsek(2, 5, 0, 10));
        const QByteArray ulozeny = Obsah(Data(Zlaty));
        try {
            ZrusOkrsek(m_adr, Klic());
            QFAIL("deleted");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(zrusena), qPrintable(e.zprava()));
        }
        QCOMPARE(Obsah(Data(Zlaty)), ulozeny);
        QCOMPARE(QDir(venku.path()).entryList(QDir::Files), QStringList());
    }

    void poskozenySoubor_data()
    {
        QTest::addColumn<QByteArray>("ulozeny");
        QTest::addColumn<QString>("duvod");
        const QByteArray radek = ZlatyRadek();
        const QByteArray dobry = Ulozeny(radek);
        QByteArray zlib = Ochrana::Zabal(radek);
        zlib[zlib.size() - 30] = char(zlib[zlib.size() - 30] ^ 0x10);
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("other key") << Ulozeny(radek, "jiny klic") << "";
        QByteArray lichy = dobry;
        lichy.replace('=', "");
        while (QByteArray(lichy).replace("\r\n", "").size() % 4 != 1)
            lichy.append('A');
        QTest::newRow("bad Base64") << lichy << "Base64";
        QTest::newRow("broken zlib") << Ochrana::Zasifruj(zlib, Ochrana::KlicOkrsku) << "";
        QTest::newRow("short header") << Ulozeny(radek.left(58)) << "hlavičky";
        QTest::newRow("short party") << Ulozeny(radek.left(59 + 323 + 100)) << "strany 2";
        QTest::newRow("short closing") << Ulozeny(radek.left(954)) << "závěrečné";
        QTest::newRow("non-numeric")
            << Ulozeny(Prepis(radek, 59 + 323 + 30, "12x4")) << "HlasyKand[1]";
        QTest::newRow("parties 46") << Ulozeny(Prepis(radek, 42, " 46")) << "Pocet_VS";
        QTest::newRow("free text index 0") << Ulozeny(Prepis(radek, 955 + 14, " 0")) << "1 až 99";
        QTest::newRow("not a results file") << QByteArray("Hello, world!\n") << "";
    }
    void poskozenySoubor()
    {
        QFETCH(QByteArray, ulozeny);
        QFETCH(QString, duvod);
        Zapis(Data(Zlaty), ulozeny);
        TVysledky v = VzorovyOkrsek(4, 10, 1, 10);
        const TVysledky ocekavany = Prazdny(v.Vety6, v.JsouVety6);
        try {
            NactiOkrsek(m_adr, Klic(), QStringLiteral("O"), v);
            QFAIL("loaded");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(Data(Zlaty)), qPrintable(e.zprava()));
            QVERIFY2(e.zprava().contains(duvod), qPrintable(e.zprava()));
        }
        QCOMPARE(v, ocekavany);
        QCOMPARE(Obsah(Data(Zlaty)), ulozeny);
        QCOMPARE(SouboryStanice(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestOkrsek)
#include "TestOkrsek.moc"
