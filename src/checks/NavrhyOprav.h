#pragma once

#include "Chyby.h"
#include "Hlasovani.h"
#include "Kontroly.h"

#include <QList>
#include <QString>

#include <optional>

// A place in the entry window that an error or a hint leads to.
struct TPoleDat
{
    enum class TDruh
    {
        Zadne,
        ZapsOsoby,
        VydObalky,
        OdevzdObalky,
        PlatneHlasy,
        Kandidat,      // Strana and Kandidat
        Strana,        // the party list with party Strana shown
        StrankaII,     // page "T/3 - odd. II"
        StrankaIIPokr, // page "T/3 - odd. II pokračování"
        StrankaIII,    // page "T/3 - odd. III"
    };
    TDruh Druh = TDruh::Zadne;
    int Strana = 0;
    int Kandidat = 0;

    friend bool operator==(const TPoleDat &, const TPoleDat &) = default;
};

// "voliči v seznamu", "strana 3, kandidát 7"; empty for a page.
QString NazevPole(const TPoleDat &p);

// One likely mistyped field: what is stored and the value one slip would explain.
struct TNavrh
{
    TPoleDat Pole;
    qint64 Zapsano = 0;
    qint64 Mozna = 0;
    double Vaha = 0; // the higher, the likelier
};

// The likely mistyped fields of the record in d, at most three, the likeliest first;
// none when the data do not single any out. jiny: the other council type's counts.
// Reads the data only: the checks run in answer-only mode on a copy.
QList<TNavrh> NajdiNavrhy(const TDataKontrol &d, const std::optional<TInfo83Rec> &jiny);

// The suggestions that concern a protocol entry, in their order.
QList<TNavrh> NavrhyKChybe(const QList<TNavrh> &navrhy, const TChyba &c, const TOperandy &o);

// "Nejspíše chybně zapsáno: strana 3, kandidát 7 (zapsáno 222, možná 22)"; empty for none.
QString TextNapovedy(const QList<TNavrh> &navrhy);

// The field an entry leads to: its first suggestion, else the value it is about.
TPoleDat PoleChyby(const TChyba &c, const TOperandy &o, const QList<TNavrh> &navrhy);
