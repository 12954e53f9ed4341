#pragma once

#include "Okrsek.h"
#include "Stanice.h"

#include <QDateTime>

// The header's identification from the precinct's reference record: record type,
// district, municipality, precinct, council type, constituency, council municipality
// and the number of parties.
void VyplnIdentifikaci(TOkrsekRec &h, const TOkrsekRefRec &okr);

// Party k's identification copied from the header: record type 2, district,
// municipality, precinct, KČ1, council type and the party's order number.
void VyplnIdentifikaciStrany(TStranaHLRec &s, const TOkrsekRec &h, int k);

// The header's control numbers KČ1 and KČ2 from its own fields (32-bit sum, as the
// record holds it).
void ProcDopoctiKC(TOkrsekRec &h);

// Party k's derived values from its candidate votes 1..pocetKand and the header:
// identification, votes, KČ2, the last candidate with votes and the check sum; then
// the header's count of parties with votes over parties 1..pocetStran and its KČ2.
void ProcDopoctiHL(TVysledky &v, int k, int pocetKand, int pocetStran);

// Every derived value of the record as the entry window computes it before a save:
// each party of the party list (with its number of candidates), the header's control
// numbers and the closing record.
void DopoctiOkrsek(TVysledky &v, const TReference &ref, const TStaniceRec &stanice);

// Fills the closing record VetaTS from the header and the parties 1..pocetStran:
// identification, time of entry, a random number, the control sums and the check
// sum over them. SeznamChyb is kept. A KodWindows that is not a number: EChyba.
void ProcDopoctiTS(TVysledky &v, int pocetStran, const TStaniceRec &stanice);
// The same with the time and the random number given (for tests).
void ProcDopoctiTS(TVysledky &v, int pocetStran, const TStaniceRec &stanice, const QDateTime &cas,
                   qint32 nahodneCislo);

// The control sums of the closing record over the header and parties 1..pocetStran,
// and its check sum over them: what ProcDopoctiTS stores and a reader verifies.
struct TSouctyTS
{
    qint64 KC1 = 0;
    qint64 KC2 = 0;
    qint64 KS = 0;
};
TSouctyTS SouctyTS(const TVysledky &v, int pocetStran);
double KontrolniSoucetTS(const TVetaTS &z);
