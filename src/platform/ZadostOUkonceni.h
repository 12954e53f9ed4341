#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// Requests from outside to end the program: SIGTERM, SIGHUP and SIGINT (power button,
// closing the session, Ctrl+C) and the desktop session's logout. The handler only
// writes the signal's number to a socket; the request reaches the event loop as
// `Pozadano`, where it is safe to store data and end.
class TZadostOUkonceni : public QObject
{
    Q_OBJECT

public:
    // One per process: it owns the signals' handlers until it is destroyed.
    explicit TZadostOUkonceni(QObject *parent = nullptr);
    ~TZadostOUkonceni() override;

signals:
    // `duvod` names the request for the journal, e.g. "signál SIGTERM".
    void Pozadano(const QString &duvod);

private:
    void Precti();

    QSocketNotifier *m_notifier = nullptr;
    bool m_pozadano = false;
};
