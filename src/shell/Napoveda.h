#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: the HTML help file beside the program.
class TNapoveda : public QWidget
{
    Q_OBJECT

public:
    explicit TNapoveda(QWidget *parent = nullptr);

    // Opens the file at a topic (an anchor of the file; its beginning when empty) and
    // brings the window up.
    void Otevri(const QString &soubor, const QString &tema = QString());

    QTextBrowser *Prohlizec() const { return m_prohlizec; }

protected:
    void hideEvent(QHideEvent *udalost) override;

private:
    QTextBrowser *m_prohlizec = nullptr;
};

// The help topic of the window that holds the widget (for the entry window, of its
// page): an anchor of the help file, or empty for its beginning.
QString TemaNapovedy(const QWidget *w);
