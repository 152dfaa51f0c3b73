#include "AppFixture.h"
#include "AppTestSeam.h"

#include "app/ClickLabel.h"
#include "app/ListComboBox.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "app/TSzemAdForm.h"
#include "case/CaseRecord.h"
#include "case/HostPath.h"
#include "case/TextFile.h"
#include "charts/ChartWindows.h"
#include "charts/TSkalaForm.h"
#include "entry/AnswerGridForm.h"

#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

class TestWorkflow : public QObject
{
    Q_OBJECT
private slots:
    void newShowsPersonalDataOnce();
    void newAtGuideStepOneEndsAtThree();
    void newKeepsExaminerClearsLabelsAndOpinion();
    void questionnaireAtStepThreeAdvances();
    void markPartDoneShowsOutputs();
    void saveWritesArchiveRecentAndSummary();
    void unsafeCodesSaveInsideArchive_data();
    void unsafeCodesSaveInsideArchive();
    void unencodableSaveIsReportedAndKept();
    void scalePickerJumpsInTheEntryGrid();
};

static void unlock(MotraApplication &app) { QTest::keyClicks(app.mainForm()->Edit2, QStringLiteral("123456")); }

void TestWorkflow::newShowsPersonalDataOnce()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    seam.onDialog = [](QDialog *d) { d->accept(); };
    app.mainForm()->NewItem->trigger();
    QCOMPARE(seam.dialogs, QStringList{QStringLiteral("TSzemAdForm")});
    QCOMPARE(app.mainForm()->guideStep(), 0);
    seam.dialogs.clear();
    app.mainForm()->Image3->clicked();
    QCOMPARE(seam.dialogs, QStringList{QStringLiteral("TSzemAdForm")});
}

void TestWorkflow::newAtGuideStepOneEndsAtThree()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    app.mainForm()->Image7Click();
    seam.onDialog = [](QDialog *d) { d->accept(); };
    app.mainForm()->NewExamination();
    QCOMPARE(seam.dialogs, QStringList{QStringLiteral("TSzemAdForm")});
    QCOMPARE(app.mainForm()->guideStep(), 3);
}

void TestWorkflow::newKeepsExaminerClearsLabelsAndOpinion()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    CaseRecord &record = app.record();
    record.Personal.ChildName = QStringLiteral("Előző Gyerek");
    record.Personal.ChildCode = QStringLiteral("EGY");
    record.Personal.Examiner = QStringLiteral("Dr. Kiss Anna");
    record.Personal.ExamDate = QStringLiteral("2004.3.5.");
    record.Personal.ExamReason = QStringLiteral("szorongás");
    record.answers(Parent).setValueText(70, QStringLiteral("2"));
    record.answers(Parent).setAnswerLabel(70, QStringLiteral("nagyon igaz vagy gyakran igaz"));
    record.answers(SelfReport).setAnswerLabel(60, QStringLiteral("nem igaz"));
    record.Opinion = QStringList{QStringLiteral("Az előző gyermekről írt vélemény.")};
    TextFile::writeLines(inst.path(FixedPaths::OpinionText), record.Opinion);
    app.mainForm()->MarkPartDone(ExamPart::Parent);
    app.mainForm()->MarkPartDone(ExamPart::Opinion);

    seam.onDialog = [](QDialog *d) {
        auto *f = static_cast<TSzemAdForm *>(d);
        QCOMPARE(f->Edit1->text(), QStringLiteral("Név Nélkül"));
        QCOMPARE(f->Edit2->text(), QStringLiteral("aktualis"));
        QCOMPARE(f->Edit3->text(), QStringLiteral("2004.3.5."));
        QCOMPARE(f->ComboBox2->currentText(), QStringLiteral("Dr. Kiss Anna"));
        QCOMPARE(f->ComboBox1->currentText(), QStringLiteral("szorongás"));
        QVERIFY(f->RadioButton1->isChecked());
        QCOMPARE(f->LMDSpinEdit1->value(), 14);
        f->accept();
    };
    app.mainForm()->NewExamination();
    QCOMPARE(seam.dialogs.size(), 1);

    QCOMPARE(record.Personal.Examiner, QStringLiteral("Dr. Kiss Anna"));
    QCOMPARE(record.Personal.ExamDate, QStringLiteral("2004.3.5."));
    QCOMPARE(record.Personal.ExamReason, QStringLiteral("szorongás"));
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Név Nélkül"));
    QCOMPARE(record.answers(Parent).valueText(70), QString());
    QCOMPARE(record.answers(Parent).answerLabel(70), QStringLiteral("-"));
    QCOMPARE(record.answers(SelfReport).answerLabel(60), QStringLiteral("-"));
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const AnswerSet &set = record.answers(kind);
        for (int row = kindInfo(kind).firstResultRow; row < set.size(); ++row)
            QCOMPARE(set.valueText(row), QStringLiteral("***"));
    }
    QVERIFY(record.Opinion.isEmpty());
    QVERIFY(TextFile::readLines(inst.path(FixedPaths::OpinionText)).isEmpty());
    if (QDialog *opinion = app.mainForm()->windows().opinion) {
        auto *memo = opinion->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
        QVERIFY(memo && memo->toPlainText().isEmpty());
    }
    TMainForm *main = app.mainForm();
    QVERIFY(main->Check2->isHidden());
    QVERIFY(main->Check5->isHidden());
    QVERIFY(!main->Label2->isDone());
    QVERIFY(!main->Label5->isDone());
    QVERIFY(!main->Check1->isHidden()); // the dialog just closed again
    QVERIFY(!main->Image5->isHidden()); // once shown, the outputs stay
}

