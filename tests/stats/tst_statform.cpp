#include "../app/RecordingSeam.h"
#include "TestInstallation.h"
#include "app/TProgHibaForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/TextFile.h"
#include "stats/FlashPanel.h"
#include "stats/StatisticsFiles.h"
#include "stats/TStatForm.h"
#include "ui/WindowServices.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
const QString Warning = QStringLiteral("Ebben a fájlban már szerepel az aktuális KÓD, nem csatolható!!!");

QString statFile(const QString &name) { return FixedPaths::StatFolder + name; }

void chooseFile(TStatForm &form, const QString &name)
{
    form.RadioButton1Click();
    const auto items = form.FileListBox1->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    form.FileListBox1->setCurrentItem(items.first());
    form.FileListBox1Click();
}
} // namespace

class TestStatForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { windowServices() = WindowServices(); }
    void activationSetsExtension_data();
    void activationSetsExtension();
    void attachToExistingThenRefuseSecondTime();
    void newFileGetsHeaderAndLine();
    void newNameCharacters_data();
    void newNameCharacters();
    void existingNameCannotBeUsed();
    void flashTimerTicks();
    void readFailureReported();
    void helpIsModeless();
};

void TestStatForm::activationSetsExtension_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("extension");
    QTest::newRow("parent") << 1 << ".da1";
    QTest::newRow("teacher") << 2 << ".da2";
    QTest::newRow("self-report") << 3 << ".da3";
}

void TestStatForm::activationSetsExtension()
{
    QFETCH(int, kind);
    QFETCH(QString, extension);
    TestInstallation inst(true);
    RecordingSeam seam;
    CaseRecord record;
    record.setCurrentKind(kind);
    TStatForm form(record);
    form.Edit1->setText(QStringLiteral("abc"));
    form.FormActivate();
    QCOMPARE(form.extension(), extension);
    QCOMPARE(form.Label3->text(), extension);
    QVERIFY(form.Edit1->text().isEmpty());
    QVERIFY(!form.RadioButton1->isChecked());
    QVERIFY(!form.RadioButton2->isChecked());
    QVERIFY(!form.BitBtn1->isEnabled());
}

void TestStatForm::attachToExistingThenRefuseSecondTime()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    CaseRecord record;
    record.Personal.ChildCode = QStringLiteral("K-17");
    record.setCurrentKind(Parent);
    const QString header = StatisticsHeader(Parent);
    inst.writeBytes(statFile(QStringLiteral("csoport.DA1")), header.toLatin1() + "K-1\t2004.3.5.\t1\t9\r\n");

    TStatForm form(record);
    form.setFileMask(QStringLiteral("*.DA1"));
    form.FormActivate();
    QCOMPARE(form.FileListBox1->count(), 1);
    chooseFile(form, QStringLiteral("csoport.DA1"));
    QVERIFY(form.BitBtn1->isEnabled());
    QVERIFY(form.Panel3->isHidden());
    form.BitBtn1Click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const QStringList lines = TextFile::readLines(inst.path(statFile(QStringLiteral("csoport.DA1"))));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.last() + QStringLiteral("\r\n"), StatisticsLine(record));

    // The second time the code is found: refused, with the flashing warning.
    form.FormActivate();
    chooseFile(form, QStringLiteral("csoport.DA1"));
    QVERIFY(!form.BitBtn1->isEnabled());
    QVERIFY(!form.Panel3->isHidden());
    QCOMPARE(form.Panel3->text(), Warning);
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 300);
    QCOMPARE(TextFile::readLines(inst.path(statFile(QStringLiteral("csoport.DA1")))).size(), 3);
    QVERIFY(seam.messages.isEmpty());
}

void TestStatForm::newFileGetsHeaderAndLine()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    CaseRecord record;
    record.Personal.ChildCode = QStringLiteral("T1");
    record.setCurrentKind(Teacher);
    TStatForm form(record);
    form.setFileMask(QStringLiteral("*.DA2"));
    form.FormActivate();
    form.RadioButton2Click();
    QVERIFY(!form.BitBtn1->isEnabled());
    form.Edit1->setText(QStringLiteral("uj_Fajl-2"));
    QCOMPARE(form.Edit1->text(), QStringLiteral("uj_Fajl-")); // at most 8 characters
    QVERIFY(form.BitBtn1->isEnabled());
    form.BitBtn1Click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const QString path = inst.path(statFile(QStringLiteral("uj_Fajl-.da2")));
    QVERIFY(QFileInfo::exists(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(TextFile::decode(file.readAll()), StatisticsHeader(Teacher) + StatisticsLine(record));
    QCOMPARE(form.FileListBox1->count(), 1);
}

void TestStatForm::newNameCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("notice");
    QTest::newRow("ab!") << "ab!"
                         << "ab" << true;
    QTest::newRow("letters digits - _") << "aZ0-9_x"
                                        << "aZ0-9_x" << false;
    QTest::newRow("accented") << "ab\u00e1"
                              << "ab" << true;
    QTest::newRow("pasted with several bad") << "a b/c.d"
                                             << "abcd" << true;
    QTest::newRow("slash only") << "/"
                                << "" << true;
}

