#include "PravidlaVstupu.h"

#include "Cisla.h"
#include "Denik.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "KontrolniBeh.h"
#include "Soubory.h"
#include "Stanice.h"
#include "UlozeniVysledku.h"

using namespace Qt::StringLiterals;

namespace {

const QString TitulekVstupu = u"Vstup dat za okrsek"_s;
const QString TitulekKontroly = u"Kontrolní pořízení"_s;

} // namespace

TPravidlaVstupu::TPravidlaVstupu(TStavProgramu &b) : m_b(b), m_rezim(TRezimVstupu::Vytvor(false)) {}

void TPravidlaVstupu::NastavRezim(bool kontrolni)
{
    m_rezim = TRezimVstupu::Vytvor(kontrolni);
    m_rozdily.clear();
}

// ---- Loading ---------------------------------------------------------------------

void TPravidlaVstupu::Nacti()
{
    TVysledky &v = m_b.Vysledky;
    TOkrsekRefRec &okr = m_b.AktOkrsek;
    VynulujOkrsek(v);
    if (!NajdiOkrsek(m_b.Adresare, okr)) {
        throw EChyba(u"Okrsek %1 obce %2 (typ zastupitelstva %3) není v souboru OKRSKY.RCD."_s
                         .arg(okr.CisloOkrsku)
                         .arg(okr.KodObce, okr.TypZastup));
    }
    NactiStrany(m_b.Adresare, okr, m_b.Reference);
    m_polozky.clear();
    m_porStrCB.fill(0);
    for (int k = 1; k <= PocetStran(); ++k) {
        const TStranaRec &s = m_b.Reference.SeznamStran[std::size_t(k)];
        m_polozky.append((s.PorCislo.mid(1, 2) + u": "_s + s.NazevZkr).left(35));
        m_porStrCB[std::size_t(k - 1)] = CisloNeboNula(s.PorCislo);
    }
    NactiKandidaty(m_b.Adresare, okr, m_b.Reference);
    // A damaged file stops the opening here: nothing is saved over it.
    m_rezim->NactiVysledky(m_b);

    // A station without HLASO.RCD yet starts with empty sections I and III.
    if (Soubory::Existuje(m_b.Adresare.AdrData, u"HLASO.RCD"_s))
        m_b.Hlasovani = NactiHlasovani(m_b.Adresare.AdrData);
    else
        m_b.Hlasovani = THlasovaniRec();
    m_b.Komise.clear();
    if (PocetClenuP() >= 2 && Soubory::Existuje(m_b.Adresare.AdrData, u"KOMISE.RCD"_s))
        m_b.Komise = NactiKomisi(m_b.Adresare.AdrData);
    VyplnIdentifikaci(v.VetaT3, okr);
    ProcDopoctiKC();
    NormalizujHlasovani(m_b.Hlasovani);
}

int TPravidlaVstupu::PocetStran() const
{
    return qBound(0, int(m_b.Reference.PocetStranSeznamu), int(MaxStran));
}

int TPravidlaVstupu::StranaPolozky(int polozka) const
{
    return polozka >= 0 && polozka < m_polozky.size() ? m_porStrCB[std::size_t(polozka)] : 0;
}

TStojiciStrana TPravidlaVstupu::StojiciOd(int polozka) const
{
    const QList<int> strany(m_porStrCB.begin(), m_porStrCB.begin() + m_polozky.size());
    return PrvniStojici(m_b.Reference, strany, m_polozky, polozka);
}

// ---- The party on display --------------------------------------------------------

void TPravidlaVstupu::ZobrazStranu(int k)
{
    m_strana = qBound(0, k, int(MaxStran));
    const TStranaRec &strana = m_b.Reference.SeznamStran[std::size_t(m_strana)];
    m_pocetKandStrany = qBound(0, int(CisloNeboNula(strana.PocetKand)), int(MaxKandidatu));
    m_poslPlatnyKand = 0;
    for (int i = 1; i <= m_pocetKandStrany; ++i) {
        if (Stoji(i))
            m_poslPlatnyKand = i;
    }
}

bool TPravidlaVstupu::Stoji(int i) const
{
    return i >= 1 && i <= m_pocetKandStrany &&
           m_b.Reference.Kandidati[std::size_t(m_strana)][std::size_t(i)].Platnost == u"A";
}

