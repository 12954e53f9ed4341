// porizeni: stores entered data, as the entry window stores them, from a description.
#include "Cisla.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "Hlasovani.h"
#include "Instalace.h"
#include "Okrsek.h"
#include "PolePopisu.h"
#include "Prikazy.h"
#include "Reference.h"
#include "Soubory.h"
#include "Stanice.h"
#include "Volby.h"
#include "Zamek.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaPorizeni =
    R"(Použití: zelkovar-nastroj porizeni POPIS.json INSTALACE [--podadresar P] [--ano]

Uloží do instalace data pořízená podle popisu tak, jak je uloží okno pořízení
dat při průběžném ukládání (bez kontrol): oddíly I a III zápisu (HLASO.RCD),
jména dalších přítomných členů komise (KOMISE.RCD) a výsledky hlasování
každého uvedeného typu zastupitelstva jako soubor E; příkaz kontrola je pak
zkontroluje a uloží jako soubor O. Hlasy stran, počet stran s hlasy,
kontrolní čísla a součty dopočítá jako okno pořízení. Data ve stanici označí
jako neexportovaná.

Popis je JSON v UTF-8 s nepovinnými klíči:
  "hlasovani"  objekt s textovými poli záznamu HLASO.RCD, např.
               {"Zahajeno1": "14:00", "ClenuOVKC": "7", "ClenuOVKP": "6", ...};
               neuvedená pole zůstanou, jak jsou
  "komise"     pole jmen dalších přítomných členů komise (bez předsedy)
  "vysledky"   pole objektů, jeden na typ zastupitelstva:
               {"TypZastup": "1", "ZapsOsoby": 812, "VydObalky": 540,
                "OdevzdObalky": 538, "PlatneHlasy": 3120,
                "strany": [{"PorStHL": 1, "HlasyKand": [120, 95, 0, 43]}]}
               HlasyKand jsou hlasy kandidátů 1, 2, ... strany; strana
               neuvedená nemá žádné hlasy

  --podadresar P  stanice v adresáři INSTALACE/data/P/
  --ano           přepíše i data už exportovaná (bez volby je odmítne)

Při chybě v popisu se nezapíše nic; selže-li zápis kteréhokoli souboru, vrátí
příkaz všechny soubory do stavu před ním.
)";

// The files a command is about to write, as they were: content and modification
// time (the time decides which results file is current), or their absence.
class TZaloha
{
public:
    void Pridej(const QString &cesta)
    {
        // Something that is not a file is never ours to put back (nor to remove).
        if (QFileInfo::exists(cesta) && !QFileInfo(cesta).isFile())
            return;
        TStav stav{cesta, std::nullopt, Soubory::CasZmeny(cesta)};
        if (stav.cas >= 0)
            stav.obsah = Soubory::NactiSoubor(cesta, qint64(64) << 20);
        m_stavy.push_back(std::move(stav));
    }

    // Puts every file back; the failures, or empty when all went back.
    QString Obnov() const
    {
        QStringList chyby;
        for (auto it = m_stavy.rbegin(); it != m_stavy.rend(); ++it) {
            try {
                if (!it->obsah) {
                    Soubory::Smaz(it->cesta);
                } else if (Soubory::CasZmeny(it->cesta) != it->cas
                           || Soubory::NactiSoubor(it->cesta, qint64(64) << 20) != *it->obsah) {
                    Soubory::UlozAtomicky(it->cesta, *it->obsah, it->cas);
                }
            } catch (const EChyba &e) {
                chyby.append(e.zprava());
            }
        }
        return chyby.join(u'\n');
    }

private:
    struct TStav
    {
        QString cesta;
        std::optional<QByteArray> obsah;
        qint64 cas;
    };
    std::vector<TStav> m_stavy;
};

// A whole number within 0..max, or EChyba naming the record and the field.
qint32 Pocet(const QJsonValue &hodnota, const QString &kde, qint32 max)
{
    const double d = hodnota.toDouble(-1);
    if (!hodnota.isDouble() || d != qint64(d) || d < 0 || d > max)
        throw EChyba(u"%1 musí být celé číslo od 0 do %2."_s.arg(kde).arg(max));
    return qint32(d);
}

