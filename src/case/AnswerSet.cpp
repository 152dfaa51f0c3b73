#include "case/AnswerSet.h"

#include <algorithm>

AnswerSet::AnswerSet(int kind, QObject *parent) : QAbstractTableModel(parent), m_kind(kind)
{
    const QVector<RowDefinition> &list = rowList(kind);
    m_values.resize(list.size());
    m_labels.fill(QStringLiteral("-"), list.size());
    m_questions.reserve(list.size());
    for (const RowDefinition &row : list)
        m_questions.append(questionCaption(kind, row));
}

void AnswerSet::setValueText(int row, const QString &text)
{
    if (row < 0 || row >= size() || m_values[row] == text)
        return;
    m_values[row] = text;
    static const QList<int> roles = {Qt::DisplayRole, Qt::EditRole};
    const QModelIndex cell = index(row, 1);
    emit dataChanged(cell, cell, roles);
}

void AnswerSet::setAnswerLabel(int row, const QString &label)
{
    if (row < 0 || row >= size() || m_labels[row] == label)
        return;
    m_labels[row] = label;
    static const QList<int> roles = {AnswerLabelRole};
    const QModelIndex cell = index(row, 1);
    emit dataChanged(cell, cell, roles);
}

void AnswerSet::startNewExamination()
{
    beginResetModel();
    const int firstResult = kindInfo(m_kind).firstResultRow;
    for (int row = 0; row < size(); ++row)
        m_values[row] = row >= firstResult ? QStringLiteral("***") : QString();
    endResetModel();
}

void AnswerSet::resetLabels()
{
    beginResetModel();
    m_labels.fill(QStringLiteral("-"));
    endResetModel();
}

void AnswerSet::assign(const QVector<QString> &values, const QVector<QString> &labels)
{
    beginResetModel();
    // Arrays of the full size are shared whole; shorter ones replace the rows they reach.
    if (values.size() == m_values.size())
        m_values = values;
    else
        std::copy_n(values.cbegin(), qMin(values.size(), m_values.size()), m_values.begin());
    if (labels.size() == m_labels.size())
        m_labels = labels;
    else
        std::copy_n(labels.cbegin(), qMin(labels.size(), m_labels.size()), m_labels.begin());
    endResetModel();
}

void AnswerSet::assign(QVector<QString> &&values, QVector<QString> &&labels)
{
    if (values.size() != m_values.size() || labels.size() != m_labels.size()) {
        assign(values, labels);
        return;
    }
    beginResetModel();
    m_values = std::move(values);
    m_labels = std::move(labels);
    endResetModel();
}

int AnswerSet::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : size(); }

int AnswerSet::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 2; }

QVariant AnswerSet::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= size())
        return {};
    const int row = index.row();
    if (role == AnswerLabelRole)
        return m_labels[row];
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return index.column() == 0 ? m_questions[row] : m_values[row];
}

bool AnswerSet::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 1 || index.row() >= size())
        return false;
    if (role == AnswerLabelRole)
        setAnswerLabel(index.row(), value.toString());
    else if (role == Qt::EditRole || role == Qt::DisplayRole)
        setValueText(index.row(), value.toString());
    else
        return false;
    return true;
}

Qt::ItemFlags AnswerSet::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 1 ? base | Qt::ItemIsEditable : base;
}
