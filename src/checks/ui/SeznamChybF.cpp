#include "SeznamChybF.h"

#include "Vysvetleni.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

TSeznamChybF::TSeznamChybF(const TChybProt &protokol, const QList<TNavrh> &navrhy, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SeznamChybF"));
    setWindowTitle(QStringLiteral("Seznam chyb"));
    setModal(true);

    Seznam = new QTreeWidget(this);
    Seznam->setObjectName(QStringLiteral("Seznam"));
    Seznam->setRootIsDecorated(false);
    Seznam->setAlternatingRowColors(true);
    Seznam->setHeaderLabels({QStringLiteral("Strana"), QStringLiteral("Chyba"),
                             QStringLiteral("Text"), QStringLiteral("Vysvětlení"),
                             QStringLiteral("Nápověda")});
    for (qsizetype i = 0; i < protokol.Pocet(); ++i) {
        const TChyba &c = protokol.VratChybu(i);
        const TOperandy &o = protokol.VratOperandy(i);
        const QList<TNavrh> k = NavrhyKChybe(navrhy, c, o);
        auto *radek = new QTreeWidgetItem(
            Seznam, {QString::number(c.Por_Str_HL), QString::number(c.Chyba),
                     protokol.VratHlaskuParam(i).trimmed(), Vysvetli(o), TextNapovedy(k)});
        radek->setToolTip(4, radek->text(4));
        m_pole.append(PoleChyby(c, o, navrhy));
    }
    Seznam->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Seznam->setCurrentItem(Seznam->topLevelItem(0));
    Seznam->installEventFilter(this);

    auto *rada = new QVBoxLayout(this);
    rada->addWidget(Seznam);
    rada->addWidget(new QLabel(QStringLiteral("Enter: přejít k poli chyby v pořízení dat, "
                                              "Esc: zavřít seznam"),
                               this));
    resize(980, 360);
    Seznam->setFocus(Qt::OtherFocusReason);
}

bool TSeznamChybF::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == Seznam && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
        const int radek = Seznam->indexOfTopLevelItem(Seznam->currentItem());
        if ((klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) && radek >= 0) {
            m_vybrane = m_pole.value(radek);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
