#pragma once

#include <QString>

// The reason of a failed system call, for messages that are shown in Czech: the
// usual errno values of file work have a Czech text; any other is given by its
// number and the system's own text.
QString PopisChybySystemu(int cislo);
