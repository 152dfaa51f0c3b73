#include "DesktopRecorder.h"
#include "ScriptedUser.h"
#include "StoryProgram.h"
#include "TestInstallation.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/TextFile.h"
#include "case/WordCopy.h"
#include "charts/TSkalaForm.h"
#include "entry/AnswerGridForm.h"
#include "entry/ZeroFill.h"
#include "scoring/ScoringDriver.h"
#include "stats/StatisticsFiles.h"

#include <QDir>
#include <QListWidget>

#include <QLineEdit>
#include <QtTest>

// Examinations as a psychologist does them, through the program's real dialogs, menus and
// message boxes; only the hand-over of documents to the desktop is recorded.
class TestExamination : public QObject
{
    Q_OBJECT
private slots:
    void firstExamination();
    void secondChildAfterTheFirst();
    void cancelPaths_data();
    void cancelPaths();
};

namespace {
const QString Grid = QStringLiteral("StringGrid1");
const QString ZeroFillItem = QStringLiteral("...a tüneti skálákat nullával !");
const auto closeWindow = [](QWidget *w) { w->close(); };

// The parent answers the story types, by grid row; row 69 first gets a bad "x".
const QList<QPair<int, QString>> ParentAnswers = {{4, "4"}, {5, "1"}, {6, "5"}, {7, "1"}, {8, "1"}, {9, "2"}, {65, "1"},
    {66, "2"}, {67, "fél a sötétben"}, {68, "0"}, {69, "2"}};

// The examination a story makes, built by the core alone: New for the next child, the
// personal data shown, the parent answers and the zero fill of the questionnaires up to
// lastFilled.
void buildExpected(
    CaseRecord &expected, const CaseRecord &shown, const QList<QPair<int, QString>> &parentAnswers, int lastFilled)
{
    expected.startNextChild();
    expected.Personal = shown.Personal;
    expected.copyPersonalDataToAnswerSets();
    for (const auto &[row, value] : parentAnswers)
        expected.answers(Parent).setValueText(row, value);
    for (int kind = Parent; kind <= lastFilled; ++kind)
        fillSymptomRowsWithZero(expected.answers(kind));
}
} // namespace

