#pragma once

#include <QString>

class IDotaznik;
class QPrinter;
class TNahled;

// Whether the printer is a real installed printer (not a file, not a placeholder for
// a system without printers).
bool JeTiskarnaNainstalovana(const QPrinter &tiskarna);

// Whether a job has somewhere to go: an installed printer, or a PDF file the user chose.
bool MaKamTisknout(const QPrinter &tiskarna);

// Sends recorded pages od..do to the printer as one job titled after the document,
// each page mapped from the sheet's corner. A printer set to print into a file the
// user chose writes that file. With no printer installed the pages go to a PDF named
// after the job title in the installation's Tisk/ directory (created when missing),
// and the user is told where; the path is returned (empty otherwise).
QString VytiskniStrany(TNahled &nahled, QPrinter &tiskarna, int od, int doStrany, int kopie,
                       const QString &adrInstalace, IDotaznik &dotaznik);

// The PDF file of a job printed without a printer.
QString SouborTiskuBezTiskarny(const QString &adrInstalace, const QString &titul);
