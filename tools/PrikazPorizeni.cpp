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
#include "Transakce.h"
#include "UlozeniVysledku.h"
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
příkaz všechny soubory do stavu před ním. Je-li příkaz přerušen (ukončení,
výpadek proudu), vrátí je do stavu před ním příští zapisující příkaz nebo
program a oznámí to: „Předchozí uložení bylo přerušeno; data byla vrácena do
stavu před ním.“ Kopie souborů a značka rozpracovaného uložení leží mezitím
v adresáři TRANSAKCE/ stanice.
)";

// Runs the writes as one transaction over the files; a failure puts every file back
// and says whether that worked.
template <typename F> void Transakcne(const TAdresare &adr, const QStringList &soubory, F zapis)
{
    TTransakce transakce(adr.AdrStanice, u"porizeni"_s, soubory);
    try {
        zapis();
    } catch (const EChyba &e) {
        const QString navrat = transakce.Vrat();
        throw EChyba(e.zprava() + u"\n"_s +
                     (navrat.isEmpty()
                          ? u"Nic nebylo uloženo: instalace je, jak byla před příkazem."_s
                          : u"Vrátit instalaci do stavu před příkazem se nepodařilo: "_s + navrat));
    }
    transakce.Potvrd();
}

// The results of each type given become its control entry, all or nothing; no other
// file changes.
int UlozKontrolni(const TAdresare &adr, const std::vector<TPorizeniTypu> &typy)
{
    QStringList soubory;
    for (const TPorizeniTypu &t : typy)
        soubory.append(KontrolniPorizeni::JmenoSouboru(adr, t.Klic));
    Transakcne(adr, soubory, [&] {
        for (const TPorizeniTypu &t : typy)
            KontrolniPorizeni::Uloz(adr, t.Klic, *t.Vysledky);
    });
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
    for (const QJsonValue jmeno : hodnota.toArray()) {
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
        const QString stav = StavTypu(st->Stanice, t.Klic.TypZastup);
        if (stav.trimmed() == u"A" && !v.Ma(u"--ano"_s)) {
            VypisChybu(
                u"porizeni: data typu zastupitelstva %1 už byla exportována; přepíše je jen volba --ano"_s
                    .arg(t.Klic.TypZastup));
            return KodChyba;
        }
    }
    const bool dvaTypy = MaTyp(adr, st->Stanice, u"1"_s) && MaTyp(adr, st->Stanice, u"2"_s);

    // All or nothing, even when the command is killed: every file it writes is kept as
    // it was, and put back on a failure or at the next start of a writer.
    QStringList soubory{Soubory::NajdiSoubor(adr.AdrStanice, u"STANICE.RCD"_s)};
    for (const TPorizeniTypu &t : typy) {
        soubory.append(JmenoSouboruOkrsku(adr, t.Klic, u"O"_s));
        soubory.append(JmenoSouboruOkrsku(adr, t.Klic, u"E"_s));
    }
    for (const QString &jmeno : {u"HLASO.RCD"_s, u"KOMISE.RCD"_s, u"INFOK83.RCD"_s})
        soubory.append(Soubory::NajdiSoubor(adr.AdrData, jmeno));
    QList<TUkladanyTyp> ukladane;
    for (const TPorizeniTypu &t : typy)
        ukladane.append({t.Klic, t.Vysledky.get()});
    Transakcne(adr, soubory, [&] {
        UlozPorizeni(adr, ukladane, st->Stanice, dvaTypy,
                     popis.contains(u"hlasovani") ? &hlasovani : nullptr,
                     popis.contains(u"komise") ? &komise : nullptr);
    });
    for (const TPorizeniTypu &t : typy)
        Vypis(u"Uloženo: %1\n"_s.arg(JmenoSouboruOkrsku(adr, t.Klic, u"E"_s)));
    return KodUspech;
}
