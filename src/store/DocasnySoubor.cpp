#include "DocasnySoubor.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Soubory {

TDocasnySoubor::TDocasnySoubor(int dirfd, const QByteArray &jmeno) : m_dirfd(dirfd)
{
    const QByteArray zacatek =
        '.' + jmeno + '.' + QByteArray::number(QCoreApplication::applicationPid()) + '-';
    for (int pokus = 0; pokus < 100 && m_fd < 0; ++pokus) {
        m_jmeno = zacatek + QByteArray::number(pokus);
        m_fd = ::openat(m_dirfd, m_jmeno.constData(),
                        O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_chyba = errno;
        m_jmeno.clear();
    }
}

TDocasnySoubor::~TDocasnySoubor()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_prejmenovan && !m_jmeno.isEmpty())
        ::unlinkat(m_dirfd, m_jmeno.constData(), 0);
}

int TDocasnySoubor::Zavri()
{
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) != 0 ? errno : 0;
}

int TDocasnySoubor::Prejmenuj(const QByteArray &jmeno)
{
    if (::renameat(m_dirfd, m_jmeno.constData(), m_dirfd, jmeno.constData()) != 0)
        return errno;
    m_prejmenovan = true;
    return 0;
}

} // namespace Soubory
