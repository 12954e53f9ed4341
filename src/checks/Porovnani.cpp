#include "Porovnani.h"

#include "Cisla.h"
#include "Denik.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "Hlasovani.h"
#include "KontrolniPorizeni.h"
#include "UlozeniVysledku.h"
#include "Zamek.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The counts of section II that the commission types.
struct TPoleII
{
    const char *Nazev;
    const char16_t *Popis;
    qint64 (*Cti)(const TOkrsekRec &);
    void (*Zapis)(TOkrsekRec &, qint64);
};

const TPoleII PoleII[] = {
    {"ZapsOsoby", u"Počet osob zapsaných do výpisu ze seznamu voličů",
     [](const TOkrsekRec &h) -> qint64 { return h.ZapsOsoby; },
     [](TOkrsekRec &h, qint64 x) { h.ZapsOsoby = qint32(x); }},
    {"VydObalky", u"Počet voličů, kterým byly vydány úřední obálky",
     [](const TOkrsekRec &h) -> qint64 { return h.VydObalky; },
     [](TOkrsekRec &h, qint64 x) { h.VydObalky = quint16(x); }},
    {"OdevzdObalky", u"Počet odevzdaných úředních obálek",
     [](const TOkrsekRec &h) -> qint64 { return h.OdevzdObalky; },
     [](TOkrsekRec &h, qint64 x) { h.OdevzdObalky = quint16(x); }},
    {"PlatneHlasy", u"Počet platných hlasů",
     [](const TOkrsekRec &h) -> qint64 { return h.PlatneHlasy; },
     [](TOkrsekRec &h, qint64 x) { h.PlatneHlasy = qint32(x); }},
};

int PocetKandidatu(const TReference &ref, int k)
{
    return qBound(0, int(CisloNeboNula(ref.SeznamStran[std::size_t(k)].PocetKand)),
                  int(MaxKandidatu));
}

} // namespace

QList<TRozdil> PorovnejPorizeni(const TVysledky &prvni, const TVysledky &kontrolni,
                                const TReference &ref)
{
    QList<TRozdil> rozdily;
    for (int p = 0; p < int(std::size(PoleII)); ++p) {
        const TPoleII &pole = PoleII[p];
        const qint64 a = pole.Cti(prvni.VetaT3);
        const qint64 b = pole.Cti(kontrolni.VetaT3);
        if (a == b)
            continue;
        TRozdil r;
        r.PoleII = p;
        r.Pole = u"VetaT3."_s + QLatin1StringView(pole.Nazev);
        r.Popis = QString::fromUtf16(pole.Popis);
        r.Prvni = a;
        r.Kontrolni = b;
        rozdily.append(r);
    }
    const int pocetStran = qBound(0, int(ref.PocetStranSeznamu), MaxStran);
    for (int k = 1; k <= pocetStran; ++k) {
        const TStranaHLRec &a = prvni.StranyHL[std::size_t(k)];
        const TStranaHLRec &b = kontrolni.StranyHL[std::size_t(k)];
        for (int i = 1; i <= PocetKandidatu(ref, k); ++i) {
            if (a.HlasyKand[std::size_t(i)] == b.HlasyKand[std::size_t(i)])
                continue;
            const TKandidatRec &kand = ref.Kandidati[std::size_t(k)][std::size_t(i)];
            TRozdil r;
            r.Stranka = i <= KandidatuNaPrvniStrance ? 3 : 4;
            r.Strana = k;
            r.ZkratkaStrany = ref.SeznamStran[std::size_t(k)].NazevZkr;
            r.Kandidat = i;
            r.JmenoKandidata = (kand.Jmeno + u' ' + kand.Prijmeni).trimmed();
            r.Pole = u"StranyHL[%1].HlasyKand[%2]"_s.arg(k).arg(i);
            r.Popis = u"Hlasy kandidáta"_s;
            r.Prvni = a.HlasyKand[std::size_t(i)];
            r.Kontrolni = b.HlasyKand[std::size_t(i)];
            rozdily.append(r);
        }
    }
    return rozdily;
}

