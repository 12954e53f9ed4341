// The check run and the check command on a small station on disk.
#include "Dotaznik.h"
#include "EChyba.h"
#include "KontrolniBeh.h"
#include "Preklepy.h"
#include "Sloupce.h"
#include "SouboryTestu.h"
#include "StaniceSDaty.h"
#include "Vysvetleni.h"
#include "Zaznam.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>

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

// One slip of a typist applied to a true value: the typed value, or -1 when this
// slip cannot change the value (or would not fit the field).
qint64 Preklepni(qint64 hodnota, TPreklep druh, QRandomGenerator &nahoda, qint64 nejvic)
{
    QString s = QString::number(hodnota);
    const auto i = qsizetype(nahoda.bounded(int(s.size())));
    auto jinaCislice = [&](QChar c, bool prvni) {
        QChar n = c;
        while (n == c || (prvni && n == u'0' && s.size() > 1))
            n = QChar(u'0' + nahoda.bounded(10));
        return n;
    };
    switch (druh) {
    case TPreklep::Zdvojena:
        s.insert(i, s.at(i));
        break;
    case TPreklep::Vynechana:
        s.remove(i, 1);
        break;
    case TPreklep::PrvniCislice:
        s[0] = jinaCislice(s.at(0), true);
        break;
    case TPreklep::JinaCislice:
        s[i] = jinaCislice(s.at(i), i == 0);
        break;
    case TPreklep::Prohozeni:
        if (i + 1 >= s.size() || s.at(i) == s.at(i + 1) || (i == 0 && s.at(1) == u'0'))
            return -1;
        std::swap(s[i], s[i + 1]);
        break;
    case TPreklep::Zadny:
        return -1;
    }
    const qint64 typovano = s.toLongLong();
    return typovano == hodnota || typovano > nejvic ? -1 : typovano;
}

// Votes of a realistic precinct: each party has its level, its candidates scatter
// around it; the counts of section II fit them.
TVysledky NahodnyOkrsek(const QList<int> &kandidatu, QRandomGenerator &nahoda)
{
    TVysledky v = PlatnyOkrsek(int(kandidatu.size()), 0, 0);
    qint64 soucet = 0;
    for (int a = 1; a <= int(kandidatu.size()); ++a) {
        const double uroven = 3 + nahoda.bounded(100);
        for (int k = 1; k <= kandidatu.at(a - 1); ++k) {
            const double rozptyl = std::exp((nahoda.generateDouble() - 0.5) * 0.9);
            const auto hlasy = quint16(std::lround(uroven * rozptyl * (k == 1 ? 1.8 : 1.0)));
            v.StranyHL[std::size_t(a)].HlasyKand[std::size_t(k)] = hlasy;
            soucet += hlasy;
        }
    }
    TOkrsekRec &h = v.VetaT3;
    h.PlatneHlasy = qint32(soucet);
    h.OdevzdObalky = quint16(soucet / 11 + 1);
    h.VydObalky = quint16(h.OdevzdObalky + nahoda.bounded(5));
    h.ZapsOsoby = qint32(h.VydObalky / 0.65);
    return v;
}

} // namespace

