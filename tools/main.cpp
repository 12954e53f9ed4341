// zelkovar-nastroj: prepares stations and reads or writes protected results files.
#include "Denik.h"
#include "EChyba.h"
#include "Ochrana.h"
#include "Preklady.h"
#include "Prikazy.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char *const Napoveda = R"(Použití: zelkovar-nastroj PŘÍKAZ [VOLBY]
        zelkovar-nastroj --help | --version

Příkazy:
  stanice POPIS.json CIL [--podadresar P] [--prepsat] [--plocha] [--skoleni]
                         vytvoří instalaci stanice z popisu
  precti SOUBOR [--pole] [--sha256]
                         vypíše obsah chráněného souboru výsledků
  zapis RADEK.txt SOUBOR zapíše řádek jako chráněný soubor výsledků
  porizeni POPIS.json INSTALACE [--podadresar P] [--ano] [--kontrolni]
                         uloží pořízená data z popisu jako okno pořízení
  kontrola INSTALACE [--typ 1|2] [--podadresar P] [--ano]
                         zkontroluje pořízená data jako příkaz Kontroly
  export INSTALACE [--typ 1|2] [--podadresar P] [--cil ADRESAR [--mistni]] [--ano]
                         exportuje zkontrolovaná data jako příkaz Export dat
  porovnej POPIS.json INSTALACE [--typ 1|2] [--podadresar P]
                         porovná kontrolní pořízení s uloženými výsledky
  tisk INSTALACE DRUH --pdf SOUBOR [--typ 1|2] [--podadresar P] [--primo]
                         vytvoří tiskovou sestavu jako PDF
  vycisti INSTALACE [--podadresar P] [--opravdu]
                         připraví cvičnou stanici pro další skupinu školení
  aktualni INSTALACE [--typ 1|2] [--podadresar P]
                         vypíše platný soubor výsledků, jeho předponu a stav exportu
  over SOUBOR [--otisk TEXT]
                         ověří předaný soubor výsledků (přebírací místo)

Volba s hodnotou se píše „--typ 1“ i „--typ=1“; po „--“ už žádné volby
nenásledují. Nápovědu k příkazu vypíše: zelkovar-nastroj PŘÍKAZ --help

Návratové kódy:
  0  příkaz se provedl
  1  chybný vstup nebo neúspěšná operace
  2  chybné použití (neznámý příkaz nebo volba, chybějící argument)
  3  kontrola: data obsahují blokující chybu; export: data nelze exportovat
  4  porovnej: kontrolní pořízení se liší od uložených výsledků;
     over: otisk souboru se liší od opsaného otisku
Při každém jiném kódu než 0 vypíše důvod na chybový výstup.
)";

struct TPrikaz
{
    const char16_t *Jmeno;
    int (*Proved)(const QStringList &argumenty);
};

const TPrikaz Prikazy[] = {
    {u"stanice", PrikazStanice},   {u"precti", PrikazPrecti},     {u"zapis", PrikazZapis},
    {u"porizeni", PrikazPorizeni}, {u"kontrola", PrikazKontrola}, {u"export", PrikazExport},
    {u"tisk", PrikazTisk},         {u"porovnej", PrikazPorovnej}, {u"aktualni", PrikazAktualni},
    {u"over", PrikazOver},         {u"vycisti", PrikazVycisti},
};

} // namespace

void Vypis(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

void VypisChybu(const QString &text)
{
    std::fputs((QStringLiteral("zelkovar-nastroj: ") + text + u'\n').toUtf8().constData(), stderr);
}

int main(int argc, char *argv[])
{
    const auto aplikace = VytvorAplikaci(argc, argv);
    // Qt's own texts (the option parser's messages among them) in Czech.
    NactiCeskePreklady(*aplikace);
    QStringList argumenty = QCoreApplication::arguments().mid(1);
    if (argumenty.isEmpty()) {
        VypisChybu(QStringLiteral("chybí příkaz"));
        std::fputs(Napoveda, stderr);
        return KodPouziti;
    }
    Ochrana::InicializujGcrypt();
    const QString prikaz = argumenty.takeFirst();
    Denik::NastavKdo(QStringLiteral("zelkovar-nastroj ") + prikaz);
    if (prikaz == u"--help" || prikaz == u"-h") {
        Vypis(QString::fromUtf8(Napoveda));
        return KodUspech;
    }
    if (prikaz == u"--version") {
        Vypis(QStringLiteral("zelkovar-nastroj " ZELKOVAR_VERZE "\n"));
        return KodUspech;
    }
    for (const TPrikaz &p : Prikazy) {
        if (prikaz != QStringView(p.Jmeno))
            continue;
        try {
            return p.Proved(argumenty);
        } catch (const EChyba &e) {
            VypisChybu(e.zprava());
        } catch (const std::exception &e) {
            VypisChybu(
                QStringLiteral("neočekávaná chyba: %1").arg(QString::fromLocal8Bit(e.what())));
        }
        return KodChyba;
    }
    VypisChybu(QStringLiteral("neznámý příkaz „%1“ (viz --help)").arg(prikaz));
    return KodPouziti;
}
