#pragma once

#include "EChyba.h"
#include "NavrhyOprav.h"
#include "Porovnani.h"
#include "RezimVstupu.h"
#include "StavProgramu.h"
#include "StojiciStrany.h"
#include "ZalohaSouboru.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

// A failed field check for the window to report: the error number of the catalogue,
// the text appended to it, whether it is a warning (iInfo) and whether its second
// button confirms (iPropust). The focus goes back to the field left, or to the valid
// votes of section II.
struct THlaseni
{
    qint32 Chyba = 0;
    QString Param;
    bool Info = false;
    bool Propust = false;
    bool NaPlatneHlasy = false;
    int Strana = 0; // the party a candidate's value belongs to, 0 for other fields
};

// The rules of what is typed in the entry window, without a widget: what a field
// stores when it is left, the sums and control numbers, the field checks, and the
// saves. The records typed are the program state's (Vysledky, Hlasovani, Komise);
// the window binds its fields to these rules and shows what they computed.
class TPravidlaVstupu
{
public:
    explicit TPravidlaVstupu(TStavProgramu &b);

    TStavProgramu &Stav() { return m_b; }
    const TRezimVstupu &Rezim() const { return *m_rezim; }
    void NastavRezim(bool kontrolni);
    // Whether the precinct elects both councils (INFOK83.RCD is kept then).
    bool DvaTypy = false;

    // Loads the current key's reference data and records for the mode. A file that
    // cannot be read raises EChyba; nothing may then be saved over it.
    void Nacti();

    // The party list: its items' texts and the party each stands for.
    int PocetStran() const;
    const QStringList &PolozkyStran() const { return m_polozky; }
    int StranaPolozky(int polozka) const;
    TStojiciStrana StojiciOd(int polozka) const;

    // The party on display on the ballot pages.
    void ZobrazStranu(int k);
    int PocetKandStrany() const { return m_pocetKandStrany; }
    int PoslPlatnyKand() const { return m_poslPlatnyKand; }
    bool Stoji(int i) const;
    QString JmenoKandidata(int i) const;
    // The next standing candidate after row i; 0 when none.
    int DalsiPlatnyKand(int i) const;
    // The standing candidate nearest to row i, the next one first on a tie; 0 when none.
    int NejblizsiKandidat(int i) const;

    // Exit rules: the field's text is stored as the record holds it and the sums are
    // recomputed; the stored value comes back as the field is to show it. A failed
    // check, if any, is returned for the window to report.
    QString PrevezmiPocet(TPoleDat::TDruh pole, const QString &text);
    // The checks of a section II count, run when it is left.
    std::optional<THlaseni> KontrolaPoctu(TPoleDat::TDruh pole);
    QString PrevezmiHlas(int k, int i, const QString &text);
    // Checks 23 and 24 of candidate i of party k, then 22 where the ballot ends.
    std::optional<THlaseni> KontrolaHlasu(int k, int i, bool konecListku);
    // Check 22 when the last party is left.
    std::optional<THlaseni> KontrolaKonceListku();
    void PrevezmiHlasovani(QString THlasovaniRec::*polozka, const QString &text, bool nulaPrazdna);
    void NastavVolbu(QString THlasovaniRec::*polozka, bool ano);
    // Members present of section III, from 2 on the commission's names are kept.
    int PocetClenuP() const;

    // Sums: a party's record and the control numbers.
    void ProcDopoctiHL(int k);
    void ProcDopoctiKC();
    // A party's identification before it is shown.
    void ObnovIdentifikaciStrany(int k);

    // Stores the records as the mode keeps them, every party and the closing record
    // recomputed first; `jmena` are the commission's names as typed. Journaled only
    // with `sDenikem`.
    void UlozZaznamy(const QStringList &jmena, bool sDenikem = true);
    QStringList SouboryUlozeni() const;
    // Stores with the check run: O without blocking errors, else E; then offers the
    // export and print flow.
    void UlozitSKontrolou(const std::function<void()> &exportTisk);

    // The page's files before its first idle save, put back (and journaled) when the
    // window closes without saving.
    void ZalohujStranku();
    void ZahodZalohuStranky() { m_zalohaStranky.Zahod(); }
    void VratStranku();

    // The control entry's end: what is stored compared with the first entry, choices
    // made before kept where both values are unchanged (Rozdily). True when they agree:
    // the control file is then removed.
    bool Porovnej();
    // The list of differences sets the choices in place.
    QList<TRozdil> &Rozdily() { return m_rozdily; }
    // Writes the values chosen in the list of differences into the first entry, asking
    // first when the data were exported; false when the user declines.
    bool ZapisZvolene();

    // What to correct when a typed value makes a field of the results file overflow.
    QString PopisPrilisVelke(const EPrilisVelkaHodnota &e) const;

private:
    TStavProgramu &m_b;
    std::unique_ptr<TRezimVstupu> m_rezim;
    QStringList m_polozky;
    std::array<int, MaxStran> m_porStrCB{};
    int m_pocetKandStrany = 0;
    int m_poslPlatnyKand = 0;
    int m_strana = 0;
    TZalohaSouboru m_zalohaStranky;
    QList<TRozdil> m_rozdily;
};
