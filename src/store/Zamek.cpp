#include "Zamek.h"

#include "Denik.h"
#include "Soubory.h"
#include "Transakce.h"

#include "ChybySystemu.h"
#include "Soubory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TDrzeny
{
    int fd = -1;
    int pocet = 0;
};

// The locks this process holds, by file: a second flock on a new descriptor of the
// same file would refuse the process itself.
QHash<QString, TDrzeny> &Drzene()
{
    static QHash<QString, TDrzeny> d;
    return d;
}

QString Uzivatel()
{
    if (const passwd *pw = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(::geteuid());
}

QString PopisDrzitele()
{
    char pocitac[256] = {};
    ::gethostname(pocitac, sizeof pocitac - 1);
    return QStringLiteral("%1 (PID %2, uživatel %3, počítač %4, od %5)")
        .arg(Denik::Kdo())
        .arg(QCoreApplication::applicationPid())
        .arg(Uzivatel(), QString::fromLocal8Bit(pocitac),
             QDateTime::currentDateTime().toString(QStringLiteral("d. M. yyyy H:mm:ss")));
}

QString PrectiDrzitele(int fd)
{
    char buf[512];
    const ssize_t n = ::pread(fd, buf, sizeof buf, 0);
    return n > 0 ? QString::fromUtf8(buf, n).trimmed() : QString();
}

} // namespace

QString TZamek::JmenoSouboru(TDruh druh)
{
    return druh == TDruh::Zapis ? QStringLiteral("ZAPIS.LCK") : QStringLiteral("PROGRAM.LCK");
}

TZamek::TZamek(const QString &adrStanice, TDruh druh) : m_cesta(adrStanice + JmenoSouboru(druh))
{
    TDrzeny &drzeny = Drzene()[m_cesta];
    if (drzeny.pocet > 0) {
        ++drzeny.pocet;
        return;
    }
    int fd = -1;
    try {
        fd = Soubory::OtevriObycejny(m_cesta, O_RDWR | O_CREAT | O_NOFOLLOW);
    } catch (const EChyba &) {
        Drzene().remove(m_cesta);
        throw;
    }
    if (fd < 0) {
        const int chyba = errno;
        Drzene().remove(m_cesta);
        if (chyba == ELOOP)
            throw EChyba(QStringLiteral("Zámek instalace %1 je symbolický odkaz; zámek musí být "
                                        "obyčejný soubor instalace. Odkaz odstraňte.")
                             .arg(m_cesta));
        throw EChyba(QStringLiteral("Zámek instalace %1 nelze vytvořit: %2")
                         .arg(m_cesta, PopisChybySystemu(chyba)));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int chyba = errno;
        const QString drzitel = PrectiDrzitele(fd);
        ::close(fd);
        Drzene().remove(m_cesta);
        if (chyba != EWOULDBLOCK) {
            throw EChyba(QStringLiteral("Zámek instalace %1 nelze získat: %2")
                             .arg(m_cesta, PopisChybySystemu(chyba)));
        }
        const QString kdo = drzitel.isEmpty() ? QStringLiteral("jiný program") : drzitel;
        Denik::Zapis(
            adrStanice,
            QStringLiteral("odmítnut druhý zapisovatel; instalaci právě upravuje %1").arg(kdo));
        const QString zprava =
            druh == TDruh::Zapis
                ? QStringLiteral("Data této instalace (%1) právě upravuje %2.\n"
                                 "Nic nebylo změněno. Počkejte, až skončí, a akci opakujte.")
                      .arg(adrStanice, kdo)
                : QStringLiteral("Na této instalaci (%1) už běží %2.").arg(adrStanice, kdo);
        throw EZamceno(zprava, drzitel);
    }
    // Who holds it, for the message of a refused second writer. The lock counts even
    // when this note cannot be written.
    const QByteArray popis = PopisDrzitele().toUtf8() + '\n';
    if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, popis.constData(), size_t(popis.size()), 0) < 0) {
        // nothing to do: the holder is then described as unknown
    }
    drzeny.fd = fd;
    drzeny.pocet = 1;
    if (druh == TDruh::Zapis)
        DokonciPrerusene(adrStanice);
}

void TZamek::DokonciPrerusene(const QString &adrStanice)
{
    try {
        if (Transakce::VratPrerusenou(adrStanice))
            std::fprintf(stderr, "%s\n", Transakce::ZpravaVraceni.toUtf8().constData());
    } catch (const EChyba &) {
        Uvolni(m_cesta);
        throw;
    }
    // Nobody else writes now: what a killed save or copy left is no one's.
    const QString data = Soubory::NajdiAdresar(adrStanice, QStringLiteral("data"));
    for (const QString &adresar :
         {adrStanice, data, Soubory::NajdiAdresar(adrStanice, QStringLiteral("Export"))})
        Soubory::SmazDocasnePozustatky(adresar);
}

bool TZamek::LzeBezZamku(const QString &adrStanice, TDruh druh)
{
    struct stat st
    {
    };
    const QByteArray cesta = QFile::encodeName(adrStanice + JmenoSouboru(druh));
    return ::lstat(cesta.constData(), &st) != 0 && errno == ENOENT &&
           ::access(QFile::encodeName(adrStanice).constData(), W_OK) != 0;
}

TZamek::~TZamek()
{
    Uvolni(m_cesta);
}

void TZamek::Uvolni(const QString &cesta)
{
    auto it = Drzene().find(cesta);
    if (it == Drzene().end())
        return;
    if (--it->pocet > 0)
        return;
    // The note goes first, while the lock still keeps others out.
    if (::ftruncate(it->fd, 0) != 0) {
        // a stale note is harmless: it is read only when the lock is held
    }
    ::close(it->fd);
    Drzene().erase(it);
}
