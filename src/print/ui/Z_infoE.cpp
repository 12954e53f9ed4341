#include "Z_infoE.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

QLabel *Titulek(QWidget *rodic, const char *jmeno, const QRect &misto, bool tucne)
{
    auto *l = new QLabel(rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setGeometry(misto);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(true);
    QFont f(u"Arial"_s);
    f.setPixelSize(16);
    f.setBold(tucne);
    l->setFont(f);
    return l;
}

QString Radky(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

} // namespace

TZ_infoE_F::TZ_infoE_F(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"TZ_infoE_F"_s);
    setWindowTitle(u"Export dat a tisk zápisu"_s);
    setFixedSize(460, 315);
    titulek2 = Titulek(this, "titulek2", QRect(12, 32, 440, 41), false);
    titulek3 = Titulek(this, "titulek3", QRect(12, 96, 440, 145), true);
    OK_Btn = new QPushButton(u"OK"_s, this);
    OK_Btn->setObjectName(u"OK_Btn"_s);
    OK_Btn->setGeometry(175, 274, 111, 33);
    OK_Btn->setDefault(true);
    connect(OK_Btn, &QPushButton::clicked, this, &QDialog::accept);
    Odebrat_Btn = new QPushButton(this);
    Odebrat_Btn->setObjectName(u"Odebrat_Btn"_s);
    Odebrat_Btn->setGeometry(400, 274, 33, 33);
    Odebrat_Btn->setIcon(style()->standardIcon(QStyle::SP_DriveFDIcon));
    Odebrat_Btn->setToolTip(u"Bezpečně odebrat USB disk"_s);
    Odebrat_Btn->setAutoDefault(false);
    Odebrat_Btn->hide();
    connect(Odebrat_Btn, &QPushButton::clicked, this, &TZ_infoE_F::Odebrat);
}

void TZ_infoE_F::showEvent(QShowEvent *udalost)
{
    titulek2->setText(Radky(InfoText1));
    titulek3->setText(Radky(InfoText2));
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(qRound(g.width() / 2.0 - width() / 2.0),
             qRound(g.height() / 2.0 - height() / 2.0));
    }
    QDialog::showEvent(udalost);
}
