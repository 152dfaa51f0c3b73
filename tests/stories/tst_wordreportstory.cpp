#include "StoryProgram.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/WordCopy.h"
#include "reports/TCsatDiagForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// The word-processor report as a psychologist prepares it, through the real dialogs: only
// the template's hand-over to the desktop is recorded.
class TestWordReportStory : public QObject
{
    Q_OBJECT
private slots:
    void examinationToWordReport();
};

void TestWordReportStory::examinationToWordReport()
{
    StoryProgram program;
    QVERIFY(program.installation.isValid());
    TMainForm *main = program.main;
    QVERIFY(!main->isLocked());

    // Personal data, one answer of the parent questionnaire, the opinion.
    ScriptedUser user;
    user.expect(QStringLiteral("TSzemAdForm"))
        .type(QStringLiteral("Edit1"), QStringLiteral("Fekete Örs"))
        .type(QStringLiteral("Edit2"), QStringLiteral("fö-3"))
        .type(QStringLiteral("LMDSpinEdit1"), QStringLiteral("12"))
        .click(QStringLiteral("rendben"));
    user.expect(QStringLiteral("TSzuloForm"))
        .clickCell(QStringLiteral("StringGrid1"), 100, 1)
        .act(QStringLiteral("close box"), [](QWidget *window) { window->close(); });
    user.expectMenu(QStringLiteral("PopupMenu23")).choose(QStringLiteral("2=nagyon igaz vagy gyakran igaz;"));
    user.expect(QStringLiteral("TVelemenyForm"))
        .keys(QStringLiteral("Memo1"), QStringLiteral("Oszinte, nyitott gyerek."))
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run([&] {
        ScriptedUser::clickWidget(main->Image3);
        ScriptedUser::clickWidget(main->Label2);
        ScriptedUser::clickWidget(main->Label5);
    }),
        user.why());
    QCOMPARE(program.app.record().answers(Parent).valueText(100), QStringLiteral("2"));
    // The opinion reached the word processor's copy.
    QCOMPARE(
        program.installation.readBytes(WordCopy::OpinionText), QByteArray("\xEF\xBB\xBFOszinte, nyitott gyerek.\r\n"));

    // The word report: the instructions, the link dialog mock and its note, then the start.
    QGuiApplication::clipboard()->clear();
    user.expect(QStringLiteral("MOTRA jkv. szerkesztése WINWORD-del"))
        .expectText(QStringLiteral("Teendők a WORD-del"))
        .verify(QStringLiteral("the instructions"),
            [](QWidget *w) {
                const auto *memo = w->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
                return memo && memo->toPlainText().contains(QStringLiteral("Szerkesztés > Külső hivatkozások..."))
                    ? QString()
                    : QStringLiteral("no LibreOffice instructions in the memo");
            })
        .menu({QStringLiteral("Szerkesztés"), QStringLiteral("Csatolások . . .")})
        .click(QStringLiteral("indulhat a WORD"));
    user.expect(QStringLiteral("Csatolások"))
        .expectText(QStringLiteral("Forrásfájl"))
        .expectText(QStringLiteral("Típus"))
        .verify(QStringLiteral("the five links, the first selected, only refreshing enabled"),
            [](QWidget *w) {
                auto *form = static_cast<TCsatDiagForm *>(w);
                if (form->ListBox1->currentRow() != 0 || form->ListBox1->selectedItems().size() != 1)
                    return QStringLiteral("the first line is not the one selected");
                QStringList lines;
                for (int i = 0; i < form->ListBox1->count(); ++i)
                    lines.append(form->ListBox1->item(i)->text());
                if (lines
                    != QStringList{QStringLiteral("C:\\...\\SZEMAD.TXT          szöveg"),
                        QStringLiteral("AKT_DIAG.BMP               graphic"),
                        QStringLiteral("AKT_DI2.BMP                graphic"),
                        QStringLiteral("C:\\...\\NOTESZ.TXT          szöveg"),
                        QStringLiteral("C:\\...\\VELEM.TXT           szöveg")})
                    return QStringLiteral("the list shows ") + lines.join(QStringLiteral(" / "));
                for (QPushButton *b : {form->Button1, form->Button2, form->Button4, form->Button5, form->Button6})
                    if (b->isEnabled())
                        return b->text() + QStringLiteral(" is enabled");
                return QString();
            })
        .click(QStringLiteral("Frissítés"));
    user.expect(QStringLiteral("Ez aaaz..."))
        .expectText(QStringLiteral("Ugyanezzel a néhány egérkattintással"))
        .expectText(QStringLiteral("frissítheti fel Word dokumrntumában"))
        .expectText(QStringLiteral("a csatolt fájlokat."))
        .expectText(QStringLiteral("Zárja be ezt az ablakot és indulhat a WORD."))
        .click(QStringLiteral("rendben"));
    QVERIFY2(user.run([&] {
        QCOMPARE(ScriptedUser::chooseFromMenuBar(
                     main->menuBar(), {QStringLiteral("Fájlműveletek"), QStringLiteral("Nyomtatás WinWord-del")}),
            QString());
    }),
        user.why());

    QCOMPARE(program.desktop.documents, QStringList{program.installation.path(FixedPaths::WordTemplate)});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("c:\\_halden\\motra\\doc\\FÖ-3.doc"));
    // The personal data reached the word processor's copy too.
    QVERIFY(program.installation.readBytes(WordCopy::PersonalSummary)
                .startsWith("\xEF\xBB\xBF" + QStringLiteral("név: (FÖ-3) Fekete Örs,  12 éves férfi\r\n").toUtf8()));
}

QTEST_MAIN(TestWordReportStory)
#include "tst_wordreportstory.moc"
