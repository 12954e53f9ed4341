// The built program as a process: one running copy per user, and the start
// conditions that end it. Runs offscreen, where messages go to stderr.
#include "DvaPripady.h"
#include "Instalace.h"
#include "SouboryTestu.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "Okrsek.h"

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A temporary installation holding a copy of the program, and a private runtime
// directory so that the lock does not meet a copy the developer is running.
struct TInstalace
{
    QTemporaryDir Koren;
    QTemporaryDir Beh;
    QString Adresar() const { return Koren.path() + u'/'; }
    QString Program() const { return Adresar() + u"zelkovar"_s; }

    explicit TInstalace(bool sStanici)
    {
        QFile::copy(QStringLiteral(ZELKOVAR_PROGRAM), Program());
        QFile::setPermissions(Program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (sStanici)
            Instalace::Vytvor(Adresar(), Instalace::Stanice(), {1, 2});
    }

    std::unique_ptr<QProcess> Spust(const QStringList &parametry = {},
                                    const QString &behovy = {}) const
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, behovy.isEmpty() ? Beh.path() : behovy);
        env.remove(u"ZELKOVAR_KONEC_PO_STARTU"_s);
        p->setProcessEnvironment(env);
        p->start(Program(), parametry);
        return p;
    }
};

// Waits until the process has written `text` to stderr; returns what it wrote.
QString CekejNaVystup(QProcess &p, const QString &text)
{
    QByteArray vse;
    for (int i = 0; i < 200 && !QString::fromUtf8(vse).contains(text); ++i) {
        p.waitForReadyRead(100);
        vse += p.readAllStandardError();
        if (p.state() == QProcess::NotRunning) {
            vse += p.readAllStandardError();
            break;
        }
    }
    return QString::fromUtf8(vse);
}

void Ukonci(QProcess &p)
{
    p.kill();
    p.waitForFinished(10000);
}

struct TBehProgramu
{
    int Kod = -1;
    QString Vystup;
    QString Chyby;
};

