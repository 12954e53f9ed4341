#include "Instalace.h"

#include "Prikazy.h"
#include "Reference.h"

#include <QDir>

std::optional<TStaniceNastroje> OtevriStanici(const QString &prikaz, const QString &instalace,
                                              const QString &podadresar)
{
    const QString cesta = QDir(instalace).absolutePath() + u'/';
    const TStartAdresaru start =
        UrciAdresare(cesta, podadresar.isEmpty() ? QStringList() : QStringList{podadresar});
    if (!start.LzeSpustit) {
        VypisChybu(QStringLiteral("%1: v %2 není stanice (STANICE.RCD)").arg(prikaz, cesta));
        return std::nullopt;
    }
    return TStaniceNastroje{start.Adresare, NactiStanici(start.Adresare.AdrStanice)};
}

bool MaTyp(const TAdresare &adr, const TStaniceRec &stanice, const QString &typ)
{
    TOkrsekRefRec klic;
    klic.KodObce = stanice.KodObce;
    klic.CisloOkrsku = stanice.CisloOkrsku;
    klic.TypZastup = typ;
    return NajdiOkrsek(adr, klic);
}
