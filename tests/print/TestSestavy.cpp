// The tally sheet and the printer test page, checked on the recorded operations.
#include "Protokol.h"
#include "ScitaciArch.h"
#include "ZkusebniStrana.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Ted(QDate(2026, 10, 10), QTime(14, 30));

struct TArchData
{
    TStaniceRec Stanice;
    TOkrsekRefRec Okrsek;
    std::unique_ptr<TReference> Ref = std::make_unique<TReference>();

    // Parties with the given candidate counts.
    explicit TArchData(const QList<int> &kandidatu)
    {
        Stanice.NazevObce = u"Lhota pod Horou   "_s;
        Okrsek.KodObce = u"512345"_s;
        Okrsek.CisloOkrsku = 7;
        Okrsek.NazevZast = u"Zastupitelstvo obce Lhota  "_s;
        Okrsek.CObvodu = u"1"_s;
        Ref->PocetStranSeznamu = int(kandidatu.size());
        for (int k = 1; k <= Ref->PocetStranSeznamu; ++k) {
            Ref->SeznamStran[k].NazevZkr = u"Strana číslo %1"_s.arg(k);
            Ref->SeznamStran[k].PocetKand = QString::number(kandidatu.at(k - 1));
            for (int i = 1; i <= kandidatu.at(k - 1); ++i) {
                Ref->Kandidati[k][i].Jmeno = u" Jan "_s;
                Ref->Kandidati[k][i].Prijmeni = u"Novák%1 "_s.arg(i);
                Ref->Kandidati[k][i].Platnost = u"A"_s;
            }
        }
    }
};

struct TSestava
{
    TNahled Nahled;
    TTisk T{Nahled};

    void Arch(const TArchData &d, int papir, const QString &velikost)
    {
        TiskScitacihoArchu(T, d.Stanice, d.Okrsek, *d.Ref, papir, velikost, Ted);
    }
    QList<TOperace> Texty(int strana, const QString &text) const
    {
        QList<TOperace> v;
        for (const TOperace &o : Nahled.Strana(strana).Operace)
            if (o.Druh == TDruhOperace::Text && o.Text == text)
                v.append(o);
        return v;
    }
    QList<TOperace> Zacinajici(int strana, const QString &zacatek) const
    {
        QList<TOperace> v;
        for (const TOperace &o : Nahled.Strana(strana).Operace)
            if (o.Druh == TDruhOperace::Text && o.Text.startsWith(zacatek))
                v.append(o);
        return v;
    }
    // Rectangles of the party total box (thin, from L to L + I - 10).
    int BoxyStrany(int strana) const
    {
        int n = 0;
        for (const TOperace &o : Nahled.Strana(strana).Operace)
            if (o.Druh == TDruhOperace::Obdelnik && o.X1 == 200 && o.X2 == 295)
                ++n;
        return n;
    }
    int Konec(const TOperace &o) const { return o.X1 + T.SirkaTextu(o.Text, o.Pismo); }
};

// A protocol whose catalogue has the texts given, for numbers 1, 2, ...
struct TProtokolData
{
    TCisChyb Ciselnik;
    TChybProt Protokol{Ciselnik};
    TOkrsekRec VetaT3;
    TStaniceRec Stanice;
    TOkrsekRefRec Okrsek;
    TProtokolData()
    {
        QList<TChybaInfo> texty;
        for (int c = 1; c <= 99; ++c)
            texty.append({c, u"B"_s, u"Zpráva číslo %1"_s.arg(c)});
        texty[39].ZkrText = u"Dlouhá zpráva, která se s parametrem nevejde na jeden řádek"_s;
        Ciselnik.NastavZaznamy(texty);
        VetaT3.Obec = 512345;
        VetaT3.Okrsek = 7;
        VetaT3.T3KC_1 = 3;
        VetaT3.TypZastup = 1;
        Stanice.NazevObce = u"Lhota"_s;
        Okrsek.NazevZast = u"Zastupitelstvo obce Lhota s velmi dlouhým názvem, který se nevejde"_s;
    }
};

} // namespace

