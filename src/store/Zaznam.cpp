#include "Zaznam.h"

#include "EChyba.h"
#include "Kodovani.h"
#include "Soubory.h"

#include <QtEndian>

namespace Zaznam {
namespace {

void OverRozsah(const QByteArray &zaznam, int posun, int sirka)
{
    // A programming error, not bad input: record buffers always have their full size.
    Q_ASSERT(posun >= 0 && posun + sirka <= zaznam.size());
    if (posun < 0 || posun + sirka > zaznam.size())
        throw EChyba(QStringLiteral("Vnitřní chyba: pole mimo záznam (posun %1).").arg(posun));
}

} // namespace

quint16 CtiWord(const QByteArray &zaznam, int posun)
{
    OverRozsah(zaznam, posun, 2);
    return qFromLittleEndian<quint16>(zaznam.constData() + posun);
}

qint32 CtiInteger(const QByteArray &zaznam, int posun)
{
    OverRozsah(zaznam, posun, 4);
    return qFromLittleEndian<qint32>(zaznam.constData() + posun);
}

void ZapisWord(QByteArray &zaznam, int posun, quint16 hodnota)
{
    OverRozsah(zaznam, posun, 2);
    qToLittleEndian(hodnota, zaznam.data() + posun);
}

void ZapisInteger(QByteArray &zaznam, int posun, qint32 hodnota)
{
    OverRozsah(zaznam, posun, 4);
    qToLittleEndian(hodnota, zaznam.data() + posun);
}

void OverDelku(const QByteArray &zaznam, int velikost, const QString &soubor)
{
    if (zaznam.size() != velikost) {
        throw EChyba(QStringLiteral("Záznam souboru %1 má délku %2 B místo %3 B.")
                         .arg(soubor, QString::number(zaznam.size()), QString::number(velikost)));
    }
}

QString CtiRetezec(const QByteArray &zaznam, int posun, int max)
{
    OverRozsah(zaznam, posun, 1 + max);
    const int n = qMin(int(uchar(zaznam.at(posun))), max);
    return Kodovani::ZCp1250(QByteArrayView(zaznam.constData() + posun + 1, n));
}

void ZapisRetezec(QByteArray &zaznam, int posun, int max, const QString &text, const QString &pole)
{
    OverRozsah(zaznam, posun, 1 + max);
    const QByteArray bajty = Kodovani::DoCp1250(text, QStringLiteral("poli %1").arg(pole));
    if (bajty.size() > max) {
        throw EChyba(QStringLiteral("Text „%1“ je pro pole %2 příliš dlouhý (nejvýše %3 znaků).")
                         .arg(text, pole)
                         .arg(max));
    }
    zaznam[posun] = char(bajty.size());
    std::copy(bajty.begin(), bajty.end(), zaznam.begin() + posun + 1);
}

QList<QByteArray> NactiZaznamy(const QString &cesta, int velikost, qint64 maxVelikost)
{
    const QByteArray obsah = Soubory::NactiSoubor(cesta, maxVelikost);
    // As the record count is the size divided by the record size, a trailing partial
    // record (an end-of-file byte, a line break) is not a record.
    const qsizetype pocet = obsah.size() / velikost;
    QList<QByteArray> zaznamy;
    zaznamy.reserve(pocet);
    for (qsizetype i = 0; i < pocet; ++i)
        zaznamy.append(obsah.mid(i * velikost, velikost));
    return zaznamy;
}

} // namespace Zaznam
