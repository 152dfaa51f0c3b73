// The three entry windows driven through their handlers, with scripted menus and dialogs.

#include "TestInstallation.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/Questionnaire.h"
#include "entry/AnswerGrid.h"
#include "entry/AnswerMenus.h"
#include "entry/EntryWindows.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// Records every modal call; a popup chooses the entry whose caption is `choice` (none when empty).
class ScriptedSeam : public ModalSeam
{
public:
    QString choice;
    QStringList menusShown;
    QList<QPoint> popupPoints;
    QStringList activeEntries; // caption lit up when each menu popped up
    QStringList messages;
    int dialogs = 0;

    QAction *popupMenu(QMenu *menu, const QPoint &screenPos) override
    {
        menusShown.append(menu->objectName());
        popupPoints.append(screenPos);
        activeEntries.append(menu->activeAction() ? menu->activeAction()->text() : QString());
        for (QAction *action : menu->actions()) {
            if (!choice.isEmpty() && action->text() == choice)
                return action;
        }
        return nullptr;
    }
    int execDialog(QDialog *) override { return ++dialogs, 0; }
    void showMessage(QWidget *, const QString &text) override { messages.append(text); }
    bool askYesNo(QWidget *, const QString &) override { return false; }
    void openDocument(const QString &) override { }
};

struct ServiceCalls
{
    int personalData = 0;
    QList<ExamPart> partsDone;
    QList<int> charts;
    QStringList statMasks;
    QStringList help; // caption|help|notes|modal
    QStringList notices;
    int resultsList = 0;
};

const QString SometimesTrue = QStringLiteral("1=néha vagy valamennyire igaz;");

int rowOfNumber(int kind, const QString &rowNumber)
{
    const QVector<RowDefinition> &rows = rowList(kind);
    for (int row = 0; row < rows.size(); ++row) {
        if (rows[row].RowNumber == rowNumber)
            return row;
    }
    return -1;
}

// Small scale-definition and norm files: every file scale lists no items, every norm byte is `t`.
void writeNorms(const TestInstallation &inst, char t)
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const int fileScales = kind == SelfReport ? 12 : 10;
        QByteArray skala;
        for (int k = 1; k <= fileScales; ++k)
            skala += "skala " + QByteArray::number(k) + "\r\n0\r\n";
        inst.writeBytes(FixedPaths::scaleDefinitionFile(kind), skala);
        inst.writeBytes(FixedPaths::competenceNormFile(kind), QByteArray(kind == Teacher ? 1200 : 248, t));
        inst.writeBytes(FixedPaths::problemNormFile(kind), QByteArray(kind == SelfReport ? 2400 : 2200, t));
    }
}

std::unique_ptr<AnswerGridForm> makeForm(int kind, CaseRecord &record)
{
    record.setCurrentKind(kind);
    switch (kind) {
    case Parent: return std::make_unique<TSzuloForm>(record);
    case Teacher: return std::make_unique<TTanarForm>(record);
    default: return std::make_unique<TOnertForm>(record);
    }
}

// Where keys typed by the user land: the open cell editor, or the grid.
QWidget *keyTarget(AnswerGridForm *form)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && form->StringGrid1->isAncestorOf(focus) ? focus : static_cast<QWidget *>(form->StringGrid1);
}

// Types text key by key wherever the keys land at that moment.
void typeText(AnswerGridForm *form, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClicks(keyTarget(form), QString(c));
}

// The first line of each message: the fixed text, without the lines naming the place or file.
QStringList headlines(const QStringList &messages)
{
    QStringList first;
    for (const QString &message : messages)
        first << message.section(QLatin1Char('\n'), 0, 0);
    return first;
}
} // namespace

class TestEntryWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowDesign_data();
    void windowDesign();
    void menuBarCommands();
    void choosingAnAnswer_data();
    void choosingAnAnswer();
    void rowsWithoutMenu_data();
    void rowsWithoutMenu();
    void resultRowPress();
    void personalRows();
    void parentRow16();
    void hoverHint();
    void badAnswerStopsScoring_data();
    void badAnswerStopsScoring();
    void scoringOnActivation_data();
    void scoringOnActivation();
    void scorerFailureIsNotice();
    void activationFailureShownOnce();
    void teacherEnterMovesDown();
    void closeKeepsWindowOpenOnBadAnswer();
    void selfReportDashes();
    void keyboardFillsParentForm();
    void typedKeyAfterChosenAnswer();
    void typingIntoRowWithoutMenu();
    void anyTextNeverCrashes();