class TestSestavy : public QObject
{
    Q_OBJECT

private slots:
    void archTucneRadkyAVyskrtnuti()
    {
        TArchData d({12});
        d.Ref->Kandidati[1][3].Platnost = u"N"_s;
        TSestava s;
        s.Arch(d, 1, u"A4"_s);
        QCOMPARE(s.Nahled.Celkem(), 1);
        const QString tecky = TTisk::Opakuj(u"."_s, 65);
        const QList<TOperace> radky = s.Texty(1, tecky);
        QCOMPARE(radky.size(), 12);
        for (int i = 1; i <= 12; ++i) {
            const TOperace &o = radky.at(i - 1);
            QCOMPARE(o.Pismo.Tucne, i % 5 == 0);
            QCOMPARE(o.X1, 305);
            // Candidate rows run 50 apart; the dots sit 10 below the text line.
            const QList<TOperace> cislo = s.Texty(1, QString::number(i) + u'.');
            const QList<TOperace> jmeno = s.Texty(1, u"Jan Novák"_s + QString::number(i));
            QCOMPARE(cislo.size(), 1);
            QCOMPARE(jmeno.size(), 1);
            QCOMPARE(cislo.first().Y1, jmeno.first().Y1);
            QCOMPARE(o.Y1, jmeno.first().Y1 + 10);
            QVERIFY(!jmeno.first().Pismo.Tucne);
        }
        QCOMPARE(radky.at(1).Y1 - radky.at(0).Y1, 50);
        // 8 columns of tally patterns per row, bold in rows 5 and 10.
        const QList<TOperace> vzory = s.Texty(1, VzorCarek);
        QCOMPARE(vzory.size(), 12 * 8);
        for (int j = 0; j < vzory.size(); ++j)
            QCOMPARE(vzory.at(j).Pismo.Tucne, (j / 8 + 1) % 5 == 0);
        QCOMPARE(vzory.at(0).X1, 200 + 630 + 5);
        QCOMPARE(vzory.at(1).X1, 200 + 630 + 135 + 5);
        const QList<TOperace> vyskrtnuti = s.Texty(1, u"      N"_s);
        QCOMPARE(vyskrtnuti.size(), 1);
        QVERIFY(vyskrtnuti.first().Pismo.Tucne);
        QCOMPARE(vyskrtnuti.first().X1, 200);
        QCOMPARE(vyskrtnuti.first().Y1, radky.at(2).Y1 - 10);
    }

    void archHlavickaAPaticka()
    {
        TArchData d({3, 2, 1});
        TSestava s;
        s.Arch(d, 1, u"A4"_s);
        // Every party starts on a new sheet; the footer numbers them without a total.
        QCOMPARE(s.Nahled.Celkem(), 3);
        for (int list = 1; list <= 3; ++list) {
            const QList<TOperace> nadpis =
                s.Texty(list, u"Pomocný sčítací arch pro sčítání hlasů kandidátů"_s);
            QCOMPARE(nadpis.size(), 1);
            QCOMPARE(nadpis.first().Y1, 100);
            QCOMPARE(nadpis.first().Pismo.Velikost, 34);
            QVERIFY(nadpis.first().Pismo.Tucne);
            QCOMPARE(nadpis.first().Pismo.Rez, u"Arial"_s);
            const QList<TOperace> paticka = s.Zacinajici(list, u"512345-7 List: "_s);
            QCOMPARE(paticka.size(), 1);
            QCOMPARE(paticka.first().Text, u"512345-7 List: %1 - KV"_s.arg(list, 2));
            QCOMPARE(paticka.first().Y1, 2880);
            QCOMPARE(s.Konec(paticka.first()), 1900);
            const QList<TOperace> vzor = s.Texty(list, u"VZOR"_s);
            QCOMPARE(vzor.size(), 1);
            QCOMPARE(vzor.first().X1, 1050);
            QCOMPARE(vzor.first().Y1, 2880 - 17);
            QVERIFY(vzor.first().Pismo.Tucne);
            const QList<TOperace> strana = s.Zacinajici(list, u"Strana č. "_s);
            QCOMPARE(strana.size(), 1);
            QCOMPARE(strana.first().Text, u"Strana č. %1"_s.arg(list, 3));
            QCOMPARE(strana.first().X1, 305);
            QCOMPARE(strana.first().Y1, 200);
            const QList<TOperace> obec = s.Texty(list, u"Obec: Lhota pod Horou"_s);
            QCOMPARE(obec.size(), 1);
            QCOMPARE(s.Konec(obec.first()), 1900);
            const QList<TOperace> zast =
                s.Texty(list, u"Zastupitelstvo: Zastupitelstvo obce Lhota, obvod: 1"_s);
            QCOMPARE(zast.size(), 1);
            QCOMPARE(zast.first().Pismo.Velikost, 26);
            const QList<TOperace> okrsek = s.Texty(list, u"Okrsek:     7"_s);
            QCOMPARE(okrsek.size(), 1);
            QCOMPARE(okrsek.first().Y1, 250 - 12);
            QCOMPARE(s.Konec(okrsek.first()), 1900);
            QCOMPARE(s.Texty(list, u"Volební strana: Strana číslo %1"_s.arg(list)).first().Y1, 238);
            QCOMPARE(s.BoxyStrany(list), 1);
        }
    }

