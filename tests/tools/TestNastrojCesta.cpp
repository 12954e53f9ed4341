// The commission's road through the station tool: porizeni, kontrola, export, and the
// receiving point's check of the handed-over file (over).
#include "Hlasovani.h"
#include "Kodovani.h"
#include "Ochrana.h"
#include "Okrsek.h"
#include "Snimek.h"
#include "Soubory.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "Stanice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Demo = QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/demo-stanice.json");
const QString DemoPorizeni = QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/demo-porizeni.json");
const QString Export1 = u"OO598761.00003"_s;
const QString Export2 = u"OC598761.00003"_s;

QJsonObject DemoPopis()
{
    return QJsonDocument::fromJson(Obsah(DemoPorizeni)).object();
}

QString UlozPopis(const QTemporaryDir &dir, const QJsonObject &popis)
{
    QString cesta = dir.filePath(u"porizeni.json"_s);
    QFile f(cesta);
    if (f.open(QIODevice::WriteOnly))
        f.write(QJsonDocument(popis).toJson());
    return cesta;
}

// The record of a protected results file, read by the program's own reader.
TVysledky Precti(const QString &cesta)
{
    const QByteArray obsah = Ochrana::Rozbal(
        Ochrana::Desifruj(Obsah(cesta), QByteArray(Ochrana::KlicOkrsku), cesta), cesta);
    TVysledky v;
    VynulujOkrsek(v);
    RozeberRadek(obsah.left(obsah.indexOf('\r') < 0 ? obsah.size() : obsah.indexOf('\r')), true, v,
                 cesta);
    return v;
}

// The values typed for one council type, as the description gives them.
void OverZadane(const TVysledky &v, const QJsonObject &zadane)
{
    QCOMPARE(QString::number(v.VetaT3.TypZastup), zadane.value(u"TypZastup").toString());
    QCOMPARE(v.VetaT3.ZapsOsoby, zadane.value(u"ZapsOsoby").toInt());
    QCOMPARE(int(v.VetaT3.VydObalky), zadane.value(u"VydObalky").toInt());
    QCOMPARE(int(v.VetaT3.OdevzdObalky), zadane.value(u"OdevzdObalky").toInt());
    QCOMPARE(v.VetaT3.PlatneHlasy, zadane.value(u"PlatneHlasy").toInt());
    for (const QJsonValue s : zadane.value(u"strany").toArray()) {
        const TStranaHLRec &strana = v.StranyHL[std::size_t(s[u"PorStHL"].toInt())];
        const QJsonArray hlasy = s[u"HlasyKand"].toArray();
        int soucet = 0;
        for (qsizetype i = 0; i < hlasy.size(); ++i) {
            QCOMPARE(int(strana.HlasyKand[std::size_t(i + 1)]), hlasy.at(i).toInt());
            soucet += hlasy.at(i).toInt();
        }
        QCOMPARE(strana.PocHl, soucet);
        QCOMPARE(strana.HLKC2, strana.PorStHL + soucet);
    }
}

} // namespace

