#include "Z_pockop.h"

#include "Okna.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TZ_PocetKopii_F::TZ_PocetKopii_F(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"TZ_PocetKopii_F"_s);
    setWindowTitle(u"Tisk zápisu"_s);
    setFixedSize(398, 143);
    QFont f(u"Arial"_s);
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);
    Label1 = new QLabel(u"Zadejte počet kopií při tisku zápisu T/3 a hlas. lístku:"_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->move(17, 24);
    Label1->adjustSize();
    Label2 = new QLabel(u"(bude automaticky vytištěno min. jedenkrát)"_s, this);
    Label2->setObjectName(u"Label2"_s);
    Label2->move(58, 48);
    Label2->adjustSize();
    Z_PocetKopii_SE = new QLineEdit(u"2"_s, this);
    Z_PocetKopii_SE->setObjectName(u"Z_PocetKopii_SE"_s);
    Z_PocetKopii_SE->setGeometry(363, 20, 17, 24);
    Z_PocetKopii_SE->setMaxLength(1);
    Z_PocetKopii_SE->setAlignment(Qt::AlignCenter);
    Z_PKOK_Btn = Tlacitko(this, u"OK"_s, u"Z_PKOK_Btn"_s, QRect(154, 96, 89, 33));
    Z_PKOK_Btn->setDefault(true);
    connect(Z_PKOK_Btn, &QPushButton::clicked, this, &TZ_PocetKopii_F::Z_PKOK_BtnClick);
}

void TZ_PocetKopii_F::showEvent(QShowEvent *udalost)
{
    FormShow();
    QDialog::showEvent(udalost);
}

void TZ_PocetKopii_F::FormShow()
{
    VycentrujNaObrazovce(this);
    Z_PocetKopii_SE->setText(u"2"_s);
    PocetKopiiZapisu = 2;
    Z_PocetKopii_SE->setFocus();
}

void TZ_PocetKopii_F::Z_PKOK_BtnClick()
{
    const QString t = Z_PocetKopii_SE->text();
    // Compared as text: empty, "0" and letters all fall outside "1".."9".
    if (t < u"1"_s || t > u"9"_s)
        Z_PocetKopii_SE->setText(u"1"_s);
    PocetKopiiZapisu = Z_PocetKopii_SE->text().toInt();
    accept();
}
