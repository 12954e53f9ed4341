#pragma once

#include "EChyba.h"

#include <QString>

// One writer per installation: an exclusive lock on a file in the station directory,
// held from construction to destruction and released by the system when the process
// ends, however it ends. The file names the holder, so a refused writer can say who
// is at work. The same process may take a lock it already holds (the entry window's
// save runs the check run and the export, which take it too).
class TZamek
{
public:
    enum class TDruh
    {
        Zapis,   // ZAPIS.LCK: anything that writes the installation's data
        Program, // PROGRAM.LCK: the program is running on the installation
    };

    // Takes the lock at once or raises EZamceno; a lock file that cannot be created
    // raises EChyba. Nothing ever waits. The first write lock of the process puts back
    // the files of a transaction that a killed writer left (saying so on stderr) and
    // removes the temporary files of killed saves.
    explicit TZamek(const QString &adrStanice, TDruh druh = TDruh::Zapis);
    ~TZamek();
    TZamek(const TZamek &) = delete;
    TZamek &operator=(const TZamek &) = delete;

    static QString JmenoSouboru(TDruh druh);

    // Whether work may go on without the lock: only where the lock file is absent and
    // cannot be made because nobody may write the station directory (a read-only
    // medium). A lock file that is there but broken never lets a second copy in.
    static bool LzeBezZamku(const QString &adrStanice, TDruh druh);

private:
    void DokonciPrerusene(const QString &adrStanice);
    static void Uvolni(const QString &cesta);

    QString m_cesta;
};

// Another process holds the lock; the text names it and the installation.
class EZamceno : public EChyba
{
public:
    EZamceno(QString zprava, QString drzitel)
        : EChyba(std::move(zprava)), Drzitel(std::move(drzitel))
    {
    }
    QString Drzitel; // the holder as its lock file describes it; empty when unknown
};
