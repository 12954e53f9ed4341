#pragma once

#include "Zapis.h"

#include <QDateTime>
#include <QString>

class IDotaznik;
class QPrinter;
class QWidget;
class TNahled;
struct TAdresare;

// The record print job: a counting pass fixes the number of sheets, then each copy
// (at least one) goes to the printer as one document titled "KVT3.pdf", then the
// preview pass is shown modally when asked for (always with `jenNahled`). With no
// printer installed each copy is kept as a PDF file of its own in the installation's
// Tisk/ directory, named after the precinct and council type (NazevTisku "KVT3"), and
// the user is told where. Returns the number of sheets of one copy.
int TiskZapisu(TNahled &nahled, QPrinter &tiskarna, IDotaznik &dotaznik, const TAdresare &adresare,
               const TDataZapisu &data, bool jenNahled, bool nahledPoTisku, int kopii,
               int pocetDnuVoleb = 2, QWidget *rodic = nullptr,
               const QDateTime &ted = QDateTime::currentDateTime());
