// `zelkovar-nastroj tisk` run as a user runs it; where poppler's text extractor is
// installed, the texts of the PDF are checked where the layout puts them.
#include "SouboryTestu.h"
#include "ZkusebniOkrsek.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct TBeh
{
    int Kod = -1;
    QString Vystup;
    QString Chyby;
};

TBeh Spust(const QString &program, const QStringList &argumenty)
{
    QProcess p;
    p.start(program, argumenty);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

struct TSlovo
{
    QString Text;
    double X1, Y1, X2, Y2; // layout units
};

// Words of one page by pdftotext -bbox, converted from points to tenths of a millimetre.
QList<TSlovo> Slova(const QString &pdf, int strana)
{
    const TBeh b = Spust(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, QString::number(strana), u"-l"_s,
                                          QString::number(strana), pdf, u"-"_s});
    QList<TSlovo> v;
    const QRegularExpression re(
        u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"_s);
    for (auto it = re.globalMatch(b.Vystup); it.hasNext();) {
        const auto m = it.next();
        const double k = 254.0 / 72.0;
        v.append({m.captured(5), m.captured(1).toDouble() * k, m.captured(2).toDouble() * k,
                  m.captured(3).toDouble() * k, m.captured(4).toDouble() * k});
    }
    return v;
}

const TSlovo *Najdi(const QList<TSlovo> &slova, const QString &text)
{
    for (const TSlovo &s : slova)
        if (s.Text == text)
            return &s;
    return nullptr;
}

int PocetStran(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? int(f.readAll().count("/Type /Page\n")) : -1;
}

} // namespace

class TestNastrojTisk : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_instalace;