    void archSloupce_data()
    {
        QTest::addColumn<int>("papir");
        QTest::addColumn<QString>("velikost");
        QTest::addColumn<int>("sloupcu");
        QTest::addColumn<QSize>("list");
        QTest::addColumn<int>("dolni");
        QTest::addColumn<int>("pravy");
        QTest::newRow("A4 na vysku") << 1 << u"A4"_s << 8 << QSize(2100, 2970) << 2880 << 1900;
        QTest::newRow("A3 na vysku") << 1 << u"A3"_s << 15 << QSize(2970, 4200) << 4050 << 2800;
        QTest::newRow("A4 na sirku") << 0 << u"A4"_s << 15 << QSize(2970, 2100) << 1890 << 2800;
    }
    void archSloupce()
    {
        QFETCH(int, papir);
        QFETCH(QString, velikost);
        QFETCH(int, sloupcu);
        QFETCH(QSize, list);
        QFETCH(int, dolni);
        QFETCH(int, pravy);
        TArchData d({2});
        TSestava s;
        s.Arch(d, papir, velikost);
        QCOMPARE(s.Nahled.RozmerListu(), list);
        const int sirkaVzoru = s.T.SirkaTextu(VzorCarek, s.Texty(1, VzorCarek).first().Pismo);
        for (int j = 1; j <= 16; ++j) {
            const QList<TOperace> cislo = s.Texty(1, QString::number(j * 10));
            QCOMPARE(cislo.size(), j <= sloupcu ? 1 : 0);
            if (j > sloupcu)
                continue;
            // The number and a space end where the column's pattern ends.
            TPismo p = cislo.first().Pismo;
            QCOMPARE(cislo.first().X1 + s.T.SirkaTextu(QString::number(j * 10) + u' ', p),
                     830 + (j - 1) * 135 + sirkaVzoru);
        }
        QCOMPARE(s.Zacinajici(1, u"512345-7 List:"_s).first().Y1, dolni);
        QCOMPARE(s.Konec(s.Zacinajici(1, u"512345-7 List:"_s).first()), pravy);
        QCOMPARE(s.Texty(1, u"arch č. ..... "_s).first().X1, pravy - 150);
    }

    void archStranaPresVicListu()
    {
        TArchData d({70, 1});
        d.Ref->Kandidati[1][70].Prijmeni = u"Poslední"_s;
        TSestava s;
        s.Arch(d, 1, u"A4"_s);
        QCOMPARE(s.Nahled.Celkem(), 3);
        // Continuation sheets repeat the party heading but not the party total box.
        QCOMPARE(s.BoxyStrany(1), 1);
        QCOMPARE(s.Zacinajici(2, u"Strana č."_s).first().Text, u"Strana č.   1"_s);
        QCOMPARE(s.BoxyStrany(2), 0);
        QCOMPARE(s.Zacinajici(2, u"Volební strana: "_s).size(), 1);
        // No row runs into the footer.
        for (int list = 1; list <= s.Nahled.Celkem(); ++list)
            for (const TOperace &o : s.Texty(list, TTisk::Opakuj(u"."_s, 65)))
                QVERIFY2(o.Y1 + 50 < 2880 - 35, qPrintable(u"list %1 Y %2"_s.arg(list).arg(o.Y1)));
        // The second party starts on a sheet of its own, with its box.
        const int posledni = s.Nahled.Celkem();
        QCOMPARE(s.Zacinajici(posledni, u"Strana č."_s).first().Text, u"Strana č.   2"_s);
        QCOMPARE(s.BoxyStrany(posledni), 1);
        QCOMPARE(s.Texty(posledni - 1, u"70."_s).size(), 1);
        QCOMPARE(s.Texty(posledni - 1, u"Jan Poslední"_s).size(), 1);
        for (int list = 1; list <= posledni; ++list)
            QCOMPARE(s.Zacinajici(list, u"512345-7 List: "_s).first().Text,
                     u"512345-7 List: %1 - KV"_s.arg(list, 2));
    }

