#include "Umisteni.h"

#include <QDir>
#include <QFileInfo>

TUmisteni UmisteniProgramu(const QString &adresarProgramu)
{
    const QDir program(adresarProgramu);
    TUmisteni u;
    u.Napoveda = program.filePath(QStringLiteral("Zelkovar.html"));
    u.Ikona = program.filePath(QStringLiteral("zelkovar.svg"));
    if (QFileInfo(u.Napoveda).isFile())
        return u;
    u.ZBalicku = true;
    u.Napoveda =
        QDir::cleanPath(program.filePath(QStringLiteral(ZELKOVAR_DATA_Z_BIN "/Zelkovar.html")));
    u.Ikona = QDir::cleanPath(program.filePath(QStringLiteral(ZELKOVAR_IKONA_Z_BIN)));
    return u;
}
