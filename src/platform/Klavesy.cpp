#include "Klavesy.h"

#include <QKeyEvent>

namespace Klavesy {

namespace {

// The Czech layout's number row without Shift, keys 1 to 0.
constexpr char16_t CeskaRada[] = u"+ěščřžýáíé";

} // namespace

bool JeZkratka(const QKeyEvent &k)
{
    return k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

int CisliceZnaku(QChar z)
{
    if (z >= u'0' && z <= u'9')
        return z.unicode() - u'0';
    // From 1: the row's '+' (key 1) is left to Cislice, which knows where it came from.
    for (int i = 1; i < 10; ++i) {
        if (z == QChar(CeskaRada[i]) || z == QChar(CeskaRada[i]).toUpper())
            return (i + 1) % 10;
    }
    return -1;
}

int Cislice(const QKeyEvent &k)
{
    const QString text = k.text();
    if (JeZkratka(k) || text.size() != 1)
        return -1;
    if (text.at(0) == QChar(CeskaRada[0]) && !(k.modifiers() & Qt::KeypadModifier))
        return 1;
    return CisliceZnaku(text.at(0));
}

QString JenCislice(const QString &text, bool cas)
{
    QString vysledek;
    for (const QChar z : text) {
        const int c = CisliceZnaku(z);
        if (c >= 0)
            vysledek += QChar(u'0' + c);
        else if (cas && (z == u':' || z == u'.'))
            vysledek += z;
    }
    return vysledek;
}

} // namespace Klavesy
