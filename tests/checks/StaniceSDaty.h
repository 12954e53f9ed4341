#pragma once

// A station on disk with the program state over it, as the program holds it after
// start: the station read, the error catalogue loaded, council type 1 of its precinct
// as the current key and the entry state (Vybrano 2). The check run, the entry window
// and their benchmarks start from it; `TDotaznik` answers the questions.
#include "Dotaznik.h"
#include "StavProgramu.h"
#include "ZkusebniOkrsek.h"

#include <QTemporaryDir>

#include <memory>

template <typename TDotaznik = TDotaznikFronta> struct TStaniceSDaty : TStavProgramu
{
    explicit TStaniceSDaty(const TParametryStanice &p = {})
        : TStavProgramu(std::make_unique<TDotaznik>())
    {
        Adresare = VytvorStanici(Adresar.path(), p);
        Stanice = NactiStanici(Adresare.AdrStanice);
        CiselnikChyb.Nacti(Adresare.AdrInstalace);
        PomTypZastup = 1;
        AktOkrsek = KlicOkrsku();
        Vybrano = 2;
    }

    TDotaznik &Dotaznik() const { return static_cast<TDotaznik &>(TStavProgramu::Dotaznik()); }

    // The results file of the current key with that prefix.
    QString Soubor(const QString &prefix) const
    {
        return JmenoSouboruOkrsku(Adresare, AktOkrsek, prefix);
    }
    void Uloz(const TVysledky &v, const QString &prefix = QStringLiteral("E"))
    {
        UlozOkrsek(Adresare, AktOkrsek, prefix, v);
    }

    QTemporaryDir Adresar;
};