THlasovaniRec Hlasovani(const QJsonObject &popis, const QString &adrData)
{
    THlasovaniRec h =
        Soubory::Existuje(adrData, u"HLASO.RCD"_s) ? NactiHlasovani(adrData) : THlasovaniRec();
    if (!popis.contains(u"hlasovani"))
        return h;
    if (!popis.value(u"hlasovani").isObject())
        throw EChyba(u"Popis pořízení: „hlasovani“ musí být objekt."_s);
    const QJsonObject zadane = popis.value(u"hlasovani").toObject();
    TPolePopisu pole(zadane, u"hlasovani"_s);
    // Fields not given stay; a name that is no field stays unread and is reported below.
    ProPoleRetezcu(h, [&](const QString &jmeno, QString &hodnota) {
        if (zadane.contains(jmeno))
            hodnota = pole.Text(jmeno);
    });
    pole.OverZbytek();
    NormalizujHlasovani(h);
    // Encoding now reports a text too long for its field before anything is written.
    ZakodujHlasovani(h);
    return h;
}

QList<TKomise> Komise(const QJsonObject &popis)
{
    QList<TKomise> komise;
    const QJsonValue hodnota = popis.value(u"komise");
    if (hodnota.isUndefined())
        return komise;
    if (!hodnota.isArray())
        throw EChyba(u"Popis pořízení: „komise“ musí být pole jmen."_s);
    for (const QJsonValue &jmeno : hodnota.toArray()) {
        if (!jmeno.isString())
            throw EChyba(u"Popis pořízení: jména v „komise“ musí být texty."_s);
        if (jmeno.toString().size() > 50)
            throw EChyba(
                u"Popis pořízení: jméno „%1“ je delší než 50 znaků."_s.arg(jmeno.toString()));
        komise.append(TKomise{jmeno.toString()});
    }
    return komise;
}

// One council type's results, as the entry window stores them.
struct TPorizeniTypu
{
    TOkrsekRefRec Klic;
    std::unique_ptr<TVysledky> Vysledky = std::make_unique<TVysledky>();
};

void HlasyStran(const QJsonValue &hodnota, const TReference &ref, TVysledky &v, const QString &kde)
{
    if (hodnota.isUndefined())
        return;
    if (!hodnota.isArray())
        throw EChyba(u"%1: „strany“ musí být pole."_s.arg(kde));
    const int pocetStran = qBound(0, int(ref.PocetStranSeznamu), MaxStran);
    const QJsonArray strany = hodnota.toArray();
    for (qsizetype i = 0; i < strany.size(); ++i) {
        const QString kdeStrana = u"%1, strany[%2]"_s.arg(kde).arg(i);
        if (!strany.at(i).isObject())
            throw EChyba(u"%1 musí být objekt."_s.arg(kdeStrana));
        const QJsonObject strana = strany.at(i).toObject();
        for (const QString &klic : strana.keys()) {
            if (klic != u"PorStHL" && klic != u"HlasyKand")
                throw EChyba(u"%1: neznámé pole %2."_s.arg(kdeStrana, klic));
        }
        const int k = Pocet(strana.value(u"PorStHL"), kdeStrana + u", PorStHL"_s, pocetStran);
        if (k < 1)
            throw EChyba(u"%1: strana s pořadím 0 na lístku není."_s.arg(kdeStrana));
        const int pocetKand = qBound(
            0, int(CisloNeboNula(ref.SeznamStran[std::size_t(k)].PocetKand)), int(MaxKandidatu));
        const QJsonValue hlasy = strana.value(u"HlasyKand");
        if (!hlasy.isArray())
            throw EChyba(u"%1: „HlasyKand“ musí být pole čísel."_s.arg(kdeStrana));
        const QJsonArray pole = hlasy.toArray();
        if (pole.size() > pocetKand) {
            throw EChyba(u"%1: strana %2 má jen %3 kandidátů, hlasů je uvedeno %4."_s.arg(kdeStrana)
                             .arg(k)
                             .arg(pocetKand)
                             .arg(pole.size()));
        }
        for (qsizetype j = 0; j < pole.size(); ++j) {
            v.StranyHL[std::size_t(k)].HlasyKand[std::size_t(j + 1)] =
                quint16(Pocet(pole.at(j), u"%1, HlasyKand[%2]"_s.arg(kdeStrana).arg(j), 0xFFFF));
        }
    }
}

