#include "KontrolniPorizeni.h"

#include "Denik.h"
#include "Soubory.h"

#include <QFileInfo>
#include <QTime>

namespace KontrolniPorizeni {

QString JmenoSouboru(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    return JmenoSouboruOkrsku(adr, klic, Prefix);
}

bool Existuje(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    return Soubory::ExistujeSoubor(JmenoSouboru(adr, klic));
}

bool Nacti(const TAdresare &adr, const TOkrsekRefRec &klic, TVysledky &v)
{
    VynulujOkrsek(v);
    const QString cesta = JmenoSouboru(adr, klic);
    if (!Soubory::ExistujeSoubor(cesta))
        return false;
    RozeberRadek(NactiChranenyRadek(cesta), false, v, cesta);
    return true;
}

void Uloz(const TAdresare &adr, const TOkrsekRefRec &klic, const TVysledky &v, bool sDenikem)
{
    const QString cesta = JmenoSouboru(adr, klic);
    const qsizetype velikost = UlozChranenyRadek(cesta, SestavRadek(v, false));
    if (sDenikem)
        Denik::Zapis(adr.AdrStanice,
                     QStringLiteral("kontrolní pořízení uloženo: %1 (typ zastupitelstva %2, %3 B)")
                         .arg(QFileInfo(cesta).fileName(), klic.TypZastup)
                         .arg(velikost));
}

void Smaz(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &proc)
{
    const QString cesta = JmenoSouboru(adr, klic);
    if (!QFileInfo(cesta).isFile())
        return;
    Soubory::Smaz(cesta);
    Denik::Zapis(adr.AdrStanice, QStringLiteral("kontrolní pořízení odstraněno: %1 (%2)")
                                     .arg(QFileInfo(cesta).fileName(), proc));
}

QString OdlozStranou(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &proc)
{
    const QString cesta = JmenoSouboru(adr, klic);
    if (!QFileInfo(cesta).isFile())
        return {};
    return UschovejZrusene(adr, cesta,
                           QStringLiteral("kontrolní pořízení odloženo: %1 uschován jako %2 (") +
                               proc + u')');
}

QString CasUlozeni(const TVysledky &v)
{
    const QString cas = v.VetaTS.CasPorizeni;
    const QTime t = QTime::fromString(cas, QStringLiteral("HHmmss"));
    return t.isValid() ? t.toString(QStringLiteral("HH:mm")) : QString();
}

} // namespace KontrolniPorizeni
