#include "DesktopRecorder.h"
#include "ScriptedUser.h"
#include "TestInstallation.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/CaseRecord.h"

#include <QLineEdit>
#include <QtTest>

// Examinations as a psychologist does them, through the program's real dialogs, menus and
// message boxes; only the hand-over of documents to the desktop is recorded.
class TestExamination : public QObject
{
    Q_OBJECT
private slots:
    void unlockAndStartAnExamination();
};

namespace {
// Types into the main window's password field as the user does: select all, type.
void typePassword(TMainForm *main, const QString &password)
{
    QTest::keyClick(main->Edit2, Qt::Key_A, Qt::ControlModifier);
    ScriptedUser::typeKeys(main->Edit2, password);
}
} // namespace

void TestExamination::unlockAndStartAnExamination()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    DesktopRecorder desktop;
    MotraApplication app;
    app.show();
    TMainForm *main = app.mainForm();
    CaseRecord &record = app.record();

    typePassword(main, QStringLiteral("654321"));
    QVERIFY(main->isLocked());
    QVERIFY(main->Panel2->isVisible());
    typePassword(main, QStringLiteral("123456"));
    QVERIFY(!main->isLocked());
    QVERIFY(main->Panel1->isVisible());

    ScriptedUser user;
    user.expect(QStringLiteral("TSzemAdForm"))
        .expectField(QStringLiteral("Edit1"), QStringLiteral("Név Nélkül"))
        .type(QStringLiteral("Edit1"), QStringLiteral("Kovács Ödön Győző"))
        .type(QStringLiteral("Edit2"), QStringLiteral("ko-17"))
        .expectField(QStringLiteral("Edit2"), QStringLiteral("KO-17"))
        .click(QStringLiteral("lány"))
        .type(QStringLiteral("LMDSpinEdit1"), QStringLiteral("9"))
        .pick(QStringLiteral("ComboBox2"), QStringLiteral("Szabó Péter"))
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image3); }), user.why());

    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA (KO-17)"));
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Kovács Ödön Győző"));
    QCOMPARE(record.Personal.ChildCode, QStringLiteral("KO-17"));
    QVERIFY(!record.Personal.IsBoy);
    QCOMPARE(record.Personal.Age, 9);
    QCOMPARE(record.Personal.Examiner, QStringLiteral("Szabó Péter"));
    QCOMPARE(main->NevLabel->text(), QStringLiteral("neve: Kovács Ödön Győző"));
    QCOMPARE(record.answers(Parent).valueText(2), QStringLiteral("2"));

    // "Nem" to the exit question keeps the program running.
    user.expectMessage(QStringLiteral("MOTRA: Ki akar lépni a programból?")).click(QStringLiteral("Nem"));
    QVERIFY2(user.run([&] { main->close(); }), user.why());
    QVERIFY(main->isVisible());
    QVERIFY(desktop.documents.isEmpty());
}

QTEST_MAIN(TestExamination)
#include "tst_examination.moc"