    void protokolPrazdny()
    {
        TProtokolData d;
        TSestava s;
        TiskProtokolu(s.T, d.Protokol, d.VetaT3, d.Stanice, d.Okrsek, Ted);
        QCOMPARE(s.Nahled.Celkem(), 1);
        const auto jeden = [&](const QString &text) {
            const QList<TOperace> v = s.Texty(1, text);
            TOperace chybi;
            chybi.Y1 = chybi.X1 = -1;
            return v.size() == 1 ? v.first() : chybi;
        };
        QCOMPARE(jeden(u"List č.:  1"_s).X1, 1500);
        QCOMPARE(jeden(u"List č.:  1"_s).Y1, 200);
        const TOperace nadpis = jeden(u"PROTOKOL O KONTROLÁCH ZA OKRSEK"_s);
        QCOMPARE(nadpis.Y1, 300);
        QCOMPARE(nadpis.Pismo.Velikost, 32);
        QVERIFY(nadpis.Pismo.Tucne);
        QCOMPARE(nadpis.Pismo.Rez, u"Courier New"_s);
        QCOMPARE(jeden(u"                      Obec    Okrsek  KČ1  Název obce"_s).Y1, 400);
        QCOMPARE(jeden(u"Identifikace okrsku:  512345      7    3   Lhota"_s).Y1, 450);
        const TOperace zast = jeden((u"Zastupitelstvo: "_s + d.Okrsek.NazevZast).left(56));
        QCOMPARE(zast.Y1, 500);
        QVERIFY(!zast.Pismo.Tucne);
        QCOMPARE(zast.Pismo.Velikost, 26);
        const TOperace nic = jeden(u"Nebyly zjištěny žádné chyby."_s);
        QCOMPARE(nic.X1, 200);
        QCOMPARE(nic.Y1, 650);
        const QList<TOperace> cary = s.Texty(1, QString(80, u'-'));
        QCOMPARE(cary.size(), 2);
        QCOMPARE(cary.at(0).Y1, 550);
        QCOMPARE(cary.at(1).Y1, 750);
        QCOMPARE(jeden(u"Datum: 10.10.2026"_s + QString(29, u' ')).Y1, 800);
        QCOMPARE(jeden(u"Čas  : 14:30"_s + QString(34, u' ')).Y1, 850);
        const TOperace f = jeden(u"      512345 - 7 - 1 -  KV"_s);
        QCOMPARE(f.Y1, 2700);
        QCOMPARE(s.Konec(f), 1900);
    }

    void protokolStranyARadky()
    {
        TProtokolData d;
        d.Protokol.PridejChybu(5, 28, QString());
        d.Protokol.PridejChybu(3, 23, u"(kand. č. 12)"_s);
        d.Protokol.PridejChybu(0, 8, QString());
        d.Protokol.PridejChybu(3, 40, u"a k tomu ještě dlouhý parametr s dalšími slovy"_s);
        TSestava s;
        TiskProtokolu(s.T, d.Protokol, d.VetaT3, d.Stanice, d.Okrsek, Ted);
        QCOMPARE(s.Nahled.Celkem(), 1);
        QStringList texty;
        QList<int> y;
        for (const TOperace &o : s.Nahled.Strana(1).Operace) {
            if (o.Druh == TDruhOperace::Text && o.Y1 > 600 && o.Y1 < 2000) {
                texty.append(o.Text);
                y.append(o.Y1);
                QCOMPARE(o.X1, 200);
            }
        }
        const QString dlouhy = u"  40 - "_s + d.Ciselnik.NajdiChybu(40).ZkrText +
                               u" a k tomu ještě dlouhý parametr s dalšími slovy"_s;
        QVERIFY(dlouhy.size() > 80);
        const int zlom = s.T.MistoZlomu(dlouhy, 200, 1900);
        QVERIFY(zlom > 0 && zlom <= 80);
        QCOMPARE(texty.mid(0, 9),
                 (QStringList{u"8 - Zpráva číslo 8 "_s, u"Pořadové číslo strany: 3"_s,
                              u"  23 - Zpráva číslo 23 (kand. č. 12)"_s, dlouhy.left(zlom),
                              u"     "_s + dlouhy.mid(zlom).trimmed(),
                              u"Pořadové číslo strany: 5"_s, u"  28 - Zpráva číslo 28 "_s,
                              QString(80, u'-'), u"Datum: 10.10.2026"_s + QString(29, u' ')}));
        // Each party heading follows an empty line.
        QCOMPARE(y.mid(0, 7), (QList<int>{650, 750, 800, 850, 900, 1000, 1050}));
    }

