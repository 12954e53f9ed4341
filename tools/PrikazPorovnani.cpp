// porovnej: a control entry from a description against the stored results.
#include "EChyba.h"
#include "Instalace.h"
#include "PolePopisu.h"
#include "PopisVysledku.h"
#include "Porovnani.h"
#include "Prikazy.h"
#include "Reference.h"
#include "Volby.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaPorovnani =
    R"(Použití: zelkovar-nastroj porovnej POPIS.json INSTALACE [--typ 1|2] [--podadresar P]

Porovná kontrolní pořízení s uloženými výsledky instalace: čtyři počty
oddílu II zápisu a hlasy každého kandidáta. Kontrolní pořízení je položka
„vysledky“ popisu ve tvaru příkazu porizeni pro daný typ zastupitelstva
(ostatní části popisu se nečtou). Každý rozdíl vypíše na jeden řádek:

  pole<TAB>první<TAB>kontrolní

s polem pojmenovaným jako ve výpisu precti --pole, např.
VetaT3.ZapsOsoby nebo StranyHL[3].HlasyKand[12]. Instalaci jen čte,
nezmění v ní žádný soubor.

  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/

Návratový kód: 0 pořízení souhlasí, 4 liší se, 1 při selhání.
)";

} // namespace

int PrikazPorovnej(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby({u"porovnej"_s,
                                   NapovedaPorovnani,
                                   {u"POPIS.json"_s, u"INSTALACE"_s},
                                   {u"--typ"_s, u"--podadresar"_s},
                                   {}},
                                  argumenty);
    if (v.Konec)
        return *v.Konec;
    const QJsonObject popis = NactiPopis(v.Volne.at(0), u"Popis pořízení"_s,
                                         {u"hlasovani"_s, u"komise"_s, u"vysledky"_s});
    std::optional<TStaniceNastroje> st =
        OtevriStanici(u"porovnej"_s, v.Volne.at(1), v.Hodnota(u"--podadresar"_s));
    if (!st)
        return KodChyba;
    // Only read: no clean-up of an interrupted save, no journal, no intermediate files.
    st->Adresare.JenCteni = true;
    int kod = KodUspech;
    const std::optional<QString> typ =
        UrciTyp(u"porovnej"_s, st->Adresare, st->Stanice, v.Hodnota(u"--typ"_s), kod);
    if (!typ)
        return kod;

    const QJsonValue vysledky = popis.value(u"vysledky");
    if (!vysledky.isUndefined() && !vysledky.isArray())
        throw EChyba(u"Popis pořízení: „vysledky“ musí být pole."_s);
    const QJsonArray pole = vysledky.toArray();
    qsizetype nalezeny = -1;
    for (qsizetype i = 0; i < pole.size(); ++i) {
        if (pole.at(i).toObject().value(u"TypZastup").toString() != *typ)
            continue;
        // Which of two entries would be compared is anybody's guess: refuse both.
        if (nalezeny >= 0)
            throw EChyba(u"Popis pořízení: typ zastupitelstva %1 je uveden dvakrát."_s.arg(*typ));
        nalezeny = i;
    }
    if (nalezeny >= 0) {
        const TPorizeniTypu kontrolni =
            VysledkyZPopisu(pole.at(nalezeny), u"vysledky[%1]"_s.arg(nalezeny), *st);
        TOkrsekRefRec klic = kontrolni.Klic;
        auto ref = std::make_unique<TReference>();
        NajdiOkrsek(st->Adresare, klic);
        NactiStrany(st->Adresare, klic, *ref);
        NactiKandidaty(st->Adresare, klic, *ref);
        const QList<TRozdil> rozdily =
            PorovnejSUlozenymi(st->Adresare, klic, *ref, *kontrolni.Vysledky);
        QString vystup;
        for (const TRozdil &r : rozdily)
            vystup += u"%1\t%2\t%3\n"_s.arg(r.Pole).arg(r.Prvni).arg(r.Kontrolni);
        Vypis(vystup);
        return rozdily.isEmpty() ? KodUspech : KodRozdily;
    }
    throw EChyba(
        u"Popis pořízení neobsahuje ve „vysledky“ výsledky typu zastupitelstva %1."_s.arg(*typ));
}
