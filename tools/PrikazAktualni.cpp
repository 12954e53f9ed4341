// aktualni: which results file of a council type is current, by the program's rule.
#include "Instalace.h"
#include "Okrsek.h"
#include "Prikazy.h"
#include "Volby.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaAktualni =
    R"(Použití: zelkovar-nastroj aktualni INSTALACE [--typ 1|2] [--podadresar P]

Vypíše, který soubor výsledků typu zastupitelstva program považuje za platný,
a stav exportu ve stanici, na třech řádcích:
  soubor=CESTA     platný soubor výsledků (prázdné, nejsou-li data pořízena)
  predpona=O|E     jeho předpona (prázdné, nejsou-li data pořízena)
  stav=A|N|        stav exportu typu ve stanici (A exportováno, N změněno od
                   exportu, prázdné před prvním uložením)

Zůstanou-li po přerušeném uložení oba soubory O a E, platí ten, který je podle
údajů uvnitř souborů novější (čitelný před nečitelným, s datem a časem uložení
před souborem bez nich, pak vyšší pořadové číslo uložení, pak pozdější datum
a čas uložení, při shodě O). Příkaz nic nemění; starší soubor přesune do
data/Zrusena/ až příští zapisující příkaz nebo program.

  --typ 1|2       typ zastupitelstva; nutný, má-li okrsek oba typy
  --podadresar P  stanice v adresáři INSTALACE/data/P/
)";

} // namespace

int PrikazAktualni(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby(
        {u"aktualni"_s, NapovedaAktualni, {u"INSTALACE"_s}, {u"--typ"_s, u"--podadresar"_s}, {}},
        argumenty);
    if (v.Konec)
        return *v.Konec;
    int kod = KodUspech;
    const std::optional<TStaniceNastroje> st = OtevriStaniciTypu(
        u"aktualni"_s, v.Volne.at(0), v.Hodnota(u"--podadresar"_s), v.Hodnota(u"--typ"_s), kod);
    if (!st)
        return kod;
    TOkrsekRefRec klic;
    klic.KodObce = st->Stanice.KodObce;
    klic.CisloOkrsku = st->Stanice.CisloOkrsku;
    klic.TypZastup = st->Typ;
    const QString prefix = AktualniPrefix(st->Adresare, klic);
    const QString soubor =
        prefix.isEmpty()
            ? QString()
            : QFileInfo(JmenoSouboruOkrsku(st->Adresare, klic, prefix)).absoluteFilePath();
    Vypis(u"soubor=%1\npredpona=%2\nstav=%3\n"_s.arg(soubor, prefix,
                                                     StavTypu(st->Stanice, st->Typ).trimmed()));
    return KodUspech;
}
