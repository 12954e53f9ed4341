#pragma once

#include <QColor>
#include <QLineEdit>

#include <functional>

enum class TValueType
{
    vtString,
    vtNumber,
    vtCas // a time: digits, ':' and '.'
};

// The entry field of every form: filters what may be typed or pasted, turns Enter into
// Tab, selects its text on entry, falls back to a default when left empty and draws
// right-aligned or centred text itself while it has no focus. A key held with Ctrl, Alt
// or Meta never types: Alt+P meant for a dialog's button leaves the field as it was.
class TSEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TSEdit(QWidget *parent = nullptr);

    TValueType ValueType = TValueType::vtString;
    QString DefaultValue;
    bool AutoSelect = true;

    Qt::Alignment Alignment() const { return m_zarovnani; }
    void SetAlignment(Qt::Alignment zarovnani);

    // Background colour: the window colour for an entry, the button face for a display.
    void NastavBarvuOkna(bool okno);
    void NastavBarvuTextu(const QColor &barva);

    // Runs before the filter (the owner's key press); may not consume the key.
    std::function<void(QKeyEvent *)> OnKeyPress;
    std::function<void()> OnEnter;
    // The exit rule; the window detaches it while it fills or returns the focus.
    std::function<void()> OnExit;

    bool Focused() const { return m_focused; }

    // The steps of losing the focus without the exit rule, for a field whose focus
    // moved while its window was inactive (a message box over it).
    void Opustit();

    // The line of a field one can type in, and the ring and background of the field
    // with the focus.
    static constexpr QColor BarvaOkraje{0x5a, 0x5a, 0x5a};
    static constexpr QColor BarvaFokusu{0x1f, 0x5f, 0xa6};
    static constexpr QColor BarvaPoleSFokusem{0xff, 0xf4, 0xc8};

protected:
    void initStyleOption(QStyleOptionFrame *volby) const override;
    void keyPressEvent(QKeyEvent *udalost) override;
    void focusInEvent(QFocusEvent *udalost) override;
    void focusOutEvent(QFocusEvent *udalost) override;
    void paintEvent(QPaintEvent *udalost) override;

private:
    void VykresliText();
    // Pasted or dropped text: what the field does not take is dropped.
    void FiltrujVlozene();
    // Types the key's character if the field takes it; false when it was refused.
    bool NapisZnak(const QKeyEvent &k);
    void VykresliOkraj();

    bool m_focused = false;
    // The select-all of getting the focus, still waiting: a key typed first selects now.
    bool m_vybratVse = false;
    Qt::Alignment m_zarovnani = Qt::AlignLeft;
};

// Whether a focus change only switches windows (a dialog over the form): the field is
// neither entered nor left then.
bool JenZmenaOkna(Qt::FocusReason duvod);
