// The record print job against a CUPS scheduler of the test's own (its own config and
// socket, a queue printing into /dev/null): what the user is told and what the journal
// says when the queue takes the job, refuses it, holds it stopped or has gone.
#include "Dotaznik.h"
#include "SouboryTestu.h"
#include "TiskZapisu.h"
#include "UdajeZapisu.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Fronta = u"zkouska"_s;
const QStringList Cesty{u"/usr/sbin"_s, u"/usr/bin"_s, u"/usr/local/sbin"_s};

QString Program(const QString &jmeno)
{
    return QStandardPaths::findExecutable(jmeno, Cesty);
}

// The scheduler lives in a directory of its own for the whole test.
struct TPlanovac
{
    QTemporaryDir Adr;
    QProcess Cupsd;

    QString Soket() const { return Adr.filePath(u"cups.sock"_s); }

    bool Spust()
    {
        QFile::setPermissions(Adr.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ExeGroup | QFile::ExeOther);
        for (const char *d : {"cache", "spool", "tmp", "state"})
            QDir(Adr.path()).mkdir(QString::fromLatin1(d));
        const QString a = Adr.path();
        Zapis(Adr.filePath(u"cupsd.conf"_s),
              (u"Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
               u"DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
               u"</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
               u"    Allow all\n  </Limit>\n</Policy>\n"_s.arg(Soket()))
                  .toUtf8());
        Zapis(Adr.filePath(u"cups-files.conf"_s),
              (u"ServerRoot %1\nCacheDir %1/cache\nRequestRoot %1/spool\nTempDir %1/tmp\n"
               u"StateDir %1/state\nAccessLog %1/access_log\n"
               u"ErrorLog %1/error_log\nPageLog %1/page_log\nFileDevice Yes\n"_s.arg(a))
                  .toUtf8());
        Cupsd.start(Program(u"cupsd"_s), {u"-f"_s, u"-c"_s, Adr.filePath(u"cupsd.conf"_s), u"-s"_s,
                                          Adr.filePath(u"cups-files.conf"_s)});
        if (!Cupsd.waitForStarted())
            return false;
        for (int i = 0; i < 100 && !QFile::exists(Soket()); ++i)
            QTest::qWait(50);
        return QFile::exists(Soket());
    }

    ~TPlanovac()
    {
        Cupsd.terminate();
        Cupsd.waitForFinished();
    }
};

std::unique_ptr<TPlanovac> g_planovac;

// Runs a client tool against our scheduler; the test fails when it does.
void Prikaz(const QString &program, QStringList argumenty)
{
    argumenty.prepend(g_planovac->Soket());
    argumenty.prepend(u"-h"_s);
    QProcess p;
    p.start(Program(program), argumenty);
    QVERIFY(p.waitForFinished());
    QVERIFY2(p.exitCode() == 0,
             qPrintable(program + u": "_s + QString::fromLocal8Bit(p.readAllStandardError())));
}

} // namespace