class TestKontrolniBeh : public QObject
{
    Q_OBJECT

private slots:
    // A check run over stored data: what it reports, marks and stores. Data that may be
    // exported (passable errors and warnings too) are stored as "O", others as "E".
    void behUlozi_data()
    {
        using P = std::function<void(TZkouska &)>;
        Sloupce<int, P, QStringList, QString, QList<bool>, QString, QStringList>(
            {"kandidatu", "priprava", "protokol", "seznam", "druhy", "ulozeno", "oznaceno"});
        const QList<bool> bez{false, false, false}, upozorneni{false, false, true};
        QTest::newRow("valid data") << 10 << P([](TZkouska &z) { z.Uloz(PlatnyOkrsek()); })
                                    << QStringList() << QString() << bez << u"O"_s << QStringList();
        QTest::newRow("passable error and warning") << 10 << P([](TZkouska &z) {
            TVysledky v = PlatnyOkrsek(3, 10, 310);
            v.VetaT3.VydObalky = 1001;
            v.VetaT3.OdevzdObalky = 1000;
            Dopocti(v, 3);
            z.Uloz(v, u"O"_s);
        }) << QStringList{u"0 8"_s, u"0 97"_s} << u"0897"_s
                                                    << QList<bool>{false, true, true} << u"O"_s
                                                    << QStringList{u"T3"_s};
        // Candidates 5 and 12 of party 3 above the party's votes: text order, 12 first;
        // party 2's stale flag from an earlier run goes.
        QTest::newRow("blocking error") << 15 << P([](TZkouska &z) {
            TVysledky v = PlatnyOkrsek(3, 15, 150);
            v.StranyHL[3].HlasyKand[5] = v.StranyHL[3].HlasyKand[12] = 600;
            v.VetaT3.PlatneHlasy = 2 * 15 * 150 + 13 * 150 + 1200;
            v.StranyHL[2].Chyba = 1;
            Dopocti(v, 3);
            v.StranyHL[3].PocHl = 500;
            z.Uloz(v, u"O"_s);
        })
                                        << QStringList{u"0 22"_s, u"3 23 (kand. č. 12)"_s,
                                                       u"3 23 (kand. č. 5)"_s, u"3 25"_s, u"3 28"_s}
                                        << u"22232528"_s << QList<bool>{true, false, false}
                                        << u"E"_s << QStringList{u"T3"_s, u"S3"_s};
        // The voters' reference R against the registered voters.
        const auto volici = [](int reference, int zapsano) {
            return P([=](TZkouska &z) {
                z.NastavR(reference);
                TVysledky v = PlatnyOkrsek();
                v.VetaT3.ZapsOsoby = zapsano;
                Dopocti(v, 3);
                z.Uloz(v);
            });
        };
        QTest::newRow("no reference") << 10 << volici(0, 2500) << QStringList{u"0 93"_s} << u"93"_s
                                      << upozorneni << u"O"_s << QStringList();
        QTest::newRow("96 passes") << 10 << volici(2480, 2500) << QStringList() << QString() << bez
                                   << u"O"_s << QStringList();
        QTest::newRow("96 and 93")
            << 10 << volici(2000, 2500) << QStringList{u"0 93"_s, u"0 96 (2000)"_s} << u"9693"_s
            << upozorneni << u"O"_s << QStringList();
        QTest::newRow("96 without 93") << 10 << volici(1000, 1210) << QStringList{u"0 96 (1000)"_s}
                                       << u"96"_s << upozorneni << u"O"_s << QStringList();
    }
    void behUlozi()
    {
        QFETCH(int, kandidatu);
        QFETCH(std::function<void(TZkouska &)>, priprava);
        QFETCH(QStringList, protokol);
        QFETCH(QString, seznam);
        QFETCH(QList<bool>, druhy); // blocking, passable, warning
        QFETCH(QString, ulozeno);
        QFETCH(QStringList, oznaceno);
        TParametryStanice p;
        p.PocetKand = kandidatu;
        TZkouska z(p);
        priprava(z);
        QCOMPARE(KontrolaDat(z), TVysledekKontroly::Provedeno);
        QCOMPARE(z.Protokol(), protokol);
        QCOMPARE(z.Vysledky.VetaTS.SeznamChyb, seznam);
        QCOMPARE((QList<bool>{z.Stav.JsouChyby, z.Stav.JsouPropustitelne, z.Stav.JsouUpozorneni}),
                 druhy);
        const bool vporadku = ulozeno == u"O";
        QVERIFY(z.KontrolyOK == vporadku && z.ExportOK == vporadku && z.DataOK);
        QCOMPARE(z.Vybrano, 5);
        QCOMPARE(z.tisku, 1);
        QVERIFY(z.Existuje(ulozeno));
        QVERIFY(!z.Existuje(vporadku ? u"E"_s : u"O"_s));
        QCOMPARE(NactiStanici(z.Adresare.AdrStanice).Stav1, u"N"_s);
        const TVysledky v = z.Nacti(ulozeno);
        QCOMPARE(v.VetaTS.ZpusobPorizeni, 1);
        QCOMPARE(v.VetaTS.KodWindowsTS, 18);
        QCOMPARE(v.VetaTS.SeznamChyb.trimmed(), seznam);
        QStringList oddily;
        if (v.VetaT3.Chyba)
            oddily << u"T3"_s;
        for (int a = 1; a <= MaxStran; ++a) {
            if (v.StranyHL[a].Chyba)
                oddily << u"S%1"_s.arg(a);
        }
        QCOMPARE(oddily, oznaceno);
    }

