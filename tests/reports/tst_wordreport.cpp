#include "../app/AppFixture.h"
#include "../app/AppTestSeam.h"
#include "TestInstallation.h"
#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/ListFiles.h"
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
#include <QtTest>

class TestWordReport : public QObject
{
    Q_OBJECT
private slots:
    void documentNameOnClipboard_data();
    void documentNameOnClipboard();
    void startingTwiceOpensTemplateTwice();
    void instructionsOnActivation();
    void missingInstructionsGiveEmptyMemo_data();
    void missingInstructionsGiveEmptyMemo();
    void onlyLinkCommandIsLive();
    void mockShowsFixedLinesAndOneButton();
    void mockMemoEditsWriteCsat();
    void closingNoteClosesBoth();
    void mainWindowCommandsOpenWordReport();
    void exchangeTextsKeepUtf8Copies();
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
    QTest::newRow("plain") << QStringLiteral("AB12") << QStringLiteral("c:\\_halden\\motra\\doc\\AB12.doc");
    QTest::newRow("accents") << QStringLiteral("ŐRÜLT Ű") << QStringLiteral("c:\\_halden\\motra\\doc\\ŐRÜLT Ű.doc");
    QTest::newRow("separators") << QStringLiteral("A/B\\C:D") << QStringLiteral("c:\\_halden\\motra\\doc\\A_B_C_D.doc");
    QTest::newRow("wildcards") << QStringLiteral("a*b?c\"d<e>f|g")
                               << QStringLiteral("c:\\_halden\\motra\\doc\\a_b_c_d_e_f_g.doc");
    QTest::newRow("climbing") << QStringLiteral("..\\..\\x") << QStringLiteral("c:\\_halden\\motra\\doc\\______x.doc");
    QTest::newRow("control") << QStringLiteral("A\tB") << QStringLiteral("c:\\_halden\\motra\\doc\\A_B.doc");
}

void TestWordReport::documentNameOnClipboard()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    w.record.Personal.ChildCode = code;
    QGuiApplication::clipboard()->setText(QStringLiteral("régi"));
    seam.onDialog = [](QDialog *d) { QTest::mouseClick(static_cast<TWordCsatForm *>(d)->BitBtn1, Qt::LeftButton); };
    QCOMPARE(seam.execDialog(&w.word), int(QDialog::Accepted));
    QCOMPARE(QGuiApplication::clipboard()->text(), name);
    QVERIFY(!w.word.isVisible());
    QCOMPARE(seam.documents, QStringList{inst.path(FixedPaths::WordTemplate)});
    QVERIFY(seam.messages.isEmpty());
}

void TestWordReport::startingTwiceOpensTemplateTwice()
{
    // A missing template is no business of the window: the desktop is asked, the window closes.
    TestInstallation inst(true);
    AppTestSeam seam;
    WordWindows w;
    w.record.Personal.ChildCode = QStringLiteral("K1");
    seam.onDialog = [](QDialog *d) {
        if (auto *word = qobject_cast<TWordCsatForm *>(d))
            word->BitBtn1->click();
    };
    seam.execDialog(&w.word);
    w.record.Personal.ChildCode = QStringLiteral("K2");
    seam.execDialog(&w.word);
    const QString templ = inst.path(FixedPaths::WordTemplate);
    QCOMPARE(seam.documents, (QStringList{templ, templ}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("c:\\_halden\\motra\\doc\\K2.doc"));
    // "mégse" closes without handing anything over.
    seam.onDialog = [](QDialog *d) { static_cast<TWordCsatForm *>(d)->BitBtn2->click(); };
    QCOMPARE(seam.execDialog(&w.word), int(QDialog::Rejected));
    QCOMPARE(seam.documents.size(), 2);
}

void TestWordReport::instructionsOnActivation()
{
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    // Nothing is read at creation.
    QVERIFY(w.word.Memo1->toPlainText().isEmpty());
    QVERIFY(w.csat.Memo1->toPlainText().isEmpty());
    seam.onDialog = [](QDialog *) {};
    seam.execDialog(&w.word);
    QVERIFY(w.word.Memo1->toPlainText().contains(QStringLiteral("Szerkesztés > Külső hivatkozások...")));
    seam.execDialog(&w.csat);
    QVERIFY(w.csat.Memo1->toPlainText().contains(QStringLiteral("„Hivatkozások szerkesztése”")));
    // Edits of the window's memo are not kept: the next showing loads the file again.
    w.word.Memo1->setPlainText(QStringLiteral("átírva"));
    inst.writeBytes(FixedPaths::HelpWord1, "els\xf5 sor\r\nm\xe1sodik\r\n");
    seam.execDialog(&w.word);
    QCOMPARE(w.word.Memo1->toPlainText(), QStringLiteral("első sor\nmásodik"));
    QVERIFY(seam.messages.isEmpty());
}

void TestWordReport::missingInstructionsGiveEmptyMemo_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("linkDialog");
    QTest::newRow("h_word1.txt") << FixedPaths::HelpWord1 << false;
    QTest::newRow("h_csat.txt") << FixedPaths::HelpCsat << true;
}