void TestExamination::firstExamination()
{
    StoryProgram program(false);
    TMainForm *main = program.main;
    CaseRecord &record = program.app.record();
    program.typePassword(QStringLiteral("111111"));
    QCOMPARE(main->Edit2->displayText(), QStringLiteral("******"));
    QVERIFY(main->isLocked());
    program.typePassword(QStringLiteral("123456"));
    QVERIFY(!main->isLocked());
    const QDate today = QDate::currentDate();
    const QString examDate = QStringLiteral("%1.%2.15.").arg(today.year()).arg(today.month());

    // New: the personal data, the date picked on the calendar.
    ScriptedUser user;
    user.expect(QStringLiteral("TSzemAdForm"))
        .type(QStringLiteral("Edit1"), QStringLiteral("Kovács Ödön Győző"))
        .type(QStringLiteral("Edit2"), QStringLiteral("ko-17"))
        .click(QStringLiteral("lány"))
        .type(QStringLiteral("LMDSpinEdit1"), QStringLiteral("9"))
        .click(QStringLiteral("SpeedButton1"))
        .expectField(QStringLiteral("Edit3"), examDate)
        .pick(QStringLiteral("ComboBox2"), QStringLiteral("Szabó Péter"))
        .pick(QStringLiteral("ComboBox1"), QStringLiteral("szorongás, alvászavar"))
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TKalendForm"))
        .pick(QStringLiteral("Calendar1"), QStringLiteral("15"))
        .click(QStringLiteral("OK"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image3); }), user.why());
    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA (KO-17)"));

    // The parent form by keyboard: a digit opens the row's menu with that answer lit and
    // Enter takes it; a free-text answer is typed; a bad answer is told and mended.
    ScriptedUser::Step &parent = user.expect(QStringLiteral("TSzuloForm"));
    int row = 0;
    for (const auto &[target, value] : ParentAnswers) {
        if (target == 69)
            break;
        while (row < target) {
            parent.key(Qt::Key_Down);
            ++row;
        }
        if (target == 68)
            continue; // Enter after the free text moved here and opened the menu
        parent.keys(QString(), target == 67 ? value + QLatin1Char('\n') : value);
        if (target != 67) {
            const QString menu = target <= 9 ? QStringList{"PopupMenu1", "PopupMenu2", "PopupMenu1", "PopupMenu2",
                                     "PopupMenu3", "PopupMenu4"}[target - 4]
                                             : QStringLiteral("PopupMenu23");
            user.expectMenu(menu).key(Qt::Key_Return);
        }
        if (target == 67) {
            user.expectMenu(QStringLiteral("PopupMenu23")).choose(QStringLiteral("0=nem igaz;"));
            ++row;
        }
    }
    parent.key(Qt::Key_Down).keys(QString(), QStringLiteral("x")).key(Qt::Key_Return);
    user.expectMenu(QStringLiteral("PopupMenu23")).key(Qt::Key_Escape); // the x goes into the cell
    user.expectMenu(QStringLiteral("PopupMenu23")).key(Qt::Key_Escape); // Enter moved on
    parent.act(QStringLiteral("close the window"), closeWindow)
        .key(Qt::Key_Up)
        .keys(QString(), QStringLiteral("2"))
        .menu({QStringLiteral("töltsd fel..."), ZeroFillItem})
        .menu({QStringLiteral("statisztika"), QStringLiteral("az aktuális jkv. csatolása")})
        .menu({QStringLiteral("számolj, rajzolj!")})
        .act(QStringLiteral("close the window"), closeWindow);
    user.expectMessage(
            QStringLiteral(
                "'x' is not a valid integer value\nA hibás válasz helye: szülői kérdőív, 71. sor: „Asztmás.”"))
        .click(QStringLiteral("OK"));
    user.expectMenu(QStringLiteral("PopupMenu23")).key(Qt::Key_Return);
    user.expect(QStringLiteral("TStatForm"))
        .click(QStringLiteral("RadioButton2"))
        .type(QStringLiteral("Edit1"), QStringLiteral("csop1"))
        .click(QStringLiteral("csatol"));
    // The chart, and the scale picker of its withdrawal bar jumping back into the grid.
    user.expect(QStringLiteral("TSzuDiagForm"))
        .click(QStringLiteral("Shape5"))
        .act(QStringLiteral("click the picker's first entry"),
            [](QWidget *chart) {
                auto *picker = chart->findChild<TSkalaForm *>();
                QListWidget *list = picker->AktList;
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            })
        .verify(QStringLiteral("the picker's caption and the grid's jump"),
            [](QWidget *chart) -> QString {
                auto *picker = chart->findChild<TSkalaForm *>();
                auto *form = qobject_cast<AnswerGridForm *>(
                    chart->parentWidget()->findChild<QWidget *>(QStringLiteral("TSzuloForm")));
                if (!picker || !picker->isVisible()
                    || picker->windowTitle() != QStringLiteral("Visszahúzódás T-érték elemei"))
                    return QStringLiteral("the picker is not shown as it should be");
                const int number = scaleEntryRowNumber(picker->AktList->item(0)->text());
                return form && form->selectedRow() == scaleEntryJumpRow(Parent, number)
                    ? QString()
                    : QStringLiteral("the grid did not jump to row number %1").arg(number);
            })
        .act(QStringLiteral("close the chart"), closeWindow);
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Label2); }), user.why());
    QVERIFY(main->Check2->isVisible());

    // Teacher form: one answer by mouse, the rest filled with zero; self-report: all zero.
    user.expect(QStringLiteral("TTanarForm"))
        .clickCell(Grid, 24, 1)
        .menu({QStringLiteral("töltsd fel..."), ZeroFillItem})
        .act(QStringLiteral("close the window"), closeWindow);
    user.expectMenu(QStringLiteral("PopupMenu17")).choose(QStringLiteral("2=nagyon igaz vagy gyakran igaz;"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Label3); }), user.why());
    user.expect(QStringLiteral("TOnertForm"))
        .menu({QStringLiteral("Töltsd_fel . . ."), ZeroFillItem})
        .act(QStringLiteral("close the window"), closeWindow);
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Label4); }), user.why());

    // The opinion, Save, the report of all three questionnaires.
    const QString opinion = QStringLiteral("Az ő fejlődése kiegyensúlyozott.\nA tűrőképessége jó.");
    user.expect(QStringLiteral("TVelemenyForm"))
        .type(QStringLiteral("Memo1"), opinion)
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Label5); }), user.why());
    const QString saved = QStringLiteral("lemezre írva: KO-17, statisztika csatolva: KO-17 =>> stat\\_sum.dat");
    user.expectMessage(saved).click(QStringLiteral("OK"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image5); }), user.why());
    user.expectMenu(QStringLiteral("PopupMenu1")).choose(QStringLiteral("mindhárom kérdőív"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image8); }), user.why());
    const QString page = program.installation.path(FixedPaths::htmlReport(QStringLiteral("KO-17")));
    QCOMPARE(program.desktop.documents, QStringList{page});

    // Leaving with both questions answered "Igen" saves once more.
    user.expectMessage(QStringLiteral("MOTRA: Ki akar lépni a programból?")).click(QStringLiteral("Igen"));
    user.expectMessage(QStringLiteral("MOTRA: El akarja menteni a változásokat?")).click(QStringLiteral("Igen"));
    user.expectMessage(saved).click(QStringLiteral("OK"));
    QVERIFY2(user.run([&] { main->close(); }), user.why());
    QVERIFY(!main->isVisible());

    // What the core makes of the same answers is what the program showed and saved.
    CaseRecord expected;
    buildExpected(expected, record, ParentAnswers, SelfReport);
    expected.answers(Teacher).setValueText(24, QStringLiteral("2"));
    QCOMPARE(expected.Personal.ChildName, QStringLiteral("Kovács Ödön Győző"));
    QCOMPARE(expected.Personal.ExamDate, examDate);
    QCOMPARE(expected.Personal.Examiner, QStringLiteral("Szabó Péter"));
    QCOMPARE(expected.Personal.ExamReason, QStringLiteral("szorongás, alvászavar"));
    QString parentLine;
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        ScoreKind(expected, kind);
        if (kind == Parent)
            parentLine = StatisticsLine(expected);
        QCOMPARE(record.scores(kind).TScores, expected.scores(kind).TScores);
        QCOMPARE(record.scores(kind).RawScores, expected.scores(kind).RawScores);
    }
    CaseRecord back;
    readCaseFile(back, program.installation.path(FixedPaths::caseFile(QStringLiteral("KO-17"))));
    QCOMPARE(back.Personal.ChildName, expected.Personal.ChildName);
    QCOMPARE(back.Personal.IsBoy, false);
    QCOMPARE(back.Personal.Age, 9);
    QCOMPARE(back.Personal.ExamDate, examDate);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        QCOMPARE(back.answers(kind).values(), expected.answers(kind).values());
        // The labels of the answered rows (the personal rows carry none in the file).
        const int answered = kindInfo(kind).firstResultRow - 4;
        QCOMPARE(back.answers(kind).labels().mid(4, answered), record.answers(kind).labels().mid(4, answered));
    }
    QCOMPARE(back.answers(Parent).answerLabel(4), QStringLiteral("középiskola"));
    QCOMPARE(back.answers(Parent).answerLabel(70), QStringLiteral("nullával feltöltve"));
    QCOMPARE(back.Opinion, opinion.split(QLatin1Char('\n')));
    QCOMPARE(TextFile::readLines(program.installation.path(FixedPaths::OpinionText)), back.Opinion);
    QCOMPARE(TextFile::readLines(program.installation.path(QStringLiteral("c:\\_halden\\motra\\stat\\csop1.da1"))),
        TextFile::splitLines(StatisticsHeader(Parent) + parentLine));
    QVERIFY(TextFile::readLines(page).contains(QStringLiteral("<B>A vizsgálatvezető véleménye: </B><P>")));
}

