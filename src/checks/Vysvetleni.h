#pragma once

#include "Chyby.h"

#include <QString>

// The explanation of a failed check in plain Czech, with the values it compared, for
// example "vydané obálky 1 211 > voliči v seznamu 1 203". Empty for a check that
// compares nothing worth showing.
QString Vysvetli(const TOperandy &o);

// A count as the commission reads it: thousands set apart by a space ("5 612").
QString CisloTextem(qint64 n);
