#include "Z_info.h"

#include "Okna.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QLabel *Stitek(QWidget *rodic, const QString &jmeno, int x, int y, int pixely, bool tucne,
               const QString &text = QString())
{
    auto *l = new QLabel(text, rodic);
    l->setObjectName(jmeno);
    QFont pismo(u"Arial"_s);
    pismo.setPixelSize(pixely);
    pismo.setBold(tucne);
    l->setFont(pismo);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

TZ_Info_F::TZ_Info_F(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(u"TZ_Info_F"_s);
    setWindowTitle(u"Informace"_s);
    setFixedSize(534, 224);

    Stitek(this, u"Label1"_s, 189, 20, 16, false, u"Datum:"_s);
    Datum_LBL = Stitek(this, u"Datum_LBL"_s, 254, 20, 16, true, u"00.00.0000"_s);
    Stitek(this, u"Label2"_s, 206, 52, 16, false, u"Čas:"_s);
    Cas_LBL = Stitek(this, u"Cas_LBL"_s, 254, 52, 16, true, u"00:00"_s);
    Stitek(this, u"Label3"_s, 103, 84, 16, false,
           u"Zkontrolujte zobrazený datum a čas s aktuálním,"_s);
    Stitek(this, u"Label4"_s, 53, 116, 13, true,
           u"v případě zjištění rozdílu si datum a čas před zpracováním upravte,"_s);
    Stitek(this, u"Label5"_s, 161, 140, 16, false, u"tyto údaje jsou součástí zápisu."_s);

    auto *ok = Tlacitko(this, u"OK"_s, u"Z_OK_Btn"_s, QRect(397, 172, 105, 33));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    datumCasTimer = new QTimer(this);
    datumCasTimer->setObjectName(u"datumCasTimer"_s);
    datumCasTimer->setInterval(1000);
    connect(datumCasTimer, &QTimer::timeout, this, [this] { ZobrazDatumCas(); });
}

void TZ_Info_F::ZobrazDatumCas()
{
    const QDateTime ted = QDateTime::currentDateTime();
    Datum_LBL->setText(ted.toString(u"dd.MM.yyyy"_s));
    Datum_LBL->adjustSize();
    Cas_LBL->setText(ted.toString(u"HH:mm"_s));
    Cas_LBL->adjustSize();
}

void TZ_Info_F::showEvent(QShowEvent *udalost)
{
    QDialog::showEvent(udalost);
    VycentrujNaObrazovce(this);
    ZobrazDatumCas();
    datumCasTimer->start();
}

void TZ_Info_F::hideEvent(QHideEvent *udalost)
{
    datumCasTimer->stop();
    QDialog::hideEvent(udalost);
}
