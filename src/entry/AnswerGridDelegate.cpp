#include "entry/AnswerGridDelegate.h"

// Windows colour values 13165038 and 9754099 (blue-green-red byte order).
const QColor AnswerGridDelegate::CellColour(0xEE, 0xE1, 0xC8);
const QColor AnswerGridDelegate::FixedColour(0xF3, 0xD5, 0x94);

AnswerGridDelegate::AnswerGridDelegate(QObject *keyFilter, QObject *parent)
    : QStyledItemDelegate(parent), m_keyFilter(keyFilter)
{ }

QWidget *AnswerGridDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor && m_keyFilter)
        editor->installEventFilter(m_keyFilter);
    return editor;
}

void AnswerGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->backgroundBrush = index.column() == 0 ? FixedColour : CellColour;
}
