#include "Denik.h"

#include "ChybySystemu.h"
#include "EChyba.h"
#include "Soubory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Denik {
namespace {

// Per process, set at its start (NastavKdo, NastavHlaseni), never per installation.
struct TStav
{
    std::function<void(const QString &)> hlaseni;
    bool ohlaseno = false;
    QString kdo;
};

TStav &Stav()
{
    static TStav s;
    return s;
}

// Why the line could not be appended; empty when it was.
QString Pripoj(const QString &cesta, const QByteArray &radek, bool trvale)
{
    int fd = -1;
    try {
        fd = Soubory::OtevriObycejny(cesta, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW);
    } catch (const EChyba &e) {
        return e.zprava();
    }
    if (fd < 0)
        return PopisChybySystemu(errno);
    int chyba = Soubory::ZapisVse(fd, radek);
    if (trvale && chyba == 0 && ::fsync(fd) != 0)
        chyba = errno;
    if (::close(fd) != 0 && chyba == 0)
        chyba = errno;
    return chyba ? PopisChybySystemu(chyba) : QString();
}

void Ohlas(const QString &cesta, const QString &duvod)
{
    TStav &s = Stav();
    if (s.ohlaseno)
        return;
    s.ohlaseno = true;
    const QString zprava = QStringLiteral("Do deníku %1 nelze zapisovat (%2). Práce pokračuje, "
                                          "jen se nezaznamenává do deníku.")
                               .arg(cesta, duvod);
    if (s.hlaseni)
        s.hlaseni(zprava);
    else
        std::fprintf(stderr, "%s\n", zprava.toUtf8().constData());
}

QString BezZlomu(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    t.replace(u'\n', QStringLiteral(" / "));
    t.replace(u'\r', QStringLiteral(" / "));
    return t;
}

void Pripis(const QString &adrStanice, const QString &udalost, bool trvale)
{
    const QString cesta = adrStanice + JmenoSouboru;
    const QDateTime ted = QDateTime::currentDateTime();
    const QString radek = ted.toOffsetFromUtc(ted.offsetFromUtc()).toString(Qt::ISODateWithMs) +
                          u' ' + Kdo() + u'[' +
                          QString::number(QCoreApplication::applicationPid()) +
                          QStringLiteral("] ") + BezZlomu(udalost) + u'\n';
    const QString duvod = Pripoj(cesta, radek.toUtf8(), trvale);
    if (!duvod.isEmpty())
        Ohlas(cesta, duvod);
}

} // namespace

void Over(const QString &adrStanice)
{
    const QString cesta = adrStanice + JmenoSouboru;
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(cesta).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        throw EChyba(Soubory::NeniObycejny(cesta, st.st_mode));
}

void Zapis(const QString &adrStanice, const QString &udalost)
{
    Pripis(adrStanice, udalost, false);
}

void ZapisTrvale(const QString &adrStanice, const QString &udalost)
{
    Pripis(adrStanice, udalost, true);
}

void NastavHlaseni(std::function<void(const QString &)> hlaseni)
{
    Stav().hlaseni = std::move(hlaseni);
    Stav().ohlaseno = false;
}

void NastavKdo(const QString &kdo)
{
    Stav().kdo = kdo;
}

QString Kdo()
{
    const QString &kdo = Stav().kdo;
    return kdo.isEmpty() ? QStringLiteral("zelkovar") : kdo;
}

} // namespace Denik