class TestFrontaTisku : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // A second queue stays: the first one going is a printer gone, not no printer.
        for (const QString &f : {Fronta, u"jina"_s})
            Prikaz(u"lpadmin"_s, {u"-p"_s, f, u"-v"_s, u"file:///dev/null"_s, u"-E"_s});
        Prikaz(u"cancel"_s, {u"-a"_s, u"-x"_s, Fronta});
    }

    void zaznam_data()
    {
        QTest::addColumn<QString>("fronta");   // what is done to the queue first
        QTest::addColumn<int>("odpoved");      // the answer to a question, if one comes
        QTest::addColumn<QString>("zprava");   // in the message shown; empty: none
        QTest::addColumn<QString>("denik");    // the journal's line starts so
        QTest::addColumn<int>("ulohVeFronte"); // jobs the queue still holds afterwards
        QTest::newRow("přijímá") << QString() << -1 << QString() << u"tisk: KVT3-"_s << 0;
        QTest::newRow("odmítá") << u"cupsreject"_s << -1
                                << u"odmítá tiskové úlohy („Došel papír“)"_s
                                << u"tisk se nezdařil: KVT3-"_s << 0;
        QTest::newRow("zastavená, zrušit")
            << u"cupsdisable"_s << int(TOdpoved::Ne) << u"je zastavena („Došel papír“)"_s
            << u"tisk se nezdařil: KVT3-"_s << 0;
        QTest::newRow("zastavená, čekat")
            << u"cupsdisable"_s << int(TOdpoved::Ano) << u"je zastavena („Došel papír“)"_s
            << u"tisk čeká: KVT3-"_s << 1;
        QTest::newRow("odebraná") << u"lpadmin"_s << -1 << u"už v systému není"_s
                                  << u"tisk se nezdařil: KVT3-"_s << 0;
    }
    void zaznam()
    {
        QFETCH(QString, fronta);
        QFETCH(int, odpoved);
        QFETCH(QString, zprava);
        QFETCH(QString, denik);
        QFETCH(int, ulohVeFronte);
        QTemporaryDir adr;
        const QString instalace = adr.path() + u'/';
        QPrinter tiskarna;
        tiskarna.setPrinterName(Fronta);
        QCOMPARE(tiskarna.printerName(), Fronta);
        if (fronta == u"lpadmin")
            Prikaz(fronta, {u"-x"_s, Fronta});
        else if (!fronta.isEmpty())
            Prikaz(fronta, {u"-r"_s, u"Došel papír"_s, Fronta});

        TUdajeZapisu z;
        z.Okrsek.KodObce = u"512345"_s;
        z.Okrsek.CisloOkrsku = 7;
        z.Okrsek.TypZastup = u"1"_s;
        TNahled nahled;
        TDotaznikFronta dotaznik;
        if (odpoved >= 0)
            dotaznik.ZaradOdpoved(TOdpoved(odpoved));
        TiskZapisu(nahled, tiskarna, dotaznik, {instalace, instalace, instalace}, z.Data(), false,
                   false, 1, 2, nullptr, QDateTime::currentDateTime());

        QCOMPARE(dotaznik.PocetNezodpovezenych, 0);
        if (zprava.isEmpty()) {
            QCOMPARE(dotaznik.Zpravy.size(), 0);
        } else {
            QCOMPARE(dotaznik.Zpravy.size(), 1);
            const QString text = dotaznik.Zpravy.first().Text;
            QVERIFY2(text.contains(zprava) && text.contains(u"„zkouska“"_s) &&
                         text.contains(u"NEBYL VYTIŠTĚN"_s),
                     qPrintable(text));
        }
        const QStringList radky =
            QString::fromUtf8(Obsah(instalace + u"DENIK.TXT"_s)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(radky.size(), 1);
        QVERIFY2(radky.first().contains(denik), qPrintable(radky.first()));
        QVERIFY2(radky.first().contains(u"-512345-7-typ1-"_s), qPrintable(radky.first()));
        if (denik.startsWith(u"tisk: "_s))
            QVERIFY(radky.first().contains(u"tiskárna zkouska"_s));

        if (fronta == u"lpadmin")
            return;
        QProcess lpstat;
        lpstat.start(Program(u"lpstat"_s), {u"-h"_s, g_planovac->Soket(), u"-o"_s, Fronta});
        QVERIFY(lpstat.waitForFinished());
        const QStringList ulohy =
            QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(int(ulohy.size()), ulohVeFronte);
    }
};

int main(int argc, char *argv[])
{
    for (const QString &p :
         {u"cupsd"_s, u"lpadmin"_s, u"cupsreject"_s, u"cupsdisable"_s, u"cancel"_s, u"lpstat"_s}) {
        if (Program(p).isEmpty()) {
            std::fprintf(stderr,
                         "Chybí %s (balíčky cups-daemon a cups-client): test se "
                         "přeskakuje.\n",
                         qPrintable(p));
            return 77;
        }
    }
    g_planovac = std::make_unique<TPlanovac>();
    // libcups reads the server once, before its first request: set it before Qt asks.
    qputenv("CUPS_SERVER", g_planovac->Soket().toUtf8());
    QApplication aplikace(argc, argv);
    if (!g_planovac->Spust()) {
        std::fprintf(stderr, "Plánovač CUPS se nespustil:\n%s\n",
                     Obsah(g_planovac->Adr.filePath(u"error_log"_s)).constData());
        return 1;
    }
    TestFrontaTisku test;
    const int vysledek = QTest::qExec(&test, argc, argv);
    g_planovac.reset();
    return vysledek;
}

#include "TestFrontaTisku.moc"
