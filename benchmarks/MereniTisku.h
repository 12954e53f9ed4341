#pragma once

// What the benchmarks of the printouts share: the largest candidate list, writing the
// pages as PDF, and a main with the offscreen GUI application that printing needs.
#include "Nahled.h"
#include "Reference.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

// 45 parties of 70 candidates with long names; every 17th candidate has withdrawn.
inline void NejvetsiSeznam(TReference &ref)
{
    using namespace Qt::StringLiterals;
    ref.PocetStranSeznamu = MaxStran;
    for (int k = 1; k <= MaxStran; ++k) {
        ref.SeznamStran[k].PocetKand = QString::number(MaxKandidatu);
        for (int i = 1; i <= MaxKandidatu; ++i) {
            TKandidatRec &c = ref.Kandidati[k][i];
            c.Jmeno = u"Ing. Bohumila"_s;
            c.Prijmeni = u"Šťastná-Přibylová %1"_s.arg(i);
            c.Platnost = i % 17 == 0 ? u"N"_s : u"A"_s;
        }
    }
}

// Times laying out the pages into n; `sestav` does it once.
template <typename F> void MerStrany(benchmark::State &state, const TNahled &n, F sestav)
{
    for (auto _ : state) {
        sestav();
        benchmark::DoNotOptimize(n.Celkem());
    }
    state.counters["stran"] = n.Celkem();
}

inline void MerPdf(benchmark::State &state, TNahled &n)
{
    qint64 velikost = 0;
    for (auto _ : state) {
        const QByteArray pdf = VytvorPdf(n);
        velikost = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["stran"] = n.Celkem();
    state.counters["bajtu"] = double(velikost);
}

inline int SpustMereni(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
