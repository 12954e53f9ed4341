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
