#include "AppFixture.h"
#include "AppTestSeam.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "app/TSzemAdForm.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/HostPath.h"
#include "case/TextFile.h"
#include "stats/StatisticsFiles.h"
#include "stats/TStatTMKForm.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startsLockedWithEveryWindow();
    void showFirstBuildsWindowsAfterThePaint_data();
    void showFirstBuildsWindowsAfterThePaint();
    void wrongKeystrokesStayLocked();
    void exactPasswordUnlocks();
    void damagedPasswordFileKeepsLocked();
    void commandLinePassword_data();
    void commandLinePassword();
    void kalStartUnlocksAndReportsUnreadableFile();
    void oneArgumentIsReadAtUnlock();
    void closeAsksBothQuestionsBeforeUnlocking();
    void closeNoKeepsRunning();
    void closeWithFailedSaveDoesNotQuit();
    void guideStepsAndBlinking();
    void guideTextIsSaved();
    void htmlPopupItems();
    void htmlPopupWritesReport();
    void htmlCombinationWritesPair();
    void htmlWriteFailureIsReported();
    void bookletsOpenThroughShell();
    void statMaintenanceFromMenu();
};

void TestMainWindow::startsLockedWithEveryWindow()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QVERIFY(main->isLocked());
    QVERIFY(main->passwordKnown());
    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA"));
    QVERIFY(!main->Panel2->isHidden());
    QVERIFY(main->Panel1->isHidden());
    QCOMPARE(main->Label6->text(), QStringLiteral("jelszó:"));
    QCOMPARE(main->Edit2->echoMode(), QLineEdit::Password);
    for (QMenu *menu : {main->FileMenu, main->ExamMenu, main->StatMenu, main->SettingsMenu, main->HelpMenu})
        QVERIFY(!menu->menuAction()->isEnabled());
    QVERIFY(seam.messages.isEmpty());

    // The main window first, then the dialogs in the program's order; the scale picker is
    // made together with the chart windows, which need it from their creation on.
    const QStringList order = {QStringLiteral("TMainForm"), QStringLiteral("TAboutForm"), QStringLiteral("TOnertForm"),
        QStringLiteral("TSzemAdForm"), QStringLiteral("TSzuloForm"), QStringLiteral("TTanarForm"),
        QStringLiteral("TEredmForm"), QStringLiteral("TUzenetForm"), QStringLiteral("TPwForm"),
        QStringLiteral("THelpForm"), QStringLiteral("TStatForm"), QStringLiteral("TProgHibaForm"),
        QStringLiteral("TMegnyitForm"), QStringLiteral("TKalendForm"), QStringLiteral("TVV_lista"),
        QStringLiteral("TVelemenyForm"), QStringLiteral("TSkalaForm"), QStringLiteral("TSzuDiagForm"),
        QStringLiteral("TTanDiagForm"), QStringLiteral("TOneDiagForm"), QStringLiteral("TStatTMKForm"),
        QStringLiteral("TFelulirForm"), QStringLiteral("TWordCsatForm"), QStringLiteral("TCsatDiagForm"),
        QStringLiteral("TEzAzForm"), QStringLiteral("TLastEdForm")};
    QStringList created = app.creationOrder();
    QCOMPARE(created.first(), QStringLiteral("TMainForm"));
    QCOMPARE(created.removeDuplicates(), 0);
    int last = -1;
    for (const QString &name : created) {
        const int at = order.indexOf(name);
        QVERIFY2(at > last, qPrintable(name));
        last = at;
    }
    QCOMPARE(created, order);
}

// Started as main() starts it, the costly parts of the windows wait until the locked window
// has been painted, but never past the unlock: nothing of the examination may meet a window
// that is not whole.
void TestMainWindow::showFirstBuildsWindowsAfterThePaint_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("typePassword");
    QTest::newRow("first paint") << QStringList() << false;
    QTest::newRow("password typed before the paint") << QStringList() << true;
    QTest::newRow("password on the command line") << QStringList{"_kal=123456;", "x.mtr"} << false;
}

