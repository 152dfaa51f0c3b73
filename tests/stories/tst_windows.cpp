#include "StoryProgram.h"

#include "app/TMainForm.h"
#include "app/TSzemAdForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "entry/AnswerGrid.h"
#include "entry/AnswerGridForm.h"

#include <QLabel>
#include <QMenu>
#include <QtTest>

// Single windows as a psychologist meets them: the keyboard in the answer grid, the
// messages of a bad answer, the opinion window, the report popup.
class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void gridKeepsTheKeyboardAfterEscape();
    void badAnswerMessageOncePerAttempt_data();
    void badAnswerMessageOncePerAttempt();
    void opinionClosesOnlyThroughRendben();
    void htmlPopupWritesOncePerChoice_data();
    void htmlPopupWritesOncePerChoice();
    void dialogReopensWhereItWas();
};

namespace {
const QString ParentForm = QStringLiteral("TSzuloForm");
const QString Grid = QStringLiteral("StringGrid1");
const QString ItemMenu = QStringLiteral("PopupMenu23");
constexpr int SportRow = 17; // a free-text row: a click there opens no menu

// The menu came up touching the answer cell of the row it is for.
std::function<QString(QWidget *)> menuAtRow(int row)
{
    return [row](QWidget *menuWindow) -> QString {
        auto *form = qobject_cast<AnswerGridForm *>(menuWindow->parentWidget());
        if (!form)
            return QStringLiteral("the menu belongs to no entry window");
        AnswerGrid *grid = form->StringGrid1;
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        const QRect onScreen(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
        if (menuWindow->geometry().intersects(onScreen.adjusted(-3, -3, 3, 3)))
            return QString();
        return QStringLiteral("the menu is at %1,%2, the cell of row %3 at %4,%5")
            .arg(menuWindow->x())
            .arg(menuWindow->y())
            .arg(row)
            .arg(onScreen.x())
            .arg(onScreen.y());
    };
}

// The cell editor of the grid holds this text.
std::function<QString(QWidget *)> editing(const QString &text)
{
    return [text](QWidget *window) -> QString {
        auto *editor = qobject_cast<QLineEdit *>(window->focusWidget());
        if (!editor)
            return QStringLiteral("no cell is being edited");
        return editor->text() == text ? QString() : QStringLiteral("the cell editor holds ") + editor->text();
    };
}

// From the sport row down to a row by the arrow key.
ScriptedUser::Step &downTo(ScriptedUser::Step &step, int row)
{
    step.clickCell(Grid, SportRow, 1);
    for (int r = SportRow; r < row; ++r)
        step.key(Qt::Key_Down);
    return step;
}
} // namespace

void TestWindows::gridKeepsTheKeyboardAfterEscape()
{
    StoryProgram program;
    ScriptedUser user;
    QVERIFY2(program.startNewExamination(user), user.why());
    ScriptedUser::Step &form = downTo(user.expect(ParentForm), 65);
    // 7 is no answer of the item menu: Escape closes the menu and the 7 goes into the cell.
    form.keys(QString(), QStringLiteral("7"))
        .verify(QStringLiteral("the 7 is being typed"), editing(QStringLiteral("7")))
        .key(Qt::Key_Return) // keeps the 7, moves on, and the next row's menu opens
        .key(Qt::Key_Down) // a free-text row
        .key(Qt::Key_Down)
        .keys(QString(), QStringLiteral("1"))
        .act(QStringLiteral("close the window"), [](QWidget *w) { w->close(); });
    user.expectMenu(ItemMenu).verify(QStringLiteral("the menu at row 65"), menuAtRow(65)).key(Qt::Key_Escape);
    user.expectMenu(ItemMenu).verify(QStringLiteral("the menu at row 66"), menuAtRow(66)).key(Qt::Key_Escape);
    user.expectMenu(ItemMenu)
        .verify(QStringLiteral("the typed answer lit"),
            [](QWidget *w) {
                const QAction *lit = static_cast<QMenu *>(w)->activeAction();
                return lit && lit->text().startsWith(QLatin1String("1=")) ? QString() : QStringLiteral("no entry lit");
            })
        .key(Qt::Key_Return);
    QVERIFY2(user.run(program.menu({QStringLiteral("Vizsgálat"), QStringLiteral("Szülői tesztfüzet")})), user.why());

    const AnswerSet &answers = program.app.record().answers(Parent);
    QCOMPARE(answers.valueText(65), QStringLiteral("7"));
    QCOMPARE(answers.valueText(66), QString());
    QCOMPARE(answers.valueText(68), QStringLiteral("1"));
    QCOMPARE(answers.answerLabel(68), QStringLiteral("néha vagy valamennyire igaz"));
    QVERIFY(program.main->Check2->isVisible());
}

void TestWindows::badAnswerMessageOncePerAttempt_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("closing the window") << false;
    QTest::newRow("számolj, rajzolj!") << true;
}

