// The layout engine and the page recorder: measuring, number fields, fillers, line
// breaks, cursor and overflow rules, styles, fonts, and real output to PDF.
#include "Dotaznik.h"
#include "Nahled.h"
#include "Reference.h"
#include "Sloupce.h"
#include "SlovaPdf.h"
#include "SouboryTestu.h"
#include "Tisk.h"
#include "TiskNaTiskarnu.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An engine with one open page.
struct TStroj
{
    TNahled Nahled;
    TTisk T{Nahled};
    explicit TStroj(const QString &pripona = QString())
    {
        T.PripFontu = pripona;
        T.InitTisk(QDateTime(QDate(2026, 10, 9), QTime(14, 5)));
        T.ZacatekTisku();
        T.VratCanvas();
        T.NastavFont(u"Arial"_s);
        T.NastavVelikost(26);
    }
    const TOperace &Posledni() const { return Nahled.Canvas().Strana.Operace.last(); }
    qsizetype Pocet() const { return Nahled.Canvas().Strana.Operace.size(); }
};

// The first page's MediaBox in points, rounded.
QSize RozmerPdf(const QByteArray &pdf)
{
    const QRegularExpression re(u"/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]"_s);
    const auto m = re.match(QString::fromLatin1(pdf));
    if (!m.hasMatch())
        return {};
    return QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
}

} // namespace

class TestTisk : public QObject
{
    Q_OBJECT

private slots:
    void cisloVpravo_data()
    {
        Sloupce<qint64, int, QString>({"cislo", "n", "text"});
        QTest::newRow("orizne zleva") << qint64(123456) << 5 << u"23456"_s;
        QTest::newRow("doplni mezerami") << qint64(7) << 3 << u"  7"_s;
        QTest::newRow("presne") << qint64(12) << 2 << u"12"_s;
        QTest::newRow("nula") << qint64(0) << 2 << u" 0"_s;
        QTest::newRow("zaporne") << qint64(-5) << 3 << u" -5"_s;
    }
    void cisloVpravo()
    {
        QFETCH(qint64, cislo);
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(TTisk::CisloVpravo(cislo, n), text);
    }

    void vyskaPisma_data()
    {
        Sloupce<int, int>({"velikost", "vyska"});
        QTest::newRow("24") << 24 << 32;
        QTest::newRow("34") << 34 << 45;
        QTest::newRow("20") << 20 << 27;
        QTest::newRow("16") << 16 << 21;
        QTest::newRow("15") << 15 << 20;
    }
    void vyskaPisma()
    {
        QFETCH(int, velikost);
        QFETCH(int, vyska);
        TPismo p;
        p.Velikost = velikost;
        QCOMPARE(p.VyskaZnaku(), vyska);
        QCOMPARE(p.QtPismo().pixelSize(), vyska);
    }

    void mereniNaMetrickychDvojcich()
    {
        TStroj s;
        // Arial's digits are 0.556 em wide; Courier New's every glyph 0.6 em.
        TPismo arial;
        arial.Velikost = 20;
        QVERIFY(qAbs(s.T.SirkaTextu(u"000000"_s, arial) - 6 * 0.556 * 27) <= 2);
        TPismo courier = arial;
        courier.Rez = u"Courier New CE"_s;
        courier.Velikost = 26;
        QVERIFY(qAbs(s.T.SirkaTextu(TTisk::Opakuj(u"x"_s, 80), courier) - 80 * 0.6 * 35) <= 2);
        QCOMPARE(s.T.SirkaTextu(QString(), courier), 0);
    }

    void pocetTecek()
    {
        TStroj s;
        QCOMPARE(s.T.PocetTecek(500, 400), 0);
        QCOMPARE(s.T.Tecky(500, 400), QString());
        const int n = s.T.PocetTecek(200, 700);
        QVERIFY(n > 1);
        QVERIFY(s.T.SirkaTextu(TTisk::Opakuj(u"."_s, n)) > 500);
        QVERIFY(s.T.SirkaTextu(TTisk::Opakuj(u"."_s, n - 1)) <= 500);
        QCOMPARE(s.T.Tecky(200, 700), TTisk::Opakuj(u"."_s, n));
        // No count below 500 spans a gap this wide.
        QCOMPARE(s.T.PocetTecek(0, 100000), 0);
        QCOMPARE(s.T.Tecky(0, 100000), QString());
    }

