#include "PolePopisu.h"

#include "EChyba.h"
#include "Soubory.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool JsouCislice(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar z) { return z >= u'0' && z <= u'9'; });
}

// What the field must be, for the message: "„A“ nebo „N“", "celé číslo od 1 do 45".
QString Pozadavek(const TTvarPole &t)
{
    if (t.Cifer > 0)
        return QStringLiteral("číslo o %1 číslicích").arg(t.Cifer);
    if (t.Hodnoty.isEmpty())
        return QStringLiteral("celé číslo od %1 do %2").arg(t.Min).arg(t.Max);
    QStringList moznosti;
    for (const QString &h : t.Hodnoty)
        moznosti.append(h.isEmpty() ? QStringLiteral("prázdné") : QStringLiteral("„%1“").arg(h));
    const QString posledni = moznosti.takeLast();
    return moznosti.isEmpty() ? posledni
                              : moznosti.join(u", ") + QStringLiteral(" nebo ") + posledni;
}

bool MaTvar(const TTvarPole &t, const QString &hodnota)
{
    if (!t.Hodnoty.isEmpty())
        return t.Hodnoty.contains(hodnota);
    if (!JsouCislice(hodnota))
        return false;
    if (t.Cifer > 0)
        return hodnota.size() == t.Cifer;
    // Longer numbers are beyond every range here.
    return hodnota.size() <= 9 && hodnota.toInt() >= t.Min && hodnota.toInt() <= t.Max;
}

} // namespace

TPolePopisu::TPolePopisu(const QJsonObject &objekt, QString zaznam, QList<TTvarPole> tvary)
    : m_objekt(objekt), m_zaznam(std::move(zaznam)), m_tvary(std::move(tvary))
{
}

void TPolePopisu::OverTvar(const QString &pole, const QString &hodnota) const
{
    for (const TTvarPole &t : m_tvary) {
        if (t.Pole == pole && !MaTvar(t, hodnota)) {
            throw EChyba(QStringLiteral("Záznam %1: pole %2 musí být %3, je „%4“.")
                             .arg(m_zaznam, pole, Pozadavek(t), hodnota));
        }
    }
}

QString TPolePopisu::Text(const QString &pole)
{
    m_pouzita.insert(pole);
    const QJsonValue h = m_objekt.value(pole);
    if (h.isUndefined() || h.isNull()) {
        OverTvar(pole, QString());
        return QString();
    }
    if (!h.isString()) {
        throw EChyba(
            QStringLiteral("Záznam %1: pole %2 musí být text (v uvozovkách).").arg(m_zaznam, pole));
    }
    OverTvar(pole, h.toString());
    return h.toString();
}

qint32 TPolePopisu::Cislo(const QString &pole)
{
    m_pouzita.insert(pole);
    const QJsonValue h = m_objekt.value(pole);
    if (h.isUndefined() || h.isNull()) {
        OverTvar(pole, QStringLiteral("0"));
        return 0;
    }
    const double d = h.toDouble();
    if (!h.isDouble() || d != std::floor(d) || d < std::numeric_limits<qint32>::min() ||
        d > std::numeric_limits<qint32>::max()) {
        throw EChyba(
            QStringLiteral("Záznam %1: pole %2 musí být celé číslo (32 bitů, bez uvozovek).")
                .arg(m_zaznam, pole));
    }
    OverTvar(pole, QString::number(qint32(d)));
    return qint32(d);
}

void TPolePopisu::OverZbytek() const
{
    for (auto it = m_objekt.constBegin(); it != m_objekt.constEnd(); ++it) {
        if (!m_pouzita.contains(it.key()))
            throw EChyba(QStringLiteral("Záznam %1: neznámé pole %2.").arg(m_zaznam, it.key()));
    }
}

QJsonObject NactiPopis(const QString &cesta, const QString &druh, const QStringList &znamo)
{
    QJsonParseError chybaJson;
    const QJsonDocument dokument =
        QJsonDocument::fromJson(Soubory::NactiSoubor(cesta, qint64(64) * 1024 * 1024), &chybaJson);
    if (chybaJson.error != QJsonParseError::NoError) {
        throw EChyba(QStringLiteral("%1 %2 není platný JSON: %3 (znak %4).")
                         .arg(druh, cesta, chybaJson.errorString())
                         .arg(chybaJson.offset));
    }
    if (!dokument.isObject())
        throw EChyba(QStringLiteral("%1 %2 musí být objekt JSON ({…}).").arg(druh, cesta));
    QJsonObject popis = dokument.object();
    for (auto it = popis.constBegin(); it != popis.constEnd(); ++it) {
        if (!znamo.contains(it.key()))
            throw EChyba(QStringLiteral("%1: neznámý klíč „%2“.").arg(druh, it.key()));
    }
    return popis;
}
