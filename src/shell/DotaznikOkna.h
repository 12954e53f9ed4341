#pragma once

#include "Dotaznik.h"

// Real message boxes and dialogs.
class TDotaznikOkna : public IDotaznik
{
public:
    TOdpoved Zobraz(const TZprava &zprava) override;
    int ProvedDialog(const QString &nazev, const std::function<int()> &ukaz) override;
};