    void komise_data()
    {
        Sloupce<QString, QString, QStringList, QString, QString, QString, QString>(
            {"celkem", "pritomno", "jmena", "zapisovatel", "povereny", "obec", "text"});
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

    // Seeded single slips on precincts of parties of 1, 34, 35 and 70 candidates: the
    // explanation carries the clashing numbers; the hint names the mistyped field
    // (recall) and rarely names a wrong one alone (precision). Prints the figures.
    void preklepyANapoveda()
    {
        TParametryStanice p;
        p.PocetStran = 4;
        p.KandidatuStran = {1, 34, 35, 70};
        p.PocetMandatu = u"15"_s;
        TZkouska z(p);
        using TDruh = TPoleDat::TDruh;
        struct TRada
        {
            bool kandidat;
            TPreklep druh;
            int pripadu = 0, zjisteno = 0, pojmenovano = 0, trefa = 0, prvni = 0;
        };
        QList<TRada> rady;
        for (TPreklep d : {TPreklep::Zdvojena, TPreklep::Vynechana, TPreklep::PrvniCislice})
            rady.append({true, d});
        for (TPreklep d :
             {TPreklep::JinaCislice, TPreklep::Prohozeni, TPreklep::Vynechana, TPreklep::Zdvojena})
            rady.append({false, d});

        quint32 seminko = 23;
        for (TRada &r : rady) {
            for (int opakovani = 0; opakovani < 40; ++opakovani) {
                QRandomGenerator nahoda(++seminko);
                TVysledky v = NahodnyOkrsek(p.KandidatuStran, nahoda);
                // Written plainly: a synced save per slip would only slow the test.
                TVoliciRefRec ref;
                ref.KodObce = u"500011"_s;
                ref.CisloOkrsku = 1;
                ref.ZapsOsobyRef = v.VetaT3.ZapsOsoby + nahoda.bounded(-5, 11);
                QFile kvrvok(z.Adresare.AdrInstalace + u"KVRVOK.RCD"_s);
                QVERIFY(kvrvok.open(QIODevice::WriteOnly) &&
                        kvrvok.write(ZakodujVoliceRef(ref)) == TVoliciRefRec::Velikost);
                kvrvok.close();
                TPoleDat pole;
                for (int pokus = 0; pokus < 50 && pole.Druh == TDruh::Zadne; ++pokus) {
                    if (r.kandidat) {
                        const int a = opakovani % 4 + 1;
                        const int k = 1 + nahoda.bounded(p.KandidatuStran.at(a - 1));
                        quint16 &hlasy = v.StranyHL[std::size_t(a)].HlasyKand[std::size_t(k)];
                        const qint64 typ = Preklepni(hlasy, r.druh, nahoda, 9999);
                        if (typ >= 0) {
                            hlasy = quint16(typ);
                            pole = {TDruh::Kandidat, a, k};
                        }
                    } else {
                        TOkrsekRec &h = v.VetaT3;
                        const TDruh druhy[] = {TDruh::ZapsOsoby, TDruh::VydObalky,
                                               TDruh::OdevzdObalky, TDruh::PlatneHlasy};
                        const TDruh d = druhy[opakovani % 4];
                        const qint64 puvodni = d == TDruh::ZapsOsoby      ? h.ZapsOsoby
                                               : d == TDruh::VydObalky    ? h.VydObalky
                                               : d == TDruh::OdevzdObalky ? h.OdevzdObalky
                                                                          : h.PlatneHlasy;
                        const qint64 nejvic = d == TDruh::ZapsOsoby     ? 99999
                                              : d == TDruh::PlatneHlasy ? 999999
                                                                        : 9999;
                        const qint64 typ = Preklepni(puvodni, r.druh, nahoda, nejvic);
                        if (typ < 0)
                            continue;
                        (d == TDruh::ZapsOsoby      ? h.ZapsOsoby = qint32(typ)
                         : d == TDruh::VydObalky    ? h.VydObalky = quint16(typ)
                         : d == TDruh::OdevzdObalky ? h.OdevzdObalky = quint16(typ)
                                                    : h.PlatneHlasy = qint32(typ));
                        pole = {d};
                    }
                }
                if (pole.Druh == TDruh::Zadne)
                    continue; // a count of four digits cannot take a fifth

                Dopocti(v, 4);
                z.AktOkrsek = KlicOkrsku();
                QVERIFY(NajdiOkrsek(z.Adresare, z.AktOkrsek));
                z.Vysledky = v;
                ProvedKontroly(z);

                ++r.pripadu;
                const QList<TNavrh> navrhy = NavrhyBehu(z);
                QList<TPoleDat> jmenovana;
                bool zjisteno = false;
                for (qsizetype i = 0; i < z.ProtokolChyb.Pocet(); ++i) {
                    const TChyba &c = z.ProtokolChyb.VratChybu(i);
                    zjisteno = zjisteno || c.Chyba < 39 || c.Chyba == 96;
                    if (c.Chyba == 22) {
                        const QString text = Vysvetli(z.ProtokolChyb.VratOperandy(i));
                        QVERIFY2(text.contains(CisloTextem(z.Vysledky.VetaT3.PlatneHlasy)),
                                 qPrintable(text));
                    }
                    const QList<TNavrh> kChybe =
                        NavrhyKChybe(navrhy, c, z.ProtokolChyb.VratOperandy(i));
                    for (const TNavrh &n : kChybe) {
                        if (!jmenovana.contains(n.Pole))
                            jmenovana.append(n.Pole);
                    }
                    QVERIFY(kChybe.isEmpty() ||
                            TextNapovedy(kChybe).startsWith(u"Nejspíše chybně zapsáno: "_s));
                }
                QVERIFY(jmenovana.size() <= 3);
                r.zjisteno += zjisteno;
                r.pojmenovano += !jmenovana.isEmpty();
                r.trefa += jmenovana.contains(pole);
                r.prvni += !jmenovana.isEmpty() && jmenovana.constFirst() == pole;
            }
        }

        int pojmenovano = 0, trefa = 0;
        for (const TRada &r : std::as_const(rady)) {
            qInfo("%s %d: %d slips, %d found by a check, %d hinted, %d hit (%d first): "
                  "recall %.2f, precision %.2f",
                  r.kandidat ? "candidate" : "section II", int(r.druh), r.pripadu, r.zjisteno,
                  r.pojmenovano, r.trefa, r.prvni, double(r.trefa) / r.pripadu,
                  r.pojmenovano ? double(r.trefa) / r.pojmenovano : 1.0);
            pojmenovano += r.pojmenovano;
            trefa += r.trefa;
            if (r.kandidat && (r.druh == TPreklep::Zdvojena || r.druh == TPreklep::Vynechana))
                QVERIFY2(r.trefa * 10 >= r.pripadu * 9, "a doubled or dropped digit missed");
        }
        QVERIFY2(trefa * 10 >= pojmenovano * 8, "too many hints name a wrong field");
    }
};

QTEST_GUILESS_MAIN(TestKontrolniBeh)
#include "TestKontrolniBeh.moc"
