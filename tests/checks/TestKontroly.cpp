// The numbered field checks and the marking rule, on a small station on disk.
#include "EChyba.h"
#include "Kontroly.h"
#include "Sloupce.h"
#include "ZkusebniOkrsek.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct TProstredi
{
    explicit TProstredi(const TParametryStanice &p = {})
    {
        adr = VytvorStanici(dir.path(), p);
        akt = KlicOkrsku();
        NajdiOkrsek(adr, akt);
        NactiStrany(adr, akt, ref);
        NactiKandidaty(adr, akt, ref);
        v = PlatnyOkrsek(p.PocetStran, p.PocetKand);
    }
    void NastavR(qint32 r)
    {
        TVoliciRefRec z;
        z.KodObce = QStringLiteral("500011");
        z.CisloOkrsku = 1;
        z.ZapsOsobyRef = r;
        Soubory::UlozAtomicky(adr.AdrInstalace + QStringLiteral("KVRVOK.RCD"), ZakodujVoliceRef(z));
    }

    QTemporaryDir dir;
    TAdresare adr;
    TOkrsekRefRec akt;
    TReference ref;
    TVysledky v;
    TKontrolniStav stav;
    TCisChyb cis;
    TChybProt prot{cis};
    TDataKontrol d{adr, akt, ref, v, stav, prot};
};

} // namespace

class TestKontroly : public QObject
{
    Q_OBJECT

private slots:
    void platnyOkrsekProjdeVsim()
    {
        TProstredi p;
        TDataKontrol &d = p.d;
        QList<bool> vysledky = {Kontrola01(d, false), Kontrola02(d, false),   Kontrola03(d, false),
                                Kontrola04(d, false), Kontrola05(d, false),   Kontrola06(d, false),
                                Kontrola07(d, false), Kontrola08(d, false),   Kontrola09(d, false),
                                Kontrola10(d, false), Kontrola11(d, false),   Kontrola12(d, false),
                                Kontrola13(d, false), Kontrola14(d, false),   Kontrola15(d, false),
                                Kontrola16(d, false), Kontrola17(d, false),   Kontrola18(d, false),
                                Kontrola22(d, false), Kontrola22KC(d, false), Kontrola60(d),
                                Kontrola62(d),        Kontrola63(d),          Kontrola64(d),
                                Kontrola66(d),        Kontrola67(d),          Kontrola68(d),
                                Kontrola74(d),        Kontrola91(d),          Kontrola92(d),
                                Kontrola93(d),        Kontrola94(d),          Kontrola95(d),
                                Kontrola96(d),        Kontrola97(d)};
        for (int a = 1; a <= 3; ++a) {
            vysledky << Kontrola19(d, a) << Kontrola20(d, false, a) << Kontrola21(d, false, a)
                     << Kontrola25(d, false, a) << Kontrola28(d, false, a)
                     << Kontrola29(d, false, a) << Kontrola30(d, false, a);
            for (int k = 1; k <= 70; ++k) {
                vysledky << Kontrola23(d, false, a, k) << Kontrola24(d, false, a, k);
                vysledky << (k <= 10 ? Kontrola27(d, a, k) : Kontrola26(d, a, k));
            }
        }
        QVERIFY(!vysledky.contains(false));
        QCOMPARE(p.v.VetaTS.SeznamChyb, QString());
        QVERIFY(!p.stav.JsouChyby && !p.stav.JsouPropustitelne && !p.stav.JsouUpozorneni);
        QCOMPARE(p.prot.Pocet(), 0);
    }

