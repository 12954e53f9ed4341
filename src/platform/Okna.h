#pragma once

// Placing windows; header-only, for the libraries that build windows.
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cmath>

// Moves the window to the centre of its screen (the primary screen while it has none).
inline void VycentrujNaObrazovce(QWidget *okno)
{
    const QScreen *obrazovka = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!obrazovka)
        return;
    const QRect g = obrazovka->geometry();
    const QSize velikost = okno->frameGeometry().size();
    okno->move(g.x() + int(std::lround(g.width() / 2.0 - velikost.width() / 2.0)),
               g.y() + int(std::lround(g.height() / 2.0 - velikost.height() / 2.0)));
}

// A text of the information dialogs: Arial 16 px, top-aligned, wrapped when centred.
inline QLabel *InfoPopisek(QWidget *rodic, const QString &jmeno, const QRect &misto,
                           Qt::Alignment zarovnani, bool tucne)
{
    auto *l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setGeometry(misto);
    l->setAlignment(zarovnani | Qt::AlignTop);
    l->setWordWrap(zarovnani == Qt::AlignHCenter);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(tucne);
    l->setFont(f);
    return l;
}

// A button of a dialog laid out at fixed places.
inline QPushButton *Tlacitko(QWidget *rodic, const QString &text, const QString &jmeno,
                             const QRect &misto)
{
    auto *b = new QPushButton(text, rodic);
    b->setObjectName(jmeno);
    b->setGeometry(misto);
    return b;
}

// A text with line breaks of any convention turned into "\n".
inline QString RadkyTextu(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}
