#include "TestInstallation.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "stats/StatisticsFiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_notices.clear();
        TextFile::setNoticeReporter([this](const QString &text) { m_notices << text; });
    }
    void cleanupTestCase()
    {
        QLocale::setDefault(QLocale::c());
        TextFile::setNoticeReporter({});
    }

    void lineFieldCounts_data();
    void lineFieldCounts();
    void lineBeginsWithPersonalData();
    void headerColumns_data();
    void headerColumns();
    void numbers_data();
    void numbers();
    void commaLocale();
    void textFieldsKeepTheColumns();
    void appendTextCreatesAndAppends();
    void codeInFile_data();
    void codeInFile();
    void codeInMissingFileIsAnError();
    void attachTwiceRefused_data();
    void attachTwiceRefused();
    void createRefused_data();
    void createRefused();
    void summaryHeaderWhenNewOrKindChanges();
    void summaryFileWithoutLastLineEnd();
    void summaryAfterKilledAppend();
    void summaryFileThatIsAFifo();

private:
    QStringList m_notices;

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void TestStatistics::lineFieldCounts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("fields");
    QTest::newRow("parent") << 1 << 204;
    QTest::newRow("teacher") << 2 << 180;
    QTest::newRow("self-report") << 3 << 193;
}

void TestStatistics::lineFieldCounts()
{
    QFETCH(int, kind);
    QFETCH(int, fields);
    CaseRecord record;
    record.setCurrentKind(kind);
    const QString line = StatisticsLine(record);
    QVERIFY(line.endsWith(QLatin1String("\r\n")));
    QCOMPARE(line.count(QLatin1String("\r\n")), 1);
    QCOMPARE(line.chopped(2).split(QLatin1Char('\t')).size(), fields);
    QCOMPARE(StatisticsHeader(kind).chopped(2).split(QLatin1Char('\t')).size(), fields);
}

void TestStatistics::lineBeginsWithPersonalData()
{
    CaseRecord record;
    record.setCurrentKind(Teacher);
    record.Personal.ChildCode = QStringLiteral("A7");
    record.Personal.ExamDate = QStringLiteral("2004.3.15.");
    record.Personal.IsBoy = false;
    record.Personal.Age = 9;
    record.SlotValues[1] = 11;
    record.SlotValues[2] = 2;
    record.SlotValues[176] = 57;
    const QStringList fields = StatisticsLine(record).chopped(2).split(QLatin1Char('\t'));
    QCOMPARE(fields.mid(0, 6), (QStringList{"A7", "2004.3.15.", "2", "9", "11", "2"}));
    QCOMPARE(fields.last(), QStringLiteral("57"));
    // Slots beyond SlotCount are not written even when they hold something.
    record.SlotValues[177] = 99;
    QVERIFY(!StatisticsLine(record).contains(QLatin1String("99")));
}

void TestStatistics::headerColumns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("last");
    QTest::newRow("parent") << 1 << "\tx_199\tx_200\r\n";
    QTest::newRow("teacher") << 2 << "\tx_175\tx_176\r\n";
    QTest::newRow("self-report") << 3 << "\tx_188\tx_189\r\n";
}

void TestStatistics::headerColumns()
{
    QFETCH(int, kind);
    QFETCH(QString, last);
    const QString header = StatisticsHeader(kind);
    QVERIFY(header.startsWith(QLatin1String("Kod\tDatum\tnem\tkor\tx_1\tx_2\t")));
    QVERIFY(header.endsWith(last));
    QCOMPARE(header.count(QLatin1String("\r\n")), 1);
}

void TestStatistics::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 2.0 << "2";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("missing") << -1.0 << "-1";
    QTest::newRow("half") << 7.5 << "7.5";
    QTest::newRow("third") << 1.0 / 3 << "0.3333";
    QTest::newRow("two thirds") << 2.0 / 3 << "0.6667";
    QTest::newRow("negative third") << -1.0 / 3 << "-0.3333";
    QTest::newRow("tiny") << 1e-5 << "0";
    QTest::newRow("negative tiny") << -1e-5 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("rounds up to whole") << 2.99999 << "3";
    QTest::newRow("trailing zeros") << 12.25 << "12.25";
    QTest::newRow("large") << 123456789.0 << "123456789";
    QTest::newRow("large fraction") << 1234567.125 << "1234567.125";
    QTest::newRow("four places") << 0.0001 << "0.0001";
}

