#pragma once

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The form that a field of a description must have because the program later reads
// it as a number or relies on its form: decimal digits, exactly `Cifer` of them when
// set, else with a value in Min..Max; or, when `Hodnoty` is set, one of those texts.
struct TTvarPole
{
    QString Pole;
    qint32 Min = 0;
    qint32 Max = 0;
    int Cifer = 0;
    QStringList Hodnoty;

    static TTvarPole Cislo(const QString &pole, qint32 min, qint32 max)
    {
        return {pole, min, max, 0, {}};
    }
    static TTvarPole Cifry(const QString &pole, int cifer) { return {pole, 0, 0, cifer, {}}; }
    static TTvarPole Jedna(const QString &pole, const QStringList &hodnoty)
    {
        return {pole, 0, 0, 0, hodnoty};
    }
};

// Reads the fields of one record of a station description and remembers which
// keys were used, so that a misspelt field name is reported, not silently ignored.
// A field with a form in `tvary` is checked as it is read.
class TPolePopisu
{
public:
    TPolePopisu(const QJsonObject &objekt, QString zaznam, QList<TTvarPole> tvary = {});

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
    // Throws EChyba naming the record and the field when `hodnota` lacks the field's form.
    void OverTvar(const QString &pole, const QString &hodnota) const;

    QJsonObject m_objekt;
    QString m_zaznam;
    QSet<QString> m_pouzita;
    QList<TTvarPole> m_tvary;
};

// Reads a JSON description whose top level is an object with only the keys `znamo`;
// `druh` names the kind of description in errors.
QJsonObject NactiPopis(const QString &cesta, const QString &druh, const QStringList &znamo);
