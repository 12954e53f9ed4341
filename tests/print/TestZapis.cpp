// The official record: footer, sheet 1, sheet 2 with section III, the ballot copy and
// the print job, checked on the recorded operations.
#include "Dotaznik.h"
#include "Sloupce.h"
#include "TiskNaTiskarnu.h"
#include "TiskZapisu.h"
#include "UdajeZapisu.h"
#include "Zapis.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Ted(QDate(2026, 10, 10), QTime(14, 30, 5, 42));

struct TZaznamZapisu : TUdajeZapisu
{

    // Parties with the given candidate counts.
    explicit TZaznamZapisu(const QList<int> &kandidatu = {3, 2})
    {
        Stanice.DatumVoleb = u"9.10.2026"_s;
        Okrsek.NazevObce = u"Lhota pod Horou"_s;
        Okrsek.NazevOkresu = u"Benešov"_s;
        Okrsek.NazevZast = u"Zastupitelstvo obce Lhota"_s;
        Okrsek.PocetMandatu = u"15"_s;
        Okrsek.JeObvod = u"N"_s;
        TOkrsekRec &v = Vysledky->VetaT3;
        v.Obec = 512345;
        v.Okrsek = 7;
        v.T3KC_1 = 3;
        v.TypZastup = 1;
        v.ZapsOsoby = 812;
        Vysledky->VetaTS.KontrSoucetTS = 123456789;
        NastavStrany(kandidatu);
        Hlasovani.Odroc = u"N"_s;
        Hlasovani.Prodl = u"N"_s;
        Hlasovani.Prerus = u"N"_s;
        Hlasovani.Stizn = u"N"_s;
        Hlasovani.Schranka = u"B"_s;
        Hlasovani.Zapisovat = u"Eva Malá"_s;
        Komise = {{u"Jan Novák"_s}, {u"Petr Svoboda"_s}};
        QList<TChybaInfo> texty;
        for (int c = 1; c <= 99; ++c)
            texty.append({c, u"B"_s, u"Zpráva %1"_s.arg(c)});
        Ciselnik.NastavZaznamy(texty);
    }
    // The key of precinct 7 of municipality 512345 and council type `typ`.
    void NastavKlic(const QString &typ)
    {
        Okrsek.KodObce = u"512345"_s;
        Okrsek.CisloOkrsku = 7;
        Okrsek.TypZastup = typ;
    }
    void NastavStrany(const QList<int> &kandidatu)
    {
        Vysledky->VetaT3.Pocet_VS = quint16(kandidatu.size());
        Ref->PocetStranSeznamu = int(kandidatu.size());
        for (int k = 1; k <= int(kandidatu.size()); ++k) {
            Ref->SeznamStran[k].Nazev = u"Strana %1"_s.arg(k);
            Ref->SeznamStran[k].PocetKand = QString::number(kandidatu.at(k - 1));
            Vysledky->StranyHL[k].PocHl = 10 * k;
            for (int i = 1; i <= kandidatu.at(k - 1); ++i) {
                Ref->Kandidati[k][i].Jmeno = u"Jan"_s;
                Ref->Kandidati[k][i].Prijmeni = u"Novák%1"_s.arg(i);
                Ref->Kandidati[k][i].Platnost = u"A"_s;
                Vysledky->StranyHL[k].HlasyKand[i] = quint16(i);
            }
        }
    }
};

struct TSestava
{
    TNahled Nahled;
    TTisk T{Nahled};
    int Listu = 0;

    explicit TSestava(const TZaznamZapisu &z, bool primo = false)
    {
        Listu = SestavZapis(T, z.Data(), 2, primo, Ted);
    }
    QList<TOperace> Texty(int strana, const std::function<bool(const QString &)> &shoda) const
    {
        QList<TOperace> v;
        for (const TOperace &o : Nahled.Strana(strana).Operace)
            if (o.Druh == TDruhOperace::Text && shoda(o.Text))
                v.append(o);
        return v;
    }
    QList<TOperace> Presne(int strana, const QString &text) const
    {
        return Texty(strana, [&](const QString &s) { return s == text; });
    }
    QList<TOperace> Zacinajici(int strana, const QString &zacatek) const
    {
        return Texty(strana, [&](const QString &s) { return s.startsWith(zacatek); });
    }
    QList<TOperace> Obdelniky(int strana) const
    {
        QList<TOperace> v;
        for (const TOperace &o : Nahled.Strana(strana).Operace)
            if (o.Druh == TDruhOperace::Obdelnik)
                v.append(o);
        return v;
    }
    int Konec(const TOperace &o) const { return o.X1 + T.SirkaTextu(o.Text, o.Pismo); }
    // The sheet number of every footer, in page order.
    QStringList Listy() const
    {
        QStringList v;
        for (int s = 1; s <= Nahled.Celkem(); ++s)
            for (const TOperace &o : Zacinajici(s, u" List: "_s))
                v.append(o.Text.mid(7));
        return v;
    }
};

} // namespace

