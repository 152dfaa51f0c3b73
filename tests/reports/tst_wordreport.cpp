#include "../app/AppFixture.h"
#include "../app/AppTestSeam.h"
#include "TestInstallation.h"
#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/WordCopy.h"
#include "reports/OpinionFile.h"
#include "reports/TCsatDiagForm.h"
#include "reports/TEzAzForm.h"
#include "reports/TWordCsatForm.h"

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QtTest>

#include <functional>

// The word-report windows one by one; their fixed texts and list lines are shown by the
// story of the word report, through the real dialogs.
class TestWordReport : public QObject
{
    Q_OBJECT
private slots:
    void documentNameOnClipboard_data();
    void documentNameOnClipboard();
    void instructionsAtEachShowing_data();
    void instructionsAtEachShowing();
    void menuBarMockAndClosingNote();
    void everyMockMemoEditWritesCsat();
    void toolPictureOpensAndMegseCloses();
    void opinionCopyNeverAheadOfFixedFile();
};

// The word-report windows of a demo installation, wired as the program wires them.
struct WordWindows
{
    CaseRecord record;
    TWordCsatForm word{record};
    TCsatDiagForm csat;
    TEzAzForm note;
    WordWindows()
    {
        word.setLinkDialog(&csat);
        csat.setClosingNote(&note);
    }
};

void TestWordReport::documentNameOnClipboard_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString() << QStringLiteral("c:\\_halden\\motra\\doc\\.doc");
    QTest::newRow("accents") << QStringLiteral("ŐRÜLT Ű") << QStringLiteral("c:\\_halden\\motra\\doc\\ŐRÜLT Ű.doc");
    QTest::newRow("not in file names") << QStringLiteral("A/B\\C:D*E?F\"G<H>I|J\tK")
                                       << QStringLiteral("c:\\_halden\\motra\\doc\\A_B_C_D_E_F_G_H_I_J_K.doc");
    QTest::newRow("climbing") << QStringLiteral("..\\..\\x") << QStringLiteral("c:\\_halden\\motra\\doc\\______x.doc");
}

void TestWordReport::documentNameOnClipboard()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    TestInstallation inst;
    inst.remove(FixedPaths::WordTemplate); // no business of the window: the desktop is asked
    AppTestSeam seam;
    WordWindows w;
    seam.onDialog = [](QDialog *d) {
        QTest::mouseClick(static_cast<TWordCsatForm *>(d)->BitBtn1, Qt::LeftButton);
        QVERIFY(!d->isVisible());
    };
    w.record.Personal.ChildCode = QStringLiteral("első");
    QCOMPARE(seam.execDialog(&w.word), int(QDialog::Accepted));
    w.record.Personal.ChildCode = code;
    QCOMPARE(seam.execDialog(&w.word), int(QDialog::Accepted)); // reopened: the template again
    QCOMPARE(QGuiApplication::clipboard()->text(), name);
    const QString templ = inst.path(FixedPaths::WordTemplate);
    QCOMPARE(seam.documents, (QStringList{templ, templ}));
    QVERIFY(seam.messages.isEmpty());
}

void TestWordReport::instructionsAtEachShowing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("linkDialog");
    QTest::addColumn<bool>("missing");
    QTest::newRow("h_word1.txt") << FixedPaths::HelpWord1 << false << false;
    QTest::newRow("h_csat.txt") << FixedPaths::HelpCsat << true << false;
    QTest::newRow("h_word1.txt missing") << FixedPaths::HelpWord1 << false << true;
    QTest::newRow("h_csat.txt missing") << FixedPaths::HelpCsat << true << true;
}

void TestWordReport::instructionsAtEachShowing()
{
    QFETCH(QString, file);
    QFETCH(bool, linkDialog);
    QFETCH(bool, missing);
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    QDialog *dialog = linkDialog ? static_cast<QDialog *>(&w.csat) : &w.word;
    QPlainTextEdit *memo = linkDialog ? w.csat.Memo1 : w.word.Memo1;
    QVERIFY(memo->toPlainText().isEmpty()); // nothing is read at creation
    seam.onDialog = [](QDialog *) {};
    seam.execDialog(dialog);
    // Edits of the memo are not kept: the next showing reads the file again, or reports it
    // missing before the window shows with an empty memo.
    memo->setPlainText(QStringLiteral("átírva"));
    missing ? inst.remove(file) : inst.writeBytes(file, "els\xf5 sor\r\nm\xe1sodik\r\n");
    bool shownAfterError = false;
    seam.onDialog = [&](QDialog *d) { shownAfterError = d->isVisible() && seam.messages.size() == 1; };
    seam.execDialog(dialog);
    QCOMPARE(memo->toPlainText(), missing ? QString() : QStringLiteral("első sor\nmásodik"));
    QCOMPARE(seam.messages.size(), missing ? 1 : 0);
    QCOMPARE(shownAfterError, missing);
    if (missing)
        QVERIFY2(seam.messages.first().contains(inst.path(file)), qPrintable(seam.messages.first()));
}