private:
    ScriptedSeam m_seam;
    ServiceCalls m_calls;
};

void TestEntryWindows::init()
{
    m_seam = ScriptedSeam();
    m_calls = ServiceCalls();
    ModalSeam::install(&m_seam);
    AnswerGridForm::LastPressPoint = QPoint(0, 0);
    AnswerGridForm::LastHoverRow = -1;
    WindowServices &services = windowServices();
    services.showPersonalData = [this] { ++m_calls.personalData; };
    services.markPartDone = [this](ExamPart part) { m_calls.partsDone.append(part); };
    services.showChart = [this](int kind) { m_calls.charts.append(kind); };
    services.showStatAttach = [this](const QString &mask) { m_calls.statMasks.append(mask); };
    services.showHelp = [this](const QString &caption, const QString &help, const QString &notes, bool modal) {
        m_calls.help.append(QStringList{caption, help, notes, modal ? "modal" : "modeless"}.join('|'));
    };
    services.showNotice = [this](const QString &message) { m_calls.notices.append(message); };
    services.showResultsList = [this] { ++m_calls.resultsList; };
}

void TestEntryWindows::cleanup()
{
    ModalSeam::install(nullptr);
    windowServices() = WindowServices();
}

void TestEntryWindows::windowDesign_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<int>("menuCount");
    QTest::newRow("parent") << int(Parent) << "TSzuloForm"
                            << "MOTRA szülői változat" << true << 23;
    QTest::newRow("teacher") << int(Teacher) << "TTanarForm"
                             << "MOTRA tanári változat" << false << 9;
    QTest::newRow("self-report") << int(SelfReport) << "TOnertForm"
                                 << "MOTRA önétékelő változat" << true << 13;
}

void TestEntryWindows::windowDesign()
{
    QFETCH(int, kind);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(bool, onTop);
    QFETCH(int, menuCount);
    CaseRecord record;
    record.scores(kind).TScores.fill(33);
    auto form = makeForm(kind, record);

    QCOMPARE(form->metaObject()->className(), className);
    QCOMPARE(form->objectName(), className);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->size(), QSize(722, 470));
    QCOMPARE(bool(form->windowFlags() & Qt::WindowStaysOnTopHint), onTop);

    AnswerGrid *grid = form->findChild<AnswerGrid *>(QStringLiteral("StringGrid1"));
    QVERIFY(grid);
    QCOMPARE(grid->model(), &record.answers(kind));
    QCOMPARE(grid->columnWidth(0), 550);
    QCOMPARE(grid->columnWidth(1), 110);
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 18);
    QVERIFY(grid->horizontalHeader()->isHidden());
    QVERIFY(grid->verticalHeader()->isHidden());
    QCOMPARE(grid->rowsResizable(), kind != SelfReport);
    QVERIFY(!(record.answers(kind).flags(record.answers(kind).index(5, 0)) & Qt::ItemIsEditable));

    QLabel *hint = form->findChild<QLabel *>(QStringLiteral("StaticText1"));
    QVERIFY(hint);
    QCOMPARE(hint->text(), QStringLiteral("*****"));
    QVERIFY(hint->isHidden());

    // Creation zeroes the form's scale scores and puts "-" into every label.
    QVERIFY(std::all_of(
        record.scores(kind).TScores.begin(), record.scores(kind).TScores.end(), [](int t) { return t == 0; }));
    QCOMPARE(form->listBox1Count(), kindInfo(kind).firstResultRow);
    QCOMPARE(form->listBox1Item(form->listBox1Count() - 1), QStringLiteral("-"));
    QCOMPARE(form->rowListItem(4), rowList(kind).at(4).text);

    // The answer menus with their captions, as the form's menu table gives them.
    QCOMPARE(form->popupMenus().size(), menuCount);
    for (const AnswerMenu &menu : formMenus(kind).menus) {
        QMenu *popup = form->findChild<QMenu *>(menu.name);
        QVERIFY2(popup, qPrintable(menu.name));
        QStringList captions;
        for (QAction *action : popup->actions())
            captions.append(action->text());
        QCOMPARE(captions, menu.captions);
    }

    // The question column: row number, full stop, label; the sub-question its prefix.
    const QString subQuestion = kindInfo(kind).subQuestionNumber;
    if (!subQuestion.isEmpty()) {
        const int row = rowOfNumber(kind, subQuestion);
        QVERIFY(record.answers(kind)
                    .data(record.answers(kind).index(row, 0))
                    .toString()
                    .startsWith(kindInfo(kind).subQuestionPrefix + rowList(kind).at(row).Label));
    }
}

