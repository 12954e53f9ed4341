#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per user: a lock file in the user's runtime directory.
class TJedinaInstance
{
public:
    // `adresar` empty: the user's runtime directory (XDG_RUNTIME_DIR).
    explicit TJedinaInstance(const QString &adresar = QString());

    // True when this copy now holds the lock; false when another live copy holds it.
    // A lock left behind by a copy that has ended is taken over.
    bool Zamkni();

    QString CestaZamku() const { return m_cesta; }

private:
    QString m_cesta;
    std::unique_ptr<QLockFile> m_zamek;
};
