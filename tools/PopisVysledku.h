#pragma once

#include "Instalace.h"
#include "Okrsek.h"

#include <QJsonValue>

#include <memory>

// One council type's results from a `porizeni` description, as the entry window
// stores them.
struct TPorizeniTypu
{
    TOkrsekRefRec Klic;
    std::unique_ptr<TVysledky> Vysledky = std::make_unique<TVysledky>();
};

// Reads one entry of the description's "vysledky" (`kde` names it in errors): the
// typed counts and votes, checked against the station's reference data, with every
// derived value computed as the entry window computes it. A bad entry: EChyba.
TPorizeniTypu VysledkyZPopisu(const QJsonValue &hodnota, const QString &kde,
                              const TStaniceNastroje &st);
