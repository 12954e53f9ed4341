// The four reference files: record layouts and the search rules.
#include "EChyba.h"
#include "Reference.h"
#include "SouboryTestu.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Data = QStringLiteral(ZELKOVAR_SOURCE_DIR "tests/data/");

QByteArray Zaznam(const QString &jmeno, int velikost, int i)
{
    return Obsah(Data + jmeno).mid(qsizetype(i) * velikost, velikost);
}

QStringList Popisne(const TOkrsekRefRec &r)
{
    return {r.NazevObce, r.KodObceZast, r.NazevZast, r.CObvodu,   r.PocetMandatu, r.PocetStranZast,
            r.Priznak,   r.Rezerva,     r.JeObvod,   r.KodOkresu, r.NazevOkresu};
}

// The golden files in a station directory (names in mixed case) and KVRVOK.RCD in a
// separate installation directory.
struct TProstredi
{
    QTemporaryDir stanice, instalace;
    TAdresare adr;

    TProstredi()
    {
        adr.AdrStanice = adr.AdrData = stanice.path() + u'/';
        adr.AdrInstalace = instalace.path() + u'/';
        QFile::copy(Data + u"OKRSKY.RCD"_s, adr.AdrStanice + u"okrsky.rcd"_s);
        QFile::copy(Data + u"STRANY.RCD"_s, adr.AdrStanice + u"STRANY.RCD"_s);
        QFile::copy(Data + u"KANDIDAT.RCD"_s, adr.AdrStanice + u"Kandidat.Rcd"_s);
        QFile::copy(Data + u"KVRVOK.RCD"_s, adr.AdrInstalace + u"KVRVOK.RCD"_s);
    }
};

TOkrsekRefRec Klic(const QString &kodObceZast, const QString &cObvodu)
{
    TOkrsekRefRec k;
    k.KodObceZast = kodObceZast;
    k.CObvodu = cObvodu;
    return k;
}

QByteArray Strana(const QString &kod, const QString &obvod, const QString &por)
{
    return ZakodujStranu(TStranaRec{kod, obvod, por, u"Strana "_s + por, QString(), QString()});
}

QByteArray Kandidat(const QString &strana, const QString &kand, const QString &kod = u"54003"_s)
{
    return ZakodujKandidata(
        TKandidatRec{kod, u"1"_s, strana, kand, u"Jan"_s, u"Novák"_s, QString(), u"A"_s});
}

// Expects EChyba whose message names the file and the record number.
template <typename F> void OverChybuZaznamu(F &&f, const QString &soubor, int cislo)
{
    try {
        f();
        QFAIL("čekána chyba");
    } catch (const EChyba &e) {
        QVERIFY2(e.zprava().contains(soubor) && e.zprava().contains(u"č. %1"_s.arg(cislo)),
                 qPrintable(e.zprava()));
    }
}

} // namespace

class TestReference : public QObject
{
    Q_OBJECT

private slots:
    void dekodovaniVsechPoli()
    {
        const TOkrsekRefRec o = DekodujOkrsekRef(Zaznam(u"OKRSKY.RCD"_s, 148, 0));
        QCOMPARE((QStringList{o.KodObce, QString::number(o.CisloOkrsku), o.TypZastup} + Popisne(o)),
                 (QStringList{u"500011"_s, u"1"_s, u"1"_s, u"Želeč"_s, u"500011"_s,
                              u"Zastupitelstvo obce Želeč"_s, u"1"_s, u"15"_s, u"3"_s, u"0"_s,
                              u"r1"_s, u"N"_s, u"3703"_s, u"Prostějov"_s}));
        const TStranaRec s = DekodujStranu(Zaznam(u"STRANY.RCD"_s, 169, 4));
        QCOMPARE(
            (QStringList{s.KodObceZast, s.CObvodu, s.PorCislo, s.NazevZkr, s.Nazev, s.PocetKand}),
            (QStringList{u"54003"_s, u"1"_s, u"003"_s, u"KDU-ČSL"_s,
                         u"Křesťanská a demokratická unie – Československá strana lidová"_s,
                         u"70"_s}));
        const TKandidatRec k = DekodujKandidata(Zaznam(u"KANDIDAT.RCD"_s, 95, 3));
        QCOMPARE((QStringList{k.KodObceZast, k.CObvodu, k.PorCisloStrany, k.PorCisloKand, k.Jmeno,
                              k.Prijmeni, k.Rezerva, k.Platnost}),
                 (QStringList{u"054003"_s, u"01"_s, u"3"_s, u"70"_s, u"Řehoř"_s, u"Žlutý"_s,
                              u"abc"_s, u"A"_s}));
        const TVoliciRefRec v = DekodujVoliceRef(Zaznam(u"KVRVOK.RCD"_s, 16, 1));
        QCOMPARE(v.KodObce, u"554782"_s);
        QCOMPARE(v.CisloOkrsku, 1);
        QCOMPARE(v.ZapsOsobyRef, 2480);
    }

