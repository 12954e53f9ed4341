#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: the HTML help file beside the program.
class TNapoveda : public QWidget
{
    Q_OBJECT

public:
    explicit TNapoveda(QWidget *parent = nullptr);

    // Opens the file on its default topic (its beginning) and brings the window up.
    void Otevri(const QString &soubor);

    QTextBrowser *Prohlizec() const { return m_prohlizec; }

private:
    QTextBrowser *m_prohlizec = nullptr;
};
