// The entry window with a maximal council: 45 parties of 70 candidates, every field
// filled. Opening, a page change and a party change, each with its saves, and the
// idle save.
#include "HlaskaF.h"
#include "R_vstup.h"
#include "StaniceSDaty.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TStav : TStaniceSDaty<>
{
    THlaskaF Hlaska{CiselnikChyb};
    std::unique_ptr<TR_Vstupni_Form> Okno;

    TStav() : TStaniceSDaty(NejvetsiStanice())
    {
        Uloz(PlatnyOkrsek(45, 70, 3));
        Hlasovani = NactiHlasovani(Adresare.AdrData);
        Hlasovani.ClenuOVKP = QStringLiteral("15");
        Hlasovani.DuvodOdroc = QString(200, u'x');
        UlozHlasovani(Adresare.AdrData, Hlasovani);
        QList<TKomise> k(14, TKomise{QString(50, u'n')});
        UlozKomisi(Adresare.AdrData, k);
        Okno = std::make_unique<TR_Vstupni_Form>(*this, Hlaska, QStringLiteral("Měření"));
    }
};

std::unique_ptr<TStav> g_stav; // made after the application, freed before it

TStav &Stav()
{
    if (!g_stav)
        g_stav = std::make_unique<TStav>();
    return *g_stav;
}

// The window shown on that page, as typing finds it.
TR_Vstupni_Form &NaStrance(TStav &s, int stranka)
{
    s.Okno->FormShow();
    s.Okno->show();
    s.Okno->NastavStranku(stranka);
    return *s.Okno;
}

void BM_OtevreniOkna(benchmark::State &state)
{
    TStav &s = Stav();
    for (auto _ : state) {
        s.Okno->FormShow();
        benchmark::DoNotOptimize(s.Vysledky.VetaT3.T3KC_2);
    }
}
BENCHMARK(BM_OtevreniOkna)->Unit(benchmark::kMillisecond);

void BM_ZmenaStrankySUlozenim(benchmark::State &state)
{
    TR_Vstupni_Form &o = NaStrance(Stav(), 0);
    int stranka = 0;
    for (auto _ : state) {
        stranka = stranka == 0 ? 1 : 0;
        o.NastavStranku(stranka);
    }
    o.hide();
}
BENCHMARK(BM_ZmenaStrankySUlozenim)->Unit(benchmark::kMillisecond);

void BM_ZmenaStranySUlozenim(benchmark::State &state)
{
    TR_Vstupni_Form &o = NaStrance(Stav(), 3);
    int i = 0;
    for (auto _ : state) {
        i = (i + 1) % 45;
        o.findChild<QComboBox *>(QStringLiteral("R_CBHL_1"))->setCurrentIndex(i);
        o.R_CBHL_1Change();
    }
    o.hide();
}
BENCHMARK(BM_ZmenaStranySUlozenim)->Unit(benchmark::kMillisecond);

// The idle save: the field being typed in and every durable file of a page save, with
// no checks. It runs from a timer, never on a key press.
void BM_UlozeniPriNecinnosti(benchmark::State &state)
{
    TR_Vstupni_Form &o = NaStrance(Stav(), 1);
    int i = 0;
    for (auto _ : state) {
        i = 1 - i;
        o.findChild<TSEdit *>(QStringLiteral("R_EdZapsOsoby"))->setText(QString::number(1000 + i));
        benchmark::DoNotOptimize(o.UlozRozepsane(false));
    }
    o.hide();
}
BENCHMARK(BM_UlozeniPriNecinnosti)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_stav.reset();
    return 0;
}