void TestStatistics::numbers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(statisticsNumber(value, QStringLiteral(".")), text);

    CaseRecord record;
    record.setCurrentKind(Parent);
    record.SlotValues[200] = value;
    QVERIFY(StatisticsLine(record).endsWith(QLatin1Char('\t') + text + QLatin1String("\r\n")));
}

void TestStatistics::commaLocale()
{
    QLocale::setDefault(QLocale(QLocale::Hungarian));
    CaseRecord record;
    record.setCurrentKind(Parent);
    record.SlotValues[171] = 7.5;
    record.SlotValues[172] = 1.0 / 3;
    record.SlotValues[173] = 1234567;
    record.SlotValues[174] = -1;
    const QStringList fields = StatisticsLine(record).chopped(2).split(QLatin1Char('\t'));
    QCOMPARE(fields[4 + 170], QStringLiteral("7,5"));
    QCOMPARE(fields[4 + 171], QStringLiteral("0,3333"));
    QCOMPARE(fields[4 + 172], QStringLiteral("1234567")); // no thousands separator
    QCOMPARE(fields[4 + 173], QStringLiteral("-1"));

    QLocale::setDefault(QLocale::c());
    QCOMPARE(StatisticsLine(record).chopped(2).split(QLatin1Char('\t'))[4 + 170], QStringLiteral("7.5"));
}

void TestStatistics::textFieldsKeepTheColumns()
{
    CaseRecord record;
    record.setCurrentKind(SelfReport);
    record.Personal.ChildCode = QStringLiteral("A\tB");
    record.Personal.ExamDate = QStringLiteral("2004\r\n3");
    const QString line = StatisticsLine(record);
    QCOMPARE(line.count(QLatin1String("\r\n")), 1);
    QCOMPARE(line.chopped(2).split(QLatin1Char('\t')).size(), 193);
    QVERIFY(line.startsWith(QLatin1String("A B\t2004  3\t")));
}

void TestStatistics::appendTextCreatesAndAppends()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("próba.da1"));
    AppendText(path, QStringLiteral("első\r\n"));
    QCOMPARE(readAll(path), QByteArray("els\xf5\r\n"));
    AppendText(path, QStringLiteral("Kiss Őrs\r\n"));
    QCOMPARE(readAll(path), QByteArray("els\xf5\r\nKiss \xd5rs\r\n"));

    QVERIFY_THROWS_EXCEPTION(MotraError, AppendText(dir.filePath(QStringLiteral("nincs/x.da1")), QStringLiteral("a")));
}

void TestStatistics::codeInFile_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");
    const QString file = QStringLiteral("Kod\tDatum\tnem\r\nABC\t2004\t1\r\nXY\r\nkis\t1\r\n");
    QTest::newRow("exact") << file << "ABC" << true;
    QTest::newRow("prefix of a code") << file << "AB" << false;
    QTest::newRow("longer than a code") << file << "ABCD" << false;
    QTest::newRow("other case") << file << "abc" << false;
    QTest::newRow("whole line without tab") << file << "XY" << true;
    QTest::newRow("lower case code") << file << "kis" << true;
    QTest::newRow("header word") << file << "Kod" << true;
    QTest::newRow("absent") << file << "Q1" << false;
    QTest::newRow("empty file") << QString() << "ABC" << false;
    // A line stores the code with TAB and line breaks made blank.
    const QString stored = QStringLiteral("Kod\r\nA B\t2004\t1\r\nC  D\t2004\t1\r\n");
    QTest::newRow("code with a TAB") << stored << "A\tB" << true;
    QTest::newRow("code with a line break") << stored << "C\r\nD" << true;
    QTest::newRow("blank code is not the TAB code") << stored << "A\tC" << false;
}