class TestZapis : public QObject
{
    Q_OBJECT

private slots:
    void paticka()
    {
        const TZaznamZapisu z;
        for (const bool primo : {false, true}) {
            const TSestava s(z, primo);
            QCOMPARE(s.Listu, 3);
            QCOMPARE(s.Nahled.Celkem(), 3);
            QCOMPARE(s.Listy(), (QStringList{u" 1/3 - KV"_s, u" 2/3 - KV"_s, u" 3/3 - KV"_s}));
            for (int strana = 1; strana <= 3; ++strana) {
                const TOperace list = s.Zacinajici(strana, u" List: "_s).value(0);
                QCOMPARE(list.Y1, 2665);
                QCOMPARE(s.Konec(list), 1900);
                QCOMPARE(list.Pismo.Velikost, 26);
                const TOperace soucet = s.Presne(strana, u"123456789"_s).value(0);
                QVERIFY(soucet.Pismo.Tucne);
                QCOMPARE(s.Konec(soucet), list.X1 - 20);
                const TOperace ident = s.Presne(strana, u"512345-7-1-"_s).value(0);
                QCOMPARE(s.Konec(ident), soucet.X1 - 10);
                // The stamp clears the taller line above it.
                const TOperace razitko = s.Presne(strana, u"10.10.2026 14:30:05,042"_s).value(0);
                QCOMPARE(razitko.Y1, 2705);
                QCOMPARE(s.Konec(razitko), 1900);
            }
        }
    }

    void chybyVPaticce_data()
    {
        QTest::addColumn<QList<int>>("chyby");
        QTest::addColumn<QString>("text");
        QTest::newRow("zadne") << QList<int>{} << QString();
        QTest::newRow("jen blokujici") << QList<int>{3, 40, 98} << QString();
        QTest::newRow("meze") << QList<int>{5, 6, 12, 13, 90, 91, 97, 98, 99}
                              << u"Chyby č.: 6, 12, 91, 97, 99"_s;
        QTest::newRow("opakovane") << QList<int>{8, 8} << u"Chyby č.: 8, 8"_s;
    }
    void chybyVPaticce()
    {
        QFETCH(QList<int>, chyby);
        QFETCH(QString, text);
        TZaznamZapisu z;
        for (const int c : chyby)
            z.Protokol.PridejChybu(c == 8 ? 1 : 0, c, QString());
        const TSestava s(z);
        const QList<TOperace> prvni = s.Zacinajici(1, u"Chyby č.: "_s);
        if (text.isEmpty()) {
            QVERIFY(prvni.isEmpty());
        } else {
            QCOMPARE(prvni.size(), 1);
            QCOMPARE(prvni.first().Text, text);
            QCOMPARE(prvni.first().X1, 200);
            QCOMPARE(prvni.first().Y1, 2735);
        }
        for (int strana = 2; strana <= s.Nahled.Celkem(); ++strana)
            QVERIFY(s.Zacinajici(strana, u"Chyby č.: "_s).isEmpty());
    }

