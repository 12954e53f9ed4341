// The entry rules without a window: what a section II count stores and which check
// its exit reports, and the walk through a party's standing candidates.
#include "PravidlaVstupu.h"
#include "StaniceSDaty.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPravidla : public QObject
{
    Q_OBJECT

private slots:
    void kontroly_poctu_data()
    {
        QTest::addColumn<QStringList>("napsano"); // ZapsOsoby, VydObalky, OdevzdObalky, PlatneHlasy
        QTest::addColumn<int>("pole");            // the field left last, 0 to 3
        QTest::addColumn<QString>("ulozeno");
        QTest::addColumn<QString>("hlaseni"); // "06 chyba", "96 upozorneni 1000", "" none
        const QStringList dobre{u"1000"_s, u"700"_s, u"698"_s, u"8000"_s};
        auto s = [&](int i, const QString &v) {
            QStringList l = dobre;
            l[i] = v;
            return l;
        };
        QTest::newRow("vse v poradku") << dobre << 3 << u"8000"_s << QString();
        QTest::newRow("nula volicu: 06 skryje 96") << s(0, u"0"_s) << 0 << u"0"_s << u"6 chyba"_s;
        QTest::newRow("daleko od reference: 96")
            << s(0, u"5000"_s) << 0 << u"5000"_s << u"96 upozorneni 1000"_s;
        QTest::newRow("nula obalek: 07") << s(1, u"0"_s) << 1 << u"0"_s << u"7 chyba"_s;
        QTest::newRow("vic obalek nez volicu: 08")
            << s(1, u"1200"_s) << 1 << u"1200"_s << u"8 chyba"_s;
        QTest::newRow("uvodni nula") << s(1, u"0700"_s) << 1 << u"700"_s << QString();
        QTest::newRow("vsichni volili: 91")
            << s(1, u"1000"_s) << 1 << u"1000"_s << u"91 upozorneni"_s;
        QTest::newRow("nic neodevzdano: 09") << s(2, u"0"_s) << 2 << u"0"_s << u"9 chyba"_s;
        QTest::newRow("odevzdano vic: 10") << s(2, u"800"_s) << 2 << u"800"_s << u"10 chyba"_s;
        QTest::newRow("malo odevzdano: 92")
            << s(2, u"500"_s) << 2 << u"500"_s << u"92 upozorneni"_s;
        QTest::newRow("zadny platny hlas: 11") << s(3, u"0"_s) << 3 << u"0"_s << u"11 chyba"_s;
    }
    void kontroly_poctu()
    {
        QFETCH(QStringList, napsano);
        QFETCH(int, pole);
        QFETCH(QString, ulozeno);
        QFETCH(QString, hlaseni);
        TStaniceSDaty<> b;
        TPravidlaVstupu p(b);
        p.Nacti();
        using TDruh = TPoleDat::TDruh;
        const TDruh druhy[] = {TDruh::ZapsOsoby, TDruh::VydObalky, TDruh::OdevzdObalky,
                               TDruh::PlatneHlasy};
        QString zobrazeno;
        for (int i = 0; i < 4; ++i)
            zobrazeno = p.PrevezmiPocet(druhy[i], napsano[i]);
        QCOMPARE(p.PrevezmiPocet(druhy[pole], napsano[pole]), ulozeno);
        const std::optional<THlaseni> h = p.KontrolaPoctu(druhy[pole]);
        QString text;
        if (h) {
            text = u"%1 %2"_s.arg(h->Chyba).arg(h->Info ? u"upozorneni"_s : u"chyba"_s);
            QCOMPARE(h->Propust, !h->Info); // errors confirm, warnings only inform
            if (!h->Param.isEmpty())
                text += u' ' + h->Param;
        }
        QCOMPARE(text, hlaseni);
    }

    // Candidates of one party: 'A' stands, 'N' struck off.
    void kandidati_strany_data()
    {
        QTest::addColumn<QString>("platnost");
        QTest::addColumn<int>("posledni");     // PoslPlatnyKand
        QTest::addColumn<QList<int>>("cesta"); // the walk with Enter from the list
        QTest::addColumn<int>("k5");           // nearest standing to row 5
        QTest::newRow("vsichni") << u"AAAAAA"_s << 6 << QList<int>{1, 2, 3, 4, 5, 6} << 5;
        QTest::newRow("skrtnuti") << u"NANNAN"_s << 5 << QList<int>{2, 5} << 5;
        QTest::newRow("remiza dal") << u"AAANNNA"_s << 7 << QList<int>{1, 2, 3, 7} << 7;
        QTest::newRow("nikdo") << u"NNN"_s << 0 << QList<int>{} << 0;
        QTest::newRow("pres stranku") << QString(36, u'A') << 36 << QList<int>{} << 5;
    }
    void kandidati_strany()
    {
        QFETCH(QString, platnost);
        QFETCH(int, posledni);
        QFETCH(QList<int>, cesta);
        QFETCH(int, k5);
        TStaniceSDaty<> b;
        b.Reference.PocetStranSeznamu = 1;
        b.Reference.SeznamStran[1].PocetKand = QString::number(platnost.size());
        for (int i = 1; i <= platnost.size(); ++i)
            b.Reference.Kandidati[1][std::size_t(i)].Platnost = platnost.at(i - 1);
        TPravidlaVstupu p(b);
        p.ZobrazStranu(1);
        QCOMPARE(p.PoslPlatnyKand(), posledni);
        QCOMPARE(p.NejblizsiKandidat(5), k5);
        QList<int> prosel;
        for (int i = p.DalsiPlatnyKand(0); i != 0; i = p.DalsiPlatnyKand(i))
            prosel.append(i);
        if (platnost.size() <= KandidatuNaPrvniStrance)
            QCOMPARE(prosel, cesta);
        else // page 4 starts with the candidate after the first page's
            QCOMPARE(p.DalsiPlatnyKand(KandidatuNaPrvniStrance), KandidatuNaPrvniStrance + 1);
    }
};

QTEST_GUILESS_MAIN(TestPravidla)
#include "TestPravidla.moc"