    void protokolDruhaStrana()
    {
        TProtokolData d;
        for (int i = 1; i <= 45; ++i)
            d.Protokol.PridejChybu(i, 23, u"(kand. č. %1)"_s.arg(i));
        TSestava s;
        TiskProtokolu(s.T, d.Protokol, d.VetaT3, d.Stanice, d.Okrsek, Ted);
        const int stran = s.Nahled.Celkem();
        QVERIFY(stran >= 2);
        const QString f = u"      512345 - 7 - 1 -  KV"_s;
        QCOMPARE(s.Texty(1, f).size(), 1);
        QCOMPARE(s.Texty(1, f).first().Y1, 2800);
        QCOMPARE(s.Texty(2, u"List č.:  2"_s).size(), 1);
        QCOMPARE(s.Texty(2, u"PROTOKOL O KONTROLÁCH ZA OKRSEK - pokračování"_s).size(), 1);
        QCOMPARE(s.Texty(2, u"PROTOKOL O KONTROLÁCH ZA OKRSEK - pokračování"_s).first().Y1, 300);
        QCOMPARE(s.Texty(stran, f).first().Y1, 2700);
        // Every line stands above its page's footer line.
        for (int i = 1; i <= stran; ++i) {
            const int paticka = s.Texty(i, f).first().Y1;
            for (const TOperace &o : s.Nahled.Strana(i).Operace)
                if (o.Druh == TDruhOperace::Text && o.Text != f)
                    QVERIFY2(o.Y1 + 35 <= paticka,
                             qPrintable(u"%1: %2 %3"_s.arg(i).arg(o.Y1).arg(o.Text)));
        }
    }

    void protokolZaverNaPatickuNenarazi()
    {
        // 36 entries end at Y 2500: the four closing lines would reach the footer at
        // 2700, so they move to a page of their own.
        TProtokolData d;
        for (int i = 1; i <= 36; ++i)
            d.Protokol.PridejChybu(1, 20 + i, QString());
        TSestava s;
        TiskProtokolu(s.T, d.Protokol, d.VetaT3, d.Stanice, d.Okrsek, Ted);
        QCOMPARE(s.Nahled.Celkem(), 2);
        const QString f = u"      512345 - 7 - 1 -  KV"_s;
        QCOMPARE(s.Texty(1, f).first().Y1, 2800);
        QCOMPARE(s.Zacinajici(1, u"  56 - "_s).first().Y1, 2500);
        QCOMPARE(s.Zacinajici(2, u"Datum: "_s).first().Y1, 750);
        QCOMPARE(s.Texty(2, u"List č.:  2"_s).size(), 1);
        QCOMPARE(s.Texty(2, f).first().Y1, 2700);
    }

    void fontyProTisk_data()
    {
        QTest::addColumn<QStringList>("fonty");
        QTest::addColumn<QString>("hodnota");
        QTest::newRow("vse") << QStringList{u"Courier New CE"_s, u"Arial"_s, u"Arial CE"_s,
                                            u"Courier New"_s}
                             << u"Arial, Arial CE, Courier New, Courier New CE"_s;
        QTest::newRow("jen CE") << QStringList{u"Arial CE"_s, u"Courier New CE"_s}
                                << u"Arial CE, Courier New CE"_s;
        QTest::newRow("nic") << QStringList{u"Arial Black"_s, u"DejaVu Sans"_s} << QString();
    }
    void fontyProTisk()
    {
        QFETCH(QStringList, fonty);
        QFETCH(QString, hodnota);
        QCOMPARE(FontyProTisk(fonty), hodnota);
    }