    void mistoZlomu()
    {
        TStroj s;
        s.T.NastavFont(u"Courier New"_s);
        const QString text =
            u"Toto je dlouhá zpráva: ta se nevejde na jeden řádek protokolu, i když se snaží."_s;
        const int w = s.T.SirkaTextu(text);
        // Exactly as wide as the gap: no break; trailing spaces do not count.
        QCOMPARE(s.T.MistoZlomu(text + u"   "_s, 100, 100 + w), 0);
        QCOMPARE(s.T.MistoZlomu(text, 500, 400), 0);

        const int tol = s.T.SirkaTextu(u"DlouhéSlovo"_s);
        const int mezera = w / 2;
        const int b = s.T.MistoZlomu(text, 0, mezera);
        QVERIFY(b > 0);
        QVERIFY(u" -.:;"_s.contains(text.at(b - 1)));
        QVERIFY(s.T.SirkaTextu(text.left(b)) > mezera - tol);
        for (int i = 1; i < b; ++i) {
            const int p = s.T.SirkaTextu(text.left(i));
            QVERIFY(!(p > mezera - tol && u" -.:;"_s.contains(text.at(i - 1))));
        }

        // No separator: the word is cut at the first prefix wider than gap + tolerance.
        const QString slovo = TTisk::Opakuj(u"M"_s, 120);
        const int m = s.T.MistoZlomu(slovo, 200, 1900);
        QVERIFY(m > 0);
        QVERIFY(s.T.SirkaTextu(slovo.left(m)) > 1700 + tol);
        QVERIFY(s.T.SirkaTextu(slovo.left(m - 1)) <= 1700 + tol);
    }

    void svislaPoloha()
    {
        TStroj s;
        s.T.AktY = 1000;
        s.T.Tisk(0, 200, 2800, u"patička"_s);
        QCOMPARE(s.Posledni().Y1, 2800);
        s.T.Tisk(0, 200, -16, u"nad"_s);
        QCOMPARE(s.Posledni().Y1, 984);
        s.T.Tisk(1, 200, 0, u"řádek"_s);
        QCOMPARE(s.T.AktY, 1050);
        QCOMPARE(s.Posledni().Y1, 1050);
        s.T.TiskStyl(0, 200, -12, u"B"_s, u"hodnota"_s);
        QCOMPARE(s.Posledni().Y1, 1038);
        s.T.TiskStyl(0, 200, 10, u" "_s, u"tečky"_s);
        QCOMPARE(s.Posledni().Y1, 1060);
        s.T.TiskStred(0, 200, 1900, -30, u" "_s, u"x"_s);
        QCOMPARE(s.Posledni().Y1, 1020);
        // A centred text never goes above the page's top edge.
        s.T.TiskStred(0, 200, 1900, -5000, u" "_s, u"x"_s);
        QCOMPARE(s.Posledni().Y1, 1050);
        s.T.TiskStred(0, 200, 1900, 25, u" "_s, u"x"_s);
        QCOMPARE(s.Posledni().Y1, 1075);
    }

    void vodorovnaPoloha()
    {
        TStroj s;
        s.T.AktY = 500;
        const QString text = u"Zastupitelstvo obce"_s;
        s.T.TiskStred(0, 200, 1901, 0, u"B"_s, text);
        TPismo tucne = s.Nahled.Canvas().Font;
        tucne.Tucne = true;
        const int w = s.T.SirkaTextu(text, tucne);
        QCOMPARE(s.Posledni().X1, 200 + 1701 / 2 - w / 2);
        s.T.TiskVpravo(0, 1900, 0, u"-->"_s);
        QCOMPARE(s.Posledni().X1 + s.T.SirkaTextu(u"-->"_s), 1900);
    }