namespace {

// The stored value of the difference's field in `v`.
qint64 HodnotaRozdilu(const TVysledky &v, const TRozdil &r)
{
    if (r.Strana == 0)
        return PoleII[r.PoleII].Cti(v.VetaT3);
    return v.StranyHL[std::size_t(r.Strana)].HlasyKand[std::size_t(r.Kandidat)];
}

std::unique_ptr<TVysledky> NactiPrvni(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    auto v = std::make_unique<TVysledky>();
    if (NactiAktualniOkrsek(adr, klic, *v).isEmpty()) {
        throw EChyba(u"Pro okrsek %1 obce %2 (typ zastupitelstva %3) nejsou pořízena data."_s
                         .arg(klic.CisloOkrsku)
                         .arg(klic.KodObce, klic.TypZastup));
    }
    return v;
}

} // namespace

QList<TRozdil> PorovnejSUlozenymi(const TAdresare &adr, const TOkrsekRefRec &klic,
                                  const TReference &ref, const TVysledky &kontrolni)
{
    return PorovnejPorizeni(*NactiPrvni(adr, klic), kontrolni, ref);
}

void UzavriShodu(const TAdresare &adr, const TOkrsekRefRec &klic)
{
    const TZamek zamek(adr.AdrStanice);
    Denik::Zapis(adr.AdrStanice,
                 u"kontrolní pořízení: typ zastupitelstva %1 souhlasí s pořízenými daty"_s.arg(
                     klic.TypZastup));
    KontrolniPorizeni::Smaz(adr, klic, u"shoda s pořízenými daty"_s);
}

void PrevezmiZvolene(TVysledky &v, const QList<TRozdil> &rozdily)
{
    for (const TRozdil &r : rozdily) {
        if (!r.Zvoleno)
            throw EChyba(u"Hodnota pole %1 není rozhodnuta; výsledky se nezapíší."_s.arg(r.Pole));
        if (r.Strana == 0)
            PoleII[r.PoleII].Zapis(v.VetaT3, *r.Zvoleno);
        else
            v.StranyHL[std::size_t(r.Strana)].HlasyKand[std::size_t(r.Kandidat)] =
                quint16(*r.Zvoleno);
    }
}

void ZapisRozhodnuti(const TAdresare &adr, const TOkrsekRefRec &klic, const TReference &ref,
                     TStaniceRec &stanice, bool dvaTypy, const QList<TRozdil> &rozdily)
{
    const TZamek zamek(adr.AdrStanice);
    const auto v = NactiPrvni(adr, klic);
    for (const TRozdil &r : rozdily) {
        if (HodnotaRozdilu(*v, r) != r.Prvni) {
            throw EChyba(
                u"Uložená data se od porovnání změnila (pole %1); porovnejte znovu."_s.arg(r.Pole));
        }
    }
    PrevezmiZvolene(*v, rozdily);
    DopoctiOkrsek(*v, ref, stanice);
    UlozPorizeni(adr, {{klic, v.get()}}, stanice, dvaTypy, nullptr, nullptr);
    for (const TRozdil &r : rozdily) {
        Denik::Zapis(
            adr.AdrStanice,
            u"kontrolní pořízení: typ zastupitelstva %1, zapsáno %2=%3 (první %4, "
            u"kontrolní %5), %6"_s.arg(klic.TypZastup, r.Pole)
                .arg(*r.Zvoleno)
                .arg(r.Prvni)
                .arg(r.Kontrolni)
                .arg(r.PotvrzenoZapisem ? u"potvrzeno opakovaným zápisem"_s : u"zvoleno"_s));
    }
    KontrolniPorizeni::Smaz(adr, klic, u"rozdíly rozhodnuty"_s);
}