    void oznacChybu_data()
    {
        QTest::addColumn<QStringList>("kody");
        QTest::addColumn<QString>("seznam");
        QTest::addColumn<QList<bool>>("druhy"); // blocking, passable, warning
        QTest::newRow("dvakrat 22")
            << QStringList{u"22"_s, u"22"_s} << u"22"_s << QList<bool>{true, false, false};
        QTest::newRow("08 a 97") << QStringList{u"08"_s, u"97"_s} << u"0897"_s
                                 << QList<bool>{false, true, true};
        QTest::newRow("12 je propustitelna")
            << QStringList{u"12"_s} << u"12"_s << QList<bool>{false, true, false};
        QTest::newRow("01 blokuje")
            << QStringList{u"01"_s} << u"01"_s << QList<bool>{true, false, false};
        QTest::newRow("39 blokuje")
            << QStringList{u"39"_s} << u"39"_s << QList<bool>{true, false, false};
        QTest::newRow("22 pres hranici") << QStringList{u"02"_s, u"23"_s, u"22"_s} << u"022322"_s
                                         << QList<bool>{true, false, false};
        QTest::newRow("23 pres hranici") << QStringList{u"02"_s, u"30"_s, u"23"_s, u"23"_s}
                                         << u"02302323"_s << QList<bool>{true, false, false};
        QTest::newRow("22 na hranici") << QStringList{u"12"_s, u"22"_s, u"22"_s} << u"122222"_s
                                       << QList<bool>{true, true, false};
        QStringList mnoho;
        for (int i = 1; i <= 30; ++i)
            mnoho << QStringLiteral("%1").arg(i, 2, 10, QChar(u'0'));
        mnoho << u"91"_s;
        QString prvnich25;
        for (int i = 0; i < 25; ++i)
            prvnich25 += mnoho.at(i);
        QTest::newRow("50 znaku") << mnoho << prvnich25 << QList<bool>{true, true, true};
    }
    void oznacChybu()
    {
        QFETCH(QStringList, kody);
        QFETCH(QList<bool>, druhy);
        QFETCH(QString, seznam);
        TVysledky v;
        TKontrolniStav stav;
        for (const QString &k : kody)
            OznacChybu(v, stav, k, 0);
        QCOMPARE(v.VetaTS.SeznamChyb, seznam);
        QCOMPARE((QList<bool>{stav.JsouChyby, stav.JsouPropustitelne, stav.JsouUpozorneni}), druhy);
    }

    void oznacChybuSekce()
    {
        TVysledky v;
        TKontrolniStav stav;
        OznacChybu(v, stav, u"93", 0);
        OznacChybu(v, stav, u"96", 3);
        QCOMPARE(v.VetaT3.Chyba, 0); // warnings flag no section
        QCOMPARE(v.StranyHL[3].Chyba, 0);
        OznacChybu(v, stav, u"23", 3);
        OznacChybu(v, stav, u"10", 0);
        OznacChybu(v, stav, u"66", -1);
        OznacChybu(v, stav, u"62", 46); // no such section
        QCOMPARE(v.StranyHL[3].Chyba, 1);
        QCOMPARE(v.VetaT3.Chyba, 1);
        QCOMPARE(v.VetaTS.Chyba, 1);
        QCOMPARE(v.StranyHL[2].Chyba, 0);
    }

    void modulo()
    {
        QCOMPARE(KontrolniCislo1(500011, 1), 6);
        QCOMPARE(KontrolniCislo1(554782, 12), 4);
        QCOMPARE(KontrolniCislo1(999999, 99999), (qint64(999999) * 100000 + 99999) % 7);
        QCOMPARE(Modulo(7, -8), -1);
        QVERIFY_THROWS_EXCEPTION(EChyba, Modulo(0, 5));
    }

    void kontrola04VraciKC1()
    {
        TProstredi p;
        p.v.VetaT3.T3KC_1 = 5;
        qint64 kc1 = 0;
        QVERIFY(!Kontrola04(p.d, true, &kc1));
        QCOMPARE(kc1, 6);
        QCOMPARE(p.v.VetaTS.SeznamChyb, QString()); // answer only
        QVERIFY(!p.stav.JsouChyby);
        QVERIFY(!Kontrola04(p.d, false));
        QCOMPARE(p.v.VetaTS.SeznamChyb, u"04"_s);
        QVERIFY(p.stav.JsouChyby);
        QCOMPARE(p.v.VetaT3.Chyba, 1);
    }

