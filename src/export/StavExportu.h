#pragma once

#include "Adresare.h"
#include "Stanice.h"

#include <QString>

// The journal's record of an export of council type `typ` begins with this text.
QString ZacatekZaznamuExportu(int typ);

// Whether the stored data of council type `typ` differ from what was exported: the
// station says "N" (changed since) and the journal holds an export of that type.
bool ExportZastaral(const TAdresare &adr, const TStaniceRec &stanice, int typ);

// The main window's note of the council types whose export is out of date; empty when
// none is.
QString TextZastaralehoExportu(const TAdresare &adr, const TStaniceRec &stanice,
                               const QList<int> &typy);