    void zkusebniStrana_data()
    {
        QTest::addColumn<QString>("tiskarna");
        QTest::addColumn<bool>("zalomeno");
        QTest::newRow("kratka tiskarna") << u"HP LaserJet"_s << false;
        QTest::newRow("dlouha tiskarna")
            << u"Kancelářská tiskárna ve druhém patře u zasedací místnosti Rady"_s << true;
    }
    void zkusebniStrana()
    {
        QFETCH(QString, tiskarna);
        QFETCH(bool, zalomeno);
        TSestava s;
        TZkusebniUdaje u;
        u.DatumVoleb = u"09.10.2026 - 10.10.2026"_s;
        u.NazevSystemu = u"Debian GNU/Linux 12"_s;
        u.Tiskarna = tiskarna;
        u.Fonty = {u"Arial"_s, u"Courier New"_s};
        u.EmailPodpory = u"podpora@example.org"_s;
        TiskZkusebniStrany(s.T, u, Ted);
        QCOMPARE(s.Nahled.Celkem(), 1);

        const auto radek = [&](const QString &popis) {
            const QList<TOperace> v = s.Texty(1, popis);
            return v.isEmpty() ? TOperace{} : v.first();
        };
        QCOMPARE(radek(u"P r o m ě n n á "_s).Y1, 750 - 30);
        QCOMPARE(radek(u"H o d n o t a"_s).X1, 890);
        QCOMPARE(radek(u"Systém"_s).X1, 210);
        QCOMPARE(radek(u"Systém"_s).Y1, 800);
        QCOMPARE(radek(u"Systém"_s).Pismo.Rez, u"Courier New"_s);
        QCOMPARE(radek(u"Debian GNU/Linux 12"_s).X1, 890);
        QCOMPARE(radek(u"Debian GNU/Linux 12"_s).Y1, 800);
        const int posun = zalomeno ? 50 : 0;
        QCOMPARE(radek(u"Seznam fontů použitých pro tisk"_s).Y1, 900 + posun);
        QCOMPARE(radek(u"Arial, Courier New, "_s).Y1, 900 + posun);
        QCOMPARE(radek(u"10.10.2026, 14:30"_s).Y1, 950 + posun);
        QCOMPARE(radek(u"a naskenované pošlete na e-mail podpora@example.org."_s).X1, 200);

        // The printer name: one line, or two at X2 without a line between them.
        const QList<TOperace> jmena = [&] {
            QList<TOperace> v;
            for (const TOperace &o : s.Nahled.Strana(1).Operace)
                if (o.Druh == TDruhOperace::Text && o.X1 == 890 && (o.Y1 == 850 || o.Y1 == 900) &&
                    !o.Text.startsWith(u"Arial"_s))
                    v.append(o);
            return v;
        }();
        QCOMPARE(jmena.size(), zalomeno ? 2 : 1);
        QString spojeno;
        for (const TOperace &o : jmena)
            spojeno += o.Text;
        QCOMPARE(spojeno, tiskarna);

        QList<int> vodorovne;
        int ramu = 0;
        for (const TOperace &o : s.Nahled.Strana(1).Operace) {
            if (o.Druh == TDruhOperace::Obdelnik) {
                ++ramu;
                QCOMPARE(
                    QRect(QPoint(o.X1, o.Y1), QPoint(o.X2, o.Y2)),
                    QRect(QPoint(200, 700), QPoint(1900, 700 + 50 * (zalomeno ? 8 : 7) + 150)));
                QCOMPARE(o.Pero.Sirka, 3);
            }
            if (o.Druh == TDruhOperace::Cara && o.X1 == 200 && o.X2 == 1900 && o.Pero.Sirka == 3)
                vodorovne.append(o.Y1);
        }
        QCOMPARE(ramu, 1);
        QList<int> ocekavane;
        for (int k = 2; k <= (zalomeno ? 11 : 10); ++k)
            if (!(zalomeno && k == 4))
                ocekavane.append(700 + 50 * k);
        QCOMPARE(vodorovne, ocekavane);

        // The two measured arrows end at the right margin.
        const QList<TOperace> sipky = s.Texty(1, u"-->"_s);
        QCOMPARE(sipky.size(), 2);
        for (const TOperace &o : sipky)
            QCOMPARE(s.Konec(o), 1900);
        QCOMPARE(sipky.at(1).Pismo.Rez, u"Arial"_s);
        QCOMPARE(radek(u"Zde je umístěna patička"_s).Y1, 2700);
        QCOMPARE(s.Konec(radek(u"KV"_s)), 1890);
    }
};

QTEST_MAIN(TestSestavy)
#include "TestSestavy.moc"
