#include "UkladaniPriNecinnosti.h"

#include <QCoreApplication>
#include <QEvent>

TUkladaniPriNecinnosti::TUkladaniPriNecinnosti(QObject &okno, std::function<bool()> viditelne,
                                               std::function<bool(QObject *)> patri,
                                               std::function<QString()> otisk,
                                               std::function<QString(bool)> uloz,
                                               std::function<void(const QString &)> hlas)
    : QObject(&okno), m_viditelne(std::move(viditelne)), m_patri(std::move(patri)),
      m_otisk(std::move(otisk)), m_uloz(std::move(uloz)), m_hlas(std::move(hlas))
{
    m_necinnost.setSingleShot(true);
    m_necinnost.setInterval(NecinnostMs);
    m_nejdele.setSingleShot(true);
    m_nejdele.setInterval(NejdeleMs);
    connect(&m_necinnost, &QTimer::timeout, this, [this] { UlozJeLiTreba(true); });
    connect(&m_nejdele, &QTimer::timeout, this, [this] { UlozJeLiTreba(false); });
    QCoreApplication::instance()->installEventFilter(this);
}

TUkladaniPriNecinnosti::~TUkladaniPriNecinnosti()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void TUkladaniPriNecinnosti::Ulozeno()
{
    m_ulozeno = m_otisk();
    m_zapsanoVUseku = false;
}

void TUkladaniPriNecinnosti::Zastav()
{
    m_necinnost.stop();
    m_nejdele.stop();
}

void TUkladaniPriNecinnosti::UlozJeLiTreba(bool konecUseku)
{
    if (Pozastaveno) {
        m_necinnost.start();
        return;
    }
    Zastav();
    if (!m_viditelne())
        return;
    if (m_otisk() != m_ulozeno) {
        const QString chyba = m_uloz(!m_zapsanoVUseku);
        if (chyba.isEmpty()) {
            m_ulozeno = m_otisk();
            m_zapsanoVUseku = true;
            if (m_chybaOhlasena)
                m_hlas(QString());
            m_chybaOhlasena = false;
        } else if (!m_chybaOhlasena) {
            // Once: the next keys try again, and a box would take the typed digits.
            m_chybaOhlasena = true;
            m_hlas(chyba);
        }
    }
    // A pause ends the typing period; the next one gets its own journal line.
    if (konecUseku)
        m_zapsanoVUseku = false;
}

bool TUkladaniPriNecinnosti::eventFilter(QObject *objekt, QEvent *udalost)
{
    const QEvent::Type typ = udalost->type();
    if ((typ == QEvent::KeyPress || typ == QEvent::MouseButtonRelease) && objekt->isWidgetType() &&
        m_viditelne() && m_patri(objekt)) {
        m_necinnost.start();
        if (!m_nejdele.isActive())
            m_nejdele.start();
    }
    return QObject::eventFilter(objekt, udalost);
}