void TestMainWindow::showFirstBuildsWindowsAfterThePaint()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, typePassword);
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app(arguments, MotraApplication::Start::ShowFirst);
    TMainForm *main = app.mainForm();
    const auto whole = [&] {
        return main->Panel1 && app.window(QStringLiteral("TKalendForm"))->findChild<QWidget *>(QStringLiteral("EvSzam"))
            && app.window(QStringLiteral("TSzuloForm"))->findChild<QWidget *>(QStringLiteral("StringGrid1"))
            && app.window(QStringLiteral("TSzuDiagForm"))->findChild<QWidget *>(QStringLiteral("Shape99"));
    };
    // Whatever happens first, the creation steps that set the examination's defaults ran.
    QCOMPARE(app.record().answers(SelfReport).valueText(10), QStringLiteral("-"));
    if (typePassword)
        QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    if (main->isLocked()) {
        QVERIFY(!whole());
        app.show();
        QTRY_VERIFY_WITH_TIMEOUT(whole(), 5000);
        QVERIFY(main->isLocked());
    } else {
        QVERIFY(whole());
        QVERIFY(!main->Panel1->isHidden());
    }
}

void TestMainWindow::wrongKeystrokesStayLocked()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QTest::keyClicks(main->Edit2, QStringLiteral("12345"));
    QVERIFY(main->isLocked());
    QTest::keyClicks(main->Edit2, QStringLiteral("78"));
    QVERIFY(main->isLocked()); // "1234578" is not the password either
    main->Edit2->clear();
    QTest::keyClicks(main->Edit2, QStringLiteral("123457"));
    QVERIFY(main->isLocked());
    QVERIFY(seam.messages.isEmpty());
    QVERIFY(main->Panel1->isHidden());
}

void TestMainWindow::exactPasswordUnlocks()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QTest::keyClicks(main->Edit2, QStringLiteral("12345"));
    QVERIFY(main->isLocked());
    QTest::keyClick(main->Edit2, Qt::Key_6);
    QVERIFY(!main->isLocked());
    QVERIFY(main->Panel2->isHidden());
    QVERIFY(!main->Panel1->isHidden());
    QVERIFY(!main->Image4->isHidden());
    QVERIFY(main->OpenItem->isEnabled());
    for (QMenu *menu : {main->FileMenu, main->ExamMenu, main->StatMenu, main->SettingsMenu, main->HelpMenu})
        QVERIFY(menu->menuAction()->isEnabled());
    QVERIFY(seam.messages.isEmpty());
    QVERIFY(seam.dialogs.isEmpty()); // no command-line examination, nothing shown
    QTest::keyClick(main->Edit2, Qt::Key_7);
    QVERIFY(!main->isLocked()); // there is no way back
}

void TestMainWindow::damagedPasswordFileKeepsLocked()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, "csak egy sor\r\n");
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QVERIFY(!main->passwordKnown());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(QStringLiteral("standard.dat")));
    QVERIFY(seam.messages.first().contains(QStringLiteral("zárva marad")));
    main->Edit2->setText(QString()); // an empty field must not match an unknown password
    QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    QVERIFY(main->isLocked());

    // Still closable.
    main->show();
    seam.answers = {true, false};
    QVERIFY(main->close());
    QCOMPARE(seam.questions.size(), 2);
}

void TestMainWindow::commandLinePassword_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("password");
    QTest::newRow("sibling start") << QStringList{"_kal=123456;", "x.mtr"} << "123456";
    QTest::newRow("last semicolon") << QStringList{"_kal=12;34;56;", "x.mtr"} << "12;34;56";
    QTest::newRow("text after the last semicolon") << QStringList{"_kal=123456;x", "x.mtr"} << "123456";
    QTest::newRow("one argument") << QStringList{"_kal=123456;"} << "";
    QTest::newRow("three arguments") << QStringList{"_kal=123456;", "a", "b"} << "";
    QTest::newRow("other prefix") << QStringList{"_kalx=123456;", "x.mtr"} << "";
    QTest::newRow("upper case prefix") << QStringList{"_KAL=123456;", "x.mtr"} << "";
    QTest::newRow("no equals") << QStringList{"_kal123456;", "x.mtr"} << "";
    QTest::newRow("no semicolon") << QStringList{"_kal=123456", "x.mtr"} << "";
    QTest::newRow("semicolon before equals") << QStringList{"_kal;=123456", "x.mtr"} << "";
}

