#pragma once

#include "Okrsek.h"

// The control entry: a second member's blind re-typing of the counts and the votes of
// one council type, kept in a protected file of its own with the results file's
// layout and prefix "K". Nothing reads it as results; saving it never touches the
// "O" and "E" files.
namespace KontrolniPorizeni {

inline const QString Prefix = QStringLiteral("K");

QString JmenoSouboru(const TAdresare &adr, const TOkrsekRefRec &klic);
bool Existuje(const TAdresare &adr, const TOkrsekRefRec &klic);

// Loads the control entry into `v` (Vety6 untouched); false, with the record empty,
// when there is none. A damaged file raises EChyba naming it.
bool Nacti(const TAdresare &adr, const TOkrsekRefRec &klic, TVysledky &v);

// Replaces the control file atomically; a failure leaves the previous one as it was.
// Journaled unless `sDenikem` is false.
void Uloz(const TAdresare &adr, const TOkrsekRefRec &klic, const TVysledky &v,
          bool sDenikem = true);

// Removes the control file; `proc` says why in the journal.
void Smaz(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &proc);

// Sets the control file aside into data/Zrusena/ (a damaged one, or one the member
// starts again instead of continuing); `proc` says why in the journal. Returns the
// kept copy's path, empty when there was no control file.
QString OdlozStranou(const TAdresare &adr, const TOkrsekRefRec &klic, const QString &proc);

// The time of the control entry's last save, from the file's own closing record
// ("HH:MM"); empty when the file does not say.
QString CasUlozeni(const TVysledky &v);

} // namespace KontrolniPorizeni
