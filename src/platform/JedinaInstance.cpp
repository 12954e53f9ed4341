#include "JedinaInstance.h"

#include <QDir>
#include <QStandardPaths>

TJedinaInstance::TJedinaInstance(const QString &adresar)
{
    QString dir = adresar;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_cesta = QDir(dir).filePath(QStringLiteral("zelkovar.lock"));
    m_zamek = std::make_unique<QLockFile>(m_cesta);
    // The program runs for a whole election night: a lock must never expire by age,
    // only when the process that holds it is gone.
    m_zamek->setStaleLockTime(0);
}

bool TJedinaInstance::Zamkni()
{
    if (m_zamek->isLocked())
        return true;
    return m_zamek->tryLock(0);
}