void TestMainWindow::commandLinePassword()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    QCOMPARE(TMainForm::commandLinePassword(arguments), password);
}

void TestMainWindow::kalStartUnlocksAndReportsUnreadableFile()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("c:\\_halden\\motra\\archivum\\nincs.mtr")});
    TMainForm *main = app.mainForm();
    QVERIFY(!main->isLocked());
    QVERIFY(!main->Panel1->isHidden());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(QStringLiteral("nincs.mtr")));
    QCOMPARE(app.record().Personal.ChildName, QStringLiteral("Név Nélkül"));
}

void TestMainWindow::oneArgumentIsReadAtUnlock()
{
    TestInstallation inst;
    QVERIFY2(inst.isValid(), "the demo installation is needed (build the demo target)");
    AppTestSeam seam;
    {
        CaseRecord stored;
        stored.Personal.ChildName = QStringLiteral("Kovács Éva");
        stored.Personal.ChildCode = QStringLiteral("KE7");
        stored.Personal.IsBoy = false;
        stored.Personal.Age = 11;
        stored.copyPersonalDataToAnswerSets();
        writeCaseFileTo(stored, hostPath(QStringLiteral("c:\\_halden\\motra\\archivum\\KE7.mtr")));
    }
    MotraApplication app({QStringLiteral("c:\\_halden\\motra\\archivum\\KE7.mtr")});
    TMainForm *main = app.mainForm();
    QCOMPARE(app.record().Personal.ChildName, QStringLiteral("Név Nélkül")); // nothing read while locked
    QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    QVERIFY(!main->isLocked());
    QVERIFY2(seam.messages.isEmpty(), qPrintable(seam.messages.join(QLatin1Char('|'))));
    QCOMPARE(app.record().Personal.ChildName, QStringLiteral("Kovács Éva"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA (KE7)"));
    QCOMPARE(main->NevLabel->text(), QStringLiteral("neve: Kovács Éva"));
    QCOMPARE(main->NemLabel->text(), QStringLiteral("neme: lány"));
    QCOMPARE(main->KorLabel->text(), QStringLiteral("kora: 11 év"));
    QVERIFY(!main->Check1->isHidden());
    QVERIFY(!main->Image8->isHidden());
    // Rescored: the result rows hold numbers now, not "***".
    const AnswerSet &parent = app.record().answers(Parent);
    QVERIFY(parent.valueText(kindInfo(Parent).firstResultRow) != QStringLiteral("***"));
}

void TestMainWindow::closeAsksBothQuestionsBeforeUnlocking()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    main->show();
    seam.answers = {true, false};
    QVERIFY(main->close());
    QCOMPARE(seam.questions,
        (QStringList{QStringLiteral("MOTRA: Ki akar lépni a programból?"),
            QStringLiteral("MOTRA: El akarja menteni a változásokat?")}));
    QVERIFY(!main->isVisible());
    QVERIFY(QDir(inst.path(FixedPaths::ArchiveFolder)).isEmpty());
}

void TestMainWindow::closeNoKeepsRunning()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    TMainForm *main = app.mainForm();
    main->show();
    seam.answers = {false};
    main->ExitItem->trigger();
    QCOMPARE(seam.questions.size(), 1);
    QVERIFY(main->isVisible());
}

void TestMainWindow::closeWithFailedSaveDoesNotQuit()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    QVERIFY(QDir(inst.path(FixedPaths::ArchiveFolder)).removeRecursively());
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    main->show();
    seam.answers = {true, true};
    QVERIFY(!main->close());
    QVERIFY(main->isVisible());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(!seam.messages.first().startsWith(QStringLiteral("lemezre írva")));
}

