#include "DesktopRecorder.h"
#include "ScriptedUser.h"
#include "TestInstallation.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/PreviewPanel.h"
#include "app/TLastEdForm.h"
#include "app/TMainForm.h"
#include "app/TMegnyitForm.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/TextFile.h"
#include "entry/AnswerGridForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <array>
#include <cmath>

// Opening a stored examination as a psychologist does it: through the open dialog and its
// preview, the walk through the examination's windows, a change, saving, and opening it
// again from the recently modified list.
class TestOpenExamination : public QObject
{
    Q_OBJECT
private slots:
    void openChangeSaveAndReopen();
    void commandLineStartWalks();
};

namespace {

const QString Demo04 = QStringLiteral("c:\\_halden\\motra\\archivum\\DEMO04.mtr");
constexpr int ChangedRow = 100; // a problem item of the parent form
constexpr int ChangedLine = 12 + ChangedRow;

void typePassword(TMainForm *main, const QString &password)
{
    QTest::keyClick(main->Edit2, Qt::Key_A, Qt::ControlModifier);
    ScriptedUser::typeKeys(main->Edit2, password);
}

void closeBox(QWidget *window) { window->close(); }

// The preview of the open dialog against the score lines of a file (parent lines 230..244,
// teacher 423..439, self-report 648..663): each bar as high as its line's number, 5 for
// "***" or nothing, standing on the base line 110 px from the panel's top; none for a negative number.
QString previewShows(QWidget *window, const QStringList &lines)
{
    auto *form = qobject_cast<TMegnyitForm *>(window);
    if (!form)
        return QStringLiteral("not the open dialog");
    if (form->shownLines() != lines)
        return QStringLiteral("the line list does not show the file");
    const std::array<int, 3> firstLine = {230, 423, 648};
    const std::array<int, 3> barCount = {15, 17, 16};
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const PreviewPanel *panel = form->panel(kind);
        if (panel->barCount() != barCount[kind - 1])
            return QStringLiteral("questionnaire %1 has %2 bars").arg(kind).arg(panel->barCount());
        for (int bar = 0; bar < panel->barCount(); ++bar) {
            const QString line = lines.value(firstLine[kind - 1] + bar);
            const int value = line.isEmpty() || line == QLatin1String("***") ? 5 : int(std::nearbyint(line.toDouble()));
            const QRect rect = panel->barGeometry(bar);
            // A negative score (a scale that could not be computed) shows no bar.
            if (value < 0 ? !rect.isEmpty() : rect.height() != value || rect.y() + rect.height() != 110)
                return QStringLiteral("bar %1 of questionnaire %2 is %3 px high for the line \"%4\"")
                    .arg(bar)
                    .arg(kind)
                    .arg(rect.height())
                    .arg(line);
        }
    }
    return QString();
}

// The parent bars' heights as the generated DEMO04 has them.
QString parentBarsAre(QWidget *window, const QVector<int> &heights)
{
    const PreviewPanel *panel = static_cast<TMegnyitForm *>(window)->Panel1;
    QVector<int> shown;
    for (int bar = 0; bar < panel->barCount(); ++bar)
        shown.append(panel->barGeometry(bar).height());
    return shown == heights ? QString() : QStringLiteral("other parent bars");
}

// The closing of the three questionnaire windows and the opinion window of the walk.
void closeQuestionnairesAndOpinion(ScriptedUser &user)
{
    user.expect(QStringLiteral("TTanarForm")).act(QStringLiteral("close box"), closeBox);
    user.expect(QStringLiteral("TOnertForm")).act(QStringLiteral("close box"), closeBox);
    user.expect(QStringLiteral("TVelemenyForm")).click(QStringLiteral("rendben"));
}

} // namespace

