// The check run over a maximal record: 45 parties of 70 candidates, most of them failing.
#include "Dotaznik.h"
#include "KontrolniBeh.h"
#include "ZkusebniOkrsek.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct TMaximalni
{
    TMaximalni()
    {
        TParametryStanice p;
        p.PocetStran = 45;
        p.PocetKand = 70;
        adr = VytvorStanici(dir.path(), p);
        stanice = NactiStanici(adr.AdrStanice);
        cis.Nacti(adr.AdrInstalace);
        TVysledky v = PlatnyOkrsek(45, 70, 5);
        v.VetaT3.OdevzdObalky = 4; // every candidate above the envelopes: 24 fails 3150 times
        for (int a = 1; a <= 45; ++a)
            v.StranyHL[std::size_t(a)].PocHl = 2; // and above the party: 23, 25, 28
        UlozOkrsek(adr, KlicOkrsku(), QStringLiteral("E"), v);
        akt = KlicOkrsku();
    }

    QTemporaryDir dir;
    TAdresare adr;
    TStaniceRec stanice;
    TOkrsekRefRec akt;
    TReference ref;
    TVysledky v;
    THlasovaniRec hl;
    QList<TKomise> komise;
    TCisChyb cis;
    TChybProt prot{cis};
    TKontrolniStav stav;
    quint16 typ = 1;
    int vybrano = 5;
    bool dataOK = false, kontrolyOK = false, exportOK = false;
    TDotaznikFronta dotaznik;
    TKontrolniBeh beh{dotaznik, adr,  stanice, akt,     ref,    v,          hl,       komise,
                      prot,     stav, typ,     vybrano, dataOK, kontrolyOK, exportOK, {}};
};

// Loading every file, all checks and the station update, as the menu runs it.
void BM_Kontroly(benchmark::State &state)
{
    TMaximalni m;
    for (auto _ : state) {
        m.akt = KlicOkrsku();
        Kontroly(m.beh);
        benchmark::DoNotOptimize(m.prot.Pocet());
    }
    state.counters["polozek"] = double(m.prot.Pocet());
}
BENCHMARK(BM_Kontroly)->Unit(benchmark::kMillisecond);

// The checks alone over the loaded record.
void BM_ProvedKontroly(benchmark::State &state)
{
    TMaximalni m;
    Kontroly(m.beh);
    for (auto _ : state) {
        ProvedKontroly(m.beh);
        benchmark::DoNotOptimize(m.prot.Pocet());
    }
    state.counters["polozek"] = double(m.prot.Pocet());
}
BENCHMARK(BM_ProvedKontroly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
