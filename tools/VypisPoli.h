#pragma once

#include "Okrsek.h"

// Every field of a results record as "Name=value" lines, block by block.
QString VypisPoli(const TVysledky &v, bool sVolnymTextem);
