#include "Napoveda.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TNapoveda::TNapoveda(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"Napoveda_F"_s);
    setWindowTitle(u"Nápověda"_s);
    resize(760, 620);

    m_prohlizec = new QTextBrowser(this);
    m_prohlizec->setObjectName(u"Napoveda_TB"_s);
    m_prohlizec->setOpenExternalLinks(false);

    auto *zpet = new QPushButton(u"&Zpět"_s, this);
    zpet->setEnabled(false);
    auto *obsah = new QPushButton(u"O&bsah"_s, this);
    auto *zavrit = new QPushButton(u"&Zavřít"_s, this);
    connect(zpet, &QPushButton::clicked, m_prohlizec, &QTextBrowser::backward);
    connect(m_prohlizec, &QTextBrowser::backwardAvailable, zpet, &QPushButton::setEnabled);
    connect(obsah, &QPushButton::clicked, m_prohlizec, &QTextBrowser::home);
    connect(zavrit, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto *tlacitka = new QHBoxLayout;
    tlacitka->addWidget(zpet);
    tlacitka->addWidget(obsah);
    tlacitka->addStretch();
    tlacitka->addWidget(zavrit);
    auto *rozlozeni = new QVBoxLayout(this);
    rozlozeni->addLayout(tlacitka);
    rozlozeni->addWidget(m_prohlizec);
}

void TNapoveda::Otevri(const QString &soubor)
{
    const QUrl url = QUrl::fromLocalFile(soubor);
    if (m_prohlizec->source() != url)
        m_prohlizec->setSource(url);
    else
        m_prohlizec->home();
    show();
    raise();
    activateWindow();
}