    void preskrtnuti_data()
    {
        Sloupce<QString, QString, QString, QString, bool, bool>(
            {"pole", "hodnota", "zapor", "klad", "zaporPreskrtnut", "kladPreskrtnut"});
        QTest::newRow("Odroc B") << u"Odroc"_s << u"B"_s << u"nebylo"_s << u"bylo"_s << true
                                 << false;
        QTest::newRow("Odroc N") << u"Odroc"_s << u"N"_s << u"nebylo"_s << u"bylo"_s << false
                                 << true;
        QTest::newRow("Odroc prazdne")
            << u"Odroc"_s << QString() << u"nebylo"_s << u"bylo"_s << false << true;
        QTest::newRow("Prodl B") << u"Prodl"_s << u"B"_s << u"nebyla"_s << u"byla"_s << true
                                 << false;
        QTest::newRow("Stizn B") << u"Stizn"_s << u"B"_s << u"nebyly"_s << u"byly"_s << true
                                 << false;
        QTest::newRow("Stizn N") << u"Stizn"_s << u"N"_s << u"nebyly"_s << u"byly"_s << false
                                 << true;
        QTest::newRow("Stizn prazdne")
            << u"Stizn"_s << QString() << u"nebyly"_s << u"byly"_s << false << false;
        QTest::newRow("Schranka prazdne")
            << u"Schranka"_s << QString() << u"nebyla"_s << u"byla"_s << false << true;
    }
    void preskrtnuti()
    {
        QFETCH(QString, pole);
        QFETCH(QString, hodnota);
        QFETCH(QString, zapor);
        QFETCH(QString, klad);
        QFETCH(bool, zaporPreskrtnut);
        QFETCH(bool, kladPreskrtnut);
        TZaznamZapisu z;
        THlasovaniRec &h = z.Hlasovani;
        h.Prodl = h.Schranka = u"X"_s; // neither yes nor no: "nebyla" regular, "byla" struck
        h.StizListu = u"4"_s;
        if (pole == u"Odroc")
            h.Odroc = hodnota;
        else if (pole == u"Prodl")
            h.Prodl = hodnota;
        else if (pole == u"Stizn")
            h.Stizn = hodnota;
        else
            h.Schranka = hodnota;
        const TSestava s(z);
        // Prodl and Schranka share their words: the statement in question comes first
        // for Prodl, last for Schranka.
        const QList<TOperace> zapory = s.Presne(1, zapor);
        const QList<TOperace> klady = s.Presne(1, klad);
        QVERIFY(!zapory.isEmpty() && !klady.isEmpty());
        const TOperace &z1 = pole == u"Schranka" ? zapory.last() : zapory.first();
        const TOperace &k1 = pole == u"Schranka" ? klady.last() : klady.first();
        QCOMPARE(z1.Pismo.Preskrtnute, zaporPreskrtnut);
        QCOMPARE(k1.Pismo.Preskrtnute, kladPreskrtnut);
        QCOMPARE(z1.Y1, k1.Y1);
        if (pole == u"Stizn") {
            // The number of sheets only with "B", the bold dashes only with "N".
            QCOMPARE(s.Presne(1, u"4"_s).size(), hodnota == u"B" ? 1 : 0);
            QCOMPARE(s.Presne(1, u"---"_s).size(), hodnota == u"N" ? 1 : 0);
        }
    }

    void dlouhyDuvod_data()
    {
        QTest::addColumn<QString>("slovo");
        QTest::addColumn<bool>("zmenseno");
        QTest::addColumn<int>("radku"); // rows of dots the remainder takes
        // Narrow letters: the remainder fits the sheet in size 18.
        QTest::newRow("vejde se") << u"lilii "_s << false << 1;
        // Wider ones: the remainder would run off the paper and is set smaller.
        QTest::newRow("zmensen") << u"aaiaa "_s << true << 1;
        // Wide letters: not even the small size holds it on one row of dots.
        QTest::newRow("dalsi radek") << u"MOWMOWM "_s << true << 2;
    }
    void dlouhyDuvod()
    {
        QFETCH(QString, slovo);
        QFETCH(bool, zmenseno);
        QFETCH(int, radku);
        TZaznamZapisu z;
        z.Hlasovani.Prerus = u"B"_s;
        z.Hlasovani.PrerusD = u"10.10.2026 ráno"_s; // longer than 12: small size
        z.Hlasovani.PrerusOd = u"8:00"_s;
        QString duvod;
        while (duvod.size() < 200)
            duvod += slovo;
        duvod = duvod.left(199) + u'x';
        z.Hlasovani.DuvodPrer = duvod;
        const TSestava s(z);
        const QList<TOperace> casti =
            s.Texty(1, [&](const QString &t) { return t.size() > 3 && duvod.contains(t); });
        QCOMPARE(casti.size(), 1 + radku);
        QString vse;
        for (int i = 0; i < casti.size(); ++i) {
            vse += casti.at(i).Text;
            QVERIFY(s.Konec(casti.at(i)) <= 2100 - TNahled::OkrajTiskarny);
            if (i > 0) {
                QCOMPARE(casti.at(i).Pismo.Velikost < 18, zmenseno);
                QVERIFY(casti.at(i).Pismo.Velikost >= 16);
                QCOMPARE(casti.at(i).X1, 200);
                QCOMPARE(casti.at(i).Y1, casti.at(0).Y1 + 50 * i);
            }
        }
        QCOMPARE(vse, duvod);
        QCOMPARE(casti.at(0).Pismo.Velikost, 18);
        QCOMPARE(s.Presne(1, u"10.10.2026 ráno"_s).value(0).Pismo.Velikost, 16);
        QCOMPARE(s.Presne(1, u"8:00"_s).value(0).Pismo.Velikost, 24);
        // A short reason stays in the normal size on one line.
        z.Hlasovani.DuvodPrer = u"výpadek proudu"_s;
        const TSestava kratky(z);
        QCOMPARE(kratky.Presne(1, u"výpadek proudu"_s).value(0).Pismo.Velikost, 20);
    }

