#include "entry/AnswerGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int BorderGrip = 3; // pixels either side of a cell border that start a resize
constexpr int MinimumSize = 8;
} // namespace

AnswerGrid::AnswerGrid(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(MinimumSize);
}

int AnswerGrid::columnBorderAt(int x) const
{
    if (!model())
        return -1;
    for (int column = 0; column < model()->columnCount(); ++column) {
        const int edge = columnViewportPosition(column) + columnWidth(column);
        if (qAbs(x - edge) <= BorderGrip)
            return column;
    }
    return -1;
}

int AnswerGrid::rowBorderAt(int y) const
{
    if (!m_rowsResizable || !model())
        return -1;
    const int row = rowAt(y);
    if (row < 0)
        return -1;
    if (qAbs(y - (rowViewportPosition(row) + rowHeight(row))) <= BorderGrip)
        return row;
    if (row > 0 && qAbs(y - rowViewportPosition(row)) <= BorderGrip)
        return row - 1;
    return -1;
}

void AnswerGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_resizingColumn = columnBorderAt(pos.x());
        m_resizingRow = m_resizingColumn < 0 ? rowBorderAt(pos.y()) : -1;
        if (m_resizingColumn >= 0 || m_resizingRow >= 0)
            return;
    }
    const QModelIndex cell = indexAt(pos);
    // Only an answer cell takes the selection; a press on the question column leaves it.
    if (cell.isValid() && cell.column() == 1)
        QTableView::mousePressEvent(event);
    else
        setFocus(Qt::MouseFocusReason);
    emit cellPressed(
        cell.isValid() ? cell.row() : -1, cell.isValid() ? cell.column() : -1, event->globalPosition().toPoint());
}

void AnswerGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizingColumn >= 0) {
        setColumnWidth(m_resizingColumn, qMax(MinimumSize, pos.x() - columnViewportPosition(m_resizingColumn)));
        return;
    }
    if (m_resizingRow >= 0) {
        setRowHeight(m_resizingRow, qMax(MinimumSize, pos.y() - rowViewportPosition(m_resizingRow)));
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) {
        if (columnBorderAt(pos.x()) >= 0)
            viewport()->setCursor(Qt::SplitHCursor);
        else if (rowBorderAt(pos.y()) >= 0)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
    }
    QTableView::mouseMoveEvent(event);
    const QModelIndex cell = indexAt(pos);
    emit cellHovered(cell.isValid() ? cell.row() : -1, cell.isValid() ? cell.column() : -1, pos.x(), pos.y());
}

void AnswerGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_resizingColumn >= 0 || m_resizingRow >= 0) {
        m_resizingColumn = -1;
        m_resizingRow = -1;
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void AnswerGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (columnBorderAt(pos.x()) >= 0 || rowBorderAt(pos.y()) >= 0)
        return;
    const QModelIndex cell = indexAt(pos);
    if (cell.isValid() && cell.column() == 1)
        QTableView::mouseDoubleClickEvent(event);
    emit cellDoubleClicked();
}

void AnswerGrid::keyPressEvent(QKeyEvent *event)
{
    const bool outer = !m_handlingKey;
    m_handlingKey = true;
    QTableView::keyPressEvent(event);
    if (outer)
        m_handlingKey = false;
}

QPoint AnswerGrid::currentCellPopupPoint()
{
    const QModelIndex cell = currentIndex();
    if (!cell.isValid())
        return viewport()->mapToGlobal(QPoint(0, 0));
    // A cell editor that just closed leaves a layout pending; the cell's place is known
    // only after it.
    executeDelayedItemsLayout();
    scrollTo(cell);
    return viewport()->mapToGlobal(visualRect(cell).bottomLeft());
}

void AnswerGrid::leaveEvent(QEvent *event)
{
    QTableView::leaveEvent(event);
    emit pointerLeft();
}

QModelIndex AnswerGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // The question column is fixed: keyboard moves stay in the answer column.
    QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (next.isValid() && next.column() != 1)
        next = next.sibling(next.row(), 1);
    return next;
}
