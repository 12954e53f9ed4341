#include "Cisla.h"

#include "EChyba.h"

#include <limits>

qint32 PrevedCislo(const QString &text, const QString &popis)
{
    auto chyba = [&]() -> EChyba {
        return EChyba(QStringLiteral("Hodnota „%1“ v %2 není celé číslo.").arg(text, popis));
    };
    qsizetype i = 0;
    bool zaporne = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        zaporne = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        throw chyba();
    // Accumulate in 64 bits; the limit check stops long before it could overflow.
    qint64 hodnota = 0;
    const qint64 mez = zaporne ? -qint64(std::numeric_limits<qint32>::min())
                               : qint64(std::numeric_limits<qint32>::max());
    for (; i < text.size(); ++i) {
        const char16_t z = text.at(i).unicode();
        if (z < u'0' || z > u'9') // only ASCII digits; QChar::isDigit would take others
            throw chyba();
        hodnota = hodnota * 10 + (z - u'0');
        if (hodnota > mez)
            throw chyba();
    }
    return qint32(zaporne ? -hodnota : hodnota);
}
