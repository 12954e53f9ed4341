#pragma once

#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"

#include <QList>
#include <QString>

#include <optional>

// One field that the control entry typed otherwise than the first entry.
struct TRozdil
{
    int Stranka = 1;       // page of the entry window: 1 section II, 3 or 4 a candidate's votes
    int PoleII = -1;       // section II: index into the table of its counted fields
    int Strana = 0;        // party order number; 0 for section II
    QString ZkratkaStrany; // the party's short name
    int Kandidat = 0;      // candidate number; 0 for section II
    QString JmenoKandidata;
    QString Pole;  // as `precti --pole` names it: "VetaT3.ZapsOsoby", "StranyHL[3].HlasyKand[12]"
    QString Popis; // the field in the window's words
    qint64 Prvni = 0;
    qint64 Kontrolni = 0;
    std::optional<qint64> Zvoleno; // the value the commission chose
    bool PotvrzenoZapisem = false; // decided by typing the value once more, not by a choice
};

// Every typed field of the two entries that differs: the four counts of section II,
// then party by party (1..PocetStranSeznamu) every candidate's votes (1..PocetKand).
// Derived values (sums, control numbers) are not compared: they follow from these.
QList<TRozdil> PorovnejPorizeni(const TVysledky &prvni, const TVysledky &kontrolni,
                                const TReference &ref);

// The same against the current results file of the key (read only when the
// installation is opened for reading). No stored results: EChyba.
QList<TRozdil> PorovnejSUlozenymi(const TAdresare &adr, const TOkrsekRefRec &klic,
                                  const TReference &ref, const TVysledky &kontrolni);

// The entries are equal: the journal records it and the control file goes.
void UzavriShodu(const TAdresare &adr, const TOkrsekRefRec &klic);

// Writes every difference's chosen value into `v`. EChyba when one is undecided.
void PrevezmiZvolene(TVysledky &v, const QList<TRozdil> &rozdily);

// The commission's decision into the results file: loads the current results of the
// key, refuses (EChyba) when they no longer hold the compared first values, takes the
// chosen values, recomputes every derived value, saves as "E" marked not exported
// (INFOK83.RCD too where the precinct elects both councils) and removes the control
// file. Nothing is written before every difference is decided. The journal gets one
// line per difference: the field, the value written and how it was decided.
void ZapisRozhodnuti(const TAdresare &adr, const TOkrsekRefRec &klic, const TReference &ref,
                     TStaniceRec &stanice, bool dvaTypy, const QList<TRozdil> &rozdily);
