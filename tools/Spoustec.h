#pragma once

#include "Stanice.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The desktop launcher of one station: a desktop entry that starts the program on the
// station's installation, the way "ikonou na ploše" is meant.
struct TSpoustec
{
    QString Jmeno; // file name: zelkovar-<municipality>-<precinct>[-P].desktop
    QByteArray Obsah;
};

// `program`: the executable to start; `instalace`: the installation directory;
// `podadresar`: the station's P, or empty; `ikona`: the icon file. Throws for a path
// that a desktop entry cannot carry.
TSpoustec VytvorSpoustec(const TStaniceRec &stanice, const QString &program,
                         const QString &instalace, const QString &podadresar, const QString &ikona);

// Writes the launcher into `adresar`, executable as desktops want their launchers;
// returns its path.
QString ZapisSpoustec(const TSpoustec &spoustec, const QString &adresar);

// The user's desktop directory: XDG_DESKTOP_DIR, else the desktop of the user's directories.
QString PlochaUzivatele();

// Puts the launcher on the user's desktop (XDG_DESKTOP_DIR, else the desktop of the
// user's directories) marked trusted, and into the user's applications menu; returns
// the paths written.
QStringList ZapisSpoustecUzivateli(const TSpoustec &spoustec);
