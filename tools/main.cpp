// zelkovar-nastroj: prepares stations and reads or writes protected results files.
#include "Denik.h"
#include "EChyba.h"
#include "Prikazy.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char *const Napoveda = R"(Použití: zelkovar-nastroj PŘÍKAZ [VOLBY]

Příkazy:
  stanice POPIS.json CIL [--podadresar P] [--prepsat]
                         vytvoří instalaci stanice z popisu
  precti SOUBOR [--pole] vypíše obsah chráněného souboru výsledků
  zapis RADEK.txt SOUBOR zapíše řádek jako chráněný soubor výsledků
  porizeni POPIS.json INSTALACE [--podadresar P] [--ano]
                         uloží pořízená data z popisu jako okno pořízení
  kontrola INSTALACE [--typ 1|2] [--podadresar P] [--ano]
                         zkontroluje pořízená data jako příkaz Kontroly
  export INSTALACE [--typ 1|2] [--podadresar P] [--cil ADRESAR] [--ano]
                         exportuje zkontrolovaná data jako příkaz Export dat
  tisk INSTALACE DRUH --pdf SOUBOR [--typ 1|2] [--podadresar P] [--primo]
                         vytvoří tiskovou sestavu jako PDF

Nápovědu k příkazu vypíše: zelkovar-nastroj PŘÍKAZ --help
)";

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
    QStringList argumenty = QCoreApplication::arguments().mid(1);
    if (argumenty.isEmpty()) {
        std::fputs(Napoveda, stderr);
        return KodPouziti;
    }
    const QString prikaz = argumenty.takeFirst();
    Denik::NastavKdo(QStringLiteral("zelkovar-nastroj ") + prikaz);
    if (prikaz == u"--help" || prikaz == u"-h") {
        std::fputs(Napoveda, stdout);
        return KodUspech;
    }
    try {
        if (prikaz == u"stanice")
            return PrikazStanice(argumenty);
        if (prikaz == u"precti")
            return PrikazPrecti(argumenty);
        if (prikaz == u"zapis")
            return PrikazZapis(argumenty);
        if (prikaz == u"porizeni")
            return PrikazPorizeni(argumenty);
        if (prikaz == u"export")
            return PrikazExport(argumenty);
        if (prikaz == u"kontrola")
            return PrikazKontrola(argumenty);
        if (prikaz == u"tisk")
            return PrikazTisk(argumenty);
    } catch (const EChyba &e) {
        VypisChybu(e.zprava());
        return KodChyba;
    }
    VypisChybu(QStringLiteral("neznámý příkaz „%1“").arg(prikaz));
    std::fputs(Napoveda, stderr);
    return KodPouziti;
}
