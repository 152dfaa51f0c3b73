#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/PasswordFile.h"

#include "TestInstallation.h"

#include <QTest>

#include <functional>

namespace {

// A password file of 22 lines; line 20 holds the length digit at character 21.
QByteArray passwordFile(const QByteArray &line20, int lineCount = 22)
{
    QByteArray bytes;
    for (int i = 1; i <= lineCount; ++i) {
        if (i == 20)
            bytes += line20;
        else
            bytes += "sor " + QByteArray::number(i) + " \xE1rv\xEDz";
        bytes += "\r\n";
    }
    return bytes;
}

const QByteArray Prefix = "abcdefghijklmnopqrst"; // characters 1..20

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const MotraError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestPasswordFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void damaged_data();
    void damaged();
    void missingFile();
    void changeRules_data();
    void changeRules();
    void storeShorter();
    void storeLonger();
    void storeNeedsRoom();
};

void TestPasswordFile::read_data()
{
    QTest::addColumn<QByteArray>("line20");
    QTest::addColumn<QString>("password");
    QTest::newRow("six") << Prefix + "6123456xxx"
                         << "123456";
    QTest::newRow("nine") << Prefix + "9987654321"
                          << "987654321";
    QTest::newRow("zero length") << Prefix + "0xxxxxxxxx"
                                 << "";
    QTest::newRow("exactly long enough") << Prefix + "6123456"
                                         << "123456";
}

void TestPasswordFile::read()
{
    QFETCH(QByteArray, line20);
    QFETCH(QString, password);
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, passwordFile(line20));
    QCOMPARE(readProgramPassword(), password);
}

void TestPasswordFile::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("19 lines") << passwordFile(Prefix + "6123456xxx", 19) << "csak 19 sorból áll";
    QTest::newRow("empty file") << QByteArray() << "csak 0 sorból áll";
    QTest::newRow("line 20 ends before the length") << passwordFile(Prefix) << "túl rövid (20 karakter)";
    QTest::newRow("no digit") << passwordFile(Prefix + "x123456xxx") << "21. karaktere („x”) nem számjegy";
    QTest::newRow("password cut off") << passwordFile(Prefix + "912345") << "a 9 jegyű jelszó nem fér el";
}

void TestPasswordFile::damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, bytes);
    const QString message = errorOf([] { readProgramPassword(); });
    QVERIFY2(message.startsWith(QStringLiteral("A jelszófájl (c:\\_halden\\motra\\standard.dat) sérült: ")),
        qPrintable(message));
    QVERIFY2(message.contains(problem), qPrintable(message));
}

void TestPasswordFile::missingFile()
{
    TestInstallation inst(true);
    const QString readError = errorOf([] { readProgramPassword(); });
    QVERIFY2(readError.startsWith(QStringLiteral("A jelszófájl (c:\\_halden\\motra\\standard.dat) nem olvasható.")),
        qPrintable(readError));
    QVERIFY(!errorOf([] { storeProgramPassword(QStringLiteral("123456")); }).isEmpty());
    QVERIFY(inst.readBytes(FixedPaths::PasswordFile).isEmpty());
}

void TestPasswordFile::changeRules_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("valid");
    QTest::newRow("six digits") << "123456"
                                << "654321"
                                << "654321" << true;
    QTest::newRow("nine digits") << "123456"
                                 << "987654321"
                                 << "987654321" << true;
    QTest::newRow("same again") << "123456"
                                << "123456"
                                << "123456" << true;
    QTest::newRow("five digits") << "123456"
                                 << "12345"
                                 << "12345" << false;
    QTest::newRow("ten digits") << "123456"
                                << "1234567890"
                                << "1234567890" << false;
    QTest::newRow("letter") << "123456"
                            << "12345a"
                            << "12345a" << false;
    QTest::newRow("blank") << "123456"
                           << "123 456"
                           << "123 456" << false;
    QTest::newRow("non-ASCII digits") << "123456"
                                      << "١٢٣٤٥٦"
                                      << "١٢٣٤٥٦" << false;
    QTest::newRow("old mismatch") << "123457"
                                  << "654321"
                                  << "654321" << false;
    QTest::newRow("old empty") << ""
                               << "654321"
                               << "654321" << false;
    QTest::newRow("confirmation differs") << "123456"
                                          << "654321"
                                          << "654322" << false;
    QTest::newRow("empty new") << "123456"
                               << ""
                               << "" << false;
}

void TestPasswordFile::changeRules()
{
    QFETCH(QString, old);
    QFETCH(QString, neu);
    QFETCH(QString, confirm);
    QFETCH(bool, valid);
    QCOMPARE(isValidPasswordChange(QStringLiteral("123456"), old, neu, confirm), valid);
}

void TestPasswordFile::storeShorter()
{
    TestInstallation inst(true);
    const QByteArray before = passwordFile(Prefix + "9987654321tail");
    inst.writeBytes(FixedPaths::PasswordFile, before);
    storeProgramPassword(QStringLiteral("135790"));
    const QByteArray after = inst.readBytes(FixedPaths::PasswordFile);
    // Characters 28..30 keep the old digits; the length digit decides what is read.
    QCOMPARE(after, passwordFile(Prefix + "6135790321tail"));
    QCOMPARE(readProgramPassword(), QStringLiteral("135790"));
    // Every other line is byte-identical.
    const QList<QByteArray> oldLines = before.split('\n'), newLines = after.split('\n');
    QCOMPARE(newLines.size(), oldLines.size());
    for (int i = 0; i < oldLines.size(); ++i) {
        if (i != 19)
            QCOMPARE(newLines[i], oldLines[i]);
    }
}

void TestPasswordFile::storeLonger()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::PasswordFile, passwordFile(Prefix + "6123456xxx!"));
    storeProgramPassword(QStringLiteral("246813579"));
    QCOMPARE(inst.readBytes(FixedPaths::PasswordFile), passwordFile(Prefix + "9246813579!"));
    QCOMPARE(readProgramPassword(), QStringLiteral("246813579"));
}

void TestPasswordFile::storeNeedsRoom()
{
    // The line is never lengthened: a line 20 without room for the new password is refused
    // and the file stays as it was.
    TestInstallation inst(true);
    const QByteArray before = passwordFile(Prefix + "6123456");
    inst.writeBytes(FixedPaths::PasswordFile, before);
    const QString message = errorOf([] { storeProgramPassword(QStringLiteral("12345678")); });
    QVERIFY2(message.contains(QStringLiteral("a 8 jegyű jelszó nem fér el")), qPrintable(message));
    QCOMPARE(inst.readBytes(FixedPaths::PasswordFile), before);
    storeProgramPassword(QStringLiteral("654321"));
    QCOMPARE(readProgramPassword(), QStringLiteral("654321"));
}

QTEST_GUILESS_MAIN(TestPasswordFile)
#include "tst_passwordfile.moc"
