#include "Kontroly.h"

#include "Cisla.h"
#include "EChyba.h"

#include <cmath>

namespace {

const QString KodyPropustitelne = QStringLiteral("06070809101112");
const QString KodyUpozorneni = QStringLiteral("91929394959697");

// Whether the first occurrence of kod in text starts at an odd position (from 1).
bool JeNaLichemMiste(QStringView text, QStringView kod)
{
    const qsizetype i = text.indexOf(kod);
    return i >= 0 && i % 2 == 0;
}

// Numbers held as text in the reference data; surrounding blanks are tolerated.
qint32 Cislo(const QString &text, const QString &popis)
{
    return PrevedCislo(text.trimmed(), popis);
}

// The same, describing the field only when the text is no number (called per party).
template <typename TPopis> qint32 CisloLine(const QString &text, TPopis popis)
{
    qint64 hodnota = 0;
    const QStringView t = QStringView(text).trimmed();
    bool jenCislice = !t.isEmpty() && t.size() <= 9;
    for (qsizetype i = 0; i < t.size() && jenCislice; ++i) {
        const char16_t z = t.at(i).unicode();
        jenCislice = z >= u'0' && z <= u'9';
        hodnota = hodnota * 10 + (z - u'0');
    }
    return jenCislice ? qint32(hodnota) : PrevedCislo(t.toString(), popis());
}

qint32 PocetMandatu(const TDataKontrol &d)
{
    return Cislo(d.AktOkrsek.PocetMandatu,
                 QStringLiteral("počtu mandátů okrsku (PocetMandatu, OKRSKY.RCD)"));
}

qint32 PocetStranZast(const TDataKontrol &d)
{
    return Cislo(d.AktOkrsek.PocetStranZast,
                 QStringLiteral("počtu stran zastupitelstva (PocetStranZast, OKRSKY.RCD)"));
}

void OverStranu(int a)
{
    if (a < 1 || a > MaxStran)
        throw EChyba(QStringLiteral("Pořadové číslo strany %1 je mimo rozsah 1 až %2.")
                         .arg(a)
                         .arg(MaxStran));
}

void OverKandidata(int k)
{
    if (k < 1 || k > MaxKandidatu)
        throw EChyba(
            QStringLiteral("Číslo kandidáta %1 je mimo rozsah 1 až %2.").arg(k).arg(MaxKandidatu));
}

TStranaHLRec &Strana(TDataKontrol &d, int a)
{
    OverStranu(a);
    return d.Vysledky.StranyHL[std::size_t(a)];
}

// The parties examined: 1 .. PocetStranSeznamu, never beyond the record.
int PocetStran(const TDataKontrol &d)
{
    return qBound(0, int(d.Reference.PocetStranSeznamu), MaxStran);
}

// The common ending of every check: on failure keep the compared values for the
// explanation, and mark unless only answering.
bool Vysledek(TDataKontrol &d, bool plati, bool iBezZapisu, QStringView kod, qint32 sekce,
              TOperandy o = {})
{
    if (plati)
        return true;
    o.Chyba = kod.toInt();
    if (o.Strana == 0 && sekce >= 1)
        o.Strana = sekce;
    d.Stav.Posledni = o;
    if (!iBezZapisu)
        OznacChybu(d, kod, sekce);
    return false;
}

bool NajdiKlic(const TDataKontrol &d, const QString &typ)
{
    TOkrsekRefRec klic;
    klic.KodObce = QString::number(d.Vysledky.VetaT3.Obec).left(6);
    klic.CisloOkrsku = d.Vysledky.VetaT3.Okrsek;
    klic.TypZastup = typ;
    return NajdiOkrsek(d.Adresare, klic);
}

} // namespace

void OznacChybu(TVysledky &v, TKontrolniStav &stav, QStringView kod, qint32 sekce)
{
    QString &seznam = v.VetaTS.SeznamChyb;
    const qsizetype i = seznam.indexOf(kod);
    if (i < 0 || i % 2 == 1) // not found, or only across a two-character boundary
        seznam = (seznam + kod.toString()).left(50);

    const bool upozorneni = JeNaLichemMiste(KodyUpozorneni, kod);
    if (JeNaLichemMiste(KodyPropustitelne, kod))
        stav.JsouPropustitelne = true;
    else if (upozorneni)
        stav.JsouUpozorneni = true;
    else
        stav.JsouChyby = true;

    if (upozorneni)
        return;
    if (sekce == SekceTS)
        v.VetaTS.Chyba = 1;
    else if (sekce == SekceT3)
        v.VetaT3.Chyba = 1;
    else if (sekce >= 1 && sekce <= MaxStran)
        v.StranyHL[std::size_t(sekce)].Chyba = 1;
}