void TestWordReport::menuBarMockAndClosingNote()
{
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    // The imitation menu bar: titles, then each item ("+" live, "-" greyed).
    QString bar;
    for (QAction *title : w.word.MainMenu1->actions()) {
        bar += title->text() + u':';
        for (QAction *item : title->menu()->actions())
            bar += (item->isEnabled() ? u'+' : u'-') + item->text() + u' ';
        bar += u'|';
    }
    QCOMPARE(bar,
        QStringLiteral("&Fájl:|S&zerkesztés:-... -... -... +&Csatolások . . . -... |&Nézet:|&Beszúrás:|Formá&tum:|"));
    QVERIFY(w.word.Edit1->isHidden());
    QListWidget *list = w.csat.ListBox1;
    QVERIFY(QFontInfo(list->font()).fixedPitch());
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!w.note.Image1->pixmap().isNull());

    // Shown twice, all lines selected and refreshed at each showing: the first line alone is
    // selected again. The note's "rendben" closes the note and the mock, its close box only
    // the note (the mock is then closed by its own close box).
    seam.onDialog = [&](QDialog *d) {
        if (d == &w.csat) {
            QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(0)});
            list->selectAll();
            w.csat.Button3->click();
        } else if (seam.dialogs.size() == 2) {
            w.note.BitBtn1->click();
        }
    };
    QCOMPARE(seam.execDialog(&w.csat), int(QDialog::Accepted));
    QCOMPARE(seam.execDialog(&w.csat), int(QDialog::Rejected));
    QCOMPARE(seam.dialogs.join(u' '), QStringLiteral("TCsatDiagForm TEzAzForm TCsatDiagForm TEzAzForm"));
    // Refreshing stays the only live button of the mock after it was used.
    for (QPushButton *b :
        {w.csat.Button1, w.csat.Button2, w.csat.Button3, w.csat.Button4, w.csat.Button5, w.csat.Button6})
        QCOMPARE(b->isEnabled(), b == w.csat.Button3);
}

void TestWordReport::everyMockMemoEditWritesCsat()
{
    TestInstallation inst;
    inst.remove(FixedPaths::CsatText);
    AppTestSeam seam;
    WordWindows w;
    QPlainTextEdit *memo = w.csat.Memo1;
    QGuiApplication::clipboard()->setText(QStringLiteral("ű"));
    const QList<std::function<void()>> edits = {
        [&] { QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, QStringLiteral("ő"), Qt::NoModifier); },
        [&] { QTest::keyClick(memo, Qt::Key_Return); }, [&] { QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier); },
        [&] { QTest::keyClick(memo, Qt::Key_Backspace); },
        [&] { QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier); }};
    seam.onDialog = [&](QDialog *) {
        // Loading the instructions is no edit: the user's notes are not replaced by them.
        QVERIFY(!QFile::exists(inst.path(FixedPaths::CsatText)));
        memo->moveCursor(QTextCursor::End);
        for (const auto &edit : edits) {
            const QString before = memo->toPlainText();
            edit();
            QVERIFY(memo->toPlainText() != before);
            QStringEncoder encoder("windows-1250");
            const QString lines = memo->toPlainText().replace(u'\n', QStringLiteral("\r\n")) + QStringLiteral("\r\n");
            QCOMPARE(inst.readBytes(FixedPaths::CsatText), QByteArray(encoder(lines)));
        }
        memo->selectAll();
        QTest::keyClick(memo, Qt::Key_Delete);
        QCOMPARE(inst.readBytes(FixedPaths::CsatText), QByteArray()); // an empty memo: an empty file
    };
    seam.execDialog(&w.csat);
    QVERIFY(inst.readBytes(FixedPaths::HelpCsat).startsWith("A csatol\xe1sok friss\xedt\xe9se")); // never edited

    // A folder that cannot be written says so once per showing, not at every keystroke.
    QFile::remove(inst.path(FixedPaths::CsatText));
    QDir().mkdir(inst.path(FixedPaths::CsatText));
    seam.onDialog = [&](QDialog *) { QTest::keyClicks(memo, QStringLiteral("abc")); };
    seam.execDialog(&w.csat);
    QCOMPARE(seam.messages.size(), 1);
    seam.execDialog(&w.csat);
    QCOMPARE(seam.messages.size(), 2);
}

void TestWordReport::toolPictureOpensAndMegseCloses()
{
    // The story comes in through the menu command; the tool row's picture opens the window too.
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    main->MarkPartDone(ExamPart::Parent);
    seam.onDialog = [](QDialog *d) {
        static_cast<TWordCsatForm *>(d)->BitBtn2->click();
        QVERIFY(!d->isVisible());
    };
    QTest::mouseClick(main->Image6, Qt::LeftButton);
    QCOMPARE(seam.dialogs, QStringList{QStringLiteral("TWordCsatForm")});
    QVERIFY(seam.documents.isEmpty()); // "mégse" hands nothing over
}

void TestWordReport::opinionCopyNeverAheadOfFixedFile()
{
    TestInstallation inst(true);
    CaseRecord record;
    record.Opinion = QStringList{QStringLiteral("Első ő, ű."), QString()};
    // The copy is saved as every replaced file: an interrupted save's leftover goes with it.
    const QString leftover = inst.path(WordCopy::OpinionText) + QStringLiteral(".XyZ1ab");
    QVERIFY(QFile(leftover).open(QIODevice::WriteOnly));
    writeOpinionFile(record);
    QVERIFY(!QFileInfo::exists(leftover));
    const QByteArray copy = inst.readBytes(WordCopy::OpinionText);
    QCOMPARE(copy, QByteArray("\xef\xbb\xbf") + QStringLiteral("Első ő, ű.\r\n\r\n").toUtf8());
    // Text the fixed file cannot hold stops both: the copy never shows what the file lacks.
    record.Opinion = QStringList{QStringLiteral("kész ✓")};
    QVERIFY_THROWS_EXCEPTION(MotraError, writeOpinionFile(record));
    QCOMPARE(inst.readBytes(WordCopy::OpinionText), copy);
}

QTEST_MAIN(TestWordReport)
#include "tst_wordreport.moc"
