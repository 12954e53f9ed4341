// Codec, record fields, file lookup and the atomic-replace routine.
#include "EChyba.h"
#include "Kodovani.h"
#include "Soubory.h"
#include "SouboryTestu.h"
#include "Zaznam.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using Soubory::KrokUkladani;

class TestZaklad : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Soubory::NastavPoruchu({}); }

    void kodovaniVsech256Bajtu()
    {
        QByteArray vse;
        for (int i = 0; i < 256; ++i)
            vse.append(char(i));
        const QString text = Kodovani::ZCp1250(vse);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Kodovani::DoCp1250(text), vse);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
        // A few fixed points of the code page.
        QCOMPARE(Kodovani::ZCp1250("\x8a\x9a\xe8\xf8\xec\xfd"), QStringLiteral("ŠščřěýS").left(6));
        QCOMPARE(Kodovani::DoCp1250(QStringLiteral("Žluťoučký kůň")),
                 QByteArray("\x8elu\x9dou\xe8k\xfd k\xf9\xf2"));
    }

    void kodovaniOdmitneZnakMimoStranku()
    {
        QVERIFY(!Kodovani::LzeKodovat(QStringLiteral("€ ok ☺")));
        QVERIFY(Kodovani::LzeKodovat(QStringLiteral("€ Příliš")));
        QVERIFY_THROWS_EXCEPTION(EChyba, Kodovani::DoCp1250(QStringLiteral("a☺b")));
    }

    void retezecCteJenDelkuAzDoMaxima()
    {
        QByteArray z(10, 'x');
        z[0] = 3;
        QCOMPARE(Zaznam::CtiRetezec(z, 0, 5), QStringLiteral("xxx"));
        z[0] = char(200); // length byte larger than the field: capped at max
        QCOMPARE(Zaznam::CtiRetezec(z, 0, 5), QStringLiteral("xxxxx"));
        z[0] = 0;
        QCOMPARE(Zaznam::CtiRetezec(z, 0, 5), QString());
    }

    void zapisRetezceNechaZbytekPole()
    {
        QByteArray z(8, '\xAA');
        Zaznam::ZapisRetezec(z, 1, 5, QStringLiteral("ší"), QStringLiteral("Test"));
        QCOMPARE(z, QByteArray("\xAA\x02\x9a\xed\xAA\xAA\xAA\xAA"));
        QVERIFY_THROWS_EXCEPTION(EChyba, Zaznam::ZapisRetezec(z, 1, 5, QStringLiteral("123456"),
                                                              QStringLiteral("Test")));
        QCOMPARE(z, QByteArray("\xAA\x02\x9a\xed\xAA\xAA\xAA\xAA"));
    }

    void celaCislaLittleEndian()
    {
        QByteArray z(6, '\0');
        Zaznam::ZapisInteger(z, 0, -2);
        Zaznam::ZapisWord(z, 4, 0xABCD);
        QCOMPARE(z, QByteArray("\xfe\xff\xff\xff\xcd\xab", 6));
        QCOMPARE(Zaznam::CtiInteger(z, 0), -2);
        QCOMPARE(Zaznam::CtiWord(z, 4), quint16(0xABCD));
    }

    // The record count is the size divided by the record size: a trailing partial
    // record (a DOS end-of-file byte, a line break) is no record.
    void souborZaznamuSNeuplnymZaznamem()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("A.RCD"));
        Zapis(a, QByteArray(33, 'a'));
        QCOMPARE(Zaznam::NactiZaznamy(a, 11).size(), 3);
        QCOMPARE(Zaznam::NactiZaznamy(a, 10), QList<QByteArray>(3, QByteArray(10, 'a')));
        Zapis(a, QByteArray(22, 'a') + '\x1a');
        QCOMPARE(Zaznam::NactiZaznamy(a, 11).size(), 2);
        Zapis(a, QByteArray("\r\n"));
        QCOMPARE(Zaznam::NactiZaznamy(a, 11).size(), 0);
        QVERIFY_THROWS_EXCEPTION(EChyba, Zaznam::NactiZaznamy(a, 1, 1));
        QVERIFY_THROWS_EXCEPTION(EChyba,
                                 Zaznam::NactiZaznamy(dir.filePath(QStringLiteral("B.RCD")), 10));
    }

    void hledaniBezOhleduNaVelikostPismen()
    {
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        Zapis(adr + QStringLiteral("stanice.rcd"), "x");
        QCOMPARE(Soubory::NajdiSoubor(adr, QStringLiteral("STANICE.RCD")),
                 adr + QStringLiteral("stanice.rcd"));
        QVERIFY(Soubory::Existuje(adr, QStringLiteral("Stanice.Rcd")));
        QVERIFY(!Soubory::Existuje(adr, QStringLiteral("OKRSKY.RCD")));
        QCOMPARE(Soubory::NajdiSoubor(adr, QStringLiteral("OKRSKY.RCD")),
                 adr + QStringLiteral("OKRSKY.RCD"));
    }

    void prilisVelkySouborSeNecte()
    {
        QTemporaryDir dir;
        Zapis(dir.filePath(QStringLiteral("v")), QByteArray(1001, 'v'));
        QVERIFY_THROWS_EXCEPTION(EChyba,
                                 Soubory::NactiSoubor(dir.filePath(QStringLiteral("v")), 1000));
        QCOMPARE(Soubory::NactiSoubor(dir.filePath(QStringLiteral("v")), 1001).size(), 1001);
    }

    void atomickyZapisNahradiSoubor()
    {
        QTemporaryDir dir;
        const QString cesta = dir.filePath(QStringLiteral("HLASO.RCD"));
        // What a killed save left behind goes with the next save of the same file.
        Zapis(dir.filePath(QStringLiteral(".HLASO.RCD.a1b2c3")), "zbytek");
        Zapis(dir.filePath(QStringLiteral(".HLASO.RCD.a1b2c3.old")), "zbytek");
        Soubory::UlozAtomicky(cesta, "prvni");
        QCOMPARE(Obsah(cesta), QByteArray("prvni"));
        Soubory::UlozAtomicky(cesta, QByteArray());
        QCOMPARE(Obsah(cesta), QByteArray());
        Soubory::UlozAtomicky(cesta, "druhy");
        QCOMPARE(Obsah(cesta), QByteArray("druhy"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("HLASO.RCD")});
    }

    void poruchaVKazdemKrokuNechaStarySoubor_data()
    {
        QTest::addColumn<int>("krok");
        QTest::addColumn<bool>("predtimExistoval");
        for (int k = int(KrokUkladani::Vytvoreni); k <= int(KrokUkladani::FsyncAdresare); ++k) {
            QTest::addRow("krok %d, starý soubor", k) << k << true;
            QTest::addRow("krok %d, nový soubor", k) << k << false;
        }
    }

    void poruchaVKazdemKrokuNechaStarySoubor()
    {
        QFETCH(int, krok);
        QFETCH(bool, predtimExistoval);
        QTemporaryDir dir;
        const QString cesta = dir.filePath(QStringLiteral("OO500011.00001"));
        if (predtimExistoval)
            Zapis(cesta, "stará data");
        Soubory::NastavPoruchu([krok](KrokUkladani k) { return int(k) == krok ? EIO : 0; });
        try {
            Soubory::UlozAtomicky(cesta, "nová data, delší než stará");
            QFAIL("porucha nebyla ohlášena");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(cesta), qPrintable(e.zprava()));
            QVERIFY2(e.zprava().contains(QStringLiteral("chyba čtení nebo zápisu na zařízení")),
                     qPrintable(e.zprava()));
        }
        // Only the directory sync of a new file fails after the new file is complete:
        // it then stays (removing it would lose the data), otherwise nothing changes.
        const bool novyZustava = !predtimExistoval && krok == int(KrokUkladani::FsyncAdresare);
        if (predtimExistoval)
            QCOMPARE(Obsah(cesta), QByteArray("stará data"));
        else if (novyZustava)
            QCOMPARE(Obsah(cesta), QByteArray("nová data, delší než stará"));
        else
            QVERIFY(!QFile::exists(cesta));
        const QStringList zbytek = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(zbytek.size(), predtimExistoval || novyZustava ? 1 : 0);
    }

    // Directory sync and hard links as file systems give them: a directory that
    // cannot be synced (EINVAL) does not fail a save, and without a second name of the
    // old file a failed directory sync keeps the new, complete content.
    void adresarBezSynchronizaceABezOdkazu_data()
    {
        QTest::addColumn<int>("odkaz");
        QTest::addColumn<int>("fsyncAdresare");
        QTest::addColumn<bool>("uspech");
        QTest::addColumn<QByteArray>("zbyva");
        QTest::newRow("EINVAL") << 0 << EINVAL << true << QByteArray("nová");
        QTest::newRow("bez odkazu") << EPERM << 0 << true << QByteArray("nová");
        QTest::newRow("bez odkazu, EIO") << EPERM << EIO << false << QByteArray("nová");
        QTest::newRow("s odkazem, EIO") << 0 << EIO << false << QByteArray("stará");
    }
    void adresarBezSynchronizaceABezOdkazu()
    {
        QFETCH(int, odkaz);
        QFETCH(int, fsyncAdresare);
        QFETCH(bool, uspech);
        QFETCH(QByteArray, zbyva);
        QTemporaryDir dir;
        const QString cesta = dir.filePath(QStringLiteral("OO500011.00001"));
        Zapis(cesta, "stará");
        Soubory::NastavPoruchu([=](KrokUkladani k) {
            return k == KrokUkladani::Odkaz           ? odkaz
                   : k == KrokUkladani::FsyncAdresare ? fsyncAdresare
                                                      : 0;
        });
        bool uspel = true;
        try {
            Soubory::UlozAtomicky(cesta, "nová");
        } catch (const EChyba &) {
            uspel = false;
        }
        QCOMPARE(uspel, uspech);
        QCOMPARE(Obsah(cesta), zbyva);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void zapisDoAdresareJenProCteni()
    {
        if (geteuid() == 0)
            QSKIP("root zapíše i do adresáře bez práva zápisu");
        QTemporaryDir dir;
        const QString cesta = dir.filePath(QStringLiteral("KOMISE.RCD"));
        Zapis(cesta, "jména");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY_THROWS_EXCEPTION(EChyba, Soubory::UlozAtomicky(cesta, "nová jména"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Obsah(cesta), QByteArray("jména"));
    }

    void smazaniNeexistujicihoNeniChyba()
    {
        QTemporaryDir dir;
        Soubory::Smaz(dir.filePath(QStringLiteral("nic")));
        Zapis(dir.filePath(QStringLiteral("neco")), "x");
        Soubory::Smaz(dir.filePath(QStringLiteral("neco")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("neco"))));
    }
};

QTEST_GUILESS_MAIN(TestZaklad)
#include "TestZaklad.moc"