QString TPravidlaVstupu::JmenoKandidata(int i) const
{
    const TKandidatRec &c = m_b.Reference.Kandidati[std::size_t(m_strana)][std::size_t(i)];
    return (c.Jmeno.left(1) + u". "_s + c.Prijmeni).left(72);
}

int TPravidlaVstupu::DalsiPlatnyKand(int i) const
{
    for (int j = i + 1; j <= m_pocetKandStrany; ++j) {
        if (Stoji(j))
            return j;
    }
    return 0;
}

int TPravidlaVstupu::NejblizsiKandidat(int i) const
{
    for (int vzdalenost = 0; vzdalenost < MaxKandidatu; ++vzdalenost) {
        for (const int j : {i + vzdalenost, i - vzdalenost}) {
            if (Stoji(j))
                return j;
        }
    }
    return 0;
}

// ---- Exit rules ------------------------------------------------------------------

QString TPravidlaVstupu::PrevezmiPocet(TPoleDat::TDruh pole, const QString &text)
{
    using TDruh = TPoleDat::TDruh;
    TOkrsekRec &h = m_b.Vysledky.VetaT3;
    const qint64 hodnota = text.toLongLong();
    switch (pole) {
    case TDruh::ZapsOsoby:
        h.ZapsOsoby = qint32(hodnota);
        return QString::number(h.ZapsOsoby);
    case TDruh::VydObalky:
        h.VydObalky = quint16(hodnota);
        return QString::number(h.VydObalky);
    case TDruh::OdevzdObalky:
        h.OdevzdObalky = quint16(hodnota);
        return QString::number(h.OdevzdObalky);
    default:
        h.PlatneHlasy = qint32(hodnota);
        return QString::number(h.PlatneHlasy);
    }
}

std::optional<THlaseni> TPravidlaVstupu::KontrolaPoctu(TPoleDat::TDruh pole)
{
    using TDruh = TPoleDat::TDruh;
    TDataKontrol d = m_b.Data();
    // Warnings are asked on a scratch state: nothing is marked while typing.
    TKontrolniStav zadny;
    TDataKontrol dv{d.Adresare, d.AktOkrsek, d.Reference, d.Vysledky, zadny, d.ProtokolChyb};
    const QString seznam = m_b.Vysledky.VetaTS.SeznamChyb;
    auto varovani = [&](bool (*kontrola)(TDataKontrol &)) {
        const bool plati = kontrola(dv);
        m_b.Vysledky.VetaTS.SeznamChyb = seznam;
        return plati;
    };
    std::optional<THlaseni> hlaseni;
    auto chyba = [&](int cislo, bool plati) {
        if (!plati)
            hlaseni = THlaseni{cislo, {}, false, true};
        return plati;
    };
    auto upozorneni = [&](int cislo, bool plati, const QString &param = QString()) {
        if (!plati) {
            m_b.Stav.Posledni = zadny.Posledni; // the values the warning compared
            hlaseni = THlaseni{cislo, param, true, false};
        }
        return plati;
    };
    switch (pole) {
    case TDruh::ZapsOsoby: {
        if (!chyba(6, Kontrola06(d, true)))
            break;
        qint32 ref = 0;
        const bool plati96 = Kontrola96(dv, &ref);
        m_b.Vysledky.VetaTS.SeznamChyb = seznam;
        if (upozorneni(96, plati96, QString::number(ref)) && ref == 0)
            upozorneni(93, varovani(&Kontrola93));
        break;
    }
    case TDruh::VydObalky:
        chyba(7, Kontrola07(d, true)) && chyba(8, Kontrola08(d, true)) &&
            upozorneni(91, varovani(&Kontrola91)) && upozorneni(97, varovani(&Kontrola97)) &&
            upozorneni(94, varovani(&Kontrola94));
        break;
    case TDruh::OdevzdObalky:
        chyba(9, Kontrola09(d, true)) && chyba(10, Kontrola10(d, true)) &&
            upozorneni(92, varovani(&Kontrola92));
        break;
    default:
        chyba(11, Kontrola11(d, true)) && chyba(12, Kontrola12(d, true));
        break;
    }
    return hlaseni;
}

QString TPravidlaVstupu::PrevezmiHlas(int k, int i, const QString &text)
{
    if (k < 1 || k > MaxStran)
        return text;
    quint16 &hlasy = m_b.Vysledky.StranyHL[std::size_t(k)].HlasyKand[std::size_t(i)];
    hlasy = quint16(text.toLongLong());
    return QString::number(hlasy);
}

