#include "Volby.h"

#include "Prikazy.h"

std::optional<TVolby> RozeberVolby(const QString &prikaz, const QStringList &argumenty,
                                   const QStringList &sHodnotou, const QStringList &prepinace)
{
    TVolby v;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty.at(i);
        if (prepinace.contains(a)) {
            v.Prepinace.insert(a);
        } else if (sHodnotou.contains(a) && i + 1 < argumenty.size()) {
            v.Hodnoty.insert(a, argumenty.at(++i));
        } else if (a.startsWith(u'-')) {
            VypisChybu(
                QStringLiteral("%1: neznámá nebo neúplná volba %2 (viz --help)").arg(prikaz, a));
            return std::nullopt;
        } else {
            v.Volne.append(a);
        }
    }
    const QString typ = v.Hodnota(QStringLiteral("--typ"));
    if (v.Ma(QStringLiteral("--typ")) && typ != u"1" && typ != u"2") {
        VypisChybu(QStringLiteral("%1: typ zastupitelstva musí být 1 nebo 2").arg(prikaz));
        return std::nullopt;
    }
    const QString podadresar = v.Hodnota(QStringLiteral("--podadresar"));
    if (v.Ma(QStringLiteral("--podadresar")) &&
        (podadresar.isEmpty() || podadresar.contains(u'/') || podadresar == u"." ||
         podadresar == u"..")) {
        VypisChybu(QStringLiteral("%1: podadresář musí být jméno jednoho adresáře").arg(prikaz));
        return std::nullopt;
    }
    return v;
}
