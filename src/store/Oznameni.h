#pragma once

#include <QString>

// Notices for the user that a writer leaves for the program's next start: what an
// interrupted save left behind and what became of it. Kept in OZNAMENI.TXT of the
// station directory until the program has shown them once.
namespace Oznameni {

// Appends one notice (durably; a failure raises EChyba naming the file).
void Pridej(const QString &adrStanice, const QString &text);

// The notices left so far, then removes them; empty when there are none.
QString Vezmi(const QString &adrStanice);

} // namespace Oznameni
