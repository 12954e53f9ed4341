#include "ZadostOUkonceni.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Signaly[] = {SIGTERM, SIGHUP, SIGINT};

// The handler's only state; a signal handler cannot reach an object.
int g_zapis = -1;

void Obsluha(int signal)
{
    const int puvodni = errno;
    const char c = char(signal);
    // A full socket already holds a request; losing this one changes nothing.
    [[maybe_unused]] const ssize_t n = ::write(g_zapis, &c, 1);
    errno = puvodni;
}

QString NazevSignalu(int signal)
{
    switch (signal) {
    case SIGTERM:
        return u"SIGTERM"_s;
    case SIGHUP:
        return u"SIGHUP"_s;
    case SIGINT:
        return u"SIGINT"_s;
    default:
        return QString::number(signal);
    }
}

} // namespace

TZadostOUkonceni::TZadostOUkonceni(QObject *parent) : QObject(parent)
{
    int sokety[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sokety) != 0)
        return; // the signals then end the program as before
    g_zapis = sokety[0];
    m_notifier = new QSocketNotifier(sokety[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { Precti(); });
    for (const int signal : Signaly) {
        struct sigaction a = {};
        a.sa_handler = Obsluha;
        sigemptyset(&a.sa_mask);
        a.sa_flags = SA_RESTART;
        ::sigaction(signal, &a, nullptr);
    }
#if QT_CONFIG(sessionmanager)
    if (auto *aplikace = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // The session asks once before logging out; the data are stored then.
        connect(aplikace, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
            if (!m_pozadano) {
                m_pozadano = true;
                emit Pozadano(u"odhlášení ze sezení"_s);
            }
        });
    }
#endif
}

TZadostOUkonceni::~TZadostOUkonceni()
{
    if (!m_notifier)
        return;
    for (const int signal : Signaly)
        ::signal(signal, SIG_DFL);
    ::close(g_zapis);
    ::close(int(m_notifier->socket()));
    g_zapis = -1;
}

void TZadostOUkonceni::Precti()
{
    char c = 0;
    while (::read(int(m_notifier->socket()), &c, 1) == 1) {
        // Repeated signals while the first is being served add nothing.
        if (m_pozadano)
            continue;
        m_pozadano = true;
        emit Pozadano(u"signál "_s + NazevSignalu(int(static_cast<unsigned char>(c))));
    }
}