    void identifikace()
    {
        TProstredi p;
        p.v.VetaT3.TypZastup = 2;
        QVERIFY(Kontrola02(p.d, false)); // type 1 exists
        QVERIFY(!Kontrola05(p.d, false));
        p.v.VetaT3.Obec = 500012;
        QVERIFY(!Kontrola01(p.d, false));
        QVERIFY(!Kontrola02(p.d, false));
        QCOMPARE(p.v.VetaTS.SeznamChyb, u"050102"_s);
        p.akt.Priznak = u"1"_s;
        QVERIFY(!Kontrola03(p.d, true));
        p.akt.Priznak = u"x"_s;
        QVERIFY_THROWS_EXCEPTION(EChyba, Kontrola03(p.d, true));
    }

    // The percentage warnings around their bars: `seznam` is what the checks in `kontroly`,
    // run in that order, mark. The ratios at exactly a bar are ones binary fractions
    // cannot hold (0.1, 0.9, 0.835, 1.205, f = 1.8): the comparison must be exact.
    void upozorneniNaHranici_data()
    {
        Sloupce<QList<int>, int, int, int, int, QString, int, int, QString>(
            {"kontroly", "zapsano", "vydano", "odevzdano", "platnych", "mandatu", "kandidatu",
             "reference", "seznam"});
        // One row for checks `kontroly` of a record with these counts.
        const auto radek = [](const char *nazev, const QList<int> &kontroly, int zapsano,
                              int vydano, int odevzdano, int platnych, const QString &mandatu,
                              int kandidatu, int reference, const QString &seznam) {
            QTest::newRow(nazev) << kontroly << zapsano << vydano << odevzdano << platnych
                                 << mandatu << kandidatu << reference << seznam;
        };
        const auto r92 = [&](const char *nazev, int vydano, int odevzdano, const QString &seznam) {
            radek(nazev, {92}, 1000, vydano, odevzdano, 0, u"15"_s, 30, 0, seznam);
        };
        r92("92: 80 %, 40 missing", 200, 160, u"92"_s);
        r92("92: 80,5 %", 200, 161, u""_s);
        r92("92: 94,5 %", 200, 189, u""_s);
        r92("92: 80 %, 10 missing", 50, 40, u""_s);
        r92("92: 80 %, 11 missing", 55, 44, u"92"_s);
        r92("92: 452 z 565 = 80 %", 565, 452, u"92"_s);
        r92("92: none issued", 0, 0, u""_s);
        r92("92: none returned", 200, 0, u""_s);

        // The share of envelopes issued: 94 under 10 %, 97 over 90 %, 91 all of them.
        const auto podil = [&](const char *nazev, int zapsano, int vydano, const QString &seznam) {
            radek(nazev, {94, 97, 91}, zapsano, vydano, 0, 0, u"15"_s, 30, 0, seznam);
        };
        podil("9,9 %", 1000, 99, u"94"_s);
        podil("10 %", 1000, 100, u""_s);
        podil("7 z 70 = 10 %", 70, 7, u""_s);
        podil("143 z 1430 = 10 %", 1430, 143, u""_s);
        podil("under 10 %, but 151", 2000, 151, u""_s);
        podil("under 10 %, 150", 2000, 150, u"94"_s);
        podil("90 %", 1000, 900, u""_s);
        podil("27 z 30 = 90 %", 30, 27, u""_s);
        podil("639 z 710 = 90 %", 710, 639, u""_s);
        podil("90,1 %", 1000, 901, u"97"_s);
        podil("all", 10, 10, u"9791"_s);
        podil("no voters", 0, 5, u""_s);
        podil("none issued", 1000, 0, u""_s);

        // With m mandates and k candidates, f = max(1, 2m / k): m x odevzdano x 60 against
        // platnych x f x 100.
        const auto r95 = [&](const char *nazev, int odevzdano, int platnych, const QString &mandatu,
                             int kandidatu, const QString &seznam) {
            radek(nazev, {95}, 1000, 200, odevzdano, platnych, mandatu, kandidatu, 0, seznam);
        };
        r95("95: equal, f 1", 100, 900, u"15"_s, 30, u"95"_s);
        r95("95: one vote more, f 1", 100, 901, u"15"_s, 30, u""_s);
        r95("95: f 1,5 equal", 100, 600, u"15"_s, 20, u"95"_s);
        r95("95: f 1,5 one vote more", 100, 601, u"15"_s, 20, u""_s);
        r95("95: f at least 1", 100, 900, u"15"_s, 300, u"95"_s);
        r95("95: none returned", 0, 0, u"15"_s, 0, u""_s);
        r95("95: m 9, 10 candidates, f 1,8", 51, 153, u"9"_s, 10, u"95"_s);
        r95("95: m 9, 10 candidates, one vote more", 51, 154, u"9"_s, 10, u""_s);
        r95("95: m 4, 5 candidates, f 1,6", 34, 51, u"4"_s, 5, u"95"_s);
        r95("95: m 7, 12 candidates, f 7/6", 15, 54, u"7"_s, 12, u"95"_s);

        const auto r96 = [&](const char *nazev, int zapsano, int reference, bool plati) {
            radek(nazev, {96}, zapsano, 0, 0, 0, u"15"_s, 30, reference,
                  plati ? QString() : u"96"_s);
        };
        r96("96: -15, 99 %", 1000, 1015, true);
        r96("96: 120 %", 1200, 1000, true);
        r96("96: 121 %", 1210, 1000, false);
        r96("96: 120,5 % to even 120", 1205, 1000, true);
        r96("96: 121,5 % to even 122", 1215, 1000, false);
        r96("96: 83,5 % to even 84", 835, 1000, true);
        r96("96: 84,5 % to even 84", 845, 1000, true);
        r96("96: 82,5 % to even 82", 825, 1000, false);
        r96("96: 167 z 200 = 83,5 % to even 84", 167, 200, true);
        r96("96: 241 z 200 = 120,5 % to even 120", 241, 200, true);
        r96("96: 243 z 200 = 121,5 % to even 122", 243, 200, false);
        r96("96: difference -9", 41, 50, true);
        r96("96: difference -10", 40, 50, false);
        r96("96: difference +14", 64, 50, true);
        r96("96: difference +15", 65, 50, false);
        r96("96: no reference", 5000, 0, true);
        r96("96: no voters", 0, 1000, true);
    }
    void upozorneniNaHranici()
    {
        QFETCH(QList<int>, kontroly);
        QFETCH(int, zapsano);
        QFETCH(int, vydano);
        QFETCH(int, odevzdano);
        QFETCH(int, platnych);
        QFETCH(QString, mandatu);
        QFETCH(int, kandidatu);
        QFETCH(int, reference);
        QFETCH(QString, seznam);
        TParametryStanice parametry;
        parametry.PocetMandatu = mandatu;
        TProstredi p(parametry);
        p.NastavR(reference);
        p.ref.PocetPlatnychKand = kandidatu;
        TOkrsekRec &h = p.v.VetaT3;
        h.ZapsOsoby = zapsano;
        h.VydObalky = quint16(vydano);
        h.OdevzdObalky = quint16(odevzdano);
        h.PlatneHlasy = platnych;
        qint32 r = -1;
        const QMap<int, std::function<bool(TDataKontrol &)>> kontrola{
            {91, Kontrola91}, {92, Kontrola92},
            {94, Kontrola94}, {95, Kontrola95},
            {97, Kontrola97}, {96, [&r](TDataKontrol &d) { return Kontrola96(d, &r); }}};
        for (const int k : kontroly)
            QCOMPARE(kontrola.value(k)(p.d), !seznam.contains(QString::number(k)));
        QCOMPARE(p.v.VetaTS.SeznamChyb, seznam);
        if (kontroly.contains(96))
            QCOMPARE(r, reference);
    }

