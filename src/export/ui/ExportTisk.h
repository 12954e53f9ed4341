#pragma once

#include "KontrolniBeh.h"
#include "PredExportem.h"

#include <functional>

class IZdrojZarizeni;
class QWidget;

// What the export-and-print flow needs beyond the check run's view of the program.
struct TExportTisk
{
    TStavProgramu &Beh; // the key is already set
    bool JeZastup1 = false;
    bool JeZastup2 = false;
    IZdrojZarizeni &Zdroj;
    // Prints the record in this many copies and then shows its preview.
    std::function<void(int kopii)> TiskZapisu;
    QWidget *Rodic = nullptr;
    // Sleep used while waiting for the eject helper (tests shorten it).
    std::function<void(int)> Cekej;
};

// Refuses unchecked or missing data, checks again (unless Vybrano is 4), compares the
// two council types' counts, tells about passable errors and warnings, exports the O
// file, marks the type exported ("A"), asks for the copies and prints the record.
// Returns true when the data were exported.
bool ExportTisk(TExportTisk &e);
