#include "Z_oprog.h"

#include "Obrazky.h"
#include "Okna.h"
#include "Z_info.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TZ_OProgramu_F::TZ_OProgramu_F(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"TZ_OProgramu_F"_s);
    setWindowTitle(u"O programu"_s);
    setFixedSize(420, 256);

    auto *panel = new QFrame(this);
    panel->setObjectName(u"Panel1"_s);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 401, 185);

    struct TRadek
    {
        const char *Jmeno;
        QString Text;
        int Y;
        int Pixely;
    };
    const TRadek radky[] = {
        {"Label1", u"VOLBY do ZASTUPITELSTEV OBCÍ"_s, 22, 16},
        {"Label2", u"POŘÍZENÍ VÝSLEDKŮ HLASOVÁNÍ"_s, 50, 16},
        {"Label3", u"okrskovými volebními komisemi"_s, 78, 13},
        {"Label4", u"------------------------------------------------"_s, 108, 13},
        {"Label5", u"verze 6.0"_s, 138, 13},
    };
    for (const TRadek &r : radky) {
        auto *l = new QLabel(r.Text, panel);
        l->setObjectName(QString::fromLatin1(r.Jmeno));
        QFont pismo(u"Arial"_s);
        pismo.setPixelSize(r.Pixely);
        pismo.setBold(true);
        l->setFont(pismo);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(4, r.Y, 393, r.Pixely + 8);
    }

    auto *ok = Tlacitko(this, u"OK"_s, u"Z_OProgramu_BBtn"_s, QRect(165, 208, 89, 33));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TZ_OProgramu_F::showEvent(QShowEvent *udalost)
{
    QDialog::showEvent(udalost);
    VycentrujNaObrazovce(this);
}
