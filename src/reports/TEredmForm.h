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

    QLabel *Label1 = nullptr; // index of the clicked line
    QLabel *Label2 = nullptr; // the clicked line with every non-digit shown as "&"
    QListWidget *ListBox1 = nullptr;

    // Rebuilds the list from SlotValues[1..225].
    void FormActivate();
    // The line (0-based row) was clicked.
    void ListBox1Click(int row);

    // "12.5" -> "12&5": every character that is not a digit becomes "&".
    static QString digitsOnlyText(const QString &line);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The controls: made just after the main window has first been shown, or when first needed.
    void buildControls();
    CaseRecord &m_record;
};