void TestMainWindow::guideStepsAndBlinking()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    TextFile::writeLines(
        inst.path(FixedPaths::guideFile(1)), {QStringLiteral("Első lépés:"), QStringLiteral("új vizsgálat")});
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    seam.messages.clear();
    TMainForm *main = app.mainForm();
    QCOMPARE(main->guideStep(), 0);
    main->Image7Click();
    QCOMPARE(main->guideStep(), 1);
    QVERIFY(main->Timer1->isActive());
    QCOMPARE(main->Timer1->interval(), 1000);
    QCOMPARE(main->Image7->toolTip(), QStringLiteral("megállítja a MOTRA varzslót"));
    QCOMPARE(main->Memo1->toPlainText(), QStringLiteral("Első lépés:\núj vizsgálat"));
    QCOMPARE(main->FileLabel->text(), QStringLiteral("c:\\_halden\\motra\\wizard\\1.hlp"));
    QVERIFY(!main->BitBtn2->isEnabled());
    QVERIFY(main->BitBtn1->isEnabled());
    QVERIFY(!main->Button1->isEnabled());

    // Step 1 blinks the New icon.
    const bool before = main->Image3->isOpaque();
    main->Timer1Timer();
    QCOMPARE(main->Image3->isOpaque(), !before);
    main->Timer1Timer();
    QCOMPARE(main->Image3->isOpaque(), before);

    // Step 2 opens the personal data dialog; its closing moves on to step 3.
    seam.onDialog = [](QDialog *d) { d->accept(); };
    main->BitBtn1->click();
    QCOMPARE(seam.dialogs, QStringList{QStringLiteral("TSzemAdForm")});
    QCOMPARE(main->guideStep(), 3);
    QVERIFY(main->Memo1->toPlainText().isEmpty()); // no guide text for step 3
    const bool labelsBefore = main->Label2->isOpaque();
    main->Timer1Timer();
    QCOMPARE(main->Label2->isOpaque(), !labelsBefore);
    QCOMPARE(main->Label3->isOpaque(), !labelsBefore);
    QCOMPARE(main->Label4->isOpaque(), !labelsBefore);

    main->BitBtn1->click();
    main->BitBtn1->click();
    QCOMPARE(main->guideStep(), 5);
    QVERIFY(!main->BitBtn1->isEnabled());
    main->BitBtn2->click();
    QCOMPARE(main->guideStep(), 4);
    QVERIFY(main->BitBtn1->isEnabled());

    // Stop keeps the step; starting again goes back to step 1.
    main->Image7Click();
    QVERIFY(!main->Timer1->isActive());
    QVERIFY(main->Memo1->isHidden());
    QCOMPARE(main->guideStep(), 4);
    QCOMPARE(main->Image7->toolTip(), QStringLiteral("elindítja a MOTRA varázslót"));
    main->Image7Click();
    QCOMPARE(main->guideStep(), 1);
    QVERIFY(seam.messages.isEmpty());
}

void TestMainWindow::guideTextIsSaved()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    seam.messages.clear();
    TMainForm *main = app.mainForm();
    main->Image7Click();
    QVERIFY(main->Memo1->toPlainText().isEmpty());
    main->Memo1->insertPlainText(QStringLiteral("Kezdjen új vizsgálatot!"));
    QVERIFY(main->Button1->isEnabled());
    main->Button1->click();
    QVERIFY(!main->Button1->isEnabled());
    QCOMPARE(TextFile::readLines(inst.path(FixedPaths::guideFile(1))),
        QStringList{QStringLiteral("Kezdjen új vizsgálatot!")});

    // A character the file cannot hold: reported, the text stays and can be saved later.
    main->Memo1->insertPlainText(QStringLiteral(" 日"));
    main->Button1->click();
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(main->Button1->isEnabled());
    QCOMPARE(TextFile::readLines(inst.path(FixedPaths::guideFile(1))),
        QStringList{QStringLiteral("Kezdjen új vizsgálatot!")});
}

void TestMainWindow::htmlPopupItems()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    QStringList texts;
    for (QAction *action : app.mainForm()->PopupMenu1->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts,
        (QStringList{QStringLiteral("szülői kérdőív"), QStringLiteral("tanári kérdőív"),
            QStringLiteral("önértékelő kérdőív"), QStringLiteral("-"), QStringLiteral("szülői + tanári kérdőív"),
            QStringLiteral("szülői + önértékelő kérdőív"), QStringLiteral("tanári + önértékelő kérdőív"),
            QStringLiteral("-"), QStringLiteral("mindhárom kérdőív")}));
}

