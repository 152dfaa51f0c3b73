#include "entry/AnswerGridForm.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/VisibleText.h"
#include "entry/AnswerGrid.h"
#include "entry/AnswerGridDelegate.h"
#include "entry/ZeroFill.h"
#include "scoring/ScoringDriver.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

QPoint AnswerGridForm::LastPressPoint(0, 0);
int AnswerGridForm::LastHoverRow = -1;

const QString AnswerGridForm::ResultCellMessage = QStringLiteral("Ezt a cellát a program fogja számolni!!!");
const QString AnswerGridForm::ZeroFillLabel = QString::fromUtf8(ZeroFillLabelText);

namespace {
constexpr int PersonalRowLast = 3; // rows 0..3 mirror the personal data
constexpr int FirstHintRow = 4;
constexpr int MinimumAge = 6; // the personal data dialog's age bounds
constexpr int MaximumAge = 20;
const QChar EnterKey = QLatin1Char('\r');
} // namespace

AnswerGridForm::AnswerGridForm(CaseRecord &record, FormData data, QWidget *parent)
    : QDialog(parent), m_record(record), m_data(std::move(data))
{
    setWindowTitle(m_data.caption);
    setModal(true);
    if (m_data.stayOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(GridWidth, GridHeight);
    FormCreate();
    DeferredBuild::later(this, [this] { buildControls(); });
}

void AnswerGridForm::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    layout->setMenuBar(MainMenu1);

    StringGrid1 = new AnswerGrid(this);
    StringGrid1->setModel(&answers());
    StringGrid1->setItemDelegate(new AnswerGridDelegate(this, StringGrid1));
    StringGrid1->setRowsResizable(!m_data.fixedRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    StringGrid1->verticalHeader()->setSectionResizeMode(
        m_data.fixedRowHeight ? QHeaderView::Fixed : QHeaderView::Interactive);
    QPalette palette = StringGrid1->palette();
    palette.setColor(QPalette::Base, AnswerGridDelegate::CellColour);
    StringGrid1->setPalette(palette);
    StringGrid1->installEventFilter(this);
    layout->addWidget(StringGrid1);

    // The hover hint floats over the grid's cells and never takes the mouse from the grid.
    StaticText1 = new QLabel(QStringLiteral("*****"), StringGrid1->viewport());
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setAttribute(Qt::WA_TransparentForMouseEvents);
    StaticText1->setAutoFillBackground(true);
    StaticText1->setBackgroundRole(QPalette::ToolTipBase);
    StaticText1->setForegroundRole(QPalette::ToolTipText);
    StaticText1->setFrameShape(QFrame::Box);
    StaticText1->setMargin(1);
    StaticText1->adjustSize();
    StaticText1->hide();

    buildPopupMenus();

    connect(StringGrid1, &AnswerGrid::cellPressed, this, &AnswerGridForm::StringGrid1MouseDown);
    connect(StringGrid1, &AnswerGrid::cellDoubleClicked, this, &AnswerGridForm::StringGrid1DblClick);
    connect(StringGrid1, &AnswerGrid::cellHovered, this, &AnswerGridForm::StringGrid1MouseMove);
    connect(StringGrid1, &AnswerGrid::pointerLeft, this, [this] {
        StaticText1->hide();
        LastHoverRow = -1;
    });
    const auto answersChanged = [this] { m_failureShown = false; };
    connect(&answers(), &QAbstractItemModel::dataChanged, this, answersChanged);
    connect(&answers(), &QAbstractItemModel::modelReset, this, answersChanged);

    StringGrid1->setColumnWidth(0, QuestionColumnWidth);
    StringGrid1->setColumnWidth(1, AnswerColumnWidth);
    selectRow(0);

    // The selection starts on row 0, as it does after every reload of the answers; this
    // is not a move by the user, so the caption stays the form's own.
    const auto selectFirstRow = [this] {
        QItemSelectionModel *selection = StringGrid1->selectionModel();
        const QSignalBlocker blocker(selection);
        selection->setCurrentIndex(answers().index(0, 1), QItemSelectionModel::ClearAndSelect);
    };
    selectFirstRow();
    connect(&answers(), &QAbstractItemModel::modelReset, this, selectFirstRow);

    // Moving the selection shows the row index in the caption, as a click on a cell does.
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current, const QModelIndex &previous) {
            if (current.isValid() && previous.isValid())
                StringGrid1Click();
        });

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

