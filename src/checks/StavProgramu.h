#pragma once

#include "Adresare.h"
#include "Chyby.h"
#include "Dotaznik.h"
#include "Hlasovani.h"
#include "Kontroly.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

// The program-wide state of one run, without any window or printer: the program, the
// check run, the export and the tool all work on one instance, so a test can start
// from a fresh one.
class TStavProgramu
{
public:
    explicit TStavProgramu(std::unique_ptr<IDotaznik> dotaznik);
    virtual ~TStavProgramu();
    TStavProgramu(const TStavProgramu &) = delete;
    TStavProgramu &operator=(const TStavProgramu &) = delete;

    IDotaznik &Dotaznik() const { return *m_dotaznik; }

    // AktOkrsek := the station's municipality and precinct with PomTypZastup as type.
    void NastavKlic();

    // Looks up both council types of the station's precinct in OKRSKY.RCD and sets
    // JeZastup1, JeZastup2 and PomTypZastup (the last type found).
    void ZjistiTypyZastup();

    // The export state of AktOkrsek's council type: Stav1, Stav2, or empty for others.
    QString StavExportuAktualnihoTypu() const;

    TDataKontrol Data() { return {Adresare, AktOkrsek, Reference, Vysledky, Stav, ProtokolChyb}; }

    TAdresare Adresare;
    TStaniceRec Stanice;
    QString DatumVolebText;
    TOkrsekRefRec AktOkrsek;
    TReference Reference;
    TVysledky Vysledky;
    QString SouborNapovedy; // full path of Zelkovar.html

    // Sections I and III and the commission names, shared by both council types.
    THlasovaniRec Hlasovani;
    QList<TKomise> Komise;

    // The error catalogue (read at the first show), the protocol and flags of the last
    // check run.
    TCisChyb CiselnikChyb;
    TChybProt ProtokolChyb{CiselnikChyb};
    TKontrolniStav Stav;
    // Prints the protocol of checks at the end of a run with Vybrano 5. The printing
    // fills it in; while it is empty nothing is printed.
    std::function<void()> TiskProtokolu;

    // State of the main window, read and set by the commands.
    bool KontrolyOK = false;
    bool ExportOK = false;
    bool Cvicna = false; // a training station: marked printouts and export files
    bool DataOK = false;
    bool JeZastup1 = false;
    bool JeZastup2 = false;
    quint16 PomTypZastup = 0;
    // 2 entry or idle, 3 export from the menu, 4 export after save, 5 checks (the run
    // then prints the protocol of checks and resets the section flags)
    int Vybrano = 0;

private:
    std::unique_ptr<IDotaznik> m_dotaznik;
};
