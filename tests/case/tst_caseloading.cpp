#include "case/CaseFile.h"
#include "case/CaseLoading.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The examination in hand before a file is opened.
void fillRecord(CaseRecord &record)
{
    record.Personal.ChildName = QStringLiteral("Előző Gyermek");
    record.Personal.ChildCode = QStringLiteral("ELO1");
    record.Personal.IsBoy = false;
    record.Personal.Age = 9;
    record.Personal.Examiner = QStringLiteral("Dr. Kiss Anna");
    record.copyPersonalDataToAnswerSets();
    record.answers(Parent).setValueText(70, QStringLiteral("2"));
    record.answers(Parent).setAnswerLabel(70, QStringLiteral("nagyon igaz vagy gyakran igaz"));
    record.answers(SelfReport).setValueText(222, QStringLiteral("61.0"));
    record.Opinion = {QStringLiteral("Az előző gyermek véleménye.")};
}

QByteArray validCaseBytes()
{
    CaseRecord stored;
    stored.Personal.ChildName = QStringLiteral("Új Gyermek");
    stored.copyPersonalDataToAnswerSets();
    return TextFile::encode(caseFileLines(stored).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), {});
}

} // namespace

class TestCaseLoading : public QObject
{
    Q_OBJECT
private slots:
    void badFilesLeaveTheRecord_data();
    void badFilesLeaveTheRecord();
    void partialFileKeepsWhatItDoesNotReach();
    void longOpinionLoads();
    void ownFilesOpenWhateverWasTyped_data();
    void ownFilesOpenWhateverWasTyped();
};

void TestCaseLoading::badFilesLeaveTheRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("reason");
    const QByteArray valid = validCaseBytes();
    QTest::newRow("plain text") << QByteArray("Kedves Anna!\r\nEz egy levél.\r\n") << true
                                << "nem MOTRA vizsgálati fájl";
    QTest::newRow("zero bytes") << QByteArray() << true << "egyetlen sora sem";
    QTest::newRow("picture renamed") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0", 11) << true << "nem szöveges fájl";
    QTest::newRow("100,000 lines without tags") << QByteArray("50\r\n").repeated(100000) << true << "nem MOTRA";
    // Written by hand: a line before the header, so not the program's own layout.
    QTest::newRow("one-megabyte line") << "<Oka=" + QByteArray(1 << 20, 'x') + ">\r\n" + valid << true
                                       << "karakter hosszú";
    QTest::newRow("NUL by hand") << QByteArray("<Oka=a\0b>\r\n", 11) + valid << true << "nulla bájt";
    QTest::newRow("too large") << valid + QByteArray(CaseLoading::MaxFileBytes, '\n') << true << "bájt hosszú";
    QTest::newRow("age not a number") << QByteArray("<Neve=M\xe1s>\r\n<Kora=t\xedz>\r\n<sz\xfcl\xf5i=>\r\n") << true
                                      << "'tíz' is not a valid integer value";
    QTest::newRow("sex not a number") << QByteArray("<Neme=fiú>\r\n") << true << "is not a valid integer value";
    QTest::newRow("missing") << QByteArray() << false << "nem nyitható meg";
}

void TestCaseLoading::badFilesLeaveTheRecord()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rossz.mtr"));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    CaseRecord record;
    fillRecord(record);
    const QStringList before = caseFileLines(record);
    try {
        CaseLoading::loadCaseFile(record, path, QStringLiteral("c:\\minták\\rossz.mtr"));
        QFAIL("the file must be refused");
    } catch (const MotraError &error) {
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
        QVERIFY2(error.message().contains(QStringLiteral("rossz.mtr")), qPrintable(error.message()));
        QVERIFY(error.message().contains(QStringLiteral("nem változott")));
    }
    QCOMPARE(caseFileLines(record), before);
}

void TestCaseLoading::partialFileKeepsWhatItDoesNotReach()
{
    // Hand-made files keep the reader's rules: absent tags and rows keep what they held.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kezi.mtr"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Neve=K\xe9zzel \xcdrt>\r\n");
    file.close();
    CaseRecord record;
    fillRecord(record);
    QStringList expected = caseFileLines(record);
    CaseLoading::loadCaseFile(record, path, path);
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Kézzel Írt"));
    QCOMPARE(record.answers(Parent).answerLabel(70), QStringLiteral("nagyon igaz vagy gyakran igaz"));
    QCOMPARE(record.answers(SelfReport).valueText(222), QStringLiteral("61.0"));
    // Only the name line and the opinion (the lines after the opinion start, here the
    // whole file after line 0) differ.
    const QStringList now = caseFileLines(record);
    QCOMPARE(now.size(), expected.size() - 1);
    QCOMPARE(now[1], QStringLiteral("<Neve=Kézzel Írt>"));
    for (int line = 2; line < now.size(); ++line)
        QCOMPARE(now[line], expected[line]);
}

void TestCaseLoading::longOpinionLoads()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hosszu.mtr"));
    CaseRecord stored;
    for (int i = 0; i < 100000; ++i)
        stored.Opinion.append(QStringLiteral("%1. sor").arg(i));
    writeCaseFileTo(stored, path);
    CaseRecord loaded;
    CaseLoading::loadCaseFile(loaded, path, path);
    QCOMPARE(loaded.Opinion.size(), 100000);
    QCOMPARE(loaded.Opinion.last(), QStringLiteral("99999. sor"));
}

void TestCaseLoading::ownFilesOpenWhateverWasTyped_data()
{
    QTest::addColumn<int>("kind"); // 0: the opinion
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    const QString longLine(CaseLoading::MaxLineLength + 1, QLatin1Char('k'));
    const QString nul(1, QChar(0));
    QTest::newRow("NUL in a free-text answer") << int(Parent) << 17 << QStringLiteral("foci") + nul + "kosár";
    QTest::newRow("long free-text answer") << int(SelfReport) << 20 << longLine;
    QTest::newRow("long opinion line") << 0 << 1 << longLine;
    QTest::newRow("NUL in the opinion") << 0 << 0 << nul;
    QTest::newRow("long name with NUL") << -1 << 0 << longLine + nul;
}

void TestCaseLoading::ownFilesOpenWhateverWasTyped()
{
    // Whatever a user pastes into an answer, the name or the opinion, the file saved opens again.
    QFETCH(int, kind);
    QFETCH(int, row);
    QFETCH(QString, typed);
    CaseRecord stored;
    fillRecord(stored);
    if (kind > 0) {
        stored.answers(kind).setValueText(row, typed);
    } else if (kind == 0) {
        stored.Opinion = {QStringLiteral("első sor"), QStringLiteral("második sor")};
        stored.Opinion[row] = typed;
    } else {
        stored.Personal.ChildName = typed;
        stored.copyPersonalDataToAnswerSets();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sajat.mtr"));
    writeCaseFileTo(stored, path);
    const QStringList written = caseFileLines(stored);
    CaseRecord loaded;
    try {
        QCOMPARE(CaseLoading::readCaseFileText(path, path), written); // the open dialog's preview
        CaseLoading::loadCaseFile(loaded, path, path);
    } catch (const MotraError &error) {
        QFAIL(qPrintable(error.message()));
    }
    QCOMPARE(caseFileLines(loaded), written);
}

QTEST_GUILESS_MAIN(TestCaseLoading)
#include "tst_caseloading.moc"
