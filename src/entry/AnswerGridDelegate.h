#pragma once

#include <QStyledItemDelegate>

// Paints the answer grid's two colours and lets the entry window see every key typed into
// a cell editor, so a key typed while editing is handled like one typed into the grid.
class AnswerGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // keyFilter receives the key events of every editor this delegate creates.
    AnswerGridDelegate(QObject *keyFilter, QObject *parent = nullptr);

    static const QColor CellColour;
    static const QColor FixedColour;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QObject *m_keyFilter;
};