    void tabulkaStran()
    {
        TZaznamZapisu z({3, 3, 3, 3, 3, 3, 3});
        z.Vysledky->StranyHL[2].HLKC2 = 999; // stored differently: the printout adds itself
        z.Vysledky->StranyHL[2].HLPoslKand = 3;
        const TSestava s(z);
        const int u = 1700 / 54;
        const QList<TOperace> podtrzitka = s.Zacinajici(2, u"_"_s);
        QCOMPARE(podtrzitka.size(), 45 - 7);
        QCOMPARE(podtrzitka.first().Text.size(), 24);
        QCOMPARE(podtrzitka.last().Text.size(), 25);
        QList<TOperace> blok1 = podtrzitka;
        blok1.removeIf([&](const TOperace &o) { return o.X1 != 200 + 3 * u + 10; });
        QCOMPARE(blok1.size(), 15 - 7);
        for (int p = 1; p <= 45; ++p)
            QCOMPARE(s.Presne(2, QString::number(p) + u'.').size(), 1);
        // Row 8 of block 1 is the first with underscores.
        const int y8 = s.Presne(2, u"8."_s).first().Y1;
        QCOMPARE(blok1.first().Y1, y8 - 14);
        QCOMPARE(s.Presne(2, u"999"_s).size(), 0);
        const TOperace kc = s.Presne(2, u"22"_s).value(0); // 20 votes + party 2
        QVERIFY(kc.Pismo.Tucne);
        QCOMPARE(kc.Y1, s.Presne(2, u"2."_s).first().Y1);
        QCOMPARE(s.Konec(kc), 200 + 15 * u - 20);
    }

    void clenove_data()
    {
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QList<int>>("sloupce");
        QTest::addColumn<QList<int>>("radky"); // rows below the label line
        QTest::newRow("zadny") << 0 << QList<int>{} << QList<int>{};
        QTest::newRow("jeden") << 1 << QList<int>{2} << QList<int>{0};
        QTest::newRow("ctyri") << 4 << QList<int>{2, 0, 1, 2} << QList<int>{0, 1, 1, 1};
        QTest::newRow("pet") << 5 << QList<int>{2, 0, 1, 2, 0} << QList<int>{0, 1, 1, 1, 2};
    }
    void clenove()
    {
        QFETCH(int, pocet);
        QFETCH(QList<int>, sloupce);
        QFETCH(QList<int>, radky);
        TZaznamZapisu z;
        z.Komise.clear();
        for (int i = 1; i <= pocet; ++i)
            z.Komise.append({u"Člen č. %1"_s.arg(i)});
        z.Komise.insert(0, {u"   "_s}); // a blank entry prints nothing
        const TSestava s(z);
        const int c = 1700 / 3;
        for (const int strana : {2, s.Nahled.Celkem()}) {
            const QString popisek = u"Jména, příjmení a podpisy ostatních členů komise:"_s;
            const QList<TOperace> nadpis = s.Presne(strana, popisek);
            QCOMPARE(nadpis.size(), 1);
            const QList<TOperace> jmena = s.Zacinajici(strana, u"Člen č. "_s);
            QCOMPARE(jmena.size(), pocet);
            QCOMPARE(s.Presne(strana, TTisk::Opakuj(u"."_s, 60)).size(), pocet);
            for (int i = 0; i < pocet; ++i) {
                QCOMPARE(jmena.at(i).X1, 200 + sloupce.at(i) * c);
                QCOMPARE(jmena.at(i).Y1, nadpis.first().Y1 + 100 * radky.at(i) - 12);
            }
        }
    }