std::optional<THlaseni> TPravidlaVstupu::KontrolaHlasu(int k, int i, bool konecListku)
{
    TDataKontrol d = m_b.Data();
    if (!Kontrola23(d, true, k, i))
        return THlaseni{23, {}, false, false, false, k};
    if (!Kontrola24(d, true, k, i))
        return THlaseni{24, {}, false, false, false, k};
    if (konecListku)
        return KontrolaKonceListku();
    return std::nullopt;
}

std::optional<THlaseni> TPravidlaVstupu::KontrolaKonceListku()
{
    TDataKontrol d = m_b.Data();
    if (!Kontrola22(d, true))
        return THlaseni{22, {}, false, false, true};
    return std::nullopt;
}

void TPravidlaVstupu::PrevezmiHlasovani(QString THlasovaniRec::*polozka, const QString &text,
                                        bool nulaPrazdna)
{
    // An hour or minute of 0 is stored empty.
    m_b.Hlasovani.*polozka = nulaPrazdna && text.trimmed() == u"0" ? QString() : text;
}

void TPravidlaVstupu::NastavVolbu(QString THlasovaniRec::*polozka, bool ano)
{
    m_b.Hlasovani.*polozka = ano ? u"B"_s : u"N"_s;
}

int TPravidlaVstupu::PocetClenuP() const
{
    return CisloNeboNula(m_b.Hlasovani.ClenuOVKP);
}

// ---- Sums ------------------------------------------------------------------------

void TPravidlaVstupu::ProcDopoctiHL(int k)
{
    if (k < 1 || k > MaxStran)
        return;
    ::ProcDopoctiHL(m_b.Vysledky, k,
                    int(CisloNeboNula(m_b.Reference.SeznamStran[std::size_t(k)].PocetKand)),
                    PocetStran());
    ProcDopoctiKC();
}

void TPravidlaVstupu::ProcDopoctiKC()
{
    ::ProcDopoctiKC(m_b.Vysledky.VetaT3);
}

void TPravidlaVstupu::ObnovIdentifikaciStrany(int k)
{
    if (k >= 1 && k <= MaxStran)
        VyplnIdentifikaciStrany(m_b.Vysledky.StranyHL[std::size_t(k)], m_b.Vysledky.VetaT3, k);
}

// ---- Saving ----------------------------------------------------------------------

void TPravidlaVstupu::UlozZaznamy(const QStringList &jmena, bool sDenikem)
{
    for (int k = 1; k <= PocetStran(); ++k)
        ProcDopoctiHL(m_porStrCB[std::size_t(k - 1)]);
    ProcDopoctiTS(m_b.Vysledky, PocetStran(), m_b.Stanice);
    m_rezim->Uloz(*this, jmena, sDenikem);
}

QStringList TPravidlaVstupu::SouboryUlozeni() const
{
    return m_rezim->SouboryUlozeni(m_b);
}

void TPravidlaVstupu::UlozitSKontrolou(const std::function<void()> &exportTisk)
{
    m_b.Vybrano = 5;
    Kontroly(m_b);
    for (int k = 1; k <= PocetStran(); ++k)
        ProcDopoctiHL(m_porStrCB[std::size_t(k - 1)]);
    ProcDopoctiTS(m_b.Vysledky, PocetStran(), m_b.Stanice);
    m_b.Vybrano = 2;
    const QString prefix = m_b.KontrolyOK ? u"O"_s : u"E"_s;
    UlozVysledkyTypu(m_b.Adresare, m_b.AktOkrsek, prefix, m_b.Vysledky, m_b.Stanice, DvaTypy);
    if (!m_b.KontrolyOK)
        return;
    const QString otazka =
        m_b.ExportOK ? u"Chcete pokračovat exportem dat a tiskem zápisu?"_s
                     : u"Data obsahují propustitelné chyby.\n\nChcete pokračovat tiskem zápisu?"_s;
    if (m_b.Dotaznik().Otazka(TitulekVstupu, otazka) && exportTisk) {
        m_b.Vybrano = 4;
        exportTisk();
        m_b.Vybrano = 2;
    }
}

void TPravidlaVstupu::ZalohujStranku()
{
    if (m_zalohaStranky.Prazdna())
        m_zalohaStranky.Pridej(SouboryUlozeni());
}

