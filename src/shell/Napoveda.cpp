#include "Napoveda.h"

#include <QHBoxLayout>
#include <QHash>
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

void TNapoveda::Otevri(const QString &soubor, const QString &tema)
{
    QUrl url = QUrl::fromLocalFile(soubor);
    if (!tema.isEmpty())
        url.setFragment(tema);
    if (m_prohlizec->source() != url)
        m_prohlizec->setSource(url);
    else if (tema.isEmpty())
        m_prohlizec->home();
    else
        m_prohlizec->scrollToAnchor(tema);
    show();
    raise();
    activateWindow();
}

void TNapoveda::hideEvent(QHideEvent *udalost)
{
    QWidget::hideEvent(udalost);
    // The keys go back to the window the help was opened from.
    if (QWidget *vlastnik = parentWidget(); vlastnik && vlastnik->isVisible())
        vlastnik->activateWindow();
}

QString TemaNapovedy(const QWidget *w)
{
    // Windows and the entry window's pages by their object names.
    static const QHash<QString, QString> temata{
        {u"R_PanVstupT3"_s, u"vstup-odd-1"_s},
        {u"R_PavVstupT3_1"_s, u"vstup-odd-2"_s},
        {u"R_PanVstupT3_2"_s, u"vstup-odd-2-pokracovani"_s},
        {u"R_PanVstupHL_1"_s, u"vstup-hl"_s},
        {u"R_PanVstupHL_2"_s, u"vstup-hl-pokracovani"_s},
        {u"R_PanVstupZapis"_s, u"vstup-odd-3"_s},
        {u"TR_Vstupni_Form"_s, u"vstup"_s},
        {u"HlaskaF"_s, u"kontroly"_s},
        {u"TZ_ExportDat_F"_s, u"export"_s},
        {u"TpreviewF"_s, u"tisk"_s},
        {u"KV_menu"_s, u"hlavni-okno"_s},
    };
    for (; w; w = w->parentWidget()) {
        if (const auto t = temata.constFind(w->objectName()); t != temata.cend())
            return *t;
    }
    return QString();
}