void TestWordReport::missingInstructionsGiveEmptyMemo()
{
    QFETCH(QString, file);
    QFETCH(bool, linkDialog);
    TestInstallation inst;
    inst.remove(file);
    AppTestSeam seam;
    WordWindows w;
    QDialog *dialog = linkDialog ? static_cast<QDialog *>(&w.csat) : &w.word;
    QPlainTextEdit *memo = linkDialog ? w.csat.Memo1 : w.word.Memo1;
    memo->setPlainText(QStringLiteral("régi szöveg"));
    bool shownAfterError = false;
    seam.onDialog = [&](QDialog *d) { shownAfterError = d->isVisible() && seam.messages.size() == 1; };
    seam.execDialog(dialog);
    QVERIFY(shownAfterError);
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY2(seam.messages.first().contains(inst.path(file)), qPrintable(seam.messages.first()));
    QVERIFY(memo->toPlainText().isEmpty());
}

void TestWordReport::onlyLinkCommandIsLive()
{
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    QStringList titles;
    for (QAction *action : w.word.MainMenu1->actions())
        titles.append(action->text());
    QCOMPARE(titles,
        (QStringList{QStringLiteral("&Fájl"), QStringLiteral("S&zerkesztés"), QStringLiteral("&Nézet"),
            QStringLiteral("&Beszúrás"), QStringLiteral("Formá&tum")}));
    QStringList edit;
    for (QAction *action : w.word.Szerkeszts1->actions()) {
        edit.append(action->text());
        QCOMPARE(action->isEnabled(), action == w.word.Csatolsok1);
    }
    QCOMPARE(edit,
        (QStringList{QStringLiteral("..."), QStringLiteral("..."), QStringLiteral("..."),
            QStringLiteral("&Csatolások . . ."), QStringLiteral("...")}));
    for (QMenu *menu : {w.word.Fjl1, w.word.Nzet1, w.word.Beszrs1, w.word.Formtum1})
        QVERIFY(menu->actions().isEmpty());
    QVERIFY(w.word.Edit1->isHidden());
    QCOMPARE(w.word.windowTitle(), QStringLiteral("MOTRA jkv. szerkesztése WINWORD-del"));
    QCOMPARE(w.word.Label1->text(), QStringLiteral("Teendők a WORD-del"));

    seam.onDialog = [&](QDialog *d) {
        if (d == &w.word)
            w.word.Csatolsok1->trigger();
    };
    seam.execDialog(&w.word);
    QCOMPARE(seam.dialogs, (QStringList{QStringLiteral("TWordCsatForm"), QStringLiteral("TCsatDiagForm")}));
    QVERIFY(seam.documents.isEmpty());
}

