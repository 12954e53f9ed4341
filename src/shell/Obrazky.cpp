#include "Obrazky.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

const QColor Inkoust(0x2c, 0x3e, 0x55);
const QColor Modroseda(0x5f, 0x78, 0x94);
const QColor ModrosedaSvetla(0x8c, 0xa2, 0xb8);
const QColor ModrosedaTmava(0x46, 0x5b, 0x73);
const QColor Papir(0xfb, 0xfc, 0xfd);
const QColor Linka(0xc4, 0xce, 0xd8);

} // namespace

void KresliListLipy(QPainter &p, const QRectF &r, const QColor &barva)
{
    // Unit leaf: tip at (0,-1), stem notch at (0,0.45); scaled into r.
    auto bod = [&](double x, double y) {
        return QPointF(r.center().x() + x * r.width() / 2.0, r.center().y() + y * r.height() / 2.0);
    };
    QPainterPath list;
    list.moveTo(bod(0, -0.92));
    list.cubicTo(bod(0.28, -0.70), bod(0.86, -0.52), bod(0.84, 0.02));
    list.cubicTo(bod(0.82, 0.50), bod(0.30, 0.66), bod(0, 0.42));
    list.cubicTo(bod(-0.30, 0.66), bod(-0.82, 0.50), bod(-0.84, 0.02));
    list.cubicTo(bod(-0.86, -0.52), bod(-0.28, -0.70), bod(0, -0.92));

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(bod(0, -1), bod(0, 0.6));
    g.setColorAt(0, barva.lighter(125));
    g.setColorAt(1, barva);
    p.setPen(QPen(barva.darker(130), r.width() / 60.0));
    p.setBrush(g);
    p.drawPath(list);

    // Midrib, stem and veins.
    p.setPen(QPen(barva.lighter(160), r.width() / 70.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bod(0, 0.42), bod(0, -0.78));
    QPainterPath stopka;
    stopka.moveTo(bod(0, 0.42));
    stopka.quadTo(bod(0.04, 0.75), bod(0.16, 0.98));
    p.setPen(QPen(barva.darker(130), r.width() / 45.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stopka);
    p.setPen(QPen(barva.lighter(160), r.width() / 110.0, Qt::SolidLine, Qt::RoundCap));
    for (const double y : {-0.45, -0.15, 0.15}) {
        const double delka = 0.62 - std::abs(y + 0.1) * 0.35;
        p.drawLine(bod(0, y + 0.12), bod(delka, y - 0.12));
        p.drawLine(bod(0, y + 0.12), bod(-delka, y - 0.12));
    }
    p.restore();
}

void TPozadi::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xee, 0xf2, 0xf6));
    g.setColorAt(1, QColor(0xd2, 0xdb, 0xe4));
    p.fillRect(rect(), g);
    // A thin band under the menu, like the edge of an official form.
    p.fillRect(QRect(0, 0, width(), 4), ModrosedaTmava);
    p.fillRect(QRect(0, 4, width(), 1), ModrosedaSvetla);
}

