#include "OtiskExportu.h"

#include "EChyba.h"
#include "Ochrana.h"
#include "Okrsek.h"
#include "Soubory.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString SouborOtisku(const TAdresare &adr, int typZastup)
{
    return Soubory::NajdiSoubor(adr.AdrData, u"otisk-exportu-typ%1.txt"_s.arg(typZastup));
}

namespace {

bool JeOtisk(const QString &text)
{
    static const QRegularExpression hex(u"^[0-9a-f]{64}$"_s);
    return hex.match(text).hasMatch();
}

} // namespace

void UlozOtiskExportu(const TAdresare &adr, int typZastup, const QString &sha256)
{
    Soubory::UlozAtomicky(SouborOtisku(adr, typZastup), sha256.toLatin1() + '\n');
}

QString NactiOtiskExportu(const TAdresare &adr, int typZastup)
{
    const QString cesta = SouborOtisku(adr, typZastup);
    if (!QFileInfo(cesta).isFile())
        return {};
    try {
        const QString otisk = QString::fromLatin1(Soubory::NactiSoubor(cesta, 256)).trimmed();
        return JeOtisk(otisk) ? otisk : QString();
    } catch (const EChyba &) {
        // An unreadable note only means that the paper cannot vouch for the file.
        return {};
    }
}

QString OtiskVeSkupinach(const QString &sha256)
{
    QStringList skupiny;
    for (qsizetype i = 0; i < sha256.size(); i += 4)
        skupiny.append(sha256.mid(i, 4));
    return skupiny.join(u' ');
}

QString RadekOtisku(const TAdresare &adr, const TOkrsekRefRec &klic, const TStaniceRec &stanice)
{
    const int typ = klic.TypZastup.trimmed() == u"1" ? 1 : 2;
    const QString otisk = NactiOtiskExportu(adr, typ);
    if (otisk.isEmpty())
        return u"Data nebyla exportována"_s;
    const QString stav = (typ == 1 ? stanice.Stav1 : stanice.Stav2).trimmed();
    const QString soubor = JmenoSouboruOkrsku(adr, klic, u"O"_s);
    if (stav != u"A" || AktualniPrefix(adr, klic) != u"O" || !QFileInfo(soubor).isFile())
        return u"Data se od exportu změnila"_s;
    QString nyni;
    try {
        nyni = QString::fromLatin1(
            QCryptographicHash::hash(Soubory::NactiSoubor(soubor, Ochrana::MaxVelikostSouboru),
                                     QCryptographicHash::Sha256)
                .toHex());
    } catch (const EChyba &) {
        return u"Data se od exportu změnila"_s;
    }
    if (nyni != otisk)
        return u"Data se od exportu změnila"_s;
    return u"Otisk exportovaného souboru (SHA-256): "_s + OtiskVeSkupinach(otisk);
}
