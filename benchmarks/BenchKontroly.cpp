// The check run over a maximal record: 45 parties of 70 candidates, most of them failing.
#include "KontrolniBeh.h"
#include "StaniceSDaty.h"

#include <benchmark/benchmark.h>

namespace {

struct TMaximalni : TStaniceSDaty<>
{
    TNejvetsiStanice() : TStaniceSDaty(NejvetsiStanice())
    {
        TVysledky v = PlatnyOkrsek(45, 70, 5);
        v.VetaT3.OdevzdObalky = 4; // every candidate above the envelopes: 24 fails 3150 times
        for (int a = 1; a <= 45; ++a)
            v.StranyHL[std::size_t(a)].PocHl = 2; // and above the party: 23, 25, 28
        Uloz(v);
        Vybrano = 5;
    }
};

// Loading every file, all checks and the station update, as the menu runs it.
void BM_Kontroly(benchmark::State &state)
{
    TMaximalni m;
    for (auto _ : state) {
        m.AktOkrsek = KlicOkrsku();
        Kontroly(m);
        benchmark::DoNotOptimize(m.ProtokolChyb.Pocet());
    }
    state.counters["polozek"] = double(m.ProtokolChyb.Pocet());
}
BENCHMARK(BM_Kontroly)->Unit(benchmark::kMillisecond);

// The checks alone over the loaded record.
void BM_ProvedKontroly(benchmark::State &state)
{
    TMaximalni m;
    Kontroly(m);
    for (auto _ : state) {
        ProvedKontroly(m);
        benchmark::DoNotOptimize(m.ProtokolChyb.Pocet());
    }
    state.counters["polozek"] = double(m.ProtokolChyb.Pocet());
}
BENCHMARK(BM_ProvedKontroly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
