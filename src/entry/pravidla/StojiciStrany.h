#pragma once

#include "Reference.h"

#include <QStringList>

// The ballot walk passes over a party with nobody standing: there is no field to type its
// votes into, and stopping on it would let the next digits fall into the party list.

// Whether party k (its order number on the ballot) has a candidate who stands.
bool StojiNekdo(const TReference &reference, int k);

struct TStojiciStrana
{
    int Polozka = -1;       // the party list's item, -1 when no party after it stands
    QStringList Preskocene; // the items passed over, as the list shows them
};

// From list item `od` on, the first item whose party has somebody standing. `strany`
// holds each item's party number, `texty` its text.
TStojiciStrana PrvniStojici(const TReference &reference, const QList<int> &strany,
                            const QStringList &texty, int od);

// The status line's note of parties passed over; empty when there are none.
QString TextPreskocenych(const QStringList &preskocene);
