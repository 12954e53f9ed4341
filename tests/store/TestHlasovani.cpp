// Sections I and III, the commission names and the cross-check file.
#include "EChyba.h"
#include "Hlasovani.h"
#include "SouboryTestu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Data = QStringLiteral(ZELKOVAR_SOURCE_DIR "tests/data/");

QStringList SeznamSouboru(const QString &adr)
{
    return QDir(adr).entryList(QDir::Files | QDir::Hidden);
}

QByteArray Info(quint16 typ, qint32 zaps, quint16 vyd, quint16 odevzd)
{
    return ZakodujInfo83(TInfo83Rec{554782, 1, typ, zaps, vyd, odevzd});
}

} // namespace

class TestHlasovani : public QObject
{
    Q_OBJECT

private slots:
    void hlasovaniZeZlatehoSouboru()
    {
        const QStringList ocekavane{u"23.09.2022"_s,
                                    u"14:00"_s,
                                    u"22:00"_s,
                                    u"08:00"_s,
                                    u"14:00"_s,
                                    u"B"_s,
                                    u"23.09.2022"_s,
                                    u"15"_s,
                                    u"30"_s,
                                    u"Porucha osvětlení v místnosti – výměna pojistek"_s,
                                    u"N"_s,
                                    {},
                                    {},
                                    {},
                                    {},
                                    u"B"_s,
                                    u"24.09.2022"_s,
                                    u"09:15"_s,
                                    u"09:40"_s,
                                    u"Nevolnost člena komise"_s,
                                    u"N"_s,
                                    {},
                                    u"B"_s,
                                    u"7"_s,
                                    u"6"_s,
                                    u"Pozorovatelé: Ing. Šárka Koudelková"_s,
                                    u"Mgr. Tomáš Růžička"_s,
                                    u"Petra Nováková-Dvořáčková"_s};
        // The dirty copy holds the same fields over random bytes.
        for (const QString &jmeno : {u"HLASO.RCD"_s, u"HLASO-SPINAVA.RCD"_s}) {
            const QByteArray zaznam = Obsah(Data + jmeno);
            const THlasovaniRec h = DekodujHlasovani(zaznam);
            const QStringList pole{
                h.DatumVoleb, h.Zahajeno1, h.Ukonceno1,  h.Zahajeno2,  h.Ukonceno2, h.Odroc,
                h.OdrocenoD,  h.OdrocenoH, h.OdrocenoM,  h.DuvodOdroc, h.Prodl,     h.ProdlouzD,
                h.ProdlouzH,  h.ProdlouzM, h.DuvodProdl, h.Prerus,     h.PrerusD,   h.PrerusOd,
                h.PrerusDo,   h.DuvodPrer, h.Stizn,      h.StizListu,  h.Schranka,  h.ClenuOVKC,
                h.ClenuOVKP,  h.Ostatni,   h.PoverPred,  h.Zapisovat};
            QCOMPARE(pole, ocekavane);
            QCOMPARE(ZakodujHlasovani(h), zaznam);
        }
        THlasovaniRec h = DekodujHlasovani(Obsah(Data + u"HLASO.RCD"_s));
        h.Surovy.clear();
        QCOMPARE(ZakodujHlasovani(h), Obsah(Data + u"HLASO.RCD"_s));
    }

    void ulozeniHlasovaniDrziNepouziteBajty()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        const QByteArray puvodni = Obsah(Data + u"HLASO-SPINAVA.RCD"_s);
        // A stray second record goes: the file keeps exactly one.
        Zapis(adr + u"hlaso.rcd"_s, puvodni + QByteArray(1194, 'x'));

        THlasovaniRec h = NactiHlasovani(adr);
        h.Zapisovat = u"Eva"_s;
        h.Stizn = QString();
        UlozHlasovani(adr, h);

