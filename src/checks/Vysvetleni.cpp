#include "Vysvetleni.h"

#include <cmath>

namespace {

QString C(qint64 n)
{
    return CisloTextem(n);
}

QString Rozdil(qint64 a, qint64 b)
{
    return QStringLiteral(" (rozdíl ") + C(a > b ? a - b : b - a) + u')';
}

// A share in per cent, whole unless rounding would hide which side of the bar it is on.
QString Procent(qint64 citatel, qint64 jmenovatel, double hranice)
{
    if (jmenovatel == 0)
        return QStringLiteral("?");
    const double p = 100.0 * double(citatel) / double(jmenovatel);
    if (std::round(p) == hranice && p != hranice)
        return QString::number(p, 'f', 1).replace(u'.', u',');
    return QString::number(qint64(std::round(p)));
}

QString Strana(const TOperandy &o)
{
    return QStringLiteral("strana ") + QString::number(o.Strana);
}

QString Kandidat(const TOperandy &o)
{
    return Strana(o) + QStringLiteral(", kandidát ") + QString::number(o.Kandidat) + u':';
}

} // namespace

QString CisloTextem(qint64 n)
{
    QString cislice = QString::number(n < 0 ? -n : n);
    for (qsizetype i = cislice.size() - 3; i > 0; i -= 3)
        cislice.insert(i, u' ');
    return n < 0 ? u'-' + cislice : cislice;
}

