// A training station through the station tool: the mark on every printed page, the
// export name, and `vycisti` resetting it with nothing lost.
#include "Denik.h"
#include "Snimek.h"
#include "SouboryTestu.h"
#include "SpustNastroj.h"
#include "Stanice.h"
#include "Zamek.h"

#include <optional>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Demo = QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/demo-stanice.json");
const QString DemoPorizeni = QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/demo-porizeni.json");
const QString Znacka = u"CVIČNÁ DATA – NEPLATNÉ"_s;

// The words pdftotext finds on each page of the PDF, with their boxes in points (a
// turned text comes as pieces of words).
struct TSlovoPdf
{
    QString Text;
    QRectF Box;
};
QList<QList<TSlovoPdf>> SlovaStran(const QString &pdf, QSizeF &strana)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<QList<TSlovoPdf>> strany;
    static const QRegularExpression prvek(
        u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" "
        u"yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    for (auto it = prvek.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            strana = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
            strany.append(QList<TSlovoPdf>());
        } else if (!strany.isEmpty()) {
            strany.last().append(
                {m.captured(7),
                 QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                        QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()))});
        }
    }
    return strany;
}

} // namespace

class TestSkoleni : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_stanice;

    // A station built from the demo description with the demo results stored and
    // checked; `dalsi` are extra options of `stanice`.
    void Priprav(const QStringList &dalsi)
    {
        QDir(m_stanice).removeRecursively();
        const TBeh s = Spust(QStringList{u"stanice"_s, Demo, m_stanice} + dalsi);
        QVERIFY2(s.Kod == 0, qPrintable(s.Chyby));
        QCOMPARE(Spust({u"porizeni"_s, DemoPorizeni, m_stanice}).Kod, 0);
        for (const QString &typ : {u"1"_s, u"2"_s})
            QCOMPARE(Spust({u"kontrola"_s, m_stanice, u"--typ"_s, typ}).Kod, 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_stanice = m_dir.filePath(u"stanice"_s);
        // The tool's printouts get a runtime directory of their own, not the user's.
        const QString beh = m_dir.filePath(u"beh"_s);
        QVERIFY(QDir().mkpath(beh));
        QFile::setPermissions(beh, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(beh));
        // The test page asks for the default printer: of a print system that is not there.
        qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(u"cups.sock"_s)));
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) chybí");
    }

    // Every page of every printout of a training station carries the whole mark as
    // text, turned along the page and inside the printable area; a real station's
    // pages carry none of it.
    void znackaNaKazdeStrane_data()
    {
        QTest::addColumn<bool>("cvicna");
        QTest::addColumn<QStringList>("tisk");
        for (const bool cvicna : {true, false}) {
            const char *druh = cvicna ? "cvičná" : "ostrá";
            const QList<std::pair<const char *, QStringList>> sestavy = {
                {"zápis", {u"zapis"_s, u"--typ"_s, u"1"_s}},
                {"zápis přímo", {u"zapis"_s, u"--typ"_s, u"2"_s, u"--primo"_s}},
                {"protokol", {u"protokol"_s, u"--typ"_s, u"1"_s}},
                {"arch A4", {u"arch-a4"_s, u"--typ"_s, u"1"_s}},
                {"arch A4 na šířku", {u"arch-a4-sirka"_s, u"--typ"_s, u"1"_s}},
                {"arch A3", {u"arch-a3"_s, u"--typ"_s, u"2"_s}},
                {"zkušební stránka", {u"zkusebni"_s}},
            };
            for (const auto &[jmeno, tisk] : sestavy) {
                if (!cvicna && tisk.first() != u"zapis")
                    continue; // one real printout shows that the mark comes from the station
                QTest::addRow("%s, %s", druh, jmeno) << cvicna << tisk;
            }
        }
    }
    void znackaNaKazdeStrane()
    {
        QFETCH(bool, cvicna);
        QFETCH(QStringList, tisk);
        if (!QFileInfo::exists(m_stanice + u"/STANICE.RCD"_s) ||
            QFileInfo::exists(m_stanice + u"/SKOLENI.TXT"_s) != cvicna)
            Priprav(cvicna ? QStringList{u"--skoleni"_s} : QStringList{});
        const QString pdf = m_dir.filePath(u"sestava.pdf"_s);
        const TBeh b =
            Spust(QStringList{u"tisk"_s, m_stanice, tisk.first(), u"--pdf"_s, pdf} + tisk.mid(1));
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));

        // In the order drawn, each page's text starts with the whole mark.
        QProcess raw;
        raw.start(u"pdftotext"_s, {u"-raw"_s, pdf, u"-"_s});
        QVERIFY(raw.waitForFinished(60000));
        QStringList texty = QString::fromUtf8(raw.readAllStandardOutput()).split(u'\f');
        texty.removeLast(); // after the last page's form feed
        QSizeF list;
        const QList<QList<TSlovoPdf>> strany = SlovaStran(pdf, list);
        QCOMPARE(texty.size(), strany.size());
        QVERIFY(!strany.isEmpty());

        const qreal okraj = 5 / 25.4 * 72; // the printable edge, in points
        const QRectF plocha(okraj, okraj, list.width() - 2 * okraj, list.height() - 2 * okraj);
        QString pismenaZnacky = Znacka;
        pismenaZnacky.remove(u' ');
        std::sort(pismenaZnacky.begin(), pismenaZnacky.end());
        for (qsizetype s = 0; s < strany.size(); ++s) {
            const QString kde = u"strana %1"_s.arg(s + 1);
            QCOMPARE(texty.at(s).startsWith(Znacka + u'\n'), cvicna);
            // Its letters are the only large type on the page: measure where they lie.
            QString pismena;
            QRectF rozsah;
            for (const TSlovoPdf &w : strany.at(s)) {
                if (w.Box.height() < 30)
                    continue;
                pismena += w.Text;
                rozsah = rozsah.united(w.Box);
            }
            std::sort(pismena.begin(), pismena.end());
            QCOMPARE(pismena, cvicna ? pismenaZnacky : QString());
            if (!cvicna)
                continue;
            QVERIFY2(plocha.contains(rozsah), qPrintable(kde + u": značka mimo plochu"_s));
            QVERIFY2(
                rozsah.width() > list.width() / 2 && rozsah.height() > list.height() / 4,
                qPrintable(kde +
                           u": značka jen %1 × %2 pt"_s.arg(rozsah.width()).arg(rozsah.height())));
        }
    }

    // The export of a training station is named so that no receiving point takes it
    // for real, holds the very bytes of the results and is journaled as training data.
    void exportMaPredponu()
    {
        Priprav({u"--skoleni"_s});
        const TBeh e = Spust({u"export"_s, m_stanice, u"--typ"_s, u"1"_s});
        QVERIFY2(e.Kod == 0, qPrintable(e.Chyby));
        const QString soubor = m_stanice + u"/Export/CVICNE-OO598761.00003"_s;
        QVERIFY2(e.Vystup.contains(soubor) && e.Vystup.contains(u"Cvičná stanice"_s),
                 qPrintable(e.Vystup));
        QCOMPARE(Obsah(soubor), Obsah(m_stanice + u"/data/OO598761.00003"_s));
        QCOMPARE(QDir(m_stanice + u"/Export"_s).entryList(QDir::Files),
                 QStringList{u"CVICNE-OO598761.00003"_s});
        QVERIFY(Obsah(m_stanice + u'/' + Denik::JmenoSouboru)
                    .contains(u"soubor CVICNE-OO598761.00003"_s.toUtf8()));
        QVERIFY(
            Obsah(m_stanice + u'/' + Denik::JmenoSouboru).contains(u"cvičný soubor"_s.toUtf8()));

        // A training station is never quietly rebuilt into a real one.
        const TBeh prepis = Spust({u"stanice"_s, Demo, m_stanice, u"--prepsat"_s});
        QCOMPARE(prepis.Kod, 1);
        QVERIFY2(prepis.Chyby.contains(u"je cvičná"_s), qPrintable(prepis.Chyby));
        QVERIFY(QFileInfo::exists(m_stanice + u"/SKOLENI.TXT"_s));
    }

    // `vycisti` moves every entered, exported and printed file into one new kept
    // directory, byte for byte, leaves the station ready for the next group and keeps
    // the journal; on a real station, or under another writer, it changes nothing.
    void vycisti_data()
    {
        QTest::addColumn<bool>("cvicna");
        QTest::addColumn<QStringList>("volby");
        QTest::addColumn<bool>("zamceno");
        QTest::addColumn<int>("kod");
        QTest::newRow("cvičná") << true << QStringList{} << false << 0;
        QTest::newRow("ostrá bez --opravdu") << false << QStringList{} << false << 1;
        QTest::newRow("ostrá s --opravdu") << false << QStringList{u"--opravdu"_s} << false << 0;
        QTest::newRow("program běží") << true << QStringList{} << true << 1;
    }
    void vycisti()
    {
        QFETCH(bool, cvicna);
        QFETCH(QStringList, volby);
        QFETCH(bool, zamceno);
        QFETCH(int, kod);
        Priprav(cvicna ? QStringList{u"--skoleni"_s} : QStringList{});
        QCOMPARE(Spust({u"export"_s, m_stanice, u"--typ"_s, u"2"_s}).Kod, 0);
        QCOMPARE(Spust({u"porizeni"_s, DemoPorizeni, m_stanice, u"--kontrolni"_s}).Kod, 0);
        QDir().mkpath(m_stanice + u"/Tisk"_s);
        QCOMPARE(Spust({u"tisk"_s, m_stanice, u"zapis"_s, u"--typ"_s, u"2"_s, u"--pdf"_s,
                        m_stanice + u"/Tisk/zapis.pdf"_s})
                     .Kod,
                 0);
        const QMap<QString, QByteArray> pred = Snimek(m_stanice);
        const QByteArray denik = pred.value(Denik::JmenoSouboru);

        std::optional<TZamek> program;
        if (zamceno)
            program.emplace(m_stanice + u'/', TZamek::TDruh::Program);
        const TBeh b = Spust(QStringList{u"vycisti"_s, m_stanice} + volby);
        program.reset();
        QVERIFY2(b.Kod == kod, qPrintable(b.Vystup + b.Chyby));
        if (kod != 0) {
            QVERIFY(!b.Chyby.isEmpty());
            // Nothing moved; the journal may only have gained the refusal.
            QMap<QString, QByteArray> po = Snimek(m_stanice);
            QVERIFY(po.take(Denik::JmenoSouboru).startsWith(denik));
            QMap<QString, QByteArray> bezDeniku = pred;
            bezDeniku.remove(Denik::JmenoSouboru);
            QVERIFY(po == bezDeniku);
            return;
        }

        const QDir zrusena(m_stanice + u"/data/Zrusena"_s);
        const QStringList kam = zrusena.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(kam.size(), 1);
        const QMap<QString, QByteArray> uschovane = Snimek(zrusena.filePath(kam.first()));
        // Everything the commission produced, found again where it was kept.
        const QMap<QString, QString> presunute = {
            {u"data/EO598761.00003"_s, u"EO598761.00003"_s},
            {u"data/OO598761.00003"_s, u"OO598761.00003"_s},
            {u"data/OC598761.00003"_s, u"OC598761.00003"_s},
            {u"data/KO598761.00003"_s, u"KO598761.00003"_s},
            {u"data/KC598761.00003"_s, u"KC598761.00003"_s},
            {u"data/HLASO.RCD"_s, u"HLASO.RCD"_s},
            {u"data/KOMISE.RCD"_s, u"KOMISE.RCD"_s},
            {u"data/INFOK83.RCD"_s, u"INFOK83.RCD"_s},
            {u"data/otisk-exportu-typ1.txt"_s, u"otisk-exportu-typ1.txt"_s},
            {u"data/otisk-exportu-typ2.txt"_s, u"otisk-exportu-typ2.txt"_s},
            {u"Tisk/zapis.pdf"_s, u"Tisk/zapis.pdf"_s},
        };
        int nalezeno = 0;
        for (auto it = pred.cbegin(); it != pred.cend(); ++it) {
            if (it.key().startsWith(u"Export/"_s)) {
                QCOMPARE(uschovane.value(it.key()), it.value());
                QVERIFY(!QFileInfo::exists(m_stanice + u'/' + it.key()));
                ++nalezeno;
            } else if (presunute.contains(it.key())) {
                QCOMPARE(uschovane.value(presunute.value(it.key())), it.value());
                ++nalezeno;
            }
        }
        QCOMPARE(uschovane.size(), nalezeno);
        QVERIFY(nalezeno >= 8);

        // Ready for the next group: no results, empty data files, nothing exported.
        const TStaniceRec st = NactiStanici(m_stanice + u'/');
        QCOMPARE(st.Stav1, u"N"_s);
        QCOMPARE(st.Stav2, u"N"_s);
        QCOMPARE(QDir(m_stanice + u"/data"_s).entryList(QDir::Files),
                 (QStringList{u"HLASO.RCD"_s, u"INFOK83.RCD"_s, u"KOMISE.RCD"_s}));
        QVERIFY(QDir(m_stanice + u"/Export"_s).isEmpty());
        QVERIFY(Spust({u"kontrola"_s, m_stanice, u"--typ"_s, u"1"_s}).Kod != 0);
        const QByteArray novyDenik = Obsah(m_stanice + u'/' + Denik::JmenoSouboru);
        QVERIFY(novyDenik.startsWith(denik));
        QVERIFY(novyDenik.mid(denik.size()).contains(u"vyčištění stanice"_s.toUtf8()));
        QVERIFY(QFileInfo::exists(m_stanice + u"/STANICE.RCD"_s));
        QCOMPARE(QFileInfo::exists(m_stanice + u"/SKOLENI.TXT"_s), cvicna);
    }
};

QTEST_GUILESS_MAIN(TestSkoleni)
#include "TestSkoleni.moc"