        QCOMPARE(SeznamSouboru(adr), QStringList{u"hlaso.rcd"_s});
        QByteArray ocekavane = puvodni; // unused bytes 747..749 included
        ocekavane[740] = 0;
        ocekavane.replace(1158, 4,
                          QByteArray("\x03"
                                     "Eva"));
        QCOMPARE(Obsah(adr + u"hlaso.rcd"_s), ocekavane);

        // A value that does not fit leaves the stored record as it was.
        h.ClenuOVKP = u"123"_s;
        QVERIFY_THROWS_EXCEPTION(EChyba, UlozHlasovani(adr, h));
        QCOMPARE(Obsah(adr + u"hlaso.rcd"_s), ocekavane);
    }

    void hlasovaniChybi()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiHlasovani(adr));
        Zapis(adr + u"HLASO.RCD"_s, QByteArray());
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiHlasovani(adr));
        Zapis(adr + u"HLASO.RCD"_s, QByteArray(1193, '\0'));
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiHlasovani(adr));
    }

    void anoNe()
    {
        const QList<std::pair<QString, QString>> pripady{{u"B"_s, u"B"_s},
                                                         {u"N"_s, u"N"_s},
                                                         {QString(), u"N"_s},
                                                         {u"b"_s, u"N"_s},
                                                         {u"A"_s, u"N"_s}};
        for (const auto &[hodnota, vysledek] : pripady) {
            THlasovaniRec h;
            h.Odroc = h.Prodl = h.Prerus = h.Stizn = h.Schranka = h.DatumVoleb = hodnota;
            NormalizujHlasovani(h);
            QCOMPARE((QStringList{h.Odroc, h.Prodl, h.Prerus, h.Stizn, h.Schranka, h.DatumVoleb}),
                     (QStringList{vysledek, vysledek, vysledek, vysledek, vysledek, hodnota}));
            QCOMPARE(JeAno(hodnota), vysledek == u"B"_s);
        }
    }

    void komise()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        const QByteArray zlaty = Obsah(Data + u"KOMISE.RCD"_s);
        Zapis(adr + u"komise.rcd"_s, zlaty);

        const QList<TKomise> k = NactiKomisi(adr);
        QCOMPARE(k.size(), 4);
        QCOMPARE(
            (QStringList{k[0].clen, k[1].clen, k[2].clen, k[3].clen}),
            (QStringList{u"Jana Černá"_s, u"Ing. Přemysl Žák"_s, QString(), QString(50, u'Ř')}));

        UlozKomisi(adr, k);
        QCOMPARE(SeznamSouboru(adr), QStringList{u"komise.rcd"_s});
        QByteArray ocekavane = zlaty;
        ocekavane[qsizetype(3) * 51] = 50; // the length byte 200 was cut to the field
        QCOMPARE(Obsah(adr + u"komise.rcd"_s), ocekavane);

        // A name too long names its row and keeps the previous file.
        try {
            UlozKomisi(adr, {TKomise{u"B"_s}, TKomise{QString(51, u'x')}});
            QFAIL("čekána chyba");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(u"člen č. 2"_s), qPrintable(e.zprava()));
        }
        QCOMPARE(Obsah(adr + u"komise.rcd"_s), ocekavane);

        Zapis(adr + u"komise.rcd"_s, QByteArray());
        QVERIFY(NactiKomisi(adr).isEmpty());
        Zapis(adr + u"komise.rcd"_s, zlaty + '\x1a'); // a DOS end-of-file byte
        QCOMPARE(NactiKomisi(adr).size(), 4);
        QVERIFY(QFile::remove(adr + u"komise.rcd"_s));
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiKomisi(adr));
    }

    void pocetClenu()
    {
        QList<TKomise> k{TKomise{u"a"_s}, TKomise{u"b"_s}};
        NastavPocetClenu(k, 3);
        QCOMPARE(k.size(), 3);
        QCOMPARE(k[1].clen + u'|' + k[2].clen, u"b|"_s);
        NastavPocetClenu(k, 1);
        QCOMPARE(k.size(), 1);
        NastavPocetClenu(k, -1);
        QVERIFY(k.isEmpty());
    }

    void info83Zaznam()
    {
        const QByteArray zlaty = Obsah(Data + u"INFOK83.RCD"_s);
        QCOMPARE(zlaty, Info(1, 2480, 1650, 1648) + Info(2, 2481, 1651, 1649));
        const TInfo83Rec r = DekodujInfo83(zlaty.left(20));
        QCOMPARE((QList<qint32>{r.Obec, r.Okrsek, r.TypZastup, r.ZapsOsoby, r.VydObalky,
                                r.OdevzdObalky}),
                 (QList<qint32>{554782, 1, 1, 2480, 1650, 1648}));
    }

    void info83_data()
    {
        QTest::addColumn<QString>("soubor"); // golden file, or empty for an empty file
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("jeJiny");
        QTest::addColumn<QByteArray>("jiny"); // Info83Jiny after reading, encoded
        QTest::addColumn<QByteArray>("pred"); // what precedes the current type after saving

        const QByteArray typ1 = Info(1, 2480, 1650, 1648), typ2 = Info(2, 2481, 1651, 1649);
        const QByteArray predtim = ZakodujInfo83(TInfo83Rec{1, 9, 9, 9, 9, 9});
        QTest::newRow("jen vlastní typ")
            << u"INFOK83-TYP2.RCD"_s << 2 << false << typ2 << QByteArray();
        QTest::newRow("jen jiný typ") << u"INFOK83-TYP2.RCD"_s << 1 << true << typ2 << typ2;
        QTest::newRow("oba typy, ukládá 2") << u"INFOK83.RCD"_s << 2 << true << typ1 << typ1;
        QTest::newRow("oba typy, ukládá 1") << u"INFOK83.RCD"_s << 1 << true << typ2 << typ2;
        QTest::newRow("prázdný soubor") << QString() << 1 << false << predtim << QByteArray();
    }

    void info83()
    {
        QFETCH(QString, soubor);
        QFETCH(int, typ);
        QFETCH(bool, jeJiny);
        QFETCH(QByteArray, jiny);
        QFETCH(QByteArray, pred);
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        Zapis(adr + u"infok83.rcd"_s, soubor.isEmpty() ? QByteArray() : Obsah(Data + soubor));

        TInfo83 info{TInfo83Rec{1, 9, 9, 9, 9, 9}, !jeJiny};
        NactiInfo83(adr, typ, info);
        QCOMPARE(info.JeInfo83Jiny, jeJiny);
        QCOMPARE(ZakodujInfo83(info.Info83Jiny), jiny);

        TOkrsekRec vetaT3;
        vetaT3.Obec = 554782;
        vetaT3.Okrsek = 1;
        vetaT3.TypZastup = quint16(typ);
        vetaT3.ZapsOsoby = 3000;
        vetaT3.VydObalky = 2000;
        vetaT3.OdevzdObalky = 1999;
        vetaT3.PlatneHlasy = 77;
        UlozInfo83(adr, info, vetaT3);
        QCOMPARE(SeznamSouboru(adr), QStringList{u"infok83.rcd"_s});
        QCOMPARE(Obsah(adr + u"infok83.rcd"_s), pred + Info(quint16(typ), 3000, 2000, 1999));
    }

    void info83Chybi()
    {
        QTemporaryDir dir;
        TInfo83 info;
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiInfo83(dir.path() + u'/', 1, info));
        // A partial record is no record; a file this large is no cross-check file.
        Zapis(dir.filePath(u"INFOK83.RCD"_s), QByteArray(21, '\0'));
        NactiInfo83(dir.path() + u'/', 1, info);
        QVERIFY(!info.JeInfo83Jiny);
        QVERIFY(QFile::resize(dir.filePath(u"INFOK83.RCD"_s), qint64(2) * 1024 * 1024));
        QVERIFY_THROWS_EXCEPTION(EChyba, NactiInfo83(dir.path() + u'/', 1, info));
    }
};

QTEST_GUILESS_MAIN(TestHlasovani)
#include "TestHlasovani.moc"
