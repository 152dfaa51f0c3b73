#include "../app/RecordingSeam.h"
#include "TestInstallation.h"
#include "app/TFelulirForm.h"
#include "case/FixedPaths.h"
#include "case/Questionnaire.h"
#include "case/TextFile.h"
#include "stats/FlashPanel.h"
#include "stats/StatisticsFiles.h"
#include "stats/StatisticsRecordList.h"
#include "stats/TStatTMKForm.h"
#include "ui/WindowServices.h"

#include <QDir>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString Name = QStringLiteral("csoport.da1");
const QString File = FixedPaths::StatFolder + Name;

QByteArray fileOf(const QStringList &codes, int kind = Parent)
{
    QString text = StatisticsHeader(kind);
    for (const QString &code : codes) {
        text += code;
        for (int field = 1; field < 4 + kindInfo(kind).slotCount; ++field)
            text += QStringLiteral("\t2");
        text += QStringLiteral("\r\n");
    }
    return TextFile::encode(text, File);
}

QStringList codesOf(const TStatTMKForm &form)
{
    QStringList codes;
    const QAbstractItemModel *model = form.ListBox1->model();
    for (int row = 0; row < model->rowCount(); ++row)
        codes << model->index(row, 0).data().toString().section(QLatin1Char('\t'), 0, 0);
    return codes;
}

void chooseFile(TStatTMKForm &form, const QString &name)
{
    const auto items = form.FileListBox1->findItems(name, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(name));
    form.FileListBox1->setCurrentItem(items.first());
}

// A click on a line of the record list, as the user makes it.
void clickLine(TStatTMKForm &form, int row)
{
    const QRect rect = form.ListBox1->visualRect(form.ListBox1->model()->index(row, 0));
    QVERIFY(rect.isValid());
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, rect.center());
}

// The overwrite confirmation answered by pressing one of its buttons (or none: the close box).
struct Confirmation
{
    TFelulirForm form;
    RecordingSeam seam;
    QString answer;
    QString shownFile;
    std::function<void()> meanwhile;

    explicit Confirmation(TStatTMKForm &maintenance)
    {
        maintenance.setOverwriteConfirmation(&form);
        seam.onExec = [this](QDialog *dialog) {
            if (dialog != &form)
                return int(QDialog::Rejected);
            shownFile = form.Label2->text();
            if (meanwhile)
                meanwhile();
            if (answer == QStringLiteral("Igen, felülírom"))
                form.BitBtn2->click();
            else if (answer.startsWith(QStringLiteral("Mégse")))
                form.BitBtn1->click();
            else
                form.reject();
            return form.result();
        };
    }
};

} // namespace

class TestStatTMKForm : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { windowServices() = WindowServices(); }
    void texts_data();
    void texts();
    void selection_data();
    void selection();
    void movesKeepSelection();
    void deleteAnswered_data();
    void deleteAnswered();
    void closingWritesNothing_data();
    void closingWritesNothing();
    void kindButtonsAndReopening();
    void unusableFileKeepsList();
    void failedWriteKeepsListAndFile();
    void helpIsModal();
};

void TestStatTMKForm::texts_data()
{
    QTest::addColumn<QString>("text");
    const char *const texts[][2] = {{"SpeedButton3", "szülői"}, {"SpeedButton4", "tanári"},
        {"SpeedButton5", "önértékelő"}, {"Label1", "a kijelölt rekord"}, {"Label2", "mozgatása"},
        {"BitBtn2", "rendezd betűrendbe !"}, {"BitBtn5", "töröld a kijelölt rekordot !"}, {"BitBtn4", "Rendben"},
        {"BitBtn1", "Mégse"}, {"BitBtn7", "&Súgó"}};
    for (const auto &[name, text] : texts)
        QTest::newRow(name) << QString::fromUtf8(text);
}

