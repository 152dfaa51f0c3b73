#include "StoryProgram.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/FixedPaths.h"
#include "case/TextFile.h"
#include "stats/StatisticsFiles.h"
#include "stats/StatisticsRecordList.h"
#include "stats/TStatTMKForm.h"

#include <QLineEdit>
#include <QListView>
#include <QtTest>

// A research psychologist collects examinations in a statistics file and tidies it, through
// the program's real dialogs, menus and message boxes.
class TestStatMaintenance : public QObject
{
    Q_OBJECT
private slots:
    void attachTwoThenSortAndDelete();
};

namespace {

const QString StudyFile = QStringLiteral("c:\\_halden\\motra\\stat\\kutatas.da1");

// New examination: the personal data of the child, then the parent questionnaire, whose
// statistics menu attaches it; attach fills in the attach dialog.
void examination(ScriptedUser &user, const QString &name, const QString &code,
    const std::function<void(ScriptedUser::Step &)> &attach)
{
    user.expect(QStringLiteral("TSzemAdForm"))
        .type(QStringLiteral("Edit1"), name)
        .type(QStringLiteral("Edit2"), code)
        .type(QStringLiteral("LMDSpinEdit1"), QStringLiteral("10"))
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TSzuloForm"))
        .menu({QStringLiteral("statisztika"), QStringLiteral("az aktuális jkv. csatolása")})
        .act(QStringLiteral("close box"), [](QWidget *window) { window->close(); });
    attach(user.expect(QStringLiteral("TStatForm")));
}

QStringList listShown(const TStatTMKForm *form)
{
    QStringList lines;
    const QAbstractItemModel *model = form->ListBox1->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

} // namespace

void TestStatMaintenance::attachTwoThenSortAndDelete()
{
    StoryProgram program;
    QVERIFY(program.installation.isValid());
    TMainForm *main = program.main;
    QVERIFY(!main->isLocked());

    // The first child opens a new study file, the second joins it.
    ScriptedUser user;
    examination(user, QStringLiteral("Csonka Ágnes"), QStringLiteral("cs-1"), [](ScriptedUser::Step &step) {
        step.click(QStringLiteral(". . . vagy új fájlt létesíthet"))
            .type(QStringLiteral("Edit1"), QStringLiteral("kutatas"))
            .expectField(QStringLiteral("Label3"), QStringLiteral(".da1"))
            .click(QStringLiteral("csatol"));
    });
    QVERIFY2(user.run([&] {
        ScriptedUser::clickWidget(main->Image3);
        ScriptedUser::clickWidget(main->Label2);
    }),
        user.why());
    examination(user, QStringLiteral("Cukor Béla"), QStringLiteral("cu-2"), [](ScriptedUser::Step &step) {
        step.click(QStringLiteral(". . . létező fájlhoz"))
            .pick(QStringLiteral("FileListBox1"), QStringLiteral("kutatas.da1"))
            .click(QStringLiteral("csatol"));
    });
    QVERIFY2(user.run([&] {
        ScriptedUser::clickWidget(main->Image3);
        ScriptedUser::clickWidget(main->Label2);
    }),
        user.why());
    QStringList lines = TextFile::readLines(program.installation.path(StudyFile));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0] + QStringLiteral("\r\n"), StatisticsHeader(1));
    QVERIFY(lines[1].startsWith(QLatin1String("CS-1\t")));
    QVERIFY(lines[2].startsWith(QLatin1String("CU-2\t")));

    // Sorted the Hungarian way (c before cs), then the first child's record deleted.
    auto *maintenance = qobject_cast<TStatTMKForm *>(program.app.window(QStringLiteral("TStatTMKForm")));
    QVERIFY(maintenance);
    QStringList shown;
    user.expect(QStringLiteral("MOTRA statisztikai fájlok karbantartása"))
        .pick(QStringLiteral("FileListBox1"), QStringLiteral("kutatas.da1"))
        .clickCell(QStringLiteral("ListBox1"), 0, 0)
        .expectText(TStatTMKForm::FirstLineWarning)
        .click(QStringLiteral("rendezd betűrendbe !"))
        .verify(QStringLiteral("sorted"),
            [&](QWidget *) {
                const QStringList now = listShown(maintenance);
                return now.size() == 3 && now[1].startsWith(QLatin1String("CU-2\t"))
                        && now[2].startsWith(QLatin1String("CS-1\t"))
                    ? QString()
                    : now.join(QLatin1Char('\n')).left(200);
            })
        .clickCell(QStringLiteral("ListBox1"), 2, 0)
        .click(QStringLiteral("töröld a kijelölt rekordot !"))
        .act(QStringLiteral("look at the list"), [&](QWidget *) { shown = listShown(maintenance); })
        .click(QStringLiteral("Rendben"));
    user.expect(QStringLiteral("Fontos figyelmeztetés !"))
        .expectText(QStringLiteral("Ön felülírja a következő fájlt:"))
        .expectField(QStringLiteral("Label2"), StudyFile)
        .click(QStringLiteral("Igen, felülírom"));
    QVERIFY2(user.run([&] {
        QCOMPARE(ScriptedUser::chooseFromMenuBar(
                     main->menuBar(), {QStringLiteral("Statisztika..."), QStringLiteral("...fájlok karbantartása")}),
            QString());
    }),
        user.why());

    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[1].startsWith(QLatin1String("CU-2\t")));
    QCOMPARE(TextFile::readLines(program.installation.path(StudyFile)), shown);
    QCOMPARE(program.installation.readBytes(StudyFile),
        TextFile::encode(shown.join(QStringLiteral("\r\n")) + "\r\n", StudyFile));
    QVERIFY(program.desktop.documents.isEmpty());
}

QTEST_MAIN(TestStatMaintenance)
#include "tst_statmaintenance.moc"
