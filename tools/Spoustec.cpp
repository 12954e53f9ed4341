#include "Spoustec.h"

#include "EChyba.h"
#include "Soubory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

// A string value of a desktop entry.
QString Hodnota(const QString &text)
{
    QString v;
    for (const QChar z : text) {
        if (z == u'\\')
            v += QStringLiteral("\\\\");
        else if (z == u'\n')
            v += QStringLiteral("\\n");
        else if (z == u'\t')
            v += QStringLiteral("\\t");
        else if (z == u'\r')
            v += QStringLiteral("\\r");
        else
            v += z;
    }
    return v;
}

// One argument of the Exec key, quoted: a path may hold blanks and anything else.
QString Argument(const QString &text)
{
    QString a = QStringLiteral("\"");
    for (const QChar z : text) {
        if (z.category() == QChar::Other_Control)
            throw EChyba(QStringLiteral("Cesta „%1“ obsahuje řídicí znak; zástupce stanice s ní "
                                        "nelze vytvořit.")
                             .arg(text));
        if (z == u'"' || z == u'`' || z == u'$' || z == u'\\')
            a += u'\\';
        a += z;
        if (z == u'%')
            a += u'%';
    }
    return a + u'"';
}

// Letters and digits only: the file name is also the launcher's id in the menus.
QString CastJmena(const QString &text)
{
    QString c;
    for (const QChar z : text)
        if (z.isLetterOrNumber() && z.unicode() < 128)
            c += z;
    return c;
}

// Desktops start a launcher on the desktop only once it is trusted: GNOME's desktop
// icons read the "trusted" mark, Xfce the checksum of the file. Without gio or a
// session to keep the marks the user confirms the launcher on the first start.
void OznacDuveryhodny(const QString &cesta, const QByteArray &obsah)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return;
    const QString soucet =
        QString::fromLatin1(QCryptographicHash::hash(obsah, QCryptographicHash::Sha256).toHex());
    const QList<QStringList> znacky = {
        {QStringLiteral("set"), cesta, QStringLiteral("metadata::trusted"), QStringLiteral("true")},
        {QStringLiteral("set"), QStringLiteral("-t"), QStringLiteral("string"), cesta,
         QStringLiteral("metadata::xfce-exe-checksum"), soucet}};
    for (const QStringList &argumenty : znacky) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(gio, argumenty);
        if (!p.waitForFinished(5000))
            p.kill();
        p.waitForFinished(1000);
    }
}

QString VytvorAdresar(const QString &cesta)
{
    if (cesta.isEmpty() || !QDir().mkpath(cesta))
        throw EChyba(QStringLiteral("Adresář %1 nelze vytvořit.").arg(cesta));
    return cesta;
}

} // namespace

TSpoustec VytvorSpoustec(const TStaniceRec &stanice, const QString &program,
                         const QString &instalace, const QString &podadresar, const QString &ikona)
{
    QString nazev = QStringLiteral("Zelkovar – %1, okrsek %2")
                        .arg(stanice.NazevObce.trimmed())
                        .arg(stanice.CisloOkrsku);
    QString exec = Argument(program) + QStringLiteral(" --instalace ") +
                   Argument(QDir(instalace).absolutePath());
    QString jmeno =
        QStringLiteral("zelkovar-%1-%2").arg(CastJmena(stanice.KodObce)).arg(stanice.CisloOkrsku);
    if (!podadresar.isEmpty()) {
        nazev += QStringLiteral(" (%1)").arg(podadresar);
        // After "--": a name that starts with a dash is still the parameter.
        exec += QStringLiteral(" -- ") + Argument(podadresar);
        jmeno += u'-' + CastJmena(podadresar);
    }
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Version=1.4\n"
                       "Name=%1\n"
                       "Comment=Pořízení dat okrskovou volební komisí\n"
                       "TryExec=%5\n"
                       "Exec=%2\n"
                       "Path=%3\n"
                       "Icon=%4\n"
                       "Terminal=false\n"
                       "Categories=Office;\n"
                       "StartupWMClass=zelkovar\n")
            .arg(Hodnota(nazev), Hodnota(exec), Hodnota(QDir(instalace).absolutePath()),
                 Hodnota(ikona), Hodnota(program));
    return {jmeno + QStringLiteral(".desktop"), text.toUtf8()};
}

QString ZapisSpoustec(const TSpoustec &spoustec, const QString &adresar)
{
    QString cesta = QDir(VytvorAdresar(adresar)).filePath(spoustec.Jmeno);
    Soubory::UlozAtomicky(cesta, spoustec.Obsah);
    QFile::setPermissions(cesta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                     QFile::ExeOther);
    return cesta;
}

QString PlochaUzivatele()
{
    const QString plocha = qEnvironmentVariable("XDG_DESKTOP_DIR");
    return plocha.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                            : plocha;
}

QStringList ZapisSpoustecUzivateli(const TSpoustec &spoustec)
{
    const QString naPlose = ZapisSpoustec(spoustec, PlochaUzivatele());
    OznacDuveryhodny(naPlose, spoustec.Obsah);
    const QString vNabidce = ZapisSpoustec(
        spoustec, QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
    return {naPlose, vNabidce};
}