qint64 Modulo(qint32 d, long double x)
{
    if (d == 0)
        throw EChyba(QStringLiteral("Zbytek po dělení nulou nelze spočítat."));
    return qint64(x - d * std::trunc(x / d));
}

qint64 KontrolniCislo1(qint32 obec, qint32 okrsek)
{
    return Modulo(7, (long double)(qint64(obec) * 100000 + okrsek));
}

bool Kontrola01(TDataKontrol &d, bool iBezZapisu)
{
    const bool plati = ExistujeObec(d.Adresare, QString::number(d.Vysledky.VetaT3.Obec));
    return Vysledek(d, plati, iBezZapisu, u"01", SekceT3);
}

bool Kontrola02(TDataKontrol &d, bool iBezZapisu)
{
    const bool plati = NajdiKlic(d, QStringLiteral("1")) || NajdiKlic(d, QStringLiteral("2"));
    return Vysledek(d, plati, iBezZapisu, u"02", SekceT3);
}

bool Kontrola03(TDataKontrol &d, bool iBezZapisu)
{
    const bool plati =
        Cislo(d.AktOkrsek.Priznak, QStringLiteral("příznaku okrsku (Priznak, OKRSKY.RCD)")) == 0;
    return Vysledek(d, plati, iBezZapisu, u"03", SekceT3);
}

bool Kontrola04(TDataKontrol &d, bool iBezZapisu, qint64 *oKC1)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const qint64 kc1 = KontrolniCislo1(h.Obec, h.Okrsek);
    if (oKC1)
        *oKC1 = kc1;
    return Vysledek(d, h.T3KC_1 == kc1, iBezZapisu, u"04", SekceT3, {.A = h.T3KC_1, .B = kc1});
}

bool Kontrola05(TDataKontrol &d, bool iBezZapisu)
{
    const bool plati = NajdiKlic(d, QString::number(d.Vysledky.VetaT3.TypZastup).left(1));
    return Vysledek(d, plati, iBezZapisu, u"05", SekceT3);
}

bool Kontrola06(TDataKontrol &d, bool iBezZapisu)
{
    const qint32 z = d.Vysledky.VetaT3.ZapsOsoby;
    return Vysledek(d, z > 0, iBezZapisu, u"06", SekceT3, {.A = z});
}

bool Kontrola07(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.ZapsOsoby <= 0 || h.VydObalky > 0, iBezZapisu, u"07", SekceT3,
                    {.A = h.ZapsOsoby, .B = h.VydObalky});
}

bool Kontrola08(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.VydObalky <= h.ZapsOsoby, iBezZapisu, u"08", SekceT3,
                    {.A = h.VydObalky, .B = h.ZapsOsoby});
}

bool Kontrola09(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.VydObalky == 0 || h.OdevzdObalky > 0, iBezZapisu, u"09", SekceT3,
                    {.A = h.VydObalky, .B = h.OdevzdObalky});
}

bool Kontrola10(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.OdevzdObalky <= h.VydObalky, iBezZapisu, u"10", SekceT3,
                    {.A = h.OdevzdObalky, .B = h.VydObalky});
}

bool Kontrola11(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.OdevzdObalky == 0 || h.PlatneHlasy > 0, iBezZapisu, u"11", SekceT3,
                    {.A = h.OdevzdObalky, .B = h.PlatneHlasy});
}

bool Kontrola12(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    // 64 bits: a product of 32-bit values must not wrap.
    const qint32 m = PocetMandatu(d);
    const bool plati = qint64(h.PlatneHlasy) <= qint64(m) * h.OdevzdObalky;
    return Vysledek(d, plati, iBezZapisu, u"12", SekceT3,
                    {.A = h.PlatneHlasy, .B = m, .C = h.OdevzdObalky});
}

