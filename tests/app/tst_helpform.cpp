#include "RecordingSeam.h"
#include "TestInstallation.h"
#include "app/THelpForm.h"
#include "case/FixedPaths.h"
#include "case/TextFile.h"
#include "reports/MemoLines.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>

namespace {
const QString HelpPath = QStringLiteral("c:\\_halden\\motra\\help\\stat.hlp");
const QString NotesPath = QStringLiteral("c:\\_halden\\motra\\jegyzet\\stat.hlp");
} // namespace

class TestHelpForm : public QObject
{
    Q_OBJECT
private slots:
    void noEditsWriteNothing();
    void notesTypedWithPlaceholderAreSaved();
    void missingHelpFileIsCreatedFromTypedText();
    void editedHelpReplacesFile();
    void unwritableNotesKeepWindowOpen();
    void emptyNotesPathUsesTopicOfHelpFile();
    void reactivationReloadsFromDisk();
};

void TestHelpForm::noEditsWriteNothing()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    inst.writeBytes(HelpPath, "S\xfag\xf3 els\xf5 sor\r\nm\xe1sodik\r\n");
    THelpForm form;
    form.HelpFilePath = HelpPath;
    form.NotesFilePath = NotesPath;
    form.FormActivate();
    QCOMPARE(memoLines(form.Memo1), QStringList({QStringLiteral("Súgó első sor"), QStringLiteral("második")}));
    QCOMPARE(memoLines(form.Memo2), QStringList{THelpForm::NotesPlaceholder});
    QVERIFY(!form.HelpChanged);
    QVERIFY(!form.NotesChanged);
    QVERIFY(form.FormClose());
    QVERIFY(!QFileInfo::exists(inst.path(NotesPath)));
    QCOMPARE(inst.readBytes(HelpPath), QByteArray("S\xfag\xf3 els\xf5 sor\r\nm\xe1sodik\r\n"));
    QVERIFY(seam.messages.isEmpty());
}

void TestHelpForm::notesTypedWithPlaceholderAreSaved()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    THelpForm form;
    form.HelpFilePath = HelpPath;
    form.NotesFilePath = NotesPath;
    form.FormActivate();
    form.Memo2->moveCursor(QTextCursor::End);
    form.Memo2->insertPlainText(QStringLiteral("\nsaját megjegyzés"));
    QVERIFY(form.NotesChanged);
    QVERIFY(!form.HelpChanged);
    QVERIFY(form.FormClose());
    QCOMPARE(TextFile::readLines(inst.path(NotesPath)),
        QStringList({THelpForm::NotesPlaceholder, QStringLiteral("saját megjegyzés")}));
    // the help file was not touched (it did not exist and was not edited)
    QVERIFY(!QFileInfo::exists(inst.path(HelpPath)));

    form.FormActivate();
    QCOMPARE(memoLines(form.Memo2), QStringList({THelpForm::NotesPlaceholder, QStringLiteral("saját megjegyzés")}));
}

void TestHelpForm::missingHelpFileIsCreatedFromTypedText()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    THelpForm form;
    form.HelpFilePath = HelpPath;
    form.NotesFilePath = NotesPath;
    form.FormActivate();
    QVERIFY(form.Memo1->toPlainText().isEmpty());
    form.Memo1->insertPlainText(QStringLiteral("új súgó"));
    QVERIFY(form.FormClose());
    QCOMPARE(inst.readBytes(HelpPath), QByteArray("\xfaj s\xfag\xf3\r\n"));
    QVERIFY(!QFileInfo::exists(inst.path(NotesPath)));
}

void TestHelpForm::editedHelpReplacesFile()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    inst.writeBytes(HelpPath, "regi\r\nszoveg\r\n");
    THelpForm form;
    form.HelpFilePath = HelpPath;
    form.NotesFilePath = NotesPath;
    form.FormActivate();
    form.Memo1->setPlainText(QStringLiteral("javított"));
    QVERIFY(form.FormClose());
    form.FormActivate();
    QCOMPARE(memoLines(form.Memo1), QStringList{QStringLiteral("javított")});
}

void TestHelpForm::unwritableNotesKeepWindowOpen()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    const QString badNotes = QStringLiteral("c:\\_halden\\motra\\nincsilyen\\stat.hlp");
    THelpForm form;
    form.HelpFilePath = HelpPath;
    form.NotesFilePath = badNotes;
    form.show();
    QCoreApplication::processEvents();
    form.FormActivate();
    form.Memo2->setPlainText(QStringLiteral("fontos gondolat"));
    form.close();
    QVERIFY(form.isVisible());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(inst.path(badNotes)));
    QCOMPARE(form.Memo2->toPlainText(), QStringLiteral("fontos gondolat"));
    QVERIFY(form.NotesChanged);

    // Coming back from the message does not reload over the text.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    QCOMPARE(form.Memo2->toPlainText(), QStringLiteral("fontos gondolat"));

    // Once the path is good the text is saved and the window closes.
    form.NotesFilePath = NotesPath;
    form.close();
    QVERIFY(!form.isVisible());
    QCOMPARE(TextFile::readLines(inst.path(NotesPath)), QStringList{QStringLiteral("fontos gondolat")});
}

void TestHelpForm::emptyNotesPathUsesTopicOfHelpFile()
{
    // The opinion help names no notes file: its notes go to jegyzet\velem.txt, never to
    // the notes of the topic opened before.
    TestInstallation inst(true);
    RecordingSeam seam;
    THelpForm form;
    ShowHelp(QStringLiteral("súgó a statisztikához"), HelpPath, NotesPath, true);
    QCOMPARE(form.NotesFilePath, NotesPath);
    ShowHelp(QStringLiteral("Súgó: MOTRA vélemény megírása"), FixedPaths::helpFile(QStringLiteral("velem.txt")),
        QString(), true);
    QCOMPARE(form.windowTitle(), QStringLiteral("Súgó: MOTRA vélemény megírása"));
    QCOMPARE(form.HelpFilePath, QStringLiteral("c:\\_halden\\motra\\help\\velem.txt"));
    QCOMPARE(form.NotesFilePath, QStringLiteral("c:\\_halden\\motra\\jegyzet\\velem.txt"));
    QCOMPARE(seam.dialogs.size(), 2);
}

void TestHelpForm::reactivationReloadsFromDisk()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    inst.writeBytes(NotesPath, "a lemezen\r\n");
    THelpForm form;
    form.HelpFilePath = HelpPath;
    form.NotesFilePath = NotesPath;
    form.FormActivate();
    form.Memo2->setPlainText(QStringLiteral("el nem mentett"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    QCOMPARE(memoLines(form.Memo2), QStringList{QStringLiteral("a lemezen")});
    QVERIFY(!form.NotesChanged);
}

QTEST_MAIN(TestHelpForm)
#include "tst_helpform.moc"
