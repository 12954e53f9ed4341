#include "NavrhyOprav.h"

#include "Cisla.h"
#include "EChyba.h"
#include "Preklepy.h"

#include <algorithm>
#include <cmath>

namespace {

using TDruh = TPoleDat::TDruh;

// How much nearer the rest of its party a corrected vote must come (a natural
// logarithm of a ratio: 0.4 is half as far again) to stand out.
constexpr double HraniceOdlehlosti = 0.4;

int PocetKandidatu(const TReference &r, int a)
{
    try {
        return qBound(0, PrevedCislo(r.SeznamStran[std::size_t(a)].PocetKand.trimmed(), QString()),
                      int(MaxKandidatu));
    } catch (const EChyba &) {
        return 0;
    }
}

bool Stoji(const TReference &r, int a, int k)
{
    return r.Kandidati[std::size_t(a)][std::size_t(k)].Platnost == u"A";
}

// The checks of the record in answer-only mode, run on a copy that a suggestion changes.
class TZkouska
{
public:
    explicit TZkouska(const TDataKontrol &d)
        : m_kopie(d.Vysledky),
          m_prot(d.ProtokolChyb.CisChyb()), m_d{d.Adresare, d.AktOkrsek, d.Reference,
                                                m_kopie,    m_stav,      m_prot}
    {
        const int n = qBound(0, int(d.Reference.PocetStranSeznamu), int(MaxStran));
        for (int a = 1; a <= n; ++a) {
            const TStranaHLRec &s = m_kopie.StranyHL[std::size_t(a)];
            if (m_stranaMax == 0 || s.PocHl > m_kopie.StranyHL[std::size_t(m_stranaMax)].PocHl)
                m_stranaMax = a;
            for (int k = 1; k <= MaxKandidatu; ++k) {
                if (m_hlasyMax.first == 0 ||
                    s.HlasyKand[std::size_t(k)] > m_kopie.StranyHL[std::size_t(m_hlasyMax.first)]
                                                      .HlasyKand[std::size_t(m_hlasyMax.second)])
                    m_hlasyMax = {a, k};
            }
        }
    }

    TOkrsekRec &Hlavicka() { return m_kopie.VetaT3; }

    // The hard relations a count of section II takes part in that fail now.
    int Porusene(TDruh pole)
    {
        auto selze = [](bool plati) { return plati ? 0 : 1; };
        switch (pole) {
        case TDruh::ZapsOsoby:
            return selze(Kontrola08(m_d, true));
        case TDruh::VydObalky:
            return selze(Kontrola08(m_d, true)) + selze(Kontrola10(m_d, true));
        case TDruh::OdevzdObalky:
            return selze(Kontrola10(m_d, true)) + selze(Kontrola12(m_d, true)) +
                   (m_hlasyMax.first
                        ? selze(Kontrola24(m_d, true, m_hlasyMax.first, m_hlasyMax.second))
                        : 0);
        case TDruh::PlatneHlasy:
            return selze(Kontrola12(m_d, true)) + selze(Kontrola22(m_d, true)) +
                   (m_stranaMax ? selze(Kontrola21(m_d, true, m_stranaMax)) : 0);
        default:
            return 0;
        }
    }