    void kodovaniVratiZlateBajty()
    {
        auto over = [](const QString &jmeno, int velikost, auto dekoduj, auto zakoduj) {
            const QByteArray obsah = Obsah(Data + jmeno);
            QVERIFY(obsah.size() >= qsizetype(2) * velikost);
            for (int i = 0; i < obsah.size(); i += velikost)
                QCOMPARE(zakoduj(dekoduj(obsah.mid(i, velikost))), obsah.mid(i, velikost));
        };
        over(u"OKRSKY.RCD"_s, 148, DekodujOkrsekRef, ZakodujOkrsekRef);
        over(u"STRANY.RCD"_s, 169, DekodujStranu, ZakodujStranu);
        over(u"KANDIDAT.RCD"_s, 95, DekodujKandidata, ZakodujKandidata);
        over(u"KVRVOK.RCD"_s, 16, DekodujVoliceRef, ZakodujVoliceRef);

        TStranaRec s;
        s.Nazev = QString(121, u'x');
        try {
            ZakodujStranu(s);
            QFAIL("čekána chyba");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(u"STRANY.RCD.Nazev"_s), qPrintable(e.zprava()));
        }
    }

    void najdiOkrsek_data()
    {
        QTest::addColumn<QString>("kodObce");
        QTest::addColumn<int>("cislo");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<bool>("nalezen");
        QTest::addColumn<int>("zaznam"); // golden record whose fields the key gets

        QTest::newRow("první záznam") << u"500011"_s << 1 << u"1"_s << true << 0;
        QTest::newRow("dvojí klíč: první vyhrává") << u"554782"_s << 1 << u"2"_s << true << 2;
        QTest::newRow("jiný typ") << u"554782"_s << 1 << u"1"_s << true << 4;
        QTest::newRow("poslední záznam") << u"595209"_s << 5 << u"1"_s << true << 5;
        // No match: the fields of the file's last record.
        QTest::newRow("kód porovnán jako text") << u"0500011"_s << 1 << u"1"_s << false << 5;
        QTest::newRow("jiný okrsek") << u"500011"_s << 3 << u"1"_s << false << 5;
        QTest::newRow("typ 0") << u"500011"_s << 1 << u"0"_s << false << 5;
    }

    void najdiOkrsek()
    {
        QFETCH(QString, kodObce);
        QFETCH(int, cislo);
        QFETCH(QString, typ);
        QFETCH(bool, nalezen);
        QFETCH(int, zaznam);
        TProstredi p;
        TOkrsekRefRec klic;
        klic.KodObce = kodObce;
        klic.CisloOkrsku = cislo;
        klic.TypZastup = typ;
        QCOMPARE(NajdiOkrsek(p.adr, klic), nalezen);
        QCOMPARE(Popisne(klic), Popisne(DekodujOkrsekRef(Zaznam(u"OKRSKY.RCD"_s, 148, zaznam))));
        QCOMPARE((QStringList{klic.KodObce, QString::number(klic.CisloOkrsku), klic.TypZastup}),
                 (QStringList{kodObce, QString::number(cislo), typ}));
    }

    void chybejiciNeboPrazdneSoubory()
    {
        TProstredi p;
        TOkrsekRefRec klic;
        TReference ref;
        Zapis(p.adr.AdrStanice + u"okrsky.rcd"_s, QByteArray());
        QVERIFY_THROWS_EXCEPTION(EChyba, NajdiOkrsek(p.adr, klic));
        QVERIFY(!ExistujeObec(p.adr, u"500011"_s));
        Zapis(p.adr.AdrStanice + u"okrsky.rcd"_s, QByteArray(147, '\0'));
        QVERIFY_THROWS_EXCEPTION(EChyba, NajdiOkrsek(p.adr, klic));
        for (const QString &f : {u"okrsky.rcd"_s, u"STRANY.RCD"_s, u"Kandidat.Rcd"_s})
            QVERIFY(QFile::remove(p.adr.AdrStanice + f));
        QVERIFY(QFile::remove(p.adr.AdrInstalace + u"KVRVOK.RCD"_s));
        QVERIFY_THROWS_EXCEPTION(EChyba, NajdiOkrsek(p.adr, klic));
        QVERIFY_THROWS_EXCEPTION(EChyba, ExistujeObec(p.adr, u"500011"_s));
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiStrany(p.adr, Klic(u"1"_s, u"1"_s), ref));
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiKandidaty(p.adr, Klic(u"1"_s, u"1"_s), ref));
        QVERIFY_THROWS_EXCEPTION(EChyba, ZapsOsobyRef(p.adr, u"500011"_s, 1));
    }

    void existujeObec()
    {
        TProstredi p;
        QVERIFY(ExistujeObec(p.adr, u"500011"_s));
        QVERIFY(ExistujeObec(p.adr, u"595209"_s));
        QVERIFY(!ExistujeObec(p.adr, u"0500011"_s));
        QVERIFY(!ExistujeObec(p.adr, u"50001"_s));
    }

    void nactiStrany_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("obvod");
        QTest::addColumn<QStringList>("poradi");
        const QStringList tri{u"001"_s, u"002"_s, u"003"_s};
        QTest::newRow("klíč s nulou, záznamy s nulou i bez") << u"054003"_s << u"01"_s << tri;
        QTest::newRow("klíč bez nuly") << u"54003"_s << u"1"_s << tri;
        QTest::newRow("jiný obvod") << u"54003"_s << u"2"_s << QStringList{u"003"_s};
        QTest::newRow("bez stran") << u"500011"_s << u"1"_s << QStringList();
    }

    void nactiStrany()
    {
        QFETCH(QString, kod);
        QFETCH(QString, obvod);
        QFETCH(QStringList, poradi);
        TProstredi p;
        TReference ref;
        ref.PocetStranSeznamu = 7; // from an earlier load
        NactiStrany(p.adr, Klic(kod, obvod), ref);
        QCOMPARE(ref.PocetStranSeznamu, poradi.size());
        for (int i = 1; i <= poradi.size(); ++i)
            QCOMPARE(ref.SeznamStran[i].PorCislo, poradi.at(i - 1));
        if (poradi.size() == 3) // the whole record is copied
            QCOMPARE(ZakodujStranu(ref.SeznamStran[2]), Zaznam(u"STRANY.RCD"_s, 169, 2));
    }

    void neciselnyKodStrany_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("obvod");
        QTest::newRow("kód s písmenem") << u"54x03"_s << u"1"_s;
        QTest::newRow("prázdný kód") << QString() << u"1"_s;
        QTest::newRow("obvod s mezerou") << u"54003"_s << u" 1"_s;
    }

    void neciselnyKodStrany()
    {
        QFETCH(QString, kod);
        QFETCH(QString, obvod);
        TProstredi p;
        const QString cesta = p.adr.AdrStanice + u"STRANY.RCD"_s;
        Zapis(cesta, Strana(u"54003"_s, u"1"_s, u"001"_s) +
                         Strana(u"999"_s, u"1x"_s, u"009"_s) // other council: district not read
                         + Strana(u"054003"_s, u"01"_s, u"002"_s) + Strana(kod, obvod, u"003"_s) +
                         Strana(u"54003"_s, u"1"_s, u"004"_s));
        TReference ref;
        OverChybuZaznamu([&] { NactiStrany(p.adr, Klic(u"54003"_s, u"1"_s), ref); }, cesta, 4);
        // What was read before the bad record stays.
        QCOMPARE(ref.PocetStranSeznamu, 2);
        QCOMPARE(ref.SeznamStran[2].PorCislo, u"002"_s);
    }

    void viceNez45Stran()
    {
        TProstredi p;
        const QString cesta = p.adr.AdrStanice + u"STRANY.RCD"_s;
        QByteArray obsah = Strana(u"7"_s, u"1"_s, u"000"_s);
        for (int i = 1; i <= 45; ++i)
            obsah += Strana(u"54003"_s, u"1"_s, u"%1"_s.arg(i, 3, 10, QChar(u'0')));
        Zapis(cesta, obsah);
        TReference ref;
        NactiStrany(p.adr, Klic(u"54003"_s, u"1"_s), ref);
        QCOMPARE(ref.PocetStranSeznamu, 45);

        Zapis(cesta, obsah + Strana(u"54003"_s, u"1"_s, u"046"_s));
        OverChybuZaznamu([&] { NactiStrany(p.adr, Klic(u"54003"_s, u"1"_s), ref); }, cesta, 47);
        QCOMPARE(ref.PocetStranSeznamu, 45);
        QCOMPARE(ref.SeznamStran[45].PorCislo, u"045"_s);
    }

    void nactiKandidaty()
    {
        TProstredi p;
        TReference ref;
        ref.Kandidati[2][5].KodObceZast = u"mimo zobrazení"_s;
        NactiKandidaty(p.adr, Klic(u"054003"_s, u"01"_s), ref);

        auto zobrazeni = [&](int s, int c) {
            const TKandidatRec &k = ref.Kandidati[s][c];
            return QStringList{k.Jmeno, k.Prijmeni, k.Rezerva, k.Platnost};
        };
        QCOMPARE(zobrazeni(1, 1), (QStringList{u"Ing. Jiří"_s, u"Dvořák"_s, QString(), u"A"_s}));
        // A later record for the same place wins.
        QCOMPARE(zobrazeni(1, 2),
                 (QStringList{u"Bc. Věra"_s, u"Šťastná-Nová"_s, QString(), u"A"_s}));
        QCOMPARE(zobrazeni(3, 70), (QStringList{u"Řehoř"_s, u"Žlutý"_s, u"abc"_s, u"A"_s}));
        QCOMPARE(zobrazeni(45, 1).at(1), u"Čermáková"_s);
        QCOMPARE(ref.PocetPlatnychKand, 4); // every "A" record read, the duplicate included
        // Empty places show minus signs; only the display fields are reset.
        const QStringList prazdne{QString(15, u'-'), QString(20, u'-'), u"---"_s, u"-"_s};
        QCOMPARE(zobrazeni(2, 5), prazdne);
        QCOMPARE(ref.Kandidati[2][5].KodObceZast, u"mimo zobrazení"_s);

        // Loading another council clears the names of the previous one.
        NactiKandidaty(p.adr, Klic(u"554782"_s, u"7"_s), ref);
        QCOMPARE(zobrazeni(1, 1).at(1), u"Kandidát"_s);
        QCOMPARE(zobrazeni(1, 2), prazdne);
        QCOMPARE(zobrazeni(45, 1), prazdne);
        QCOMPARE(ref.PocetPlatnychKand, 1);
    }

    void kandidatMimoRozsah_data()
    {
        QTest::addColumn<QString>("strana");
        QTest::addColumn<QString>("kand");
        QTest::newRow("strana 0") << u"0"_s << u"1"_s;
        QTest::newRow("strana 46") << u"046"_s << u"1"_s;
        QTest::newRow("strana záporná") << u"-1"_s << u"1"_s;
        QTest::newRow("kandidát 0") << u"1"_s << u"0"_s;
        QTest::newRow("kandidát 71") << u"1"_s << u"71"_s;
        QTest::newRow("strana není číslo") << u"x"_s << u"1"_s;
        QTest::newRow("kandidát prázdný") << u"1"_s << QString();
    }

    void kandidatMimoRozsah()
    {
        QFETCH(QString, strana);
        QFETCH(QString, kand);
        TProstredi p;
        const QString cesta = p.adr.AdrStanice + u"Kandidat.Rcd"_s;
        Zapis(cesta, Kandidat(u"45"_s, u"70"_s) +
                         Kandidat(strana, kand, u"777"_s) // other council: ignored
                         + Kandidat(strana, kand));
        TReference ref;
        OverChybuZaznamu([&] { NactiKandidaty(p.adr, Klic(u"54003"_s, u"1"_s), ref); }, cesta, 3);
        QCOMPARE(ref.Kandidati[45][70].Prijmeni, u"Novák"_s);
    }

    void zapsOsobyRef_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<int>("okrsek");
        QTest::addColumn<int>("pocet");
        QTest::newRow("poslední shoda vyhrává") << u"500011"_s << 1 << 815;
        QTest::newRow("jiný okrsek") << u"500011"_s << 2 << 433;
        QTest::newRow("kód s nulou") << u"050011"_s << 1 << 999;
        QTest::newRow("textové porovnání") << u"50011"_s << 1 << 0;
        QTest::newRow("bez shody") << u"500011"_s << 3 << 0;
    }

    void zapsOsobyRef()
    {
        QFETCH(QString, kod);
        QFETCH(int, okrsek);
        QFETCH(int, pocet);
        TProstredi p;
        QCOMPARE(ZapsOsobyRef(p.adr, kod, okrsek), pocet);
    }
};

QTEST_GUILESS_MAIN(TestReference)
#include "TestReference.moc"
