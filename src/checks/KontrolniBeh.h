#pragma once

#include "Adresare.h"
#include "Chyby.h"
#include "Dotaznik.h"
#include "Hlasovani.h"
#include "Kontroly.h"
#include "NavrhyOprav.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"

#include <QList>
#include <QString>

#include <functional>

// Everything the check run and the check command read and change. The program holds
// the objects; the menu and the tool build this view over them, so both run the
// same code.
struct TKontrolniBeh
{
    IDotaznik &Dotaznik;
    const TAdresare &Adresare;
    TStaniceRec &Stanice;
    TOkrsekRefRec &AktOkrsek;
    TReference &Reference;
    TVysledky &Vysledky;
    THlasovaniRec &Hlasovani;
    QList<TKomise> &Komise;
    TChybProt &ProtokolChyb;
    TKontrolniStav &Stav;
    quint16 &PomTypZastup;
    int &Vybrano; // 5: the run prints the protocol of checks and resets the section flags
    bool &DataOK;
    bool &KontrolyOK;
    bool &ExportOK;

    // Prints the protocol of checks at the end of a run with Vybrano 5. The printing
    // fills it in; while it is empty nothing is printed.
    std::function<void()> TiskProtokolu;

    TDataKontrol Data() { return {Adresare, AktOkrsek, Reference, Vysledky, Stav, ProtokolChyb}; }
};

// The check run on the current key: loads the stored data, applies every check,
// marks the station's data as not exported (unless the installation is only read)
// and sets KontrolyOK and ExportOK.
// False when the key is not in OKRSKY.RCD: the record in memory is then empty and
// nothing else has changed.
bool Kontroly(TKontrolniBeh &b);

// All checks in their fixed order over the data in memory; fills the protocol.
void ProvedKontroly(TKontrolniBeh &b);

// The likely mistyped fields of the data the last run examined, anchored also by the
// other council type's counts in INFOK83.RCD when it holds them.
QList<TNavrh> NavrhyBehu(TKontrolniBeh &b);

// The commission check (error 39) over section III; sets stav.ProblemyKomise and on
// failure marks 39. Names missing from the list count as empty names.
bool KontrolaKomise(const THlasovaniRec &h, const QList<TKomise> &komise,
                    const QString &kodObceStanice, TKontrolniStav &stav, TVysledky &v);

enum class TVysledekKontroly
{
    Zruseno,         // exported data and the user did not want them checked again
    DataNejsou,      // no results file of the key
    OkrsekNenalezen, // the key is not in OKRSKY.RCD; stored data untouched
    Provedeno,       // checked and stored as "O" (no blocking error) or "E"
};

// The check command of the menu for PomTypZastup.
TVysledekKontroly KontrolaDat(TKontrolniBeh &b);

inline const QString TitulekKontrolaDat = QStringLiteral("Kontrola dat");
