// Saving on a full disk: a real tmpfs of 64 KiB in a private mount namespace.
// Needs root; otherwise the test reports itself skipped (exit code 77).
#include "EChyba.h"
#include "Ochrana.h"
#include "Okrsek.h"
#include "SouboryTestu.h"
#include "VzorovyOkrsek.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr qint64 Stranka = 4096;

bool PripojTmpfs(const QString &kam)
{
    return ::mount("tmpfs", QFile::encodeName(kam).constData(), "tmpfs", 0, "size=64k,mode=0755") ==
           0;
}

qint64 VolneStranky(const QString &kde)
{
    struct statvfs s
    {
    };
    if (::statvfs(QFile::encodeName(kde).constData(), &s) != 0)
        return -1;
    return qint64(s.f_bavail) * qint64(s.f_frsize) / Stranka;
}

} // namespace

class TestPlnyDisk : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    TAdresare m_adr;
    TOkrsekRefRec m_klic;

    QString Vypln() const { return m_dir->path() + QStringLiteral("/vypln"); }

    // Writes whole pages until the file system refuses; tmpfs never writes a page in part.
    void ZaplnDisk()
    {
        const int fd =
            ::open(QFile::encodeName(Vypln()).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        const QByteArray stranka(Stranka, 'v');
        while (::write(fd, stranka.constData(), size_t(stranka.size())) == stranka.size()) {
        }
        const int chyba = errno;
        ::close(fd);
        QCOMPARE(chyba, ENOSPC);
        QCOMPARE(VolneStranky(m_dir->path()), 0);
    }

    void UvolniStranky(qint64 pocet)
    {
        const qint64 velikost = QFileInfo(Vypln()).size();
        const qint64 volne = VolneStranky(m_dir->path());
        QVERIFY(::truncate(QFile::encodeName(Vypln()).constData(),
                           (velikost / Stranka - pocet) * Stranka) == 0);
        QCOMPARE(VolneStranky(m_dir->path()), volne + pocet);
    }

    QStringList Soubory() const
    {
        return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // The save must fail with the system's reason in Czech, leave the old file as it was and
    // leave nothing else behind.
    void OverNeuspech(const QString &prefix, const TVysledky &v, const QString &jmenoVZprave)
    {
        const QString cesta = JmenoSouboruOkrsku(m_adr, m_klic, prefix);
        const QByteArray stary = Obsah(cesta);
        const QStringList pred = Soubory();
        try {
            UlozOkrsek(m_adr, m_klic, prefix, v);
            QFAIL("saved on a full disk");
        } catch (const EChyba &e) {
            QVERIFY2(e.zprava().contains(jmenoVZprave), qPrintable(e.zprava()));
            QVERIFY2(e.zprava().contains(QStringLiteral("na disku není volné místo")),
                     qPrintable(e.zprava()));
        }
        QCOMPARE(Obsah(cesta), stary);
        QCOMPARE(Soubory(), pred);
    }

    // Loading needs room for the intermediate files.
    void OverStaryZaznam(const QString &prefix, const TVysledky &stary)
    {
        QVERIFY(QFile::remove(Vypln()));
        TVysledky zpet;
        NactiOkrsek(m_adr, m_klic, prefix, zpet);
        QCOMPARE(zpet.VetaT3, stary.VetaT3);
        QCOMPARE(zpet.StranyHL, stary.StranyHL);
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        QVERIFY(PripojTmpfs(m_dir->path()));
        m_adr.AdrInstalace = m_adr.AdrStanice = m_adr.AdrData = m_dir->path() + u'/';
        m_klic.KodObce = QStringLiteral("500011");
        m_klic.CisloOkrsku = 1;
        m_klic.TypZastup = QStringLiteral("1");
    }
    void cleanup()
    {
        ::umount2(QFile::encodeName(m_dir->path()).constData(), MNT_DETACH);
        delete m_dir;
    }

    void plnyDisk()
    {
        UlozOkrsek(m_adr, m_klic, QStringLiteral("O"), VzorovyOkrsek(2, 10, 1, 100));
        ZaplnDisk();
        OverNeuspech(QStringLiteral("O"), VzorovyOkrsek(45, 70, 700, 700), m_dir->path());
        OverStaryZaznam(QStringLiteral("O"), VzorovyOkrsek(2, 10, 1, 100));
    }

    void mistoJenNaNovySoubor()
    {
        // Nothing but the new file itself needs room: the plain line stays in memory.
        UlozOkrsek(m_adr, m_klic, QStringLiteral("E"), VzorovyOkrsek(2, 10, 1, 100));
        const TVysledky vetsi = VzorovyOkrsek(10, 70, 1, 30);
        QVERIFY(Ochrana::Zasifruj(Ochrana::Zabal(SestavRadek(vetsi, false)), Ochrana::KlicOkrsku)
                    .size() <= Stranka);
        ZaplnDisk();
        UvolniStranky(1);
        UlozOkrsek(m_adr, m_klic, QStringLiteral("E"), vetsi);
        QVERIFY(!QFile::exists(m_adr.AdrStanice + QStringLiteral("data.temp")));
        TVysledky zpet;
        NactiOkrsek(m_adr, m_klic, QStringLiteral("E"), zpet);
        QCOMPARE(zpet.VetaT3, vetsi.VetaT3);
        QCOMPARE(zpet.StranyHL, vetsi.StranyHL);
    }
};

int main(int argc, char **argv)
{
    if (::geteuid() != 0)
        return 77;
    // A private mount namespace, so the tmpfs is invisible to the rest of the system
    // and disappears with the process.
    if (::unshare(CLONE_NEWNS) != 0)
        return 77;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return 77;
    {
        QTemporaryDir zkouska;
        if (!zkouska.isValid() || !PripojTmpfs(zkouska.path()))
            return 77;
        ::umount2(QFile::encodeName(zkouska.path()).constData(), MNT_DETACH);
    }
    QCoreApplication app(argc, argv);
    TestPlnyDisk test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPlnyDisk.moc"
