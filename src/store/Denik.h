#pragma once

#include <QString>

#include <functional>

// The installation's journal: DENIK.TXT in the station directory, one UTF-8 line per
// event (time, program and process, what happened), appended and handed to the system
// at once. Writing it never stops the work. Every line names its station directory;
// the journal keeps no directory of its own. What it keeps per process is set once at
// the start, before any work: how the process names itself and whom it tells that
// the journal cannot be written.
namespace Denik {

inline const QString JmenoSouboru = QStringLiteral("DENIK.TXT");

// Appends one line. A failure raises nothing: the first failure of the process is
// passed to the handler of NastavHlaseni (stderr when none is set); later ones only
// when the handler was reset.
void Zapis(const QString &adrStanice, const QString &udalost);

// The same, synced to the disk before it returns: for a line that must survive a power
// cut together with the state it records (an export, a removal, a roll-back), written
// before that state becomes visible.
void ZapisTrvale(const QString &adrStanice, const QString &udalost);

// Raises EChyba when something other than a regular file stands in the journal's
// place (a FIFO, a device): work on such an installation does not begin, since
// nothing it does would be recorded. A missing journal is fine; it is created.
void Over(const QString &adrStanice);

// Who is told that the journal cannot be written (once per process).
void NastavHlaseni(std::function<void(const QString &zprava)> hlaseni);

// How this process names itself in the journal, e.g. "zelkovar-nastroj export".
void NastavKdo(const QString &kdo);
QString Kdo();

} // namespace Denik
