#pragma once

#include "Zarizeni.h"

#include <QString>

// Where `export --cil` may write: a stick whose mount point is empty because it was
// pulled out is a plain directory on the system disk, and an export there would be
// reported done while nothing reaches the receiving point.
struct TCilExportu
{
    enum class TDruh
    {
        Odmitnut,    // none of the below: refused unless --mistni
        Vyjimatelne, // on a removable device of the export target list
        Pripojeny,   // the root of a mounted file system other than the installation's
        Mistni,      // any other directory, with --mistni or the installation's Export/
    };
    TDruh Druh = TDruh::Odmitnut;
    quint64 Zarizeni = 0;  // st_dev of the directory, for the check right before writing
    QString NazevZarizeni; // the device the directory lies on, e.g. "/dev/sdb1"
};

// Judges the existing directory `adresar` (ending with '/') for the installation at
// `instalace`; `mistni` admits any directory.
TCilExportu PosudCil(IZdrojZarizeni &zdroj, const QString &adresar, const QString &instalace,
                     bool mistni);

// The output line naming the device written to.
QString RadekZarizeni(const TCilExportu &cil);