    void pretekani_data()
    {
        QTest::addColumn<int>("primitivum"); // 0 Tisk, 1 TiskStred, 2 TiskStyl
        QTest::addColumn<int>("mez");
        QTest::newRow("Tisk") << 0 << 2630;
        QTest::newRow("TiskStred") << 1 << 2630;
        QTest::newRow("TiskStyl") << 2 << 2665;
    }
    void pretekani()
    {
        QFETCH(int, primitivum);
        QFETCH(int, mez);
        TStroj s;
        const auto tiskni = [&](int radky) {
            if (primitivum == 0)
                s.T.Tisk(radky, 200, 0, u"a"_s);
            else if (primitivum == 1)
                s.T.TiskStred(radky, 200, 1900, 0, u" "_s, u"a"_s);
            else
                s.T.TiskStyl(radky, 200, 0, u" "_s, u"a"_s);
        };
        // Disarmed: no counter moves however low the line.
        s.T.AktY = 3000;
        tiskni(1);
        QCOMPARE(s.T.CisloStrany, 1);
        QCOMPARE(s.T.StranaSHlavickou, 1);

        s.T.ZlomPovolen = true;
        s.T.AktY = mez - 50;
        tiskni(1); // exactly at the limit: still fits
        QCOMPARE(s.T.CisloStrany, 1);
        s.T.AktY = mez - 49;
        tiskni(1);
        QCOMPARE(s.T.CisloStrany, 2);
        QCOMPARE(s.T.StranaSHlavickou, 1);
        QVERIFY(!s.T.ZlomPovolen);
        // The text is still drawn where it was placed.
        QCOMPARE(s.Posledni().Y1, mez + 1);
        // Only one rise until re-armed.
        tiskni(3);
        QCOMPARE(s.T.CisloStrany, 2);
        s.T.ZlomPovolen = true;
        tiskni(1);
        QCOMPARE(s.T.CisloStrany, 3);
        QCOMPARE(s.T.StranaSHlavickou, 2);
    }

    void styly_data()
    {
        QTest::addColumn<QString>("styl");
        QTest::addColumn<QList<bool>>("bius"); // bold, italic, underline, strike-out
        QTest::newRow("B") << u"B"_s << QList<bool>{true, false, false, false};
        QTest::newRow("I") << u"Italic"_s << QList<bool>{false, true, false, false};
        QTest::newRow("U") << u"U"_s << QList<bool>{false, false, true, false};
        QTest::newRow("-") << u"-"_s << QList<bool>{false, false, false, true};
        QTest::newRow("mezera") << u" "_s << QList<bool>{false, false, false, false};
        QTest::newRow("prazdny") << QString() << QList<bool>{false, false, false, false};
        QTest::newRow("jiny") << u"x"_s << QList<bool>{false, false, false, false};
    }
    void styly()
    {
        QFETCH(QString, styl);
        QFETCH(QList<bool>, bius);
        TStroj s;
        for (int primitivum = 0; primitivum < 2; ++primitivum) {
            if (primitivum == 0)
                s.T.TiskStyl(0, 200, 0, styl, u"text"_s);
            else
                s.T.TiskStred(0, 200, 1900, 0, styl, u"text"_s);
            const TPismo &p = s.Posledni().Pismo;
            QCOMPARE((QList<bool>{p.Tucne, p.Kurziva, p.Podtrzene, p.Preskrtnute}), bius);
            QCOMPARE(p.Barva, QColor(Qt::black));
            // Reset to regular after drawing.
            const TPismo &c = s.Nahled.Canvas().Font;
            QVERIFY(!c.Tucne && !c.Kurziva && !c.Podtrzene && !c.Preskrtnute);
        }
        // Tisk keeps the current style.
        s.T.NastavStyl(u"B"_s);
        s.T.Tisk(0, 200, 0, u"tučně"_s);
        QVERIFY(s.Posledni().Pismo.Tucne);
    }

    void nastavFont_data()
    {
        Sloupce<QString, QString, QString>({"pripona", "rodina", "rez"});
        QTest::newRow("courier") << QString() << u"Courier New"_s << u"Courier New"_s;
        QTest::newRow("courier CE") << u" CE"_s << u"Courier New"_s << u"Courier New CE"_s;
        QTest::newRow("arial CE") << u" CE"_s << u"Arial"_s << u"Arial CE"_s;
        QTest::newRow("times je arial") << QString() << u"Times New Roman"_s << u"Arial"_s;
        QTest::newRow("times je arial CE") << u" CE"_s << u"Times"_s << u"Arial CE"_s;
    }
    void nastavFont()
    {
        QFETCH(QString, pripona);
        QFETCH(QString, rodina);
        QFETCH(QString, rez);
        TStroj s(pripona);
        s.T.NastavVelikost(20);
        s.T.NastavStyl(u"I"_s);
        s.T.NastavFont(rodina);
        s.T.Tisk(0, 200, 0, u"a"_s);
        QCOMPARE(s.Posledni().Pismo.Rez, rez);
        // Size and style are left as they were.
        QCOMPARE(s.Posledni().Pismo.Velikost, 20);
        QVERIFY(s.Posledni().Pismo.Kurziva);
        // The installed font behind the face is one of the two families.
        QCOMPARE(s.Posledni().Pismo.QtPismo().family(),
                 rez.startsWith(u"Courier"_s) ? u"Courier New"_s : u"Arial"_s);
    }