void TestStatTMKForm::texts()
{
    QFETCH(QString, text);
    TStatTMKForm form;
    const QWidget *widget = form.findChild<QWidget *>(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    const QSize size = form.size();
    form.resize(size * 2);
    QCOMPARE(form.size(), size);
    QCOMPARE(form.Timer1->interval(), 300);
    QVERIFY(form.SpeedButton3->isChecked());
}

void TestStatTMKForm::selection_data()
{
    QTest::addColumn<int>("row"); // -1: the selection is cleared
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("remove");
    QTest::newRow("header") << 0 << false << false << false;
    QTest::newRow("first record") << 1 << false << true << true;
    QTest::newRow("middle record") << 2 << true << true << true;
    QTest::newRow("last record") << 3 << true << false << true;
    QTest::newRow("no selection") << -1 << false << false << false;
}

void TestStatTMKForm::selection()
{
    QFETCH(int, row);
    QFETCH(bool, up);
    QFETCH(bool, down);
    QFETCH(bool, remove);
    TestInstallation inst(true);
    inst.writeBytes(File, fileOf({"A", "B", "C"}));
    RecordingSeam seam;
    TStatTMKForm form;
    form.show();
    chooseFile(form, Name);
    QCOMPARE(form.records()->count(), 4);
    clickLine(form, 2); // something else first: every button is enabled
    QVERIFY(form.BitBtn5->isEnabled());
    QVERIFY(form.Panel2->isHidden());
    if (row >= 0) {
        clickLine(form, row);
    } else {
        form.ListBox1->selectionModel()->clear();
        form.ListBox1Click();
    }
    QCOMPARE(form.selectedIndex(), row);
    QCOMPARE(form.SpeedButton1->isEnabled(), up);
    QCOMPARE(form.SpeedButton2->isEnabled(), down);
    QCOMPARE(form.BitBtn5->isEnabled(), remove);
    QCOMPARE(form.Panel2->isHidden(), remove);
    if (!remove) {
        QCOMPARE(form.Panel2->text(), TStatTMKForm::FirstLineWarning);
        QVERIFY(form.Timer1->isActive());
    }
    QVERIFY(seam.messages.isEmpty());
}

void TestStatTMKForm::movesKeepSelection()
{
    TestInstallation inst(true);
    inst.writeBytes(File, fileOf({"A", "B", "C"}));
    RecordingSeam seam;
    TStatTMKForm form;
    form.show();
    chooseFile(form, Name);
    clickLine(form, 1);
    form.SpeedButton2->click();
    form.SpeedButton2->click();
    QCOMPARE(codesOf(form), QStringList({"Kod", "B", "C", "A"}));
    QCOMPARE(form.selectedIndex(), 3);
    QVERIFY(!form.SpeedButton2->isEnabled());
    form.SpeedButton1->click();
    form.SpeedButton1->click();
    QCOMPARE(form.selectedIndex(), 1);
    QVERIFY(!form.SpeedButton1->isEnabled());
    form.SpeedButton1Click(); // not past the header
    QCOMPARE(codesOf(form), QStringList({"Kod", "A", "B", "C"}));
    QVERIFY(form.Panel2->isHidden());
}

void TestStatTMKForm::deleteAnswered_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("codes"); // in the list and in the file afterwards
    QTest::newRow("Igen, felülírom") << "Igen, felülírom" << QStringList{"Kod", "Á", "Cs"};
    QTest::newRow("Mégse") << "Mégse" << QStringList{"Kod", "Cs", "Cu", "Á"};
    QTest::newRow("close box") << "" << QStringList{"Kod", "Cs", "Cu", "Á"};
    // Nothing to reload: the list stays as it was before the deletion.
    QTest::newRow("Mégse, file gone meanwhile") << "Mégse, gone" << QStringList{"Kod", "Á", "Cu", "Cs"};
    // The file as it now stands, with a word about its bad line.
    QTest::newRow("Mégse, bad line added meanwhile") << "Mégse, bad line" << QStringList{"Kod", "Cs", "Cu", "Á", "x"};
}

