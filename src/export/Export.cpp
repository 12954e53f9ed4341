#include "Export.h"

#include "StavExportu.h"

#include "ChybySystemu.h"
#include "Denik.h"
#include "DocasnySoubor.h"
#include "EChyba.h"
#include "OtiskExportu.h"
#include "Skoleni.h"
#include "Soubory.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The O file is one line of a few kilobytes; anything near this is not ours.
constexpr qint64 MaxVelikost = qint64(64) * 1024 * 1024;
bool g_vynutBloky = false;

QString Duvod(int chyba)
{
    return PopisChybySystemu(chyba);
}

bool ChybiMisto(int chyba)
{
    return chyba == ENOSPC || chyba == EDQUOT || chyba == EFBIG;
}

// Reads the whole file at fd from its start; errno or 0.
int PrectiVse(int fd, qint64 ocekavano, QByteArray &data)
{
    data.resize(ocekavano + 1);
    qint64 precteno = 0;
    while (precteno < data.size()) {
        const ssize_t n =
            ::pread(fd, data.data() + precteno, size_t(data.size() - precteno), precteno);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        precteno += n;
    }
    data.truncate(precteno);
    return 0;
}

// The temporary file beside the export and the directory it lies in; on any failure
// the temporary file goes and the previous export is untouched.
class TDocasnyExport
{
public:
    TDocasnyExport(int dirfd, const QString &cil, const QString &jmeno)
        : m_dirfd(dirfd), m_cil(cil), m_soubor(dirfd, QFile::encodeName(jmeno))
    {
        if (m_soubor.fd() < 0)
            Selhani(u"Na cíl %1 nelze zapisovat"_s, m_soubor.Chyba());
    }

    [[noreturn]] void Selhani(const QString &co, int chyba) const
    {
        QString text = co.arg(m_cil) + u": "_s + Duvod(chyba) + u'.';
        if (ChybiMisto(chyba))
            text += u"\nNový soubor exportu se na cíl nevešel vedle předchozího. Uvolněte místo "
                    u"nebo zvolte jiné "
                    u"zařízení."_s;
        throw EChyba(text + u"\nPředchozí export na cíli zůstal beze změny."_s);
    }

    void Zapis(const QByteArray &data, int &zpusob)
    {
        const int fd = m_soubor.fd();
        int chyba = g_vynutBloky ? EIO : Soubory::ZapisVse(fd, data);
        if (chyba) {
            // The block copy starts again from an empty temporary file.
            if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0)
                Selhani(u"Soubor exportu na cíli %1 nelze zapsat"_s, errno);
            QBuffer zdroj;
            zdroj.setData(data);
            zdroj.open(QIODevice::ReadOnly);
            QFile vystup;
            if (!vystup.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                             QFileDevice::DontCloseHandle))
                Selhani(u"Soubor exportu na cíli %1 nelze zapsat"_s, EIO);
            errno = 0;
            try {
                KopirujPoBlocich(zdroj, vystup, m_cil);
            } catch (const EChyba &) {
                // The system's reason of the block copy, else that of the whole-file copy.
                Selhani(u"Soubor exportu na cíli %1 nelze zapsat"_s, errno ? errno : chyba);
            }
            zpusob = 2;
        }
        if (::fsync(fd) != 0)
            Selhani(u"Soubor exportu na cíli %1 nelze uložit na zařízení"_s, errno);
        // Read back from the device, not from the cache, where the system allows it.
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        QByteArray zpet;
        if (const int e = PrectiVse(fd, data.size(), zpet))
            Selhani(u"Soubor exportu na cíli %1 nelze přečíst zpět"_s, e);
        if (zpet != data)
            throw EChyba(
                u"Export se nepovedl: soubor zapsaný na cíl %1 se liší od exportovaných dat.\n"
                u"Předchozí export na cíli zůstal beze změny."_s.arg(m_cil));
        if (const int e = m_soubor.Zavri())
            Selhani(u"Soubor exportu na cíli %1 nelze uzavřít"_s, e);
    }

    void Prejmenuj(const QString &jmeno)
    {
        if (const int e = m_soubor.Prejmenuj(QFile::encodeName(jmeno)))
            Selhani(u"Soubor exportu na cíli %1 nelze přejmenovat"_s, e);
        if (::fsync(m_dirfd) != 0 && errno != EINVAL && errno != ENOTSUP)
            throw EChyba(
                u"Adresář %1 nelze uložit na zařízení: %2.\nExport nemusí být na zařízení trvale zapsán."_s
                    .arg(m_cil, Duvod(errno)));
    }

private:
    int m_dirfd;
    QString m_cil;
    Soubory::TDocasnySoubor m_soubor;
};

