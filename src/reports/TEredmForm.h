#pragma once

#include <QDialog>

class CaseRecord;
class QLabel;
class QListWidget;

// The results list ("íme az XX tömb:"): the scoring engine's SlotValues, one per line.
class TEredmForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEredmForm(CaseRecord &record, QWidget *parent = nullptr);

    QLabel *Label1; // index of the clicked line
    QLabel *Label2; // the clicked line with every non-digit shown as "&"
    QListWidget *ListBox1;

    // Rebuilds the list from SlotValues[1..225].
    void FormActivate();
    // The line (0-based row) was clicked.
    void ListBox1Click(int row);

    // "12.5" -> "12&5": every character that is not a digit becomes "&".
    static QString digitsOnlyText(const QString &line);

protected:
    void showEvent(QShowEvent *event) override;

private:
    CaseRecord &m_record;
};
