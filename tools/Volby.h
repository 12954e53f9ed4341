#pragma once

#include <QMap>
#include <QSet>
#include <QStringList>

#include <optional>

// The arguments of one command: plain arguments, options with a value, switches.
struct TVolby
{
    QStringList Volne;
    QMap<QString, QString> Hodnoty; // "--typ" → "1"
    QSet<QString> Prepinace;        // "--ano"

    QString Hodnota(const QString &volba) const { return Hodnoty.value(volba); }
    bool Ma(const QString &volba) const
    {
        return Hodnoty.contains(volba) || Prepinace.contains(volba);
    }
};

// Splits the arguments of `prikaz`. Empty after telling the user about an unknown or
// incomplete option, a --typ other than 1 or 2, or a --podadresar that is not the name
// of one directory.
std::optional<TVolby> RozeberVolby(const QString &prikaz, const QStringList &argumenty,
                                   const QStringList &sHodnotou, const QStringList &prepinace = {});
