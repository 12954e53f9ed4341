#include "Kodovani.h"

#include "EChyba.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace Kodovani {
namespace {

constexpr const char *NazevKodovani = "Windows-1250";

// Built once: the 256 characters of the code page and the reverse map.
struct Tabulka
{
    char16_t znak[256];
    QHash<char16_t, char> bajt;

    Tabulka()
    {
        QStringDecoder dekoder(NazevKodovani);
        if (!dekoder.isValid())
            qFatal("Qt bez podpory kódování Windows-1250 (ICU)");
        for (int i = 0; i < 256; ++i) {
            const char b = char(i);
            const QString s = dekoder.decode(QByteArrayView(&b, 1));
            if (s.size() != 1)
                qFatal("Kódování Windows-1250: bajt %d nemá jeden znak", i);
            znak[i] = s.at(0).unicode();
            bajt.insert(znak[i], b);
        }
    }
};

const Tabulka &tabulka()
{
    static const Tabulka t;
    return t;
}

} // namespace

QString ZCp1250(QByteArrayView bajty)
{
    const Tabulka &t = tabulka();
    QString vysledek(bajty.size(), Qt::Uninitialized);
    QChar *cil = vysledek.data();
    for (qsizetype i = 0; i < bajty.size(); ++i)
        cil[i] = QChar(t.znak[uchar(bajty[i])]);
    return vysledek;
}

QByteArray DoCp1250(const QString &text, const QString &popis)
{
    const Tabulka &t = tabulka();
    QByteArray vysledek(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto it = t.bajt.constFind(text.at(i).unicode());
        if (it == t.bajt.constEnd()) {
            throw EChyba(QStringLiteral("Znak „%1“ v %2 nelze zapsat v kódování Windows-1250.")
                             .arg(text.at(i), popis.isEmpty() ? QStringLiteral("textu") : popis));
        }
        vysledek[i] = *it;
    }
    return vysledek;
}

bool LzeKodovat(const QString &text)
{
    const Tabulka &t = tabulka();
    for (const QChar c : text) {
        // ASCII is the same in Windows-1250.
        if (c.unicode() >= 0x80 && !t.bajt.contains(c.unicode()))
            return false;
    }
    return true;
}

} // namespace Kodovani
