#pragma once

#include <QList>
#include <QString>

// What the print system (CUPS) says about a queue and the jobs sent to it, where Qt
// gives no answer. The server is the one libcups is pointed at (CUPS_SERVER included).

struct TStavFronty
{
    bool Existuje = false;     // the print system knows the queue
    bool PrijimaUlohy = false; // false after cupsreject: a job is refused
    bool Zastavena = false;    // after cupsdisable: a job is accepted and held
    QString Duvod;             // the queue's message or state reasons, for people
};

TStavFronty StavFronty(const QString &fronta);

// The queue's jobs titled `titul`, by what became of them.
struct TUlohyFronty
{
    int Prijate = 0;     // printing, printed, or waiting in an enabled queue
    QList<int> Cekajici; // pending, held or stopped: their ids
    int Nezdarene = 0;   // cancelled or aborted
};

TUlohyFronty UlohySTitulem(const QString &fronta, const QString &titul);

// Cancels a job; false when the print system refuses.
bool ZrusUlohu(const QString &fronta, int id);