    void pokracovaniClenu()
    {
        TZaznamZapisu z;
        z.Komise.clear();
        for (int i = 1; i <= 60; ++i)
            z.Komise.append({u"Člen č. %1"_s.arg(i)});
        const TSestava s(z);
        // Sheet 2, its continuation, the ballot copy and its continuation.
        QCOMPARE(s.Nahled.Celkem(), 5);
        QCOMPARE(s.Listy(), (QStringList{u" 1/5 - KV"_s, u" 2/5 - KV"_s, u" 3/5 - KV"_s,
                                         u" 4/5 - KV"_s, u" 5/5 - KV"_s}));
        const QList<TOperace> pokr = s.Presne(3, u"III. - pokračování"_s);
        QCOMPARE(pokr.size(), 1);
        QVERIFY(pokr.first().Pismo.Tucne);
        QCOMPARE(pokr.first().Y1, 200);
        // The names continue in order; the closing lines follow them.
        const QList<TOperace> na2 = s.Zacinajici(2, u"Člen č. "_s);
        QCOMPARE(s.Zacinajici(3, u"Člen č. "_s).first().Text, u"Člen č. %1"_s.arg(na2.size() + 1));
        QCOMPARE(na2.size() + s.Zacinajici(3, u"Člen č. "_s).size(), 60);
        QCOMPARE(
            s.Presne(3, u"Důvody odmítnutí jsou uvedeny v samostatné příloze k zápisu."_s).size(),
            1);
        // The ballot copy's member list continues under its own heading.
        QCOMPARE(s.Presne(5, u"HLASOVACÍ LÍSTEK"_s).size(), 1);
        QCOMPARE(s.Presne(5, u"Jména, příjmení a podpisy ostatních členů komise - pokračování:"_s)
                     .size(),
                 1);
    }

    // Section III closes its sheet after any row of names that ends below 2350, the
    // last one too: the closing lines then go on a continuation sheet, never lower.
    void zaverSekceIII()
    {
        for (int pocet = 0; pocet <= 45; ++pocet) {
            TZaznamZapisu z;
            z.Komise.clear();
            for (int i = 1; i <= pocet; ++i)
                z.Komise.append({u"Člen č. %1"_s.arg(i)});
            const TSestava s(z);
            int strana = 2;
            while (
                s.Presne(strana, u"Důvody odmítnutí jsou uvedeny v samostatné příloze k zápisu."_s)
                    .isEmpty())
                ++strana;
            const TOperace odmitl = s.Zacinajici(strana, u"Zápis odmítl podepsat"_s).value(0);
            QVERIFY2(odmitl.Y1 <= 2350 + 100, qPrintable(QString::number(pocet)));
            QCOMPARE(s.Presne(strana, u"III. - pokračování"_s).size(), strana > 2 ? 1 : 0);
        }
    }

