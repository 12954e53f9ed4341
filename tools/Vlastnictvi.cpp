#include "Vlastnictvi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The owner of the path, or of its nearest existing parent; -1 when none can be read.
long Vlastnik(const QString &cesta)
{
    QString c = QDir::cleanPath(QDir(cesta).absolutePath());
    for (;;) {
        struct stat st
        {
        };
        if (::stat(QFile::encodeName(c).constData(), &st) == 0)
            return long(st.st_uid);
        const QString nadrazeny = QFileInfo(c).path();
        if (nadrazeny == c)
            return -1;
        c = nadrazeny;
    }
}

QString JmenoUzivatele(long uid)
{
    if (const passwd *pw = ::getpwuid(uid_t(uid)))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(uid);
}

// The user who will presumably run the program: the owner of the place, else the user
// who called sudo; empty when that is the running user.
QString BudouciUzivatel(const QString &misto)
{
    const long ja = long(::geteuid());
    const long vlastnik = Vlastnik(misto);
    if (vlastnik >= 0 && vlastnik != ja)
        return JmenoUzivatele(vlastnik);
    QString sudo = qEnvironmentVariable("SUDO_USER");
    if (ja == 0 && !sudo.isEmpty() && sudo != u"root")
        return sudo;
    return QString();
}

} // namespace

QString VarovaniVlastnika(const QString &cil)
{
    const QString kdo = BudouciUzivatel(cil);
    if (kdo.isEmpty())
        return QString();
    return QStringLiteral("instalace %1 bude patřit uživateli %2, ne uživateli %3; program "
                          "spuštěný uživatelem %3 do ní nebude moci ukládat. Spusťte příkaz jako "
                          "uživatel %3 (nebo instalaci předejte: chown -R %3: %1).")
        .arg(cil, JmenoUzivatele(long(::geteuid())), kdo);
}

QString DuvodOdmitnutiPlochy(const QString &plocha)
{
    const QString kdo = BudouciUzivatel(plocha);
    if (kdo.isEmpty())
        return QString();
    return QStringLiteral("zástupce na ploše %1 by patřil uživateli %2, ne uživateli %3; spusťte "
                          "příkaz s volbou --plocha jako uživatel %3.")
        .arg(plocha, JmenoUzivatele(long(::geteuid())), kdo);
}
