#include "Soubory.h"

#include "ChybySystemu.h"
#include "DocasnySoubor.h"
#include "EChyba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace Soubory {
namespace {

std::function<int(KrokUkladani)> &porucha()
{
    static std::function<int(KrokUkladani)> p;
    return p;
}

// errno of an injected failure of this step, or 0.
int Vlozena(KrokUkladani krok)
{
    return porucha() ? porucha()(krok) : 0;
}

[[noreturn]] void Selhani(const QString &cesta, const QString &co, int chyba)
{
    throw EChyba(
        QStringLiteral("Soubor %1 nelze uložit (%2): %3").arg(cesta, co, PopisChybySystemu(chyba)));
}

// The entry `jmeno` of `adresar` of the kind `druh`, in whatever letter case it exists;
// adresar + jmeno when none does.
QString Najdi(const QString &adresar, const QString &jmeno, QDir::Filters filtr,
              bool (QFileInfo::*druh)() const)
{
    QString presne = adresar + jmeno;
    if ((QFileInfo(presne).*druh)())
        return presne;
    const QDir dir(adresar.isEmpty() ? QStringLiteral(".") : adresar);
    const QStringList vsechny = dir.entryList(filtr | QDir::Hidden | QDir::System);
    for (const QString &nazev : vsechny) {
        if (nazev.compare(jmeno, Qt::CaseInsensitive) == 0)
            return adresar + nazev;
    }
    return presne;
}

// A directory open for the *at calls and the syncs of one save.
struct TAdresar
{
    explicit TAdresar(const QByteArray &cesta)
        : fd(cesta.isEmpty() ? -1 : ::open(cesta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~TAdresar()
    {
        if (fd >= 0)
            ::close(fd);
    }
    TAdresar(const TAdresar &) = delete;
    TAdresar &operator=(const TAdresar &) = delete;
    const int fd;
};

} // namespace

int ZapisVse(int fd, const QByteArray &obsah)
{
    const char *p = obsah.constData();
    qsizetype zbyva = obsah.size();
    while (zbyva > 0) {
        const ssize_t n = ::write(fd, p, size_t(zbyva));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        p += n;
        zbyva -= n;
    }
    return 0;
}

QString NajdiSoubor(const QString &adresar, const QString &jmeno)
{
    return Najdi(adresar, jmeno, QDir::Files, &QFileInfo::isFile);
}

QString NajdiAdresar(const QString &adresar, const QString &jmeno)
{
    return Najdi(adresar, jmeno, QDir::Dirs | QDir::NoDotAndDotDot, &QFileInfo::isDir) + u'/';
}

bool Existuje(const QString &adresar, const QString &jmeno)
{
    return ExistujeSoubor(NajdiSoubor(adresar, jmeno));
}

bool ExistujeSoubor(const QString &cesta)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(cesta).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

QString NeniObycejny(const QString &cesta, unsigned druh)
{
    QString co;
    switch (druh & S_IFMT) {
    case S_IFIFO:
        co = QStringLiteral("pojmenovaná roura (FIFO)");
        break;
    case S_IFDIR:
        co = QStringLiteral("adresář");
        break;
    case S_IFCHR:
    case S_IFBLK:
        co = QStringLiteral("zařízení");
        break;
    case S_IFSOCK:
        co = QStringLiteral("soket");
        break;
    default:
        co = QStringLiteral("zvláštní soubor");
    }
    return QStringLiteral("Soubor %1 není obyčejný soubor, je to %2. Program s ním nepracuje; "
                          "nahraďte ho správným souborem.")
        .arg(cesta, co);
}

int OtevriObycejny(const QString &cesta, int priznaky, qint64 *velikost)
{
    const QByteArray jmeno = QFile::encodeName(cesta);
    struct stat udaje
    {
    };
    // O_NONBLOCK: opening a FIFO must never wait for its other end.
    const int fd = ::open(jmeno.constData(), priznaky | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        // A FIFO without a reader, a directory: say what is there, not the open's errno.
        const int chyba = errno;
        if (::stat(jmeno.constData(), &udaje) == 0 && !S_ISREG(udaje.st_mode))
            throw EChyba(NeniObycejny(cesta, udaje.st_mode));
        errno = chyba;
        return -1;
    }
    if (::fstat(fd, &udaje) != 0) {
        const int chyba = errno;
        ::close(fd);
        errno = chyba;
        return -1;
    }
    if (!S_ISREG(udaje.st_mode)) {
        ::close(fd);
        throw EChyba(NeniObycejny(cesta, udaje.st_mode));
    }
    if (velikost)
        *velikost = udaje.st_size;
    return fd;
}

QByteArray NactiSoubor(const QString &cesta, qint64 maxVelikost)
{
    qint64 velikost = 0;
    const int fd = OtevriObycejny(cesta, O_RDONLY, &velikost);
    if (fd < 0)
        throw EChyba(
            QStringLiteral("Soubor %1 nelze otevřít: %2").arg(cesta, PopisChybySystemu(errno)));
    if (velikost > maxVelikost) {
        ::close(fd);
        throw EChyba(QStringLiteral("Soubor %1 je příliš velký (%2 B, nejvýše %3 B).")
                         .arg(cesta)
                         .arg(velikost)
                         .arg(maxVelikost));
    }
    // Reserve only what the file holds; a file that grew meanwhile is read on, one
    // byte past the limit at most, so that it is refused.
    QByteArray obsah;
    obsah.reserve(qsizetype(velikost));
    char blok[64 * 1024];
    for (;;) {
        const qint64 zbyva = maxVelikost + 1 - obsah.size();
        if (zbyva <= 0)
            break;
        const ssize_t n = ::read(fd, blok, size_t(qMin<qint64>(zbyva, sizeof blok)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int chyba = errno;
            ::close(fd);
            throw EChyba(
                QStringLiteral("Soubor %1 nelze přečíst: %2").arg(cesta, PopisChybySystemu(chyba)));
        }
        if (n == 0)
            break;
        obsah.append(blok, qsizetype(n));
    }
    ::close(fd);
    if (obsah.size() > maxVelikost) {
        throw EChyba(QStringLiteral("Soubor %1 je příliš velký (nejvýše %2 B).")
                         .arg(cesta)
                         .arg(maxVelikost));
    }
    return obsah;
}

qint64 CasZmeny(const QString &cesta)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(cesta).constData(), &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode))
        throw EChyba(NeniObycejny(cesta, st.st_mode));
    return qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

qint64 TedNs()
{
    struct timespec t
    {
    };
    ::clock_gettime(CLOCK_REALTIME, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

void UlozAtomicky(const QString &cesta, const QByteArray &obsah, qint64 casZmenyNs)
{
    const QFileInfo info(cesta);
    const QByteArray jmeno = QFile::encodeName(info.fileName());
    // A FIFO or a device in the file's place is refused, as every reader refuses it.
    struct stat puvodni
    {
    };
    if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &puvodni) == 0 &&
        !S_ISREG(puvodni.st_mode))
        throw EChyba(NeniObycejny(cesta, puvodni.st_mode));

    int chyba = Vlozena(KrokUkladani::Vytvoreni);
    const TAdresar adresar(chyba ? QByteArray() : QFile::encodeName(info.absolutePath()));
    if (adresar.fd < 0)
        Selhani(cesta, QStringLiteral("vytvoření dočasného souboru"), chyba ? chyba : errno);
    TDocasnySoubor docasny(adresar.fd, jmeno);
    if (docasny.fd() < 0)
        Selhani(cesta, QStringLiteral("vytvoření dočasného souboru"), docasny.Chyba());
    const int fd = docasny.fd();

    ::fchmod(fd, 0644);
    chyba = Vlozena(KrokUkladani::Zapis);
    if (!chyba)
        chyba = ZapisVse(fd, obsah);
    if (chyba)
        Selhani(cesta, QStringLiteral("zápis"), chyba);
    if (casZmenyNs >= 0) {
        const struct timespec casy[2] = {
            {0, UTIME_OMIT},
            {time_t(casZmenyNs / 1'000'000'000), long(casZmenyNs % 1'000'000'000)}};
        if (::futimens(fd, casy) != 0)
            Selhani(cesta, QStringLiteral("nastavení času změny"), errno);
    }
    chyba = Vlozena(KrokUkladani::Fsync);
    if (!chyba && ::fsync(fd) != 0)
        chyba = errno;
    if (chyba)
        Selhani(cesta, QStringLiteral("zápis na disk"), chyba);
    chyba = Vlozena(KrokUkladani::Zavreni);
    const int zavreni = docasny.Zavri();
    if (!chyba)
        chyba = zavreni;
    if (chyba)
        Selhani(cesta, QStringLiteral("uzavření"), chyba);

    // Keep a second name of the old file until the directory entry is durable, so
    // that a failure after the rename can still put the old content back.
    QByteArray zaloha;
    if (::faccessat(adresar.fd, jmeno.constData(), F_OK, AT_SYMLINK_NOFOLLOW) == 0) {
        zaloha = '.' + jmeno + ".old";
        ::unlinkat(adresar.fd, zaloha.constData(), 0);
        if (Vlozena(KrokUkladani::Odkaz) ||
            ::linkat(adresar.fd, jmeno.constData(), adresar.fd, zaloha.constData(), 0) != 0)
            zaloha.clear(); // file systems without hard links: no way back after rename
    }
    auto uklidZalohu = [&] {
        if (!zaloha.isEmpty())
            ::unlinkat(adresar.fd, zaloha.constData(), 0);
    };

    chyba = Vlozena(KrokUkladani::Prejmenovani);
    if (!chyba)
        chyba = docasny.Prejmenuj(jmeno);
    if (chyba) {
        uklidZalohu();
        Selhani(cesta, QStringLiteral("přejmenování"), chyba);
    }

    chyba = Vlozena(KrokUkladani::FsyncAdresare);
    if (!chyba && ::fsync(adresar.fd) != 0)
        chyba = errno;
    // Some file systems cannot sync a directory at all; the rename is then as durable
    // as they make it.
    if (chyba == EINVAL || chyba == ENOTSUP)
        chyba = 0;
    if (chyba) {
        // Back to the old file while its second name exists. Without one (no hard
        // links) the new file stays: it is complete, and removing it would lose both.
        if (!zaloha.isEmpty())
            ::renameat(adresar.fd, zaloha.constData(), adresar.fd, jmeno.constData());
        Selhani(cesta, QStringLiteral("zápis adresáře na disk"), chyba);
    }
    uklidZalohu();
    SmazPozustatky(info.absolutePath(), QLatin1Char('.') + info.fileName() + QLatin1Char('.'));
}

void SmazPozustatky(const QString &adresar, const QString &zacatek)
{
    const QDir dir(adresar);
    const QStringList pozustatky =
        dir.entryList({zacatek + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &jmeno : pozustatky)
        ::unlink(QFile::encodeName(dir.filePath(jmeno)).constData());
}

void ZapisPomocny(const QString &cesta, const QByteArray &obsah)
{
    const int fd = OtevriObycejny(cesta, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW);
    if (fd < 0)
        Selhani(cesta, QStringLiteral("vytvoření"), errno);
    int chyba = ZapisVse(fd, obsah);
    if (::close(fd) != 0 && !chyba)
        chyba = errno;
    if (chyba)
        Selhani(cesta, QStringLiteral("zápis"), chyba);
}

QString AdresarInstalace(const QString &adresar, const QString &jmeno)
{
    const QString cesta = adresar + jmeno;
    const QByteArray j = QFile::encodeName(cesta);
    if (::mkdir(j.constData(), 0755) != 0 && errno != EEXIST)
        throw EChyba(
            QStringLiteral("Adresář %1 nelze vytvořit: %2").arg(cesta, PopisChybySystemu(errno)));
    struct stat st
    {
    }, nadrazeny{};
    if (::lstat(j.constData(), &st) != 0)
        throw EChyba(
            QStringLiteral("Adresář %1 nelze otevřít: %2").arg(cesta, PopisChybySystemu(errno)));
    if (S_ISLNK(st.st_mode))
        throw EChyba(QStringLiteral("Adresář %1 je symbolický odkaz; program do něj nic neuloží, "
                                    "data musí zůstat v instalaci. Odkaz nahraďte adresářem.")
                         .arg(cesta));
    if (!S_ISDIR(st.st_mode))
        throw EChyba(QStringLiteral("%1 není adresář; program do něj nic neuloží.").arg(cesta));
    if (::stat(QFile::encodeName(adresar).constData(), &nadrazeny) == 0 &&
        nadrazeny.st_dev != st.st_dev)
        throw EChyba(QStringLiteral("Adresář %1 leží na jiném disku než instalace; program do něj "
                                    "nic neuloží.")
                         .arg(cesta));
    return cesta + u'/';
}

void Presun(const QString &odkud, const QString &kam)
{
    const QByteArray z = QFile::encodeName(odkud), na = QFile::encodeName(kam);
    if (::rename(z.constData(), na.constData()) != 0) {
        throw EChyba(QStringLiteral("Soubor %1 nelze přesunout do %2: %3")
                         .arg(odkud, kam, PopisChybySystemu(errno)));
    }
    for (const QString &adresar :
         {QFileInfo(kam).absolutePath(), QFileInfo(odkud).absolutePath()}) {
        const int dfd =
            ::open(QFile::encodeName(adresar).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd < 0)
            continue;
        if (::fsync(dfd) != 0 && errno != EINVAL && errno != ENOTSUP) {
            const int chyba = errno;
            ::close(dfd);
            throw EChyba(QStringLiteral("Adresář %1 nelze zapsat na disk: %2")
                             .arg(adresar, PopisChybySystemu(chyba)));
        }
        ::close(dfd);
    }
}

void Smaz(const QString &cesta)
{
    const QByteArray jmeno = QFile::encodeName(cesta);
    if (::unlink(jmeno.constData()) != 0 && errno != ENOENT) {
        throw EChyba(
            QStringLiteral("Soubor %1 nelze smazat: %2").arg(cesta, PopisChybySystemu(errno)));
    }
}

void SmazTrvale(const QString &cesta)
{
    const QByteArray jmeno = QFile::encodeName(cesta);
    if (::unlink(jmeno.constData()) != 0) {
        if (errno == ENOENT)
            return;
        throw EChyba(
            QStringLiteral("Soubor %1 nelze smazat: %2").arg(cesta, PopisChybySystemu(errno)));
    }
    const int dfd = ::open(QFile::encodeName(QFileInfo(cesta).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int chyba = dfd < 0 ? errno : 0;
    if (dfd >= 0 && ::fsync(dfd) != 0)
        chyba = errno;
    if (dfd >= 0)
        ::close(dfd);
    if (chyba && chyba != EINVAL && chyba != ENOTSUP) {
        throw EChyba(QStringLiteral("Smazání souboru %1 nelze zapsat na disk: %2")
                         .arg(cesta, PopisChybySystemu(chyba)));
    }
}

void SmazDocasnePozustatky(const QString &adresar)
{
    // Our names only: a plain NAME.EXT and one of the two temporary endings.
    static const QRegularExpression nase(
        QStringLiteral("^\\.[A-Za-z0-9_-]+\\.[A-Za-z0-9]+\\.([A-Za-z0-9]{6}|[0-9]+-[0-9]+|old)$"));
    const QDir dir(adresar);
    const QStringList skryte = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &jmeno : skryte) {
        if (nase.match(jmeno).hasMatch())
            ::unlink(QFile::encodeName(dir.filePath(jmeno)).constData());
    }
}

void NastavPoruchu(std::function<int(KrokUkladani)> p)
{
    porucha() = std::move(p);
}

} // namespace Soubory