bool Kontrola13(TDataKontrol &d, bool iBezZapisu)
{
    const qint32 zast = PocetStranZast(d);
    const quint16 vs = d.Vysledky.VetaT3.Pocet_VS;
    return Vysledek(d, vs == zast, iBezZapisu, u"13", SekceT3, {.A = vs, .B = zast});
}

bool Kontrola14(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.Poc_VS_HL <= h.Pocet_VS, iBezZapisu, u"14", SekceT3,
                    {.A = h.Poc_VS_HL, .B = h.Pocet_VS});
}

bool Kontrola15(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.PlatneHlasy <= 0 || h.Poc_VS_HL > 0, iBezZapisu, u"15", SekceT3,
                    {.A = h.PlatneHlasy, .B = h.Poc_VS_HL});
}

bool Kontrola16(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.Poc_VS_HL == 0 || h.PlatneHlasy > 0, iBezZapisu, u"16", SekceT3,
                    {.A = h.Poc_VS_HL, .B = h.PlatneHlasy});
}

bool Kontrola17(TDataKontrol &d, bool iBezZapisu)
{
    const qint32 obvod =
        Cislo(d.AktOkrsek.CObvodu, QStringLiteral("čísle obvodu okrsku (CObvodu, OKRSKY.RCD)"));
    const quint16 zapsany = d.Vysledky.VetaT3.CObvodu;
    return Vysledek(d, zapsany == obvod, iBezZapisu, u"17", SekceT3, {.A = zapsany, .B = obvod});
}

bool Kontrola18(TDataKontrol &d, bool iBezZapisu, qint64 *oSoucet)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const qint64 soucet = qint64(h.TypZastup) + h.ZapsOsoby + h.VydObalky + h.OdevzdObalky +
                          h.PlatneHlasy + h.Pocet_VS + h.Poc_VS_HL;
    if (oSoucet)
        *oSoucet = soucet;
    return Vysledek(d, h.T3KC_2 == soucet, iBezZapisu, u"18", SekceT3,
                    {.A = h.T3KC_2, .B = soucet});
}

bool Kontrola19(TDataKontrol &d, int a)
{
    OverStranu(a);
    bool plati = false;
    const int n = PocetStran(d);
    for (int i = 1; i <= n && !plati; ++i) {
        plati =
            CisloLine(d.Reference.SeznamStran[std::size_t(i)].PorCislo, [i] {
                return QStringLiteral("pořadovém čísle strany %1 (PorCislo, STRANY.RCD)").arg(i);
            }) == a;
    }
    return Vysledek(d, plati, false, u"19", a);
}

bool Kontrola20(TDataKontrol &d, bool iBezZapisu, int a)
{
    const quint16 poradi = Strana(d, a).PorStHL;
    const qint32 zast = PocetStranZast(d);
    return Vysledek(d, poradi <= zast, iBezZapisu, u"20", a, {.A = poradi, .B = zast});
}

bool Kontrola21(TDataKontrol &d, bool iBezZapisu, int a)
{
    const qint32 hlasy = Strana(d, a).PocHl;
    const qint32 platne = d.Vysledky.VetaT3.PlatneHlasy;
    return Vysledek(d, hlasy <= platne, iBezZapisu, u"21", a, {.A = hlasy, .B = platne});
}

bool Kontrola22(TDataKontrol &d, bool iBezZapisu)
{
    qint64 soucet = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += d.Vysledky.StranyHL[std::size_t(i)].PocHl;
    const qint32 platne = d.Vysledky.VetaT3.PlatneHlasy;
    return Vysledek(d, soucet == platne, iBezZapisu, u"22", SekceT3, {.A = soucet, .B = platne});
}

bool Kontrola22KC(TDataKontrol &d, bool iBezZapisu)
{
    qint64 soucet = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += qint64(d.Vysledky.StranyHL[std::size_t(i)].HLKC2) - i;
    const qint32 platne = d.Vysledky.VetaT3.PlatneHlasy;
    return Vysledek(d, soucet == platne, iBezZapisu, u"22", SekceT3, {.A = soucet, .B = platne});
}

