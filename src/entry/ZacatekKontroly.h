#pragma once

#include "Adresare.h"
#include "Dotaznik.h"
#include "Reference.h"

// Before the control entry opens on an existing control file: a damaged one may be set
// aside to start afresh ("Ano"), and an interrupted one says since when it waits and
// may be set aside to start again. False: the control entry does not open.
bool PripravKontrolniPorizeni(IDotaznik &dotaznik, const TAdresare &adr, const TOkrsekRefRec &klic);
