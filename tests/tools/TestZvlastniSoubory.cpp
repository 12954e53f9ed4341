// A FIFO (or another special file) in place of any file of an installation: every
// command of the tool and the program ends with a message naming it, never waits on it.
#include "Dotaznik.h"
#include "DvaPripady.h"
#include "KV_menu.h"
#include "Program.h"
#include "SouboryTestu.h"
#include "shell/Instalace.h"

#include <QApplication>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Priklady = QStringLiteral(ZELKOVAR_SOURCE_DIR "examples/");
const QString Odmitnuti = u"není obyčejný soubor"_s;

struct TVysledek
{
    bool Skoncil = false;
    int Kod = -1;
    QString Chyby;
};

// Runs a program; a run that has not ended after a generous time counts as a hang.
TVysledek Spust(const QString &program, const QStringList &argumenty,
                const QProcessEnvironment &prostredi = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(prostredi);
    p.start(program, argumenty);
    TVysledek v;
    v.Skoncil = p.waitForFinished(30000);
    if (!v.Skoncil) {
        p.kill();
        p.waitForFinished();
    }
    v.Kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    v.Chyby = QString::fromUtf8(p.readAllStandardError());
    return v;
}

// The program offscreen, ending as soon as its window is shown.
TVysledek SpustProgram(const QString &instalace)
{
    QTemporaryDir beh;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, beh.path());
    env.insert(u"ZELKOVAR_KONEC_PO_STARTU"_s, u"1"_s);
    return Spust(QStringLiteral(ZELKOVAR_PROGRAM), {u"--instalace"_s, instalace}, env);
}

bool JeRoura(const QString &cesta)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(cesta).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

