// The check run and the check command on a small station on disk.
#include "Dotaznik.h"
#include "EChyba.h"
#include "KontrolniBeh.h"
#include "SouboryTestu.h"
#include "StaniceSDaty.h"
#include "Zaznam.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct TZkouska : TStaniceSDaty<>
{
    explicit TZkouska(const TParametryStanice &p = {}) : TStaniceSDaty(p)
    {
        TiskProtokolu = [this] { ++tisku; };
    }
    bool Existuje(const QString &prefix) const { return QFileInfo(Soubor(prefix)).isFile(); }
    TVysledky Nacti(const QString &prefix) const
    {
        TVysledky vv;
        NactiOkrsek(Adresare, KlicOkrsku(), prefix, vv);
        return vv;
    }
    // "party chyba param" of every entry, in protocol order.
    QStringList Protokol() const
    {
        QStringList r;
        for (qsizetype i = 0; i < ProtokolChyb.Pocet(); ++i) {
            const TChyba &c = ProtokolChyb.VratChybu(i);
            r << QStringLiteral("%1 %2 %3").arg(c.Por_Str_HL).arg(c.Chyba).arg(c.Param).trimmed();
        }
        return r;
    }
    void NastavR(qint32 r)
    {
        TVoliciRefRec z;
        z.KodObce = u"500011"_s;
        z.CisloOkrsku = 1;
        z.ZapsOsobyRef = r;
        Soubory::UlozAtomicky(Adresare.AdrInstalace + u"KVRVOK.RCD"_s, ZakodujVoliceRef(z));
    }

    int tisku = 0;
};

} // namespace

class TestKontrolniBeh : public QObject
{
    Q_OBJECT

private slots:
    void platnaDataJakoO()
    {
        TZkouska z;
        z.Uloz(PlatnyOkrsek());
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(z.Protokol(), QStringList());
        QVERIFY(z.KontrolyOK && z.ExportOK && z.DataOK);
        QCOMPARE(z.Vybrano, 5);
        QCOMPARE(z.tisku, 1);
        QVERIFY(z.Existuje(u"O"_s));
        QVERIFY(!z.Existuje(u"E"_s));
        QCOMPARE(NactiStanici(z.Adresare.AdrStanice).Stav1, u"N"_s);
        const TVysledky ulozeno = z.Nacti(u"O"_s);
        QCOMPARE(ulozeno.VetaTS.ZpusobPorizeni, 1);
        QCOMPARE(ulozeno.VetaTS.SeznamChyb.trimmed(), QString());
        QCOMPARE(ulozeno.VetaTS.KodWindowsTS, 18);
    }

    // Passable errors and warnings keep the data exportable.
    void propustitelneAUpozorneni()
    {
        TZkouska z;
        TVysledky v = PlatnyOkrsek(3, 10, 310);
        v.VetaT3.VydObalky = 1001;
        v.VetaT3.OdevzdObalky = 1000;
        Dopocti(v, 3);
        z.Uloz(v, u"O"_s);
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(z.Protokol(), (QStringList{u"0 8"_s, u"0 97"_s}));
        QCOMPARE(z.Vysledky.VetaTS.SeznamChyb, u"0897"_s);
        QVERIFY(z.KontrolyOK && z.ExportOK);
        QVERIFY(z.Stav.JsouPropustitelne && z.Stav.JsouUpozorneni && !z.Stav.JsouChyby);
        QVERIFY(z.Existuje(u"O"_s));
        QVERIFY(!z.Existuje(u"E"_s));
        QCOMPARE(z.Nacti(u"O"_s).VetaT3.Chyba, 1);
    }

    // Candidates 5 and 12 of party 3 above the party's votes: text order, 12 first.
    void blokujiciChyba()
    {
        TParametryStanice p;
        p.PocetKand = 15;
        TZkouska z(p);
        TVysledky v = PlatnyOkrsek(3, 15, 150);
        v.StranyHL[3].HlasyKand[5] = v.StranyHL[3].HlasyKand[12] = 600;
        v.VetaT3.PlatneHlasy = 2 * 15 * 150 + 13 * 150 + 1200;
        v.StranyHL[2].Chyba = 1; // stale flag from an earlier run
        Dopocti(v, 3);
        v.StranyHL[3].PocHl = 500;
        z.Uloz(v, u"O"_s);
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(z.Protokol(), (QStringList{u"0 22"_s, u"3 23 (kand. č. 12)"_s,
                                            u"3 23 (kand. č. 5)"_s, u"3 25"_s, u"3 28"_s}));
        QCOMPARE(z.Vysledky.VetaTS.SeznamChyb, u"22232528"_s);
        QVERIFY(!z.KontrolyOK && !z.ExportOK);
        QVERIFY(!z.Existuje(u"O"_s));
        QVERIFY(z.Existuje(u"E"_s));
        const TVysledky ulozeno = z.Nacti(u"E"_s);
        QCOMPARE(ulozeno.StranyHL[3].Chyba, 1);
        QCOMPARE(ulozeno.StranyHL[2].Chyba, 0);
        QCOMPARE(ulozeno.VetaT3.Chyba, 1);
    }

