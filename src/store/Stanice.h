#pragma once

#include "NavstevaPole.h"

#include <QByteArray>
#include <QString>

// STANICE.RCD, record 0: the station this installation serves.
struct TStaniceRec
{
    static constexpr int Velikost = 256;
    QString NazevObce;
    QString KodObce;
    qint32 CisloOkrsku = 0;
    QString KodOkresu;
    QString NazevOkresu;
    QString DatumVoleb;
    QString Rezerva1;
    QString Rezerva2;
    QString PripFontu;
    QString KodWindows;
    QString Stav1; // export state of council type 1: "A", "N" or empty
    QString Stav2; // the same for type 2
    // The record as read; rewriting keeps the unused fields, the reserved areas and
    // the bytes past each string's length.
    QByteArray Surovy;
};

TStaniceRec DekodujStanici(const QByteArray &zaznam);
// Every string field of the record (all but CisloOkrsku).
void ProPoleRetezcu(TStaniceRec &s, const TNavstevaPole &f);

// Writes the fields over Surovy (over 256 zero bytes when Surovy is empty). A field
// whose value is unchanged keeps its bytes exactly. Throws EChyba naming the field
// when a text does not fit.
QByteArray ZakodujStanici(const TStaniceRec &s);

// Reads record 0 of STANICE.RCD in `adrStanice` (name in any letter case).
TStaniceRec NactiStanici(const QString &adrStanice);

// Sets the export state of one council type (Stav1 for type 1, Stav2 otherwise) in
// record 0 of STANICE.RCD, keeping every other byte of the file, and replaces
// `stanice` with the record as now stored.
void ZapisStavExportu(const QString &adrStanice, int typZastup, const QString &stav,
                      TStaniceRec &stanice);

// The export state of a council type: Stav1 for "1", Stav2 for "2", empty otherwise.
inline QString StavTypu(const TStaniceRec &s, const QString &typZastup)
{
    if (typZastup == u"1")
        return s.Stav1;
    if (typZastup == u"2")
        return s.Stav2;
    return QString();
}

// The election date as the entry window shows it.
inline QString DatumVolebText(const TStaniceRec &s)
{
    return s.DatumVoleb;
}
