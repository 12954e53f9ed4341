#include "SEdit.h"

#include "Klavesy.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

using namespace Qt::StringLiterals;

bool JenZmenaOkna(Qt::FocusReason duvod)
{
    return duvod == Qt::ActiveWindowFocusReason || duvod == Qt::PopupFocusReason;
}

TSEdit::TSEdit(QWidget *parent) : QLineEdit(parent)
{
    // The caret sits at the start of a field that is not being edited.
    setCursorPosition(0);
    connect(this, &QLineEdit::textEdited, this, &TSEdit::FiltrujVlozene);
}

void TSEdit::SetAlignment(Qt::Alignment zarovnani)
{
    m_zarovnani = zarovnani;
    update();
}

void TSEdit::NastavBarvuOkna(bool okno)
{
    QPalette p = palette();
    p.setColor(QPalette::Base,
               QApplication::palette().color(okno ? QPalette::Base : QPalette::Button));
    setPalette(p);
}

void TSEdit::NastavBarvuTextu(const QColor &barva)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, barva);
    setPalette(p);
}

void TSEdit::keyPressEvent(QKeyEvent *udalost)
{
    if (OnKeyPress)
        OnKeyPress(udalost);
    const int klavesa = udalost->key();
    const QString text = udalost->text();
    const bool tiskne = !text.isEmpty() && text.at(0).isPrint();
    if ((klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) &&
        !(udalost->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Posted, so the focus moves once this key press has finished.
        QCoreApplication::postEvent(this,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        udalost->accept();
        return;
    }
    // Alt or Meta with a character is meant for a window or a dialog, never text.
    // (Ctrl goes on to the edit, which inserts nothing for it but knows Ctrl+V.)
    if (tiskne && udalost->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        udalost->ignore();
        return;
    }
    // A field that only shows its value says so when typed into.
    if (tiskne && isReadOnly()) {
        QApplication::beep();
        udalost->accept();
        return;
    }
    // A key typed before the select-all of the focus has run replaces the whole text,
    // as it would a moment later.
    if (m_vybratVse) {
        m_vybratVse = false;
        selectAll();
    }
    // Pasted digits are filtered before the field's length cuts them.
    if (ValueType != TValueType::vtString && udalost->matches(QKeySequence::Paste) &&
        !isReadOnly()) {
        const QString cisty = Klavesy::JenCislice(QGuiApplication::clipboard()->text(),
                                                  ValueType == TValueType::vtCas);
        if (cisty.isEmpty())
            QApplication::beep();
        else
            insert(cisty);
        udalost->accept();
        return;
    }
    if (ValueType != TValueType::vtString && tiskne && text.size() == 1 &&
        !Klavesy::JeZkratka(*udalost)) {
        if (!NapisZnak(*udalost))
            QApplication::beep();
        udalost->accept();
        return;
    }
    QLineEdit::keyPressEvent(udalost);
}

bool TSEdit::NapisZnak(const QKeyEvent &k)
{
    const int cislice = Klavesy::Cislice(k);
    if (cislice >= 0) {
        insert(QString(QChar(u'0' + cislice)));
        return true;
    }
    const QChar z = k.text().at(0);
    if (ValueType == TValueType::vtCas && (z == u':' || z == u'.')) {
        insert(QString(z));
        return true;
    }
    return false;
}

void TSEdit::FiltrujVlozene()
{
    if (ValueType == TValueType::vtString)
        return;
    const QString puvodni = text();
    const QString cisty = Klavesy::JenCislice(puvodni, ValueType == TValueType::vtCas);
    if (cisty == puvodni)
        return;
    QApplication::beep();
    const int zaKurzorem = int(puvodni.size()) - cursorPosition();
    setText(cisty);
    setCursorPosition(qMax(0, int(cisty.size()) - zaKurzorem));
}

void TSEdit::focusInEvent(QFocusEvent *udalost)
{
    QLineEdit::focusInEvent(udalost);
    // Getting the focus back with the window is no entry; getting it for the first
    // time as the window returns (focus set while a dialog was open) is.
    if (JenZmenaOkna(udalost->reason()) && m_focused)
        return;
    m_focused = true;
    update();
    if (AutoSelect) {
        // After the platform has placed the caret, unless a key comes first.
        m_vybratVse = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_vybratVse) {
                    m_vybratVse = false;
                    selectAll();
                }
            },
            Qt::QueuedConnection);
    }
    if (OnEnter)
        OnEnter();
}

void TSEdit::Opustit()
{
    if (text().isEmpty())
        setText(DefaultValue);
    m_focused = false;
    m_vybratVse = false;
    setCursorPosition(0);
    deselect();
    update();
}

void TSEdit::focusOutEvent(QFocusEvent *udalost)
{
    if (JenZmenaOkna(udalost->reason())) {
        QLineEdit::focusOutEvent(udalost);
        return;
    }
    if (text().isEmpty())
        setText(DefaultValue);
    m_focused = false;
    m_vybratVse = false;
    QLineEdit::focusOutEvent(udalost);
    setCursorPosition(0);
    deselect();
    update();
    if (OnExit) {
        // A copy: the handler may detach itself.
        const auto handler = OnExit;
        handler();
    }
}

void TSEdit::initStyleOption(QStyleOptionFrame *volby) const
{
    QLineEdit::initStyleOption(volby);
    if (m_focused)
        volby->palette.setColor(QPalette::Base, BarvaPoleSFokusem);
}

void TSEdit::paintEvent(QPaintEvent *udalost)
{
    if (m_focused || m_zarovnani & Qt::AlignLeft)
        QLineEdit::paintEvent(udalost);
    else
        VykresliText();
    VykresliOkraj();
}

void TSEdit::VykresliText()
{
    QPainter p(this);
    QRect oblast = rect();
    p.fillRect(oblast, palette().color(QPalette::Base));
    int okraj = 0;
    if (hasFrame()) {
        p.setPen(palette().color(QPalette::Shadow));
        p.drawRect(oblast.adjusted(0, 0, -1, -1));
        oblast.adjust(1, 1, -1, -1);
        okraj = 2;
    }
    QString obsah = text();
    if (echoMode() == QLineEdit::Password)
        obsah = QString(obsah.size(), QChar(style()->styleHint(
                                          QStyle::SH_LineEdit_PasswordCharacter, nullptr, this)));
    const QFontMetrics fm(font());
    const int sirka = fm.horizontalAdvance(obsah);
    int x = oblast.left() + okraj;
    if (m_zarovnani & Qt::AlignRight)
        x = oblast.right() - sirka - okraj;
    else if (m_zarovnani & Qt::AlignHCenter)
        x = (oblast.left() + oblast.right() - sirka) / 2;
    p.setClipRect(oblast);
    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::Text) : QColor(Qt::gray));
    const int y = oblast.top() + (oblast.height() - fm.height()) / 2 + fm.ascent();
    p.drawText(x, y, obsah);
}

void TSEdit::VykresliOkraj()
{
    // A field one can type in stands out from any page: its frame, or for a field without
    // one the line of a form's blank, dark enough to see. The field with the focus is
    // ringed, whether it takes typing or only shows a value.
    QPainter p(this);
    const QRect r = rect();
    if (m_focused) {
        p.setPen(QPen(BarvaFokusu, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -1, -1));
    } else if (isEnabled() && !isReadOnly()) {
        p.setPen(BarvaOkraje);
        if (hasFrame())
            p.drawRect(r.adjusted(0, 0, -1, -1));
        else
            p.drawLine(r.bottomLeft(), r.bottomRight());
    }
}
