#pragma once

#include <QString>
#include <QStringList>

// Several file writes as one step that survives a kill: before the first write every
// file that will be written is copied into the station directory's TRANSAKCE/ and a
// marker names them; the marker goes after the last write. A marker found later means
// the writer died in between: VratPrerusenou puts every file back as it was.
class TTransakce
{
public:
    // Copies the files (absent ones are noted as absent), then writes the marker and
    // journals the start of `nazev`. Only under the installation's write lock.
    TTransakce(const QString &adrStanice, const QString &nazev, const QStringList &soubory);
    // Not confirmed: every file goes back now (a failure inside the process).
    ~TTransakce();
    TTransakce(const TTransakce &) = delete;
    TTransakce &operator=(const TTransakce &) = delete;

    // All files are written: the marker and the copies go, the end is journaled.
    void Potvrd();

    // Puts every file back now (a failure inside the process); the text of what could
    // not be put back, or empty when everything is as it was.
    QString Vrat();

private:
    QString m_adrStanice;
    QString m_nazev;
    bool m_hotovo = false;
};

namespace Transakce {

inline const QString ZpravaVraceni =
    QStringLiteral("Předchozí uložení bylo přerušeno; data byla vrácena do stavu před ním.");

// Rolls an interrupted transaction back: every file as it was before, the roll-back
// journaled (synced) and, with `oznamit`, noted for the program's next start. True
// when there was one. A file that cannot be put back raises EChyba; the marker then
// stays for the next try.
bool VratPrerusenou(const QString &adrStanice, bool oznamit = true);

} // namespace Transakce