void TestStatTMKForm::deleteAnswered()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, codes);
    TestInstallation inst(true);
    const QByteArray bytes = fileOf({"Cs", "Cu", "Á"});
    inst.writeBytes(File, bytes);
    TStatTMKForm form;
    Confirmation confirmation(form);
    confirmation.answer = answer;
    const bool gone = answer.endsWith(QStringLiteral("gone"));
    const bool badLine = answer.endsWith(QStringLiteral("bad line"));
    if (gone)
        confirmation.meanwhile = [&] { inst.remove(File); };
    if (badLine)
        confirmation.meanwhile = [&] { inst.writeBytes(File, bytes + "x\r\n"); };
    form.show();
    chooseFile(form, Name);
    form.BitBtn2->click(); // sorted: Á Cu Cs, written only with a confirmed deletion
    QCOMPARE(codesOf(form), QStringList({"Kod", "Á", "Cu", "Cs"}));
    clickLine(form, 2);
    form.BitBtn5->click();
    QCOMPARE(confirmation.seam.dialogs, QList<QDialog *>{&confirmation.form});
    QCOMPARE(confirmation.form.windowTitle(), QStringLiteral("Fontos figyelmeztetés !"));
    QCOMPARE(confirmation.form.Label1->text(), QStringLiteral("Ön felülírja a következő fájlt:"));
    QCOMPARE(confirmation.shownFile, QStringLiteral("c:\\_halden\\motra\\stat\\csoport.da1"));
    QCOMPARE(codesOf(form), codes);
    QCOMPARE(form.selectedIndex(), -1);
    QVERIFY(!form.BitBtn5->isEnabled());
    QCOMPARE(confirmation.seam.messages.size(), int(gone || badLine));
    if (gone) {
        QVERIFY(!QFile::exists(inst.path(File)));
        QVERIFY(confirmation.seam.messages.first().contains(File));
        QVERIFY(form.FileListBox1->findItems(Name, Qt::MatchExactly).isEmpty());
        return;
    }
    if (badLine)
        QVERIFY2(confirmation.seam.messages.first().contains(QStringLiteral("5. sor")),
            qPrintable(confirmation.seam.messages.first()));
    QCOMPARE(inst.readBytes(File),
        answer.startsWith(QStringLiteral("Igen")) ? fileOf(codes.mid(1)) : bytes + (badLine ? "x\r\n" : ""));
}

void TestStatTMKForm::closingWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Rendben") << "Rendben";
    QTest::newRow("Mégse") << "Mégse";
    QTest::newRow("Esc") << "Esc";
}

