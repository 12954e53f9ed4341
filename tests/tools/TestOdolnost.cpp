// Nothing entered is lost or misreported, whatever runs at the same time or was cut
// short before: the station tool on the demo station, as a user runs it.
#include "Denik.h"
#include "Snimek.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "Zamek.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Priklady = QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/");

// Every file of the installation with its bytes but the locks and the journal, which
// every run touches: to see that a refused command changed none.
QMap<QString, QByteArray> SnimekDat(const QString &adresar)
{
    QMap<QString, QByteArray> s = Snimek(adresar);
    s.removeIf([](const auto &f) {
        const QString jmeno = QFileInfo(f.key()).fileName();
        return jmeno.endsWith(u".LCK"_s) || jmeno == u"DENIK.TXT"_s;
    });
    return s;
}

// What the tool says of a council type's current file: soubor, predpona, stav.
QMap<QString, QString> Aktualni(const QString &st, const QString &typ = u"1"_s)
{
    const TBeh b = Spust({u"aktualni"_s, st, u"--typ"_s, typ});
    QMap<QString, QString> m;
    for (const QString &r : b.Vystup.split(u'\n', Qt::SkipEmptyParts))
        m.insert(r.section(u'=', 0, 0), r.section(u'=', 1));
    return m;
}

// Runs the tool under strace, killed at the n-th call of the given system calls; true
// when it was killed there (false: it ended before reaching that call).
bool SpustAZabij(const QStringList &argumenty, const QString &volani, int n)
{
    QProcess p;
    p.start(u"strace"_s,
            QStringList{u"-f"_s, u"-qq"_s, u"-o"_s, u"/dev/null"_s, u"-e"_s, u"trace="_s + volani,
                        u"-e"_s, u"inject=%1:signal=SIGKILL:when=%2"_s.arg(volani).arg(n),
                        QStringLiteral(NASTROJ)} +
                argumenty);
    p.waitForFinished(60000);
    return p.exitCode() == 128 + 9 || p.exitStatus() != QProcess::NormalExit;
}

} // namespace

class TestOdolnost : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_st;

    QString m_klic; // the results file's name without its prefix, from the tool

    QString Data(const QString &prefix) const { return m_st + u"/data/"_s + prefix + m_klic; }
    QString Stav1() const { return Aktualni(m_st).value(u"stav"_s); }
    QString ZapsOsoby(const QString &soubor) const
    {
        const TBeh b = Spust({u"precti"_s, soubor, u"--pole"_s});
        // The first ZapsOsoby is the header's.
        for (const QString &r : b.Vystup.split(u'\n')) {
            if (r.startsWith(u"ZapsOsoby="_s))
                return r.section(u'=', 1);
        }
        return b.Chyby;
    }
    // The demo results with the voter count of council type 1 changed.
    QString Porizeni(int zapsOsoby)
    {
        QByteArray popis = Obsah(Priklady + u"demo-porizeni.json"_s);
        popis.replace("\"ZapsOsoby\": 1012", "\"ZapsOsoby\": " + QByteArray::number(zapsOsoby));
        QString cesta = m_tmp.filePath(u"porizeni-%1.json"_s.arg(zapsOsoby));
        Zapis(cesta, popis);
        return cesta;
    }

