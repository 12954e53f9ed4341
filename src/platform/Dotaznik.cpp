#include "Dotaznik.h"

#include <cstdio>

TOdpoved TDotaznikFronta::Zobraz(const TZprava &zprava)
{
    Zpravy.append(zprava);
    if (!zprava.AnoNe)
        return TOdpoved::OK;
    if (m_odpovedi.empty()) {
        ++PocetNezodpovezenych;
        return TOdpoved::Ne;
    }
    const TOdpoved odpoved = m_odpovedi.front();
    m_odpovedi.pop_front();
    return odpoved;
}

int TDotaznikFronta::ProvedDialog(const QString &nazev, const std::function<int()> &)
{
    Dialogy.append(nazev);
    if (m_vysledkyDialogu.empty())
        return 0;
    const int vysledek = m_vysledkyDialogu.front();
    m_vysledkyDialogu.pop_front();
    return vysledek;
}

QList<QString> TDotaznikFronta::Texty() const
{
    QList<QString> texty;
    for (const TZprava &z : Zpravy)
        texty.append(z.Text);
    return texty;
}

TOdpoved TDotaznikKonzole::Zobraz(const TZprava &zprava)
{
    const QByteArray radek =
        (zprava.Titulek + QStringLiteral(": ") + QString(zprava.Text).replace(u'\n', u' ') + u'\n')
            .toUtf8();
    std::fputs(radek.constData(), stderr);
    std::fflush(stderr);
    return zprava.AnoNe ? TOdpoved::Ne : TOdpoved::OK;
}

int TDotaznikKonzole::ProvedDialog(const QString &nazev, const std::function<int()> &)
{
    const QByteArray radek = (QStringLiteral("[dialog ") + nazev + QStringLiteral("]\n")).toUtf8();
    std::fputs(radek.constData(), stderr);
    std::fflush(stderr);
    return 0;
}