    void kontrola95BezKandidatu()
    {
        TProstredi p;
        p.ref.PocetPlatnychKand = 0;
        QVERIFY_THROWS_EXCEPTION(EChyba, Kontrola95(p.d));
        QCOMPARE(p.v.VetaTS.SeznamChyb, QString());
    }

    void kontrola93()
    {
        TProstredi p;
        p.v.VetaT3.ZapsOsoby = 1999;
        QVERIFY(Kontrola93(p.d));
        p.v.VetaT3.ZapsOsoby = 2000;
        QVERIFY(!Kontrola93(p.d));
        QCOMPARE(p.v.VetaTS.SeznamChyb, u"93"_s);
        QVERIFY(p.stav.JsouUpozorneni && !p.stav.JsouChyby);
        QCOMPARE(p.v.VetaT3.Chyba, 0);
    }

    void oddilIIPropustitelne()
    {
        TProstredi p;
        p.v.VetaT3.ZapsOsoby = 0;
        QVERIFY(!Kontrola06(p.d, true));
        QVERIFY(Kontrola07(p.d, true) && Kontrola91(p.d) && Kontrola94(p.d) && Kontrola96(p.d) &&
                Kontrola97(p.d));
        QVERIFY(!Kontrola08(p.d, false));
        QVERIFY(p.stav.JsouPropustitelne && !p.stav.JsouChyby);
        p.v.VetaT3.OdevzdObalky = 701;
        QVERIFY(!Kontrola10(p.d, true));
        p.v.VetaT3.PlatneHlasy = 15 * 701 + 1;
        QVERIFY(!Kontrola12(p.d, true));
        p.v.VetaT3.PlatneHlasy = 15 * 701;
        QVERIFY(Kontrola12(p.d, true));
    }

