// Loading and saving the largest results record: 45 parties x 70 candidates with
// vote counts near the field widths, 99 free text lines.
#include "Ochrana.h"
#include "Okrsek.h"
#include "VzorovyOkrsek.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Argument 0: the largest record the entry window makes (three free text lines);
// 1: the same with all 99 free text lines full, the longest file there can be.
TVysledky NejvetsiOkrsek(int vsechnyVety6)
{
    TVysledky v = VzorovyOkrsek(MaxStran, MaxKandidatu, 700, 700);
    if (vsechnyVety6) {
        for (int i = 1; i <= MaxVet6; ++i)
            v.Vety6[i] = QStringLiteral("Volný text %1 ").arg(i).leftJustified(200, QChar(u'.'));
    }
    return v;
}

const QByteArray Klic(Ochrana::KlicOkrsku);

struct Stanice
{
    QTemporaryDir dir;
    TAdresare adr;
    TOkrsekRefRec klic;
    Stanice()
    {
        if (!dir.isValid())
            std::abort();
        adr.AdrInstalace = adr.AdrStanice = adr.AdrData = dir.path() + u'/';
        klic.KodObce = QStringLiteral("500011");
        klic.CisloOkrsku = 1;
        klic.TypZastup = QStringLiteral("1");
    }
};

// CPU part of a save: line, container, cipher and Base64.
void BM_UlozVPameti(benchmark::State &state)
{
    const TVysledky v = NejvetsiOkrsek(int(state.range(0)));
    for (auto _ : state) {
        QByteArray ulozeny = Ochrana::Zasifruj(Ochrana::Zabal(SestavRadek(v, true)), Klic);
        benchmark::DoNotOptimize(ulozeny);
    }
    state.counters["bajtu"] = double(SestavRadek(v, true).size());
}
BENCHMARK(BM_UlozVPameti)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The stages of a save one by one, to see where the time goes.
void BM_SestavRadek(benchmark::State &state)
{
    const TVysledky v = NejvetsiOkrsek(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SestavRadek(v, true));
}
BENCHMARK(BM_SestavRadek)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Zabal(benchmark::State &state)
{
    const QByteArray radek = SestavRadek(NejvetsiOkrsek(int(state.range(0))), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(Ochrana::Zabal(radek));
}
BENCHMARK(BM_Zabal)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Zasifruj(benchmark::State &state)
{
    const QByteArray kontejner =
        Ochrana::Zabal(SestavRadek(NejvetsiOkrsek(int(state.range(0))), true));
    for (auto _ : state)
        benchmark::DoNotOptimize(Ochrana::Zasifruj(kontejner, Klic));
}
BENCHMARK(BM_Zasifruj)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// CPU part of a load: Base64, cipher, inflate and parse.
void BM_NactiVPameti(benchmark::State &state)
{
    const QByteArray ulozeny = Ochrana::Zasifruj(
        Ochrana::Zabal(SestavRadek(NejvetsiOkrsek(int(state.range(0))), true)), Klic);
    const QString nazev = QStringLiteral("bench");
    TVysledky v;
    for (auto _ : state) {
        const QByteArray radek = Ochrana::Otevri(ulozeny, Klic, nazev);
        RozeberRadek(radek, true, v, nazev);
        benchmark::DoNotOptimize(v);
    }
    state.counters["bajtu_ulozeno"] = double(ulozeny.size());
}
BENCHMARK(BM_NactiVPameti)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole save with the intermediate files and the atomic replace flushed to disk.
void BM_UlozOkrsek(benchmark::State &state)
{
    Stanice s;
    const TVysledky v = NejvetsiOkrsek(int(state.range(0)));
    for (auto _ : state)
        UlozOkrsek(s.adr, s.klic, QStringLiteral("O"), v);
}
BENCHMARK(BM_UlozOkrsek)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_NactiOkrsek(benchmark::State &state)
{
    Stanice s;
    UlozOkrsek(s.adr, s.klic, QStringLiteral("O"), NejvetsiOkrsek(int(state.range(0))));
    TVysledky v;
    for (auto _ : state) {
        NactiOkrsek(s.adr, s.klic, QStringLiteral("O"), v);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_NactiOkrsek)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
