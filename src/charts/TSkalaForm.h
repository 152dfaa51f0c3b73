#pragma once

#include "charts/ScaleItemEntries.h"

#include <QDialog>

#include <functional>

class CaseRecord;
class QListWidget;

// The scale picker: the items of one problem scale with the answers given to them, shown
// without being modal next to a chart. Clicking an entry jumps to the item in the answer
// grid of the current questionnaire.
class TSkalaForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSkalaForm(CaseRecord &record, QWidget *parent = nullptr);

    QListWidget *AktList;

    // Filled by the entry windows: select grid row `row` (columns 0-1) of questionnaire
    // `kind`, make it the top visible row and the current row 1.
    std::function<void(int kind, int row)> jumpToRow;

    // Replaces the list with the entries of one scale.
    void setEntries(const QVector<ScaleItemEntry> &entries);
    // Mouse button down in the list: jumps to the selected entry's row.
    void AktListMouseDown();

    // The row number of an entry: the digits after the first ")" up to the first ".";
    // 999 when there are none or they do not read as a number.
    static int entryRowNumber(const QString &entry);

signals:
    // The picker was closed; the charts hide their markers.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    CaseRecord &m_record;
};
