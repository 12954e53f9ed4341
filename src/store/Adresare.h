#pragma once

#include <QString>
#include <QStringList>

// The three working directories; each ends with '/'.
struct TAdresare
{
    QString AdrInstalace; // the program's directory: CISCHYB.RCD, KVRVOK.RCD, Export/
    QString AdrStanice;   // STANICE.RCD and the reference files, data.comp, data.temp
    QString AdrData;      // results files, HLASO.RCD, KOMISE.RCD, INFOK83.RCD
    // Set where the installation is only read while another process may work in it
    // (the station tool's printouts): loads write no intermediate files and the check
    // run leaves the export state as it is.
    bool JenCteni = false;
};

struct TStartAdresaru
{
    TAdresare Adresare;
    // False when there is no station file beside the program and not exactly one
    // parameter: the program must then tell the user to start it from its icon and end.
    bool LzeSpustit = false;
};

// Derives the directories from the program's directory (with or without a trailing
// '/') and the command-line parameters (without the program name).
TStartAdresaru UrciAdresare(const QString &adresarProgramu, const QStringList &parametry);
