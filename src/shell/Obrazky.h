#pragma once

#include <QWidget>

class QPainter;

// The pictures of the main window, drawn in code: a calm blue-grey background, a
// ballot box with a ballot going in, and a round seal with a linden leaf.
class TPozadi : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *udalost) override;
};

class TIlustrace : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *udalost) override;
};

class TZnak : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *udalost) override;
};

// A stylised linden leaf filling `obdelnik`, tip up.
void KresliListLipy(QPainter &p, const QRectF &obdelnik, const QColor &barva);