    // The warning about the reference count of voters (96 marks only this copy).
    bool VoliciSedi() { return Kontrola96(m_d); }

private:
    TVysledky m_kopie;
    TKontrolniStav m_stav;
    TChybProt m_prot;
    TDataKontrol m_d;
    int m_stranaMax = 0;
    std::pair<int, int> m_hlasyMax{0, 0};
};

qint64 &Hodnota(TOkrsekRec &h, TDruh pole, qint64 &pomocna)
{
    switch (pole) {
    case TDruh::ZapsOsoby:
        pomocna = h.ZapsOsoby;
        break;
    case TDruh::VydObalky:
        pomocna = h.VydObalky;
        break;
    case TDruh::OdevzdObalky:
        pomocna = h.OdevzdObalky;
        break;
    default:
        pomocna = h.PlatneHlasy;
        break;
    }
    return pomocna;
}

void Nastav(TOkrsekRec &h, TDruh pole, qint64 n)
{
    switch (pole) {
    case TDruh::ZapsOsoby:
        h.ZapsOsoby = qint32(n);
        break;
    case TDruh::VydObalky:
        h.VydObalky = quint16(n);
        break;
    case TDruh::OdevzdObalky:
        h.OdevzdObalky = quint16(n);
        break;
    default:
        h.PlatneHlasy = qint32(n);
        break;
    }
}

// The widest value each count has in the results file.
qint64 Nejvic(TDruh pole)
{
    switch (pole) {
    case TDruh::ZapsOsoby:
        return 99999;
    case TDruh::PlatneHlasy:
        return 999999;
    default:
        return 9999;
    }
}

// A count of section II that one slip would bring into line with the counts it is
// compared with: every hard relation holds afterwards, and so do the anchors (the
// reference count of voters, the other council type's counts) that held or now hold.
std::optional<TNavrh> NavrhOddilu(TZkouska &z, TDruh pole, std::optional<qint64> jiny)
{
    TOkrsekRec &h = z.Hlavicka();
    qint64 pomocna = 0;
    const qint64 zapsano = Hodnota(h, pole, pomocna);
    auto kotvy = [&](qint64 n) {
        int sedi = jiny && *jiny == n ? 1 : 0;
        if (pole == TDruh::ZapsOsoby)
            sedi += z.VoliciSedi();
        return sedi;
    };
    const int poruseno = z.Porusene(pole);
    const int kotvyPred = kotvy(zapsano);
    const int kotvyMax = (jiny ? 1 : 0) + (pole == TDruh::ZapsOsoby ? 1 : 0);
    if (poruseno == 0 && kotvyPred == kotvyMax)
        return std::nullopt;

    std::optional<TNavrh> nejlepsi;
    for (const qint64 n : Predlohy(zapsano)) {
        if (n > Nejvic(pole))
            continue;
        Nastav(h, pole, n);
        const int kotvyPo = kotvy(n);
        if (z.Porusene(pole) != 0 || kotvyPo < kotvyPred || (poruseno == 0 && kotvyPo <= kotvyPred))
            continue;
        const bool presne = jiny && *jiny == n;
        const double vaha = Obvyklost(DruhPreklepu(n, zapsano)) + (presne ? 1.0 : 0.0);
        if (!nejlepsi || vaha > nejlepsi->Vaha)
            nejlepsi = TNavrh{{pole}, zapsano, n, vaha};
    }
    Nastav(h, pole, zapsano);
    return nejlepsi;
}

double Median(QList<qint64> hodnoty)
{
    std::sort(hodnoty.begin(), hodnoty.end());
    const qsizetype n = hodnoty.size();
    return n % 2 ? double(hodnoty.at(n / 2)) : (hodnoty.at(n / 2 - 1) + hodnoty.at(n / 2)) / 2.0;
}

// The candidates whose vote, less the difference of the failing sum, is what one
// ordinary slip would have turned into the stored vote. Strong ones stand far out of
// line with the rest of their party and come back into it; a party of one has no rest,
// so only a doubled or dropped digit (a tenfold change) speaks for it. Weak ones fit
// the difference and nothing more.
struct TKandidati
{
    QList<TNavrh> Silne;
    QList<TNavrh> Slabe;
};

TKandidati NavrhyKandidatu(const TDataKontrol &d, qint64 rozdil)
{
    TKandidati vysledek;
    const TReference &r = d.Reference;
    const int n = qBound(0, int(r.PocetStranSeznamu), int(MaxStran));
    const qint64 obalky = d.Vysledky.VetaT3.OdevzdObalky;
    for (int a = 1; a <= n; ++a) {
        const TStranaHLRec &s = d.Vysledky.StranyHL[std::size_t(a)];
        const int c = PocetKandidatu(r, a);
        QList<qint64> vsechny;
        for (int k = 1; k <= c; ++k) {
            if (Stoji(r, a, k))
                vsechny.append(s.HlasyKand[std::size_t(k)]);
        }
        qsizetype poradi = -1;
        for (int k = 1; k <= c; ++k) {
            if (!Stoji(r, a, k))
                continue;
            ++poradi;
            const qint64 zapsano = s.HlasyKand[std::size_t(k)];
            const qint64 mozna = zapsano - rozdil;
            if (mozna < 0 || mozna > obalky)
                continue;
            const TPreklep druh = DruhPreklepu(mozna, zapsano);
            const bool desetkrat = druh == TPreklep::Zdvojena || druh == TPreklep::Vynechana;
            if (!desetkrat && druh != TPreklep::PrvniCislice)
                continue;
            bool silny = desetkrat;
            double zlepseni = 0;
            if (vsechny.size() > 1) {
                QList<qint64> ostatni = vsechny;
                ostatni.remove(poradi);
                const double stred = Median(ostatni) + 1;
                zlepseni = std::abs(std::log((zapsano + 1) / stred)) -
                           std::abs(std::log((mozna + 1) / stred));
                silny = zlepseni >= (desetkrat ? 1.0 : 2.0) * HraniceOdlehlosti;
            }
            const TNavrh navrh{{TDruh::Kandidat, a, k},
                               zapsano,
                               mozna,
                               Obvyklost(druh) + qBound(0.0, zlepseni, 3.0)};
            (silny ? vysledek.Silne : vysledek.Slabe).append(navrh);
        }
    }
    return vysledek;
}

bool Souvisi(const TNavrh &n, const TChyba &c, const TOperandy &o)
{
    const int e = c.Chyba;
    auto mezi = [e](std::initializer_list<int> cisla) {
        return std::find(cisla.begin(), cisla.end(), e) != cisla.end();
    };
    switch (n.Pole.Druh) {
    case TDruh::ZapsOsoby:
        return mezi({6, 7, 8, 91, 93, 94, 96, 97});
    case TDruh::VydObalky:
        return mezi({7, 8, 9, 10, 91, 92, 94, 97});
    case TDruh::OdevzdObalky:
        return mezi({9, 10, 11, 12, 24, 92, 95});
    case TDruh::PlatneHlasy:
        return mezi({11, 12, 15, 16, 21, 22, 95});
    case TDruh::Kandidat:
        if (e == 22)
            return true;
        if (c.Por_Str_HL != n.Pole.Strana)
            return false;
        return mezi({21, 25}) || (mezi({23, 24, 26, 27}) && o.Kandidat == n.Pole.Kandidat);
    default:
        return false;
    }
}

} // namespace

