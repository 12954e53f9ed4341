// `zelkovar-nastroj kontrola` on an installation made by `zelkovar-nastroj stanice`.
#include "Chyby.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "ZkusebniOkrsek.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject Popis(const QString &stav1)
{
    QJsonObject stanice{{u"NazevObce"_s, u"Zkušebná"_s},
                        {u"KodObce"_s, u"500011"_s},
                        {u"CisloOkrsku"_s, 1},
                        {u"KodOkresu"_s, u"3701"_s},
                        {u"DatumVoleb"_s, u"09.10.2026 - 10.10.2026"_s},
                        {u"KodWindows"_s, u"18"_s},
                        {u"Stav1"_s, stav1}};
    QJsonArray okrsky{QJsonObject{{u"KodObce"_s, u"500011"_s},
                                  {u"CisloOkrsku"_s, 1},
                                  {u"TypZastup"_s, u"1"_s},
                                  {u"KodObceZast"_s, u"500011"_s},
                                  {u"CObvodu"_s, u"1"_s},
                                  {u"PocetMandatu"_s, u"15"_s},
                                  {u"PocetStranZast"_s, u"3"_s},
                                  {u"Priznak"_s, u"0"_s},
                                  {u"JeObvod"_s, u"N"_s}}};
    QJsonArray strany, kandidati;
    for (int a = 1; a <= 3; ++a) {
        strany.append(QJsonObject{{u"KodObceZast"_s, u"500011"_s},
                                  {u"CObvodu"_s, u"1"_s},
                                  {u"PorCislo"_s, QString::number(a)},
                                  {u"PocetKand"_s, u"15"_s}});
        for (int k = 1; k <= 15; ++k) {
            kandidati.append(QJsonObject{{u"KodObceZast"_s, u"500011"_s},
                                         {u"CObvodu"_s, u"1"_s},
                                         {u"PorCisloStrany"_s, QString::number(a)},
                                         {u"PorCisloKand"_s, QString::number(k)},
                                         {u"Platnost"_s, u"A"_s}});
        }
    }
    QJsonArray volici{
        QJsonObject{{u"KodObce"_s, u"500011"_s}, {u"CisloOkrsku"_s, 1}, {u"ZapsOsobyRef"_s, 1000}}};
    return {{u"stanice"_s, stanice},
            {u"okrsky"_s, okrsky},
            {u"strany"_s, strany},
            {u"kandidati"_s, kandidati},
            {u"volici"_s, volici}};
}

// A new installation in dir/I; returns its directories.
TAdresare Instalace(const QTemporaryDir &dir, const QString &stav1 = QString(),
                    const QString &podadresar = {})
{
    const QString popis = dir.path() + u"/popis.json"_s;
    QFile f(popis);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(QJsonDocument(Popis(stav1)).toJson());
    f.close();
    QStringList argumenty{u"stanice"_s, popis, dir.path() + u"/I"_s};
    if (!podadresar.isEmpty())
        argumenty << u"--podadresar"_s << podadresar;
    const TBeh b = Spust(argumenty);
    if (b.Kod != 0)
        qWarning("%s", qPrintable(b.Chyby));
    TAdresare adr;
    adr.AdrInstalace = dir.path() + u"/I/"_s;
    adr.AdrStanice =
        podadresar.isEmpty() ? adr.AdrInstalace : adr.AdrInstalace + u"data/"_s + podadresar + u'/';
    adr.AdrData = podadresar.isEmpty() ? adr.AdrInstalace + u"data/"_s : adr.AdrStanice;
    // Section III as the entry window leaves it.
    THlasovaniRec h = NactiHlasovani(adr.AdrData);
    h.ClenuOVKC = u"7"_s;
    h.ClenuOVKP = u"5"_s;
    h.Zapisovat = u"Eva Dvořáková"_s;
    h.PoverPred = u"Petr Malý"_s;
    UlozHlasovani(adr.AdrData, h);
    UlozKomisi(adr.AdrData,
               {{u"Jana Nová"_s}, {u"Karel Starý"_s}, {u"Ida Malá"_s}, {u"Jan Veselý"_s}});
    return adr;
}

QString Text(int chyba)
{
    const QList<TChybaInfo> texty = VlastniChyby();
    for (const TChybaInfo &c : texty) {
        if (c.Chyba == chyba)
            return c.ZkrText;
    }
    return {};
}

} // namespace

class TestNastrojKontrola : public QObject
{
    Q_OBJECT

private slots:
    void vlastniCiselnikBezChyb()
    {
        QTemporaryDir dir;
        const TAdresare adr = Instalace(dir);
        QCOMPARE(Obsah(adr.AdrInstalace + u"CISCHYB.RCD"_s), VlastniCiselnik());
    }