void TestEntryWindows::menuBarCommands()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    TSzuloForm parent(record);
    TTanarForm teacher(record);
    TOnertForm self(record);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();

    const auto topCaptions = [](AnswerGridForm &form) {
        QStringList captions;
        for (QAction *action : form.MainMenu1->actions())
            captions.append(action->text());
        return captions;
    };
    QCOMPARE(topCaptions(parent), QStringList({"számolj, rajzolj!", "töltsd fel...", "statisztika", "&Súgó"}));
    QCOMPARE(topCaptions(teacher),
        QStringList({"számolj, rajzolj!", "töltsd fel...", "statisztika", "mutasd XX-t !", "&Súgó"}));
    QCOMPARE(topCaptions(self),
        QStringList({"számolj, rajzolj ! ", "Töltsd_fel . . .", "statisztika_előkészítése . . .", "           &Súgó"}));
    QCOMPARE(self.findChild<QAction *>("azaktulisjkvcsatolsa1")->text(),
        QStringLiteral(". . . az aktuális jkv. csatolása későbbi feldolgozás céljából"));
    QCOMPARE(
        parent.findChild<QAction *>("amaradkotnullkkal1")->text(), QStringLiteral("...a tüneti skálákat nullával !"));

    // The commands reach the other windows through the services; the statistics command
    // scores first, so the line attached holds the answers as they stand.
    record.setCurrentKind(Parent);
    record.answers(Parent).setValueText(70, QStringLiteral("2"));
    parent.findChild<QAction *>("azaktulisjegyzknyvcsatolsa1")->trigger();
    QCOMPARE(record.SlotValues[rowList(Parent).at(70).SlotNumber], 2.0);
    record.setCurrentKind(Teacher);
    teacher.findChild<QAction *>("azaktulisjkvcsatolsa1")->trigger();
    record.setCurrentKind(SelfReport);
    self.findChild<QAction *>("azaktulisjkvcsatolsa1")->trigger();
    QCOMPARE(m_calls.statMasks, QStringList({"*.DA1", "*.DA2", "*.DA3"}));
    // A bad answer is told, and nothing is attached.
    record.setCurrentKind(Parent);
    record.answers(Parent).setValueText(70, QStringLiteral("x"));
    parent.findChild<QAction *>("azaktulisjegyzknyvcsatolsa1")->trigger();
    QCOMPARE(m_calls.statMasks.size(), 3);
    QCOMPARE(m_seam.messages.size(), 1);
    QVERIFY(m_seam.messages.first().startsWith(QStringLiteral("'x' is not a valid integer value")));
    teacher.findChild<QAction *>("mutasdXXt1")->trigger();
    QCOMPARE(m_calls.resultsList, 1);
    parent.findChild<QAction *>("Sg1")->trigger();
    teacher.Sg1Click();
    self.Sg1Click();
    QCOMPARE(m_calls.help,
        QStringList({"súgó a szülői adatlap kitöltéséhez|c:\\_halden\\motra\\help\\s_utmut.hlp|"
                     "c:\\_halden\\motra\\jegyzet\\s_utmut.hlp|modal",
            "súgó a tanári adatlap kitöltéséhez|c:\\_halden\\motra\\help\\t_utmut.hlp|"
            "c:\\_halden\\motra\\jegyzet\\t_utmut.hlp|modal",
            "súgó az önértékelő adatlap kitöltéséhez|c:\\_halden\\motra\\help\\o_utmut.hlp|"
            "c:\\_halden\\motra\\jegyzet\\o_utmut.hlp|modal"}));
}

