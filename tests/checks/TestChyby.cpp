// The error catalogue, the sorted protocol and our own catalogue texts.
#include "Chyby.h"
#include "EChyba.h"
#include "Kodovani.h"
#include "Soubory.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class TestChyby : public QObject
{
    Q_OBJECT

private slots:
    void ciselnikZeSouboru()
    {
        QTemporaryDir adr;
        const QList<TChybaInfo> zaznamy = {
            {23, QStringLiteral("C"), QStringLiteral("první")},
            {91, QStringLiteral("U"), QStringLiteral("Žluťoučký kůň")},
            {23, QStringLiteral("C"), QStringLiteral("druhý")}};
        QByteArray obsah;
        for (const TChybaInfo &c : zaznamy)
            obsah += ZakodujChybu(c);
        QCOMPARE(obsah.size(), 3 * 72);
        Soubory::UlozAtomicky(adr.path() + QStringLiteral("/cischyb.rcd"), obsah);

        const TCisChyb cis(adr.path() + u'/');
        QCOMPARE(cis.Zaznamy().size(), 3);
        QCOMPARE(cis.NajdiChybu(23).ZkrText, QStringLiteral("první")); // the first in file order
        QCOMPARE(cis.NajdiChybu(91), zaznamy.at(1));
        QCOMPARE(cis.NajdiChybu(5), TCisChyb::NenalezenaChyba);
        QCOMPARE(cis.NajdiChybu(5).Chyba, -1);
        QCOMPARE(cis.NajdiChybu(5).ZkrText, QStringLiteral("Chyba nenalezena"));
    }

    void ciselnikPrazdnyAPoskozeny()
    {
        QTemporaryDir adr;
        const QString cesta = adr.path() + QStringLiteral("/CISCHYB.RCD");
        Soubory::UlozAtomicky(cesta, QByteArray());
        const TCisChyb prazdny(adr.path() + u'/');
        QCOMPARE(prazdny.NajdiChybu(0).ZkrText, QStringLiteral("Chyba nenalezena"));

        // A line break after the last record is not a record.
        Soubory::UlozAtomicky(
            cesta,
            ZakodujChybu({91, QStringLiteral("U"), QStringLiteral("Všichni volili")}) + "\r\n");
        QCOMPARE(TCisChyb(adr.path() + u'/').NajdiChybu(91).ZkrText,
                 QStringLiteral("Všichni volili"));
        // Far larger than a catalogue can be (a sparse file; nothing is read).
        QVERIFY(QFile::resize(cesta, qint64(1) << 30));
        QVERIFY_THROWS_EXCEPTION(EChyba, TCisChyb(adr.path() + u'/'));
        QTemporaryDir jiny;
        QVERIFY_THROWS_EXCEPTION(EChyba, TCisChyb(jiny.path() + u'/'));
        QVERIFY_THROWS_EXCEPTION(EChyba, ZakodujChybu({1, QStringLiteral("CC"), QString()}));
        QVERIFY_THROWS_EXCEPTION(EChyba, ZakodujChybu({1, QString(), QString(63, u'x')}));
    }

    // Every number a check reports has a short, encodable text of ours.
    void vlastniTexty()
    {
        QList<int> cisla;
        for (int i = 1; i <= 30; ++i)
            cisla << i;
        cisla << 39 << 60 << 62 << 63 << 64 << 66 << 67 << 68 << 74;
        for (int i = 91; i <= 97; ++i)
            cisla << i;

        const QList<TChybaInfo> texty = VlastniChyby();
        QSet<int> videno;
        for (const TChybaInfo &c : texty) {
            QVERIFY2(!videno.contains(c.Chyba), qPrintable(QString::number(c.Chyba)));
            videno.insert(c.Chyba);
            QVERIFY(Kodovani::LzeKodovat(c.ZkrText));
            QVERIFY2(Kodovani::DoCp1250(c.ZkrText).size() <= 62, qPrintable(c.ZkrText));
            QVERIFY(!c.ZkrText.trimmed().isEmpty());
        }
        for (int n : cisla)
            QVERIFY2(videno.contains(n), qPrintable(QString::number(n)));

        const QByteArray soubor = VlastniCiselnik();
        QCOMPARE(soubor.size(), texty.size() * 72);
        QCOMPARE(DekodujChybu(soubor.left(72)), texty.first());
    }

    void klic_data()
    {
        QTest::addColumn<int>("strana");
        QTest::addColumn<int>("chyba");
        QTest::addColumn<QString>("param");
        QTest::addColumn<QString>("klic");
        QTest::newRow("celek") << 0 << 5 << QString() << QStringLiteral(" 0 5");
        QTest::newRow("kandidat") << 3 << 23 << QStringLiteral("(kand. č. 12)")
                                  << QStringLiteral(" 323(kand. č. 12)");
        QTest::newRow("dlouha cisla")
            << 45 << 123 << QStringLiteral("x") << QStringLiteral("45123x");
        QTest::newRow("zaporne") << -1 << 7 << QString() << QStringLiteral("-1 7");
    }
    void klic()
    {
        QFETCH(int, strana);
        QFETCH(int, chyba);
        QFETCH(QString, param);
        QFETCH(QString, klic);
        QCOMPARE((TChyba{strana, chyba, param}.AsString()), klic);
    }

    void poradiProtokolu()
    {
        TCisChyb cis;
        cis.NastavZaznamy({{23, QString(), QStringLiteral("Kandidát")},
                           {39, QString(), QStringLiteral("Komise")}});
        TChybProt prot(cis);
        prot.PridejChybu(3, 23, QStringLiteral("(kand. č. 4)"));
        prot.PridejChybu(3, 23, QStringLiteral("(kand. č. 10)"));
        prot.PridejChybu(12, 5, QString());
        prot.PridejChybu(3, 9, QString());
        prot.PridejChybu(0, 39, QStringLiteral("Nalezené problémy: x"));
        prot.PridejChybu(0, 96, QStringLiteral("(1015)"));

        QStringList poradi;
        for (qsizetype i = 0; i < prot.Pocet(); ++i)
            poradi << prot.VratChybu(i).AsString();
        QCOMPARE(poradi, (QStringList{QStringLiteral(" 039Nalezené problémy: x"),
                                      QStringLiteral(" 096(1015)"), QStringLiteral(" 3 9"),
                                      QStringLiteral(" 323(kand. č. 10)"),
                                      QStringLiteral(" 323(kand. č. 4)"), QStringLiteral("12 5")}));
        QCOMPARE(prot.VratHlasku(3), QStringLiteral("Kandidát"));
        QCOMPARE(prot.VratHlaskuParam(3), QStringLiteral("Kandidát (kand. č. 10)"));
        QCOMPARE(prot.VratHlaskuParam(2), QStringLiteral("Chyba nenalezena ")); // the space always
        QVERIFY_THROWS_EXCEPTION(EChyba, prot.VratChybu(6));
        QVERIFY_THROWS_EXCEPTION(EChyba, prot.VratHlasku(-1));
        QVERIFY_THROWS_EXCEPTION(EChyba, prot.VratHlaskuParam(6));

        // Never merged.
        prot.Clear();
        QCOMPARE(prot.Pocet(), 0);
        prot.PridejChybu(1, 22, QString());
        prot.PridejChybu(1, 22, QString());
        QCOMPARE(prot.Pocet(), 2);
    }

    // Sorting is by UTF-16 code units, not by locale: 'Z' before 'a', 'z' before 'č'.
    void razeniBezLocale()
    {
        TCisChyb cis;
        TChybProt prot(cis);
        for (const QString &p :
             {QStringLiteral("č"), QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral("z")})
            prot.PridejChybu(0, 1, p);
        QStringList params;
        for (qsizetype i = 0; i < prot.Pocet(); ++i)
            params << prot.VratChybu(i).Param;
        QCOMPARE(params, (QStringList{QStringLiteral("Z"), QStringLiteral("a"), QStringLiteral("z"),
                                      QStringLiteral("č")}));
    }

    void parametrVeWindows1250()
    {
        TCisChyb cis;
        TChybProt prot(cis);
        prot.PridejChybu(0, 1, QString(250, u'ř'));
        QCOMPARE(prot.VratChybu(0).Param, QString(200, u'ř'));
        prot.PridejChybu(0, 2, QStringLiteral("a☺b\U0001F600c"));
        QCOMPARE(prot.VratChybu(1).Param, QStringLiteral("a?b?c"));
    }
};

QTEST_GUILESS_MAIN(TestChyby)
#include "TestChyby.moc"