    void hvezdicky()
    {
        TStroj s;
        s.T.AktY = 700;
        s.T.Hvezdicky(1500, 1234, 2);
        QCOMPARE(s.Posledni().Text, u"**)"_s);
        QCOMPARE(s.Posledni().X1, 1500);
        QCOMPARE(s.Posledni().Y1, 1234);
        QCOMPARE(s.Posledni().Pismo.Velikost, 15);
        QCOMPARE(s.Nahled.Canvas().Font.Velikost, 24);
    }

    void protokolStranek()
    {
        TNahled n;
        QSignalSpy zmeny(&n, &TNahled::ZmenaStran);
        n.ZacatekTisku();
        n.VratCanvas().TextOut(10, 20, u"jedna"_s);
        // A document begun while one is open is not begun again.
        n.BeginDoc();
        QVERIFY(!n.Pripraven());
        n.VratCanvas().TextOut(10, 20, u"dvě"_s);
        n.VratCanvas();
        QCOMPARE(n.PocetStran, 3);
        QCOMPARE(n.odStrany, 1);
        QCOMPARE(n.doStrany, 3);
        n.KonecTisku();
        QVERIFY(n.Pripraven());
        QCOMPARE(n.Celkem(), 3);
        QCOMPARE(n.AktStrana(), 1);
        QCOMPARE(n.Strana(1).Operace.first().Text, u"jedna"_s);
        QCOMPARE(n.Strana(2).Operace.first().Text, u"dvě"_s);
        QVERIFY(n.Strana(3).Operace.isEmpty());
        QVERIFY(zmeny.size() >= 3);
        n.NastavAktStranu(9);
        QCOMPARE(n.AktStrana(), 3);
        // A new job discards the pages of the previous one.
        n.ZacatekTisku();
        n.VratCanvas();
        n.KonecTisku();
        QCOMPARE(n.Celkem(), 1);
    }

    void primyTiskNicNezaznamena()
    {
        QTemporaryDir dir;
        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setOutputFileName(dir.filePath(u"primy.pdf"_s));
        tiskarna.setFullPage(true);
        TNahled n;
        n.NastavPrimyTisk(&tiskarna);
        n.ZacatekTisku();
        n.VratCanvas().TextOut(200, 200, u"A"_s);
        n.VratCanvas().TextOut(200, 200, u"B"_s);
        n.KonecTisku();
        QCOMPARE(n.Celkem(), 0);
        QCOMPARE(n.AktStrana(), 0);
        QCOMPARE(PocetStranPdf(Obsah(dir.filePath(u"primy.pdf"_s))), 2);
    }

