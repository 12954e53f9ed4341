#pragma once

#include "Adresare.h"
#include "Dotaznik.h"
#include "Okrsek.h"
#include "Reference.h"
#include "Stanice.h"

#include <QString>

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

    TAdresare Adresare;
    TStaniceRec Stanice;
    QString DatumVolebText;
    TOkrsekRefRec AktOkrsek;
    TReference Reference;
    TVysledky Vysledky;
    QString SouborNapovedy; // full path of Zelkovar.html

    // State of the main window, read and set by the commands.
    bool KontrolyOK = false;
    bool ExportOK = false;
    bool DataOK = false;
    bool JeZastup1 = false;
    bool JeZastup2 = false;
    quint16 PomTypZastup = 0;
    int Vybrano = 0; // 2 entry or idle, 3 export from the menu, 4 export after save, 5 checks

private:
    std::unique_ptr<IDotaznik> m_dotaznik;
    std::unique_ptr<QPrinter> m_tiskarna;
};

// Shows the exception being handled (call only inside a catch block) as an error box.
// An EChyba carries its own Czech text; anything else is reported with what it says.
void ZobrazVyjimku(IDotaznik &dotaznik);
