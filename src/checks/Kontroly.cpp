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

// The common ending of every check: mark unless only answering.
bool Vysledek(TDataKontrol &d, bool plati, bool iBezZapisu, QStringView kod, qint32 sekce)
{
    if (!plati && !iBezZapisu)
        OznacChybu(d, kod, sekce);
    return plati;
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
    return Vysledek(d, h.T3KC_1 == kc1, iBezZapisu, u"04", SekceT3);
}

bool Kontrola05(TDataKontrol &d, bool iBezZapisu)
{
    const bool plati = NajdiKlic(d, QString::number(d.Vysledky.VetaT3.TypZastup).left(1));
    return Vysledek(d, plati, iBezZapisu, u"05", SekceT3);
}

bool Kontrola06(TDataKontrol &d, bool iBezZapisu)
{
    return Vysledek(d, d.Vysledky.VetaT3.ZapsOsoby > 0, iBezZapisu, u"06", SekceT3);
}

bool Kontrola07(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.ZapsOsoby <= 0 || h.VydObalky > 0, iBezZapisu, u"07", SekceT3);
}

bool Kontrola08(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.VydObalky <= h.ZapsOsoby, iBezZapisu, u"08", SekceT3);
}

bool Kontrola09(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.VydObalky == 0 || h.OdevzdObalky > 0, iBezZapisu, u"09", SekceT3);
}

bool Kontrola10(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.OdevzdObalky <= h.VydObalky, iBezZapisu, u"10", SekceT3);
}

bool Kontrola11(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.OdevzdObalky == 0 || h.PlatneHlasy > 0, iBezZapisu, u"11", SekceT3);
}

bool Kontrola12(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    // 64 bits: a product of 32-bit values must not wrap.
    const bool plati = qint64(h.PlatneHlasy) <= qint64(PocetMandatu(d)) * h.OdevzdObalky;
    return Vysledek(d, plati, iBezZapisu, u"12", SekceT3);
}

bool Kontrola13(TDataKontrol &d, bool iBezZapisu)
{
    return Vysledek(d, d.Vysledky.VetaT3.Pocet_VS == PocetStranZast(d), iBezZapisu, u"13", SekceT3);
}

bool Kontrola14(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.Poc_VS_HL <= h.Pocet_VS, iBezZapisu, u"14", SekceT3);
}

bool Kontrola15(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.PlatneHlasy <= 0 || h.Poc_VS_HL > 0, iBezZapisu, u"15", SekceT3);
}

bool Kontrola16(TDataKontrol &d, bool iBezZapisu)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.Poc_VS_HL == 0 || h.PlatneHlasy > 0, iBezZapisu, u"16", SekceT3);
}

bool Kontrola17(TDataKontrol &d, bool iBezZapisu)
{
    const bool plati =
        d.Vysledky.VetaT3.CObvodu ==
        Cislo(d.AktOkrsek.CObvodu, QStringLiteral("čísle obvodu okrsku (CObvodu, OKRSKY.RCD)"));
    return Vysledek(d, plati, iBezZapisu, u"17", SekceT3);
}

bool Kontrola18(TDataKontrol &d, bool iBezZapisu, qint64 *oSoucet)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const qint64 soucet = qint64(h.TypZastup) + h.ZapsOsoby + h.VydObalky + h.OdevzdObalky +
                          h.PlatneHlasy + h.Pocet_VS + h.Poc_VS_HL;
    if (oSoucet)
        *oSoucet = soucet;
    return Vysledek(d, h.T3KC_2 == soucet, iBezZapisu, u"18", SekceT3);
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
    return Vysledek(d, Strana(d, a).PorStHL <= PocetStranZast(d), iBezZapisu, u"20", a);
}

bool Kontrola21(TDataKontrol &d, bool iBezZapisu, int a)
{
    return Vysledek(d, Strana(d, a).PocHl <= d.Vysledky.VetaT3.PlatneHlasy, iBezZapisu, u"21", a);
}

bool Kontrola22(TDataKontrol &d, bool iBezZapisu)
{
    qint64 soucet = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += d.Vysledky.StranyHL[std::size_t(i)].PocHl;
    return Vysledek(d, soucet == d.Vysledky.VetaT3.PlatneHlasy, iBezZapisu, u"22", SekceT3);
}

bool Kontrola22KC(TDataKontrol &d, bool iBezZapisu)
{
    qint64 soucet = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += qint64(d.Vysledky.StranyHL[std::size_t(i)].HLKC2) - i;
    return Vysledek(d, soucet == d.Vysledky.VetaT3.PlatneHlasy, iBezZapisu, u"22", SekceT3);
}

bool Kontrola23(TDataKontrol &d, bool iBezZapisu, int a, int k)
{
    OverKandidata(k);
    const TStranaHLRec &s = Strana(d, a);
    return Vysledek(d, s.HlasyKand[std::size_t(k)] <= s.PocHl, iBezZapisu, u"23", a);
}

bool Kontrola24(TDataKontrol &d, bool iBezZapisu, int a, int k)
{
    OverKandidata(k);
    const bool plati = Strana(d, a).HlasyKand[std::size_t(k)] <= d.Vysledky.VetaT3.OdevzdObalky;
    return Vysledek(d, plati, iBezZapisu, u"24", a);
}

bool Kontrola25(TDataKontrol &d, bool iBezZapisu, int a, qint64 *oSoucet)
{
    const TStranaHLRec &s = Strana(d, a);
    qint64 soucet = 0;
    for (int k = 1; k <= MaxKandidatu; ++k)
        soucet += s.HlasyKand[std::size_t(k)];
    if (oSoucet)
        *oSoucet = soucet;
    return Vysledek(d, soucet == s.PocHl, iBezZapisu, u"25", a);
}

