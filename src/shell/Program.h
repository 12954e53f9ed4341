#pragma once

#include "Dotaznik.h"
#include "StavProgramu.h"

#include <memory>

class QPrinter;

// The program state of the windows: the headless state plus the program's printer.
class TProgram : public TStavProgramu
{
public:
    explicit TProgram(std::unique_ptr<IDotaznik> dotaznik);
    ~TProgram() override;

    // The program's current printer; the default printer until the user picks another.
    QPrinter &Tiskarna();

private:
    std::unique_ptr<QPrinter> m_tiskarna;
};

// Shows the exception being handled (call only inside a catch block) as an error box.
// An EChyba carries its own Czech text; anything else is reported with what it says.
void ZobrazVyjimku(IDotaznik &dotaznik);
