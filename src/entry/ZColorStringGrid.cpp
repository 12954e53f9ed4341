#include "ZColorStringGrid.h"

#include "SEdit.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

// The cell editor holds at most the 50 characters that a commission record stores.
class TOmezenyEditor : public QStyledItemDelegate
{
public:
    explicit TOmezenyEditor(TZColorStringGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    // Enter in the editor stores the text and then acts as Enter on the grid.
    bool eventFilter(QObject *objekt, QEvent *udalost) override
    {
        auto *editor = qobject_cast<QWidget *>(objekt);
        if (editor && udalost->type() == QEvent::KeyPress) {
            const auto *klavesa = static_cast<QKeyEvent *>(udalost);
            const int k = klavesa->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                QMetaObject::invokeMethod(m_grid, &TZColorStringGrid::EnterZEditoru,
                                          Qt::QueuedConnection);
                return true;
            }
            // Tab goes from name to name, never to the label column.
            if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                QMetaObject::invokeMethod(
                    m_grid,
                    [g = m_grid,
                     zpet = k == Qt::Key_Backtab || klavesa->modifiers() & Qt::ShiftModifier] {
                        g->Tabulator(zpet);
                    },
                    Qt::QueuedConnection);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(objekt, udalost);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &volby,
                          const QModelIndex &index) const override
    {
        QWidget *w = QStyledItemDelegate::createEditor(parent, volby, index);
        if (auto *le = qobject_cast<QLineEdit *>(w))
            le->setMaxLength(TZColorStringGrid::MaxDelka);
        return w;
    }

private:
    TZColorStringGrid *m_grid;
};

} // namespace

TZColorStringGrid::TZColorStringGrid(QWidget *parent) : QTableWidget(1, 2, parent)
{
    setItemDelegateForColumn(1, new TOmezenyEditor(this));
    verticalHeader()->hide();
    // A plain dark frame, like the entry fields': the grid must stand out from its page.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setWordWrap(true);
    setTabKeyNavigation(false);
    QFont f(u"Tahoma"_s);
    f.setPixelSize(13);
    f.setBold(false); // the names, whatever the form's font
    setFont(f);
    QFont hlavicka = f;
    hlavicka.setBold(true);
    horizontalHeader()->setFont(hlavicka);
    SetRowCount(2);
    SetSelectedColors(QApplication::palette().color(QPalette::Button), Qt::black);
}

void TZColorStringGrid::SetRowCount(int pocet)
{
    const int stary = rowCount();
    setRowCount(qMax(1, pocet - 1));
    QFont tucne = font();
    tucne.setBold(true);
    for (int r = 0; r < rowCount(); ++r) {
        if (!item(r, 0)) {
            auto *popis = new QTableWidgetItem;
            popis->setFlags(Qt::ItemIsEnabled);
            popis->setFont(tucne);
            popis->setBackground(QApplication::palette().color(QPalette::Button));
            setItem(r, 0, popis);
        }
        if (!item(r, 1)) {
            auto *jmeno = new QTableWidgetItem;
            jmeno->setFont(font());
            setItem(r, 1, jmeno);
        }
    }
    if (currentRow() < 0 || currentRow() >= rowCount() || stary == 0)
        setCurrentCell(0, 1);
}

void TZColorStringGrid::SetRow(int radek)
{
    setCurrentCell(qBound(0, radek - 1, rowCount() - 1), 1);
}

QString TZColorStringGrid::Cells(int sloupec, int radek) const
{
    const QTableWidgetItem *i = item(radek - 1, sloupec);
    return i ? i->text() : QString();
}

void TZColorStringGrid::SetCells(int sloupec, int radek, const QString &text)
{
    if (QTableWidgetItem *i = item(radek - 1, sloupec))
        i->setText(text);
}

void TZColorStringGrid::SetSelectedColors(const QColor &pozadi, const QColor &text)
{
    QPalette p = palette();
    for (const auto skupina : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(skupina, QPalette::Highlight, pozadi);
        p.setColor(skupina, QPalette::HighlightedText, text);
    }
    setPalette(p);
}

void TZColorStringGrid::keyPressEvent(QKeyEvent *udalost)
{
    const bool enter = udalost->key() == Qt::Key_Return || udalost->key() == Qt::Key_Enter;
    if (enter && Row() == RowCount() - 1) {
        if (Row() > 1)
            SetRow(1);
        if (KamDale)
            KamDale->setFocus(Qt::TabFocusReason);
        udalost->accept();
        return;
    }
    if (OnKeyPress) {
        OnKeyPress(udalost);
        if (udalost->isAccepted() && udalost->key() == 0)
            return;
    }
    const QString text = udalost->text();
    const bool znak = !text.isEmpty() && text.at(0) > u' ' && text.at(0).isPrint() &&
                      !(udalost->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    // What is typed on a row's label belongs to the row's name.
    if ((enter || znak) && currentColumn() == 0)
        setCurrentCell(currentRow(), 1);
    if (state() != QAbstractItemView::EditingState && currentIndex().isValid() &&
        currentColumn() == 1) {
        if (enter) {
            edit(currentIndex());
            if (auto *le = qobject_cast<QLineEdit *>(indexWidget(currentIndex())))
                le->selectAll();
            udalost->accept();
            return;
        }
        if (znak) {
            edit(currentIndex());
            if (auto *le = qobject_cast<QLineEdit *>(indexWidget(currentIndex()))) {
                le->setText(text.left(MaxDelka));
                le->setCursorPosition(le->text().size());
            }
            udalost->accept();
            return;
        }
    }
    QTableWidget::keyPressEvent(udalost);
}

void TZColorStringGrid::focusInEvent(QFocusEvent *udalost)
{
    QTableWidget::focusInEvent(udalost);
    if (!JenZmenaOkna(udalost->reason()) && OnEnter)
        OnEnter();
}

void TZColorStringGrid::focusOutEvent(QFocusEvent *udalost)
{
    QTableWidget::focusOutEvent(udalost);
    // Focus that moves into the cell editor stays inside the grid.
    QWidget *novy = QApplication::focusWidget();
    if (novy && isAncestorOf(novy))
        return;
    if (!JenZmenaOkna(udalost->reason()) && OnExit)
        OnExit();
}

bool TZColorStringGrid::focusNextPrevChild(bool dalsi)
{
    // Tab on the grid itself walks the names too.
    if (hasFocus()) {
        Tabulator(!dalsi);
        return true;
    }
    return QTableWidget::focusNextPrevChild(dalsi);
}

void TZColorStringGrid::Tabulator(bool zpet)
{
    const int radek = currentRow() + (zpet ? -1 : 1);
    if (radek < 0 || radek >= rowCount()) {
        // Past the last name the focus leaves the grid: the view's own walk over cells
        // is skipped on purpose.
        QWidget::focusNextPrevChild(!zpet); // NOLINT(bugprone-parent-virtual-call)
        return;
    }
    setCurrentCell(radek, 1);
    edit(currentIndex());
    if (auto *le = qobject_cast<QLineEdit *>(indexWidget(currentIndex())))
        le->selectAll();
}

void TZColorStringGrid::EnterZEditoru()
{
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    keyPressEvent(&enter);
}