void TestEntryWindows::choosingAnAnswer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("rowNumber");
    QTest::addColumn<QString>("menu");
    QTest::newRow("parent item 1") << int(Parent) << "67"
                                   << "PopupMenu23";
    QTest::newRow("parent last item") << int(Parent) << "203"
                                      << "PopupMenu23";
    QTest::newRow("teacher item 1") << int(Teacher) << "26"
                                    << "PopupMenu17";
    QTest::newRow("teacher other problems") << int(Teacher) << "160"
                                            << "PopupMenu17";
    QTest::newRow("self-report item 1") << int(SelfReport) << "55"
                                        << "PopupMenu1";
    QTest::newRow("self-report other problems") << int(SelfReport) << "192"
                                                << "PopupMenu1";
}

void TestEntryWindows::choosingAnAnswer()
{
    QFETCH(int, kind);
    QFETCH(QString, rowNumber);
    QFETCH(QString, menu);
    CaseRecord record;
    auto form = makeForm(kind, record);
    AnswerSet &answers = record.answers(kind);
    const QVector<QString> before = answers.values();
    const int row = rowOfNumber(kind, rowNumber);
    QVERIFY(row > 0);

    m_seam.choice = SometimesTrue;
    form->StringGrid1MouseDown(row, 1, QPoint(300, 200));
    QCOMPARE(m_seam.menusShown, QStringList{menu});
    QCOMPARE(m_seam.popupPoints.value(0), QPoint(305, 200));
    QCOMPARE(AnswerGridForm::LastPressPoint, QPoint(300, 200));
    QCOMPARE(form->selectedRow(), row);
    QCOMPARE(form->windowTitle(), QString::number(row));
    QCOMPARE(answers.valueText(row), QStringLiteral("1"));
    QCOMPARE(form->listBox1Item(row), QStringLiteral("néha vagy valamennyire igaz"));
    for (int other = 0; other < answers.size(); ++other) {
        if (other != row)
            QCOMPARE(answers.valueText(other), before[other]);
    }

    form->StringGrid1MouseMove(row, 1, 40, 60);
    QVERIFY(form->StaticText1->isVisibleTo(form.get()));
    QCOMPARE(form->StaticText1->text(), QStringLiteral("néha vagy valamennyire igaz"));
    QCOMPARE(form->StaticText1->pos(), QPoint(50, 60));

    // A double-click and a key press offer the same menu; dismissing it changes nothing.
    m_seam.choice.clear();
    form->StringGrid1DblClick();
    QVERIFY(!form->StringGrid1KeyPress(QLatin1Char('2')));
    QCOMPARE(m_seam.menusShown, QStringList({menu, menu, menu}));
    QCOMPARE(m_seam.popupPoints.value(1), QPoint(300, 200));
    QCOMPARE(m_seam.activeEntries.value(2), QStringLiteral("2=nagyon igaz vagy gyakran igaz;"));
    QCOMPARE(answers.valueText(row), QStringLiteral("1"));
}

void TestEntryWindows::rowsWithoutMenu_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("rowNumber");
    QTest::newRow("parent sport name") << int(Parent) << "19";
    QTest::newRow("parent free text 117") << int(Parent) << "117";
    QTest::newRow("parent left-out question") << int(Parent) << "140";
    QTest::newRow("parent 63a") << int(Parent) << "63a";
    QTest::newRow("parent result row") << int(Parent) << "205";
    QTest::newRow("teacher 94a") << int(Teacher) << "94a";
    QTest::newRow("teacher free text") << int(Teacher) << "35";
    QTest::newRow("teacher result row") << int(Teacher) << "195";
    QTest::newRow("self-report free text") << int(SelfReport) << "57";
    QTest::newRow("self-report result row") << int(SelfReport) << "194";
}

void TestEntryWindows::rowsWithoutMenu()
{
    QFETCH(int, kind);
    QFETCH(QString, rowNumber);
    CaseRecord record;
    auto form = makeForm(kind, record);
    const int row = rowOfNumber(kind, rowNumber);
    QVERIFY(row > 3);
    m_seam.choice = SometimesTrue;
    form->StringGrid1MouseDown(row, 1, QPoint(10, 10));
    form->StringGrid1DblClick();
    form->StringGrid1KeyPress(QLatin1Char('1'));
    QVERIFY(m_seam.menusShown.isEmpty());
    QCOMPARE(m_calls.personalData, 0);
}

