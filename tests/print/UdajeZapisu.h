#pragma once

// The data the official record prints, owned in one place for the printing tests.
#include "Zapis.h"

#include <memory>

struct TUdajeZapisu
{
    TStaniceRec Stanice;
    TOkrsekRefRec Okrsek;
    std::unique_ptr<TReference> Ref = std::make_unique<TReference>();
    std::unique_ptr<TVysledky> Vysledky = std::make_unique<TVysledky>();
    THlasovaniRec Hlasovani;
    QList<TKomise> Komise;
    TCisChyb Ciselnik;
    TChybProt Protokol{Ciselnik};
    QString Otisk; // sheet 1's export line

    TDataZapisu Data() const
    {
        return {Stanice, Okrsek, *Ref, *Vysledky, Hlasovani, Komise, &Protokol, Otisk};
    }
};
