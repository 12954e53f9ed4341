#include "Vycisteni.h"

#include "Denik.h"
#include "EChyba.h"
#include "Hlasovani.h"
#include "Okrsek.h"
#include "OtiskExportu.h"
#include "Soubory.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// A new directory of its own under Zrusena/, never one a former reset filled.
QString NovyAdresar(const QString &zrusena)
{
    const QString kdy = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kam = zrusena + kdy;
    for (int i = 2; QFileInfo::exists(kam); ++i)
        kam = zrusena + kdy + u'-' + QString::number(i);
    if (!QDir().mkpath(kam))
        throw EChyba(QStringLiteral("Adresář %1 pro uschování dat nelze vytvořit.").arg(kam));
    return kam + u'/';
}

// The files to move, each with its place under the kept directory: the results ("O",
// "E") and control ("K") files of each type and the station's data files at its top,
// whatever lies in the export and print directories under Export/ and Tisk/.
QList<std::pair<QString, QString>> SouboryKPresunu(const TAdresare &adr, const TStaniceRec &stanice,
                                                   const QList<int> &typy)
{
    QList<std::pair<QString, QString>> soubory;
    auto pridej = [&soubory](const QString &cesta, const QString &podadresar) {
        const QFileInfo f(cesta);
        if (f.isFile())
            soubory.append({cesta, podadresar + f.fileName()});
    };
    for (const int typ : typy) {
        TOkrsekRefRec klic;
        klic.KodObce = stanice.KodObce;
        klic.CisloOkrsku = stanice.CisloOkrsku;
        klic.TypZastup = QString::number(typ);
        for (const QString &prefix :
             {QStringLiteral("O"), QStringLiteral("E"), QStringLiteral("K")})
            pridej(JmenoSouboruOkrsku(adr, klic, prefix), QString());
        // The fingerprint of the type's last export goes with the export it names.
        pridej(SouborOtisku(adr, typ), QString());
    }
    for (const QString &jmeno :
         {QStringLiteral("HLASO.RCD"), QStringLiteral("KOMISE.RCD"), QStringLiteral("INFOK83.RCD")})
        pridej(Soubory::NajdiSoubor(adr.AdrData, jmeno), QString());
    for (const QString &adresar : {QStringLiteral("Export"), QStringLiteral("Tisk")}) {
        const QDir d(Soubory::NajdiAdresar(adr.AdrInstalace, adresar));
        for (const QFileInfo &f : d.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
            pridej(f.filePath(), adresar + u'/');
    }
    return soubory;
}

} // namespace

TVycisteni Vycisti(const TAdresare &adr, TStaniceRec &stanice, const QList<int> &typy)
{
    TVycisteni v;
    const auto soubory = SouboryKPresunu(adr, stanice, typy);
    v.Kam = NovyAdresar(adr.AdrData + QStringLiteral("Zrusena/"));
    for (const auto &[cesta, kam] : soubory) {
        if (!QDir().mkpath(QFileInfo(v.Kam + kam).path()))
            throw EChyba(QStringLiteral("Adresář %1 nelze vytvořit.").arg(v.Kam + kam));
        Soubory::Presun(cesta, v.Kam + kam);
        v.Soubory.append(cesta);
    }
    Soubory::UlozAtomicky(adr.AdrData + QStringLiteral("HLASO.RCD"),
                          ZakodujHlasovani(THlasovaniRec{}));
    Soubory::UlozAtomicky(adr.AdrData + QStringLiteral("KOMISE.RCD"), QByteArray());
    Soubory::UlozAtomicky(adr.AdrData + QStringLiteral("INFOK83.RCD"), QByteArray());
    for (const int typ : typy)
        ZapisStavExportu(adr.AdrStanice, typ, QStringLiteral("N"), stanice);
    Denik::Zapis(adr.AdrStanice,
                 QStringLiteral("vyčištění stanice: %1 souborů uschováno v %2, stav exportu N")
                     .arg(v.Soubory.size())
                     .arg(v.Kam));
    return v;
}