void TestEntryWindows::resultRowPress()
{
    CaseRecord record;
    TTanarForm form(record);
    form.StringGrid1MouseDown(170, 1, QPoint(1, 1));
    QCOMPARE(m_seam.messages, QStringList{"Ezt a cellát a program fogja számolni!!!"});
    // A press on the question column leaves the selection on the result row.
    form.StringGrid1MouseDown(40, 0, QPoint(1, 1));
    QCOMPARE(form.selectedRow(), 170);
    QCOMPARE(m_seam.messages.size(), 2);
    QVERIFY(m_seam.menusShown.isEmpty());
}

void TestEntryWindows::personalRows()
{
    CaseRecord record;
    record.copyPersonalDataToAnswerSets();
    TSzuloForm form(record);
    AnswerSet &answers = record.answers(Parent);
    answers.setValueText(0, QStringLiteral("Kis Pista"));
    answers.setValueText(3, QStringLiteral("35"));

    form.StringGrid1MouseDown(1, 1, QPoint(5, 5));
    QCOMPARE(m_calls.personalData, 1);
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Kis Pista"));
    QCOMPARE(record.Personal.Age, 20); // the dialog's age field keeps to 6..20
    QVERIFY(m_seam.menusShown.isEmpty());

    // With the selection on a personal row, a press on the question column opens the dialog too.
    form.StringGrid1MouseDown(120, 0, QPoint(5, 5));
    QCOMPARE(m_calls.personalData, 2);

    answers.setValueText(2, QStringLiteral("fiú"));
    form.StringGrid1MouseDown(2, 1, QPoint(5, 5));
    form.StringGrid1DblClick();
    QCOMPARE(m_calls.personalData, 2);
    QCOMPARE(
        m_seam.messages, QStringList({"'fiú' is not a valid integer value", "'fiú' is not a valid integer value"}));
}

void TestEntryWindows::parentRow16()
{
    CaseRecord record;
    TSzuloForm form(record);
    const int row = rowOfNumber(Parent, "16");
    m_seam.choice = QStringLiteral("2=problémás;");
    form.StringGrid1MouseDown(row, 1, QPoint(7, 7));
    QCOMPARE(record.answers(Parent).valueText(row), QStringLiteral("2"));
    m_seam.choice = QStringLiteral("1=problémás;");
    form.StringGrid1DblClick();
    QCOMPARE(record.answers(Parent).valueText(row), QStringLiteral("1"));
    m_seam.choice = QStringLiteral("0=problémamentes;");
    form.StringGrid1KeyPress(QLatin1Char('0'));
    QCOMPARE(record.answers(Parent).valueText(row), QStringLiteral("0"));
    QCOMPARE(m_seam.menusShown, QStringList({"PopupMenu11", "PopupMenu7", "PopupMenu7"}));
    QCOMPARE(form.listBox1Item(row), QStringLiteral("problémamentes"));

    // Rows 5..8 offer their menus from the keyboard as well.
    form.selectRow(rowOfNumber(Parent, "6"));
    form.StringGrid1KeyPress(QLatin1Char('1'));
    QCOMPARE(m_seam.menusShown.last(), QStringLiteral("PopupMenu2"));
}

void TestEntryWindows::hoverHint()
{
    CaseRecord record;
    TSzuloForm form(record);
    record.answers(Parent).setAnswerLabel(70, QStringLiteral("nagyon igaz vagy gyakran igaz"));
    form.StringGrid1MouseMove(70, 1, 20, 30);
    QVERIFY(form.StaticText1->isVisibleTo(&form));
    // Into the question column of the same row: the hint stays, it only follows the mouse.
    form.StringGrid1MouseMove(70, 0, 5, 30);
    QVERIFY(form.StaticText1->isVisibleTo(&form));
    QCOMPARE(form.StaticText1->pos(), QPoint(15, 30));
    QCOMPARE(AnswerGridForm::LastHoverRow, 70);
    // Another row hides it; rows outside 4..201 never show it.
    form.StringGrid1MouseMove(71, 0, 5, 48);
    QVERIFY(!form.StaticText1->isVisibleTo(&form));
    form.StringGrid1MouseMove(3, 1, 5, 48);
    QVERIFY(!form.StaticText1->isVisibleTo(&form));
    form.StringGrid1MouseMove(202, 1, 5, 48);
    QVERIFY(!form.StaticText1->isVisibleTo(&form));
    form.StringGrid1MouseMove(201, 1, 5, 48);
    QVERIFY(form.StaticText1->isVisibleTo(&form));
    QCOMPARE(form.StaticText1->text(), QStringLiteral("-"));
}