// Runs the built program where it was built, offscreen, until it ends by itself: a
// shown window ends at once (the start-up measurement).
TBehProgramu SpustAzDoKonce(const QStringList &parametry)
{
    QTemporaryDir beh;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, beh.path());
    env.insert(u"ZELKOVAR_KONEC_PO_STARTU"_s, u"1"_s);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZELKOVAR_PROGRAM), parametry);
    if (!p.waitForFinished(20000)) {
        Ukonci(p);
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestProces : public QObject
{
    Q_OBJECT

private slots:
    // A second copy is refused by the user's lock, and on the same installation also
    // when it runs with another runtime directory (another user or session).
    void druhaKopieJeOdmitnuta_data()
    {
        DvaPripady("jinyBehovyAdresar", "tentyz uzivatel", "jiny behovy adresar");
    }
    void druhaKopieJeOdmitnuta()
    {
        QFETCH(bool, jinyBehovyAdresar);
        TInstalace inst(true);
        QTemporaryDir jinyBeh;
        auto prvni = inst.Spust();
        QVERIFY(prvni->waitForStarted());
        // The start-up dialog is requested once the window is up.
        QVERIFY(CekejNaVystup(*prvni, u"[dialog TZ_Info_F]"_s).contains(u"[dialog TZ_Info_F]"_s));

        auto druha = inst.Spust({}, jinyBehovyAdresar ? jinyBeh.path() : QString());
        QVERIFY(druha->waitForFinished(20000));
        QCOMPARE(druha->exitStatus(), QProcess::NormalExit);
        QVERIFY(druha->exitCode() != 0);
        const QString chyby = QString::fromUtf8(druha->readAllStandardError());
        QVERIFY2(chyby.contains(u"Aplikace již spuštěna !!!"_s), qPrintable(chyby));
        if (jinyBehovyAdresar)
            QVERIFY2(chyby.contains(u"už běží zelkovar (PID %1"_s.arg(prvni->processId())),
                     qPrintable(chyby));
        QVERIFY(QString::fromUtf8(Obsah(inst.Adresar() + u"DENIK.TXT"_s))
                    .contains(u"spuštění programu"_s));
        QCOMPARE(prvni->state(), QProcess::Running);

        // A lock left by a copy that was killed does not keep the next one out.
        Ukonci(*prvni);
        auto treti = inst.Spust();
        const QString vystup = CekejNaVystup(*treti, u"[dialog TZ_Info_F]"_s);
        QVERIFY2(vystup.contains(u"[dialog TZ_Info_F]"_s), qPrintable(vystup));
        QVERIFY(!vystup.contains(u"Aplikace již spuštěna"_s));
        Ukonci(*treti);
    }

    void startBezStaniceKonci_data()
    {
        QTest::addColumn<QStringList>("parametry");
        QTest::newRow("bez parametru") << QStringList{};
        QTest::newRow("dva parametry") << QStringList{u"a"_s, u"b"_s};
    }
    void startBezStaniceKonci()
    {
        QFETCH(QStringList, parametry);
        TInstalace inst(false);
        auto p = inst.Spust(parametry);
        QVERIFY(p->waitForFinished(20000));
        QVERIFY(p->exitCode() != 0);
        const QString chyby = QString::fromUtf8(p->readAllStandardError());
        QVERIFY2(
            chyby.contains(
                u"Spuštění aplikace: Program je nutno pouštět ikonou na ploše nebo z nabídky Start!"_s),
            qPrintable(chyby));
    }

    // The command line of the installed program: the launcher of a station names its
    // installation; help, version and a bad option answer without a window; a station
    // that cannot be read ends the program when nobody can see the window.
    void prikazovaRadka_data()
    {
        QTest::addColumn<QStringList>("parametry");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("vystup");
        QTest::addColumn<QString>("chyby");
        const QString okno = u"zelkovar: okno zobrazeno"_s;
        QTest::newRow("napoveda") << QStringList{u"--help"_s} << 0
                                  << u"Použití: zelkovar [--instalace ADRESÁŘ] [P]"_s << QString();
        QTest::newRow("verze") << QStringList{u"--version"_s} << 0
                               << u"zelkovar " ZELKOVAR_VERZE "\n"_s << QString();
        QTest::newRow("neznama volba")
            << QStringList{u"--nic"_s} << 2 << QString() << u"neznámá volba „--nic“"_s;
        QTest::newRow("instalace bez adresare") << QStringList{u"--instalace"_s} << 2 << QString()
                                                << u"volba --instalace potřebuje adresář"_s;
        QTest::newRow("stanice v instalaci")
            << QStringList{u"--instalace"_s, u"@/koren"_s} << 0 << okno << QString();
        QTest::newRow("parametr se stanici v instalaci nepocita")
            << QStringList{u"--instalace=@/koren"_s, u"X"_s} << 0 << okno << QString();
        QTest::newRow("stanice v data/P")
            << QStringList{u"--instalace"_s, u"@/podadresar"_s, u"--"_s, u"P"_s} << 0 << okno
            << QString();
        QTest::newRow("stanici nelze nacist")
            << QStringList{u"--instalace"_s, u"@/podadresar"_s, u"Q"_s} << 1 << QString()
            << u"/podadresar/data/Q/STANICE.RCD nelze otevřít"_s;
        QTest::newRow("bez stanice")
            << QStringList{u"--instalace"_s, u"@/podadresar"_s} << 1 << QString()
            << u"Program je nutno pouštět ikonou na ploše nebo z nabídky Start!"_s;
    }
    void prikazovaRadka()
    {
        QFETCH(QStringList, parametry);
        QFETCH(int, kod);
        QFETCH(QString, vystup);
        QFETCH(QString, chyby);
        QTemporaryDir koren;
        Instalace::Vytvor(koren.path() + u"/koren/"_s, Instalace::Stanice(), {1});
        Instalace::Vytvor(koren.path() + u"/podadresar/data/P/"_s, Instalace::Stanice(), {1});
        Instalace::ZapisSoubor(koren.path() + u"/podadresar/CISCHYB.RCD"_s, QByteArray());
        parametry.replaceInStrings(u"@"_s, koren.path());
        const TBehProgramu beh = SpustAzDoKonce(parametry);
        QVERIFY2(beh.Kod == kod, qPrintable(beh.Chyby));
        QVERIFY2(beh.Vystup.contains(vystup), qPrintable(beh.Vystup));
        QVERIFY2(beh.Chyby.contains(chyby), qPrintable(beh.Chyby));
    }

    // What was typed survives the program's end: SIGTERM, SIGHUP and SIGINT store it
    // (the value still in its field included) and end cleanly with a journal line; a
    // kill -9 2.5 s after the last key finds it stored by the idle save.
    void konecUchovaNapsane_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("kill -9 po 2,5 s") << int(SIGKILL);
    }
    void konecUchovaNapsane()
    {
        QFETCH(int, signal);
        QTemporaryDir koren, beh;
        const QString adr = koren.path() + u'/';
        Instalace::Vytvor(adr, Instalace::Stanice(), {1});
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, beh.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZELKOVAR_PSANI), {adr});
        QVERIFY(p.waitForStarted());
        QByteArray vystup;
        while (!vystup.contains("napsáno") && p.waitForReadyRead(20000))
            vystup += p.readAllStandardOutput();
        QVERIFY2(vystup.contains("napsáno"), p.readAllStandardError().constData());
        if (signal == SIGKILL)
            QTest::qWait(2500);
        ::kill(pid_t(p.processId()), signal);
        QVERIFY(p.waitForFinished(20000));

        const QString denik = QString::fromUtf8(Obsah(adr + u"DENIK.TXT"_s));
        if (signal != SIGKILL) {
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 0);
            const QString nazev = QString::fromLatin1(QTest::currentDataTag());
            QVERIFY2(denik.contains(u"ukončení na žádost systému (signál %1); pořizovaná data "
                                    u"uložena"_s.arg(nazev)),
                     qPrintable(denik));
        }
        TAdresare a{adr, adr, adr + u"data/"_s};
        TOkrsekRefRec klic = Instalace::Okrsek(Instalace::Stanice().KodObce, 3, 1);
        TVysledky v;
        QCOMPARE(NactiAktualniOkrsek(a, klic, v), u"E"_s);
        QCOMPARE(v.VetaT3.ZapsOsoby, 1012);
        QCOMPARE(v.VetaT3.VydObalky, quint16(600));
    }

    // An installation its user cannot write is reported when the program starts, not
    // at the first save: the station as root made it, started by another user.
    void nezapisovatelnaInstalaceHlasenaPriStartu_data()
    {
        DvaPripady("jinyUzivatel", "vlastník instalace", "jiný uživatel");
    }
    void nezapisovatelnaInstalaceHlasenaPriStartu()
    {
        QFETCH(bool, jinyUzivatel);
        const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
        if (jinyUzivatel && (::geteuid() != 0 || setpriv.isEmpty()))
            QSKIP("jiného uživatele spustí jen root se setpriv");
        QTemporaryDir koren;
        QTemporaryDir beh;
        const QFileDevice::Permissions citelne =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
            QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(koren.path(), citelne);
        Instalace::Vytvor(koren.path() + u'/', Instalace::Stanice(), {1});
        QFile::setPermissions(koren.path() + u"/data"_s, citelne);
        // The other user's runtime directory is the user's own.
        if (jinyUzivatel)
            QVERIFY(::chown(QFile::encodeName(beh.path()).constData(), 65534, 65534) == 0);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, beh.path());
        env.insert(u"ZELKOVAR_KONEC_PO_STARTU"_s, u"1"_s);
        env.insert(u"CUPS_SERVER"_s, beh.path() + u"/cups.sock"_s);
        p.setProcessEnvironment(env);
        const QStringList parametry = {u"--instalace"_s, koren.path()};
        if (jinyUzivatel)
            p.start(setpriv, QStringList{u"--reuid=65534"_s, u"--regid=65534"_s,
                                         u"--clear-groups"_s, QStringLiteral(ZELKOVAR_PROGRAM)} +
                                 parametry);
        else
            p.start(QStringLiteral(ZELKOVAR_PROGRAM), parametry);
        QVERIFY(p.waitForFinished(20000));
        const QString chyby = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 0, qPrintable(chyby));
        QCOMPARE(chyby.contains(u"Do instalace nelze zapisovat: "_s + koren.path()), jinyUzivatel);
        QVERIFY2(QString::fromUtf8(p.readAllStandardOutput()).contains(u"okno zobrazeno"_s),
                 qPrintable(chyby));
    }
};

QTEST_GUILESS_MAIN(TestProces)
#include "TestProces.moc"
