#pragma once

#include "Adresare.h"

#include <QString>

// The first place of the installation that the running user cannot write, with the
// system's reason; empty when every one can be written. The places are the directories
// whose files the program replaces (station, data, installation, Export/) and the files
// it appends to or locks in place (the journal, the lock files).
QString NezapisovatelneMisto(const TAdresare &adr);
