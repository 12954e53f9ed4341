// `zelkovar-nastroj tisk` run as a user runs it; where poppler's text extractor is
// installed, the texts of the PDF are checked where the layout puts them.
#include "SlovaPdf.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "ZkusebniOkrsek.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

} // namespace

class TestNastrojTisk : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_instalace;

private slots:
    void initTestCase()
    {
        m_instalace = m_dir.filePath(u"stanice"_s);
        const TBeh b = Spust({u"stanice"_s, QStringLiteral(DEMO_POPIS), m_instalace});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
    }

    void sestavy_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<int>("stran");
        QTest::addColumn<int>("pravy"); // right margin of the layout
        QTest::addColumn<int>("dolni"); // the footer's Y
        QTest::newRow("arch-a4") << u"arch-a4"_s << u"1"_s << 9 << 1900 << 2880;
        QTest::newRow("arch-a4-sirka") << u"arch-a4-sirka"_s << u"1"_s << 10 << 2800 << 1890;
        QTest::newRow("arch-a3 typ 2") << u"arch-a3"_s << u"2"_s << 4 << 2800 << 4050;
        QTest::newRow("zkusebni") << u"zkusebni"_s << QString() << 1 << 1900 << 2700;
    }
    void sestavy()
    {
        QFETCH(QString, druh);
        QFETCH(QString, typ);
        QFETCH(int, stran);
        QFETCH(int, pravy);
        QFETCH(int, dolni);
        const QString pdf = m_dir.filePath(druh + typ + u".pdf"_s);
        QStringList argumenty{u"tisk"_s, m_instalace, druh, u"--pdf"_s, pdf};
        if (!typ.isEmpty())
            argumenty << u"--typ"_s << typ;
        const TBeh b = Spust(argumenty);
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QCOMPARE(PocetStranPdf(pdf), stran);

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext není nainstalován");
        const QList<TSlovo> slova = Slova(pdf, 1);
        QVERIFY(!slova.isEmpty());
        if (druh == u"zkusebni") {
            const QList<TSlovo> s = Najdi(slova, u"Systém"_s);
            QVERIFY(!s.isEmpty());
            QVERIFY(qAbs(s[0].X1 - 210) <= 2 && qAbs(s[0].Y1 - 800) <= 2);
            const QList<TSlovo> p = Najdi(slova, u"patička"_s);
            QVERIFY(!p.isEmpty());
            QVERIFY(qAbs(p[0].Y1 - dolni) <= 2);
            const QList<TSlovo> kv = Najdi(slova, u"KV"_s);
            QVERIFY(!kv.isEmpty() && qAbs(kv[0].X2 - (pravy - 10)) <= 2);
            return;
        }
        const QList<TSlovo> strana = Najdi(slova, u"Strana"_s);
        QVERIFY(!strana.isEmpty());
        QVERIFY2(qAbs(strana[0].X1 - 305) <= 2 && qAbs(strana[0].Y1 - 200) <= 2,
                 qPrintable(u"%1 %2"_s.arg(strana[0].X1).arg(strana[0].Y1)));
        const QList<TSlovo> kv = Najdi(slova, u"KV"_s);
        QVERIFY(!kv.isEmpty());
        QVERIFY2(qAbs(kv[0].X2 - pravy) <= 2 && qAbs(kv[0].Y1 - dolni) <= 2,
                 qPrintable(u"%1 %2"_s.arg(kv[0].X2).arg(kv[0].Y1)));
        const QList<TSlovo> vzor = Najdi(slova, u"VZOR"_s);
        QVERIFY(!vzor.isEmpty() && qAbs(vzor[0].X1 - (200 + (pravy - 200) / 2.0)) <= 2);
    }

    void protokolNemeniSoubory()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path());
        TVysledky v = PlatnyOkrsek(3, 10, 250);
        v.StranyHL[2].HlasyKand[4] = 9000; // a candidate above the party total
        UlozOkrsek(adr, KlicOkrsku(), u"E"_s, v);
        const QString data = JmenoSouboruOkrsku(adr, KlicOkrsku(), u"E"_s);
        const QString stanice = adr.AdrStanice + u"STANICE.RCD"_s;
        const QByteArray pred1 = Obsah(data), pred2 = Obsah(stanice);
        const QStringList pred = QDir(adr.AdrData).entryList(QDir::Files);
        // A reader that wrote its intermediate file into the installation would fail here.
        QVERIFY(QDir().mkdir(adr.AdrStanice + u"data.comp"_s));

        const QString pdf = dir.filePath(u"protokol.pdf"_s);
        const TBeh b = Spust({u"tisk"_s, adr.AdrInstalace, u"protokol"_s, u"--pdf"_s, pdf});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QCOMPARE(PocetStranPdf(pdf), 1);
        QCOMPARE(Obsah(data), pred1);
        QCOMPARE(Obsah(stanice), pred2);
        QCOMPARE(QDir(adr.AdrData).entryList(QDir::Files), pred);

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext není nainstalován");
        const QList<TSlovo> slova = Slova(pdf, 1);
        const QList<TSlovo> list = Najdi(slova, u"List"_s);
        QVERIFY(!list.isEmpty() && qAbs(list[0].X1 - 1500) <= 2 && qAbs(list[0].Y1 - 200) <= 2);
        const QList<TSlovo> nadpis = Najdi(slova, u"PROTOKOL"_s);
        QVERIFY(!nadpis.isEmpty() && qAbs(nadpis[0].Y1 - 300) <= 2);
        const QList<TSlovo> strana = Najdi(slova, u"Pořadové"_s);
        QVERIFY(!strana.isEmpty() && qAbs(strana[0].X1 - 200) <= 2);
        const QList<TSlovo> kv = Najdi(slova, u"KV"_s);
        QVERIFY(!kv.isEmpty() && qAbs(kv[0].X2 - 1900) <= 2 && qAbs(kv[0].Y1 - 2700) <= 2);
    }

    // The record is read from the installation in place: a damaged file is named
    // where it lies and refused before anything large is read or copied.
    void zapisCteInstalaciNaMiste()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path());
        UlozOkrsek(adr, KlicOkrsku(), u"O"_s, PlatnyOkrsek(3, 10, 250));
        QVERIFY(QFile::resize(adr.AdrData + u"HLASO.RCD"_s, qint64(1200) * 1024 * 1024));
        const TBeh b = Spust(
            {u"tisk"_s, adr.AdrInstalace, u"zapis"_s, u"--pdf"_s, dir.filePath(u"zapis.pdf"_s)});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(adr.AdrData + u"HLASO.RCD je příliš velký"_s),
                 qPrintable(b.Chyby));
        QVERIFY(!QFile::exists(dir.filePath(u"zapis.pdf"_s)));
    }

    void chybnePouziti_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::newRow("neznamy druh")
            << QStringList{u"x"_s, u"protokolx"_s, u"--pdf"_s, u"a.pdf"_s} << 2;
        QTest::newRow("bez pdf") << QStringList{u"x"_s, u"arch-a4"_s} << 2;
        QTest::newRow("spatny typ")
            << QStringList{u"x"_s, u"arch-a4"_s, u"--pdf"_s, u"a.pdf"_s, u"--typ"_s, u"3"_s} << 2;
        QTest::newRow("bez stanice")
            << QStringList{u"/neexistuje"_s, u"arch-a4"_s, u"--pdf"_s, u"a.pdf"_s} << 1;
    }
    void chybnePouziti()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        const TBeh b = Spust(QStringList{u"tisk"_s} + argumenty);
        QCOMPARE(b.Kod, kod);
        QVERIFY(b.Chyby.contains(u"tisk:"_s));
    }

    void dveZastupitelstvaChtejiTyp()
    {
        const TBeh b =
            Spust({u"tisk"_s, m_instalace, u"arch-a4"_s, u"--pdf"_s, m_dir.filePath(u"x.pdf"_s)});
        QCOMPARE(b.Kod, 2);
        QVERIFY(!QFile::exists(m_dir.filePath(u"x.pdf"_s)));
    }
};

QTEST_GUILESS_MAIN(TestNastrojTisk)
#include "TestNastrojTisk.moc"
