#include "PrikazovyRadek.h"

#include <QCommandLineParser>

const char *const NapovedaProgramu = R"(Použití: zelkovar [--instalace ADRESÁŘ] [P]

Pořízení dat okrskovou volební komisí ve volbách do zastupitelstev obcí.

Program najde stanici v adresáři instalace: soubor STANICE.RCD přímo v něm,
nebo – není-li tam a je-li dán jeden parametr P – v jeho podadresáři data/P/.
Adresář instalace je adresář programu, nebo adresář, který udává volba
--instalace. Tak program spouští zástupce stanice, kterého vytvoří příkaz
zelkovar-nastroj stanice.

  --instalace ADRESÁŘ  adresář instalace stanice
  -h, --help           vypíše tuto nápovědu
  --version            vypíše verzi programu

Bez obrazovky (QT_QPA_PLATFORM=offscreen) píše program zprávy na chybový
výstup, na otázky odpovídá „Ne“ a skončí, nelze-li stanici načíst.
)";

TPrikazovyRadek RozeberPrikazovyRadek(const QStringList &argumenty)
{
    QCommandLineParser parser;
    const QCommandLineOption instalace(QStringLiteral("instalace"), QString(),
                                       QStringLiteral("ADRESÁŘ"));
    const QCommandLineOption napoveda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption verze(QStringLiteral("version"));
    parser.addOptions({instalace, napoveda, verze});

    TPrikazovyRadek radek;
    if (!parser.parse(argumenty)) {
        radek.Ukol = TPrikazovyRadek::TUkol::Chyba;
        const QStringList nezname = parser.unknownOptionNames();
        if (nezname.isEmpty()) {
            radek.Chyba = QStringLiteral("volba --instalace potřebuje adresář");
        } else {
            const QString &jmeno = nezname.constFirst();
            radek.Chyba =
                QStringLiteral("neznámá volba „%1%2“")
                    .arg(jmeno.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), jmeno);
        }
        return radek;
    }
    if (parser.isSet(napoveda)) {
        radek.Ukol = TPrikazovyRadek::TUkol::Napoveda;
        return radek;
    }
    if (parser.isSet(verze)) {
        radek.Ukol = TPrikazovyRadek::TUkol::Verze;
        return radek;
    }
    radek.Instalace = parser.value(instalace);
    if (parser.isSet(instalace) && radek.Instalace.isEmpty()) {
        radek.Ukol = TPrikazovyRadek::TUkol::Chyba;
        radek.Chyba = QStringLiteral("volba --instalace potřebuje adresář");
        return radek;
    }
    radek.Parametry = parser.positionalArguments();
    return radek;
}
