#pragma once

// Runs the station tool as a user runs it and collects what it said.
#include <QProcess>
#include <QString>
#include <QStringList>

struct TBeh
{
    int Kod = -1; // -1 when the tool crashed or did not finish
    QString Vystup;
    QString Chyby;
};

inline TBeh Spust(const QStringList &argumenty)
{
    QProcess p;
    p.start(QStringLiteral(NASTROJ), argumenty);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
