#pragma once

#include "StavProgramu.h"

#include <QString>
#include <QStringList>

#include <memory>

class TPravidlaVstupu;

// How the entry keeps what is typed. The first entry works on every page and stores
// the results, sections I and III; the control entry is typed blind on pages 1 to 4
// into a file of its own and compared with the first entry at its end.
class TRezimVstupu
{
public:
    virtual ~TRezimVstupu() = default;

    static std::unique_ptr<TRezimVstupu> Vytvor(bool kontrolni);

    virtual bool Kontrolni() const = 0;
    // Put before the window's caption.
    virtual QString PredTitulkem() const = 0;
    virtual int PrvniStranka() const = 0;
    virtual int PocetStranek() const = 0;
    // Where the end of the ballot leads.
    virtual int StrankaPoListku() const = 0;
    // A stored count or vote as its field shows it.
    virtual QString TextHodnoty(qint64 hodnota) const = 0;

    virtual void NactiVysledky(TStavProgramu &b) const = 0;
    // The files a save writes, to put them back when the window closes without saving.
    virtual QStringList SouboryUlozeni(const TStavProgramu &b) const = 0;
    // Stores the computed records; `jmena` are the commission's names as typed.
    virtual void Uloz(TPravidlaVstupu &p, const QStringList &jmena, bool sDenikem) const = 0;
    // After the files were put back: reread what the program holds of them.
    virtual void PoObnoveni(TStavProgramu &b) const = 0;
};
