#include "ZalohaSouboru.h"

#include "Soubory.h"

#include <QFileInfo>

namespace {

// Larger than any file of the installation that the entry window writes.
constexpr qint64 MaxVelikost = qint64(16) * 1024 * 1024;

// Readers take the newer of two results files: a file put back must win over one
// written in between, even when that one was dated ahead.
constexpr qint64 OdstupNs = 2'000'000'000;

} // namespace

void TZalohaSouboru::Pridej(const QStringList &cesty)
{
    QList<std::pair<QString, std::optional<QByteArray>>> nove;
    for (const QString &cesta : cesty) {
        if (QFileInfo(cesta).isFile())
            nove.append({cesta, Soubory::NactiSoubor(cesta, MaxVelikost)});
        else
            nove.append({cesta, std::nullopt});
    }
    m_soubory += nove;
}

void TZalohaSouboru::Obnov()
{
    qint64 cas = Soubory::TedNs();
    for (const auto &[cesta, obsah] : std::as_const(m_soubory))
        cas = qMax(cas, Soubory::CasZmeny(cesta) + OdstupNs);
    for (const auto &[cesta, obsah] : std::as_const(m_soubory)) {
        if (obsah)
            Soubory::UlozAtomicky(cesta, *obsah, cas);
    }
    for (const auto &[cesta, obsah] : std::as_const(m_soubory)) {
        if (!obsah)
            Soubory::Smaz(cesta);
    }
    m_soubory.clear();
}