    void rozlozeni_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("nejvic");
        QTest::addColumn<int>("radku");
        QTest::addColumn<int>("velikost"); // 0: between 16 and 24 exclusive; -1: below 16
        const QString dlouhy =
            u"Ve volební místnosti vypadl proud a hlasování pokračovalo při svíčkách "_s.repeated(
                3);
        QTest::newRow("vejde se") << u"Lhota pod Horou"_s << 1 << 1 << 24;
        QTest::newRow("zmenseny") << u"Lhota pod Horou a Hůrka nad Potokem"_s << 1 << 1 << 0;
        QTest::newRow("radky") << dlouhy << 9 << 3 << 16;
        QTest::newRow("bez oddelovace") << QString(90, u'W') << 9 << 3 << 16;
        QTest::newRow("nejvic dva") << dlouhy << 2 << 2 << -1;
    }
    // A value keeps its size when it fits, shrinks down to the small size, then breaks
    // into lines of the small size, and only below it when its lines are limited; the
    // lines always make up the whole value.
    void rozlozeni()
    {
        QFETCH(QString, text);
        QFETCH(int, nejvic);
        QFETCH(int, radku);
        QFETCH(int, velikost);
        TStroj s;
        const int sirka = 450;
        const TRozlozeni r = s.T.Rozloz(text, sirka, 2 * sirka, 24, nejvic);
        QCOMPARE(r.Radky.join(QString()), TTisk::BezMezerVpravo(text));
        QCOMPARE(r.Radky.size(), radku);
        if (velikost > 0)
            QCOMPARE(r.Velikost, velikost);
        else if (velikost == 0)
            QVERIFY(r.Velikost > 16 && r.Velikost < 24);
        else
            QVERIFY(r.Velikost < 16);
        TPismo p = s.Nahled.Canvas().Font;
        QCOMPARE(p.Velikost, 26); // the canvas keeps its own size
        p.Velikost = r.Velikost;
        for (int i = 0; i < r.Radky.size(); ++i) {
            QVERIFY(s.T.Vejde(TTisk::BezMezerVpravo(r.Radky.at(i)), p, i == 0 ? sirka : 2 * sirka));
            // A line ends after a separator whenever the text has one.
            if (i + 1 < r.Radky.size() && text.contains(u' '))
                QVERIFY(r.Radky.at(i).endsWith(u' '));
        }
    }

    void bezTiskarnyDoSouboru_data()
    {
        Sloupce<int, int, QSize>({"papir", "orientace", "body"});
        QTest::newRow("A4") << int(QPageSize::A4) << int(QPageLayout::Portrait) << QSize(595, 842);
        QTest::newRow("A4 na sirku")
            << int(QPageSize::A4) << int(QPageLayout::Landscape) << QSize(842, 595);
        QTest::newRow("A3") << int(QPageSize::A3) << int(QPageLayout::Portrait) << QSize(842, 1191);
    }
    // Without a printer every copy is a file of its own, named after the document, of
    // the document's paper; the user is told where; older extra copies go.
    void bezTiskarnyDoSouboru()
    {
        QFETCH(int, papir);
        QFETCH(int, orientace);
        QFETCH(QSize, body);
        QTemporaryDir dir;
        const QString instalace = dir.path() + u'/';
        TNahled n;
        n.Papir = QPageSize::PageSizeId(papir);
        n.Orientace = QPageLayout::Orientation(orientace);
        n.NazevSouboru = u"protokol-512345-7-typ1"_s;
        n.ZacatekTisku();
        for (int i = 1; i <= 4; ++i)
            n.VratCanvas().TextOut(200, 200, u"Strana %1"_s.arg(i));
        n.KonecTisku();
        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat); // a file is no printer
        tiskarna.setOutputFileName(dir.filePath(u"vybrany.pdf"_s));
        for (const int kopii : {3, 1}) {
            TDotaznikFronta dotaznik;
            // Pages beyond the document are clipped.
            const TTiskovaUloha u = VytiskniStrany(n, tiskarna, 2, 9, kopii,
                                                   {instalace, instalace, instalace}, dotaznik);
            QCOMPARE(u.Kopii, kopii);
            QVERIFY(u.Tiskarna.isEmpty());
            QCOMPARE(u.Soubory.size(), kopii);
            QCOMPARE(u.Soubory.first(), instalace + u"Tisk/protokol-512345-7-typ1.pdf"_s);
            for (int k = 2; k <= kopii; ++k)
                QCOMPARE(u.Soubory.at(k - 1),
                         instalace + u"Tisk/protokol-512345-7-typ1-%1.pdf"_s.arg(k));
            for (const QString &soubor : u.Soubory) {
                QCOMPARE(PocetStranPdf(Obsah(soubor)), 3);
                QCOMPARE(RozmerPdf(Obsah(soubor)), body);
                QVERIFY(dotaznik.Zpravy.value(0).Text.contains(soubor));
            }
            QCOMPARE(dotaznik.Zpravy.size(), 1);
        }
        QVERIFY(!QFile::exists(instalace + u"Tisk/protokol-512345-7-typ1-2.pdf"_s));
        QVERIFY(!QFile::exists(dir.filePath(u"vybrany.pdf"_s)));
    }

    void nazvySouboru()
    {
        TOkrsekRefRec okrsek;
        okrsek.KodObce = u"512345 "_s;
        okrsek.CisloOkrsku = 7;
        QCOMPARE(NazevTisku(u"zkusebni"_s, okrsek), u"zkusebni-512345-7"_s);
        okrsek.TypZastup = u"2"_s;
        QCOMPARE(NazevTisku(u"KVT3"_s, okrsek), u"KVT3-512345-7-typ2"_s);
        // Path characters are neutralised; a name given with ".pdf" keeps one.
        QCOMPARE(SouborTisku(u"/i/"_s, u"../x/y"_s, 1), u"/i/Tisk/tisk.._x_y.pdf"_s);
        QCOMPARE(SouborTisku(u"/i/"_s, u"VYPIS.pdf"_s, 2), u"/i/Tisk/VYPIS-2.pdf"_s);
    }
};

QTEST_MAIN(TestTisk)
#include "TestTisk.moc"