    void referenceVolicu_data()
    {
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("zapsano");
        QTest::addColumn<QStringList>("protokol");
        QTest::newRow("bez reference") << 0 << 2500 << QStringList{u"0 93"_s};
        QTest::newRow("96 projde") << 2480 << 2500 << QStringList();
        QTest::newRow("96 i 93") << 2000 << 2500 << QStringList{u"0 93"_s, u"0 96 (2000)"_s};
        QTest::newRow("96 bez 93") << 1000 << 1210 << QStringList{u"0 96 (1000)"_s};
    }
    void referenceVolicu()
    {
        QFETCH(int, reference);
        QFETCH(int, zapsano);
        QFETCH(QStringList, protokol);
        TZkouska z;
        z.NastavR(reference);
        TVysledky v = PlatnyOkrsek();
        v.VetaT3.ZapsOsoby = zapsano;
        Dopocti(v, 3);
        z.Uloz(v);
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(z.Protokol(), protokol);
        QVERIFY(z.Existuje(u"O"_s));
    }

    void komise_data()
    {
        QTest::addColumn<QString>("celkem");
        QTest::addColumn<QString>("pritomno");
        QTest::addColumn<QStringList>("jmena");
        QTest::addColumn<QString>("zapisovatel");
        QTest::addColumn<QString>("povereny");
        QTest::addColumn<QString>("obec");
        QTest::addColumn<QString>("text");
        const QString z = u"Zapisovatel"_s, p = u"Pověřený"_s, o = u"500011"_s;
        const QString np = u"Nalezené problémy: "_s;
        QTest::newRow("uplna") << u"7"_s << u"5"_s << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s}
                               << z << p << o << np;
        QTest::newRow("priklad") << u"7"_s << u"3"_s << QStringList{u"A"_s, u"B"_s} << QString()
                                 << p << o
                                 << np + u"počet přítomných členů není nadpoloviční většina, "
                                         "není vyplněno jméno zapisovatele komise"_s;
        QTest::newRow("pritomen 1") << u"1"_s << u"1"_s << QStringList() << z << p << o
                                    << np + u"není vyplněno jméno ostatního člena komise"_s;
        QTest::newRow("nic") << u" "_s << QString() << QStringList() << z << p << o
                             << np + u"není vyplněn počet členů komise celkem, "
                                     "není vyplněn počet přítomných členů komise"_s;
        QTest::newRow("vic nez celkem")
            << u"5"_s << u"6"_s << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s} << z << p
            << o << np + u"počet přítomných členů > než celkový počet"_s;
        QTest::newRow("presne polovina")
            << u"6"_s << u"3"_s << QStringList{u"A"_s, u"B"_s} << z << p << o
            << np + u"počet přítomných členů není nadpoloviční většina"_s;
        QTest::newRow("jmena chybi v souboru")
            << u"7"_s << u"5"_s << QStringList{u"A"_s} << z << p << o
            << np + u"není vyplněno jméno ostatního člena komise"_s;
        QTest::newRow("prazdne jmeno")
            << u"7"_s << u"4"_s << QStringList{u"A"_s, u"  "_s, QString()} << z << p << o
            << np + u"není vyplněno jméno ostatního člena komise"_s;
        QTest::newRow("999997 bez povereneho")
            << u"7"_s << u"4"_s << QStringList{u"A"_s, u"B"_s, u"C"_s} << z << QString()
            << u"999997"_s << np;
        QTest::newRow("bez povereneho")
            << u"7"_s << u"4"_s << QStringList{u"A"_s, u"B"_s, u"C"_s} << z << u" "_s << o
            << np + u"není vyplněno jméno pověřené osoby"_s;
    }
    void komise()
    {
        QFETCH(QString, celkem);
        QFETCH(QString, pritomno);
        QFETCH(QString, zapisovatel);
        QFETCH(QString, povereny);
        QFETCH(QStringList, jmena);
        QFETCH(QString, text);
        QFETCH(QString, obec);
        THlasovaniRec h;
        h.ClenuOVKC = celkem;
        h.ClenuOVKP = pritomno;
        h.Zapisovat = zapisovatel;
        h.PoverPred = povereny;
        QList<TKomise> komise;
        for (const QString &j : jmena)
            komise.append({j});
        TKontrolniStav stav;
        TVysledky v;
        QCOMPARE(KontrolaKomise(h, komise, obec, stav, v), text.endsWith(u": "_s));
        QCOMPARE(stav.ProblemyKomise, text);
        QCOMPARE(v.VetaTS.SeznamChyb, text.endsWith(u": "_s) ? QString() : u"39"_s);
    }

    void komiseVBehu()
    {
        TZkouska z;
        THlasovaniRec h = NactiHlasovani(z.Adresare.AdrData);
        h.ClenuOVKP = u"6"_s; // five names needed, the file holds four
        UlozHlasovani(z.Adresare.AdrData, h);
        z.Uloz(PlatnyOkrsek());
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(
            z.Protokol(),
            QStringList{u"0 39 Nalezené problémy: není vyplněno jméno ostatního člena komise"_s});
        QCOMPARE(z.ProtokolChyb.VratHlaskuParam(0),
                 u"Oddíl III (komise) není vyplněn správně. Nalezené problémy: není vyplněno jméno "
                 "ostatního člena komise"_s);
        QVERIFY(z.Existuje(u"E"_s));
    }

    void exportovanaDataSeNejdrivPtaji()
    {
        TZkouska z;
        TStaniceRec s = z.Stanice;
        ZapisStavExportu(z.Adresare.AdrStanice, 1, u"A"_s, s);
        z.Stanice = s;
        z.Uloz(PlatnyOkrsek(), u"O"_s);
        const QByteArray pred = Obsah(z.Soubor(u"O"_s));
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Zruseno); // nothing queued: No
        QCOMPARE(z.Dotaznik().Zpravy.size(), 1);
        QCOMPARE(z.Dotaznik().Zpravy.at(0).Titulek, u"Vstup dat za okrsek"_s);
        QCOMPARE(z.Dotaznik().Zpravy.at(0).Ikona, TIkona::Otazka);
        QCOMPARE(z.Dotaznik().Zpravy.at(0).Text,
                 u"Data okrsku byla již vyexportována.\nV případě opakovaných kontrol budete muset "
                 u"zopakovat "
                 "export dat i tisk zápisu.\nChcete opravdu znovu zkontrolovat data?"_s);
        QCOMPARE(Obsah(z.Soubor(u"O"_s)), pred);
        QCOMPARE(NactiStanici(z.Adresare.AdrStanice).Stav1, u"A"_s);
        QCOMPARE(z.tisku, 0);

        z.Dotaznik().ZaradOdpoved(TOdpoved::Ano);
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(NactiStanici(z.Adresare.AdrStanice).Stav1, u"N"_s);
        QCOMPARE(z.Stanice.Stav1, u"N"_s);
    }

    void dataNejsouPorizena()
    {
        TZkouska z;
        z.DataOK = true;
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::DataNejsou);
        QVERIFY(!z.DataOK);
        QCOMPARE(z.Dotaznik().Zpravy.size(), 1);
        QCOMPARE(z.Dotaznik().Zpravy.at(0).Text, u"Data nejsou pořízena!!!"_s);
        QCOMPARE(z.Dotaznik().Zpravy.at(0).Titulek, u"Kontrola dat"_s);
        QCOMPARE(z.Dotaznik().Zpravy.at(0).Ikona, TIkona::Varovani);
    }

    // The key missing from OKRSKY.RCD must not store the emptied record.
    void okrsekNeniVCiselniku()
    {
        TZkouska z;
        z.Stanice.CisloOkrsku = 2;
        TOkrsekRefRec klic = KlicOkrsku();
        klic.CisloOkrsku = 2;
        UlozOkrsek(z.Adresare, klic, u"E"_s, PlatnyOkrsek());
        const QString soubor = JmenoSouboruOkrsku(z.Adresare, klic, u"E"_s);
        const QByteArray pred = Obsah(soubor);
        z.KontrolyOK = true;
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::OkrsekNenalezen);
        QCOMPARE(Obsah(soubor), pred);
        QVERIFY(!QFileInfo(JmenoSouboruOkrsku(z.Adresare, klic, u"O"_s)).exists());
        QVERIFY(z.KontrolyOK); // flags keep their values
        QCOMPARE(z.Dotaznik().Zpravy.size(), 1);
        QVERIFY(z.Dotaznik().Zpravy.at(0).Text.contains(u"OKRSKY.RCD"_s));
        QCOMPARE(z.Vysledky.VetaT3, TOkrsekRec{});
        QCOMPARE(NactiStanici(z.Adresare.AdrStanice).Stav1, QString());
    }

    void poskozenySouborZustane()
    {
        TZkouska z;
        Soubory::UlozAtomicky(z.Soubor(u"E"_s), QByteArray("toto neni soubor vysledku"));
        const QByteArray pred = Obsah(z.Soubor(u"E"_s));
        QVERIFY_THROWS_EXCEPTION(EChyba, KontrolaDat(z));
        QCOMPARE(Obsah(z.Soubor(u"E"_s)), pred);
        QVERIFY(!z.Existuje(u"O"_s));
        QCOMPARE(NactiStanici(z.Adresare.AdrStanice).Stav1, QString());
    }

    void bezPlatnychKandidatu()
    {
        TZkouska z;
        QByteArray kandidati;
        const QList<QByteArray> zaznamy =
            Zaznam::NactiZaznamy(z.Adresare.AdrStanice + u"KANDIDAT.RCD"_s, TKandidatRec::Velikost);
        for (const QByteArray &b : zaznamy) {
            TKandidatRec k = DekodujKandidata(b);
            k.Platnost = u"N"_s;
            kandidati += ZakodujKandidata(k);
        }
        Soubory::UlozAtomicky(z.Adresare.AdrStanice + u"KANDIDAT.RCD"_s, kandidati);
        z.Uloz(PlatnyOkrsek());
        const QByteArray pred = Obsah(z.Soubor(u"E"_s));
        try {
            KontrolaDat(z);
            QFAIL("no error");
        } catch (const EChyba &e) {
            QVERIFY(e.zprava().contains(u"KANDIDAT.RCD"_s));
        }
        QCOMPARE(Obsah(z.Soubor(u"E"_s)), pred);
    }

    // The export flow's run (Vybrano 3) prints nothing and keeps the section flags.
    void behExportu()
    {
        TZkouska z;
        TVysledky v = PlatnyOkrsek();
        v.StranyHL[2].Chyba = 1;
        z.Uloz(v, u"O"_s);
        z.AktOkrsek = KlicOkrsku();
        z.Vybrano = 3;
        QVERIFY(Kontroly(z));
        QCOMPARE(z.tisku, 0);
        QCOMPARE(z.Vysledky.StranyHL[2].Chyba, 1);
        QVERIFY(z.KontrolyOK);
        z.Vybrano = 5;
        QVERIFY(Kontroly(z));
        QCOMPARE(z.Vysledky.StranyHL[2].Chyba, 0);
        QCOMPARE(z.tisku, 1);
    }

    void dopoctiTS()
    {
        TVysledky v = PlatnyOkrsek();
        TStaniceRec s;
        s.KodWindows = u"18"_s;
        v.VetaTS.SeznamChyb = u"0897"_s;
        ProcDopoctiTS(v, 3, s, QDateTime(QDate(2026, 10, 10), QTime(1, 2, 3)), 77);
        QCOMPARE(v.VetaTS.DatumPorizeni, u"20261010"_s);
        QCOMPARE(v.VetaTS.CasPorizeni, u"010203"_s);
        QCOMPARE(v.VetaTS.SeznamChyb, u"0897"_s);
        QCOMPARE(v.VetaTS.T3KC_1, 6);
        QCOMPARE(v.VetaTS.SoucetKC1, 6.0 * 5);
        QCOMPARE(v.VetaTS.KontrSoucetTS, 20261010.0 + v.VetaTS.SoucetKC1 + v.VetaTS.SoucetKC2 +
                                             v.VetaTS.SoucetKS + 10203.0 + 77);
        s.KodWindows = u"x"_s;
        QVERIFY_THROWS_EXCEPTION(EChyba, ProcDopoctiTS(v, 3, s));
    }
};

QTEST_GUILESS_MAIN(TestKontrolniBeh)
#include "TestKontrolniBeh.moc"
