#include "Z_info83.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

QLabel *Popisek(QWidget *rodic, const QString &jmeno, const QRect &misto, Qt::Alignment zarovnani)
{
    auto *l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setGeometry(misto);
    l->setAlignment(zarovnani | Qt::AlignTop);
    l->setWordWrap(zarovnani == Qt::AlignHCenter);
    QFont f(u"Arial"_s);
    f.setPixelSize(16);
    f.setBold(true);
    l->setFont(f);
    return l;
}

QString Radky(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

} // namespace

TZ_info83_F::TZ_info83_F(bool &kontrolyOK, QWidget *parent) : QDialog(parent), m_kontrolyOK(kontrolyOK)
{
    setObjectName(u"TZ_info83_F"_s);
    setWindowTitle(u"Kontrola dat"_s);
    setFixedSize(416, 334);
    titulek3 = Popisek(this, u"titulek3"_s, QRect(12, 28, 388, 31), Qt::AlignHCenter);
    Label1 = Popisek(this, u"Label1"_s, QRect(20, 72, 209, 83), Qt::AlignLeft);
    Label2 = Popisek(this, u"Label2"_s, QRect(240, 72, 65, 83), Qt::AlignRight);
    Label3 = Popisek(this, u"Label3"_s, QRect(320, 72, 65, 88), Qt::AlignRight);
    titulek2 = Popisek(this, u"titulek2"_s, QRect(12, 166, 388, 107), Qt::AlignHCenter);
    Ano_Btn = new QPushButton(u"&Ano"_s, this);
    Ano_Btn->setObjectName(u"Ano_Btn"_s);
    Ano_Btn->setGeometry(31, 293, 111, 33);
    Ano_Btn->setDefault(true);
    connect(Ano_Btn, &QPushButton::clicked, this, &TZ_info83_F::Ano_BtnClick);
    Ne_Btn = new QPushButton(u"&Ne"_s, this);
    Ne_Btn->setObjectName(u"Ne_Btn"_s);
    Ne_Btn->setGeometry(272, 293, 113, 33);
    connect(Ne_Btn, &QPushButton::clicked, this, &TZ_info83_F::Ne_BtnClick);
}

void TZ_info83_F::showEvent(QShowEvent *udalost)
{
    FormShow();
    QDialog::showEvent(udalost);
}

void TZ_info83_F::FormShow()
{
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(qRound(g.width() / 2.0 - width() / 2.0), qRound(g.height() / 2.0 - height() / 2.0));
    }
    titulek3->setText(Radky(InfoText2));
    Label1->setText(Radky(InfoText3));
    Label2->setText(Radky(InfoText4));
    Label3->setText(Radky(InfoText5));
    titulek2->setText(Radky(InfoText1));
}

void TZ_info83_F::Ano_BtnClick()
{
    accept();
}

void TZ_info83_F::Ne_BtnClick()
{
    m_kontrolyOK = false;
    done(VysledekNe);
}