void TestEntryWindows::badAnswerStopsScoring_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("parent dash") << int(Parent) << "-";
    QTest::newRow("parent blank") << int(Parent) << " ";
    QTest::newRow("teacher dash") << int(Teacher) << "-";
    QTest::newRow("self-report blank") << int(SelfReport) << " ";
    QTest::newRow("slash code") << int(Parent) << "1/2";
}

void TestEntryWindows::badAnswerStopsScoring()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    auto form = makeForm(kind, record);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    record.scores(kind).TScores.fill(7);
    const int row = kindInfo(kind).firstItemRow + 3;
    record.answers(kind).setValueText(row, text);

    QCOMPARE(form->szmolj1Click(true), AnswerGridForm::ScoringResult::BadAnswer);
    QCOMPARE(headlines(m_seam.messages), QStringList{QStringLiteral("'%1' is not a valid integer value").arg(text)});
    QCOMPARE(record.answers(kind).valueText(kindInfo(kind).firstResultRow), QStringLiteral("***"));
    QCOMPARE(record.scores(kind).TScores.first(), 7);
    QVERIFY(m_calls.charts.isEmpty());
}

void TestEntryWindows::scoringOnActivation_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("parent") << int(Parent);
    QTest::newRow("teacher") << int(Teacher);
    QTest::newRow("self-report") << int(SelfReport);
}

void TestEntryWindows::scoringOnActivation()
{
    QFETCH(int, kind);
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    auto form = makeForm(kind, record);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    AnswerSet &answers = record.answers(kind);
    // Problem item 2 answered "1" through its menu.
    const KindInfo &info = kindInfo(kind);
    int itemRow = -1;
    for (int row = 0; row < answers.size() && itemRow < 0; ++row) {
        if (answers.rows()[row].SlotNumber == info.itemSlotOffset + 2)
            itemRow = row;
    }
    m_seam.choice = SometimesTrue;
    form->StringGrid1MouseDown(itemRow, 1, QPoint(3, 3));
    QCOMPARE(answers.valueText(itemRow), QStringLiteral("1"));

    form->FormActivate();
    QVERIFY2(m_seam.messages.isEmpty() && m_calls.notices.isEmpty(),
        qPrintable(m_seam.messages.join('/') + m_calls.notices.join('/')));
    const QRegularExpression oneDecimal(QStringLiteral("^-?\\d+\\.\\d$"));
    for (int row = info.firstResultRow; row < answers.size(); ++row)
        QVERIFY2(oneDecimal.match(answers.valueText(row)).hasMatch(), qPrintable(answers.valueText(row)));

    // The scale scores are the copies of the result slots, T-scores rounded halves to even.
    const ScaleScores &scores = record.scores(kind);
    const int scales = info.scaleCount;
    for (int k = 1; k <= scales; ++k) {
        const double raw = record.SlotValues[info.slotCount - 2 * scales + k];
        const double t = record.SlotValues[info.slotCount - scales + k];
        QCOMPARE(scores.RawScores[k - 1], raw);
        QCOMPARE(scores.TScores[k - 1], int(std::nearbyint(t)));
        QCOMPARE(answers.valueText(info.firstResultRow + scales + k - 1), QString::number(t, 'f', 1));
    }
    // A parent problem-scale T-score of a raw score within the norm table is the file's byte.
    if (kind == Parent)
        QCOMPARE(scores.TScores.last(), 50);
    // The answer counts in the total problem score of the parent and self-report forms.
    if (kind == Parent)
        QCOMPARE(answers.valueText(info.firstResultRow + scales - 1), QStringLiteral("1.0"));
    QVERIFY(m_calls.charts.isEmpty());

    form->szmoljrajzolj1Click();
    QCOMPARE(m_calls.charts, QList<int>{kind});
}

