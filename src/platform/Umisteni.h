#pragma once

#include <QString>

// Where the program's own files (help, icon) are. A build, and an installation that
// holds a copy of the program, keep them beside the executable; the package keeps
// them under <prefix>/share, found relative to the executable, so that an unpacked
// copy of the package works wherever it lies.
struct TUmisteni
{
    bool ZBalicku = false; // the package's layout: the program is not copied anywhere
    QString Napoveda;      // Zelkovar.html
    QString Ikona;         // zelkovar.svg
};

// `adresarProgramu`: the directory of the running executable.
TUmisteni UmisteniProgramu(const QString &adresarProgramu);
