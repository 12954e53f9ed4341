#pragma once

#include "Tisk.h"

#include <QString>
#include <QStringList>

// What the test page reports about the system it runs on.
struct TZkusebniUdaje
{
    QString DatumVoleb;   // the station's election date
    QString NazevSystemu; // the operating system's product name
    QString Tiskarna;     // the current printer's name
    QStringList Fonty;    // font families available for printing
    int DpiNahledu = 96;
    int SirkaNahledu = 0;
    int VyskaNahledu = 0;
    int DpiObrazovky = 96;
    QString EmailPodpory; // a setting of the installation
};

// The font families available for printing. Fontconfig offers Arial and Courier New
// as aliases of their metric twins, so a face that resolves to a font other than the
// general fallback counts as available too.
QStringList FontyKDispozici();

// The support e-mail printed on the test page: key Tisk/EmailPodpory of zelkovar.ini in
// the installation directory, a placeholder address when it is not set.
QString NactiEmailPodpory(const QString &adrInstalace);

// The "Seznam fontů" value: which of the four faces of the printouts are available.
QString FontyProTisk(const QStringList &fonty);

// Builds the printer test page in the engine's recorder and titles the job "VYPIS".
void TiskZkusebniStrany(TTisk &t, const TZkusebniUdaje &u,
                        const QDateTime &ted = QDateTime::currentDateTime());