private slots:
    void initTestCase()
    {
        m_instalace = m_dir.filePath(u"stanice"_s);
        const TBeh b =
            Spust(QStringLiteral(NASTROJ), {u"stanice"_s, QStringLiteral(DEMO_POPIS), m_instalace});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
    }

    void sestavy_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<int>("stran");
        QTest::addColumn<int>("pravy"); // right margin of the layout
        QTest::addColumn<int>("dolni"); // the footer's Y
        QTest::newRow("arch-a4") << u"arch-a4"_s << u"1"_s << 9 << 1900 << 2880;
        QTest::newRow("arch-a4-sirka") << u"arch-a4-sirka"_s << u"1"_s << 10 << 2800 << 1890;
        QTest::newRow("arch-a3 typ 2") << u"arch-a3"_s << u"2"_s << 4 << 2800 << 4050;
        QTest::newRow("zkusebni") << u"zkusebni"_s << QString() << 1 << 1900 << 2700;
    }
    void sestavy()
    {
        QFETCH(QString, druh);
        QFETCH(QString, typ);
        QFETCH(int, stran);
        QFETCH(int, pravy);
        QFETCH(int, dolni);
        const QString pdf = m_dir.filePath(druh + typ + u".pdf"_s);
        QStringList argumenty{u"tisk"_s, m_instalace, druh, u"--pdf"_s, pdf};
        if (!typ.isEmpty())
            argumenty << u"--typ"_s << typ;
        const TBeh b = Spust(QStringLiteral(NASTROJ), argumenty);
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QCOMPARE(PocetStran(pdf), stran);

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext není nainstalován");
        const QList<TSlovo> slova = Slova(pdf, 1);
        QVERIFY(!slova.isEmpty());
        if (druh == u"zkusebni") {
            const TSlovo *s = Najdi(slova, u"Systém"_s);
            QVERIFY(s);
            QVERIFY(qAbs(s->X1 - 210) <= 2 && qAbs(s->Y1 - 800) <= 2);
            const TSlovo *p = Najdi(slova, u"patička"_s);
            QVERIFY(p);
            QVERIFY(qAbs(p->Y1 - dolni) <= 2);
            const TSlovo *kv = Najdi(slova, u"KV"_s);
            QVERIFY(kv && qAbs(kv->X2 - (pravy - 10)) <= 2);
            return;
        }
        const TSlovo *strana = Najdi(slova, u"Strana"_s);
        QVERIFY(strana);
        QVERIFY2(qAbs(strana->X1 - 305) <= 2 && qAbs(strana->Y1 - 200) <= 2,
                 qPrintable(u"%1 %2"_s.arg(strana->X1).arg(strana->Y1)));
        const TSlovo *kv = Najdi(slova, u"KV"_s);
        QVERIFY(kv);
        QVERIFY2(qAbs(kv->X2 - pravy) <= 2 && qAbs(kv->Y1 - dolni) <= 2,
                 qPrintable(u"%1 %2"_s.arg(kv->X2).arg(kv->Y1)));
        const TSlovo *vzor = Najdi(slova, u"VZOR"_s);
        QVERIFY(vzor && qAbs(vzor->X1 - (200 + (pravy - 200) / 2.0)) <= 2);
    }

    void protokolNemeniSoubory()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path());
        TVysledky v = PlatnyOkrsek(3, 10, 250);
        v.StranyHL[2].HlasyKand[4] = 9000; // a candidate above the party total
        UlozOkrsek(adr, KlicOkrsku(), u"E"_s, v);
        const QString data = JmenoSouboruOkrsku(adr, KlicOkrsku(), u"E"_s);
        const QString stanice = adr.AdrStanice + u"STANICE.RCD"_s;
        const QByteArray pred1 = Obsah(data), pred2 = Obsah(stanice);
        const QStringList pred = QDir(adr.AdrData).entryList(QDir::Files);
        // A reader that wrote its intermediate file into the installation would fail here.
        QVERIFY(QDir().mkdir(adr.AdrStanice + u"data.comp"_s));

        const QString pdf = dir.filePath(u"protokol.pdf"_s);
        const TBeh b = Spust(QStringLiteral(NASTROJ),
                             {u"tisk"_s, adr.AdrInstalace, u"protokol"_s, u"--pdf"_s, pdf});
        QVERIFY2(b.Kod == 0, qPrintable(b.Chyby));
        QCOMPARE(PocetStran(pdf), 1);
        QCOMPARE(Obsah(data), pred1);
        QCOMPARE(Obsah(stanice), pred2);
        QCOMPARE(QDir(adr.AdrData).entryList(QDir::Files), pred);

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext není nainstalován");
        const QList<TSlovo> slova = Slova(pdf, 1);
        const TSlovo *list = Najdi(slova, u"List"_s);
        QVERIFY(list && qAbs(list->X1 - 1500) <= 2 && qAbs(list->Y1 - 200) <= 2);
        const TSlovo *nadpis = Najdi(slova, u"PROTOKOL"_s);
        QVERIFY(nadpis && qAbs(nadpis->Y1 - 300) <= 2);
        const TSlovo *strana = Najdi(slova, u"Pořadové"_s);
        QVERIFY(strana && qAbs(strana->X1 - 200) <= 2);
        const TSlovo *kv = Najdi(slova, u"KV"_s);
        QVERIFY(kv && qAbs(kv->X2 - 1900) <= 2 && qAbs(kv->Y1 - 2700) <= 2);
    }

    // The record is read from the installation in place: a damaged file is named
    // where it lies and refused before anything large is read or copied.
    void zapisCteInstalaciNaMiste()
    {
        QTemporaryDir dir;
        const TAdresare adr = VytvorStanici(dir.path());
        UlozOkrsek(adr, KlicOkrsku(), u"O"_s, PlatnyOkrsek(3, 10, 250));
        QVERIFY(QFile::resize(adr.AdrData + u"HLASO.RCD"_s, qint64(1200) * 1024 * 1024));
        const TBeh b = Spust(QStringLiteral(NASTROJ), {u"tisk"_s, adr.AdrInstalace, u"zapis"_s,
                                                       u"--pdf"_s, dir.filePath(u"zapis.pdf"_s)});
        QCOMPARE(b.Kod, 1);
        QVERIFY2(b.Chyby.contains(adr.AdrData + u"HLASO.RCD je příliš velký"_s),
                 qPrintable(b.Chyby));
        QVERIFY(!QFile::exists(dir.filePath(u"zapis.pdf"_s)));
    }

    void chybnePouziti_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::newRow("neznamy druh")
            << QStringList{u"x"_s, u"protokolx"_s, u"--pdf"_s, u"a.pdf"_s} << 2;
        QTest::newRow("bez pdf") << QStringList{u"x"_s, u"arch-a4"_s} << 2;
        QTest::newRow("spatny typ")
            << QStringList{u"x"_s, u"arch-a4"_s, u"--pdf"_s, u"a.pdf"_s, u"--typ"_s, u"3"_s} << 2;
        QTest::newRow("bez stanice")
            << QStringList{u"/neexistuje"_s, u"arch-a4"_s, u"--pdf"_s, u"a.pdf"_s} << 1;
    }
    void chybnePouziti()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        const TBeh b = Spust(QStringLiteral(NASTROJ), QStringList{u"tisk"_s} + argumenty);
        QCOMPARE(b.Kod, kod);
        QVERIFY(b.Chyby.contains(u"tisk:"_s));
    }

    void dveZastupitelstvaChtejiTyp()
    {
        const TBeh b = Spust(QStringLiteral(NASTROJ), {u"tisk"_s, m_instalace, u"arch-a4"_s,
                                                       u"--pdf"_s, m_dir.filePath(u"x.pdf"_s)});
        QCOMPARE(b.Kod, 2);
        QVERIFY(!QFile::exists(m_dir.filePath(u"x.pdf"_s)));
    }
};

QTEST_GUILESS_MAIN(TestNastrojTisk)
#include "TestNastrojTisk.moc"
