#include "HlaskaF.h"

#include "Chyby.h"
#include "Dotaznik.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QFont Pismo(int pixely)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixely);
    f.setBold(true);
    return f;
}

void NastavBarvu(QLabel *popisek, const QColor &barva)
{
    QPalette p = popisek->palette();
    p.setColor(QPalette::WindowText, barva);
    popisek->setPalette(p);
}

} // namespace

THlaskaF::THlaskaF(const TCisChyb &ciselnik, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_ciselnik(ciselnik)
{
    setObjectName(QStringLiteral("HlaskaF"));
    setWindowTitle(QStringLiteral("Pořízení dat"));
    setModal(true);
    setFixedSize(SirkaKlienta, VyskaKlienta);
    QPalette pozadi = palette();
    pozadi.setColor(QPalette::Window, Qt::white);
    setPalette(pozadi);
    setAutoFillBackground(true);

    ChybaL = new QLabel(QStringLiteral("Chyba č. 99"), this);
    ChybaL->setObjectName(QStringLiteral("ChybaL"));
    ChybaL->setGeometry(154, 16, 369, 20);
    ChybaL->setAlignment(Qt::AlignCenter);
    ChybaL->setFont(Pismo(16));

    HlaskaL = new QLabel(this);
    HlaskaL->setObjectName(QStringLiteral("HlaskaL"));
    HlaskaL->setGeometry(8, 56, 662, 25);
    HlaskaL->setAlignment(Qt::AlignCenter);
    HlaskaL->setFont(Pismo(16));

    VysvetleniL = new QLabel(this);
    VysvetleniL->setObjectName(QStringLiteral("VysvetleniL"));
    VysvetleniL->setGeometry(8, 86, 662, 22);
    VysvetleniL->setAlignment(Qt::AlignCenter);
    VysvetleniL->setFont(Pismo(14));
    VysvetleniL->hide();

    OpravitBtn = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack),
                                 QStringLiteral("&Opravit"), this);
    OpravitBtn->setObjectName(QStringLiteral("OpravitBtn"));
    OpravitBtn->setGeometry(202, 100, 97, 33);
    OpravitBtn->setFont(Pismo(13));
    OpravitBtn->setDefault(true);

    IgnorovatBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                   QStringLiteral("&Ignorovat"), this);
    IgnorovatBtn->setObjectName(QStringLiteral("IgnorovatBtn"));
    IgnorovatBtn->setGeometry(370, 100, 105, 33);
    IgnorovatBtn->setFont(Pismo(13));

    setTabOrder(OpravitBtn, IgnorovatBtn);
    connect(OpravitBtn, &QPushButton::clicked, this, &THlaskaF::OpravitBtnClick);
    connect(IgnorovatBtn, &QPushButton::clicked, this, &THlaskaF::IgnorovatBtnClick);
}

void THlaskaF::NastavHlasku(qint32 iChyba, const QString &iParam, bool iInfo, bool iPropust,
                            const QString &iVysvetleni)
{
    QColor barva;
    if (iInfo) {
        barva = QColor(0, 0, 255);
        ChybaL->setText(QStringLiteral("Upozornění (č. ") + QString::number(iChyba) + u')');
        IgnorovatBtn->setText(QStringLiteral("&Potvrdit"));
    } else {
        barva = QColor(255, 0, 0);
        ChybaL->setText(QStringLiteral("Chyba č. ") + QString::number(iChyba));
        IgnorovatBtn->setText(iPropust ? QStringLiteral("&Potvrdit")
                                       : QStringLiteral("&Ignorovat"));
    }
    aktColor = barva;
    Ramecek(aktColor);
    NastavBarvu(ChybaL, barva);
    NastavBarvu(HlaskaL, barva);

    const QString text = m_ciselnik.NajdiChybu(iChyba).ZkrText;
    if (iParam.isEmpty())
        HlaskaL->setText(text);
    else if (iChyba == 96) // its parameter brings its own parentheses
        HlaskaL->setText(text + u' ' + iParam);
    else
        HlaskaL->setText(text + QStringLiteral(" (") + iParam + u')');

    NastavBarvu(VysvetleniL, barva);
    VysvetleniL->setText(iVysvetleni);
    VysvetleniL->setVisible(!iVysvetleni.isEmpty());
    const int posun = iVysvetleni.isEmpty() ? 0 : VyskaSVysvetlenim - VyskaKlienta;
    setFixedSize(SirkaKlienta, VyskaKlienta + posun);
    OpravitBtn->move(202, 100 + posun);
    IgnorovatBtn->move(370, 100 + posun);
}

bool THlaskaF::UkazHlasku()
{
    if (isVisible())
        return true;
    exec();
    return Opravit;
}

bool THlaskaF::UkazHlasku(IDotaznik &dotaznik)
{
    if (isVisible())
        return true;
    return dotaznik.ProvedDialog(objectName(), [this]() { return UkazHlasku() ? 1 : 0; }) != 0;
}

void THlaskaF::Ramecek(const QColor &iColor)
{
    m_barvaRamecku = iColor;
    update();
}

void THlaskaF::reject()
{
    OpravitBtnClick();
}

void THlaskaF::showEvent(QShowEvent *udalost)
{
    QDialog::showEvent(udalost);
    FormShow();
}

void THlaskaF::changeEvent(QEvent *udalost)
{
    QDialog::changeEvent(udalost);
    if (udalost->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void THlaskaF::paintEvent(QPaintEvent *udalost)
{
    QDialog::paintEvent(udalost);
    // Drawn on every repaint, so the frame survives being covered.
    QPainter p(this);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(m_barvaRamecku, 5, Qt::SolidLine));
    p.drawRect(QRect(0, 0, width(), height()));
}

void THlaskaF::FormShow()
{
    OpravitBtn->setFocus();
    Opravit = true;
    if (const QScreen *obrazovka = screen()) {
        const QRect r = obrazovka->geometry();
        move(r.x() + qRound(r.width() / 2.0 - width() / 2.0),
             r.y() + qRound(r.height() / 2.0 - height() / 2.0));
    }
    QApplication::beep();
}

void THlaskaF::FormActivate()
{
    Ramecek(aktColor);
}

void THlaskaF::OpravitBtnClick()
{
    Opravit = true;
    QDialog::reject();
}

void THlaskaF::IgnorovatBtnClick()
{
    Opravit = false;
    accept();
}