class TAdresarCile
{
public:
    TAdresarCile(const QString &cil, const QString &jmeno)
        : m_fd(::open(QFile::encodeName(cil).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd < 0)
            throw EChyba(
                u"Soubor exportu %1 nelze zapsat: cílový adresář %2 nelze otevřít: %3."_s.arg(
                    jmeno, cil, Duvod(errno)));
    }
    ~TAdresarCile() { ::close(m_fd); }
    TAdresarCile(const TAdresarCile &) = delete;
    TAdresarCile &operator=(const TAdresarCile &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

TExportSouboru Kopiruj(const TAdresare &adr, const QString &cil, const QString &zdrojJmeno,
                       const QString &jmeno, quint64 zarizeni)
{
    const QString zdroj = Soubory::NajdiSoubor(adr.AdrData, zdrojJmeno);
    const QByteArray data = Soubory::NactiSoubor(zdroj, MaxVelikost);

    const TAdresarCile adresar(cil, jmeno);
    if (zarizeni != 0) {
        struct stat st
        {
        };
        if (::fstat(adresar.fd(), &st) != 0 || quint64(st.st_dev) != zarizeni)
            throw EChyba(u"Zařízení %1 už není připojeno (bylo odpojeno nebo vyměněno).\nExport "
                         u"nebyl proveden. "
                         u"Vložte zařízení znovu a zvolte „Znovu načíst zařízení“."_s.arg(cil));
    }
    struct statvfs fs
    {
    };
    if (::fstatvfs(adresar.fd(), &fs) == 0 &&
        qint64(fs.f_bavail) * qint64(fs.f_frsize) < data.size())
        throw EChyba(u"Na cíli %1 není místo pro soubor exportu (%2 B, volných %3 B).\n"
                     u"Předchozí export na cíli zůstal beze změny."_s.arg(cil)
                         .arg(data.size())
                         .arg(qint64(fs.f_bavail) * qint64(fs.f_frsize)));

    // A copy cut short by a kill left its temporary file; it holds nothing current.
    Soubory::SmazPozustatky(cil, u"."_s + jmeno + u'.');
    TExportSouboru vysledek;
    vysledek.Zpusob = 1;
    TDocasnyExport docasny(adresar.fd(), cil, jmeno);
    docasny.Zapis(data, vysledek.Zpusob);
    docasny.Prejmenuj(jmeno);
    vysledek.Cesta = cil + jmeno;
    vysledek.Velikost = data.size();
    vysledek.Sha256 =
        QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
    return vysledek;
}

} // namespace

QString JmenoExportu(const QString &kodObce, qint32 cisloOkrsku, int typZastup)
{
    const QChar pismeno = typZastup == 1 ? u'O' : typZastup == 2 ? u'C' : u'X';
    return u"O"_s + pismeno + kodObce + u'.' + u"%1"_s.arg(cisloOkrsku, 5, 10, QChar(u'0'));
}

QList<qint64> KopirujPoBlocich(QIODevice &zdroj, QIODevice &cil, const QString &jmeno)
{
    QList<qint64> bloky;
    char buf[4096];
    for (;;) {
        const qint64 precteno = zdroj.read(buf, sizeof buf);
        if (precteno < 0)
            throw EChyba(u"Chyba čtení při kopírování do %1: %2"_s.arg(jmeno, zdroj.errorString()));
        if (precteno == 0)
            break;
        const qint64 zapsano = cil.write(buf, precteno);
        if (zapsano != precteno)
            throw EChyba(
                u"Soubor %1 se nepodařilo celý zapsat: %2"_s.arg(jmeno, cil.errorString()));
        bloky.append(zapsano);
    }
    return bloky;
}

void VynutKopiiPoBlocich(bool vynutit)
{
    g_vynutBloky = vynutit;
}

quint64 ZarizeniAdresare(const QString &adresar)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(adresar).constData(), &st) != 0)
        return 0;
    return quint64(st.st_dev);
}

TExportSouboru KopirujSoubor(const TAdresare &adr, const QString &cil, const QString &kodObce,
                             qint32 cisloOkrsku, int typZastup, quint64 zarizeni)
{
    const QString uredni = JmenoExportu(kodObce, cisloOkrsku, typZastup);
    const QString jmeno = Skoleni::JmenoExportu(adr.AdrStanice, uredni);
    try {
        TExportSouboru v = Kopiruj(adr, cil, uredni, jmeno, zarizeni);
        // Synced before the caller marks the data exported: a power cut must not keep
        // "A" and lose the line with the export's SHA-256.
        Denik::ZapisTrvale(adr.AdrStanice,
                           ZacatekZaznamuExportu(typZastup) +
                               u" cíl %1, soubor %2, %3 B, SHA-256 %4, ověřeno čtením zpět%5"_s.arg(
                                   cil, jmeno, QString::number(v.Velikost), v.Sha256,
                                   jmeno == uredni ? QString() : u", cvičný soubor (neplatný)"_s));
        // The signed record names this file only while it is still the current data; a
        // note that cannot be written leaves the record without a fingerprint, and the
        // export stands.
        try {
            UlozOtiskExportu(adr, typZastup, v.Sha256);
        } catch (const EChyba &e) {
            Denik::Zapis(adr.AdrStanice, u"otisk exportu nebyl uložen: "_s + e.zprava());
        }
        return v;
    } catch (const EChyba &e) {
        Denik::Zapis(adr.AdrStanice,
                     u"export se nezdařil: typ zastupitelstva %1, cíl %2: %3"_s.arg(typZastup).arg(
                         cil, e.zprava()));
        throw;
    }
}