    void posledniKandidat()
    {
        TProstredi p;
        TStranaHLRec &s = p.v.StranyHL[2];
        s.HlasyKand[12] = 3;
        s.HLPoslKand = 11;
        int posledni = 0;
        QVERIFY(!Kontrola29(p.d, false, 2, &posledni));
        QCOMPARE(posledni, 12);
        QVERIFY(!Kontrola30(p.d, false, 2)); // party 2 has 10 candidates
        QVERIFY(!Kontrola26(p.d, 2, 12));
        QVERIFY(Kontrola26(p.d, 2, 13));
        QCOMPARE(s.Chyba, 1);
        QCOMPARE(p.v.VetaTS.SeznamChyb, u"293026"_s);
    }

    void platnostKandidata_data()
    {
        QTest::addColumn<QString>("platnost");
        QTest::addColumn<int>("hlasu");
        QTest::addColumn<bool>("plati");
        QTest::newRow("A s hlasy") << u"A"_s << 5 << true;
        QTest::newRow("N bez hlasu") << u"N"_s << 0 << true;
        QTest::newRow("N s hlasem") << u"N"_s << 1 << false;
        QTest::newRow("jina bez hlasu") << u"X"_s << 0 << false;
        QTest::newRow("prazdna") << QString() << 0 << false;
    }
    void platnostKandidata()
    {
        QFETCH(QString, platnost);
        QFETCH(int, hlasu);
        QFETCH(bool, plati);
        TProstredi p;
        p.ref.Kandidati[1][4].Platnost = platnost;
        p.v.StranyHL[1].HlasyKand[4] = quint16(hlasu);
        QCOMPARE(Kontrola27(p.d, 1, 4), plati);
    }

