#pragma once

#include <QColor>
#include <QPointer>
#include <QTableWidget>

#include <functional>

// The names grid: a fixed header row and label column, one editable text column.
// Rows are counted as the form counts them: row 0 is the header, data rows from 1.
class TZColorStringGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit TZColorStringGrid(QWidget *parent = nullptr);

    static constexpr int MaxDelka = 50;

    int RowCount() const { return rowCount() + 1; }
    void SetRowCount(int pocet); // header included, at least 2
    int Row() const { return currentRow() + 1; }
    void SetRow(int radek);
    QString Cells(int sloupec, int radek) const;
    void SetCells(int sloupec, int radek, const QString &text);

    void SetSelectedColors(const QColor &pozadi, const QColor &text);

    // The control that gets the focus after Enter on the last row.
    QPointer<QWidget> KamDale;

    // The owner's key press; runs before the grid opens its editor.
    std::function<void(QKeyEvent *)> OnKeyPress;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

    // Enter typed in the cell editor, after the editor has stored its text.
    void EnterZEditoru();
    // Tab (zpet: Shift+Tab): the next (previous) row's name, opened for typing; past the
    // last (first) row the focus leaves the grid.
    void Tabulator(bool zpet);

protected:
    void keyPressEvent(QKeyEvent *udalost) override;
    void focusInEvent(QFocusEvent *udalost) override;
    void focusOutEvent(QFocusEvent *udalost) override;
    bool focusNextPrevChild(bool dalsi) override;
};
