#include "Adresare.h"

#include "Soubory.h"

namespace {

// A station subdirectory name must stay one level below data/.
bool JeBezpecnyNazevStanice(const QString &p)
{
    return !p.isEmpty() && p != u"." && p != u".." && !p.contains(u'/') && !p.contains(QChar(0));
}

} // namespace

TStartAdresaru UrciAdresare(const QString &adresarProgramu, const QStringList &parametry)
{
    TStartAdresaru start;
    TAdresare &a = start.Adresare;
    a.AdrStanice = adresarProgramu;
    if (!a.AdrStanice.isEmpty() && !a.AdrStanice.endsWith(u'/'))
        a.AdrStanice += u'/';
    a.AdrData = Soubory::NajdiAdresar(a.AdrStanice, QStringLiteral("data"));
    a.AdrInstalace = a.AdrStanice;

    if (Soubory::Existuje(a.AdrStanice, QStringLiteral("stanice.rcd"))) {
        start.LzeSpustit = true;
        return start;
    }
    if (parametry.size() == 1 && JeBezpecnyNazevStanice(parametry.first())) {
        a.AdrStanice = Soubory::NajdiAdresar(a.AdrData, parametry.first());
        a.AdrData = a.AdrStanice;
        start.LzeSpustit = true;
    }
    return start;
}
