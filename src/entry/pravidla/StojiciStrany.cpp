#include "StojiciStrany.h"

#include "Cisla.h"

using namespace Qt::StringLiterals;

bool StojiNekdo(const TReference &reference, int k)
{
    if (k < 1 || k > MaxStran)
        return false;
    const int pocet = qBound(0, int(CisloNeboNula(reference.SeznamStran[std::size_t(k)].PocetKand)),
                             int(MaxKandidatu));
    const auto &kandidati = reference.Kandidati[std::size_t(k)];
    for (int i = 1; i <= pocet; ++i) {
        if (kandidati[std::size_t(i)].Platnost == u"A")
            return true;
    }
    return false;
}

TStojiciStrana PrvniStojici(const TReference &reference, const QList<int> &strany,
                            const QStringList &texty, int od)
{
    TStojiciStrana vysledek;
    for (int i = qMax(0, od); i < strany.size(); ++i) {
        if (StojiNekdo(reference, strany[i])) {
            vysledek.Polozka = i;
            break;
        }
        vysledek.Preskocene.append(texty.value(i));
    }
    return vysledek;
}

QString TextPreskocenych(const QStringList &preskocene)
{
    if (preskocene.isEmpty())
        return {};
    if (preskocene.size() == 1)
        return u"Přeskočena strana, za kterou nikdo nekandiduje: "_s + preskocene.first();
    return u"Přeskočeny strany, za které nikdo nekandiduje: "_s + preskocene.join(u", "_s);
}