void TestMainWindow::htmlPopupWritesReport()
{
    TestInstallation inst;
    QVERIFY2(inst.isValid(), "the demo installation is needed (build the demo target)");
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    seam.messages.clear();
    TMainForm *main = app.mainForm();
    app.record().Personal.ChildCode = QStringLiteral("HT1");
    main->Image8MouseDown(QPoint(5, 6));
    QCOMPARE(main->popupPoint(), QPoint(5, 6) + main->Image8->pos());
    seam.onPopup = [](QMenu *menu) { return AppTestSeam::actionByText(menu, QStringLiteral("mindhárom kérdőív")); };
    main->HtmlItem->trigger();
    QCOMPARE(seam.popups, QStringList{QStringLiteral("PopupMenu1")});
    const QString page = inst.path(QStringLiteral("c:\\_halden\\motra\\html\\HT1.htm"));
    QVERIFY(QFile::exists(page));
    QCOMPARE(seam.documents, QStringList{page});
    QVERIFY(seam.messages.isEmpty());
}

void TestMainWindow::htmlCombinationWritesPair()
{
    TestInstallation inst;
    QVERIFY2(inst.isValid(), "the demo installation is needed (build the demo target)");
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    seam.messages.clear();
    app.record().Personal.ChildCode = QStringLiteral("HT2");
    seam.onPopup
        = [](QMenu *menu) { return AppTestSeam::actionByText(menu, QStringLiteral("szülői + tanári kérdőív")); };
    app.mainForm()->ShowHtmlPopup();
    const QString page = inst.path(QStringLiteral("c:\\_halden\\motra\\html\\HT2.htm"));
    QCOMPARE(seam.documents, QStringList{page});
    const QString html = TextFile::decode([&] {
        QFile f(page);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }());
    QVERIFY(html.contains(QStringLiteral("a szülő válaszai")));
    QVERIFY(html.contains(QStringLiteral("a tanár válaszai")));
    QVERIFY(!html.contains(QStringLiteral("a VSZ. válaszai")));
}

void TestMainWindow::htmlWriteFailureIsReported()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    QVERIFY(QDir(inst.path(FixedPaths::ReportFolder)).removeRecursively());
    AppTestSeam seam;
    MotraApplication app({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    seam.messages.clear();
    seam.onPopup = [](QMenu *menu) { return AppTestSeam::actionByText(menu, QStringLiteral("szülői kérdőív")); };
    app.mainForm()->ShowHtmlPopup();
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.documents.isEmpty());
}

void TestMainWindow::bookletsOpenThroughShell()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    main->ParentBookletItem->trigger();
    main->TeacherBookletItem->trigger();
    main->SelfReportBookletItem->trigger();
    main->DescriptionItem->trigger();
    QCOMPARE(seam.documents,
        (QStringList{hostPath(QStringLiteral("c:\\_halden\\motra\\help\\szulo.doc")),
            hostPath(QStringLiteral("c:\\_halden\\motra\\help\\tanar.doc")),
            hostPath(QStringLiteral("c:\\_halden\\motra\\help\\onert.doc")),
            hostPath(QStringLiteral("c:\\_halden\\motra\\help\\mtrozsa.doc"))}));
}

void TestMainWindow::statMaintenanceFromMenu()
{
    TestInstallation inst(true);
    prepareInstallation(inst);
    const QByteArray bytes = StatisticsHeader(Parent).toLatin1() + "A\r\nB\r\n";
    inst.writeBytes(FixedPaths::StatFolder + QStringLiteral("minta.da1"), bytes);
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    QCOMPARE(main->StatMaintenanceItem->text(), QStringLiteral("...fájlok &karbantartása"));
    QStringList listed;
    seam.onDialog = [&](QDialog *dialog) {
        auto *form = qobject_cast<TStatTMKForm *>(dialog);
        if (!form)
            return;
        for (int i = 0; i < form->FileListBox1->count(); ++i)
            listed << form->FileListBox1->item(i)->text();
        form->FileListBox1->setCurrentRow(0);
        form->selectIndex(1);
        form->BitBtn5Click(); // the program's own overwrite confirmation comes up
    };
    main->StatMaintenanceItem->trigger();
    QCOMPARE(seam.dialogs, QStringList({"TStatTMKForm", "TFelulirForm"}));
    QCOMPARE(listed, QStringList{"minta.da1"});
    QCOMPARE(inst.readBytes(FixedPaths::StatFolder + QStringLiteral("minta.da1")), bytes);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