TPorizeniTypu Vysledky(const QJsonValue &hodnota, const QString &kde, const TStaniceNastroje &st)
{
    if (!hodnota.isObject())
        throw EChyba(u"%1 musí být objekt."_s.arg(kde));
    const QJsonObject o = hodnota.toObject();
    static const QStringList znamo{u"TypZastup"_s,    u"ZapsOsoby"_s,   u"VydObalky"_s,
                                   u"OdevzdObalky"_s, u"PlatneHlasy"_s, u"strany"_s};
    for (const QString &klic : o.keys()) {
        if (!znamo.contains(klic))
            throw EChyba(u"%1: neznámé pole %2."_s.arg(kde, klic));
    }
    TPorizeniTypu t;
    t.Klic.KodObce = st.Stanice.KodObce;
    t.Klic.CisloOkrsku = st.Stanice.CisloOkrsku;
    t.Klic.TypZastup = o.value(u"TypZastup").toString();
    if (t.Klic.TypZastup != u"1" && t.Klic.TypZastup != u"2")
        throw EChyba(u"%1: TypZastup musí být text \"1\" nebo \"2\"."_s.arg(kde));
    if (!NajdiOkrsek(st.Adresare, t.Klic)) {
        throw EChyba(u"%1: okrsek %2 obce %3 nevolí zastupitelstvo typu %4 (OKRSKY.RCD)."_s.arg(kde)
                         .arg(st.Stanice.CisloOkrsku)
                         .arg(st.Stanice.KodObce, t.Klic.TypZastup));
    }
    auto ref = std::make_unique<TReference>();
    NactiStrany(st.Adresare, t.Klic, *ref);

    TVysledky &v = *t.Vysledky;
    VynulujOkrsek(v);
    TOkrsekRec &h = v.VetaT3;
    VyplnIdentifikaci(h, t.Klic);
    h.ZapsOsoby = Pocet(o.value(u"ZapsOsoby"), kde + u", ZapsOsoby"_s, 999999);
    h.VydObalky = quint16(Pocet(o.value(u"VydObalky"), kde + u", VydObalky"_s, 0xFFFF));
    h.OdevzdObalky = quint16(Pocet(o.value(u"OdevzdObalky"), kde + u", OdevzdObalky"_s, 0xFFFF));
    h.PlatneHlasy = Pocet(o.value(u"PlatneHlasy"), kde + u", PlatneHlasy"_s, 99999999);
    HlasyStran(o.value(u"strany"), *ref, v, kde);

    const int pocetStran = qBound(0, int(ref->PocetStranSeznamu), MaxStran);
    for (int k = 1; k <= pocetStran; ++k)
        ProcDopoctiHL(v, k, CisloNeboNula(ref->SeznamStran[std::size_t(k)].PocetKand), pocetStran);
    ProcDopoctiKC(h);
    ProcDopoctiTS(v, pocetStran, st.Stanice);
    // Encoding now reports a value too wide for its field before anything is written.
    SestavRadek(v, false);
    return t;
}

} // namespace

