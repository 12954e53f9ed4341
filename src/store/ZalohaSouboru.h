#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The content of a few files as they were, to put them back: the entry window keeps
// the files of a page before its first idle save, so that closing without saving
// still leaves the data as they were when the page was entered.
class TZalohaSouboru
{
public:
    bool Prazdna() const { return m_soubory.isEmpty(); }

    // Remembers the file's content, or that it does not exist. A file that cannot be
    // read raises EChyba naming it and nothing is remembered.
    void Pridej(const QStringList &cesty);

    // Puts every file back: the ones that existed are rewritten (atomically, newer
    // than any of the others), then the ones that did not are removed. Empty after.
    void Obnov();

    void Zahod() { m_soubory.clear(); }

private:
    QList<std::pair<QString, std::optional<QByteArray>>> m_soubory;
};
