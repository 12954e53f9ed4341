// porizeni: stores entered data, as the entry window stores them, from a description.
#include "Cisla.h"
#include "Dopocty.h"
#include "EChyba.h"
#include "Hlasovani.h"
#include "Instalace.h"
#include "KontrolniPorizeni.h"
#include "Okrsek.h"
#include "PolePopisu.h"
#include "PopisVysledku.h"
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
    R"(Použití: zelkovar-nastroj porizeni POPIS.json INSTALACE [--podadresar P] [--ano] [--kontrolni]

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
  --kontrolni     uloží výsledky z popisu jako kontrolní pořízení (soubor K)
                  každého uvedeného typu, jako je ukládá okno kontrolního
                  pořízení; pořízená data, HLASO.RCD, KOMISE.RCD ani stanici
                  nemění a části „hlasovani“ a „komise“ nezapíše

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
                } else if (Soubory::CasZmeny(it->cesta) != it->cas ||
                           Soubory::NactiSoubor(it->cesta, qint64(64) << 20) != *it->obsah) {
                    Soubory::UlozAtomicky(it->cesta, *it->obsah, it->cas);
                }
            } catch (const EChyba &e) {
                chyby.append(e.zprava());
            }
        }
        return chyby.join(u'\n');
    }

    // Puts every file back and raises the failure, saying whether that worked.
    [[noreturn]] void ObnovAVyhod(const EChyba &e) const
    {
        const QString navrat = Obnov();
        throw EChyba(e.zprava() + u"\n"_s +
                     (navrat.isEmpty()
                          ? u"Nic nebylo uloženo: instalace je, jak byla před příkazem."_s
                          : u"Vrátit instalaci do stavu před příkazem se nepodařilo: "_s + navrat));
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

// The results of each type given become its control entry, all or nothing; no other
// file changes.
int UlozKontrolni(const TAdresare &adr, const std::vector<TPorizeniTypu> &typy)
{
    TZaloha zaloha;
    for (const TPorizeniTypu &t : typy)
        zaloha.Pridej(KontrolniPorizeni::JmenoSouboru(adr, t.Klic));
    try {
        for (const TPorizeniTypu &t : typy)
            KontrolniPorizeni::Uloz(adr, t.Klic, *t.Vysledky);
    } catch (const EChyba &e) {
        zaloha.ObnovAVyhod(e);
    }
    for (const TPorizeniTypu &t : typy)
        Vypis(u"Uloženo kontrolní pořízení: %1\n"_s.arg(
            KontrolniPorizeni::JmenoSouboru(adr, t.Klic)));
    return KodUspech;
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

} // namespace

int PrikazPorizeni(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({u"porizeni"_s,
                                   NapovedaPorizeni,
                                   {u"POPIS.json"_s, u"INSTALACE"_s},
                                   {u"--podadresar"_s},
                                   {u"--ano"_s, u"--kontrolni"_s}},
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
        typy.push_back(VysledkyZPopisu(pole.at(i), u"vysledky[%1]"_s.arg(i), *st));
        for (std::size_t j = 0; j + 1 < typy.size(); ++j) {
            if (typy[j].Klic.TypZastup == typy.back().Klic.TypZastup)
                throw EChyba(u"Popis pořízení: typ zastupitelstva %1 je uveden dvakrát."_s.arg(
                    typy[j].Klic.TypZastup));
        }
    }
    if (v.Ma(u"--kontrolni"_s))
        return UlozKontrolni(adr, typy);
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
        zaloha.ObnovAVyhod(e);
    }
    for (const TPorizeniTypu &t : typy)
        Vypis(u"Uloženo: %1\n"_s.arg(JmenoSouboruOkrsku(adr, t.Klic, u"E"_s)));
    return KodUspech;
}