void TPravidlaVstupu::VratStranku()
{
    if (m_zalohaStranky.Prazdna())
        return;
    m_zalohaStranky.Obnov();
    m_rezim->PoObnoveni(m_b);
    Denik::Zapis(m_b.Adresare.AdrStanice,
                 u"pořizování ukončeno bez uložení: průběžně uložené změny záložky vráceny"_s);
}

QString TPravidlaVstupu::PopisPrilisVelke(const EPrilisVelkaHodnota &e) const
{
    const TVysledky &v = m_b.Vysledky;
    QString kde;
    if (e.Zaznam == u"StranyHL" && e.Strana >= 1 && e.Strana <= MaxStran) {
        // The party's votes: name the candidate with the most, the likeliest typo.
        const TStranaHLRec &s = v.StranyHL[std::size_t(e.Strana)];
        int kandidat = 1;
        for (int i = 2; i <= MaxKandidatu; ++i) {
            if (s.HlasyKand[std::size_t(i)] > s.HlasyKand[std::size_t(kandidat)])
                kandidat = i;
        }
        QString strana;
        for (int k = 1; k <= m_polozky.size(); ++k) {
            if (m_porStrCB[std::size_t(k - 1)] == e.Strana)
                strana = m_polozky[k - 1];
        }
        kde = u"hlasy kandidátů volební strany %1 na záložce „HL“ (součet %2 hlasů; nejvíce má "
              u"kandidát "
              u"č. %3: %4)"_s.arg(strana.isEmpty() ? QString::number(e.Strana) : strana)
                  .arg(s.PocHl)
                  .arg(kandidat)
                  .arg(s.HlasyKand[std::size_t(kandidat)]);
    } else {
        const TOkrsekRec &h = v.VetaT3;
        kde = u"počty na záložce „T/3 - odd. II“: osoby zapsané do výpisu ze seznamu voličů %1, "
              u"vydané "
              u"úřední obálky %2, odevzdané úřední obálky %3, platné hlasy %4"_s.arg(h.ZapsOsoby)
                  .arg(h.VydObalky)
                  .arg(h.OdevzdObalky)
                  .arg(h.PlatneHlasy);
    }
    return u"Výsledky okrsku nelze uložit: z napsaných hodnot vychází kontrolní číslo %1, které se "
           u"do "
           u"souboru výsledků nevejde.\nOpravte prosím %2.\n\nOddíly I a III zápisu a jména členů "
           u"komise "
           u"byly uloženy; ostatní hodnoty zůstávají v okně a uloží se, až budou opraveny."_s
               .arg(e.Hodnota)
               .arg(kde);
}

// ---- The control entry's end -----------------------------------------------------

bool TPravidlaVstupu::Porovnej()
{
    QList<TRozdil> rozdily =
        PorovnejSUlozenymi(m_b.Adresare, m_b.AktOkrsek, m_b.Reference, m_b.Vysledky);
    if (rozdily.isEmpty()) {
        UzavriShodu(m_b.Adresare, m_b.AktOkrsek);
        return true;
    }
    // Choices made before a return to re-check stay where both values are unchanged.
    for (TRozdil &r : rozdily) {
        for (const TRozdil &predtim : std::as_const(m_rozdily)) {
            if (predtim.Pole == r.Pole && predtim.Prvni == r.Prvni &&
                predtim.Kontrolni == r.Kontrolni) {
                r.Zvoleno = predtim.Zvoleno;
                r.PotvrzenoZapisem = predtim.PotvrzenoZapisem;
            }
        }
    }
    m_rozdily = rozdily;
    return false;
}

bool TPravidlaVstupu::ZapisZvolene()
{
    const QString stav = StavTypu(m_b.Stanice, m_b.AktOkrsek.TypZastup);
    if (stav.trimmed() == u"A" &&
        !m_b.Dotaznik().Otazka(
            TitulekKontroly,
            u"Data okrsku byla již vyexportována.\nPo zapsání zvolených hodnot budete "
            u"muset zopakovat export dat i tisk zápisu.\nChcete zvolené hodnoty zapsat?"_s)) {
        return false;
    }
    ZapisRozhodnuti(m_b.Adresare, m_b.AktOkrsek, m_b.Reference, m_b.Stanice, DvaTypy, m_rozdily);
    m_b.Dotaznik().Informace(
        TitulekKontroly,
        u"Zvolené hodnoty jsou zapsány do pořízených dat a kontrolní zápis byl odstraněn.\n"
        u"Před exportem data znovu zkontrolujte (Kontroly nebo Uložit v pořízení dat)."_s);
    return true;
}
