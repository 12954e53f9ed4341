// The official record of the largest precinct: 45 parties x 70 candidates. One pass of
// the record job (layout and measuring of every sheet) and writing the PDF are timed
// apart.
#include "MereniTisku.h"
#include "UdajeZapisu.h"
#include "Zapis.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct TData : TUdajeZapisu
{

    TData()
    {
        Stanice.DatumVoleb = u"09.10.2026 - 10.10.2026"_s;
        Okrsek.NazevObce = u"Velké Meziříčí nad Oslavou"_s;
        Okrsek.NazevOkresu = u"Žďár nad Sázavou"_s;
        Okrsek.NazevZast = u"Zastupitelstvo města Velké Meziříčí"_s;
        Okrsek.PocetMandatu = u"27"_s;
        Okrsek.JeObvod = u"A"_s;
        Okrsek.CObvodu = u"2"_s;
        TOkrsekRec &v = Vysledky->VetaT3;
        v.Obec = 596230;
        v.Okrsek = 12;
        v.TypZastup = 1;
        v.Pocet_VS = MaxStran;
        NejvetsiSeznam(*Ref);
        for (int k = 1; k <= MaxStran; ++k) {
            Ref->SeznamStran[k].Nazev =
                u"Sdružení nezávislých kandidátů a místních patriotů číslo %1"_s.arg(k);
            for (int i = 1; i <= MaxKandidatu; ++i) {
                Vysledky->StranyHL[k].HlasyKand[i] = quint16(i * 3);
                Vysledky->StranyHL[k].PocHl += i * 3;
            }
            Vysledky->StranyHL[k].HLPoslKand = MaxKandidatu;
        }
        Hlasovani.Odroc = Hlasovani.Prodl = Hlasovani.Prerus = u"B"_s;
        Hlasovani.DuvodOdroc = Hlasovani.DuvodProdl = Hlasovani.DuvodPrer =
            QString(200, u'x').replace(u"xxxxxxxxx"_s, u"povodeň "_s);
        Hlasovani.Ostatni = QString(200, u'y').replace(u"yyyyyyy"_s, u"Novák, "_s);
        for (int i = 1; i <= 15; ++i)
            Komise.append({u"Mgr. Jaroslava Nováková-Dvořáková %1"_s.arg(i)});
    }
};

void BM_ZapisProbeh(benchmark::State &state)
{
    const TData d;
    const TDataZapisu data = d.Data();
    TNahled n;
    TTisk t(n);
    TZapis z(t, data);
    z.ZacniUlohu(QDateTime::currentDateTime());
    MerStrany(state, n, [&] { z.Probeh(); });
}
BENCHMARK(BM_ZapisProbeh)->Unit(benchmark::kMillisecond);

void BM_ZapisPdf(benchmark::State &state)
{
    const TData d;
    TNahled n;
    TTisk t(n);
    SestavZapis(t, d.Data());
    MerPdf(state, n);
}
BENCHMARK(BM_ZapisPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return SpustMereni(argc, argv);
}
