#pragma once

#include <QTableView>

// The answer grid of an entry window (StringGrid1): a two-column table whose column 0 is
// the fixed question column. The fixed column never takes the selection, column widths
// (and, where allowed, row heights) are dragged at the cell borders because the grid has
// no headers, and every press, double-click and move is reported with its cell.
class AnswerGrid : public QTableView
{
    Q_OBJECT
public:
    explicit AnswerGrid(QWidget *parent = nullptr);

    void setRowsResizable(bool resizable) { m_rowsResizable = resizable; }
    bool rowsResizable() const { return m_rowsResizable; }
    // True while the grid itself handles a key: a key that starts editing is handed on to
    // the new cell editor then, and must not count as a second key typed there.
    bool handlingKey() const { return m_handlingKey; }
    // Where a menu opened for the selected cell pops up: the answer cell's lower left
    // corner on the screen (the cell is scrolled into view first).
    QPoint currentCellPopupPoint();

signals:
    // row/column are -1 outside the cells; globalPos is the press on the screen.
    void cellPressed(int row, int column, const QPoint &globalPos);
    void cellDoubleClicked();
    // x, y in grid (viewport) coordinates.
    void cellHovered(int row, int column, int x, int y);
    void pointerLeft();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    int columnBorderAt(int x) const;
    int rowBorderAt(int y) const;

    int m_resizingColumn = -1;
    int m_resizingRow = -1;
    bool m_rowsResizable = true;
    bool m_handlingKey = false;
};
