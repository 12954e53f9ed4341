#include "Pristup.h"

#include "ChybySystemu.h"
#include "Denik.h"
#include "Soubory.h"
#include "Zamek.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

QString NezapisovatelneMisto(const TAdresare &adr)
{
    QStringList mista;
    for (const QString &adresar :
         {adr.AdrStanice, adr.AdrData, adr.AdrInstalace,
          Soubory::NajdiAdresar(adr.AdrInstalace, QStringLiteral("Export"))})
        if (QFileInfo(adresar).isDir() && !mista.contains(adresar))
            mista.append(adresar);
    for (const QString &jmeno : {Denik::JmenoSouboru, TZamek::JmenoSouboru(TZamek::TDruh::Zapis),
                                 TZamek::JmenoSouboru(TZamek::TDruh::Program)}) {
        const QString cesta = Soubory::NajdiSoubor(adr.AdrStanice, jmeno);
        if (QFileInfo(cesta).isFile())
            mista.append(cesta);
    }
    for (const QString &misto : std::as_const(mista)) {
        const int pravo = QFileInfo(misto).isDir() ? W_OK | X_OK : W_OK;
        if (::access(QFile::encodeName(misto).constData(), pravo) != 0)
            return QStringLiteral("%1 (%2)").arg(misto, PopisChybySystemu(errno));
    }
    return QString();
}