class TestZvlastniSoubory : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_vzor;

    // A fresh copy of the prepared station with `soubor` replaced by a FIFO.
    QString StaniceSRourou(const QString &soubor)
    {
        QString st = m_tmp.filePath(u"st"_s);
        QDir(st).removeRecursively();
        if (QProcess::execute(u"cp"_s, {u"-a"_s, m_vzor, st}) != 0)
            return {};
        const QString cesta = st + u'/' + soubor;
        QFile::remove(cesta);
        if (::mkfifo(QFile::encodeName(cesta).constData(), 0644) != 0)
            return {};
        return st;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_vzor = m_tmp.filePath(u"vzor"_s);
        const QString porizeni = Priklady + u"demo-porizeni.json"_s;
        for (const QStringList &a :
             {QStringList{u"stanice"_s, Priklady + u"demo-stanice.json"_s, m_vzor},
              {u"porizeni"_s, porizeni, m_vzor},
              {u"kontrola"_s, m_vzor, u"--typ"_s, u"1"_s},
              {u"porizeni"_s, porizeni, m_vzor, u"--kontrolni"_s}}) {
            const TVysledek v = Spust(QStringLiteral(NASTROJ), a);
            QVERIFY2(v.Kod == 0, qPrintable(a.join(u' ') + u": "_s + v.Chyby));
        }
    }

    // `odmitaji` lists the commands that need the file and must refuse it; the others
    // do not read it and go on. None waits, and the FIFO stays as it was.
    void nastroj_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QStringList>("odmitaji");
        const QStringList vsechny{u"kontrola"_s, u"porizeni"_s, u"export"_s, u"tisk"_s,
                                  u"porovnej"_s};
        const auto bez = [&](const QStringList &krome) {
            QStringList s = vsechny;
            for (const QString &k : krome)
                s.removeAll(k);
            return s;
        };
        QTest::newRow("DENIK.TXT") << u"DENIK.TXT"_s << vsechny;
        QTest::newRow("STANICE.RCD") << u"STANICE.RCD"_s << vsechny;
        QTest::newRow("OKRSKY.RCD") << u"OKRSKY.RCD"_s << vsechny;
        QTest::newRow("STRANY.RCD") << u"STRANY.RCD"_s << vsechny;
        QTest::newRow("KANDIDAT.RCD") << u"KANDIDAT.RCD"_s << bez({u"porizeni"_s});
        QTest::newRow("CISCHYB.RCD") << u"CISCHYB.RCD"_s << bez({u"porizeni"_s, u"porovnej"_s});
        QTest::newRow("ZAPIS.LCK") << u"ZAPIS.LCK"_s << bez({u"tisk"_s, u"porovnej"_s});
        QTest::newRow("HLASO.RCD") << u"data/HLASO.RCD"_s << bez({u"porovnej"_s});
        QTest::newRow("KOMISE.RCD") << u"data/KOMISE.RCD"_s << bez({u"porovnej"_s});
        QTest::newRow("INFOK83.RCD")
            << u"data/INFOK83.RCD"_s << QStringList{u"porizeni"_s, u"export"_s};
        QTest::newRow("results file") << u"data/OO598761.00003"_s << vsechny;
        // Only the control entry reads it; no command here may wait on it either.
        QTest::newRow("control entry") << u"data/KO598761.00003"_s << QStringList();
    }
    void nastroj()
    {
        QFETCH(QString, soubor);
        QFETCH(QStringList, odmitaji);
        const QString porizeni = Priklady + u"demo-porizeni.json"_s;
        const QString pdf = m_tmp.filePath(u"sestava.pdf"_s);
        const QList<QStringList> prikazy{
            {u"kontrola"_s, u"@"_s, u"--typ"_s, u"1"_s},
            {u"porizeni"_s, porizeni, u"@"_s},
            {u"export"_s, u"@"_s, u"--typ"_s, u"1"_s},
            {u"tisk"_s, u"@"_s, u"zapis"_s, u"--typ"_s, u"1"_s, u"--pdf"_s, pdf},
            {u"porovnej"_s, porizeni, u"@"_s, u"--typ"_s, u"1"_s},
        };
        QStringList odmitly;
        for (QStringList a : prikazy) {
            const QString st = StaniceSRourou(soubor);
            QVERIFY(!st.isEmpty());
            a.replace(a.indexOf(u"@"_s), st);
            const TVysledek v = Spust(QStringLiteral(NASTROJ), a);
            QVERIFY2(v.Skoncil, qPrintable(a.first() + u" waits on the FIFO"_s));
            QVERIFY2(JeRoura(st + u'/' + soubor), qPrintable(a.first()));
            if (v.Kod == 0)
                continue;
            QVERIFY2(v.Kod == 1 && v.Chyby.contains(st + u'/' + soubor) &&
                         v.Chyby.contains(Odmitnuti),
                     qPrintable(a.first() + u": "_s + v.Chyby));
            odmitly.append(a.first());
        }
        QCOMPARE(odmitly, odmitaji);
    }

    // The program reads these at start; it ends with the message instead of starting.
    void programPriStartu_data()
    {
        QTest::addColumn<QString>("soubor");
        for (const QString &s : {u"STANICE.RCD"_s, u"OKRSKY.RCD"_s, u"CISCHYB.RCD"_s,
                                 u"DENIK.TXT"_s, u"PROGRAM.LCK"_s})
            QTest::newRow(qPrintable(s)) << s;
    }
    void programPriStartu()
    {
        QFETCH(QString, soubor);
        const QString st = StaniceSRourou(soubor);
        QVERIFY(!st.isEmpty());
        const TVysledek v = SpustProgram(st);
        QVERIFY2(v.Skoncil, "the program waits on the FIFO");
        QVERIFY2(v.Chyby.contains(st + u'/' + soubor) && v.Chyby.contains(Odmitnuti),
                 qPrintable(v.Chyby));
        QVERIFY(JeRoura(st + u'/' + soubor));
    }

    // The entry window (F2) reads these: it says so and does not open.
    void programVstup_data()
    {
        QTest::addColumn<QString>("soubor");
        for (const QString &s :
             {u"STRANY.RCD"_s, u"KANDIDAT.RCD"_s, u"data/HLASO.RCD"_s, u"data/OO598761.00003"_s})
            QTest::newRow(qPrintable(s)) << s;
    }
    void programVstup()
    {
        QFETCH(QString, soubor);
        QTemporaryDir dir;
        const QString adr = dir.path() + u'/';
        Instalace::Vytvor(adr, Instalace::Stanice(), {1});
        QFile::remove(adr + soubor);
        QVERIFY(::mkfifo(QFile::encodeName(adr + soubor).constData(), 0644) == 0);
        auto dotaznik = std::make_unique<TDotaznikFronta>();
        TDotaznikFronta &d = *dotaznik;
        TProgram program(std::move(dotaznik));
        TKV_menu okno(program, dir.path(), {});
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        // A wait on the FIFO ends the test here instead of hanging it.
        ::alarm(60);
        QWidget *fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : &okno, Qt::Key_F2);
        ::alarm(0);
        QVERIFY(!d.Zpravy.isEmpty());
        const QString text = d.Zpravy.last().Text;
        QVERIFY2(text.contains(adr + soubor) && text.contains(Odmitnuti), qPrintable(text));
        QVERIFY(!d.Dialogy.contains(u"TR_Vstupni_Form"_s));
        QVERIFY(JeRoura(adr + soubor));
        d.ZaradOdpoved(TOdpoved::Ano);
        okno.close();
    }

    // A lock file that cannot be locked must not let a second copy in unnoticed.
    void rozbityZamekProgramu_data() { DvaPripady("odkaz", "directory", "symbolic link"); }
    void rozbityZamekProgramu()
    {
        QFETCH(bool, odkaz);
        const QString st = StaniceSRourou(u"PROGRAM.LCK"_s);
        QVERIFY(!st.isEmpty());
        const QString zamek = st + u"/PROGRAM.LCK"_s;
        QVERIFY(QFile::remove(zamek));
        if (odkaz) {
            Zapis(m_tmp.filePath(u"jinde.lck"_s), {});
            QVERIFY(QFile::link(m_tmp.filePath(u"jinde.lck"_s), zamek));
        } else {
            QVERIFY(QDir().mkdir(zamek));
        }
        const TVysledek v = SpustProgram(st);
        QCOMPARE(v.Kod, 1);
        QVERIFY2(v.Chyby.contains(zamek) && v.Chyby.contains(u"Program nebyl spuštěn."_s),
                 qPrintable(v.Chyby));
    }
};

QTEST_MAIN(TestZvlastniSoubory)
#include "TestZvlastniSoubory.moc"
