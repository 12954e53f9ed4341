// Nothing entered is lost or misreported, whatever runs at the same time or was cut
// short before: the station tool on the demo station, as a user runs it.
#include "Denik.h"
#include "DvaPripady.h"
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

// Every file of the installation with its bytes, to see that a refused command changed none.
QMap<QString, QByteArray> Snimek(const QString &adresar)
{
    QMap<QString, QByteArray> s;
    const QDir dir(adresar);
    for (const QString &f : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!f.endsWith(u".LCK"_s) && f != u"DENIK.TXT"_s)
            s.insert(f, Obsah(dir.filePath(f)));
    }
    for (const QString &d : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QMap<QString, QByteArray> pod = Snimek(dir.filePath(d));
        for (auto it = pod.cbegin(); it != pod.cend(); ++it)
            s.insert(d + u'/' + it.key(), it.value());
    }
    return s;
}

void NastavCas(const QString &cesta, const QDateTime &kdy)
{
    QFile f(cesta);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(kdy, QFileDevice::FileModificationTime));
}

} // namespace

class TestOdolnost : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_st;

    QString Data(const QString &prefix) const
    {
        return m_st + u"/data/"_s + prefix + u"O598761.00003"_s;
    }
    QString Stav1() const
    {
        return QString::fromLatin1(Obsah(m_st + u"/STANICE.RCD"_s).mid(250, 2));
    }
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
        const QString cesta = m_tmp.filePath(u"porizeni-%1.json"_s.arg(zapsOsoby));
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
    }

    // A save cut short between writing one file and removing the other leaves both;
    // the later one is current for every reader, and the stale one goes.
    void novejsiZObouSouboruPlati_data() { DvaPripady("novejsiE", "O novější", "E novější"); }
    void novejsiZObouSouboruPlati()
    {
        QFETCH(bool, novejsiE);
        const QByteArray stareO = Obsah(Data(u"O"_s));
        QCOMPARE(Spust({u"porizeni"_s, Porizeni(1013), m_st}).Kod, 0);
        QVERIFY(!QFileInfo::exists(Data(u"O"_s)));
        Zapis(Data(u"O"_s), stareO);
        const QDateTime ted = QDateTime::currentDateTime();
        NastavCas(Data(u"O"_s), novejsiE ? ted.addSecs(-100) : ted);
        NastavCas(Data(u"E"_s), novejsiE ? ted : ted.addSecs(-100));

        const TBeh b = Spust({u"kontrola"_s, m_st, u"--typ"_s, u"1"_s});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QVERIFY(QFileInfo::exists(Data(u"O"_s)));
        QVERIFY(!QFileInfo::exists(Data(u"E"_s)));
        QCOMPARE(ZapsOsoby(Data(u"O"_s)), novejsiE ? u"1013"_s : u"1012"_s);
        QVERIFY(QString::fromUtf8(Obsah(m_st + u"/DENIK.TXT"_s))
                    .contains(u"odstraněn starší soubor"_s));
    }

    // porizeni writes all its files or none: a file it cannot replace (here KOMISE.RCD
    // turned into a directory) puts every other file back as it was.
    void porizeniVseNeboNic()
    {
        const QString komise = m_st + u"/data/KOMISE.RCD"_s;
        QVERIFY(QFile::remove(komise));
        QVERIFY(QDir().mkpath(komise + u"/plno"_s));
        const QMap<QString, QByteArray> pred = Snimek(m_st);
        const TBeh b = Spust({u"porizeni"_s, Porizeni(1013), m_st});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(u"Nic nebylo uloženo"_s), qPrintable(b.Chyby));
        QCOMPARE(Snimek(m_st), pred);
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
        const QMap<QString, QByteArray> pred = Snimek(m_st);
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
        QCOMPARE(Snimek(m_st), pred);
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
        QCOMPARE(Stav1(), QString(QChar(1)) + u'N');
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
        const QString soubor = m_st + u"/Export/OO598761.00003"_s;
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(Obsah(soubor), QCryptographicHash::Sha256).toHex());
        QVERIFY2(b.Vystup.contains(u"SHA-256: "_s + sha), qPrintable(b.Vystup));
        QCOMPARE(Spust({u"precti"_s, soubor, u"--sha256"_s}).Vystup,
                 sha + u"  "_s + soubor + u'\n');
        QCOMPARE(Obsah(soubor), Obsah(Data(u"O"_s)));
        QCOMPARE(Stav1(), QString(QChar(1)) + u'A');

        const QString denik = QString::fromUtf8(Obsah(m_st + u"/DENIK.TXT"_s));
        for (const QString &udalost :
             {u"porizeni\\[\\d+\\] uložení: EO598761"_s,
              u"kontrola\\[\\d+\\] kontrola: typ zastupitelstva 1"_s,
              u"kontrola\\[\\d+\\] uložení: OO598761"_s,
              u"export\\[\\d+\\] export: .*OO598761.00003, %1 B, SHA-256 "_s.arg(
                  Obsah(soubor).size()) +
                  sha})
            QVERIFY2(denik.contains(QRegularExpression(udalost)), qPrintable(udalost));
    }
};

QTEST_GUILESS_MAIN(TestOdolnost)
#include "TestOdolnost.moc"
