#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

class IDotaznik;
class QPrinter;
class TNahled;
struct TAdresare;
struct TOkrsekRefRec;

// Whether the printer is a real installed printer (not a file, not a placeholder for
// a system without printers).
bool JeTiskarnaNainstalovana(const QPrinter &tiskarna);

// Whether the job goes into files: the output is not a printer, or the system has no
// printer at all. A chosen printer that has gone is not this case: the job fails.
bool BezTiskarny(const QPrinter &tiskarna);

// The title a print job is known by in the queue: the document's file name and the
// time, e.g. KVT3-598761-3-typ1-213005, so that the job can be found by it.
QString TitulUlohy(const QString &nazevSouboru, const QTime &cas);

// What one print job printed, how many copies and where to.
struct TTiskovaUloha
{
    QString Dokument; // the job's title
    int Kopii = 1;
    QString Tiskarna;    // the printer; empty when the copies were kept as files
    QStringList Soubory; // without a printer: one PDF file per copy
};

// Every print job that the print system took (or that was kept as files) ends here,
// once: the station's journal notes it and the user learns where files were kept.
void DokonciTisk(const QString &adrStanice, const TTiskovaUloha &uloha, IDotaznik &dotaznik);

// The name a document is kept under without a printer: what it is, the precinct and,
// when it has one, the council type, so that no document replaces another one.
QString NazevTisku(const QString &druh, const TOkrsekRefRec &okrsek);

// The directory Tisk/ of the installation, where documents are kept without a printer.
QString AdresarTisku(const QString &adrInstalace);

// The PDF file of copy `kopie` of a document: Tisk/<name>.pdf for the first copy,
// Tisk/<name>-<kopie>.pdf for the others, in the installation directory.
QString SouborTisku(const QString &adrInstalace, const QString &nazev, int kopie);

// Keeps recorded pages od..do as `kopie` PDF files named after the document
// (TNahled::NazevSouboru) and removes the files left from an earlier job of more
// copies. Returns the files, empty when there was nothing to print.
QStringList UlozKopie(TNahled &nahled, const QString &adrInstalace, int od, int doStrany,
                      int kopie);

// Sends recorded pages od..do, `kopie` times, to an installed printer as one job titled
// TitulUlohy, each page mapped from the sheet's corner, and asks the print system
// whether it took the job (PrijetiTisku); without a printer they are kept as files
// (UlozKopie) in the installation directory. Then DokonciTisk, unless the job was not
// taken: Tiskarna and Soubory stay empty then.
TTiskovaUloha VytiskniStrany(TNahled &nahled, QPrinter &tiskarna, int od, int doStrany, int kopie,
                             const TAdresare &adresare, IDotaznik &dotaznik);
