#include "Oznameni.h"

#include "EChyba.h"
#include "Soubory.h"

namespace Oznameni {
namespace {

QString Cesta(const QString &adrStanice)
{
    return Soubory::NajdiSoubor(adrStanice, QStringLiteral("OZNAMENI.TXT"));
}

// A notice file is a few lines; anything bigger is not ours and not shown.
constexpr qint64 MaxVelikost = 1 << 20;

} // namespace

void Pridej(const QString &adrStanice, const QString &text)
{
    const QString cesta = Cesta(adrStanice);
    QByteArray obsah;
    if (Soubory::Existuje(adrStanice, QStringLiteral("OZNAMENI.TXT")))
        obsah = Soubory::NactiSoubor(cesta, MaxVelikost);
    obsah += text.toUtf8() + "\n\n";
    Soubory::UlozAtomicky(cesta, obsah);
}

QString Vezmi(const QString &adrStanice)
{
    if (!Soubory::Existuje(adrStanice, QStringLiteral("OZNAMENI.TXT")))
        return QString();
    const QString cesta = Cesta(adrStanice);
    QString text;
    try {
        text = QString::fromUtf8(Soubory::NactiSoubor(cesta, MaxVelikost)).trimmed();
        Soubory::Smaz(cesta);
    } catch (const EChyba &e) {
        // Telling the user once more next time is better than never.
        return text.isEmpty() ? e.zprava() : text;
    }
    return text;
}

} // namespace Oznameni
