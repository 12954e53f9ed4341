#pragma once

#include "Adresare.h"
#include "Chyby.h"
#include "Dotaznik.h"
#include "Hlasovani.h"
#include "KontrolniBeh.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;

// The program-wide state of one run. Every window and command works on one instance,
// so a test can start from a fresh one.
class TProgram
{
public:
    explicit TProgram(std::unique_ptr<IDotaznik> dotaznik);
    ~TProgram();
    TProgram(const TProgram &) = delete;
    TProgram &operator=(const TProgram &) = delete;

    IDotaznik &Dotaznik() const { return *m_dotaznik; }

    // The program's current printer; the default printer until the user picks another.
    QPrinter &Tiskarna();

    // AktOkrsek := the station's municipality and precinct with PomTypZastup as type.
    void NastavKlic();

    // Looks up both council types of the station's precinct in OKRSKY.RCD and sets
    // JeZastup1, JeZastup2 and PomTypZastup (the last type found).
    void ZjistiTypyZastup();

    // The export state of AktOkrsek's council type: Stav1, Stav2, or empty for others.
    QString StavExportuAktualnihoTypu() const;

    // The check run's view of this state, for the check command and its callers.
    TKontrolniBeh KontrolniBeh();

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
    TKontrolniStav KontrolniStav;
    // Prints the protocol of checks after a run from the menu or from saving; the
    // printing fills it in.
    std::function<void()> TiskProtokolu;

    // State of the main window, read and set by the commands.
    bool KontrolyOK = false;
    bool ExportOK = false;
    bool DataOK = false;
    bool JeZastup1 = false;
    bool JeZastup2 = false;
    bool Cvicna = false; // a training station: marked printouts and export files
    quint16 PomTypZastup = 0;
    int Vybrano = 0; // 2 entry or idle, 3 export from the menu, 4 export after save, 5 checks

private:
    std::unique_ptr<IDotaznik> m_dotaznik;
    std::unique_ptr<QPrinter> m_tiskarna;
};

// Shows the exception being handled (call only inside a catch block) as an error box.
// An EChyba carries its own Czech text; anything else is reported with what it says.
void ZobrazVyjimku(IDotaznik &dotaznik);
