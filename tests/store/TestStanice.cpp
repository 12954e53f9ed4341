// Working directories, the station record and its export state, strict numbers.
#include "Adresare.h"
#include "Cisla.h"
#include "EChyba.h"
#include "SouboryTestu.h"
#include "Stanice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Data = QStringLiteral(ZELKOVAR_SOURCE_DIR "tests/data/");

} // namespace

class TestStanice : public QObject
{
    Q_OBJECT

private slots:
    void adresare_data()
    {
        QTest::addColumn<QString>("souborStanice"); // empty: none beside the program
        QTest::addColumn<QStringList>("adresare");  // directories that exist
        QTest::addColumn<QStringList>("parametry");
        QTest::addColumn<QString>("stanice"); // relative to the program dir; empty: may not start
        QTest::addColumn<QString>("data");

        QTest::newRow("soubor, bez parametrů")
            << u"stanice.rcd"_s << QStringList() << QStringList() << u""_s << u"data/"_s;
        QTest::newRow("soubor velkými, parametr ignorován")
            << u"STANICE.RCD"_s << QStringList() << QStringList{u"x"_s} << u""_s << u"data/"_s;
        QTest::newRow("soubor smíšeně, dva parametry")
            << u"Stanice.Rcd"_s << QStringList() << QStringList{u"a"_s, u"b"_s} << u""_s
            << u"data/"_s;
        QTest::newRow("jeden parametr") << QString() << QStringList() << QStringList{u"Žďár 2"_s}
                                        << u"data/Žďár 2/"_s << u"data/Žďár 2/"_s;
        // Directory names are matched without regard to letter case, like file names.
        QTest::newRow("adresář DATA")
            << u"stanice.rcd"_s << QStringList{u"DATA"_s} << QStringList() << u""_s << u"DATA/"_s;
        QTest::newRow("parametr P7, adresář data/p7")
            << QString() << QStringList{u"data/p7"_s} << QStringList{u"P7"_s} << u"data/p7/"_s
            << u"data/p7/"_s;
        QTest::newRow("parametr p7, adresář Data/P7")
            << QString() << QStringList{u"Data/P7"_s} << QStringList{u"p7"_s} << u"Data/P7/"_s
            << u"Data/P7/"_s;
        QTest::newRow("bez parametrů")
            << QString() << QStringList() << QStringList() << QString() << QString();
        QTest::newRow("dva parametry")
            << QString() << QStringList() << QStringList{u"a"_s, u"b"_s} << QString() << QString();
        // A parameter must not lead outside data/.
        for (const QString &p : {u".."_s, u"."_s, u"../jinam"_s, u"a/b"_s, u"/etc"_s, QString()})
            QTest::addRow("parametr „%s“", qPrintable(p))
                << QString() << QStringList() << QStringList{p} << QString() << QString();
    }

    void adresare()
    {
        QFETCH(QString, souborStanice);
        QFETCH(QStringList, adresare);
        QFETCH(QStringList, parametry);
        QFETCH(QString, stanice);
        QFETCH(QString, data);
        QTemporaryDir dir;
        const QString program = dir.path() + u'/';
        if (!souborStanice.isEmpty())
            Zapis(program + souborStanice, QByteArray(256, '\0'));
        for (const QString &a : adresare)
            QVERIFY(QDir().mkpath(program + a));

        for (const QString &adresar : {dir.path(), program}) { // with and without the '/'
            const TStartAdresaru start = UrciAdresare(adresar, parametry);
            QCOMPARE(start.LzeSpustit, !data.isEmpty());
            QCOMPARE(start.Adresare.AdrInstalace, program);
            if (start.LzeSpustit) {
                QCOMPARE(start.Adresare.AdrStanice, program + stanice);
                QCOMPARE(start.Adresare.AdrData, program + data);
            }
        }
    }

    void staniceZeZlatehoSouboru()
    {
        const TStaniceRec s = DekodujStanici(Obsah(Data + u"STANICE.RCD"_s));
        const QStringList pole{s.NazevObce,  s.KodObce,     QString::number(s.CisloOkrsku),
                               s.KodOkresu,  s.NazevOkresu, s.DatumVoleb,
                               s.Rezerva1,   s.Rezerva2,    s.PripFontu,
                               s.KodWindows, s.Stav1,       s.Stav2};
        QCOMPARE(pole,
                 (QStringList{u"Šťáhlavy nad Úhlavou"_s, u"558567"_s, u"3"_s, u"3405"_s,
                              u"Plzeň-město   "_s, u"23.09.2022 - 24.09.2022"_s, u"rezerva jedna"_s,
                              QString(), u" CE"_s, u"18"_s, u"A"_s, QString()}));
        QCOMPARE(DatumVolebText(s), s.DatumVoleb);
    }