void TestEntryWindows::scorerFailureIsNotice()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    inst.remove(FixedPaths::Skala2);
    CaseRecord record;
    TTanarForm form(record);
    record.setCurrentKind(Teacher);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    form.show();
    QCOMPARE(form.szmolj1Click(false), AnswerGridForm::ScoringResult::Failed);
    QCOMPARE(headlines(m_calls.notices).value(0), QStringLiteral(" Nem találom a SKALA2.TXT fájlt."));
    QCOMPARE(record.answers(Teacher).valueText(160), QStringLiteral("***"));
    // A broken installation cannot be mended from here: closing lets the user out, part not done.
    form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(m_calls.partsDone.isEmpty());
}

void TestEntryWindows::activationFailureShownOnce()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    TSzuloForm form(record);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    record.answers(Parent).setValueText(70, QStringLiteral("x"));
    form.FormActivate();
    // Closing the message box activates the window again: the same message must not come back.
    form.FormActivate();
    QCOMPARE(m_seam.messages.size(), 1);
    record.answers(Parent).setValueText(70, QStringLiteral("y"));
    form.FormActivate();
    QCOMPARE(headlines(m_seam.messages),
        QStringList({"'x' is not a valid integer value", "'y' is not a valid integer value"}));
}

void TestEntryWindows::teacherEnterMovesDown()
{
    CaseRecord record;
    TTanarForm form(record);
    form.selectRow(30);
    QVERIFY(form.StringGrid1KeyPress(QLatin1Char('\r')));
    QCOMPARE(form.selectedRow(), 31);
    // In an item row the row's menu then pops up, at the selected cell.
    QCOMPARE(m_seam.menusShown, QStringList{"PopupMenu17"});
    QTest::keyClick(form.StringGrid1, Qt::Key_Return);
    QCOMPARE(form.selectedRow(), 32);
    form.selectRow(193);
    form.StringGrid1KeyPress(QLatin1Char('\r'));
    QCOMPARE(form.selectedRow(), 193);
}

void TestEntryWindows::closeKeepsWindowOpenOnBadAnswer()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    TSzuloForm form(record);
    record.setCurrentKind(Parent);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    record.answers(Parent).setValueText(100, QStringLiteral("-"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    m_seam.messages.clear();

    form.close();
    QVERIFY(form.isVisible());
    QVERIFY(m_calls.partsDone.isEmpty());
    QCOMPARE(headlines(m_seam.messages).value(0), QStringLiteral("'-' is not a valid integer value"));
    form.reject();
    QVERIFY(form.isVisible());

    record.answers(Parent).setValueText(100, QStringLiteral("2"));
    form.close();
    QVERIFY(!form.isVisible());
    QCOMPARE(m_calls.partsDone, QList<ExamPart>{ExamPart::Parent});
}

void TestEntryWindows::selfReportDashes()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    TOnertForm form(record);
    record.setCurrentKind(SelfReport);
    const AnswerSet &answers = record.answers(SelfReport);
    QCOMPARE(answers.valueText(0), QString());
    for (int row = 1; row < answers.size(); ++row)
        QCOMPARE(answers.valueText(row), QStringLiteral("-"));
    QCOMPARE(form.szmolj1Click(false), AnswerGridForm::ScoringResult::BadAnswer);
    QCOMPARE(headlines(m_seam.messages), QStringList{"'-' is not a valid integer value"});
    QVERIFY(!form.FormClose());
    QVERIFY(m_calls.partsDone.isEmpty());
}

