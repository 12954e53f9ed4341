// vycisti: resets a training station's entered data for the next group.
#include "Instalace.h"
#include "Prikazy.h"
#include "Skoleni.h"
#include "Volby.h"
#include "Vycisteni.h"
#include "Zamek.h"

using namespace Qt::StringLiterals;

namespace {

const char *const NapovedaVycisti =
    R"(Použití: zelkovar-nastroj vycisti INSTALACE [--podadresar P] [--opravdu]

Připraví cvičnou stanici pro další skupinu školení: soubory výsledků
a kontrolního pořízení všech typů zastupitelstva, HLASO.RCD, KOMISE.RCD,
INFOK83.RCD a soubory v adresářích Export/ a Tisk/ přesune do
data/Zrusena/DATUM-ČAS/ (nic se nemaže), založí prázdné HLASO.RCD,
KOMISE.RCD a INFOK83.RCD, nastaví stav exportu na „N“ a zapíše řádek
do deníku. Deník i stanice zůstanou.

  --podadresar P  stanice v adresáři INSTALACE/data/P/
  --opravdu       vyčistí i stanici, která není cvičná (bez volby odmítne)

Návratový kód: 0 vyčištěno, 1 stanice není cvičná nebo selhání.
)";

} // namespace

int PrikazVycisti(const QStringList &argumenty)
{
    const TVolby v = RozeberVolby(
        {u"vycisti"_s, NapovedaVycisti, {u"INSTALACE"_s}, {u"--podadresar"_s}, {u"--opravdu"_s}},
        argumenty);
    if (v.Konec)
        return *v.Konec;
    std::optional<TStaniceNastroje> otevrena =
        OtevriStanici(u"vycisti"_s, v.Volne.at(0), v.Hodnota(u"--podadresar"_s));
    if (!otevrena)
        return KodChyba;
    const TAdresare &adr = otevrena->Adresare;
    if (!Skoleni::JeCvicna(adr.AdrStanice) && !v.Ma(u"--opravdu"_s)) {
        VypisChybu(u"vycisti: stanice v %1 není cvičná (chybí %2); její data vyčistí jen "
                   u"volba --opravdu"_s.arg(adr.AdrStanice, Skoleni::JmenoZnacky));
        return KodChyba;
    }
    // Neither under the running program nor under another writer.
    const TZamek program(adr.AdrStanice, TZamek::TDruh::Program);
    const TZamek zapis(adr.AdrStanice);
    QList<int> typy;
    for (const int typ : {1, 2})
        if (MaTyp(adr, otevrena->Stanice, QString::number(typ)))
            typy.append(typ);
    const TVycisteni hotovo = Vycisti(adr, otevrena->Stanice, typy);
    Vypis(u"Stanice vyčištěna: %1 souborů uschováno v %2\n"_s.arg(hotovo.Soubory.size())
              .arg(hotovo.Kam));
    return KodUspech;
}
