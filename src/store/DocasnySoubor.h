#pragma once

#include <QByteArray>

namespace Soubory {

// The hidden temporary file that a file is written into before it is renamed over its
// name: ".NAME.<pid>-<n>" in the directory open as `dirfd`, created exclusively and
// never through a link. Until it is renamed into place, destruction closes and removes
// it, so that no failure and no early return leaves it behind. Used by the atomic save
// and by the export copy.
class TDocasnySoubor
{
public:
    // Raises nothing: a failure leaves fd() < 0 and Chyba() its errno.
    TDocasnySoubor(int dirfd, const QByteArray &jmeno);
    ~TDocasnySoubor();
    TDocasnySoubor(const TDocasnySoubor &) = delete;
    TDocasnySoubor &operator=(const TDocasnySoubor &) = delete;

    int fd() const { return m_fd; }
    int Chyba() const { return m_chyba; }

    // Closes the file; errno of a failed close, or 0.
    int Zavri();
    // Renames it over `jmeno` in the same directory; errno, or 0 (then it stays).
    int Prejmenuj(const QByteArray &jmeno);

private:
    int m_dirfd;
    QByteArray m_jmeno;
    int m_fd = -1;
    int m_chyba = 0;
    bool m_prejmenovan = false;
};

} // namespace Soubory