void TestStatistics::codeInFile()
{
    QFETCH(QString, content);
    QFETCH(QString, code);
    QFETCH(bool, found);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.da1"));
    TextFile::writeLines(path, TextFile::splitLines(content));
    QCOMPARE(CodeInStatisticsFile(code, path), found);
    // A last record without its line end is a record all the same.
    CaseRecord record;
    record.Personal.ChildCode = code;
    TextFile::appendText(path, StatisticsLine(record).chopped(2));
    QVERIFY(CodeInStatisticsFile(code, path));
}

void TestStatistics::codeInMissingFileIsAnError()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(
        MotraError, CodeInStatisticsFile(QStringLiteral("A"), dir.filePath(QStringLiteral("x.da2"))));
}

void TestStatistics::attachTwiceRefused_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("tail"); // what the file ends with before the attach
    QTest::addColumn<bool>("attached"); // by the first attach
    QTest::newRow("plain code") << "K-1" << QByteArray() << true;
    QTest::newRow("code with a TAB") << "K\t1" << QByteArray() << true;
    QTest::newRow("after a partial line") << "K-1" << QByteArray("K-9\t2004.3") << true;
    QTest::newRow("partial line of the code") << "K-1" << QByteArray("K-1\t2004.3") << false;
}

void TestStatistics::attachTwiceRefused()
{
    QFETCH(QString, code);
    QFETCH(QByteArray, tail);
    QFETCH(bool, attached);
    TestInstallation inst(true);
    const QString file = statisticsFile(QStringLiteral("minta.DA2"));
    const QByteArray start = StatisticsHeader(Teacher).toLatin1() + tail;
    inst.writeBytes(file, start);
    CaseRecord record;
    record.setCurrentKind(Teacher);
    record.Personal.ChildCode = code;
    QCOMPARE(attachToStatisticsFile(record, QStringLiteral("minta.DA2")), attached);
    // The new record stands on a line of its own, whole.
    const QByteArray once
        = attached ? start + (tail.isEmpty() ? "" : "\r\n") + StatisticsLine(record).toLatin1() : start;
    QCOMPARE(inst.readBytes(file), once);
    // A cut last line that a new record follows is not taken in silence.
    QCOMPARE(m_notices.size(), attached && !tail.isEmpty() ? 1 : 0);
    if (!m_notices.isEmpty())
        QVERIFY2(
            m_notices.first().contains(file + QStringLiteral("\" fájl utolsó sora")), qPrintable(m_notices.first()));
    QVERIFY(!attachToStatisticsFile(record, QStringLiteral("minta.DA2")));
    QCOMPARE(inst.readBytes(file), once);
}

void TestStatistics::createRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("exists in other case") << "REGI"
                                          << "már létezik";
    QTest::newRow("too long") << "abcdefghi"
                              << "legfeljebb 8";
    QTest::newRow("slash") << "a/b"
                           << "angol ABC";
    QTest::newRow("mask character") << "a*"
                                    << "angol ABC";
    QTest::newRow("empty") << ""
                           << "angol ABC";
}

void TestStatistics::createRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    TestInstallation inst(true);
    inst.writeBytes(statisticsFile(QStringLiteral("regi.da1")), "x\r\n");
    CaseRecord record;
    record.setCurrentKind(Parent);
    try {
        createStatisticsFile(record, name);
        QFAIL("created");
    } catch (const MotraError &error) {
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
    QCOMPARE(QDir(inst.path(FixedPaths::StatFolderNoSlash)).entryList(QDir::Files), QStringList{"regi.da1"});
    QCOMPARE(inst.readBytes(statisticsFile(QStringLiteral("regi.da1"))), QByteArray("x\r\n"));
    createStatisticsFile(record, QStringLiteral("uj-1"));
    QCOMPARE(inst.readBytes(statisticsFile(QStringLiteral("uj-1.da1"))),
        (StatisticsHeader(Parent) + StatisticsLine(record)).toLatin1());
}