void TestWindows::badAnswerMessageOncePerAttempt()
{
    QFETCH(bool, byMenu);
    StoryProgram program;
    ScriptedUser user;
    QVERIFY2(program.startNewExamination(user), user.why());
    ScriptedUser::Step &form = downTo(user.expect(ParentForm), 70);
    form.keys(QString(), QStringLiteral("x")).key(Qt::Key_Return);
    if (byMenu)
        form.menu({QStringLiteral("számolj, rajzolj!")});
    else
        form.act(QStringLiteral("close the window"), [](QWidget *w) { w->close(); });
    // Once the message is read, the window stays and the user mends the answer.
    form.verify(QStringLiteral("the window stays open"),
            [](QWidget *w) { return w->isVisible() ? QString() : QStringLiteral("it closed"); })
        .key(Qt::Key_Up)
        .keys(QString(), QStringLiteral("0"))
        .act(QStringLiteral("close the window"), [](QWidget *w) { w->close(); });
    user.expectMenu(ItemMenu).key(Qt::Key_Escape); // for the x
    user.expectMenu(ItemMenu).key(Qt::Key_Escape); // Enter moved on to the next item
    user.expectMessage(
            QStringLiteral("'x' is not a valid integer value\nA hibás válasz helye: szülői kérdőív, 72. sor: "
                           "„Úgy viselkedik, mint az ellenkező nemű gyerekek.”"))
        .click(QStringLiteral("OK"));
    user.expectMenu(ItemMenu).choose(QStringLiteral("0=nem igaz;"));
    QVERIFY2(user.run(program.menu({QStringLiteral("Vizsgálat"), QStringLiteral("Szülői tesztfüzet")})), user.why());
    QCOMPARE(program.app.record().answers(Parent).valueText(70), QStringLiteral("0"));
    QVERIFY(program.main->Check2->isVisible());
}

void TestWindows::opinionClosesOnlyThroughRendben()
{
    StoryProgram program;
    const auto stillOpen = [](QWidget *w) { return w->isVisible() ? QString() : QStringLiteral("it closed"); };
    ScriptedUser user;
    user.expect(QStringLiteral("TVelemenyForm"))
        .type(QStringLiteral("Memo1"), QStringLiteral("Az ő fejlődése jó.\nA hűség fontos."))
        .key(Qt::Key_Escape)
        .verify(QStringLiteral("Escape leaves it open"), stillOpen)
        .act(QStringLiteral("close it from the window system"), [](QWidget *w) { w->close(); })
        .verify(QStringLiteral("closing leaves it open"), stillOpen)
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run(program.menu({QStringLiteral("Vizsgálat"), QStringLiteral("Vélemény megírása")})), user.why());
    QCOMPARE(program.installation.readBytes(FixedPaths::OpinionText),
        QByteArray("Az \xf5 fejl\xf5\x64\xe9se j\xf3.\r\nA h\xfbs\xe9g fontos.\r\n"));
    QVERIFY(program.main->Check5->isVisible());
}

void TestWindows::htmlPopupWritesOncePerChoice_data()
{
    QTest::addColumn<QString>("item");
    for (const char *item : {"szülői kérdőív", "tanári kérdőív", "önértékelő kérdőív", "szülői + tanári kérdőív",
             "szülői + önértékelő kérdőív", "tanári + önértékelő kérdőív", "mindhárom kérdőív"})
        QTest::newRow(item) << QString::fromUtf8(item);
}

void TestWindows::htmlPopupWritesOncePerChoice()
{
    QFETCH(QString, item);
    StoryProgram program;
    ScriptedUser user;
    user.expectMenu(QStringLiteral("PopupMenu1")).choose(item);
    QVERIFY2(user.run(program.menu({QStringLiteral("Fájlműveletek"), QStringLiteral("Nyomtatás HTML formátumban")})),
        user.why());
    const QString page = program.installation.path(FixedPaths::htmlReport(QStringLiteral("aktualis")));
    QCOMPARE(program.desktop.documents, QStringList{page});
}

void TestWindows::dialogReopensWhereItWas()
{
    StoryProgram program;
    QWidget *dialog = program.app.personalDataForm();
    QPoint left;
    ScriptedUser user;
    user.expect(QStringLiteral("TSzemAdForm"))
        .act(QStringLiteral("drag it aside"),
            [&left](QWidget *w) {
                w->move(150, 120);
                left = w->pos();
            })
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run(program.menu({QStringLiteral("Vizsgálat"), QStringLiteral("Személyi adatok")})), user.why());
    // Where the window system would put it next: lower right by its frame.
    dialog->move(left + QPoint(10, 40));
    user.expect(QStringLiteral("TSzemAdForm"))
        .verify(QStringLiteral("it is where it was left"),
            [&left](QWidget *w) {
                return w->pos() == left ? QString()
                                        : QStringLiteral("it came up at %1,%2").arg(w->pos().x()).arg(w->pos().y());
            })
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run(program.menu({QStringLiteral("Vizsgálat"), QStringLiteral("Személyi adatok")})), user.why());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
