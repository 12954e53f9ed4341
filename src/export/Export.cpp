#include "Export.h"

#include "ChybySystemu.h"
#include "EChyba.h"
#include "Soubory.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The O file is one line of a few kilobytes; anything near this is not ours.
constexpr qint64 MaxVelikost = 64 * 1024 * 1024;
bool g_vynutBloky = false;

// The reason of a file call that failed just now: the system's error number in
// Czech, or the device's own text when the failure set none.
QString Duvod(const QIODevice &zarizeni)
{
    const int chyba = errno;
    return chyba != 0 ? PopisChybySystemu(chyba) : zarizeni.errorString();
}

void ZapisNaZarizeni(QFile &f, const QString &cesta)
{
    errno = 0;
    if (!f.flush())
        throw EChyba(u"Soubor %1 se nepodařilo zapsat: %2"_s.arg(cesta, Duvod(f)));
    if (::fsync(f.handle()) != 0)
        throw EChyba(u"Soubor %1 se nepodařilo uložit na zařízení: %2"_s.arg(cesta, PopisChybySystemu(errno)));
}

void PorovnejSOriginalem(const QString &cil, const QByteArray &zdroj)
{
    const QByteArray kopie = Soubory::NactiSoubor(cil, MaxVelikost);
    if (kopie != zdroj)
        throw EChyba(u"Export se nepovedl: soubor %1 se liší od exportovaných dat."_s.arg(cil));
}

int KopirujBloky(const QString &zdroj, const QString &cil)
{
    errno = 0;
    QFile vstup(zdroj);
    if (!vstup.open(QIODevice::ReadOnly))
        throw EChyba(u"Soubor %1 nelze otevřít: %2"_s.arg(zdroj, Duvod(vstup)));
    QFile vystup(cil);
    if (!vystup.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EChyba(u"Soubor %1 nelze vytvořit: %2"_s.arg(cil, Duvod(vystup)));
    KopirujPoBlocich(vstup, vystup, cil);
    ZapisNaZarizeni(vystup, cil);
    errno = 0;
    vystup.close();
    if (vystup.error() != QFileDevice::NoError)
        throw EChyba(u"Soubor %1 se nepodařilo zavřít: %2"_s.arg(cil, Duvod(vystup)));
    return 2;
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
        errno = 0;
        const qint64 precteno = zdroj.read(buf, sizeof buf);
        if (precteno < 0)
            throw EChyba(u"Chyba čtení při kopírování do %1: %2"_s.arg(jmeno, Duvod(zdroj)));
        if (precteno == 0)
            break;
        const qint64 zapsano = cil.write(buf, precteno);
        if (zapsano != precteno)
            throw EChyba(u"Soubor %1 se nepodařilo celý zapsat: %2"_s.arg(jmeno, Duvod(cil)));
        bloky.append(zapsano);
    }
    return bloky;
}

void VynutKopiiPoBlocich(bool vynutit)
{
    g_vynutBloky = vynutit;
}

int KopirujSoubor(const QString &adrData, const QString &cil, const QString &kodObce, qint32 cisloOkrsku,
                  int typZastup)
{
    const QString jmeno = JmenoExportu(kodObce, cisloOkrsku, typZastup);
    const QString zdroj = Soubory::NajdiSoubor(adrData, jmeno);
    const QString cesta = cil + jmeno;
    int vysledek = 1;
    QByteArray data;
    try {
        if (g_vynutBloky)
            throw EChyba(u"kopie po blocích"_s);
        data = Soubory::NactiSoubor(zdroj, MaxVelikost);
        // Replacing through a temporary file keeps the previous export whole until the
        // new one is complete on the device.
        Soubory::UlozAtomicky(cesta, data);
    } catch (const EChyba &) {
        vysledek = KopirujBloky(zdroj, cesta);
        data = Soubory::NactiSoubor(zdroj, MaxVelikost);
    }
    PorovnejSOriginalem(cesta, data);
    return vysledek;
}
