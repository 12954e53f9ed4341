#include "Z_infoE.h"

#include "Okna.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {
constexpr int VyskaTextu = 145;
}

TZ_infoE_F::TZ_infoE_F(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"TZ_infoE_F"_s);
    setWindowTitle(u"Export dat a tisk zápisu"_s);
    setFixedSize(460, 315);
    titulek2 = InfoPopisek(this, u"titulek2"_s, QRect(12, 32, 440, 41), Qt::AlignHCenter, false);
    titulek3 =
        InfoPopisek(this, u"titulek3"_s, QRect(12, 96, 440, VyskaTextu), Qt::AlignHCenter, true);
    OK_Btn = Tlacitko(this, u"OK"_s, u"OK_Btn"_s, QRect(175, 274, 111, 33));
    OK_Btn->setDefault(true);
    connect(OK_Btn, &QPushButton::clicked, this, &QDialog::accept);
    Odebrat_Btn = Tlacitko(this, QString(), u"Odebrat_Btn"_s, QRect(400, 274, 33, 33));
    Odebrat_Btn->setIcon(style()->standardIcon(QStyle::SP_DriveFDIcon));
    Odebrat_Btn->setToolTip(u"Bezpečně odebrat USB disk"_s);
    Odebrat_Btn->setAutoDefault(false);
    Odebrat_Btn->hide();
    connect(Odebrat_Btn, &QPushButton::clicked, this, &TZ_infoE_F::Odebrat);
}

void TZ_infoE_F::showEvent(QShowEvent *udalost)
{
    titulek2->setText(RadkyTextu(InfoText1));
    titulek3->setText(RadkyTextu(InfoText2));
    // A longer report (the export's checksum) makes the dialog taller, never cut.
    const int navic = qMax(0, titulek3->heightForWidth(titulek3->width()) - VyskaTextu);
    titulek3->resize(titulek3->width(), VyskaTextu + navic);
    setFixedSize(460, 315 + navic);
    OK_Btn->move(175, 274 + navic);
    Odebrat_Btn->move(400, 274 + navic);
    VycentrujNaObrazovce(this);
    QDialog::showEvent(udalost);
}