private slots:
    void init()
    {
        QVERIFY(m_tmp.isValid());
        m_st = m_tmp.filePath(u"st"_s);
        QDir(m_st).removeRecursively();
        QCOMPARE(Spust({u"stanice"_s, Priklady + u"demo-stanice.json"_s, m_st}).Kod, 0);
        QCOMPARE(Spust({u"porizeni"_s, Porizeni(1012), m_st}).Kod, 0);
        QCOMPARE(Spust({u"kontrola"_s, m_st, u"--typ"_s, u"1"_s}).Kod, 0);
        m_klic = QFileInfo(Aktualni(m_st).value(u"soubor"_s)).fileName().mid(1);
        QCOMPARE(m_klic.size(), 13);
    }

    // A save cut short between writing one file and removing the other leaves both; a
    // copy of the installation then gives them new times, the older file often the
    // newer one. The newer data stay current and the older file is kept aside.
    void kopieInstalace_data()
    {
        QTest::addColumn<QString>("kopie");
        QTest::newRow("cp -r") << u"cp -r st kopie && touch -d '1 hour' kopie/data/O*"_s;
        QTest::newRow("tar --touch") << u"mkdir kopie && tar -C st -cf - . | tar -C kopie --touch "
                                        u"-xf - && touch -d '1 hour' kopie/data/O*"_s;
    }
    void kopieInstalace()
    {
        QFETCH(QString, kopie);
        const QByteArray stareO = Obsah(Data(u"O"_s));
        QCOMPARE(Spust({u"porizeni"_s, Porizeni(1013), m_st}).Kod, 0);
        Zapis(Data(u"O"_s), stareO);
        QCOMPARE(Aktualni(m_st).value(u"predpona"_s), u"E"_s);
        QDir(m_tmp.filePath(u"kopie"_s)).removeRecursively();
        QProcess sh;
        sh.setWorkingDirectory(m_tmp.path());
        sh.start(u"sh"_s, {u"-c"_s, kopie});
        QVERIFY(sh.waitForFinished(60000) && sh.exitCode() == 0);
        m_st = m_tmp.filePath(u"kopie"_s);
        QVERIFY(QFileInfo(Data(u"O"_s)).lastModified() > QFileInfo(Data(u"E"_s)).lastModified());

        QCOMPARE(Aktualni(m_st).value(u"soubor"_s), Data(u"E"_s));
        const TBeh b = Spust({u"kontrola"_s, m_st, u"--typ"_s, u"1"_s});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QCOMPARE(ZapsOsoby(Data(u"O"_s)), u"1013"_s);
        QVERIFY(!QFileInfo::exists(Data(u"E"_s)));
        const QStringList zrusene = QDir(m_st + u"/data/Zrusena"_s).entryList(QDir::Files);
        QCOMPARE(zrusene.size(), 1);
        QCOMPARE(ZapsOsoby(m_st + u"/data/Zrusena/"_s + zrusene.first()), u"1012"_s);
        QVERIFY(QString::fromUtf8(Obsah(m_st + u"/DENIK.TXT"_s)).contains(zrusene.first()));
    }

    // A kill anywhere inside porizeni leaves new results with old INFOK83 and HLASO for
    // no longer than the next writer's start: it puts every file back and says so.
    void porizeniJeTransakce()
    {
        if (QProcess::execute(u"strace"_s, {u"-qq"_s, u"-o"_s, u"/dev/null"_s, u"true"_s}) != 0)
            QSKIP("strace cannot trace processes here");
        const QString zaloha = m_tmp.filePath(u"pred"_s);
        QDir(zaloha).removeRecursively();
        QVERIFY(QProcess::execute(u"cp"_s, {u"-a"_s, m_st, zaloha}) == 0);
        const QMap<QString, QByteArray> pred = SnimekDat(m_st);
        QCOMPARE(Spust({u"porizeni"_s, Porizeni(1013), m_st}).Kod, 0);
        const QByteArray noveInfo = Obsah(m_st + u"/data/INFOK83.RCD"_s);
        QVERIFY(noveInfo != pred.value(u"data/INFOK83.RCD"_s));

        int zabito = 0;
        for (int n = 1;; ++n) {
            QDir(m_st).removeRecursively();
            QVERIFY(QProcess::execute(u"cp"_s, {u"-a"_s, zaloha, m_st}) == 0);
            if (!SpustAZabij({u"porizeni"_s, Porizeni(1013), m_st}, u"rename,renameat"_s, n))
                break;
            ++zabito;
            const TBeh b = Spust({u"kontrola"_s, m_st, u"--typ"_s, u"2"_s});
            const QString osoby = ZapsOsoby(Aktualni(m_st).value(u"soubor"_s));
            const QByteArray info = Obsah(m_st + u"/data/INFOK83.RCD"_s);
            QVERIFY2((osoby == u"1012"_s && info == pred.value(u"data/INFOK83.RCD"_s)) ||
                         (osoby == u"1013"_s && info == noveInfo),
                     qPrintable(u"zabit u volání %1: ZapsOsoby %2"_s.arg(n).arg(osoby)));
            const bool vraceno = b.Chyby.contains(u"Předchozí uložení bylo přerušeno"_s);
            QCOMPARE(QString::fromUtf8(Obsah(m_st + u"/DENIK.TXT"_s))
                         .contains(u"uložení vráceno zpět"_s),
                     vraceno);
            QVERIFY(!QFileInfo::exists(m_st + u"/TRANSAKCE/ZNACKA"_s));
        }
        QVERIFY(zabito > 10);
    }

    // porizeni writes all its files or none: a file it cannot replace (here KOMISE.RCD
    // turned into a directory) puts every other file back as it was.
    void porizeniVseNeboNic()
    {
        const QString komise = m_st + u"/data/KOMISE.RCD"_s;
        QVERIFY(QFile::remove(komise));
        QVERIFY(QDir().mkpath(komise + u"/plno"_s));
        const QMap<QString, QByteArray> pred = SnimekDat(m_st);
        const TBeh b = Spust({u"porizeni"_s, Porizeni(1013), m_st});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(u"Nic nebylo uloženo"_s), qPrintable(b.Chyby));
        QCOMPARE(SnimekDat(m_st), pred);
        QCOMPARE(ZapsOsoby(Data(u"O"_s)), u"1012"_s);
    }

    void druhyZapisovatelJeOdmitnut()
    {
        const QStringList zapisujici[] = {
            {u"porizeni"_s, Porizeni(1014), m_st},
            {u"kontrola"_s, m_st, u"--typ"_s, u"1"_s},
            {u"export"_s, m_st, u"--typ"_s, u"1"_s},
            {u"stanice"_s, Priklady + u"demo-stanice.json"_s, m_st, u"--prepsat"_s},
        };
        const QMap<QString, QByteArray> pred = SnimekDat(m_st);
        {
            // Held by this process: the refusal names it.
            Denik::NastavKdo(u"zkušební držitel"_s);
            const TZamek zamek(m_st + u'/');
            for (const QStringList &a : zapisujici) {
                const TBeh b = Spust(a);
                QCOMPARE(b.Kod, 1);
                QVERIFY2(b.Chyby.contains(u"zkušební držitel"_s), qPrintable(b.Chyby));
            }
        }
        QCOMPARE(SnimekDat(m_st), pred);
        QVERIFY(QString::fromUtf8(Obsah(m_st + u"/DENIK.TXT"_s))
                    .contains(u"odmítnut druhý zapisovatel"_s));

        // Held by a process that is then killed: the system releases the lock.
        QProcess drzitel;
        drzitel.start(u"flock"_s, {u"-o"_s, m_st + u"/ZAPIS.LCK"_s, u"sleep"_s, u"60"_s});
        QVERIFY(drzitel.waitForStarted());
        QTRY_VERIFY(QProcess::execute(u"flock"_s, {u"-n"_s, m_st + u"/ZAPIS.LCK"_s, u"true"_s}) !=
                    0);
        QCOMPARE(Spust(zapisujici[1]).Kod, 1);
        drzitel.kill();
        drzitel.waitForFinished();
        const TBeh b = Spust(zapisujici[1]);
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
    }

    // Nothing is exported into a directory that is not there, and no state says so.
    void cilMusiExistovat()
    {
        const QString chybi = m_tmp.filePath(u"neni/usb"_s);
        TBeh b = Spust({u"export"_s, m_st, u"--typ"_s, u"1"_s, u"--cil"_s, chybi});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(u"neexistuje"_s), qPrintable(b.Chyby));
        QVERIFY(!QFileInfo::exists(m_tmp.filePath(u"neni"_s)));
        QCOMPARE(Stav1(), u"N"_s);
        b = Spust(
            {u"tisk"_s, m_st, u"zapis"_s, u"--typ"_s, u"1"_s, u"--pdf"_s, chybi + u"/zapis.pdf"_s});
        QCOMPARE(b.Kod, 1);
        QVERIFY(!QFileInfo::exists(m_tmp.filePath(u"neni"_s)));
    }

    // The sum on the handover note is the file's, in the report, the journal and precti.
    void kontrolniSoucetExportu()
    {
        const TBeh b = Spust({u"export"_s, m_st, u"--typ"_s, u"1"_s});
        QCOMPARE(b.Kod, 0);
        const QString soubor = m_st + u"/Export/O"_s + m_klic;
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(Obsah(soubor), QCryptographicHash::Sha256).toHex());
        QVERIFY2(b.Vystup.contains(u"SHA-256: "_s + sha), qPrintable(b.Vystup));
        QCOMPARE(Spust({u"precti"_s, soubor, u"--sha256"_s}).Vystup,
                 sha + u"  "_s + soubor + u'\n');
        QCOMPARE(Obsah(soubor), Obsah(Data(u"O"_s)));
        QCOMPARE(Stav1(), u"A"_s);

        const QString denik = QString::fromUtf8(Obsah(m_st + u"/DENIK.TXT"_s));
        for (const QString &udalost :
             {u"porizeni\\[\\d+\\] porizeni: začátek"_s,
              u"porizeni\\[\\d+\\] uložení: E"_s + m_klic, u"porizeni\\[\\d+\\] porizeni: konec"_s,
              u"kontrola\\[\\d+\\] kontrola: typ zastupitelstva 1"_s,
              u"kontrola\\[\\d+\\] uložení: O"_s + m_klic,
              u"export\\[\\d+\\] export: .*O%1, %2 B, SHA-256 "_s.arg(m_klic).arg(
                  Obsah(soubor).size()) +
                  sha})
            QVERIFY2(denik.contains(QRegularExpression(udalost)), qPrintable(udalost));
    }
};

QTEST_GUILESS_MAIN(TestOdolnost)
#include "TestOdolnost.moc"