AnswerSet &AnswerGridForm::answers() const { return m_record.answers(m_data.kind); }

void AnswerGridForm::buildPopupMenus()
{
    for (const AnswerMenu &menu : formMenus(m_data.kind).menus) {
        auto *popup = new QMenu(this);
        popup->setObjectName(menu.name);
        for (const QString &caption : menu.captions) {
            QString text = caption;
            popup->addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
        m_popupMenus.append(popup);
    }
}

QMenu *AnswerGridForm::popupMenu(const QString &name) const
{
    for (QMenu *menu : m_popupMenus) {
        if (menu->objectName() == name)
            return menu;
    }
    return nullptr;
}

QMenu *AnswerGridForm::menuOfRow(int row, MenuTrigger trigger) const
{
    const QVector<RowDefinition> &rows = answers().rows();
    if (row < 0 || row >= rows.size())
        return nullptr;
    const int index = formMenus(m_data.kind).menuFor(rows.at(row).rowNumberValue(), trigger);
    return index >= 0 && index < m_popupMenus.size() ? m_popupMenus.at(index) : nullptr;
}

int AnswerGridForm::listBox1Count() const { return kindInfo(m_data.kind).firstResultRow; }

QString AnswerGridForm::listBox1Item(int row) const
{
    return row >= 0 && row < listBox1Count() ? answers().answerLabel(row) : QString();
}

QString AnswerGridForm::rowListItem(int row) const
{
    const QVector<RowDefinition> &rows = answers().rows();
    return row >= 0 && row < rows.size() ? rows.at(row).text : QString();
}

int AnswerGridForm::selectedRow() const { return StringGrid1->currentIndex().row(); }

int AnswerGridForm::currentColumn() const { return StringGrid1->currentIndex().column(); }

void AnswerGridForm::selectRow(int row)
{
    if (row < 0 || row >= answers().size())
        return;
    const QModelIndex cell = answers().index(row, 1);
    StringGrid1->setCurrentIndex(cell);
    StringGrid1->scrollTo(cell);
}

void AnswerGridForm::jumpToRow(int row)
{
    if (row < 0 || row >= answers().size())
        return;
    selectRow(row);
    StringGrid1->scrollTo(answers().index(row, 1), QAbstractItemView::PositionAtTop);
}

QAction *AnswerGridForm::addMenuCommand(const QString &caption, const QString &name, std::function<void()> handler)
{
    QAction *action = MainMenu1->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

QMenu *AnswerGridForm::addSubmenu(const QString &caption, const QString &name)
{
    QMenu *menu = MainMenu1->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction *AnswerGridForm::addMenuCommand(
    QMenu *menu, const QString &caption, const QString &name, std::function<void()> handler)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

void AnswerGridForm::FormCreate()
{
    AnswerSet &set = answers();
    set.resetLabels();
    ScaleScores &scores = m_record.scores(m_data.kind);
    scores.RawScores.fill(0.0, kindInfo(m_data.kind).scaleCount);
    scores.TScores.fill(0, kindInfo(m_data.kind).scaleCount);
    if (m_data.fillDashes) {
        for (int row = 1; row < set.size(); ++row)
            set.setValueText(row, QStringLiteral("-"));
    }
}

void AnswerGridForm::showError(const QString &message, bool notice)
{
    if (notice && windowServices().showNotice)
        windowServices().showNotice(message);
    else
        ModalSeam::instance().showMessage(this, message);
}

AnswerGridForm::ScoringResult AnswerGridForm::szmolj1Click(bool draw)
{
    // Gathering first tells a wrong answer (the user can mend it) from a failure of the
    // scorer itself (a missing or damaged norm file, which the user cannot mend here).
    try {
        GatherSlotValues(m_record, m_record.CurrentKind);
    } catch (const MotraError &error) {
        // Right after opening a case file the answer came from it: the message names the file.
        const QString &caseFile = windowServices().caseFileBeingOpened;
        showScoringFailure(caseFile.isEmpty()
                ? error
                : error.withLine(QStringLiteral("Esetfájl: ") + VisibleText::showControls(shownPath(caseFile))));
        return ScoringResult::BadAnswer;
    }
    try {
        RunScoringCommand(m_record);
    } catch (const MotraError &error) {
        showScoringFailure(error);
        return ScoringResult::Failed;
    }
    if (draw && windowServices().showChart)
        windowServices().showChart(m_data.kind);
    return ScoringResult::Done;
}

void AnswerGridForm::szmoljrajzolj1Click() { szmolj1Click(true); }

void AnswerGridForm::showScoringFailure(const MotraError &error)
{
    // Set before the message shows: closing the message box activates the window again,
    // and scoring the same answers there would only repeat what the user has just read.
    m_failureShown = true;
    showError(error.message(), error.presentation() == MotraError::Presentation::Notice);
}

void AnswerGridForm::FormActivate()
{
    if (!m_failureShown)
        szmolj1Click(false);
}

bool AnswerGridForm::FormClose()
{
    switch (szmolj1Click(false)) {
    case ScoringResult::Done:
        if (windowServices().markPartDone)
            windowServices().markPartDone(m_data.part);
        return true;
    case ScoringResult::BadAnswer:
        // The user mends the answer and closes again.
        return false;
    case ScoringResult::Failed:
        // Nothing in the window can mend a broken installation: let the user out, the
        // part stays not done.
        return true;
    }
    return false;
}

void AnswerGridForm::done(int result)
{
    if (!FormClose())
        return;
    QDialog::done(result);
}

void AnswerGridForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        FormActivate();
}

void AnswerGridForm::hideEvent(QHideEvent *event)
{
    m_failureShown = false;
    StaticText1->hide();
    QDialog::hideEvent(event);
}

void AnswerGridForm::keyPressEvent(QKeyEvent *event)
{
    // Escape dismisses menus and cell edits; it never closes the whole questionnaire.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool AnswerGridForm::eventFilter(QObject *watched, QEvent *event)
{
    // The key a cell editor receives from the grid that opened it was handled already.
    const bool handedOn = watched != StringGrid1 && StringGrid1->handlingKey();
    if (event->type() == QEvent::KeyPress && !handedOn) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (!(keyEvent->modifiers() & commandKeys)) {
            if (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) {
                if (watched == StringGrid1)
                    return StringGrid1KeyPress(EnterKey);
                // Enter in a cell editor: the editor first commits its text and closes,
                // handing the keyboard back to the grid; then Enter does its work there.
                QMetaObject::invokeMethod(
                    this, [this] { StringGrid1KeyPress(EnterKey); }, Qt::QueuedConnection);
                return true;
            }
            const QString text = keyEvent->text();
            if (text.size() == 1 && text.at(0).isPrint())
                return StringGrid1KeyPress(text.at(0));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AnswerGridForm::openPersonalData()
{
    AnswerSet &set = answers();
    int age = 0;
    try {
        toIntOrThrow(set.valueText(2));
        age = toIntOrThrow(set.valueText(3));
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
        return;
    }
    // The grid's name, code and age go into the dialog's fields, which write them into the
    // record; the age field keeps to its bounds. The sex buttons show the record's sex.
    m_record.Personal.ChildName = set.valueText(0);
    m_record.Personal.ChildCode = set.valueText(1);
    m_record.Personal.Age = qBound(MinimumAge, age, MaximumAge);
    if (windowServices().showPersonalData)
        windowServices().showPersonalData();
}

bool AnswerGridForm::popUp(QMenu *menu, const QPoint &screenPos, QChar typedKey)
{
    // A digit typed into the cell lights up the entry with that code, so Enter in the menu takes it.
    menu->setActiveAction(nullptr);
    if (typedKey.isDigit()) {
        for (QAction *action : menu->actions()) {
            QString code;
            if (splitAnswerCaption(action->text(), &code, nullptr) && code == QString(typedKey)) {
                menu->setActiveAction(action);
                break;
            }
        }
    }
    QAction *chosen = ModalSeam::instance().popupMenu(menu, screenPos);
    if (!chosen)
        return false;
    MenuKatt(chosen->text());
    return true;
}

void AnswerGridForm::StringGrid1MouseDown(int row, int column, const QPoint &globalPos)
{
    // A press on an answer cell moves the selection there; one on the question column does not.
    if (column == 1 && row >= 0 && row < answers().size() && row != selectedRow())
        selectRow(row);
    const int selected = selectedRow();
    if (selected >= 0 && selected <= PersonalRowLast) {
        openPersonalData();
        return;
    }
    // Qt gives the press's own screen position, frame and menu bar included.
    LastPressPoint = globalPos;
    if (column == 1) {
        if (QMenu *menu = menuOfRow(selected, MenuTrigger::Press))
            popUp(menu, LastPressPoint + QPoint(5, 0));
    }
    if (selected >= kindInfo(m_data.kind).firstResultRow)
        ModalSeam::instance().showMessage(this, ResultCellMessage);
}

void AnswerGridForm::StringGrid1DblClick()
{
    const int selected = selectedRow();
    if (selected >= 0 && selected <= PersonalRowLast) {
        openPersonalData();
        return;
    }
    if (currentColumn() == 1) {
        if (QMenu *menu = menuOfRow(selected, MenuTrigger::DoubleClick))
            popUp(menu, LastPressPoint);
    }
}

bool AnswerGridForm::StringGrid1KeyPress(QChar key)
{
    bool moved = false;
    if (key == EnterKey && m_data.enterMovesDown) {
        const int row = selectedRow();
        if (row >= 0 && row + 1 < answers().size()) {
            // Moving the selection also commits a cell being edited.
            selectRow(row + 1);
            moved = true;
        }
    }
    bool chosen = false;
    if (currentColumn() == 1) {
        // The keyboard opens the menu at the cell it is for, not where the mouse last was.
        if (QMenu *menu = menuOfRow(selectedRow(), MenuTrigger::Key))
            chosen = popUp(menu, StringGrid1->currentCellPopupPoint(), key);
    }
    // A chosen answer is the cell's value: the typed key must not overwrite it. Otherwise
    // the key goes on to the grid and starts (or continues) editing the cell; an Enter
    // that already moved the selection has done its work.
    return chosen || moved;
}

void AnswerGridForm::MenuKatt(const QString &caption)
{
    const int row = selectedRow();
    QString code;
    QString label;
    if (row < 0 || !splitAnswerCaption(caption, &code, &label))
        return;
    AnswerSet &set = answers();
    set.setValueText(row, code);
    if (row < listBox1Count())
        set.setAnswerLabel(row, label);
}

void AnswerGridForm::StringGrid1Click() { setWindowTitle(QString::number(selectedRow())); }

void AnswerGridForm::StringGrid1MouseMove(int row, int column, int x, int y)
{
    StaticText1->move(x + 10, y);
    if (row != LastHoverRow)
        StaticText1->hide();
    LastHoverRow = row;
    if (row >= FirstHintRow && row <= kindInfo(m_data.kind).lastHintRow() && column == 1) {
        StaticText1->setText(listBox1Item(row));
        StaticText1->adjustSize();
        StaticText1->raise();
        StaticText1->show();
    }
}

void AnswerGridForm::amaradkotnullkkal1Click() { fillSymptomRowsWithZero(answers()); }

void AnswerGridForm::statisticsCommand()
{
    // The statistics line takes the values of the last scoring; answers typed or filled in
    // since would otherwise be missing from it. A bad answer is told and nothing attached.
    if (szmolj1Click(false) != ScoringResult::Done)
        return;
    if (windowServices().showStatAttach)
        windowServices().showStatAttach(m_data.statisticsMask);
}

void AnswerGridForm::Sg1Click()
{
    if (windowServices().showHelp)
        windowServices().showHelp(
            m_data.helpCaption, FixedPaths::helpFile(m_data.helpName), FixedPaths::notesFile(m_data.helpName), true);
}