    void vystup_data()
    {
        QTest::addColumn<int>("pripad");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("vystup");
        QTest::addColumn<QString>("soubor");
        QTest::newRow("bez chyb") << 0 << 0 << u"SeznamChyb=\n"_s << u"O"_s;
        QTest::newRow("propustitelna a upozorneni")
            << 1 << 0
            << u"0\t8\t"_s + Text(8) + u" \n0\t97\t"_s + Text(97) + u" \nSeznamChyb=0897\n"_s
            << u"O"_s;
        QTest::newRow("blokujici")
            << 2 << 3
            << u"0\t22\t"_s + Text(22) + u" \n3\t23\t"_s + Text(23) + u" (kand. č. 12)\n3\t23\t"_s +
                   Text(23) + u" (kand. č. 5)\n3\t25\t"_s + Text(25) + u" \n3\t28\t"_s + Text(28) +
                   u" \nSeznamChyb=22232528\n"_s
            << u"E"_s;
    }
    void vystup()
    {
        QFETCH(int, pripad);
        QFETCH(QString, vystup);
        QFETCH(int, kod);
        QFETCH(QString, soubor);
        QTemporaryDir dir;
        const TAdresare adr = Instalace(dir);
        TVysledky v = PlatnyOkrsek(3, 15, 150);
        switch (pripad) {
        case 1:
            v = PlatnyOkrsek(3, 15, 210);
            v.VetaT3.VydObalky = 1001;
            v.VetaT3.OdevzdObalky = 1000;
            Dopocti(v, 3);
            break;
        case 2:
            v.StranyHL[3].HlasyKand[5] = v.StranyHL[3].HlasyKand[12] = 600;
            v.VetaT3.PlatneHlasy = 2 * 15 * 150 + 13 * 150 + 1200;
            Dopocti(v, 3);
            v.StranyHL[3].PocHl = 500;
            break;
        }
        UlozOkrsek(adr, KlicOkrsku(), u"E"_s, v);

        const TBeh b = Spust({u"kontrola"_s, adr.AdrInstalace});
        QCOMPARE(b.Vystup, vystup);
        QCOMPARE(b.Kod, kod);
        QVERIFY(QFileInfo(JmenoSouboruOkrsku(adr, KlicOkrsku(), soubor)).isFile());
        QVERIFY(!QFileInfo(JmenoSouboruOkrsku(adr, KlicOkrsku(), soubor == u"O" ? u"E"_s : u"O"_s))
                     .exists());
        QCOMPARE(NactiStanici(adr.AdrStanice).Stav1, u"N"_s);
    }

    // --vysvetli adds the compared values and the hint; the first columns stay as
    // they are without it.
    void vysvetli()
    {
        QTemporaryDir dir;
        const TAdresare adr = Instalace(dir);
        TVysledky v = PlatnyOkrsek(3, 15, 210);
        v.VetaT3.VydObalky = 1001;
        v.VetaT3.OdevzdObalky = 1000;
        Dopocti(v, 3);
        UlozOkrsek(adr, KlicOkrsku(), u"E"_s, v);
        const QStringList radky =
            Spust({u"kontrola"_s, adr.AdrInstalace, u"--vysvetli"_s}).Vystup.split(u'\n');
        QCOMPARE(radky.size(), 4);
        const QStringList r8 = radky.at(0).split(u'\t');
        QCOMPARE(r8.mid(0, 4), (QStringList{u"0"_s, u"8"_s, Text(8) + u' ',
                                            u"vydané obálky 1 001 > voliči v seznamu 1 000"_s}));
        QVERIFY2(r8.at(4).startsWith(u"Nejspíše chybně zapsáno: "_s) &&
                     r8.at(4).contains(u"vydané obálky (zapsáno 1001, možná 1000)"_s),
                 qPrintable(r8.at(4)));
        QCOMPARE(radky.at(1).split(u'\t').at(3), u"vydáno 100 % obálek (nejvýše 90 %)"_s);
        QCOMPARE(radky.at(2), u"SeznamChyb=0897"_s);
    }

    void exportovanaData()
    {
        QTemporaryDir dir;
        const TAdresare adr = Instalace(dir, u"A"_s, u"P1"_s);
        UlozOkrsek(adr, KlicOkrsku(), u"O"_s, PlatnyOkrsek(3, 15, 150));
        const QString soubor = JmenoSouboruOkrsku(adr, KlicOkrsku(), u"O"_s);
        const QByteArray pred = Obsah(soubor);

        TBeh b = Spust({u"kontrola"_s, adr.AdrInstalace, u"--podadresar"_s, u"P1"_s});
        QCOMPARE(b.Kod, 1);
        QCOMPARE(b.Vystup, QString());
        QVERIFY(b.Chyby.contains(u"--ano"_s));
        QCOMPARE(Obsah(soubor), pred);
        QCOMPARE(NactiStanici(adr.AdrStanice).Stav1, u"A"_s);

        b = Spust({u"kontrola"_s, adr.AdrInstalace, u"--podadresar"_s, u"P1"_s, u"--ano"_s,
                   u"--typ"_s, u"1"_s});
        QCOMPARE(b.Kod, 0);
        QCOMPARE(b.Vystup, u"SeznamChyb=\n"_s);
        QCOMPARE(NactiStanici(adr.AdrStanice).Stav1, u"N"_s);
    }

    void selhani()
    {
        QTemporaryDir dir;
        const TAdresare adr = Instalace(dir);
        TBeh b = Spust({u"kontrola"_s, adr.AdrInstalace});
        QCOMPARE(b.Kod, 1);
        QVERIFY(b.Chyby.contains(u"Data nejsou pořízena!!!"_s));

        QCOMPARE(Spust({u"kontrola"_s, adr.AdrInstalace, u"--typ"_s, u"3"_s}).Kod, 2);
        QCOMPARE(Spust({u"kontrola"_s}).Kod, 2);
        QCOMPARE(Spust({u"kontrola"_s, dir.path() + u"/nic"_s}).Kod, 1);

        Soubory::UlozAtomicky(JmenoSouboruOkrsku(adr, KlicOkrsku(), u"E"_s),
                              QByteArray("poskozeno"));
        b = Spust({u"kontrola"_s, adr.AdrInstalace});
        QCOMPARE(b.Kod, 1);
        QCOMPARE(Obsah(JmenoSouboruOkrsku(adr, KlicOkrsku(), u"E"_s)), QByteArray("poskozeno"));
    }
};

QTEST_GUILESS_MAIN(TestNastrojKontrola)
#include "TestNastrojKontrola.moc"
