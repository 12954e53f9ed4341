#include "Z_info83.h"

#include "Okna.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TZ_info83_F::TZ_info83_F(bool &kontrolyOK, QWidget *parent)
    : QDialog(parent), m_kontrolyOK(kontrolyOK)
{
    setObjectName(u"TZ_info83_F"_s);
    setWindowTitle(u"Kontrola dat"_s);
    setFixedSize(416, 334);
    titulek3 = InfoPopisek(this, u"titulek3"_s, QRect(12, 28, 388, 31), Qt::AlignHCenter, true);
    Label1 = InfoPopisek(this, u"Label1"_s, QRect(20, 72, 209, 83), Qt::AlignLeft, true);
    Label2 = InfoPopisek(this, u"Label2"_s, QRect(240, 72, 65, 83), Qt::AlignRight, true);
    Label3 = InfoPopisek(this, u"Label3"_s, QRect(320, 72, 65, 88), Qt::AlignRight, true);
    titulek2 = InfoPopisek(this, u"titulek2"_s, QRect(12, 166, 388, 107), Qt::AlignHCenter, true);
    Ano_Btn = Tlacitko(this, u"&Ano"_s, u"Ano_Btn"_s, QRect(31, 293, 111, 33));
    connect(Ano_Btn, &QPushButton::clicked, this, &TZ_info83_F::Ano_BtnClick);
    Ne_Btn = Tlacitko(this, u"&Ne"_s, u"Ne_Btn"_s, QRect(272, 293, 113, 33));
    // The record would be rejected: only a deliberate "Ano" goes on.
    Ne_Btn->setDefault(true);
    connect(Ne_Btn, &QPushButton::clicked, this, &TZ_info83_F::Ne_BtnClick);
}

void TZ_info83_F::showEvent(QShowEvent *udalost)
{
    FormShow();
    QDialog::showEvent(udalost);
}

void TZ_info83_F::FormShow()
{
    VycentrujNaObrazovce(this);
    titulek3->setText(RadkyTextu(InfoText2));
    Label1->setText(RadkyTextu(InfoText3));
    Label2->setText(RadkyTextu(InfoText4));
    Label3->setText(RadkyTextu(InfoText5));
    titulek2->setText(RadkyTextu(InfoText1));
    // A focused button takes Enter: the focus starts on the default "&Ne".
    Ne_Btn->setFocus(Qt::OtherFocusReason);
}

void TZ_info83_F::Ano_BtnClick()
{
    accept();
}

void TZ_info83_F::reject()
{
    // Esc and the close box answer "Ne".
    Ne_BtnClick();
}

void TZ_info83_F::Ne_BtnClick()
{
    m_kontrolyOK = false;
    QDialog::done(VysledekNe);
}
