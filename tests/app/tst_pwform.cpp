#include "RecordingSeam.h"
#include "TestInstallation.h"
#include "app/TPwForm.h"
#include "case/FixedPaths.h"
#include "case/TextFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {
// 20 lines; line 20 holds the length digit at character 21 and the digits after it.
QByteArray passwordFile(const QByteArray &line20)
{
    QByteArray bytes;
    for (int i = 1; i < 20; ++i)
        bytes += "sor " + QByteArray::number(i) + "\r\n";
    return bytes + line20 + "\r\n";
}
const QByteArray NineDigitLine = "ABCDEFGHIJKLMNOPQRST9123456789XYZ";
} // namespace

class TestPwForm : public QObject
{
    Q_OBJECT
private slots:
    void refusedChanges_data();
    void refusedChanges();
    void validChangeIsStored();
    void keszNeedsOldPassword();
    void missingFileReportedOnOpening();
};

void TestPwForm::refusedChanges_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("5 digits") << "123456789"
                              << "12345"
                              << "12345";
    QTest::newRow("10 digits") << "123456789"
                               << "1234567890"
                               << "1234567890";
    QTest::newRow("letter") << "123456789"
                            << "12345a"
                            << "12345a";
    QTest::newRow("wrong old") << "123456788"
                               << "654321"
                               << "654321";
    QTest::newRow("confirmation differs") << "123456789"
                                          << "654321"
                                          << "654322";
    QTest::newRow("empty new") << "123456789"
                               << ""
                               << "";
}

void TestPwForm::refusedChanges()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, passwordFile(NineDigitLine));
    RecordingSeam seam;
    QString password = QStringLiteral("123456789");
    TPwForm form(password);
    form.FormShow();
    form.Edit1->setText(oldPassword);
    form.Edit2->setText(newPassword);
    form.Edit3->setText(confirmation);
    form.KeszButtonClick();
    QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet3);
    QCOMPARE(password, QStringLiteral("123456789"));
    QCOMPARE(inst.readBytes(FixedPaths::PasswordFile), passwordFile(NineDigitLine));
    QVERIFY(seam.messages.isEmpty());
}

void TestPwForm::validChangeIsStored()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, passwordFile(NineDigitLine));
    RecordingSeam seam;
    QString password = QStringLiteral("123456789");
    TPwForm form(password);
    form.FormShow();
    QVERIFY(form.fileUsable());
    form.Edit1->setText(QStringLiteral("123456789"));
    form.Edit2->setText(QStringLiteral("654321"));
    form.Edit3->setText(QStringLiteral("654321"));
    for (const QLineEdit *field : {form.Edit1, form.Edit2, form.Edit3})
        QCOMPARE(field->displayText(), QString(field->text().size(), QLatin1Char('*')));
    form.KeszButtonClick();
    QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet2);
    QCOMPARE(password, QStringLiteral("654321"));
    // characters 28..30 of line 20 stay as they were
    QCOMPARE(inst.readBytes(FixedPaths::PasswordFile), passwordFile("ABCDEFGHIJKLMNOPQRST6654321789XYZ"));
    form.RendbenButton1->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));

    // A new opening starts again on the empty entry page.
    form.FormShow();
    QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet1);
    QVERIFY(form.Edit1->text().isEmpty());
}

void TestPwForm::keszNeedsOldPassword()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, passwordFile(NineDigitLine));
    RecordingSeam seam;
    QString password = QStringLiteral("123456789");
    TPwForm form(password);
    form.FormShow();
    QVERIFY(!form.KeszButton->isEnabled());
    form.Edit2->setText(QStringLiteral("654321"));
    QVERIFY(!form.KeszButton->isEnabled());
    form.Edit1->setText(QStringLiteral("1"));
    QVERIFY(form.KeszButton->isEnabled());
    form.Edit1->clear();
    QVERIFY(!form.KeszButton->isEnabled());
}

void TestPwForm::missingFileReportedOnOpening()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    QString password = QStringLiteral("123456789");
    TPwForm form(password);
    form.FormShow();
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(QStringLiteral("standard.dat")));
    QVERIFY(!form.fileUsable());

    // A valid change cannot be stored: it is reported and nothing changes.
    form.Edit1->setText(QStringLiteral("123456789"));
    form.Edit2->setText(QStringLiteral("654321"));
    form.Edit3->setText(QStringLiteral("654321"));
    form.KeszButtonClick();
    QCOMPARE(seam.messages.size(), 2);
    QCOMPARE(form.PageControl1->currentWidget(), form.TabSheet3);
    QCOMPARE(password, QStringLiteral("123456789"));
}

QTEST_MAIN(TestPwForm)
#include "tst_pwform.moc"