void TestWordReport::mockShowsFixedLinesAndOneButton()
{
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    TCsatDiagForm &c = w.csat;
    QCOMPARE(c.windowTitle(), QStringLiteral("Csatolások"));
    QCOMPARE(c.Label1->text(), QStringLiteral("Forrásfájl"));
    QCOMPARE(c.Label2->text(), QStringLiteral("Típus"));
    QStringList lines;
    for (int i = 0; i < c.ListBox1->count(); ++i)
        lines.append(c.ListBox1->item(i)->text());
    QCOMPARE(lines,
        (QStringList{QStringLiteral("C:\\...\\SZEMAD.TXT          szöveg"),
            QStringLiteral("AKT_DIAG.BMP               graphic"), QStringLiteral("AKT_DI2.BMP                graphic"),
            QStringLiteral("C:\\...\\NOTESZ.TXT          szöveg"),
            QStringLiteral("C:\\...\\VELEM.TXT           szöveg")}));
    QVERIFY(QFontInfo(c.ListBox1->font()).fixedPitch());
    QCOMPARE(c.ListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);

    const QList<QPushButton *> idle = {c.Button1, c.Button2, c.Button4, c.Button5, c.Button6};
    auto onlyRefreshEnabled = [&] {
        for (QPushButton *b : idle)
            if (b->isEnabled())
                return false;
        return c.Button3->isEnabled() && c.Button3->text() == QStringLiteral("F&rissítés");
    };
    QVERIFY(onlyRefreshEnabled());
    int shown = 0;
    seam.onDialog = [&](QDialog *d) {
        if (d != &c)
            return; // the closing note: its close box
        ++shown;
        QCOMPARE(c.ListBox1->currentRow(), 0);
        QCOMPARE(c.ListBox1->selectedItems(), QList<QListWidgetItem *>{c.ListBox1->item(0)});
        QVERIFY(onlyRefreshEnabled());
        c.ListBox1->selectAll();
        c.Button3->click();
        QVERIFY(onlyRefreshEnabled());
        for (QPushButton *b : idle)
            QTest::mouseClick(b, Qt::LeftButton);
    };
    seam.execDialog(&c);
    seam.execDialog(&c); // the first line is selected again, nothing else
    QCOMPARE(shown, 2);
    QVERIFY(onlyRefreshEnabled());
    QCOMPARE(seam.dialogs.count(QStringLiteral("TEzAzForm")), 2);
}

void TestWordReport::mockMemoEditsWriteCsat()
{
    TestInstallation inst;
    inst.remove(FixedPaths::CsatText);
    AppTestSeam seam;
    WordWindows w;
    QPlainTextEdit *memo = w.csat.Memo1;
    seam.onDialog = [&](QDialog *) {
        QVERIFY(!QFile::exists(inst.path(FixedPaths::CsatText))); // loading is no edit
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(QStringLiteral("ő"));
        QVERIFY(inst.readBytes(FixedPaths::CsatText).endsWith("\xf5\r\n"));
        QTest::keyClick(memo, Qt::Key_Return);
        memo->insertPlainText(QStringLiteral("ű"));
        QVERIFY(inst.readBytes(FixedPaths::CsatText).endsWith("\xf5\r\n\xfb\r\n"));
        memo->clear();
        QCOMPARE(inst.readBytes(FixedPaths::CsatText), QByteArray());
    };
    seam.execDialog(&w.csat);
    // The instructions themselves are never changed.
    QVERIFY(inst.readBytes(FixedPaths::HelpCsat).startsWith("A csatol\xe1sok friss\xedt\xe9se"));

    // A folder that cannot be written says so once per showing, not at every keystroke.
    QFile::remove(inst.path(FixedPaths::CsatText));
    QDir().mkdir(inst.path(FixedPaths::CsatText));
    seam.onDialog = [&](QDialog *) { QTest::keyClicks(memo, QStringLiteral("abc")); };
    seam.execDialog(&w.csat);
    QCOMPARE(seam.messages.size(), 1);
    seam.execDialog(&w.csat);
    QCOMPARE(seam.messages.size(), 2);
}

void TestWordReport::closingNoteClosesBoth()
{
    TestInstallation inst;
    AppTestSeam seam;
    WordWindows w;
    QCOMPARE(w.note.windowTitle(), QStringLiteral("Ez aaaz..."));
    QCOMPARE((QStringList{w.note.Label1->text(), w.note.Label2->text(), w.note.Label3->text(), w.note.Label4->text()}),
        (QStringList{QStringLiteral("Ugyanezzel a néhány egérkattintással"),
            QStringLiteral("frissítheti fel Word dokumrntumában"), QStringLiteral("a csatolt fájlokat."),
            QStringLiteral("Zárja be ezt az ablakot és indulhat a WORD.")}));
    QVERIFY(!w.note.Image1->pixmap().isNull());

    bool rendben = true;
    bool wordOpenAfter = false;
    seam.onDialog = [&](QDialog *d) {
        if (d == &w.word) {
            w.word.Csatolsok1->trigger();
            wordOpenAfter = w.word.isVisible();
        } else if (d == &w.csat) {
            w.csat.Button3->click();
        } else if (d == &w.note && rendben) {
            w.note.BitBtn1->click();
        }
    };
    seam.execDialog(&w.word);
    QVERIFY(wordOpenAfter);
    QVERIFY(!w.csat.isVisible());
    QCOMPARE(w.csat.result(), int(QDialog::Accepted));
    // The note's close box closes only the note: the mock is then closed by its own close box.
    rendben = false;
    seam.execDialog(&w.csat);
    QCOMPARE(w.csat.result(), int(QDialog::Rejected));
    QCOMPARE(seam.dialogs,
        (QStringList{QStringLiteral("TWordCsatForm"), QStringLiteral("TCsatDiagForm"), QStringLiteral("TEzAzForm"),
            QStringLiteral("TCsatDiagForm"), QStringLiteral("TEzAzForm")}));
}