bool Kontrola26(TDataKontrol &d, int a, int k)
{
    OverKandidata(k);
    return Vysledek(d, Strana(d, a).HlasyKand[std::size_t(k)] == 0, false, u"26", a);
}

bool Kontrola27(TDataKontrol &d, int a, int k)
{
    OverKandidata(k);
    const TStranaHLRec &s = Strana(d, a);
    const QString &platnost = d.Reference.Kandidati[std::size_t(a)][std::size_t(k)].Platnost;
    const bool plati = platnost == u"A" || (s.HlasyKand[std::size_t(k)] == 0 && platnost == u"N");
    return Vysledek(d, plati, false, u"27", a);
}

bool Kontrola28(TDataKontrol &d, bool iBezZapisu, int a, qint64 *oHodnota)
{
    const TStranaHLRec &s = Strana(d, a);
    const qint64 hodnota = qint64(s.PorStHL) + s.PocHl;
    if (oHodnota)
        *oHodnota = hodnota;
    return Vysledek(d, s.HLKC2 == hodnota, iBezZapisu, u"28", a);
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
    return Vysledek(d, s.HLPoslKand == posledni, iBezZapisu, u"29", a);
}

bool Kontrola30(TDataKontrol &d, bool iBezZapisu, int a)
{
    const qint32 pocetKand =
        Cislo(d.Reference.SeznamStran[std::size_t(a)].PocetKand,
              QStringLiteral("počtu kandidátů strany %1 (PocetKand, STRANY.RCD)").arg(a));
    return Vysledek(d, Strana(d, a).HLPoslKand <= pocetKand, iBezZapisu, u"30", a);
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
        d.ProtokolChyb.PridejChybu(0, 60, QString());
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
        d.ProtokolChyb.PridejChybu(strana, cislo, param);
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
        d.ProtokolChyb.PridejChybu(0, 62, QStringLiteral("(T3)"));
        OznacChybu(d, u"62", SekceT3);
    }
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i) {
        if (v.StranyHL[std::size_t(i)].TypVety != 2) {
            vse = false;
            d.ProtokolChyb.PridejChybu(i, 62, QString());
            OznacChybu(d, u"62", i);
        }
    }
    if (v.VetaTS.TypVety != 3) {
        vse = false;
        d.ProtokolChyb.PridejChybu(0, 62, QStringLiteral("(TS)"));
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
    return Vysledek(d, double(soucet) == v.VetaTS.SoucetKC1, false, u"66", SekceTS);
}

bool Kontrola67(TDataKontrol &d)
{
    const TVysledky &v = d.Vysledky;
    qint64 soucet = v.VetaT3.T3KC_2;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += v.StranyHL[std::size_t(i)].HLKC2;
    return Vysledek(d, double(soucet) == v.VetaTS.SoucetKC2, false, u"67", SekceTS);
}

bool Kontrola68(TDataKontrol &d)
{
    const TVysledky &v = d.Vysledky;
    qint64 soucet = 0;
    const int n = PocetStran(d);
    for (int i = 1; i <= n; ++i)
        soucet += v.StranyHL[std::size_t(i)].HLKS;
    return Vysledek(d, double(soucet) == v.VetaTS.SoucetKS, false, u"68", SekceTS);
}

bool Kontrola74(TDataKontrol &d)
{
    const quint16 zpusob = d.Vysledky.VetaTS.ZpusobPorizeni;
    const bool plati = zpusob == 0 || zpusob == 1 || zpusob == 9;
    if (!plati) {
        d.ProtokolChyb.PridejChybu(0, 74, QString());
        OznacChybu(d, u"74", SekceTS);
    }
    return plati;
}

bool Kontrola91(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    return Vysledek(d, h.ZapsOsoby == 0 || h.ZapsOsoby != h.VydObalky, false, u"91", SekceT3);
}

bool Kontrola92(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    // The percentages are compared in integers, so that a ratio exactly at the bar
    // is judged exactly.
    const bool plati = h.VydObalky == 0 || h.OdevzdObalky == 0 ||
                       qint64(h.OdevzdObalky) * 100 > qint64(h.VydObalky) * 80 ||
                       qint32(h.VydObalky) - qint32(h.OdevzdObalky) <= 10;
    return Vysledek(d, plati, false, u"92", SekceT3);
}

bool Kontrola93(TDataKontrol &d)
{
    return Vysledek(d, d.Vysledky.VetaT3.ZapsOsoby < 2000, false, u"93", SekceT3);
}

bool Kontrola94(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const bool plati = h.ZapsOsoby <= 0 || h.VydObalky == 0 ||
                       qint64(h.VydObalky) * 100 >= qint64(h.ZapsOsoby) * 10 || h.VydObalky > 150;
    return Vysledek(d, plati, false, u"94", SekceT3);
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
    return Vysledek(d, plati, false, u"95", SekceT3);
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
    return Vysledek(d, plati, false, u"96", SekceT3);
}

bool Kontrola97(TDataKontrol &d)
{
    const TOkrsekRec &h = d.Vysledky.VetaT3;
    const bool plati = h.ZapsOsoby <= 0 || h.VydObalky == 0 ||
                       qint64(h.VydObalky) * 100 <= qint64(h.ZapsOsoby) * 90;
    return Vysledek(d, plati, false, u"97", SekceT3);
}
