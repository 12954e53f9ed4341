#pragma once

#include <QString>

// Who will own what `stanice` writes. The program can only save into an installation
// that the commission's user can write, and a launcher on a desktop must belong to the
// desktop's user; both go wrong quietly when the tool runs as root.

// A warning when the installation in `cil` would belong to another user than the one
// who will run the program (the owner of the directory it is made in, or the user who
// called sudo); empty when all is well.
QString VarovaniVlastnika(const QString &cil);

// Why the launcher must not go onto the desktop `plocha` (it would belong to another
// user than the desktop's); empty when it may.
QString DuvodOdmitnutiPlochy(const QString &plocha);
