#pragma once

// The string fields of a record as one table (offset, maximum length, member, name),
// so that reading, writing and naming a record's fields is one loop each.
#include "NavstevaPole.h"
#include "Zaznam.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

template <typename T> struct TPoleRetezce
{
    int posun;
    int max;
    QString T::*pole;
    const char16_t *nazev;
};

namespace PoleRetezcu {

template <typename T, std::size_t N>
void Navstiv(T &r, const TPoleRetezce<T> (&pole)[N], const TNavstevaPole &f)
{
    for (const TPoleRetezce<T> &p : pole)
        f(QString::fromUtf16(p.nazev), r.*p.pole);
}

template <typename T, std::size_t N>
void Cti(T &r, const QByteArray &zaznam, const TPoleRetezce<T> (&pole)[N])
{
    for (const TPoleRetezce<T> &p : pole)
        r.*p.pole = Zaznam::CtiRetezec(zaznam, p.posun, p.max);
}

// Writes every field; errors name the field as "SOUBOR.Pole".
template <typename T, std::size_t N>
void Zapis(QByteArray &z, const T &r, const TPoleRetezce<T> (&pole)[N], const QString &soubor)
{
    for (const TPoleRetezce<T> &p : pole)
        Zaznam::ZapisRetezec(z, p.posun, p.max, r.*p.pole,
                             soubor + u'.' + QString::fromUtf16(p.nazev));
}

// Writes only the fields whose text changed, so an unchanged field keeps the bytes
// past its length exactly as read.
template <typename T, std::size_t N>
void ZapisZmenene(QByteArray &z, const T &r, const TPoleRetezce<T> (&pole)[N],
                  const QString &soubor)
{
    for (const TPoleRetezce<T> &p : pole) {
        const QString &hodnota = r.*p.pole;
        if (Zaznam::CtiRetezec(z, p.posun, p.max) != hodnota)
            Zaznam::ZapisRetezec(z, p.posun, p.max, hodnota,
                                 soubor + u'.' + QString::fromUtf16(p.nazev));
    }
}

} // namespace PoleRetezcu