void TestStatistics::summaryHeaderWhenNewOrKindChanges()
{
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    const QString summary = hostPath(FixedPaths::SummaryStatFile);
    CaseRecord record;
    record.Personal.ChildCode = QStringLiteral("A1");

    record.setCurrentKind(Parent);
    AppendToSummaryFile(record);
    QCOMPARE(QString::fromLatin1(readAll(summary)), StatisticsHeader(Parent) + StatisticsLine(record));

    // The same kind again: no second header.
    record.Personal.ChildCode = QStringLiteral("A2");
    const QString secondParent = StatisticsLine(record);
    AppendToSummaryFile(record);
    // Another kind: its own header above its line.
    record.setCurrentKind(SelfReport);
    const QString selfReport = StatisticsLine(record);
    AppendToSummaryFile(record);
    // Back to the first kind.
    record.setCurrentKind(Parent);
    AppendToSummaryFile(record);

    const QStringList lines = TextFile::readLines(summary);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0] + "\r\n", StatisticsHeader(Parent));
    QVERIFY(lines[1].startsWith(QLatin1String("A1\t")));
    QCOMPARE(lines[2] + "\r\n", secondParent);
    QCOMPARE(lines[3] + "\r\n", StatisticsHeader(SelfReport));
    QCOMPARE(lines[4] + "\r\n", selfReport);
    QCOMPARE(lines[5] + "\r\n", StatisticsHeader(Parent));
    QVERIFY(lines[6].startsWith(QLatin1String("A2\t")));
}

void TestStatistics::summaryFileWithoutLastLineEnd()
{
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    inst.writeBytes(FixedPaths::SummaryStatFile, "kezzel irt sor");
    CaseRecord record;
    record.setCurrentKind(Teacher);
    AppendToSummaryFile(record);
    const QStringList lines = TextFile::readLines(hostPath(FixedPaths::SummaryStatFile));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("kezzel irt sor"));
    QCOMPARE(lines[1] + "\r\n", StatisticsHeader(Teacher));
    QCOMPARE(m_notices.size(), 1);
    QVERIFY2(m_notices.first().contains(FixedPaths::SummaryStatFile), qPrintable(m_notices.first()));
}

// A save killed while appending left a cut line (and the append's note): the next save
// rolls it back before it looks at the last line, so no fragment stays as a record.
void TestStatistics::summaryAfterKilledAppend()
{
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    CaseRecord record;
    record.setCurrentKind(Parent);
    record.Personal.ChildCode = QStringLiteral("R1");
    const QByteArray whole = (StatisticsHeader(Parent) + StatisticsLine(record)).toLatin1();
    record.Personal.ChildCode = QStringLiteral("R2");
    const QByteArray cut = StatisticsLine(record).toLatin1().left(40);
    inst.writeBytes(FixedPaths::SummaryStatFile, whole + cut);
    inst.writeBytes(FixedPaths::SummaryStatFile + QStringLiteral(".before-append"),
        QByteArray::number(whole.size()) + ' ' + QByteArray::number(whole.size() + 2000));
    AppendToSummaryFile(record);
    QCOMPARE(inst.readBytes(FixedPaths::SummaryStatFile), whole + StatisticsLine(record).toLatin1());

    // The same for a study file the record is attached to.
    const QString study = FixedPaths::StatFolder + QStringLiteral("minta.da1");
    inst.writeBytes(study, whole + cut);
    inst.writeBytes(study + QStringLiteral(".before-append"),
        QByteArray::number(whole.size()) + ' ' + QByteArray::number(whole.size() + 2000));
    QVERIFY(attachToStatisticsFile(record, QStringLiteral("minta.da1")));
    QCOMPARE(inst.readBytes(study), whole + StatisticsLine(record).toLatin1());
}

void TestStatistics::summaryFileThatIsAFifo()
{
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    const QString summary = hostPath(FixedPaths::SummaryStatFile);
    QCOMPARE(::mkfifo(QFile::encodeName(summary).constData(), 0600), 0);
    CaseRecord record;
    alarm(20); // a blocking open fails the test instead of hanging it
    QString message;
    try {
        AppendToSummaryFile(record);
    } catch (const MotraError &error) {
        message = error.message();
    }
    alarm(0);
    QVERIFY2(message.contains(QStringLiteral("csővezeték")), qPrintable(message));
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
