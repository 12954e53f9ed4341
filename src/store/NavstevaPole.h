#pragma once

#include <QString>

#include <functional>

// Called with the name (as in the struct) and the member of each string field of a
// record, in record order; lets descriptions address fields by name.
using TNavstevaPole = std::function<void(const QString &jmeno, QString &hodnota)>;
