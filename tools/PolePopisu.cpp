#include "PolePopisu.h"

#include "EChyba.h"
#include "Soubory.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QStringList>

#include <cmath>
#include <limits>

TPolePopisu::TPolePopisu(const QJsonObject &objekt, QString zaznam)
    : m_objekt(objekt), m_zaznam(std::move(zaznam))
{
}

QString TPolePopisu::Text(const QString &pole)
{
    m_pouzita.insert(pole);
    const QJsonValue h = m_objekt.value(pole);
    if (h.isUndefined() || h.isNull())
        return QString();
    if (!h.isString()) {
        throw EChyba(
            QStringLiteral("Záznam %1: pole %2 musí být text (v uvozovkách).").arg(m_zaznam, pole));
    }
    return h.toString();
}

qint32 TPolePopisu::Cislo(const QString &pole)
{
    m_pouzita.insert(pole);
    const QJsonValue h = m_objekt.value(pole);
    if (h.isUndefined() || h.isNull())
        return 0;
    const double d = h.toDouble();
    if (!h.isDouble() || d != std::floor(d) || d < std::numeric_limits<qint32>::min() ||
        d > std::numeric_limits<qint32>::max()) {
        throw EChyba(
            QStringLiteral("Záznam %1: pole %2 musí být celé číslo (32 bitů, bez uvozovek).")
                .arg(m_zaznam, pole));
    }
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
        QJsonDocument::fromJson(Soubory::NactiSoubor(cesta, 64 * 1024 * 1024), &chybaJson);
    if (chybaJson.error != QJsonParseError::NoError || !dokument.isObject()) {
        throw EChyba(QStringLiteral("%1 %2 není platný JSON: %3 (znak %4).")
                         .arg(druh, cesta, chybaJson.errorString())
                         .arg(chybaJson.offset));
    }
    const QJsonObject popis = dokument.object();
    for (auto it = popis.constBegin(); it != popis.constEnd(); ++it) {
        if (!znamo.contains(it.key()))
            throw EChyba(QStringLiteral("%1: neznámý klíč „%2“.").arg(druh, it.key()));
    }
    return popis;
}
