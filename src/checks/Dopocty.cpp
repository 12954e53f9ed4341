#include "Dopocty.h"

#include "Cisla.h"
#include "EChyba.h"
#include "Kontroly.h"

#include <QRandomGenerator>

void VyplnIdentifikaci(TOkrsekRec &h, const TOkrsekRefRec &okr)
{
    h.TypVety = 1;
    h.Okres = quint16(CisloNeboNula(okr.KodOkresu));
    h.Obec = CisloNeboNula(okr.KodObce);
    h.Okrsek = okr.CisloOkrsku;
    h.TypZastup = quint16(CisloNeboNula(okr.TypZastup));
    h.CObvodu = quint16(CisloNeboNula(okr.CObvodu));
    h.KodObceZast = CisloNeboNula(okr.KodObceZast);
    h.Pocet_VS = quint16(CisloNeboNula(okr.PocetStranZast));
}

void VyplnIdentifikaciStrany(TStranaHLRec &s, const TOkrsekRec &h, int k)
{
    s.TypVety = 2;
    s.Okres = h.Okres;
    s.Obec = h.Obec;
    s.Okrsek = h.Okrsek;
    s.T3KC_1 = quint16(KontrolniCislo1(h.Obec, h.Okrsek));
    s.TypZastup = h.TypZastup;
    s.PorStHL = quint16(k);
}

void ProcDopoctiKC(TOkrsekRec &h)
{
    h.T3KC_1 = quint16(KontrolniCislo1(h.Obec, h.Okrsek));
    h.T3KC_2 = qint32(quint32(h.ZapsOsoby) + h.TypZastup + h.VydObalky + h.OdevzdObalky +
                      quint32(h.PlatneHlasy) + h.Pocet_VS + h.Poc_VS_HL);
}

void ProcDopoctiHL(TVysledky &v, int k, int pocetKand, int pocetStran)
{
    if (k < 1 || k > MaxStran)
        return;
    TOkrsekRec &h = v.VetaT3;
    TStranaHLRec &s = v.StranyHL[std::size_t(k)];
    VyplnIdentifikaciStrany(s, h, k);
    s.HLPoslKand = 0;
    const int n = qBound(0, pocetKand, int(MaxKandidatu));
    quint32 soucet = 0;
    quint32 vazeny = 0;
    for (int i = 1; i <= n; ++i) {
        soucet += s.HlasyKand[std::size_t(i)];
        vazeny += quint32(i) * s.HlasyKand[std::size_t(i)];
    }
    s.PocHl = qint32(soucet);
    s.HLKC2 = s.PorStHL + s.PocHl;
    for (int i = n; i >= 1; --i) {
        if (s.HlasyKand[std::size_t(i)] > 0) {
            s.HLPoslKand = quint16(i);
            break;
        }
    }
    // 32-bit arithmetic with wrap-around, as the record's field holds it.
    s.HLKS = qint32(quint32(s.TypVety) + s.Oprava + s.Chyba + s.Okres + quint32(s.Obec) +
                    quint32(s.Okrsek) + s.T3KC_1 + s.TypZastup + h.CObvodu + quint32(s.HLKC2) +
                    s.HLPoslKand + vazeny);
    h.Poc_VS_HL = 0;
    for (int j = 1; j <= qBound(0, pocetStran, MaxStran); ++j) {
        TStranaHLRec &sj = v.StranyHL[std::size_t(j)];
        if (sj.PocHl > 0 || sj.HLPoslKand > 0)
            ++h.Poc_VS_HL;
        sj.HLKC2 = sj.PorStHL + sj.PocHl;
    }
    ProcDopoctiKC(h);
}

void DopoctiOkrsek(TVysledky &v, const TReference &ref, const TStaniceRec &stanice)
{
    const int pocetStran = qBound(0, int(ref.PocetStranSeznamu), MaxStran);
    for (int k = 1; k <= pocetStran; ++k)
        ProcDopoctiHL(v, k, CisloNeboNula(ref.SeznamStran[std::size_t(k)].PocetKand), pocetStran);
    ProcDopoctiKC(v.VetaT3);
    ProcDopoctiTS(v, pocetStran, stanice);
}

void ProcDopoctiTS(TVysledky &v, int pocetStran, const TStaniceRec &stanice)
{
    ProcDopoctiTS(v, pocetStran, stanice, QDateTime::currentDateTime(),
                  qint32(QRandomGenerator::global()->bounded(999999)));
}

void ProcDopoctiTS(TVysledky &v, int pocetStran, const TStaniceRec &stanice, const QDateTime &cas,
                   qint32 nahodneCislo)
{
    const qint32 kodWindows =
        PrevedCislo(stanice.KodWindows.trimmed(),
                    QStringLiteral("kódu Windows stanice (KodWindows, STANICE.RCD)"));
    if (kodWindows < 0 || kodWindows > 0xFFFF) {
        throw EChyba(
            QStringLiteral("Kód Windows stanice %1 (KodWindows, STANICE.RCD) je mimo rozsah.")
                .arg(kodWindows));
    }
    const TOkrsekRec &h = v.VetaT3;
    TVetaTS &z = v.VetaTS;
    z.TypVety = 3;
    z.Oprava = 0;
    z.Chyba = 0;
    z.Okres = h.Okres;
    z.Obec = h.Obec;
    z.Okrsek = h.Okrsek;
    z.TypZastup = h.TypZastup;
    z.T3KC_1 = quint16(KontrolniCislo1(h.Obec, h.Okrsek));
    z.DatumPorizeni = cas.toString(QStringLiteral("yyyyMMdd"));
    z.CasPorizeni = cas.toString(QStringLiteral("HHmmss"));
    // The reserved number has no meaning here; a fixed 0 keeps the check sum reproducible.
    z.Rezervovano = 0;
    z.NahodneCislo = nahodneCislo;
    z.ZpusobPorizeni = 1;
    z.KodWindowsTS = quint16(kodWindows);
    z.Rezerva.clear();
    z.Jmeno2.clear();
    z.Datum2.clear();
    z.Cas2.clear();
    z.Jmeno3.clear();
    z.Datum3.clear();
    z.Cas3.clear();
    z.Kod2 = z.Kod3 = 0;
    z.Cislo2 = z.Cislo3 = 0;
    z.Cislo4 = z.Cislo5 = 0;
    z.KontrSoucet2 = z.KontrSoucet3 = 0;

    const TSouctyTS soucty = SouctyTS(v, pocetStran);
    z.SoucetKC1 = double(soucty.KC1);
    z.SoucetKC2 = double(soucty.KC2);
    z.SoucetKS = double(soucty.KS);
    z.KontrSoucetTS = KontrolniSoucetTS(z);
}

TSouctyTS SouctyTS(const TVysledky &v, int pocetStran)
{
    const TOkrsekRec &h = v.VetaT3;
    TSouctyTS s{qint64(h.T3KC_1) + v.VetaTS.T3KC_1, h.T3KC_2, 0};
    for (int i = 1; i <= qBound(0, pocetStran, MaxStran); ++i) {
        const TStranaHLRec &strana = v.StranyHL[std::size_t(i)];
        s.KC1 += strana.T3KC_1;
        s.KC2 += strana.HLKC2;
        s.KS += strana.HLKS;
    }
    return s;
}

double KontrolniSoucetTS(const TVetaTS &z)
{
    return z.DatumPorizeni.toDouble() + (z.SoucetKC1 + z.SoucetKC2 + z.SoucetKS) +
           z.CasPorizeni.toDouble() + z.Rezervovano + double(z.NahodneCislo);
}
