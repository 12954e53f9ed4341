#include "CilExportu.h"

#include "Export.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString Kanonicka(const QString &adresar)
{
    QString c = QFileInfo(adresar).canonicalFilePath();
    if (!c.endsWith(u'/'))
        c += u'/';
    return c;
}

} // namespace

TCilExportu PosudCil(IZdrojZarizeni &zdroj, const QString &adresar, const QString &instalace,
                     bool mistni)
{
    TCilExportu cil;
    cil.Zarizeni = ZarizeniAdresare(adresar);
    const QStorageInfo svazek(adresar);
    cil.NazevZarizeni = QString::fromLocal8Bit(svazek.device());
    const QString kanonicka = Kanonicka(adresar);

    const QList<TZarExp> seznam = NactiZarizeni(zdroj);
    const bool naVyjimatelnem = std::any_of(seznam.cbegin(), seznam.cend(), [&](const TZarExp &z) {
        return z.Size > 0 && z.Zarizeni != 0 && z.Zarizeni == cil.Zarizeni &&
               kanonicka.startsWith(Kanonicka(z.Pozice));
    });
    if (naVyjimatelnem)
        cil.Druh = TCilExportu::TDruh::Vyjimatelne;
    else if (svazek.isValid() && Kanonicka(svazek.rootPath()) == kanonicka &&
             cil.Zarizeni != ZarizeniAdresare(instalace))
        cil.Druh = TCilExportu::TDruh::Pripojeny;
    else if (mistni)
        cil.Druh = TCilExportu::TDruh::Mistni;
    return cil;
}

QString RadekZarizeni(const TCilExportu &cil)
{
    QString druh;
    switch (cil.Druh) {
    case TCilExportu::TDruh::Vyjimatelne:
        druh = u"vyjímatelné zařízení"_s;
        break;
    case TCilExportu::TDruh::Pripojeny:
        druh = u"připojený svazek"_s;
        break;
    case TCilExportu::TDruh::Mistni:
    case TCilExportu::TDruh::Odmitnut:
        druh = u"místní adresář"_s;
        break;
    }
    const QString nazev = cil.NazevZarizeni.isEmpty() ? u"neznámé"_s : cil.NazevZarizeni;
    return u"Zařízení: %1 (%2)\n"_s.arg(nazev, druh);
}
