#include "Cisla.h"

#include "EChyba.h"

#include <limits>

std::optional<qint32> ZkusPrevestCislo(QStringView text)
{
    qsizetype i = 0;
    bool zaporne = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        zaporne = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate in 64 bits; the limit check stops long before it could overflow.
    qint64 hodnota = 0;
    const qint64 mez = zaporne ? -qint64(std::numeric_limits<qint32>::min())
                               : qint64(std::numeric_limits<qint32>::max());
    for (; i < text.size(); ++i) {
        const char16_t z = text.at(i).unicode();
        if (z < u'0' || z > u'9') // only ASCII digits; QChar::isDigit would take others
            return std::nullopt;
        hodnota = hodnota * 10 + (z - u'0');
        if (hodnota > mez)
            return std::nullopt;
    }
    return qint32(zaporne ? -hodnota : hodnota);
}

qint32 PrevedCislo(const QString &text, const QString &popis)
{
    if (const std::optional<qint32> cislo = ZkusPrevestCislo(text))
        return *cislo;
    throw EChyba(QStringLiteral("Hodnota „%1“ v %2 není celé číslo.").arg(text, popis));
}