void TestStatTMKForm::closingWritesNothing()
{
    QFETCH(QString, how);
    TestInstallation inst(true);
    const QByteArray bytes = fileOf({"B", "A", "C"});
    inst.writeBytes(File, bytes);
    TStatTMKForm form;
    Confirmation confirmation(form);
    form.show();
    chooseFile(form, Name);
    clickLine(form, 1);
    form.SpeedButton2->click();
    form.BitBtn2->click();
    if (how == QLatin1String("Rendben"))
        form.BitBtn4->click();
    else if (how == QStringLiteral("Mégse"))
        form.BitBtn1->click();
    else
        QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(how == QLatin1String("Rendben") ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(inst.readBytes(File), bytes);
    QVERIFY(confirmation.seam.dialogs.isEmpty());
}

void TestStatTMKForm::kindButtonsAndReopening()
{
    TestInstallation inst(true);
    inst.writeBytes(File, fileOf({"A"}));
    inst.writeBytes(FixedPaths::StatFolder + QStringLiteral("TANAR.DA2"), fileOf({"T"}, Teacher));
    inst.writeBytes(FixedPaths::StatFolder + QStringLiteral("ones.da3"), fileOf({"O"}, SelfReport));
    RecordingSeam seam;
    TStatTMKForm form;
    form.show();
    const QList<QPair<QToolButton *, QString>> kinds
        = {{form.SpeedButton4, "TANAR.DA2"}, {form.SpeedButton5, "ones.da3"}, {form.SpeedButton3, Name}};
    for (const auto &[button, file] : kinds) {
        chooseFile(form, form.FileListBox1->item(0)->text());
        QCOMPARE(form.records()->count(), 2);
        button->click();
        QVERIFY(button->isChecked());
        QCOMPARE(
            int(form.SpeedButton3->isChecked()) + form.SpeedButton4->isChecked() + form.SpeedButton5->isChecked(), 1);
        QCOMPARE(form.records()->count(), 0);
        QCOMPARE(form.FileListBox1->count(), 1);
        QCOMPARE(form.FileListBox1->item(0)->text(), file);
    }
    // Kind, mask and list survive closing and opening again; a new file shows up.
    chooseFile(form, Name);
    clickLine(form, 1);
    form.BitBtn4->click();
    inst.writeBytes(FixedPaths::StatFolder + QStringLiteral("masik.DA1"), fileOf({"M"}));
    form.show();
    QCOMPARE(form.fileMask(), QStringLiteral("*.da1"));
    QCOMPARE(form.FileListBox1->count(), 2);
    QCOMPARE(form.FileListBox1->currentItem()->text(), Name);
    QCOMPARE(codesOf(form), QStringList({"Kod", "A"}));
    QCOMPARE(form.selectedIndex(), 1);
    QVERIFY(form.BitBtn5->isEnabled());
    QVERIFY(seam.messages.isEmpty());
}

// Why a file cannot be loaded is the record list's to say; the dialog shows it, keeps the
// list it had and offers a vanished file no more.
void TestStatTMKForm::unusableFileKeepsList()
{
    TestInstallation inst(true);
    inst.writeBytes(File, fileOf({"B", "A"}));
    inst.writeBytes(FixedPaths::StatFolder + QStringLiteral("fejlec.da1"), fileOf({}));
    const QString vanished = FixedPaths::StatFolder + QStringLiteral("vanish.da1");
    inst.writeBytes(vanished, fileOf({"V"}));
    RecordingSeam seam;
    TStatTMKForm form;
    form.show();
    chooseFile(form, Name);
    form.BitBtn2->click();
    inst.remove(vanished);
    const QListWidgetItem *item = form.FileListBox1->findItems(QStringLiteral("vanish.da1"), Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(
        form.FileListBox1->viewport(), Qt::LeftButton, {}, form.FileListBox1->visualItemRect(item).center());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY2(seam.messages.first().contains(vanished), qPrintable(seam.messages.first()));
    QCOMPARE(codesOf(form), QStringList({"Kod", "A", "B"})); // the sorted list as it was
    QCOMPARE(form.FileListBox1->currentItem()->text(), Name);
    QCOMPARE(form.FileListBox1->count(), 2);
    // A file with only its header loads, with a word about it; the dialog goes on working.
    seam.messages.clear();
    chooseFile(form, QStringLiteral("fejlec.da1"));
    QCOMPARE(codesOf(form), QStringList({"Kod"}));
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(QStringLiteral("csak a fejléc")));
    chooseFile(form, Name);
    QCOMPARE(codesOf(form), QStringList({"Kod", "B", "A"}));
}

void TestStatTMKForm::failedWriteKeepsListAndFile()
{
    TestInstallation inst(true);
    const QByteArray bytes = fileOf({"C", "B", "A"});
    inst.writeBytes(File, bytes);
    TStatTMKForm form;
    Confirmation confirmation(form);
    confirmation.answer = QStringLiteral("Igen, felülírom");
    form.show();
    chooseFile(form, Name);
    form.BitBtn2->click();
    clickLine(form, 2);
    // The file size limit stands for a full disk.
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    rlimit small = old;
    small.rlim_cur = 1000;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    form.BitBtn5->click();
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(confirmation.seam.messages.size(), 1);
    const QString message = confirmation.seam.messages.first();
    QVERIFY2(message.contains(File) && message.contains(QStringLiteral("Oka: File too large")), qPrintable(message));
    QCOMPARE(inst.readBytes(File), bytes);
    QCOMPARE(codesOf(form), QStringList({"Kod", "A", "B", "C"})); // as before the deletion
    QCOMPARE(form.selectedIndex(), 2);
    QVERIFY(form.BitBtn5->isEnabled());
    // Once there is room again the same deletion goes through.
    form.BitBtn5->click();
    QCOMPARE(inst.readBytes(File), fileOf({"A", "C"}));
    QCOMPARE(QDir(inst.path(FixedPaths::StatFolderNoSlash)).entryList(QDir::Files), QStringList{Name});
}

void TestStatTMKForm::helpIsModal()
{
    QStringList call;
    windowServices().showHelp = [&](const QString &caption, const QString &help, const QString &notes, bool modal) {
        call << caption << help << notes << (modal ? QStringLiteral("modal") : QStringLiteral("modeless"));
    };
    TStatTMKForm form;
    form.BitBtn7->click();
    QCOMPARE(call,
        QStringList({QStringLiteral("súgó: statisztikai fájlok karbantartása"),
            QStringLiteral("c:\\_halden\\motra\\help\\StatTMK.hlp"),
            QStringLiteral("c:\\_halden\\motra\\jegyzet\\StatTMK.hlp"), QStringLiteral("modal")}));
}

QTEST_MAIN(TestStatTMKForm)
#include "tst_stattmkform.moc"