class TestNastrojCesta : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_stanice;

    // A fresh demo station with the demo results stored (not yet checked).
    void Porid(const QJsonObject &popis = DemoPopis())
    {
        QCOMPARE(Spust({u"stanice"_s, Demo, m_stanice, u"--prepsat"_s}).Kod, 0);
        const TBeh b = Spust({u"porizeni"_s, UlozPopis(m_dir, popis), m_stanice});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
    }

    QString Data(const QString &jmeno) const { return m_stanice + u"/data/"_s + jmeno; }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_stanice = m_dir.filePath(u"stanice"_s);
        QDir(m_stanice).removeRecursively();
    }

    void celaCestaExportujeZadanaData()
    {
        Porid();
        // Stored as the entry window stores: unchecked E files, marked not exported.
        QVERIFY(QFile::exists(Data(u"EO598761.00003"_s)));
        QVERIFY(QFile::exists(Data(u"EC598761.00003"_s)));
        QCOMPARE(NactiStanici(m_stanice + u'/').Stav1, u"N"_s);
        const THlasovaniRec h = NactiHlasovani(m_stanice + u"/data/"_s);
        QCOMPARE(h.ClenuOVKP, u"6"_s);
        QCOMPARE(h.Zapisovat, u"Jana Kučerová"_s);
        QCOMPARE(NactiKomisi(m_stanice + u"/data/"_s).size(), 5);

        for (const QString &typ : {u"1"_s, u"2"_s}) {
            const TBeh k = Spust({u"kontrola"_s, m_stanice, u"--typ"_s, typ});
            QVERIFY2(k.Kod == 0, qPrintable(k.Vystup + k.Chyby));
            QCOMPARE(k.Vystup, u"SeznamChyb=\n"_s);
            const TBeh e = Spust({u"export"_s, m_stanice, u"--typ"_s, typ});
            QVERIFY2(e.Kod == 0, qPrintable(e.Chyby));
        }
        const QJsonArray zadane = DemoPopis().value(u"vysledky").toArray();
        const QString exportDir = m_stanice + u"/Export/"_s;
        QCOMPARE(Obsah(exportDir + Export1), Obsah(Data(Export1)));
        QCOMPARE(Obsah(exportDir + Export2), Obsah(Data(Export2)));
        OverZadane(Precti(exportDir + Export1), zadane.at(0).toObject());
        OverZadane(Precti(exportDir + Export2), zadane.at(1).toObject());
        const TStaniceRec st = NactiStanici(m_stanice + u'/');
        QCOMPARE(st.Stav1, u"A"_s);
        QCOMPARE(st.Stav2, u"A"_s);

        // Exported data are not typed over without being asked.
        const QByteArray exportovana = Obsah(Data(Export1));
        const TBeh znovu = Spust({u"porizeni"_s, DemoPorizeni, m_stanice});
        QCOMPARE(znovu.Kod, 1);
        QVERIFY2(znovu.Chyby.contains(u"už byla exportována"_s), qPrintable(znovu.Chyby));
        QCOMPARE(Obsah(Data(Export1)), exportovana);
        QCOMPARE(Spust({u"porizeni"_s, DemoPorizeni, m_stanice, u"--ano"_s}).Kod, 0);
        QVERIFY(!QFile::exists(Data(Export1)));
        QCOMPARE(NactiStanici(m_stanice + u'/').Stav1, u"N"_s);
    }

    void exportOdmitneNepripravenaData()
    {
        QCOMPARE(Spust({u"stanice"_s, Demo, m_stanice}).Kod, 0);
        TBeh b = Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s});
        QCOMPARE(b.Kod, 3);
        QVERIFY2(b.Chyby.contains(u"Data nejsou pořízena!"_s), qPrintable(b.Chyby));

        // Stored but not checked.
        Porid();
        b = Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s});
        QCOMPARE(b.Kod, 3);
        QVERIFY2(b.Chyby.contains(u"nebyly po editaci dat spuštěny kontroly"_s),
                 qPrintable(b.Chyby));

        // An O file whose data have a blocking error: the export checks again and refuses.
        QJsonObject popis = DemoPopis();
        QJsonArray vysledky = popis[u"vysledky"].toArray();
        QJsonObject typ1 = vysledky[0].toObject();
        typ1[u"PlatneHlasy"] = typ1[u"PlatneHlasy"].toInt() + 1;
        vysledky[0] = typ1;
        popis[u"vysledky"] = vysledky;
        Porid(popis);
        QCOMPARE(Spust({u"kontrola"_s, m_stanice, u"--typ"_s, u"1"_s}).Kod, 3);
        QVERIFY(QFile::rename(Data(u"EO598761.00003"_s), Data(Export1)));
        b = Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s});
        QCOMPARE(b.Kod, 3);
        QVERIFY2(b.Chyby.contains(u"NELZE VYTVOŘIT EXPORT DAT"_s), qPrintable(b.Chyby));
        QVERIFY(QDir(m_stanice + u"/Export"_s).isEmpty());
        QCOMPARE(NactiStanici(m_stanice + u'/').Stav1, u"N"_s);
    }

    void rozdilnePoctyTypuJenSVolbouAno()
    {
        QJsonObject popis = DemoPopis();
        QJsonArray vysledky = popis[u"vysledky"].toArray();
        QJsonObject typ2 = vysledky[1].toObject();
        typ2[u"OdevzdObalky"] = typ2[u"OdevzdObalky"].toInt() - 1;
        vysledky[1] = typ2;
        popis[u"vysledky"] = vysledky;
        Porid(popis);
        for (const QString &typ : {u"1"_s, u"2"_s})
            QCOMPARE(Spust({u"kontrola"_s, m_stanice, u"--typ"_s, typ}).Kod, 0);

        TBeh b = Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s});
        QCOMPARE(b.Kod, 3);
        QVERIFY2(b.Chyby.contains(u"odevzdané obálky 585 / 584"_s), qPrintable(b.Chyby));
        QVERIFY(!QFile::exists(m_stanice + u"/Export/"_s + Export1));

        b = Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s, u"--ano"_s});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QVERIFY(QFile::exists(m_stanice + u"/Export/"_s + Export1));
    }

    // --cil takes a removable device (here one of the directories that stand in for
    // them, as the export dialog lists them) or, with --mistni, any directory; an
    // unplugged stick's mount point is a plain directory and is refused.
    void cilExportu_data()
    {
        QTest::addColumn<QString>("cil"); // below the test directory; "" stays empty
        QTest::addColumn<bool>("mistni");
        QTest::addColumn<QString>("zprava"); // the device line, or the refusal
        QTest::newRow("device") << u"usb"_s << false << u"(vyjímatelné zařízení)"_s;
        QTest::newRow("directory on the device")
            << u"usb/okrsek"_s << false << u"(vyjímatelné zařízení)"_s;
        QTest::newRow("plain directory") << u"prazdny"_s << false << u"jen volba --mistni"_s;
        QTest::newRow("plain directory, --mistni") << u"prazdny"_s << true << u"(místní adresář)"_s;
        QTest::newRow("empty value") << u""_s << true << u"hodnota je prázdná"_s;
        QTest::newRow("file") << u"usb/soubor"_s << true << u"je soubor, ne adresář"_s;
    }
    void cilExportu()
    {
        QFETCH(QString, cil);
        QFETCH(bool, mistni);
        QFETCH(QString, zprava);
        Porid();
        QCOMPARE(Spust({u"kontrola"_s, m_stanice, u"--typ"_s, u"2"_s}).Kod, 0);
        const QString usb = m_dir.filePath(u"usb"_s);
        QDir(usb).removeRecursively();
        QDir(m_dir.filePath(u"prazdny"_s)).removeRecursively();
        QVERIFY(QDir().mkpath(usb + u"/okrsek"_s));
        QVERIFY(QDir().mkpath(m_dir.filePath(u"prazdny"_s)));
        Zapis(usb + u"/soubor"_s, "x");
        Zapis(usb + u'/' + Export2, "starý obsah, který se přepíše");
        qputenv("ZELKOVAR_ZARIZENI", usb.toUtf8());
        const auto uklid = qScopeGuard([] { qunsetenv("ZELKOVAR_ZARIZENI"); });

        const QString adresar = cil.isEmpty() ? QString() : m_dir.filePath(cil);
        QStringList a{u"export"_s, m_stanice, u"--typ"_s, u"2"_s, u"--cil"_s, adresar};
        if (mistni)
            a << u"--mistni"_s;
        const TBeh b = Spust(a);
        const bool vyjde = zprava.startsWith(u'(');
        QCOMPARE(b.Kod, vyjde ? 0 : 1);
        QCOMPARE(NactiStanici(m_stanice + u'/').Stav2, vyjde ? u"A"_s : u"N"_s);
        QCOMPARE(NactiStanici(m_stanice + u'/').Stav1, u"N"_s);
        if (!vyjde) {
            QVERIFY2(b.Chyby.contains(zprava), qPrintable(b.Chyby));
            QCOMPARE(Obsah(usb + u'/' + Export2), QByteArray("starý obsah, který se přepíše"));
            QVERIFY(!QFile::exists(m_dir.filePath(u"prazdny/"_s) + Export2));
            return;
        }
        // Scripts read the first two lines: they stay as they were.
        const QStringList radky = b.Vystup.split(u'\n');
        QCOMPARE(radky.size(), 4);
        QCOMPARE(radky[0], u"Exportováno: "_s + adresar + u'/' + Export2);
        QVERIFY(radky[1].contains(QRegularExpression(u"^SHA-256: [0-9a-f]{64}$"_s)));
        QVERIFY2(radky[2].startsWith(u"Zařízení: "_s) && radky[2].endsWith(zprava),
                 qPrintable(radky[2]));
        QCOMPARE(Obsah(adresar + u'/' + Export2), Obsah(Data(Export2)));
    }

    void spatnyPopisPorizeniNezapiseNic_data()
    {
        QTest::addColumn<QString>("cesta"); // "klic" or "vysledky/pole" or "strana/pole"
        QTest::addColumn<QJsonValue>("hodnota");
        QTest::addColumn<QString>("zprava");
        QTest::newRow("neznámý klíč") << u"volby"_s << QJsonValue(1) << u"neznámý klíč „volby“"_s;
        QTest::newRow("neznámé pole oddílu")
            << u"hlasovani/Zahajen1"_s << QJsonValue(u"8:00"_s) << u"neznámé pole Zahajen1"_s;
        QTest::newRow("text delší než pole")
            << u"hlasovani/Zapisovat"_s << QJsonValue(QString(36, u'x')) << u"Zapisovat"_s;
        QTest::newRow("typ 3") << u"vysledky/TypZastup"_s << QJsonValue(u"3"_s) << u"TypZastup"_s;
        QTest::newRow("záporný počet")
            << u"vysledky/VydObalky"_s << QJsonValue(-1) << u"VydObalky"_s;
        QTest::newRow("desetinný počet")
            << u"vysledky/ZapsOsoby"_s << QJsonValue(10.5) << u"ZapsOsoby"_s;
        QTest::newRow("počet 1e308")
            << u"vysledky/PlatneHlasy"_s << QJsonValue(1e308) << u"PlatneHlasy"_s;
        const QJsonObject strana{{u"PorStHL"_s, 1}, {u"HlasyKand"_s, QJsonArray{1}}};
        QTest::newRow("strana dvakrát")
            << u"vysledky/strany"_s << QJsonValue(QJsonArray{strana, strana})
            << u"strana 1 je v popisu uvedena podruhé"_s;
        QTest::newRow("strana mimo lístek")
            << u"strana/PorStHL"_s << QJsonValue(10) << u"PorStHL"_s;
        QTest::newRow("víc hlasů než kandidátů")
            << u"strana/HlasyKand"_s
            << QJsonValue(QJsonArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
            << u"má jen 11 kandidátů"_s;
        QTest::newRow("hlasy nad pole")
            << u"strana/HlasyKand"_s << QJsonValue(QJsonArray{70000}) << u"HlasyKand[0]"_s;
        QTest::newRow("jméno člena nad 50 znaků")
            << u"komise"_s << QJsonValue(QJsonArray{QString(51, u'J')}) << u"delší než 50 znaků"_s;
    }

    void spatnyPopisPorizeniNezapiseNic()
    {
        QFETCH(QString, cesta);
        QFETCH(QJsonValue, hodnota);
        QFETCH(QString, zprava);
        QCOMPARE(Spust({u"stanice"_s, Demo, m_stanice}).Kod, 0);
        const QMap<QString, QByteArray> pred = Snimek(m_stanice);

        QJsonObject popis = DemoPopis();
        const QStringList casti = cesta.split(u'/');
        if (casti.size() == 1) {
            popis[casti[0]] = hodnota;
        } else if (casti[0] == u"hlasovani") {
            QJsonObject h = popis[u"hlasovani"].toObject();
            h[casti[1]] = hodnota;
            popis[u"hlasovani"] = h;
        } else {
            // The second council type, so that the first one is valid and still not written.
            QJsonArray vysledky = popis[u"vysledky"].toArray();
            QJsonObject typ = vysledky[1].toObject();
            if (casti[0] == u"vysledky") {
                typ[casti[1]] = hodnota;
            } else {
                QJsonArray strany = typ[u"strany"].toArray();
                QJsonObject strana = strany[0].toObject();
                strana[casti[1]] = hodnota;
                strany[0] = strana;
                typ[u"strany"] = strany;
            }
            vysledky[1] = typ;
            popis[u"vysledky"] = vysledky;
        }
        const TBeh b = Spust({u"porizeni"_s, UlozPopis(m_dir, popis), m_stanice});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(zprava), qPrintable(b.Chyby));
        QVERIFY(Snimek(m_stanice) == pred);
    }

    // The receiving point checks the handed-over file and the fingerprint typed from
    // the signed record: any changed bit or a cut end is damage (1), a fingerprint in
    // any spacing and case matches (0), a different one names its groups (4), and text
    // that is no fingerprint is a usage error (2).
    void overPredanySoubor()
    {
        Porid();
        QCOMPARE(Spust({u"kontrola"_s, m_stanice, u"--typ"_s, u"1"_s}).Kod, 0);
        QCOMPARE(Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s}).Kod, 0);
        const QString predany = m_stanice + u"/Export/"_s + Export1;
        const QByteArray obsah = Obsah(predany);
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(obsah, QCryptographicHash::Sha256).toHex());
        QStringList skupiny;
        for (int i = 0; i < 64; i += 4)
            skupiny.append(sha.mid(i, 4));

        const TBeh zdravy = Spust({u"over"_s, predany});
        QVERIFY2(zdravy.Kod == 0, qPrintable(zdravy.Chyby));
        QVERIFY(!zdravy.Vystup.contains(u"cvičný"_s));
        for (const QString &radek :
             {u"Obec: 598761"_s, u"Okrsek: 3"_s, u"Typ zastupitelstva: 1"_s,
              u"Voliči v seznamu: %1"_s.arg(Precti(predany).VetaT3.ZapsOsoby),
              u"Název souboru odpovídá obsahu: ano"_s,
              u"Otisk souboru (SHA-256): "_s + skupiny.join(u' ')})
            QVERIFY2(zdravy.Vystup.contains(radek), qPrintable(radek + u"\n"_s + zdravy.Vystup));

        // The record printed now carries the same fingerprint.
        const QString pdf = m_dir.filePath(u"zapis.pdf"_s);
        QCOMPARE(Spust({u"tisk"_s, m_stanice, u"zapis"_s, u"--pdf"_s, pdf, u"--typ"_s, u"1"_s}).Kod,
                 0);
        QProcess text;
        text.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        QVERIFY(text.waitForFinished());
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(u"Otisk exportovaného souboru (SHA-256): "_s + skupiny.join(u' ')));

        const struct
        {
            const char *Popis;
            QString Otisk;
            int Kod;
            QString Vypis;
        } otisky[] = {
            {"celý velkými s mezerami", skupiny.join(u' ').toUpper(), 0, u"souhlasí"_s},
            {"celý bez mezer", u"  "_s + sha + u"\t"_s, 0, u"souhlasí"_s},
            {"první čtyři skupiny", skupiny.mid(0, 4).join(u"  "_s), 0, u"souhlasí"_s},
            {"jiná třetí skupina",
             (skupiny.mid(0, 2) + QStringList{u"0000"_s} + skupiny.mid(3)).join(u' '), 4,
             u"ve skupinách: 3."_s},
            {"tři skupiny", skupiny.mid(0, 3).join(u' '), 2, QString()},
            {"skupina pěti číslic", skupiny.join(u' ') + u'a', 2, QString()},
            {"nejsou číslice", u"otisk ze zápisu"_s, 2, QString()},
        };
        for (const auto &o : otisky) {
            const TBeh b = Spust({u"over"_s, predany, u"--otisk"_s, o.Otisk});
            QVERIFY2(b.Kod == o.Kod, o.Popis);
            QVERIFY2(b.Vystup.contains(o.Vypis), qPrintable(b.Vystup + b.Chyby));
        }

        // Damage: one bit flipped in bytes spread over the file, in every line break and
        // in the last bytes; or the end cut.
        const QString poskozeny = m_dir.filePath(Export1);
        QList<qsizetype> mista{obsah.size() - 1, obsah.size() - 2, obsah.size() - 3};
        for (qsizetype i = 0; i < obsah.size(); ++i) {
            if (i % 37 == 0 || obsah.at(i) == '\r' || obsah.at(i) == '\n')
                mista.append(i);
        }
        QList<QByteArray> poskozene;
        for (const qsizetype i : mista) {
            QByteArray p = obsah;
            p[i] = char(p[i] ^ (1 << (i % 7)));
            poskozene.append(p);
        }
        for (const qsizetype uriznout : {1, 2, 5, 40})
            poskozene.append(obsah.left(obsah.size() - uriznout));
        for (const QByteArray &p : poskozene) {
            Zapis(poskozeny, p);
            const TBeh b = Spust({u"over"_s, poskozeny, u"--otisk"_s, sha});
            QVERIFY2(b.Kod == 1, qPrintable(QString::fromLatin1(p.toHex()) + b.Vystup));
            QVERIFY2(b.Chyby.contains(poskozeny), qPrintable(b.Chyby));
        }

        // A training station's export is sound and named after its content, but says
        // what it is.
        const QString cvicna = m_dir.filePath(u"cvicna"_s);
        QCOMPARE(Spust({u"stanice"_s, Demo, cvicna, u"--skoleni"_s}).Kod, 0);
        QCOMPARE(Spust({u"porizeni"_s, UlozPopis(m_dir, DemoPopis()), cvicna}).Kod, 0);
        QCOMPARE(Spust({u"kontrola"_s, cvicna, u"--typ"_s, u"1"_s}).Kod, 0);
        QCOMPARE(Spust({u"export"_s, cvicna, u"--typ"_s, u"1"_s}).Kod, 0);
        const TBeh skoleni = Spust({u"over"_s, cvicna + u"/Export/CVICNE-"_s + Export1});
        QCOMPARE(skoleni.Kod, 0);
        for (const QString &radek :
             {u"Název souboru odpovídá obsahu: ano"_s, u"cvičný soubor"_s, u"nepřebírejte"_s})
            QVERIFY2(skoleni.Vystup.contains(radek), qPrintable(skoleni.Vystup));
    }

    void pouziti()
    {
        QCOMPARE(Spust({u"porizeni"_s}).Kod, 2);
        QCOMPARE(Spust({u"export"_s}).Kod, 2);
        QCOMPARE(Spust({u"export"_s, m_stanice, u"--typ"_s, u"3"_s}).Kod, 2);
        QCOMPARE(Spust({u"export"_s, m_stanice, u"--jinam"_s}).Kod, 2);
        QCOMPARE(Spust({u"export"_s, m_dir.filePath(u"nic"_s)}).Kod, 1);
        // Both council types and no --typ: the tool does not guess.
        QCOMPARE(Spust({u"stanice"_s, Demo, m_stanice}).Kod, 0);
        QCOMPARE(Spust({u"export"_s, m_stanice}).Kod, 2);
    }
};

QTEST_GUILESS_MAIN(TestNastrojCesta)
#include "TestNastrojCesta.moc"
