#pragma once

#include <QString>
#include <exception>

// An input/output or conversion error. It ends the running command; the handler at
// the command boundary shows zprava() to the user, so the text is Czech and names
// the file or value concerned.
class EChyba : public std::exception
{
public:
    explicit EChyba(QString zprava) : m_zprava(std::move(zprava)), m_utf8(m_zprava.toUtf8()) {}
    const QString &zprava() const noexcept { return m_zprava; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_zprava;
    QByteArray m_utf8;
};

// A value too large for its field of the results file. The text names the record
// field; callers that know the window's words say which typed value to correct.
class EPrilisVelkaHodnota : public EChyba
{
public:
    EPrilisVelkaHodnota(QString zprava, QString zaznam, int strana, qint64 hodnota)
        : EChyba(std::move(zprava)), Zaznam(std::move(zaznam)), Strana(strana), Hodnota(hodnota)
    {
    }
    QString Zaznam; // "VetaT3", "StranyHL" or "VetaTS"
    int Strana;     // the party's order number for StranyHL, else 0
    qint64 Hodnota;
};