void TestStatForm::newNameCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, notice);
    TestInstallation inst(true);
    RecordingSeam seam;
    TProgHibaForm info;
    QStringList lines;
    seam.onExec = [&](QDialog *dialog) {
        if (dialog == &info)
            lines << info.Sor1->text() << info.Sor2->text() << info.Sor3->text();
        return int(QDialog::Accepted);
    };
    CaseRecord record;
    TStatForm form(record);
    form.FormActivate();
    form.RadioButton2Click();
    form.Edit1->setText(typed);
    QCOMPARE(form.Edit1->text(), kept);
    QCOMPARE(form.Edit1->cursorPosition(), kept.size());
    QCOMPARE(form.BitBtn1->isEnabled(), !kept.isEmpty());
    if (notice) {
        QCOMPARE(lines,
            QStringList({QStringLiteral("A fájlnévhez használható karakterek:"),
                QStringLiteral("az angol ABC betűi, számjegyek,"),
                QStringLiteral("valamint a kötőjel és az aláhúzásjel")}));
    } else {
        QVERIFY(lines.isEmpty());
    }
}

void TestStatForm::existingNameCannotBeUsed()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    inst.writeBytes(statFile(QStringLiteral("REGI.DA1")), "x\r\n");
    CaseRecord record;
    record.setCurrentKind(Parent);
    TStatForm form(record);
    form.setFileMask(QStringLiteral("*.DA1"));
    form.FormActivate();
    form.RadioButton2Click();
    form.Edit1->setText(QStringLiteral("regi"));
    QVERIFY(!form.BitBtn1->isEnabled());
    form.Edit1->setText(QStringLiteral("regi2"));
    QVERIFY(form.BitBtn1->isEnabled());
    // even a file the list does not show (other mask) is not overwritten or appended to
    inst.writeBytes(statFile(QStringLiteral("masik.da1")), "y\r\n");
    form.setFileMask(QStringLiteral("*.DA9"));
    form.Edit1->setText(QStringLiteral("MASIK"));
    QVERIFY(!form.BitBtn1->isEnabled());
    form.BitBtn1Click();
    QCOMPARE(inst.readBytes(statFile(QStringLiteral("masik.da1"))), QByteArray("y\r\n"));
}

void TestStatForm::flashTimerTicks()
{
    CaseRecord record;
    TStatForm form(record);
    form.ShowFlashWarning(Warning);
    auto colours = [&] {
        return qMakePair(
            form.Panel3->palette().color(QPalette::Window), form.Panel3->palette().color(QPalette::WindowText));
    };
    QVERIFY(!form.Panel3->isHidden());
    QCOMPARE(colours(), qMakePair(QColor(Qt::red), QColor(Qt::yellow)));
    form.Timer1->stop(); // the test drives the ticks itself
    form.Timer1Timer();
    QCOMPARE(colours(), qMakePair(QColor(Qt::yellow), QColor(Qt::black)));
    for (int tick = 2; tick <= 11; ++tick) {
        form.Timer1->start();
        form.Timer1->stop();
        form.Timer1Timer();
        QVERIFY2(!form.Panel3->isHidden(), qPrintable(QString::number(tick)));
    }
    form.Timer1->start();
    form.Timer1Timer();
    QVERIFY(form.Panel3->isHidden());
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(colours(), qMakePair(QColor(Qt::red), QColor(Qt::yellow)));
}

void TestStatForm::readFailureReported()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    inst.writeBytes(statFile(QStringLiteral("zart.da1")), "K\r\n");
    CaseRecord record;
    TStatForm form(record);
    form.setFileMask(QStringLiteral("*.DA1"));
    form.FormActivate();
    // The listed file turns into something that cannot be read as a file.
    QVERIFY(QFile::remove(inst.path(statFile(QStringLiteral("zart.da1")))));
    QVERIFY(QDir().mkdir(inst.path(statFile(QStringLiteral("zart.da1")))));
    chooseFile(form, QStringLiteral("zart.da1"));
    QVERIFY(!form.BitBtn1->isEnabled());
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(QStringLiteral("zart.da1")));
    // still usable: the other way can be chosen
    form.RadioButton2Click();
    form.Edit1->setText(QStringLiteral("uj"));
    QVERIFY(form.BitBtn1->isEnabled());
}

void TestStatForm::helpIsModeless()
{
    QStringList call;
    windowServices().showHelp = [&](const QString &caption, const QString &help, const QString &notes, bool modal) {
        call << caption << help << notes << (modal ? QStringLiteral("modal") : QStringLiteral("modeless"));
    };
    CaseRecord record;
    TStatForm form(record);
    form.BitBtn2Click();
    QCOMPARE(call,
        QStringList({QStringLiteral("súgó a statisztikához"), QStringLiteral("c:\\_halden\\motra\\help\\stat.hlp"),
            QStringLiteral("c:\\_halden\\motra\\jegyzet\\stat.hlp"), QStringLiteral("modeless")}));
}

QTEST_MAIN(TestStatForm)
#include "tst_statform.moc"
