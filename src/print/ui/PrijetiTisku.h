#pragma once

#include <QString>

class IDotaznik;

// Whether the print system took a job: asked of CUPS, since Qt reports every job as
// sent. A print counts as done once an enabled queue holds it; the paper is not
// waited for.

// Before a job: true when the printer's queue will take it. Otherwise (the printer was
// removed, or its queue refuses jobs) the user is told that the document `titul` was
// not printed and what to do, and the journal of the station `adrStanice` says
// "tisk se nezdařil" with the reason.
bool FrontaPrijme(const QString &adrStanice, const QString &tiskarna, const QString &titul,
                  IDotaznik &dotaznik);

// After `dokumentu` documents titled `titul` were sent: true when an enabled queue
// holds them all. A stopped queue holds them unprinted: the user chooses whether they
// wait ("tisk čeká") or are cancelled ("tisk se nezdařil"). A job the print system
// does not know or dropped: "tisk se nezdařil". Every outcome but success is told.
bool TiskPrijat(const QString &adrStanice, const QString &tiskarna, const QString &titul,
                int dokumentu, IDotaznik &dotaznik);
