#pragma once

#include <QList>
#include <QtGlobal>

// The ordinary slips of a typist on a number, from the true value to the typed one.
enum class TPreklep
{
    Zadny,
    Zdvojena,     // a digit typed twice: 22 -> 222
    Vynechana,    // a digit left out: 222 -> 22 (a single digit left out: empty, 0)
    PrvniCislice, // the leading digit wrong: 25 -> 85
    JinaCislice,  // another digit wrong: 25 -> 28
    Prohozeni,    // two neighbouring digits swapped: 25 -> 52
};

// Which slip turns spravne into zapsano; Zadny when none does (or they are equal).
TPreklep DruhPreklepu(qint64 spravne, qint64 zapsano);

// Every non-negative value that one slip of any kind turns into zapsano.
QList<qint64> Predlohy(qint64 zapsano);

// How ordinary a slip is, from 0 to 1: doubled and dropped digits are the commonest.
double Obvyklost(TPreklep druh);