bool Kontrola23(TDataKontrol &d, bool iBezZapisu, int a, int k)
{
    OverKandidata(k);
    const TStranaHLRec &s = Strana(d, a);
    const quint16 hlasy = s.HlasyKand[std::size_t(k)];
    return Vysledek(d, hlasy <= s.PocHl, iBezZapisu, u"23", a,
                    {.Kandidat = k, .A = hlasy, .B = s.PocHl});
}

bool Kontrola24(TDataKontrol &d, bool iBezZapisu, int a, int k)
{
    OverKandidata(k);
    const quint16 hlasy = Strana(d, a).HlasyKand[std::size_t(k)];
    const quint16 obalky = d.Vysledky.VetaT3.OdevzdObalky;
    return Vysledek(d, hlasy <= obalky, iBezZapisu, u"24", a,
                    {.Kandidat = k, .A = hlasy, .B = obalky});
}

bool Kontrola25(TDataKontrol &d, bool iBezZapisu, int a, qint64 *oSoucet)
{
    const TStranaHLRec &s = Strana(d, a);
    qint64 soucet = 0;
    for (int k = 1; k <= MaxKandidatu; ++k)
        soucet += s.HlasyKand[std::size_t(k)];
    if (oSoucet)
        *oSoucet = soucet;
    return Vysledek(d, soucet == s.PocHl, iBezZapisu, u"25", a, {.A = soucet, .B = s.PocHl});
}

bool Kontrola26(TDataKontrol &d, int a, int k)
{
    OverKandidata(k);
    const quint16 hlasy = Strana(d, a).HlasyKand[std::size_t(k)];
    return Vysledek(d, hlasy == 0, false, u"26", a, {.Kandidat = k, .A = hlasy});
}

bool Kontrola27(TDataKontrol &d, int a, int k)
{
    OverKandidata(k);
    const TStranaHLRec &s = Strana(d, a);
    const QString &platnost = d.Reference.Kandidati[std::size_t(a)][std::size_t(k)].Platnost;
    const bool plati = platnost == u"A" || (s.HlasyKand[std::size_t(k)] == 0 && platnost == u"N");
    return Vysledek(d, plati, false, u"27", a, {.Kandidat = k, .A = s.HlasyKand[std::size_t(k)]});
}

bool Kontrola28(TDataKontrol &d, bool iBezZapisu, int a, qint64 *oHodnota)
{
    const TStranaHLRec &s = Strana(d, a);
    const qint64 hodnota = qint64(s.PorStHL) + s.PocHl;
    if (oHodnota)
        *oHodnota = hodnota;
    return Vysledek(d, s.HLKC2 == hodnota, iBezZapisu, u"28", a, {.A = s.HLKC2, .B = hodnota});
}

bool Kontrola29(TDataKontrol &d, bool iBezZapisu, int a, int *oPosledni)
{
    const TStranaHLRec &s = Strana(d, a);
    int posledni = 0;
    for (int k = MaxKandidatu; k >= 1 && posledni == 0; --k) {
        if (s.HlasyKand[std::size_t(k)] > 0)
            posledni = k;
    }
    if (oPosledni)
        *oPosledni = posledni;
    return Vysledek(d, s.HLPoslKand == posledni, iBezZapisu, u"29", a,
                    {.A = s.HLPoslKand, .B = posledni});
}

bool Kontrola30(TDataKontrol &d, bool iBezZapisu, int a)
{
    const qint32 pocetKand =
        Cislo(d.Reference.SeznamStran[std::size_t(a)].PocetKand,
              QStringLiteral("počtu kandidátů strany %1 (PocetKand, STRANY.RCD)").arg(a));
    const quint16 posledni = Strana(d, a).HLPoslKand;
    return Vysledek(d, posledni <= pocetKand, iBezZapisu, u"30", a,
                    {.A = posledni, .B = pocetKand});
}

bool Kontrola60(TDataKontrol &d)
{
    int sHlasy = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i) {
        const TStranaHLRec &s = d.Vysledky.StranyHL[std::size_t(i)];
        sHlasy += s.PocHl > 0 || s.HLPoslKand > 0;
    }
    const bool plati = sHlasy == d.Vysledky.VetaT3.Poc_VS_HL;
    if (!plati) {
        d.ProtokolChyb.PridejChybu(0, 60, QString(),
                                   {.Chyba = 60, .A = sHlasy, .B = d.Vysledky.VetaT3.Poc_VS_HL});
        OznacChybu(d, u"60", SekceT3);
    }
    return plati;
}