void TestEntryWindows::keyboardFillsParentForm()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    TSzuloForm form(record);
    record.setCurrentKind(Parent);
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.StringGrid1->setFocus();

    const int first = rowOfNumber(Parent, "67");
    form.selectRow(first);
    const QString typed = QStringLiteral("1203");
    for (const QChar digit : typed) {
        QTest::keyClicks(keyTarget(&form), QString(digit));
        QTest::keyClick(keyTarget(&form), Qt::Key_Return);
        QCoreApplication::processEvents(); // Enter in a cell editor acts once the editor has closed
    }
    // The free-text row 69 among them takes the digit like any text.
    AnswerSet &answers = record.answers(Parent);
    for (int i = 0; i < typed.size(); ++i)
        QCOMPARE(answers.valueText(first + i), QString(typed[i]));
    QCOMPARE(form.selectedRow(), first + typed.size());

    // Arrows move without any menu; typing there edits the cell.
    const int shown = m_seam.menusShown.size();
    QTest::keyClick(keyTarget(&form), Qt::Key_Down);
    QCOMPARE(form.selectedRow(), first + typed.size() + 1);
    QCOMPARE(m_seam.menusShown.size(), shown);
    QTest::keyClicks(keyTarget(&form), QStringLiteral("2"));
    QTest::keyClick(keyTarget(&form), Qt::Key_Up);
    QCOMPARE(answers.valueText(first + typed.size() + 1), QStringLiteral("2"));
    QCOMPARE(form.selectedRow(), first + typed.size());

    QVERIFY(m_seam.messages.isEmpty());
    form.close();
    QCOMPARE(m_calls.partsDone, QList<ExamPart>{ExamPart::Parent});
}

void TestEntryWindows::typedKeyAfterChosenAnswer()
{
    CaseRecord record;
    TSzuloForm form(record);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const int row = rowOfNumber(Parent, "70");
    form.selectRow(row);
    // The digit lights up its entry; the user takes another one: the chosen code stands.
    m_seam.choice = QStringLiteral("2=nagyon igaz vagy gyakran igaz;");
    QTest::keyClicks(keyTarget(&form), QStringLiteral("1"));
    QCOMPARE(m_seam.activeEntries, QStringList{SometimesTrue});
    QCOMPARE(record.answers(Parent).valueText(row), QStringLiteral("2"));
    QCOMPARE(form.listBox1Item(row), QStringLiteral("nagyon igaz vagy gyakran igaz"));
    const QList<QLineEdit *> editors = form.StringGrid1->findChildren<QLineEdit *>();
    QVERIFY(std::none_of(editors.begin(), editors.end(), [](QLineEdit *e) { return e->isVisible(); }));
}

void TestEntryWindows::typingIntoRowWithoutMenu()
{
    CaseRecord record;
    TSzuloForm form(record);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const int row = rowOfNumber(Parent, "19");
    form.selectRow(row);
    typeText(&form, QStringLiteral("foci, 3x"));
    QVERIFY(m_seam.menusShown.isEmpty());
    // Enter stores the text and moves on to the sport's time row, which offers its menu.
    QTest::keyClick(keyTarget(&form), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(record.answers(Parent).valueText(row), QStringLiteral("foci, 3x"));
    QCOMPARE(m_seam.menusShown, QStringList{"PopupMenu12"});
}

void TestEntryWindows::anyTextNeverCrashes()
{
    TestInstallation inst(true);
    writeNorms(inst, 50);
    CaseRecord record;
    TTanarForm form(record);
    record.setCurrentKind(Teacher);
    const QString longText(5000, QLatin1Char('9'));
    AnswerSet &answers = record.answers(Teacher);
    for (int row = 0; row < answers.size(); ++row)
        answers.setData(answers.index(row, 1), longText);
    form.selectRow(100);
    form.MenuKatt(QStringLiteral("no equals sign"));
    form.MenuKatt(QString());
    QCOMPARE(answers.valueText(100), longText);
    form.StringGrid1MouseMove(100, 1, 1, 1);
    QCOMPARE(form.szmolj1Click(false), AnswerGridForm::ScoringResult::BadAnswer);
    QCOMPARE(m_seam.messages.size(), 1);
    // The value is shortened in the message: a long cell cannot flood the message box.
    QVERIFY(
        m_seam.messages.first().startsWith(QStringLiteral("'%1… (5000 karakter)'").arg(QString(50, QLatin1Char('9')))));
    QVERIFY(m_seam.messages.first().size() < 400);
    form.amaradkotnullkkal1Click();
    QCOMPARE(answers.valueText(100), longText);
}

QTEST_MAIN(TestEntryWindows)
#include "tst_entrywindows.moc"