    void staniceKodovani()
    {
        for (const QString &jmeno : {u"STANICE.RCD"_s, u"STANICE-SPINAVA.RCD"_s}) {
            const QByteArray zaznam = Obsah(Data + jmeno).left(256);
            QCOMPARE(ZakodujStanici(DekodujStanici(zaznam)), zaznam);
        }
        // Without the raw record the unused leading fields come out empty.
        TStaniceRec s = DekodujStanici(Obsah(Data + u"STANICE.RCD"_s));
        s.Surovy.clear();
        QCOMPARE(ZakodujStanici(s), QByteArray(7, '\0') + Obsah(Data + u"STANICE.RCD"_s).mid(7));

        // A changed field rewrites only its own bytes.
        const QByteArray spinava = Obsah(Data + u"STANICE-SPINAVA.RCD"_s).left(256);
        s = DekodujStanici(spinava);
        s.NazevObce = u"Brno"_s;
        QByteArray ocekavane = spinava;
        ocekavane.replace(7, 5,
                          QByteArray("\x04"
                                     "Brno"));
        QCOMPARE(ZakodujStanici(s), ocekavane);
        s.KodObce = u"1234567"_s;
        QVERIFY_THROWS_EXCEPTION(EChyba, ZakodujStanici(s));
    }

    void nacteniStanice()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiStanici(adr));
        Zapis(adr + u"stanice.rcd"_s, Obsah(Data + u"STANICE.RCD"_s).left(255));
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiStanici(adr));
        Zapis(adr + u"stanice.rcd"_s, Obsah(Data + u"STANICE.RCD"_s) + "xyz");
        QCOMPARE(NactiStanici(adr).KodObce, u"558567"_s);
    }

    void stavExportu_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("stav");
        QTest::newRow("typ 1 A") << 1 << u"A"_s;
        QTest::newRow("typ 2 N") << 2 << u"N"_s;
    }

    // Only the state bytes change; the rest of the record and the second record stay.
    void stavExportu()
    {
        QFETCH(int, typ);
        QFETCH(QString, stav);
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        const QByteArray puvodni = Obsah(Data + u"STANICE-SPINAVA.RCD"_s);
        Zapis(adr + u"stanice.rcd"_s, puvodni);

        TStaniceRec vPameti;
        ZapisStavExportu(adr, typ, stav, vPameti);

        QCOMPARE(QDir(adr).entryList(QDir::Files | QDir::Hidden), QStringList{u"stanice.rcd"_s});
        QByteArray ocekavane = puvodni;
        ocekavane.replace(typ == 1 ? 250 : 252, 2, QByteArray(1, '\1') + stav.toLatin1());
        QCOMPARE(Obsah(adr + u"stanice.rcd"_s), ocekavane);
        QCOMPARE(typ == 1 ? vPameti.Stav1 : vPameti.Stav2, stav);
        QCOMPARE(typ == 1 ? vPameti.Stav2 : vPameti.Stav1, typ == 1 ? u"A"_s : u"N"_s);
        QCOMPARE(vPameti.Surovy, ocekavane.left(256));
    }

    void prevodCisla_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("platne");
        QTest::addColumn<int>("hodnota");
        QTest::newRow("úvodní nula") << u"054003"_s << true << 54003;
        QTest::newRow("znaménka") << u"-7"_s << true << -7;
        QTest::newRow("maximum") << u"+2147483647"_s << true << 2147483647;
        QTest::newRow("minimum") << u"-2147483648"_s << true << int(-2147483647 - 1);
        for (const QString &t : {QString(), u" 1"_s, u"1 "_s, u"12a"_s, u"$10"_s, u"-"_s,
                                 u"2147483648"_s, u"99999999999999999999"_s, u"١٢"_s})
            QTest::addRow("„%s“", qPrintable(t)) << t << false << 0;
    }

    void prevodCisla()
    {
        QFETCH(QString, text);
        QFETCH(bool, platne);
        QFETCH(int, hodnota);
        if (platne) {
            QCOMPARE(PrevedCislo(text, u"testu"_s), hodnota);
            return;
        }
        try {
            PrevedCislo(text, u"poli X záznamu č. 3"_s);
            QFAIL("čekána chyba");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(u"poli X záznamu č. 3"_s), qPrintable(e.zprava()));
        }
    }
};

QTEST_GUILESS_MAIN(TestStanice)
#include "TestStanice.moc"