void TestOpenExamination::openChangeSaveAndReopen()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QStringList stored = TextFile::readLines(inst.path(Demo04));
    const QString changed = stored[ChangedLine].startsWith(QLatin1Char('2'))
        ? QStringLiteral("0=nem igaz;")
        : QStringLiteral("2=nagyon igaz vagy gyakran igaz;");

    DesktopRecorder desktop;
    MotraApplication app;
    app.show();
    TMainForm *main = app.mainForm();
    CaseRecord &record = app.record();
    typePassword(main, QStringLiteral("123456"));
    QVERIFY(!main->isLocked());
    auto *parentForm = static_cast<AnswerGridForm *>(main->windows().parentEntry);
    QWidget *openDialog = app.window(QStringLiteral("TMegnyitForm"));
    const QMenu *answerMenu = parentForm->menuOfRow(ChangedRow, MenuTrigger::Press);
    QVERIFY(answerMenu);

    // "&Megnyitás": pick the examination, look at its preview, "rendben", walk through it.
    ScriptedUser user;
    user.expect(QStringLiteral("TMegnyitForm"))
        .pick(QStringLiteral("FileListBox1"), QStringLiteral("DEMO04.mtr"))
        .verify(QStringLiteral("the preview shows DEMO04"), [&](QWidget *w) { return previewShows(w, stored); })
        .verify(QStringLiteral("DEMO04's parent profile"),
            [](QWidget *w) {
                return parentBarsAre(w, {38, 37, 35, 42, 57, 60, 54, 60, 70, 56, 82, 56, 57, 73, 65});
            })
        .verify(QStringLiteral("its photograph is shown"),
            [](QWidget *w) {
                return static_cast<TMegnyitForm *>(w)->Image1->pixmap().isNull() ? QStringLiteral("no photograph")
                                                                                 : QString();
            })
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TSzemAdForm"))
        .expectField(QStringLiteral("Edit1"), QStringLiteral("Bemutató Dóra"))
        .expectField(QStringLiteral("Edit2"), QStringLiteral("DEMO04"))
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TSzuloForm"))
        .clickCell(QStringLiteral("StringGrid1"), ChangedRow, 1)
        .act(QStringLiteral("close box"), closeBox);
    user.expectMenu(answerMenu->objectName()).choose(changed);
    closeQuestionnairesAndOpinion(user);
    QString menuProblem;
    QVERIFY2(user.run([&] {
        menuProblem = ScriptedUser::chooseFromMenuBar(
            main->menuBar(), {QStringLiteral("Fájlműveletek"), QStringLiteral("Megnyitás")});
    }),
        user.why());
    QVERIFY2(menuProblem.isEmpty(), qPrintable(menuProblem));

    QCOMPARE(main->KodLabel->text(), QStringLiteral("kódja: DEMO04"));
    QCOMPARE(main->NemLabel->text(), QStringLiteral("neme: lány"));
    for (const QLabel *check : {main->Check1, main->Check2, main->Check3, main->Check4, main->Check5})
        QVERIFY(check->isVisible());
    QCOMPARE(record.answers(Parent).valueText(ChangedRow), changed.left(1));

    // Save.
    user.expectMessage(QStringLiteral("lemezre írva: DEMO04, statisztika csatolva: DEMO04 =>> stat\\_sum.dat"))
        .click(QStringLiteral("OK"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image5); }), user.why());
    const QStringList saved = TextFile::readLines(inst.path(Demo04));

    // Reopen: the recent list has it on top and previews it; then it is opened again.
    user.expect(QStringLiteral("TMegnyitForm"))
        .click(QStringLiteral("BitBtn4"))
        .pick(QStringLiteral("FileListBox1"), QStringLiteral("DEMO04.mtr"))
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TLastEdForm"))
        .verify(QStringLiteral("the saved examination is on top"),
            [](QWidget *w) {
                const QStringList entries = static_cast<TLastEdForm *>(w)->shownEntries();
                return entries.value(0) == Demo04 ? QString() : QStringLiteral("on top: ") + entries.value(0);
            })
        .pick(QStringLiteral("ListBox1"), Demo04)
        .verify(
            QStringLiteral("the open dialog previews it"), [&](QWidget *) { return previewShows(openDialog, saved); })
        .click(QStringLiteral("bezár"));
    user.expect(QStringLiteral("TSzemAdForm")).click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TSzuloForm"))
        .verify(QStringLiteral("the changed answer is there"),
            [&](QWidget *) {
                return record.answers(Parent).valueText(ChangedRow) == changed.left(1) ? QString()
                                                                                       : QStringLiteral("answer lost");
            })
        .act(QStringLiteral("close box"), closeBox);
    closeQuestionnairesAndOpinion(user);
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image4); }), user.why());

    // The one change differs from the examination as first stored, and besides it only the
    // parent results that follow from it and the results of the teacher form, which was
    // never scored before and is scored on the walk like every questionnaire.
    const QStringList now = TextFile::readLines(inst.path(Demo04));
    QCOMPARE(now, saved); // opening writes no case file
    QCOMPARE(now.size(), stored.size());
    QCOMPARE(now[ChangedLine], changed);
    const int firstParentResult = 12 + kindInfo(Parent).firstResultRow;
    for (int line = 0; line < now.size(); ++line) {
        if (line == ChangedLine || now[line] == stored[line])
            continue;
        const bool parentResult = line >= firstParentResult && line < 245;
        QVERIFY2(parentResult || stored[line] == QLatin1String("***"),
            qPrintable(QStringLiteral("line %1 changed: %2").arg(line).arg(now[line])));
    }
    QVERIFY(desktop.documents.isEmpty());
}

void TestOpenExamination::commandLineStartWalks()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QString demo01 = QStringLiteral("c:\\_halden\\motra\\archivum\\DEMO01.mtr");
    DesktopRecorder desktop;
    MotraApplication app({demo01});
    app.show();
    TMainForm *main = app.mainForm();
    ScriptedUser user;
    user.expect(QStringLiteral("TSzemAdForm"))
        .expectField(QStringLiteral("Edit1"), QStringLiteral("Bemutató Bence"))
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TSzuloForm")).act(QStringLiteral("close box"), closeBox);
    closeQuestionnairesAndOpinion(user);
    QVERIFY2(user.run([&] { typePassword(main, QStringLiteral("123456")); }), user.why());
    QVERIFY(main->Panel1->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA (DEMO01)"));
    QCOMPARE(caseFileLines(app.record()), TextFile::readLines(inst.path(demo01)));
}

QTEST_MAIN(TestOpenExamination)
#include "tst_openexamination.moc"