int PrikazPorizeni(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({u"porizeni"_s,
                                   NapovedaPorizeni,
                                   {u"POPIS.json"_s, u"INSTALACE"_s},
                                   {u"--podadresar"_s},
                                   {u"--ano"_s}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QStringList &volne = v.Volne;
    const QJsonObject popis =
        NactiPopis(volne.at(0), u"Popis pořízení"_s, {u"hlasovani"_s, u"komise"_s, u"vysledky"_s});
    std::optional<TStaniceNastroje> st =
        OtevriStanici(u"porizeni"_s, volne.at(1), v.Hodnota(u"--podadresar"_s));
    if (!st)
        return KodChyba;
    const TAdresare &adr = st->Adresare;
    const TZamek zamek(adr.AdrStanice);

    // Everything is read and encoded first, so that a bad description writes nothing.
    const THlasovaniRec hlasovani = Hlasovani(popis, adr.AdrData);
    const QList<TKomise> komise = Komise(popis);
    const QJsonValue vysledky = popis.value(u"vysledky");
    if (!vysledky.isUndefined() && !vysledky.isArray())
        throw EChyba(u"Popis pořízení: „vysledky“ musí být pole."_s);
    std::vector<TPorizeniTypu> typy;
    const QJsonArray pole = vysledky.toArray();
    for (qsizetype i = 0; i < pole.size(); ++i) {
        typy.push_back(Vysledky(pole.at(i), u"vysledky[%1]"_s.arg(i), *st));
        for (std::size_t j = 0; j + 1 < typy.size(); ++j) {
            if (typy[j].Klic.TypZastup == typy.back().Klic.TypZastup)
                throw EChyba(u"Popis pořízení: typ zastupitelstva %1 je uveden dvakrát."_s.arg(
                    typy[j].Klic.TypZastup));
        }
    }
    // Like the entry window, exported data are replaced only when the user says so.
    for (const TPorizeniTypu &t : typy) {
        const QString stav = t.Klic.TypZastup == u"1" ? st->Stanice.Stav1 : st->Stanice.Stav2;
        if (stav.trimmed() == u"A" && !v.Ma(u"--ano"_s)) {
            VypisChybu(
                u"porizeni: data typu zastupitelstva %1 už byla exportována; přepíše je jen volba --ano"_s
                    .arg(t.Klic.TypZastup));
            return KodChyba;
        }
    }
    const bool dvaTypy = MaTyp(adr, st->Stanice, u"1"_s) && MaTyp(adr, st->Stanice, u"2"_s);

    // All or nothing: every file the command writes is kept as it was, and put back
    // when any step fails.
    TZaloha zaloha;
    zaloha.Pridej(Soubory::NajdiSoubor(adr.AdrStanice, u"STANICE.RCD"_s));
    for (const TPorizeniTypu &t : typy) {
        zaloha.Pridej(JmenoSouboruOkrsku(adr, t.Klic, u"O"_s));
        zaloha.Pridej(JmenoSouboruOkrsku(adr, t.Klic, u"E"_s));
    }
    for (const QString &jmeno : {u"HLASO.RCD"_s, u"KOMISE.RCD"_s, u"INFOK83.RCD"_s})
        zaloha.Pridej(Soubory::NajdiSoubor(adr.AdrData, jmeno));
    try {
        for (const TPorizeniTypu &t : typy)
            ZapisStavExportu(adr.AdrStanice, CisloNeboNula(t.Klic.TypZastup), u"N"_s, st->Stanice);
        for (const TPorizeniTypu &t : typy) {
            UlozOkrsek(adr, t.Klic, u"E"_s, *t.Vysledky);
            if (dvaTypy) {
                TInfo83 info;
                NactiInfo83(adr.AdrData, t.Vysledky->VetaT3.TypZastup, info);
                UlozInfo83(adr.AdrData, info, t.Vysledky->VetaT3);
            }
        }
        if (popis.contains(u"hlasovani"))
            UlozHlasovani(adr.AdrData, hlasovani);
        if (popis.contains(u"komise"))
            UlozKomisi(adr.AdrData, komise);
    } catch (const EChyba &e) {
        const QString navrat = zaloha.Obnov();
        throw EChyba(e.zprava() + u"\n"_s
                     + (navrat.isEmpty() ? u"Nic nebylo uloženo: instalace je, jak byla před příkazem."_s
                                         : u"Vrátit instalaci do stavu před příkazem se nepodařilo: "_s + navrat));
    }
    for (const TPorizeniTypu &t : typy)
        Vypis(u"Uloženo: %1\n"_s.arg(JmenoSouboruOkrsku(adr, t.Klic, u"E"_s)));
    return KodUspech;
}