void TestWordReport::mainWindowCommandsOpenWordReport()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QCOMPARE(main->windows().wordReport, app.window(QStringLiteral("TWordCsatForm")));
    QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    seam.messages.clear();
    main->WordItem->trigger();
    main->MarkPartDone(ExamPart::Parent);
    QTest::mouseClick(main->Image6, Qt::LeftButton);
    QCOMPARE(seam.dialogs, (QStringList{QStringLiteral("TWordCsatForm"), QStringLiteral("TWordCsatForm")}));
    // The bare installation has no instructions: reported at each showing, nothing else.
    QCOMPARE(seam.messages.size(), 2);
    QVERIFY(seam.documents.isEmpty());
}

void TestWordReport::exchangeTextsKeepUtf8Copies()
{
    TestInstallation inst(true);
    PersonalData personal;
    personal.ChildCode = QStringLiteral("KÓD");
    personal.ChildName = QStringLiteral("Őri Űrsula");
    personal.IsBoy = false;
    personal.Age = 9;
    personal.ExamDate = QStringLiteral("2024.05.06");
    personal.Examiner = QStringLiteral("dr. Kovács Éva");
    ListFiles::writePersonalSummary(personal);
    const QByteArray fixed = "n\xe9v: (K\xd3"
                             "D) \xd5ri \xdbrsula,  9 \xe9ves n\xf5\r\n"
                             "a vizsg. id\xf5pontja: 2024.05.06\r\na vizsg\xe1latot v\xe9gezte: dr. Kov\xe1"
                             "cs \xc9va\r\n";
    QCOMPARE(inst.readBytes(FixedPaths::PersonalSummary), fixed);
    QCOMPARE(inst.readBytes(WordCopy::PersonalSummary),
        QByteArray("\xef\xbb\xbf")
            + QStringLiteral("név: (KÓD) Őri Űrsula,  9 éves nő\r\na vizsg. időpontja: 2024.05.06\r\n"
                             "a vizsgálatot végezte: dr. Kovács Éva\r\n")
                  .toUtf8());

    CaseRecord record;
    record.Opinion = QStringList{QStringLiteral("Első ő, ű."), QString()};
    // The copy is saved as every replaced file: an interrupted save's leftover goes with it.
    const QString leftover = inst.path(WordCopy::OpinionText) + QStringLiteral(".XyZ1ab");
    QVERIFY(QFile(leftover).open(QIODevice::WriteOnly));
    writeOpinionFile(record);
    QVERIFY(!QFileInfo::exists(leftover));
    QCOMPARE(inst.readBytes(FixedPaths::OpinionText), QByteArray("Els\xf5 \xf5, \xfb.\r\n\r\n"));
    QCOMPARE(
        inst.readBytes(WordCopy::OpinionText), QByteArray("\xef\xbb\xbf") + "Els\xc5\x91 \xc5\x91, \xc5\xb1.\r\n\r\n");
    // Text the fixed file cannot hold stops both: the copy never shows what the file lacks.
    record.Opinion = QStringList{QStringLiteral("kész ✓")};
    QVERIFY_THROWS_EXCEPTION(MotraError, writeOpinionFile(record));
    QCOMPARE(
        inst.readBytes(WordCopy::OpinionText), QByteArray("\xef\xbb\xbf") + "Els\xc5\x91 \xc5\x91, \xc5\xb1.\r\n\r\n");
}

QTEST_MAIN(TestWordReport)
#include "tst_wordreport.moc"