namespace {
// New with these personal data, the parent form answered on one item and filled with zero,
// the teacher form filled with zero, an opinion, Save.
bool examineChild(StoryProgram &program, ScriptedUser &user, const QString &name, const QString &code, bool teacher,
    const QString &opinion)
{
    TMainForm *main = program.main;
    user.expect(QStringLiteral("TSzemAdForm"))
        .type(QStringLiteral("Edit1"), name)
        .type(QStringLiteral("Edit2"), code)
        .click(QStringLiteral("rendben"));
    if (!user.run([&] { ScriptedUser::clickWidget(main->Image3); }))
        return false;
    user.expect(QStringLiteral("TSzuloForm"))
        .clickCell(Grid, 65, 1)
        .menu({QStringLiteral("töltsd fel..."), ZeroFillItem})
        .act(QStringLiteral("close the window"), closeWindow);
    user.expectMenu(QStringLiteral("PopupMenu23")).choose(QStringLiteral("2=nagyon igaz vagy gyakran igaz;"));
    if (!user.run([&] { ScriptedUser::clickWidget(main->Label2); }))
        return false;
    if (teacher) {
        user.expect(QStringLiteral("TTanarForm"))
            .menu({QStringLiteral("töltsd fel..."), ZeroFillItem})
            .act(QStringLiteral("close the window"), closeWindow);
        if (!user.run([&] { ScriptedUser::clickWidget(main->Label3); }))
            return false;
    }
    if (!opinion.isEmpty()) {
        user.expect(QStringLiteral("TVelemenyForm"))
            .type(QStringLiteral("Memo1"), opinion)
            .click(QStringLiteral("rendben"));
        if (!user.run([&] { ScriptedUser::clickWidget(main->Label5); }))
            return false;
    }
    user.expectMessage(QStringLiteral("lemezre írva: %1, statisztika csatolva: %1 =>> stat\\_sum.dat").arg(code))
        .click(QStringLiteral("OK"));
    if (!user.run([&] { ScriptedUser::clickWidget(main->Image5); }))
        return false;
    user.expectMenu(QStringLiteral("PopupMenu1")).choose(QStringLiteral("mindhárom kérdőív"));
    return user.run([&] { ScriptedUser::clickWidget(main->Image8); });
}
} // namespace

