// The export file, its copy routine, the removable-device source and ejecting.
#include "EChyba.h"
#include "Export.h"
#include "SouboryTestu.h"
#include "Zarizeni.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Bytes that are not text, so any conversion on the way would show.
QByteArray Data(int velikost)
{
    QByteArray b;
    for (int i = 0; i < velikost; ++i)
        b.append(char((i * 37 + 11) & 0xff));
    return b;
}

// Accepts at most `limit` bytes in total, like a device that fills up.
class TPlneZarizeni : public QIODevice
{
public:
    explicit TPlneZarizeni(qint64 limit) : m_zbyva(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 delka) override
    {
        const qint64 n = qMin(delka, m_zbyva);
        m_zbyva -= n;
        return n;
    }

private:
    qint64 m_zbyva;
};

void ZapisSkript(const QString &cesta, const QByteArray &telo)
{
    Zapis(cesta, "#!/bin/sh\n" + telo + "\n");
    QFile::setPermissions(cesta, QFile::permissions(cesta) | QFileDevice::ExeOwner);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_data, m_cil;
    const QString Jmeno = u"OO504505.00002"_s;

private slots:
    void init()
    {
        QVERIFY(m_tmp.isValid());
        m_data = m_tmp.path() + u"/data/"_s;
        m_cil = m_tmp.path() + u"/usb/"_s;
        QDir(m_tmp.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_data));
        QVERIFY(QDir().mkpath(m_cil));
    }
    void cleanup() { VynutKopiiPoBlocich(false); }

    TAdresare Adr() const { return {m_tmp.path() + u'/', m_tmp.path() + u'/', m_data}; }

    void jmenoExportu_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("jmeno");
        QTest::newRow("obec") << 1 << u"OO504505.00002"_s;
        QTest::newRow("mestska cast") << 2 << u"OC504505.00002"_s;
        QTest::newRow("jiny typ") << 3 << u"OX504505.00002"_s;
        QTest::newRow("nula") << 0 << u"OX504505.00002"_s;
    }
    void jmenoExportu()
    {
        QFETCH(int, typ);
        QFETCH(QString, jmeno);
        QCOMPARE(JmenoExportu(u"504505"_s, 2, typ), jmeno);
        QCOMPARE(JmenoExportu(u"504505"_s, 12345, 1), u"OO504505.12345"_s);
    }

    void kopieJeShodnaANahradiPredchozi_data()
    {
        QTest::addColumn<bool>("poBlocich");
        QTest::addColumn<int>("vysledek");
        QTest::newRow("soubor najednou") << false << 1;
        QTest::newRow("po blocich") << true << 2;
    }
    void kopieJeShodnaANahradiPredchozi()
    {
        QFETCH(bool, poBlocich);
        QFETCH(int, vysledek);
        VynutKopiiPoBlocich(poBlocich);
        const QByteArray prvni = Data(10000);
        Zapis(m_data + Jmeno, prvni);
        QCOMPARE(KopirujSoubor(Adr(), m_cil, u"504505"_s, 2, 1).Zpusob, vysledek);
        QCOMPARE(Obsah(m_cil + Jmeno), prvni);

        // A second, shorter export must not leave a tail of the first one.
        const QByteArray druhy = Data(300).toBase64();
        Zapis(m_data + Jmeno, druhy);
        QCOMPARE(KopirujSoubor(Adr(), m_cil, u"504505"_s, 2, 1).Zpusob, vysledek);
        QCOMPARE(Obsah(m_cil + Jmeno), druhy);
        QCOMPARE(QDir(m_cil).entryList(QDir::Files), QStringList{Jmeno});
        // The source is only read.
        QCOMPARE(Obsah(m_data + Jmeno), druhy);
    }

    void zdrojNajdeBezOhleduNaVelikostPismen()
    {
        Zapis(m_data + u"oo504505.00002"_s, "abc");
        QCOMPARE(KopirujSoubor(Adr(), m_cil, u"504505"_s, 2, 1).Zpusob, 1);
        QCOMPARE(Obsah(m_cil + Jmeno), QByteArray("abc"));
    }

    void blokyPo4096()
    {
        QBuffer zdroj;
        zdroj.setData(Data(10000));
        QVERIFY(zdroj.open(QIODevice::ReadOnly));
        QBuffer cil;
        QVERIFY(cil.open(QIODevice::WriteOnly));
        QCOMPARE(KopirujPoBlocich(zdroj, cil, u"x"_s), (QList<qint64>{4096, 4096, 1808}));
        QCOMPARE(cil.data(), Data(10000));
    }

    void neuplnyZapisJeChyba()
    {
        QBuffer zdroj;
        zdroj.setData(Data(5000));
        QVERIFY(zdroj.open(QIODevice::ReadOnly));
        TPlneZarizeni plne(4500);
        QVERIFY_THROWS_EXCEPTION(EChyba, KopirujPoBlocich(zdroj, plne, u"x"_s));
    }

    void selhaniKopieJeChyba_data()
    {
        QTest::addColumn<bool>("poBlocich");
        QTest::addColumn<bool>("zdrojExistuje");
        QTest::newRow("chybi zdroj") << false << false;
        QTest::newRow("chybi zdroj, bloky") << true << false;
        QTest::newRow("chybi cil") << false << true;
        QTest::newRow("chybi cil, bloky") << true << true;
    }
    void selhaniKopieJeChyba()
    {
        QFETCH(bool, poBlocich);
        QFETCH(bool, zdrojExistuje);
        VynutKopiiPoBlocich(poBlocich);
        if (zdrojExistuje) {
            Zapis(m_data + Jmeno, "abc");
            QVERIFY(QDir(m_cil).removeRecursively());
        }
        try {
            KopirujSoubor(Adr(), m_cil, u"504505"_s, 2, 1);
            QFAIL("the copy reported success");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(Jmeno), qPrintable(e.zprava()));
        }
    }

    void zarizeniVeStalemPoradi()
    {
        const QString a = m_tmp.path() + u"/a"_s, b = m_tmp.path() + u"/b"_s;
        QVERIFY(QDir().mkpath(a));
        QVERIFY(QDir().mkpath(b));
        TZdrojZarizeniAdresare zdroj({b, a}, {m_tmp.path() + u"/ctecka"_s});
        const QList<TZarExp> z = NactiZarizeni(zdroj);
        QCOMPARE(z.size(), 3);
        QCOMPARE(z[0].Pozice, a + u'/');
        QCOMPARE(z[1].Pozice, b + u'/');
        QVERIFY(z[0].Size > 0 && z[0].Free >= 0 && z[0].Free <= z[0].Size);
        QCOMPARE(z[2].Pozice, m_tmp.path() + u"/ctecka/"_s);
        QCOMPARE(z[2].Size, -1);
        QCOMPARE(z[2].Free, -1);
        QCOMPARE(SeznamVyjimatelnych(zdroj),
                 (QStringList{a + u'/', b + u'/', m_tmp.path() + u"/ctecka/"_s}));
    }

    void cvicnaZarizeniZProstredi()
    {
        const QString a = m_tmp.path() + u"/usb1"_s, b = m_tmp.path() + u"/usb2"_s;
        QVERIFY(QDir().mkpath(a));
        QVERIFY(QDir().mkpath(b));
        qputenv("ZELKOVAR_ZARIZENI", (b + u':' + a + u"::"_s + m_tmp.path() + u"/neni"_s).toUtf8());
        const std::unique_ptr<IZdrojZarizeni> cvicny = VytvorZdrojZarizeni();
        qunsetenv("ZELKOVAR_ZARIZENI");
        // A directory that does not exist is not offered.
        QCOMPARE(SeznamVyjimatelnych(*cvicny), (QStringList{a + u'/', b + u'/'}));
        QVERIFY(dynamic_cast<TZdrojZarizeniLinux *>(VytvorZdrojZarizeni().get()));
    }

    void systemovyZdrojNepadne()
    {
        // Whatever this machine has mounted: only mount points, sorted, sizes sane.
        TZdrojZarizeniLinux zdroj;
        const QList<TZarExp> z = NactiZarizeni(zdroj);
        for (qsizetype i = 0; i < z.size(); ++i) {
            QVERIFY(z[i].Pozice.endsWith(u'/'));
            QVERIFY(z[i].Size == -1 || z[i].Size > 0);
            if (i > 0)
                QVERIFY(z[i - 1].Pozice < z[i].Pozice);
        }
    }

    void odebrani_data()
    {
        QTest::addColumn<QByteArray>("skript"); // empty: no removedrive
        QTest::addColumn<bool>("spustitelny");
        QTest::addColumn<bool>("odebrano");
        QTest::addColumn<int>("cekani"); // 500 ms waits; -1: some, fewer than the full 31
        QTest::newRow("uspech") << QByteArray("rm -rf \"$1\"") << true << true << -1;
        QTest::newRow("program selze") << QByteArray("exit 3") << true << false << -1;
        QTest::newRow("nelze spustit") << QByteArray("exit 0") << false << false << 31;
        QTest::newRow("bez programu") << QByteArray() << true << false << 0;
    }
    void odebrani()
    {
        QFETCH(QByteArray, skript);
        QFETCH(bool, spustitelny);
        QFETCH(bool, odebrano);
        QFETCH(int, cekani);
        const QString instalace = m_tmp.path() + u"/instalace/"_s;
        const QString usb = m_tmp.path() + u"/usb1"_s;
        QVERIFY(QDir().mkpath(instalace));
        QVERIFY(QDir().mkpath(usb));
        if (!skript.isEmpty()) {
            ZapisSkript(instalace + u"removedrive"_s, skript);
            if (!spustitelny)
                QFile::setPermissions(instalace + u"removedrive"_s,
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        TZdrojZarizeniAdresare zdroj({usb});
        int pocet = 0;
        const bool vysledek = OdeberZarizeni(zdroj, instalace, usb + u'/', [&](int ms) {
            QCOMPARE(ms, 500);
            ++pocet;
            QThread::msleep(20);
        });
        QCOMPARE(vysledek, odebrano);
        QCOMPARE(QFileInfo::exists(usb), !odebrano);
        if (cekani >= 0)
            QCOMPARE(pocet, cekani);
        else
            QVERIFY2(pocet >= 1 && pocet < 31, qPrintable(QString::number(pocet)));
    }

    void vlaknoVraciVysledek_data()
    {
        QTest::addColumn<QStringList>("prikaz");
        QTest::addColumn<int>("vysledek");
        QTest::addColumn<bool>("hotovo");
        QTest::newRow("kod 0") << QStringList{u"sh"_s, u"-c"_s, u"exit 0"_s} << 0 << true;
        QTest::newRow("kod 1") << QStringList{u"sh"_s, u"-c"_s, u"exit 1"_s} << 1 << true;
        QTest::newRow("nelze spustit") << QStringList{u"/neexistuje/program"_s} << -1 << false;
    }
    void vlaknoVraciVysledek()
    {
        QFETCH(QStringList, prikaz);
        QFETCH(int, vysledek);
        QFETCH(bool, hotovo);
        std::atomic<bool> h{false};
        TExecuteThread v;
        v.Prikazy = {prikaz};
        v.Hotovo = &h;
        v.start();
        QVERIFY(v.wait(20000));
        QCOMPARE(v.Result.load(), vysledek);
        QCOMPARE(h.load(), hotovo);
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "TestExport.moc"
