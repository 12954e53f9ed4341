#include "Skoleni.h"

#include "Soubory.h"

namespace Skoleni {

bool JeCvicna(const QString &adrStanice)
{
    return Soubory::Existuje(adrStanice, JmenoZnacky);
}

void Oznac(const QString &adrStanice)
{
    Soubory::UlozAtomicky(Soubory::NajdiSoubor(adrStanice, JmenoZnacky),
                          QStringLiteral("Cvičná stanice pro školení: %1.\n"
                                         "Soubory exportu mají předponu %2.\n")
                              .arg(TextZnacky, PredponaExportu)
                              .toUtf8());
}

QString JmenoExportu(const QString &adrStanice, const QString &uredniJmeno)
{
    return JeCvicna(adrStanice) ? PredponaExportu + uredniJmeno : uredniJmeno;
}

} // namespace Skoleni
