#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program. Read before the application object
// exists, so that --help and --version answer without a screen.
struct TPrikazovyRadek
{
    enum class TUkol
    {
        Spustit,
        Napoveda,
        Verze,
        Chyba
    };
    TUkol Ukol = TUkol::Spustit;
    QString Instalace;     // --instalace: the installation directory; empty: the program's own
    QStringList Parametry; // the plain parameters (the station's subdirectory P of data/)
    QString Chyba;         // what is wrong, for the user
};

// `argumenty` as main() gets them, the program's name first.
TPrikazovyRadek RozeberPrikazovyRadek(const QStringList &argumenty);

extern const char *const NapovedaProgramu;
