#pragma once

#include <QDialog>
#include <QVector>

class CaseRecord;
class ChartBar;
class ChartMarker;
class QButtonGroup;
class QLabel;
class QListWidget;
class QTimer;
class QToolButton;
class TSkalaForm;
struct ChartLayout;

// The window of one questionnaire's profile chart; the three charts share this design and
// differ only by their ChartLayout.
class ProfileChartWindow : public QDialog
{
    Q_OBJECT
public:
    ProfileChartWindow(CaseRecord &record, int kind, TSkalaForm *picker, QWidget *parent = nullptr);

    // Set when the parent chart is created and whenever a chart closes; cleared by the
    // redraw on activation. Shared by the three charts.
    static bool ChartNeedsRedraw;

    int kind() const { return m_kind; }
    QLabel *chartImage() const { return m_image; }
    QVector<ChartBar *> bars() const { return m_bars; }
    ChartMarker *Shape99 = nullptr;
    QToolButton *SpeedButton1 = nullptr; // help
    QToolButton *colouredButton = nullptr; // "s"
    QToolButton *blackWhiteButton = nullptr; // "f"
    QToolButton *lineButton = nullptr; // "v"
    QTimer *Timer1 = nullptr;
    // The hidden item lists of the problem scales, tagged with their bar's scale number.
    QVector<QListWidget *> itemLists;

    // Redraws the chart in mode 1 (coloured bars), 2 (line) or 3 (black-and-white bars) and
    // saves it as the current chart. Failures are shown; the window keeps what it had.
    void DrawProfile(int mode);
    // Redraw with the pressed mode button when the charts are marked for it.
    void FormActivate();
    // Closes the picker, marks the charts for redraw and hides the marker.
    void FormClose();
    // Mouse down on a bar: marks it and shows its items in the picker.
    void BarMouseDown(int tag);
    void SpeedButton1Click();
    void Timer1Timer();
    // The mode of the pressed mode button.
    int pressedMode() const;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private:
    void placeBars(const QVector<int> &tScores, int mode);

    CaseRecord &m_record;
    int m_kind;
    const ChartLayout &m_layout;
    TSkalaForm *m_picker;
    QLabel *m_image = nullptr;
    QVector<ChartBar *> m_bars;
    QButtonGroup *m_modes = nullptr;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
