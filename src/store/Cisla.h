#pragma once

#include <QString>

#include <optional>

// Strict decimal conversion of numbers held as text in the record files: an optional
// sign and at least one digit, nothing else (no blanks, no hex), within 32 bits.
// Anything else raises EChyba naming `popis` (which field of which record and file).
qint32 PrevedCislo(const QString &text, const QString &popis);

// The same conversion without the error: empty when `text` is not such a number.
std::optional<qint32> ZkusPrevestCislo(QStringView text);

// A number held as text with blanks around it, or 0 when it is none.
inline qint32 CisloNeboNula(const QString &text)
{
    return ZkusPrevestCislo(QStringView(text).trimmed()).value_or(0);
}
