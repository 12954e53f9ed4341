// The largest tally sheet: 45 parties x 70 candidates on portrait A4. Building the
// pages (layout and measuring) and writing them to PDF are timed apart.
#include "MereniTisku.h"
#include "ScitaciArch.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct TData
{
    TStaniceRec Stanice;
    TOkrsekRefRec Okrsek;
    std::unique_ptr<TReference> Ref = std::make_unique<TReference>();
    TData()
    {
        Stanice.NazevObce = u"Velké Meziříčí nad Oslavou"_s;
        Okrsek.KodObce = u"596230"_s;
        Okrsek.CisloOkrsku = 12;
        Okrsek.NazevZast = u"Zastupitelstvo města Velké Meziříčí"_s;
        Okrsek.CObvodu = u"1"_s;
        NejvetsiSeznam(*Ref);
        for (int k = 1; k <= MaxStran; ++k)
            Ref->SeznamStran[k].NazevZkr = u"Sdružení nezávislých kandidátů číslo %1"_s.arg(k);
    }
};

void Sestav(TTisk &t, const TData &d)
{
    TiskScitacihoArchu(t, d.Stanice, d.Okrsek, *d.Ref, 1, u"A4"_s);
}

void BM_ScitaciArchSestaveni(benchmark::State &state)
{
    const TData d;
    TNahled n;
    TTisk t(n);
    MerStrany(state, n, [&] { Sestav(t, d); });
}
BENCHMARK(BM_ScitaciArchSestaveni)->Unit(benchmark::kMillisecond);

void BM_ScitaciArchPdf(benchmark::State &state)
{
    const TData d;
    TNahled n;
    TTisk t(n);
    Sestav(t, d);
    MerPdf(state, n);
}
BENCHMARK(BM_ScitaciArchPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return SpustMereni(argc, argv);
}