QString NazevPole(const TPoleDat &p)
{
    switch (p.Druh) {
    case TDruh::ZapsOsoby:
        return QStringLiteral("voliči v seznamu");
    case TDruh::VydObalky:
        return QStringLiteral("vydané obálky");
    case TDruh::OdevzdObalky:
        return QStringLiteral("odevzdané obálky");
    case TDruh::PlatneHlasy:
        return QStringLiteral("platné hlasy");
    case TDruh::Kandidat:
        return QStringLiteral("strana %1, kandidát %2").arg(p.Strana).arg(p.Kandidat);
    case TDruh::Strana:
        return QStringLiteral("strana %1").arg(p.Strana);
    default:
        return QString();
    }
}

QList<TNavrh> NajdiNavrhy(const TDataKontrol &d, const std::optional<TInfo83Rec> &jiny)
{
    TZkouska z(d);
    QList<TNavrh> navrhy;
    const TDruh pole[] = {TDruh::ZapsOsoby, TDruh::VydObalky, TDruh::OdevzdObalky,
                          TDruh::PlatneHlasy};
    for (const TDruh p : pole) {
        std::optional<qint64> kotva;
        if (jiny && p == TDruh::ZapsOsoby)
            kotva = jiny->ZapsOsoby;
        else if (jiny && p == TDruh::VydObalky)
            kotva = jiny->VydObalky;
        else if (jiny && p == TDruh::OdevzdObalky)
            kotva = jiny->OdevzdObalky;
        if (const std::optional<TNavrh> n = NavrhOddilu(z, p, kotva))
            navrhy.append(*n);
    }

    TKontrolniStav stav;
    TChybProt prot(d.ProtokolChyb.CisChyb());
    TDataKontrol dd{d.Adresare, d.AktOkrsek, d.Reference, d.Vysledky, stav, prot};
    if (!Kontrola22(dd, true)) {
        // The difference of the sum alone fits many votes and the valid votes as well:
        // unless some candidates stand out, the valid votes are named only when at
        // most two votes fit it too, and then with them.
        const TKandidati k = NavrhyKandidatu(d, stav.Posledni.A - stav.Posledni.B);
        if (!k.Silne.isEmpty()) {
            navrhy += k.Silne;
        } else if (k.Slabe.size() <= 2) {
            navrhy += k.Slabe;
        } else {
            navrhy.removeIf([](const TNavrh &n) { return n.Pole.Druh == TDruh::PlatneHlasy; });
        }
    }

    std::stable_sort(navrhy.begin(), navrhy.end(),
                     [](const TNavrh &x, const TNavrh &y) { return x.Vaha > y.Vaha; });
    // Fields that tie at the cut cannot be told apart: naming some of them would guess.
    if (navrhy.size() > 3) {
        const double hranice = navrhy.at(3).Vaha;
        navrhy.resize(3);
        navrhy.removeIf([hranice](const TNavrh &n) { return n.Vaha <= hranice + 1e-9; });
    }
    return navrhy;
}

