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

// A record of T::Velikost bytes with its string fields read.
template <typename T, std::size_t N>
T Dekoduj(const QByteArray &zaznam, const TPoleRetezce<T> (&pole)[N], const QString &soubor)
{
    Zaznam::OverDelku(zaznam, T::Velikost, soubor);
    T r;
    Cti(r, zaznam, pole);
    return r;
}

// The record in zero bytes, so padding and the bytes past each string are zero; errors
// name the field as "SOUBOR.Pole".
template <typename T, std::size_t N>
QByteArray Zakoduj(const T &r, const TPoleRetezce<T> (&pole)[N], const QString &soubor)
{
    QByteArray z(T::Velikost, '\0');
    for (const TPoleRetezce<T> &p : pole)
        Zaznam::ZapisRetezec(z, p.posun, p.max, r.*p.pole,
                             soubor + u'.' + QString::fromUtf16(p.nazev));
    return z;
}

// The record's bytes as read (zero bytes for a new record) with the changed string
// fields written over them.
template <typename T, std::size_t N>
QByteArray ZakodujPresSurovy(const T &r, const TPoleRetezce<T> (&pole)[N], const QString &soubor)
{
    QByteArray z = r.Surovy.size() == T::Velikost ? r.Surovy : QByteArray(T::Velikost, '\0');
    ZapisZmenene(z, r, pole, soubor);
    return z;
}

} // namespace PoleRetezcu
