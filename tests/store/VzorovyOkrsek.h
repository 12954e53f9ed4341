#pragma once

// A consistent results record for tests and benchmarks: derived fields computed the
// way the entry window computes them, so that every value fits its width.
#include "Okrsek.h"

// A record of another type identified as the record of section II.
template <typename T> void IdentifikujPodle(T &r, const TOkrsekRec &h, quint16 typVety)
{
    r.TypVety = typVety;
    r.Okres = h.Okres;
    r.Obec = h.Obec;
    r.Okrsek = h.Okrsek;
    r.T3KC_1 = h.T3KC_1;
    r.TypZastup = h.TypZastup;
}

// The derived fields of party a from its votes and the record of section II, as the
// entry window computes them.
inline void DopoctiStranu(TStranaHLRec &s, const TOkrsekRec &h, int a)
{
    IdentifikujPodle(s, h, 2);
    s.PorStHL = quint16(a);
    s.PocHl = 0;
    s.HLPoslKand = 0;
    qint64 vazeny = 0;
    for (int k = 1; k <= MaxKandidatu; ++k) {
        s.PocHl += s.HlasyKand[std::size_t(k)];
        vazeny += qint64(k) * s.HlasyKand[std::size_t(k)];
        if (s.HlasyKand[std::size_t(k)] > 0)
            s.HLPoslKand = quint16(k);
    }
    s.HLKC2 = s.PocHl + a;
    s.HLKS = qint32(s.TypVety + s.Oprava + s.Chyba + s.Okres + s.Obec + s.Okrsek + s.T3KC_1 +
                    s.TypZastup + h.CObvodu + s.HLKC2 + s.HLPoslKand + vazeny);
}

// The record of precinct 1 of municipality 500011 (district 3701), council type 1, with
// nothing entered yet.
inline TVysledky OkrsekJedna()
{
    TVysledky v;
    v.VetaT3 = {.TypVety = 1,
                .Okres = 3701,
                .Obec = 500011,
                .Okrsek = 1,
                .TypZastup = 1,
                .CObvodu = 1,
                .KodObceZast = 500011};
    return v;
}

inline TVysledky VzorovyOkrsek(int pocetStran, int pocetKand, int zakladHlasu, int rozpetiHlasu)
{
    TVysledky v = OkrsekJedna();
    TOkrsekRec &h = v.VetaT3;
    h.T3KC_1 = quint16((qint64(h.Obec) * 100000 + h.Okrsek) % 7);
    h.ZapsOsoby = 99999;
    h.VydObalky = 9000;
    h.OdevzdObalky = 8990;
    h.Pocet_VS = quint16(pocetStran);

    qint64 platne = 0, soucetKC2 = 0, soucetKS = 0;
    for (int k = 1; k <= pocetStran; ++k) {
        TStranaHLRec &s = v.StranyHL[k];
        s.Chyba = quint16(k % 5 == 0);
        for (int i = 1; i <= pocetKand; ++i) {
            const int hlasy = (k * 131 + i * 71) % 7 == 3
                                  ? 0
                                  : zakladHlasu + (k * 131 + i * 71) % (rozpetiHlasu + 1);
            s.HlasyKand[i] = quint16(hlasy);
        }
        DopoctiStranu(s, h, k);
        platne += s.PocHl;
        h.Poc_VS_HL += s.PocHl > 0;
        soucetKC2 += s.HLKC2;
        soucetKS += s.HLKS;
    }
    h.PlatneHlasy = qint32(qMin<qint64>(platne, 800000));
    h.T3KC_2 = h.ZapsOsoby + h.TypZastup + h.VydObalky + h.OdevzdObalky + h.PlatneHlasy +
               h.Pocet_VS + h.Poc_VS_HL;

    TVetaTS &z = v.VetaTS;
    IdentifikujPodle(z, h, 3);
    z.SeznamChyb = QStringLiteral("069193");
    z.DatumPorizeni = QStringLiteral("20221023");
    z.CasPorizeni = QStringLiteral("143005");
    z.Rezervovano = 1234567890;
    z.ZpusobPorizeni = 1;
    z.KodWindowsTS = 62;
    z.Jmeno2 = QStringLiteral("Žluťoučký kůň");
    z.SoucetKC1 = h.T3KC_1 * (pocetStran + 2);
    z.SoucetKC2 = double(h.T3KC_2 + soucetKC2);
    z.SoucetKS = double(soucetKS);
    z.NahodneCislo = 654321;
    z.KontrSoucetTS =
        143005 + 20221023 + z.SoucetKC1 + z.SoucetKC2 + z.SoucetKS + z.Rezervovano + z.NahodneCislo;

    v.Vety6[2] = QStringLiteral("Poznámka komise k průběhu hlasování");
    v.Vety6[17] = QStringLiteral("Řádek se znaky ěščřžýáíé a mezerami na konci   ");
    v.Vety6[99] = QString(200, QChar(u'x'));
    v.JsouVety6 = true;
    return v;
}