QList<TNavrh> NavrhyKChybe(const QList<TNavrh> &navrhy, const TChyba &c, const TOperandy &o)
{
    QList<TNavrh> vysledek;
    for (const TNavrh &n : navrhy) {
        if (Souvisi(n, c, o))
            vysledek.append(n);
    }
    return vysledek;
}

QString TextNapovedy(const QList<TNavrh> &navrhy)
{
    QStringList casti;
    for (const TNavrh &n : navrhy) {
        casti.append(QStringLiteral("%1 (zapsáno %2, možná %3)")
                         .arg(NazevPole(n.Pole))
                         .arg(n.Zapsano)
                         .arg(n.Mozna));
    }
    return casti.isEmpty() ? QString()
                           : QStringLiteral("Nejspíše chybně zapsáno: ") + casti.join(u"; ");
}

TPoleDat PoleChyby(const TChyba &c, const TOperandy &o, const QList<TNavrh> &navrhy)
{
    const QList<TNavrh> k = NavrhyKChybe(navrhy, c, o);
    if (!k.isEmpty())
        return k.constFirst().Pole;
    const int a = c.Por_Str_HL;
    switch (c.Chyba) {
    case 6:
    case 93:
    case 96:
        return {TDruh::ZapsOsoby};
    case 7:
    case 8:
    case 91:
    case 94:
    case 97:
        return {TDruh::VydObalky};
    case 9:
    case 10:
    case 92:
        return {TDruh::OdevzdObalky};
    case 11:
    case 12:
    case 15:
    case 16:
    case 22:
    case 95:
        return {TDruh::PlatneHlasy};
    case 23:
    case 24:
    case 26:
    case 27:
        return {TDruh::Kandidat, a, o.Kandidat};
    case 19:
    case 20:
    case 21:
    case 25:
    case 30:
        return {TDruh::Strana, a};
    case 39:
        return {TDruh::StrankaIII};
    case 13:
    case 14:
    case 18:
    case 28:
    case 29:
    case 60:
    case 66:
    case 67:
    case 68:
        return {TDruh::StrankaIIPokr};
    default:
        return {TDruh::StrankaII};
    }
}