void TIlustrace::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width();
    const double h = height();

    // Soft shadow under the box.
    QRadialGradient stin(QPointF(w * 0.5, h * 0.93), w * 0.42);
    stin.setColorAt(0, QColor(40, 60, 80, 70));
    stin.setColorAt(1, QColor(40, 60, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(stin);
    p.drawEllipse(QPointF(w * 0.5, h * 0.93), w * 0.44, h * 0.06);

    // The box: front face, side face and lid, in a gentle perspective.
    const QRectF celo(w * 0.12, h * 0.46, w * 0.60, h * 0.46);
    const double hloubkaX = w * 0.20;
    const double hloubkaY = h * 0.10;
    QPolygonF bok;
    bok << celo.topRight() << celo.topRight() + QPointF(hloubkaX, -hloubkaY)
        << celo.bottomRight() + QPointF(hloubkaX, -hloubkaY) << celo.bottomRight();
    QPolygonF viko;
    viko << celo.topLeft() << celo.topLeft() + QPointF(hloubkaX, -hloubkaY)
         << celo.topRight() + QPointF(hloubkaX, -hloubkaY) << celo.topRight();

    QLinearGradient gCelo(celo.topLeft(), celo.bottomLeft());
    gCelo.setColorAt(0, Modroseda.lighter(108));
    gCelo.setColorAt(1, Modroseda.darker(108));
    p.setPen(QPen(ModrosedaTmava, 1.5));
    p.setBrush(gCelo);
    p.drawRect(celo);
    p.setBrush(ModrosedaTmava);
    p.drawPolygon(bok);
    p.setBrush(ModrosedaSvetla);
    p.drawPolygon(viko);

    // The slot in the lid.
    const QPointF stredVika = (viko[0] + viko[2]) / 2.0;
    QPolygonF strbina;
    const double sx = w * 0.20;
    const double sy = h * 0.012;
    strbina << stredVika + QPointF(-sx, sy + hloubkaY * 0.12)
            << stredVika + QPointF(-sx + sx * 0.18, -sy - hloubkaY * 0.10)
            << stredVika + QPointF(sx, -sy - hloubkaY * 0.12)
            << stredVika + QPointF(sx - sx * 0.18, sy + hloubkaY * 0.10);
    p.setPen(Qt::NoPen);
    p.setBrush(Inkoust);
    p.drawPolygon(strbina);

    // The ballot, half way into the slot, slightly turned: what is below the slot's
    // front edge is inside the box.
    p.save();
    const QPointF smer = strbina[3] - strbina[0];
    QPolygonF nadStrbinou;
    nadStrbinou << strbina[0] - smer * 2.0 << strbina[3] + smer * 2.0
                << strbina[3] + smer * 2.0 - QPointF(0, h)
                << strbina[0] - smer * 2.0 - QPointF(0, h);
    QPainterPath orez;
    orez.addPolygon(nadStrbinou);
    p.setClipPath(orez);
    p.translate(stredVika + QPointF(0, h * 0.03));
    p.rotate(-8);
    const QRectF listek(-w * 0.17, -h * 0.36, w * 0.34, h * 0.36);
    p.setPen(QPen(Linka.darker(115), 1.2));
    p.setBrush(Papir);
    p.drawRect(listek);
    p.setPen(QPen(Linka, 2.0, Qt::SolidLine, Qt::RoundCap));
    const double okraj = listek.width() * 0.12;
    for (int i = 0; i < 6; ++i) {
        const double y = listek.top() + listek.height() * (0.16 + i * 0.13);
        const double ctverec = listek.height() * 0.06;
        p.setPen(QPen(Linka.darker(125), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(listek.left() + okraj, y - ctverec / 2, ctverec, ctverec));
        p.setPen(QPen(Linka, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(listek.left() + okraj * 2.2, y),
                   QPointF(listek.right() - okraj * (i % 2 ? 1.8 : 1.0), y));
        if (i == 1 || i == 4) {
            // The voter's crosses.
            p.setPen(QPen(Inkoust, 2.0, Qt::SolidLine, Qt::RoundCap));
            const QRectF k(listek.left() + okraj, y - ctverec / 2, ctverec, ctverec);
            p.drawLine(k.topLeft() + QPointF(1.5, 1.5), k.bottomRight() - QPointF(1.5, 1.5));
            p.drawLine(k.topRight() + QPointF(-1.5, 1.5), k.bottomLeft() + QPointF(1.5, -1.5));
        }
    }
    p.restore();

    // A round badge with the leaf on the front.
    const QPointF stredZnaku = celo.center() + QPointF(0, -celo.height() * 0.06);
    const double polomer = celo.height() * 0.24;
    p.setPen(QPen(Papir, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stredZnaku, polomer, polomer);
    p.setPen(QPen(Papir, 0.8));
    p.drawEllipse(stredZnaku, polomer * 0.86, polomer * 0.86);
    KresliListLipy(p,
                   QRectF(stredZnaku.x() - polomer * 0.55, stredZnaku.y() - polomer * 0.62,
                          polomer * 1.1, polomer * 1.2),
                   QColor(0xe4, 0xea, 0xf0));

    QFont pismo = font();
    pismo.setPixelSize(int(celo.height() * 0.085));
    pismo.setBold(true);
    pismo.setLetterSpacing(QFont::PercentageSpacing, 130);
    p.setFont(pismo);
    p.setPen(Papir);
    p.drawText(QRectF(celo.left(), celo.bottom() - celo.height() * 0.26, celo.width(),
                      celo.height() * 0.16),
               Qt::AlignCenter, u"VOLBY"_s);
}

void TZnak::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double strana = std::min(width(), height());
    const QPointF stred(width() / 2.0, height() / 2.0);
    const double r = strana / 2.0 - 3;

    QRadialGradient plocha(stred - QPointF(r * 0.3, r * 0.3), r * 1.3);
    plocha.setColorAt(0, QColor(0xf7, 0xf9, 0xfb));
    plocha.setColorAt(1, QColor(0xdc, 0xe3, 0xea));
    p.setPen(QPen(ModrosedaTmava, r * 0.035));
    p.setBrush(plocha);
    p.drawEllipse(stred, r, r);
    p.setPen(QPen(ModrosedaTmava, r * 0.012));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stred, r * 0.92, r * 0.92);
    p.drawEllipse(stred, r * 0.66, r * 0.66);

    // The legend around the ring, one letter at a time.
    const QString text = u"OKRSKOVÁ VOLEBNÍ KOMISE"_s;
    QFont pismo = font();
    pismo.setPixelSize(int(r * 0.14));
    pismo.setBold(true);
    p.setFont(pismo);
    p.setPen(Inkoust);
    const QFontMetricsF metrika(pismo);
    const double polomerTextu = r * 0.74;
    // Each letter takes the angle of its own width plus a little air.
    QList<double> uhly;
    double celkem = 0;
    for (const QChar z : text) {
        const double u = (metrika.horizontalAdvance(z) + r * 0.012) / polomerTextu;
        uhly.append(celkem + u / 2.0);
        celkem += u;
    }
    const double zacatek = -std::numbers::pi / 2.0 - celkem / 2.0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const double uhel = zacatek + uhly.at(i);
        p.save();
        p.translate(stred + QPointF(std::cos(uhel), std::sin(uhel)) * polomerTextu);
        p.rotate(uhel * 180.0 / std::numbers::pi + 90.0);
        const QString znak(text.at(i));
        p.drawText(QPointF(-metrika.horizontalAdvance(znak) / 2.0, 0), znak);
        p.restore();
    }
    // Three small stars along the lower ring.
    for (const double uhel : {60.0, 90.0, 120.0}) {
        const double u = uhel * std::numbers::pi / 180.0;
        const QPointF s = stred + QPointF(std::cos(u), std::sin(u)) * (r * 0.79);
        QPolygonF hvezda;
        for (int k = 0; k < 10; ++k) {
            const double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
            const double rr = (k % 2 ? 0.4 : 1.0) * r * 0.05;
            hvezda << s + QPointF(std::cos(a), std::sin(a)) * rr;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Modroseda);
        p.drawPolygon(hvezda);
    }

    KresliListLipy(p, QRectF(stred.x() - r * 0.40, stred.y() - r * 0.50, r * 0.80, r * 0.92),
                   QColor(0x5b, 0x7a, 0x8e));
}
