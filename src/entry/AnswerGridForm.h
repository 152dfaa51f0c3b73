#pragma once

#include "entry/AnswerMenus.h"
#include "ui/WindowServices.h"

#include <QDialog>
#include <QPoint>
#include <QVector>

#include <functional>

class AnswerGrid;
class AnswerSet;
class MotraError;
class CaseRecord;
class QLabel;
class QMenu;
class QMenuBar;

// The answer-grid window design shared by the three questionnaire entry windows: a grid on
// the questionnaire's AnswerSet (question | answer), per-row answer menus, the floating
// hover hint with the chosen answer's label, the zero fill and the scoring command.
// TSzuloForm, TTanarForm and TOnertForm give the per-form data and their menu bars.
//
// The window is opened modally by the main window after record.setCurrentKind(kind); its
// scoring command works on the record as it stands (CurrentKind included).
class AnswerGridForm : public QDialog
{
    Q_OBJECT
public:
    // What makes one entry window different from the others.
    struct FormData
    {
        int kind = 0; // QuestionnaireKind
        QString caption; // window caption
        bool stayOnTop = false; // parent and self-report windows stay on top
        bool fixedRowHeight = false; // self-report: rows keep their height
        bool enterMovesDown = true;
        bool fillDashes = false; // self-report: "-" into rows 1..last at creation
        QString statisticsMask; // "*.DA1", "*.DA2", "*.DA3"
        QString helpCaption;
        QString helpName; // file name in the help and notes folders
        ExamPart part = ExamPart::Parent;
    };

    // How a run of the scoring command ended.
    enum class ScoringResult { Done, BadAnswer, Failed };

    static constexpr int GridWidth = 722;
    static constexpr int GridHeight = 470;
    static constexpr int QuestionColumnWidth = 550;
    static constexpr int AnswerColumnWidth = 110;
    static constexpr int DefaultRowHeight = 18;

    // Shared by the three windows: the screen point of the last press in any answer grid
    // ((0, 0) before the first one) and the row under the mouse at the last move.
    static QPoint LastPressPoint;
    static int LastHoverRow;

    static const QString ResultCellMessage; // "Ezt a cellát a program fogja számolni!!!"
    static const QString ZeroFillLabel; // "nullával feltöltve"

    int kind() const { return m_data.kind; }
    const FormData &formData() const { return m_data; }
    CaseRecord &record() const { return m_record; }
    AnswerSet &answers() const;

    // Controls (named as components, objectName set).
    AnswerGrid *StringGrid1 = nullptr;
    QLabel *StaticText1 = nullptr;
    QMenuBar *MainMenu1 = nullptr;

    // The answer menus PopupMenu1.. of this form, in the order of formMenus(kind).
    const QVector<QMenu *> &popupMenus() const { return m_popupMenus; }
    QMenu *popupMenu(const QString &name) const;
    // The menu a row opens for a trigger, or nullptr.
    QMenu *menuOfRow(int row, MenuTrigger trigger) const;

    // ListBox1: the answer labels of the rows before the result rows; they live in the
    // AnswerSet (AnswerLabelRole), the grid's own model.
    int listBox1Count() const;
    QString listBox1Item(int row) const;
    // The hidden row list (SzuloList, TanarList, OnertList): item r is the definition text of row r.
    QString rowListItem(int row) const;

    int selectedRow() const;
    int currentColumn() const;
    void selectRow(int row);
    // The scale picker's jump: select the row and make it the top visible row.
    void jumpToRow(int row);

    // Handlers.
    // The creation step: labels back to "-", scale scores zero, the self-report's "-" fill.
    void FormCreate();
    // The grid, its menus and hints, built when the window is first needed (see DeferredBuild).
    void buildControls();
    void FormActivate();
    // Scores; true when the window may close (MarkPartDone then called on success).
    bool FormClose();
    void StringGrid1MouseDown(int row, int column, const QPoint &globalPos);
    void StringGrid1DblClick();
    // A key typed into the grid or its cell editor ("\r" for Enter); true when it was
    // used up here and must not reach the grid.
    bool StringGrid1KeyPress(QChar key);
    void MenuKatt(const QString &caption);
    void StringGrid1Click();
    void StringGrid1MouseMove(int row, int column, int x, int y);
    ScoringResult szmolj1Click(bool draw);
    void szmoljrajzolj1Click();
    void amaradkotnullkkal1Click();
    void Sg1Click();

protected:
    AnswerGridForm(CaseRecord &record, FormData data, QWidget *parent);

    // The statistics command, under each form's own handler name.
    void statisticsCommand();
    // Menu bar helpers for the subclasses: a top-level command, or an entry of a submenu.
    QAction *addMenuCommand(const QString &caption, const QString &name, std::function<void()> handler);
    QMenu *addSubmenu(const QString &caption, const QString &name);
    QAction *addMenuCommand(QMenu *menu, const QString &caption, const QString &name, std::function<void()> handler);

    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    void done(int result) override;

private:
    void buildPopupMenus();
    void openPersonalData();
    // Pops a menu up; true when an entry was chosen (and stored by MenuKatt).
    bool popUp(QMenu *menu, const QPoint &screenPos, QChar typedKey = QChar());
    void showError(const QString &message, bool notice);
    void showScoringFailure(const MotraError &error);

    CaseRecord &m_record;
    FormData m_data;
    QVector<QMenu *> m_popupMenus;
    // Set when a scoring failed and its message was shown; cleared when the answers change
    // or the window hides. Activation does not score again meanwhile, so each close or
    // press shows the message once (closing the message box activates the window again).
    bool m_failureShown = false;
};