QString Vysvetli(const TOperandy &o)
{
    const qint64 a = o.A, b = o.B;
    switch (o.Chyba) {
    case 4:
        return QStringLiteral("kontrolní číslo KČ1 %1, správně %2").arg(C(a), C(b));
    case 6:
        return QStringLiteral("voliči v seznamu %1").arg(C(a));
    case 7:
        return QStringLiteral("voliči v seznamu %1, vydané obálky %2").arg(C(a), C(b));
    case 8:
        return QStringLiteral("vydané obálky %1 > voliči v seznamu %2").arg(C(a), C(b));
    case 9:
        return QStringLiteral("vydané obálky %1, odevzdané obálky %2").arg(C(a), C(b));
    case 10:
        return QStringLiteral("odevzdané obálky %1 > vydané obálky %2").arg(C(a), C(b));
    case 11:
        return QStringLiteral("odevzdané obálky %1, platné hlasy %2").arg(C(a), C(b));
    case 12:
        return QStringLiteral("platné hlasy %1 > %2 mandátů × odevzdané obálky %3 = %4")
            .arg(C(a), C(b), C(o.C), C(b * o.C));
    case 13:
        return QStringLiteral("počet stran %1 ≠ počet stran zastupitelstva %2").arg(C(a), C(b));
    case 14:
        return QStringLiteral("stran s hlasy %1 > počet stran %2").arg(C(a), C(b));
    case 15:
        return QStringLiteral("platné hlasy %1, stran s hlasy %2").arg(C(a), C(b));
    case 16:
        return QStringLiteral("stran s hlasy %1, platné hlasy %2").arg(C(a), C(b));
    case 17:
        return QStringLiteral("číslo obvodu %1 ≠ %2 v číselníku okrsků").arg(C(a), C(b));
    case 18:
        return QStringLiteral("kontrolní číslo %1 ≠ součet počtů oddílu II %2").arg(C(a), C(b)) +
               Rozdil(a, b);
    case 19:
        return Strana(o) + QStringLiteral(" není v seznamu stran");
    case 20:
        return Strana(o) +
               QStringLiteral(": pořadí %1 > počet stran zastupitelstva %2").arg(C(a), C(b));
    case 21:
        return Strana(o) + QStringLiteral(": hlasy strany %1 > platné hlasy %2").arg(C(a), C(b));
    case 22:
        return QStringLiteral("součet hlasů stran %1 ≠ platné hlasy %2").arg(C(a), C(b)) +
               Rozdil(a, b);
    case 23:
        return Kandidat(o) + QStringLiteral(" %1 hlasů > hlasy strany %2").arg(C(a), C(b));
    case 24:
        return Kandidat(o) + QStringLiteral(" %1 hlasů > odevzdané obálky %2").arg(C(a), C(b));
    case 25:
        return Strana(o) +
               QStringLiteral(": součet hlasů kandidátů %1 ≠ hlasy strany %2").arg(C(a), C(b)) +
               Rozdil(a, b);
    case 26:
        return Kandidat(o) + QStringLiteral(" %1 hlasů za počtem kandidátů strany").arg(C(a));
    case 27:
        return Kandidat(o) + QStringLiteral(" %1 hlasů, kandidát nekandiduje").arg(C(a));
    case 28:
        return Strana(o) +
               QStringLiteral(": kontrolní číslo %1 ≠ pořadí strany + hlasy strany %2")
                   .arg(C(a), C(b)) +
               Rozdil(a, b);
    case 29:
        return Strana(o) +
               QStringLiteral(": číslo posledního kandidáta %1, hlasy má naposledy kandidát %2")
                   .arg(C(a), C(b));
    case 30:
        return Strana(o) + QStringLiteral(": poslední kandidát s hlasy %1 > počet kandidátů %2")
                               .arg(C(a), C(b));
    case 60:
        return QStringLiteral("stran s hlasy %1 ≠ zapsaný počet stran s hlasy %2").arg(C(a), C(b));
    case 62:
        return QStringLiteral("typ věty %1").arg(C(a));
    case 63:
        return QStringLiteral("příznak opravy %1").arg(C(a));
    case 64:
        return QStringLiteral("příznak chyby %1").arg(C(a));
    case 66:
        return QStringLiteral("součet KČ1 %1 ≠ uložený součet %2").arg(C(a), C(b)) + Rozdil(a, b);
    case 67:
        return QStringLiteral("součet kontrolních čísel %1 ≠ uložený součet %2").arg(C(a), C(b)) +
               Rozdil(a, b);
    case 68:
        return QStringLiteral("součet kontrolních součtů %1 ≠ uložený součet %2").arg(C(a), C(b)) +
               Rozdil(a, b);
    case 74:
        return QStringLiteral("způsob pořízení %1").arg(C(a));
    case 91:
        return QStringLiteral("vydané obálky %1 = voliči v seznamu %2").arg(C(a), C(b));
    case 92:
        return QStringLiteral("odevzdáno %1 % vydaných obálek (má být přes 80 %), chybí %2")
            .arg(Procent(a, b, 80), C(b - a));
    case 93:
        return QStringLiteral("voliči v seznamu %1 (2 000 a více)").arg(C(a));
    case 94:
        return QStringLiteral("vydáno %1 % obálek (nejméně 10 %)").arg(Procent(a, b, 10));
    case 95: {
        // The bar is 60 % of what the envelopes could carry, lowered when the council has
        // fewer than twice as many standing candidates as seats.
        const double f = o.D > 0 ? std::max(1.0, 2.0 * double(b) / double(o.D)) : 1.0;
        const double hranice = 60.0 / f;
        return QStringLiteral("platné hlasy %1 = %2 % z %3 mandátů × odevzdané obálky %4 "
                              "(má být přes %5 %)")
            .arg(C(a), Procent(a, b * o.C, std::round(hranice)), C(b), C(o.C),
                 QString::number(hranice, 'f', hranice == std::round(hranice) ? 0 : 1)
                     .replace(u'.', u','));
    }
    case 96:
        return QStringLiteral("voliči v seznamu %1, podle číselníku voličů %2 (rozdíl %3, %4 %)")
            .arg(C(a), C(b), C(a - b), Procent(a, b, 120));
    case 97:
        return QStringLiteral("vydáno %1 % obálek (nejvýše 90 %)").arg(Procent(a, b, 90));
    default:
        return QString();
    }
}
