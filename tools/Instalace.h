#pragma once

#include "Adresare.h"
#include "Stanice.h"

#include <QString>

#include <optional>

// The station of an installation, found as the program finds it at start.
struct TStaniceNastroje
{
    TAdresare Adresare;
    TStaniceRec Stanice;
};

// Empty, after telling the user, when the installation (or its subdirectory P) holds
// no station; `prikaz` names the command in that message.
std::optional<TStaniceNastroje> OtevriStanici(const QString &prikaz, const QString &instalace,
                                              const QString &podadresar);

// Whether OKRSKY.RCD lists the station's precinct for that council type.
bool MaTyp(const TAdresare &adr, const TStaniceRec &stanice, const QString &typ);
