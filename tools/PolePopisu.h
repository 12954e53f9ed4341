#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>

// Reads the fields of one record of a station description and remembers which
// keys were used, so that a misspelt field name is reported, not silently ignored.
class TPolePopisu
{
public:
    TPolePopisu(const QJsonObject &objekt, QString zaznam);

    QString Text(const QString &pole); // a string field; missing = empty
    qint32 Cislo(const QString &pole); // a 32-bit field; missing = 0

    // Every string field of the record (ProPoleRetezcu) from the key of its name.
    template <typename T> void Texty(T &zaznam)
    {
        ProPoleRetezcu(zaznam,
                       [this](const QString &jmeno, QString &hodnota) { hodnota = Text(jmeno); });
    }

    // Throws EChyba naming the record and the first unknown key.
    void OverZbytek() const;

    const QString &Zaznam() const { return m_zaznam; }

private:
    QJsonObject m_objekt;
    QString m_zaznam;
    QSet<QString> m_pouzita;
};

// Reads a JSON description whose top level is an object with only the keys `znamo`;
// `druh` names the kind of description in errors.
QJsonObject NactiPopis(const QString &cesta, const QString &druh, const QStringList &znamo);
