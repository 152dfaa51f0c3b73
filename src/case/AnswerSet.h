#pragma once

#include "case/RowList.h"

#include <QAbstractTableModel>
#include <QVector>

// The answers of one questionnaire: one AnswerRow per row of its row list. It is the
// single copy of the answers; the entry window's grid is a view on it.
// Column 0 is the question (not editable), column 1 the ValueText (editable).
class AnswerSet : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int AnswerLabelRole = Qt::UserRole + 1;

    explicit AnswerSet(int kind, QObject *parent = nullptr);

    int kind() const { return m_kind; }
    int size() const { return int(m_values.size()); }
    const QVector<RowDefinition> &rows() const { return rowList(m_kind); }

    const QString &valueText(int row) const { return m_values[row]; }
    const QString &answerLabel(int row) const { return m_labels[row]; }
    void setValueText(int row, const QString &text);
    void setAnswerLabel(int row, const QString &label);

    // Empties every value cell and then puts "***" into every result row.
    void startNewExamination();
    // Every label back to "-".
    void resetLabels();
    // Replaces all values and labels at once (one reset of the views).
    void assign(const QVector<QString> &values, const QVector<QString> &labels);
    void assign(QVector<QString> &&values, QVector<QString> &&labels);
    const QVector<QString> &values() const { return m_values; }
    const QVector<QString> &labels() const { return m_labels; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    int m_kind;
    QVector<QString> m_values;
    QVector<QString> m_labels;
    QVector<QString> m_questions;
};