namespace {

// 62, 63, 64: one rule over the header, the parties 1..n and the closing record.
template <typename Hodnota, typename Plati>
bool KontrolaVet(TDataKontrol &d, qint32 cislo, QStringView kod, const QString &paramT3,
                 const QString &paramTS, Hodnota hodnota, Plati plati)
{
    bool vse = true;
    auto zaznam = [&](quint16 h, qint32 strana, const QString &param, qint32 sekce) {
        if (plati(h))
            return;
        vse = false;
        d.ProtokolChyb.PridejChybu(strana, cislo, param,
                                   {.Chyba = cislo, .Strana = strana, .A = h});
        OznacChybu(d, kod, sekce);
    };
    zaznam(hodnota(d.Vysledky.VetaT3), 0, paramT3, SekceT3);
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        zaznam(hodnota(d.Vysledky.StranyHL[std::size_t(i)]), i, QString(), i);
    zaznam(hodnota(d.Vysledky.VetaTS), 0, paramTS, SekceTS);
    return vse;
}

} // namespace

bool Kontrola62(TDataKontrol &d)
{
    bool vse = true;
    const TVysledky &v = d.Vysledky;
    if (v.VetaT3.TypVety != 1) {
        vse = false;
        d.ProtokolChyb.PridejChybu(0, 62, QStringLiteral("(T3)"),
                                   {.Chyba = 62, .A = v.VetaT3.TypVety});
        OznacChybu(d, u"62", SekceT3);
    }
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i) {
        if (v.StranyHL[std::size_t(i)].TypVety != 2) {
            vse = false;
            d.ProtokolChyb.PridejChybu(
                i, 62, QString(),
                {.Chyba = 62, .Strana = i, .A = v.StranyHL[std::size_t(i)].TypVety});
            OznacChybu(d, u"62", i);
        }
    }
    if (v.VetaTS.TypVety != 3) {
        vse = false;
        d.ProtokolChyb.PridejChybu(0, 62, QStringLiteral("(TS)"),
                                   {.Chyba = 62, .A = v.VetaTS.TypVety});
        OznacChybu(d, u"62", SekceTS);
    }
    return vse;
}

bool Kontrola63(TDataKontrol &d)
{
    return KontrolaVet(
        d, 63, u"63", QString(), QString(), [](const auto &z) { return z.Oprava; },
        [](quint16 h) { return h == 0 || h == 1; });
}

bool Kontrola64(TDataKontrol &d)
{
    return KontrolaVet(
        d, 64, u"64", QString(), QString(), [](const auto &z) { return z.Chyba; },
        [](quint16 h) { return h == 0 || h == 1; });
}

bool Kontrola66(TDataKontrol &d)
{
    const TVysledky &v = d.Vysledky;
    qint64 soucet = qint64(v.VetaT3.T3KC_1) + v.VetaTS.T3KC_1;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += v.StranyHL[std::size_t(i)].T3KC_1;
    return Vysledek(d, double(soucet) == v.VetaTS.SoucetKC1, false, u"66", SekceTS,
                    {.A = soucet, .B = qint64(v.VetaTS.SoucetKC1)});
}

bool Kontrola67(TDataKontrol &d)
{
    const TVysledky &v = d.Vysledky;
    qint64 soucet = v.VetaT3.T3KC_2;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += v.StranyHL[std::size_t(i)].HLKC2;
    return Vysledek(d, double(soucet) == v.VetaTS.SoucetKC2, false, u"67", SekceTS,
                    {.A = soucet, .B = qint64(v.VetaTS.SoucetKC2)});
}

bool Kontrola68(TDataKontrol &d)
{
    const TVysledky &v = d.Vysledky;
    qint64 soucet = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += v.StranyHL[std::size_t(i)].HLKS;
    return Vysledek(d, double(soucet) == v.VetaTS.SoucetKS, false, u"68", SekceTS,
                    {.A = soucet, .B = qint64(v.VetaTS.SoucetKS)});
}