    void povereny_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<int>("casti");
        QTest::newRow("kratke") << u"Ing. Karel Dvořák"_s << 1;
        QTest::newRow("dlouhe")
            << u"Ing. Karel Dvořák, místostarosta obce, bytem Lhota pod Horou číslo popisné 15, okres Benešov"_s
            << 2;
        // Not even the small size holds the rest on one row of dots: a further row.
        QTest::newRow("200 znaku")
            << QString(200, u'W').replace(u"WWWWWWWWWW"_s, u"WWWWWWWWW "_s) << 3;
    }
    void povereny()
    {
        QFETCH(QString, jmeno);
        QFETCH(int, casti);
        TZaznamZapisu z;
        z.Hlasovani.PoverPred = jmeno;
        const TSestava s(z);
        const QList<TOperace> popis =
            s.Texty(2, [](const QString &t) { return t.endsWith(u"jméno a příjmení"); });
        QCOMPARE(popis.size(), 1);
        QCOMPARE(popis.first().Text.startsWith(QString(100, u' ')), casti > 1);
        const QList<TOperace> kusy =
            s.Texty(2, [&](const QString &t) { return !t.isEmpty() && jmeno.contains(t); });
        QCOMPARE(kusy.size(), casti);
        int znaku = 0;
        for (int i = 0; i < casti; ++i) {
            znaku += int(kusy.at(i).Text.size());
            // Nothing runs off the paper.
            QVERIFY(s.Konec(kusy.at(i)) <= 2100 - TNahled::OkrajTiskarny);
            if (i > 0) {
                // The rest sits two lines lower, further rows one line each.
                QCOMPARE(kusy.at(i).Y1, kusy.at(0).Y1 + 50 + 50 * i);
                QCOMPARE(kusy.at(i).X1, 200);
            }
        }
        // The first row's separator is repeated at the start of the next.
        QCOMPARE(znaku, TTisk::BezMezerVpravo(jmeno).size() + (casti > 1 ? 1 : 0));
        QCOMPARE(popis.first().Y1, kusy.last().Y1 + 12 + 50 - 14);
    }

    void stranyHL()
    {
        TZaznamZapisu z({1, 3});
        z.Ref->SeznamStran[2].Nazev =
            u"Sdružení nezávislých kandidátů a místních patriotů pro rozvoj obce Lhota pod Horou a okolí"_s;
        z.Ref->Kandidati[2][2].Platnost = u"N"_s;
        const TSestava s(z);
        const int strana = 3;
        const int v = 200 + s.T.SirkaTextu(u"000000"_s, [] {
            TPismo p;
            p.Rez = u"Arial"_s;
            p.Velikost = 20;
            return p;
        }());
        // Party 1, one candidate: no total, frame from V + 10.
        const TOperace nazev1 = s.Presne(strana, u"Volební strana: Strana 1"_s).value(0);
        QVERIFY(s.Presne(strana, TTisk::CisloVpravo(10, 6)).isEmpty());
        const QList<TOperace> ramy = s.Obdelniky(strana);
        const auto ram = [&](int y0) {
            for (const TOperace &o : ramy)
                if (o.Y1 == y0)
                    return o;
            return TOperace();
        };
        QCOMPARE(ram(nazev1.Y1 - 10).X1, v + 10);
        QCOMPARE(ram(nazev1.Y1 - 10).Y2, nazev1.Y1 + 50);
        // Party 2: total, two heading lines, full-width frame two lines high.
        const QList<TOperace> nazev2 = s.Zacinajici(strana, u"Volební strana: Sdružení"_s);
        QCOMPARE(nazev2.size(), 1);
        const TOperace celkem = s.Presne(strana, TTisk::CisloVpravo(20, 6)).value(0);
        QVERIFY(celkem.Pismo.Tucne);
        QCOMPARE(celkem.Y1, nazev2.first().Y1);
        QCOMPARE(ram(celkem.Y1 - 10).X1, 200);
        QCOMPARE(ram(celkem.Y1 - 10).Y2, celkem.Y1 - 10 + 110);
        QCOMPARE(s.Presne(strana, u"pořadové číslo   2"_s).size(), 1);
        // The struck-off candidate: "N" in its vote frame.
        const TOperace n = s.Presne(strana, u"     N "_s).value(0);
        QVERIFY(n.Pismo.Tucne);
        QCOMPARE(n.Y1, s.Presne(strana, u"Jan Novák2"_s).value(0).Y1);
        QCOMPARE(ram(n.Y1 - 3).X2, v + 10);
        QCOMPARE(s.Presne(strana, u"Volební obvod: 1"_s).size(), 0);
    }

    void obvod()
    {
        TZaznamZapisu z;
        z.Okrsek.JeObvod = u"A"_s;
        z.Okrsek.CObvodu = u"2"_s;
        const TSestava s(z);
        const TOperace obvod = s.Presne(3, u"Volební obvod: 2"_s).value(0);
        QVERIFY(obvod.Pismo.Tucne);
        QCOMPARE(s.Konec(obvod), 1900);
        QCOMPARE(s.Zacinajici(3, u"Pro volby do zastupitelstva"_s).value(0).Y1, obvod.Y1 + 50);
    }

    void zlomyHL()
    {
        // 70 candidates do not fit one sheet; the next party starts after them.
        TZaznamZapisu z({70, 2});
        const TSestava s(z);
        QCOMPARE(s.Nahled.Celkem(), 4);
        const int strana = 4;
        // A candidate row continues without the party heading, under the ballot header.
        QCOMPARE(s.Presne(strana, u"HLASOVACÍ LÍSTEK"_s).size(), 1);
        QCOMPARE(s.Zacinajici(strana, u"Volební strana: Strana 1"_s).size(), 0);
        const QList<TOperace> radky3 =
            s.Texty(3, [](const QString &t) { return t.startsWith(u"Jan Novák"); });
        // Rows from 450 while a row and the next still end above the reserve.
        QCOMPARE(radky3.size(), 44);
        QCOMPARE(radky3.last().Y1, 2600);
        const TOperace dalsi =
            s.Texty(strana, [](const QString &t) { return t.startsWith(u"Jan Novák"); }).first();
        QCOMPARE(dalsi.Text, u"Jan Novák%1"_s.arg(radky3.size() + 1));
        QCOMPARE(dalsi.Y1, 250 + 50); // header (100, +100, +50), then the row
    }

    void blokStranyUDna_data()
    {
        QTest::addColumn<int>("kandidatu");
        QTest::addColumn<int>("strana");
        QTest::addColumn<int>("y");
        // After 40 rows the cursor is at 2400: five lines still remain.
        QTest::newRow("vejde se") << 40 << 3 << 2500;
        QTest::newRow("novy list") << 41 << 4 << 350;
    }
    void blokStranyUDna()
    {
        QFETCH(int, kandidatu);
        QFETCH(int, strana);
        QFETCH(int, y);
        const TZaznamZapisu z({kandidatu, 2});
        const TSestava s(z);
        const QList<TOperace> nadpis = s.Presne(strana, u"Volební strana: Strana 2"_s);
        QCOMPARE(nadpis.size(), 1);
        QCOMPARE(nadpis.first().Y1, y);
    }

    void uloha()
    {
        QTemporaryDir adr;
        const QString instalace = adr.path() + u'/';
        TZaznamZapisu z;
        z.NastavKlic(u"1"_s);
        const TOkrsekRefRec &okr = z.Okrsek;
        for (const int kopii : {0, 2}) {
            TNahled nahled;
            QPrinter tiskarna;
            tiskarna.setPrinterName(u"zadna-takova-tiskarna"_s);
            TDotaznikFronta dotaznik;
            const int listu =
                TiskZapisu(nahled, tiskarna, dotaznik, {instalace, instalace, instalace}, z.Data(),
                           false, true, kopii, 2, nullptr, Ted);
            QCOMPARE(listu, 3);
            QCOMPARE(nahled.NazevSouboru, u"KVT3-512345-7-typ1"_s);
            QCOMPARE(dotaznik.Dialogy, QList<QString>{u"TpreviewF"_s});
            QCOMPARE(dotaznik.Zpravy.size(), 1);
            for (int k = 1; k <= qMax(1, kopii); ++k) {
                const QString soubor = SouborTisku(instalace, NazevTisku(u"KVT3"_s, okr), k);
                QVERIFY2(QFile::exists(soubor), qPrintable(soubor));
                QVERIFY(dotaznik.Zpravy.first().Text.contains(soubor));
                QFile f(soubor);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QVERIFY(f.readAll().startsWith("%PDF"));
                QVERIFY(f.remove());
            }
            QVERIFY(!QFile::exists(
                SouborTisku(instalace, NazevTisku(u"KVT3"_s, okr), qMax(1, kopii) + 1)));
            // The preview pass numbers its sheets like every copy.
            QCOMPARE(nahled.Celkem(), 3);
            QCOMPARE(nahled.Strana(3).Operace.isEmpty(), false);
        }
        TNahled nahled;
        QPrinter tiskarna;
        TDotaznikFronta dotaznik;
        TiskZapisu(nahled, tiskarna, dotaznik, {instalace, instalace, instalace}, z.Data(), true,
                   false, 3, 2, nullptr, Ted);
        QVERIFY(dotaznik.Zpravy.isEmpty());
        QCOMPARE(dotaznik.Dialogy, QList<QString>{u"TpreviewF"_s});
        QVERIFY(!QFile::exists(SouborTisku(instalace, NazevTisku(u"KVT3"_s, okr), 1)));
    }

    // "Tisk" in the preview, pressed from the keyboard, sends the paper's layout (the
    // dots of direct printing), and the window goes back to the screen's.
    void nahledTiskneRozvrzeniProPapir()
    {
        QTemporaryDir adr;
        const QString instalace = adr.path() + u'/';
        TZaznamZapisu z;
        z.NastavKlic(u"1"_s);
        struct TKlavesy : TDotaznikFronta
        {
            int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override
            {
                TDotaznikFronta::ProvedDialog(nazev, ukaz);
                QTimer::singleShot(0, [] {
                    QWidget *okno = QApplication::activeModalWidget();
                    if (!okno || !QTest::qWaitForWindowActive(okno) ||
                        !QApplication::focusWidget()) {
                        if (okno)
                            okno->close(); // the test then fails on the missing file
                        return;
                    }
                    for (int i = 0;
                         i < 10 && QApplication::focusWidget()->objectName() != u"printBtn"_s; ++i)
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                });
                return ukaz();
            }
        } dotaznik;
        TNahled nahled;
        QPrinter tiskarna;
        TiskZapisu(nahled, tiskarna, dotaznik, {instalace, instalace, instalace}, z.Data(), true,
                   false, 1, 2, nullptr, Ted);
        const QString vytisteny = SouborTisku(instalace, NazevTisku(u"KVT3"_s, z.Okrsek), 1);
        QVERIFY2(QFile::exists(vytisteny), qPrintable(dotaznik.Texty().join(u'\n')));
        QVERIFY(!nahled.Prekresli);

        const auto text = [](const QString &pdf) {
            QProcess p;
            p.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
            p.waitForFinished();
            return p.readAllStandardOutput();
        };
        const auto sazba = [&](bool primo) {
            TNahled n;
            TTisk t(n);
            SestavZapis(t, z.Data(), 2, primo, Ted);
            QString pdf = adr.filePath(primo ? u"primo.pdf"_s : u"nahled.pdf"_s);
            UlozPdf(n, pdf);
            return pdf;
        };
        QCOMPARE(text(vytisteny), text(sazba(true)));
        QVERIFY(text(sazba(true)) != text(sazba(false)));
        const QString obrazovka = adr.filePath(u"obrazovka.pdf"_s);
        UlozPdf(nahled, obrazovka);
        QCOMPARE(text(obrazovka), text(sazba(false)));
    }

    // Without a printer the copies of one record must neither replace those of the
    // other council type nor be mixed with older copies of the same record.
    void ulohaBezTiskarnyOddeleneKopie()
    {
        QTemporaryDir adr;
        const QString instalace = adr.path() + u'/';
        TZaznamZapisu z;
        z.Okrsek.KodObce = u"512345"_s;
        z.Okrsek.CisloOkrsku = 7;
        auto tiskni = [&](const QString &typ, int kopii) {
            z.Okrsek.TypZastup = typ;
            TNahled nahled;
            QPrinter tiskarna;
            tiskarna.setPrinterName(u"zadna-takova-tiskarna"_s);
            TDotaznikFronta dotaznik;
            TiskZapisu(nahled, tiskarna, dotaznik, {instalace, instalace, instalace}, z.Data(),
                       false, false, kopii, 2, nullptr, Ted);
        };
        auto soubor = [&](const QString &typ, int k) {
            TOkrsekRefRec o = z.Okrsek;
            o.TypZastup = typ;
            return SouborTisku(instalace, NazevTisku(u"KVT3"_s, o), k);
        };
        tiskni(u"1"_s, 3);
        tiskni(u"2"_s, 2);
        QVERIFY(soubor(u"1"_s, 1) != soubor(u"2"_s, 1));
        for (int k = 1; k <= 3; ++k)
            QVERIFY2(QFile::exists(soubor(u"1"_s, k)), qPrintable(soubor(u"1"_s, k)));
        QVERIFY(QFile::exists(soubor(u"2"_s, 2)));
        tiskni(u"1"_s, 1);
        QVERIFY(QFile::exists(soubor(u"1"_s, 1)));
        QVERIFY(!QFile::exists(soubor(u"1"_s, 2)));
        QVERIFY(!QFile::exists(soubor(u"1"_s, 3)));
        QVERIFY(QFile::exists(soubor(u"2"_s, 2)));
    }
};

QTEST_MAIN(TestZapis)
#include "TestZapis.moc"
