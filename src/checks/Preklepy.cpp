#include "Preklepy.h"

#include <QString>

namespace {

// An empty field is stored as 0: a value of one digit that was left out is "".
QString Cislice(qint64 n, bool prazdnaNula)
{
    return prazdnaNula && n == 0 ? QString() : QString::number(n);
}

// A digit left out of a value: a leading digit left out before a zero leaves the
// zeros in front, which count for nothing ("105" typed as "05" is 5).
bool BezJedne(const QString &delsi, qint64 kratsi)
{
    for (qsizetype i = 0; i < delsi.size(); ++i) {
        if (QString(delsi).remove(i, 1).toLongLong() == kratsi)
            return true;
    }
    return false;
}

} // namespace

TPreklep DruhPreklepu(qint64 spravne, qint64 zapsano)
{
    if (spravne < 0 || zapsano < 0 || spravne == zapsano)
        return TPreklep::Zadny;
    const QString s = QString::number(spravne);
    const QString z = Cislice(zapsano, true);
    if (z.size() < s.size())
        return BezJedne(s, zapsano) ? TPreklep::Vynechana : TPreklep::Zadny;
    if (z.size() == s.size() + 1) {
        for (qsizetype i = 0; i + 1 < z.size(); ++i) {
            if (z.at(i) == z.at(i + 1) && QString(z).remove(i, 1) == s)
                return TPreklep::Zdvojena;
        }
        return TPreklep::Zadny;
    }
    if (z.size() != s.size())
        return TPreklep::Zadny;
    QList<qsizetype> jine;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) != z.at(i))
            jine.append(i);
    }
    if (jine.size() == 1)
        return jine.at(0) == 0 ? TPreklep::PrvniCislice : TPreklep::JinaCislice;
    if (jine.size() == 2 && jine.at(1) == jine.at(0) + 1 && s.at(jine.at(0)) == z.at(jine.at(1)) &&
        s.at(jine.at(1)) == z.at(jine.at(0)))
        return TPreklep::Prohozeni;
    return TPreklep::Zadny;
}

QList<qint64> Predlohy(qint64 zapsano)
{
    const QString z = Cislice(zapsano, true);
    QList<qint64> vysledek;
    auto pridej = [&](const QString &t) {
        if (t.isEmpty() || (t.size() > 1 && t.at(0) == u'0') || t.size() > 10)
            return;
        const qint64 n = t.toLongLong();
        if (DruhPreklepu(n, zapsano) != TPreklep::Zadny && !vysledek.contains(n))
            vysledek.append(n);
    };
    for (qsizetype i = 0; i <= z.size(); ++i) {
        for (char16_t c = u'0'; c <= u'9'; ++c)
            pridej(QString(z).insert(i, QChar(c)));
    }
    for (char16_t c = u'1'; c <= u'9'; ++c)
        pridej(QString(c) + u'0' + z);
    for (qsizetype i = 0; i < z.size(); ++i) {
        pridej(QString(z).remove(i, 1));
        for (char16_t c = u'0'; c <= u'9'; ++c)
            pridej(QString(z).replace(i, 1, QChar(c)));
        if (i + 1 < z.size()) {
            QString t = z;
            std::swap(t[i], t[i + 1]);
            pridej(t);
        }
    }
    return vysledek;
}

double Obvyklost(TPreklep druh)
{
    switch (druh) {
    case TPreklep::Zdvojena:
    case TPreklep::Vynechana:
        return 1.0;
    case TPreklep::Prohozeni:
        return 0.8;
    case TPreklep::PrvniCislice:
        return 0.7;
    case TPreklep::JinaCislice:
        return 0.6;
    case TPreklep::Zadny:
        break;
    }
    return 0.0;
}