bool Kontrola74(TDataKontrol &d)
{
    const quint16 zpusob = d.Vysledky.VetaTS.ZpusobPorizeni;
    const bool plati = zpusob == 0 || zpusob == 1 || zpusob == 9;
    if (!plati) {
        d.ProtokolChyb.PridejChybu(0, 74, QString(), {.Chyba = 74, .A = zpusob});
        OznacChybu(d, u"74", SekceTS);
    }
    return plati;
}

bool Kontrola91(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.ZapsOsoby == 0 || h.ZapsOsoby != h.VydObalky, false, u"91", SekceT3,
                    {.A = h.VydObalky, .B = h.ZapsOsoby});
}

bool Kontrola92(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    // The percentages are compared in integers, so that a ratio exactly at the bar
    // is judged exactly.
    const bool plati = h.VydObalky == 0 || h.OdevzdObalky == 0 ||
                       qint64(h.OdevzdObalky) * 100 > qint64(h.VydObalky) * 80 ||
                       qint32(h.VydObalky) - qint32(h.OdevzdObalky) <= 10;
    return Vysledek(d, plati, false, u"92", SekceT3, {.A = h.OdevzdObalky, .B = h.VydObalky});
}

bool Kontrola93(TDataKontrol &d)
{
    const qint32 z = d.Vysledky.VetaT3.ZapsOsoby;
    return Vysledek(d, z < 2000, false, u"93", SekceT3, {.A = z});
}

bool Kontrola94(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const bool plati = h.ZapsOsoby <= 0 || h.VydObalky == 0 ||
                       qint64(h.VydObalky) * 100 >= qint64(h.ZapsOsoby) * 10 || h.VydObalky > 150;
    return Vysledek(d, plati, false, u"94", SekceT3, {.A = h.VydObalky, .B = h.ZapsOsoby});
}

bool Kontrola95(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    if (h.OdevzdObalky == 0)
        return true;
    const qint32 m = PocetMandatu(d);
    const qint32 kandidatu = d.Reference.PocetPlatnychKand;
    if (kandidatu == 0) {
        throw EChyba(
            QStringLiteral("Kontrolu 95 nelze provést: zastupitelstvo nemá v souboru KANDIDAT.RCD "
                           "žádného platného kandidáta, ale obálky byly odevzdány."));
    }
    // m·O·60 < PH·100·f with f = max(1, 2m / P), multiplied by P: exact in integers.
    const qint64 levaStrana = qint64(m) * h.OdevzdObalky * 60 * kandidatu;
    const qint64 pravaStrana = qint64(h.PlatneHlasy) * 100 * qMax(2 * qint64(m), qint64(kandidatu));
    const bool plati = levaStrana < pravaStrana;
    return Vysledek(d, plati, false, u"95", SekceT3,
                    {.A = h.PlatneHlasy, .B = m, .C = h.OdevzdObalky, .D = kandidatu});
}

bool Kontrola96(TDataKontrol &d, qint32 *oR)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const qint32 r = ZapsOsobyRef(d.Adresare, QString::number(h.Obec), h.Okrsek);
    if (oR)
        *oR = r;
    bool plati = h.ZapsOsoby <= 0 || r == 0;
    if (!plati) {
        const qint64 rozdil = qint64(h.ZapsOsoby) - r;
        // p = ZapsOsoby / R · 100 rounded half to even, in integers.
        const qint64 citatel = qint64(h.ZapsOsoby) * 100;
        qint64 p = citatel / r;
        const qint64 zbytek2 = 2 * (citatel % r);
        if (zbytek2 > r || (zbytek2 == r && p % 2 != 0))
            ++p;
        plati = (rozdil >= -9 && rozdil <= 14) || (p >= 84 && p <= 120);
    }
    return Vysledek(d, plati, false, u"96", SekceT3, {.A = h.ZapsOsoby, .B = r});
}

bool Kontrola97(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const bool plati = h.ZapsOsoby <= 0 || h.VydObalky == 0 ||
                       qint64(h.VydObalky) * 100 <= qint64(h.ZapsOsoby) * 90;
    return Vysledek(d, plati, false, u"97", SekceT3, {.A = h.VydObalky, .B = h.ZapsOsoby});
}