void TestExamination::secondChildAfterTheFirst()
{
    StoryProgram program;
    ScriptedUser user;
    QVERIFY2(examineChild(program, user, QStringLiteral("Első Ödön"), QStringLiteral("ELSO"), true,
                 QStringLiteral("Az első gyermek véleménye.")),
        user.why());
    QVERIFY2(examineChild(program, user, QStringLiteral("Második Éva"), QStringLiteral("MASODIK"), false, QString()),
        user.why());

    // Nothing of the first child: not its name, its opinion, its teacher form or scores.
    const QStringList file
        = TextFile::readLines(program.installation.path(FixedPaths::caseFile(QStringLiteral("MASODIK"))));
    const QStringList page
        = TextFile::readLines(program.installation.path(FixedPaths::htmlReport(QStringLiteral("MASODIK"))));
    for (const QString &trace : {QStringLiteral("Első"), QStringLiteral("ELSO"), QStringLiteral("első gyermek")}) {
        QVERIFY2(!file.join(QLatin1Char('\n')).contains(trace), qPrintable(trace));
        QVERIFY2(!page.join(QLatin1Char('\n')).contains(trace), qPrintable(trace));
    }
    CaseRecord second;
    readCaseFile(second, program.installation.path(FixedPaths::caseFile(QStringLiteral("MASODIK"))));
    QVERIFY(second.Opinion.isEmpty());
    // New emptied the opinion files the word-processor template shows.
    QCOMPARE(program.installation.readBytes(FixedPaths::OpinionText), QByteArray());
    QCOMPARE(program.installation.readBytes(WordCopy::OpinionText), WordCopy::bytes({}));
    const AnswerSet &teacher = second.answers(Teacher);
    for (int row = 4; row < kindInfo(Teacher).firstResultRow; ++row)
        QCOMPARE(teacher.valueText(row), QString());
    // The report of the questionnaire the second child did not fill shows no scores.
    const CaseRecord &record = program.app.record();
    QCOMPARE(record.scores(Teacher).TScores, QVector<int>(kindInfo(Teacher).scaleCount, 0));
    // The summary line of the second save is the second child's own.
    const QStringList summary = TextFile::readLines(program.installation.path(FixedPaths::SummaryStatFile));
    QVERIFY(summary.last().startsWith(QStringLiteral("MASODIK\t")));
    CaseRecord expected;
    buildExpected(expected, record, {{65, QStringLiteral("2")}}, Parent);
    ScoreKind(expected, Parent);
    QCOMPARE(summary.last(), TextFile::splitLines(StatisticsLine(expected)).first());
}

void TestExamination::cancelPaths_data()
{
    QTest::addColumn<bool>("leave");
    QTest::newRow("Nem to leaving") << false;
    QTest::newRow("Nem to saving") << true;
}

void TestExamination::cancelPaths()
{
    QFETCH(bool, leave);
    StoryProgram program;
    ScriptedUser user;
    QVERIFY2(program.startNewExamination(user), user.why());
    const QStringList before = QDir(program.installation.path(FixedPaths::ArchiveFolder)).entryList(QDir::Files);
    const QByteArray recentBefore = program.installation.readBytes(FixedPaths::RecentList);
    const QByteArray summaryBefore = program.installation.readBytes(FixedPaths::SummaryStatFile);
    user.expectMessage(QStringLiteral("MOTRA: Ki akar lépni a programból?")).click(leave ? "Igen" : "Nem");
    if (leave)
        user.expectMessage(QStringLiteral("MOTRA: El akarja menteni a változásokat?")).click(QStringLiteral("Nem"));
    QVERIFY2(
        user.run(program.menu({QStringLiteral("Fájlműveletek"), QStringLiteral("kilépés a programból")})), user.why());
    QCOMPARE(program.main->isVisible(), !leave);
    QCOMPARE(QDir(program.installation.path(FixedPaths::ArchiveFolder)).entryList(QDir::Files), before);
    QCOMPARE(program.installation.readBytes(FixedPaths::SummaryStatFile), summaryBefore);
    QCOMPARE(program.installation.readBytes(FixedPaths::RecentList), recentBefore);
}

QTEST_MAIN(TestExamination)
#include "tst_examination.moc"
