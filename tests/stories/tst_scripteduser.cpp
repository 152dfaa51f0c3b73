#include "ScriptedUser.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

// The scripted user itself: a script that goes wrong fails fast, says where, and leaves
// no window open behind it.
class TestScriptedUser : public QObject
{
    Q_OBJECT
private slots:
    void answersNestedWindows();
    void failures_data();
    void failures();
};

namespace {
// A small dialog: a field, "kész" (asks a question first when the field says so) and a
// button that does nothing.
struct Form : QDialog
{
    QLineEdit *field = new QLineEdit(this);
    QPushButton *done = new QPushButton(QStringLiteral("&kész"), this);
    QPushButton *idle = new QPushButton(QStringLiteral("semmi"), this);
    QString answer;
    Form()
    {
        setObjectName(QStringLiteral("Form"));
        setWindowTitle(QStringLiteral("Próba"));
        field->setObjectName(QStringLiteral("field"));
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(done);
        layout->addWidget(idle);
        connect(done, &QPushButton::clicked, this, [this] {
            if (field->text() == QStringLiteral("kérdés"))
                answer = QMessageBox::question(this, QStringLiteral("MOTRA"), QStringLiteral("Biztos?"))
                        == QMessageBox::Yes
                    ? QStringLiteral("igen")
                    : QStringLiteral("nem");
            accept();
        });
    }
};
} // namespace

void TestScriptedUser::answersNestedWindows()
{
    Form form;
    QMenu menu;
    menu.setObjectName(QStringLiteral("Menu"));
    menu.addAction(QStringLiteral("első"));
    QAction *second = menu.addAction(QStringLiteral("&második"));
    QAction *chosen = nullptr;
    ScriptedUser user;
    user.expectMenu(QStringLiteral("Menu")).choose(QStringLiteral("második"));
    user.expect(QStringLiteral("Próba"))
        .type(QStringLiteral("field"), QStringLiteral("kérdés"))
        .expectField(QStringLiteral("field"), QStringLiteral("kérdés"))
        .click(QStringLiteral("kész"));
    user.expectMessage(QStringLiteral("Biztos?")).click(QStringLiteral("Yes"));
    QVERIFY2(user.run([&] {
        chosen = menu.exec(QPoint(300, 300));
        form.exec();
    }),
        user.why());
    QCOMPARE(chosen, second);
    QCOMPARE(form.answer, QStringLiteral("igen"));
    QVERIFY(!form.isVisible());
}

void TestScriptedUser::failures_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("said");
    QTest::newRow("unexpected window")
        << "wrong window"
        << "step 1 of 1 (window \"Másik\"): QDialog Form captioned \"Próba\" came up unexpectedly";
    QTest::newRow("missing control") << "missing control"
                                     << "no control named \"nincs\"";
    QTest::newRow("text differs") << "text differs"
                                  << "\"field\" shows \"\"";
    QTest::newRow("never comes up") << "never comes up"
                                    << "step 2 of 2 (message box \"Soha\"): the window did not come up";
    QTest::newRow("still open") << "still open"
                                << "is still open after its step";
    QTest::newRow("refused close") << "refused close"
                                   << "step 2 of 2 (window \"Másik\")";
}

void TestScriptedUser::failures()
{
    QFETCH(QString, script);
    QFETCH(QString, said);
    Form form;
    ScriptedUser user;
    user.setTimeout(300);
    if (script == QLatin1String("wrong window"))
        user.expect(QStringLiteral("Másik")).click(QStringLiteral("kész"));
    if (script == QLatin1String("missing control"))
        user.expect(QStringLiteral("Form")).click(QStringLiteral("nincs"));
    if (script == QLatin1String("text differs"))
        user.expect(QStringLiteral("Form")).expectField(QStringLiteral("field"), QStringLiteral("valami"));
    if (script == QLatin1String("never comes up")) {
        user.expect(QStringLiteral("Form")).click(QStringLiteral("kész"));
        user.expectMessage(QStringLiteral("Soha")).click(QStringLiteral("OK"));
    }
    if (script == QLatin1String("still open"))
        user.expect(QStringLiteral("Form")).click(QStringLiteral("semmi"));
    if (script == QLatin1String("refused close")) {
        // The question the form asks is not in the script: it is closed all the same.
        user.expect(QStringLiteral("Form"))
            .type(QStringLiteral("field"), QStringLiteral("kérdés"))
            .click(QStringLiteral("kész"));
        user.expect(QStringLiteral("Másik"));
    }
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!user.run([&] { form.exec(); }));
    QVERIFY2(user.failure().contains(said), user.why());
    QVERIFY(!form.isVisible());
    QVERIFY(!ScriptedUser::topWindow());
    QVERIFY(clock.elapsed() < 3000);
}

QTEST_MAIN(TestScriptedUser)
#include "tst_scripteduser.moc"
