#include "Denik.h"

#include "ChybySystemu.h"
#include "Soubory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Denik {
namespace {

struct TStav
{
    std::function<void(const QString &)> hlaseni;
    bool ohlaseno = false;
    QString kdo;
    QString adresar;
};

TStav &Stav()
{
    static TStav s;
    return s;
}

// errno of the failed step, or 0.
int Pripoj(const QByteArray &cesta, const QByteArray &radek, bool trvale)
{
    const int fd =
        ::open(cesta.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return errno;
    int chyba = Soubory::ZapisVse(fd, radek);
    if (trvale && chyba == 0 && ::fsync(fd) != 0)
        chyba = errno;
    if (::close(fd) != 0 && chyba == 0)
        chyba = errno;
    return chyba;
}

void Ohlas(const QString &cesta, int chyba)
{
    TStav &s = Stav();
    if (s.ohlaseno)
        return;
    s.ohlaseno = true;
    const QString zprava = QStringLiteral("Do deníku %1 nelze zapisovat (%2). Práce pokračuje, "
                                          "jen se nezaznamenává do deníku.")
                               .arg(cesta, PopisChybySystemu(chyba));
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
    if (const int chyba = Pripoj(QFile::encodeName(cesta), radek.toUtf8(), trvale))
        Ohlas(cesta, chyba);
}

} // namespace

void Zapis(const QString &adrStanice, const QString &udalost)
{
    Pripis(adrStanice, udalost, false);
}

void ZapisTrvale(const QString &adrStanice, const QString &udalost)
{
    Pripis(adrStanice, udalost, true);
}

void NastavAdresar(const QString &adrStanice)
{
    Stav().adresar = adrStanice;
}

void Zapis(const QString &udalost)
{
    if (!Stav().adresar.isEmpty())
        Zapis(Stav().adresar, udalost);
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
