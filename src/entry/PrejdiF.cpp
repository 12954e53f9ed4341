#include "PrejdiF.h"

#include <QFormLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>

TPrejdiF::TPrejdiF(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrejdiF"));
    setWindowTitle(QStringLiteral("Přejít na kandidáta"));
    setModal(true);
    StranaEd = new QLineEdit(this);
    StranaEd->setObjectName(QStringLiteral("StranaEd"));
    KandidatEd = new QLineEdit(this);
    KandidatEd->setObjectName(QStringLiteral("KandidatEd"));
    for (QLineEdit *e : {StranaEd, KandidatEd}) {
        e->setValidator(new QIntValidator(0, 99, e));
        e->setMaxLength(2);
        e->installEventFilter(this);
    }
    auto *formular = new QFormLayout(this);
    formular->addRow(QStringLiteral("Pořadové číslo strany:"), StranaEd);
    formular->addRow(QStringLiteral("Číslo kandidáta (prázdné: seznam stran):"), KandidatEd);
    StranaEd->setFocus(Qt::OtherFocusReason);
}

int TPrejdiF::Strana() const
{
    return StranaEd->text().toInt();
}

int TPrejdiF::Kandidat() const
{
    return KandidatEd->text().toInt();
}

bool TPrejdiF::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent *>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            if (objekt == StranaEd)
                KandidatEd->setFocus(Qt::TabFocusReason);
            else
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
