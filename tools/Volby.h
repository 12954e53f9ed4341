#pragma once

#include <QMap>
#include <QSet>
#include <QStringList>

#include <optional>

// What one command takes on its command line. Adding an option is adding its name
// to one of the lists.
struct TPopisPrikazu
{
    QString Jmeno;         // "export"
    const char *Napoveda;  // printed for --help
    QStringList Argumenty; // names of the plain arguments, in order: {"INSTALACE"}
    QStringList SHodnotou; // options with a value: {"--typ", "--podadresar"}
    QStringList Prepinace; // switches: {"--ano"}
};

// The parsed command line of one command.
struct TVolby
{
    QStringList Volne;              // the plain arguments, as many as the command names
    QMap<QString, QString> Hodnoty; // "--typ" → "1"
    QSet<QString> Prepinace;        // "--ano"
    // Set when the command ends at once with this exit code: 0 after printing its
    // --help, KodPouziti after telling the user what is wrong with the command line.
    std::optional<int> Konec;

    QString Hodnota(const QString &volba) const { return Hodnoty.value(volba); }
    bool Ma(const QString &volba) const
    {
        return Hodnoty.contains(volba) || Prepinace.contains(volba);
    }
};

// Parses the arguments of a command the way command-line tools do: options before,
// between or after the plain arguments, "--typ 1" or "--typ=1", "--" ending the
// options, -h or --help. Also refuses a --typ other than 1 or 2 and a --podadresar
// that is not the name of one directory.
TVolby RozeberVolby(const TPopisPrikazu &popis, const QStringList &argumenty);