    void soucty()
    {
        TProstredi p;
        TStranaHLRec &s = p.v.StranyHL[1];
        s.HlasyKand[1] += 1;
        qint64 soucet = 0, hodnota = 0;
        QVERIFY(!Kontrola25(p.d, true, 1, &soucet));
        QCOMPARE(soucet, s.PocHl + 1);
        QVERIFY(Kontrola28(p.d, true, 1, &hodnota));
        QCOMPARE(hodnota, s.PocHl + 1);
        p.v.VetaT3.ZapsOsoby += 1;
        QVERIFY(!Kontrola18(p.d, true, &soucet));
        QCOMPARE(soucet, qint64(p.v.VetaT3.T3KC_2) + 1);
        s.PocHl += 1;
        QVERIFY(!Kontrola22(p.d, true));
        QVERIFY(Kontrola22KC(p.d, true)); // the control numbers still add up
        s.HLKC2 += 1;
        QVERIFY(!Kontrola22KC(p.d, true));
        QVERIFY(Kontrola23(p.d, true, 1, 1));
        s.HlasyKand[2] = 691;
        QVERIFY(!Kontrola24(p.d, true, 1, 2));
        QVERIFY(Kontrola21(p.d, true, 1));
        QCOMPARE(p.v.VetaTS.SeznamChyb, QString());
    }

    void vetyPridavajiSamy()
    {
        TProstredi p;
        p.v.VetaT3.TypVety = 5;
        p.v.StranyHL[2].TypVety = 0;
        p.v.VetaTS.TypVety = 0;
        p.v.StranyHL[3].Oprava = 2;
        p.v.VetaTS.Chyba = 7;
        p.v.VetaTS.ZpusobPorizeni = 2;
        // 64 first: the marks of 62 and 63 set the flags it inspects to 1.
        QVERIFY(!Kontrola64(p.d));
        QVERIFY(!Kontrola62(p.d));
        QVERIFY(!Kontrola63(p.d));
        QVERIFY(!Kontrola74(p.d));
        QStringList klice;
        for (qsizetype i = 0; i < p.prot.Pocet(); ++i)
            klice << p.prot.VratChybu(i).AsString();
        QCOMPARE(klice, (QStringList{u" 062(T3)"_s, u" 062(TS)"_s, u" 064"_s, u" 074"_s, u" 262"_s,
                                     u" 363"_s}));
        QCOMPARE(p.v.VetaT3.Chyba, 1);
        QCOMPARE(p.v.StranyHL[2].Chyba, 1);
        QCOMPARE(p.v.StranyHL[3].Chyba, 1);
        QCOMPARE(p.v.VetaTS.Chyba, 1);
        QCOMPARE(p.v.VetaTS.SeznamChyb, u"64626374"_s);
    }

    void kontrolniSouctyTS()
    {
        TProstredi p;
        p.v.VetaTS.SoucetKC1 += 1;
        p.v.VetaTS.SoucetKC2 += 0.5;
        p.v.StranyHL[1].HLKS += 1;
        QVERIFY(!Kontrola66(p.d));
        QVERIFY(!Kontrola67(p.d));
        QVERIFY(!Kontrola68(p.d));
        QCOMPARE(p.prot.Pocet(), 0); // the run enters these
        QCOMPARE(p.v.VetaTS.Chyba, 1);
        QCOMPARE(p.v.VetaT3.Chyba, 0);
    }

    void pocetStranSHlasy()
    {
        TProstredi p;
        p.v.VetaT3.Poc_VS_HL = 2;
        QVERIFY(!Kontrola60(p.d));
        QCOMPARE(p.prot.Pocet(), 1);
        QCOMPARE(p.prot.VratChybu(0).Chyba, 60);
        // A party counts when it has votes or a last candidate.
        p.v.VetaT3.Poc_VS_HL = 3;
        p.v.StranyHL[1].PocHl = 0;
        QVERIFY(Kontrola60(p.d));
    }
};

QTEST_GUILESS_MAIN(TestKontroly)
#include "TestKontroly.moc"