void TestWorkflow::questionnaireAtStepThreeAdvances()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    TMainForm *main = app.mainForm();
    main->Image7Click();
    seam.onDialog = [](QDialog *d) { d->accept(); };
    main->AdvanceGuide(); // step 2 shows the personal data, whose closing makes it 3
    QCOMPARE(main->guideStep(), 3);
    seam.dialogs.clear();
    seam.onDialog = [&](QDialog *d) {
        QCOMPARE(app.record().CurrentKind, int(Teacher));
        QCOMPARE(app.record().SlotCount, 176);
        d->reject();
    };
    main->TeacherItem->trigger();
    QCOMPARE(main->guideStep(), 4);
    QVERIFY(main->windows().teacherEntry);
    QCOMPARE(seam.dialogs.first(), QStringLiteral("TTanarForm"));
    seam.onDialog = {};
    main->Label4->clicked();
    QCOMPARE(app.record().CurrentKind, int(SelfReport));
    QCOMPARE(app.record().SlotCount, 189);
    QCOMPARE(main->guideStep(), 4); // only step 3 moves on
}

void TestWorkflow::markPartDoneShowsOutputs()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QVERIFY(main->Image5->isHidden());
    main->MarkPartDone(ExamPart::SelfReport);
    QVERIFY(!main->Check4->isHidden());
    QVERIFY(main->Label4->isDone());
    for (QWidget *w : {static_cast<QWidget *>(main->Image5), static_cast<QWidget *>(main->Image6),
             static_cast<QWidget *>(main->Image8), static_cast<QWidget *>(main->Label5)})
        QVERIFY(!w->isHidden());
    windowServices().markPartDone(ExamPart::Opinion);
    QVERIFY(!main->Check5->isHidden());
    QVERIFY(main->Label5->isDone());
}

void TestWorkflow::saveWritesArchiveRecentAndSummary()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    seam.onDialog = [](QDialog *d) {
        auto *f = static_cast<TSzemAdForm *>(d);
        f->Edit1->setText(QStringLiteral("Mentett Máté"));
        f->Edit2->setText(QStringLiteral("MM1"));
        f->accept();
    };
    app.mainForm()->NewExamination();
    seam.messages.clear(); // the bare installation has no chart backgrounds to reset from
    app.mainForm()->SaveItem->trigger();
    QCOMPARE(
        seam.messages, QStringList{QStringLiteral("lemezre írva: MM1, statisztika csatolva: MM1 =>> stat\\_sum.dat")});
    QVERIFY(QFile::exists(inst.path(QStringLiteral("c:\\_halden\\motra\\archivum\\MM1.mtr"))));
    QCOMPARE(TextFile::readLines(inst.path(FixedPaths::RecentList)),
        QStringList{QStringLiteral("c:\\_halden\\motra\\archivum\\MM1.mtr")});
    const QStringList summary = TextFile::readLines(inst.path(FixedPaths::SummaryStatFile));
    QVERIFY(!summary.isEmpty());
    QVERIFY(summary.last().contains(QStringLiteral("MM1")));
}

void TestWorkflow::unsafeCodesSaveInsideArchive_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("parent folder") << "..\\x";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("drive") << "c:\\x";
    QTest::newRow("dots only") << "..";
}

void TestWorkflow::unsafeCodesSaveInsideArchive()
{
    QFETCH(QString, code);
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    app.record().Personal.ChildCode = code;
    QVERIFY(app.mainForm()->SaveExamination());
    QVERIFY(seam.messages.first().startsWith(QStringLiteral("lemezre írva: ")));
    const QString archive = QFileInfo(inst.path(FixedPaths::ArchiveFolder)).canonicalFilePath();
    int caseFiles = 0;
    QDirIterator it(inst.root(), QStringList{QStringLiteral("*.mtr")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        QCOMPARE(file.canonicalPath(), archive);
        ++caseFiles;
    }
    QCOMPARE(caseFiles, 1);
}

void TestWorkflow::unencodableSaveIsReportedAndKept()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    unlock(app);
    app.record().Personal.ChildCode = QStringLiteral("UNI");
    app.record().Personal.ChildName = QStringLiteral("Ли 李");
    app.record().copyPersonalDataToAnswerSets();
    QVERIFY(!app.mainForm()->SaveExamination());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(!seam.messages.first().startsWith(QStringLiteral("lemezre írva")));
    QVERIFY(!QFile::exists(inst.path(FixedPaths::caseFile(QStringLiteral("UNI")))));
    QCOMPARE(app.record().Personal.ChildName, QStringLiteral("Ли 李"));

    // Leaving with "save" keeps the program open, so the examination is not lost.
    app.mainForm()->show();
    seam.answers = {true, true};
    QVERIFY(!app.mainForm()->close());
    QVERIFY(app.mainForm()->isVisible());
}

void TestWorkflow::scalePickerJumpsInTheEntryGrid()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    TSkalaForm *picker = chartWindows().skala;
    QVERIFY(picker && picker->jumpToRow);
    const auto *parentForm = static_cast<AnswerGridForm *>(main->windows().parentEntry);
    const auto *teacherForm = static_cast<AnswerGridForm *>(main->windows().teacherEntry);

    // The parent row printed 67 stands at grid row 65; the teacher's 87 at 84 (printed 86 is
    // looked up at 86 - 2).
    picker->jumpToRow(Parent, 65);
    QCOMPARE(parentForm->selectedRow(), 65);
    picker->jumpToRow(Teacher, 84);
    QCOMPARE(teacherForm->selectedRow(), 84);
    QCOMPARE(parentForm->selectedRow(), 65);
    // A row outside the grid changes nothing.
    picker->jumpToRow(Parent, 999);
    QCOMPARE(parentForm->selectedRow(), 65);
}

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
