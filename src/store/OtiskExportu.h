#pragma once

#include "Adresare.h"
#include "Reference.h"
#include "Stanice.h"

#include <QString>

// The fingerprint (SHA-256) of each council type's last exported file, kept by the
// installation so that the signed record can name the file it belongs to.

// The file that keeps the fingerprint of a council type's last export.
QString SouborOtisku(const TAdresare &adr, int typZastup);

// Notes the fingerprint (64 hex digits) of the file just exported for council type
// `typZastup`, atomically, in the data directory. A failed write raises EChyba.
void UlozOtiskExportu(const TAdresare &adr, int typZastup, const QString &sha256);

// The noted fingerprint, lower-case hex; empty when none was noted or the note is
// not a fingerprint.
QString NactiOtiskExportu(const TAdresare &adr, int typZastup);

// 64 hex digits as 16 groups of 4 separated by spaces, for paper.
QString OtiskVeSkupinach(const QString &sha256);

// The line the record's first sheet carries about the export: the fingerprint in
// groups while the type's export state is "A" and its current results file still has
// the noted fingerprint; otherwise why there is none.
QString RadekOtisku(const TAdresare &adr, const TOkrsekRefRec &klic, const TStaniceRec &stanice);
