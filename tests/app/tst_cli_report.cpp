#include "TestInstallation.h"

#include "app/CliCommands.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "case/TextFile.h"
#include "reports/HtmlReport.h"
#include "scoring/ScoringDriver.h"
#include "stats/StatisticsFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run runCli(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/motra-cli"), args);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    // Only the tool's own messages; the platform may add warnings about its environment.
    const QStringList lines = QString::fromUtf8(process.readAllStandardError()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        // (indented lines continue a message of the tool: its file and reason)
        if (line.startsWith(QLatin1String("motra-cli")) || line.startsWith(QStringLiteral("használat"))
            || line.startsWith(QLatin1String("  ")))
            run.err += line + QLatin1Char('\n');
    }
    return run;
}

// An examination with every questionnaire answered; `seed` varies the answers.
void fillRecord(CaseRecord &record, const QString &code, int seed)
{
    record.startNewExamination();
    record.Personal.ChildCode = code;
    record.Personal.ChildName = QStringLiteral("Teszt Ödön %1").arg(seed);
    record.Personal.IsBoy = seed % 2 == 0;
    record.Personal.Age = 8 + seed % 9;
    record.Personal.ExamDate = QStringLiteral("2004.3.%1.").arg(1 + seed % 28);
    record.Personal.Examiner = QStringLiteral("Kő Béla");
    record.Opinion = QStringList{QStringLiteral("Vélemény & <megjegyzés>")};
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        const QVector<RowDefinition> &rows = rowList(kind);
        AnswerSet &answers = record.answers(kind);
        for (int r = 4; r < info.firstResultRow; ++r) {
            if (rows[r].isFreeText())
                continue;
            const bool item = rows[r].SlotNumber >= info.firstItemSlot;
            answers.setValueText(r, QString::number((r * 7 + seed * 3) % (item ? 3 : 4)));
            answers.setAnswerLabel(r, QStringLiteral("válasz"));
        }
    }
}

// What opening the file in the program gives: read, personal data into the first rows, scored.
QString scoredInProcess(CaseRecord &record, const QString &file, int onlyKind = 0)
{
    readCaseFile(record, file);
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (onlyKind == 0 || kind == onlyKind)
            ScoreKind(record, kind);
    }
    return StatisticsLine(record);
}

} // namespace

class TestCliReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportWritesScoredPage();
    void reportSections();
    void reportBadArguments_data();
    void reportBadArguments();
    void reportUnwritableOutput();
    void reportScoringFailureKeepsOthers();
    void statsOverFolderAndFiles();
    void statsBadArguments_data();
    void statsBadArguments();

private:
    QString writeCase(const QString &code, int seed) const
    {
        CaseRecord record;
        fillRecord(record, code, seed);
        const QString path = hostPath(FixedPaths::caseFile(code));
        writeCaseFileTo(record, path);
        return path;
    }
};

void TestCliReport::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/motra-cli")).isExecutable());
}

void TestCliReport::reportWritesScoredPage()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QString file = writeCase(QStringLiteral("A7"), 1);
    const QString page = inst.root() + QStringLiteral("/out.htm");
    const Run run = runCli({QStringLiteral("report"), file, QStringLiteral("-o"), page});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));

    CaseRecord expected;
    scoredInProcess(expected, file);
    // The scores were computed, not taken over from the case file.
    QVERIFY(expected.scores(Parent).TScores[14] > 0);
    QCOMPARE(TextFile::readLines(page), htmlReportLines(expected, true, true, true));
}

void TestCliReport::reportSections()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QString file = writeCase(QStringLiteral("B1"), 2);
    const QString page = inst.root() + QStringLiteral("/b.htm");
    QCOMPARE(
        runCli({QStringLiteral("report"), file, QStringLiteral("--self-report"), QStringLiteral("-o"), page}).exitCode,
        0);
    QString text = TextFile::readLines(page).join(QLatin1Char('\n'));
    QVERIFY(text.contains(QLatin1String("onertvalaszok")));
    QVERIFY(!text.contains(QLatin1String("szulovalaszok")));
    QVERIFY(!text.contains(QLatin1String("tanarvalaszok")));

    QCOMPARE(runCli({QStringLiteral("report"), QStringLiteral("--teacher"), file, QStringLiteral("-o"), page,
                        QStringLiteral("--parent")})
                 .exitCode,
        0);
    text = TextFile::readLines(page).join(QLatin1Char('\n'));
    QVERIFY(text.contains(QLatin1String("szulovalaszok")));
    QVERIFY(text.contains(QLatin1String("tanarvalaszok")));
    QVERIFY(!text.contains(QLatin1String("onertvalaszok")));
    QVERIFY(text.indexOf(QLatin1String("szulovalaszok")) < text.indexOf(QLatin1String("tanarvalaszok")));
}

void TestCliReport::reportBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("nothing") << QStringList{} << int(ExitUsage);
    QTest::newRow("no output") << QStringList{"CASE"} << int(ExitUsage);
    QTest::newRow("no case file") << QStringList{"-o", "OUT"} << int(ExitUsage);
    QTest::newRow("-o without name") << QStringList{"CASE", "-o"} << int(ExitUsage);
    QTest::newRow("unknown option") << QStringList{"CASE", "-o", "OUT", "--all"} << int(ExitUsage);
    QTest::newRow("two case files") << QStringList{"CASE", "CASE", "-o", "OUT"} << int(ExitUsage);
    QTest::newRow("missing case file") << QStringList{"MISSING", "-o", "OUT"} << int(ExitBadInput);
    QTest::newRow("damaged age") << QStringList{"DAMAGED", "-o", "OUT"} << int(ExitBadInput);
}

void TestCliReport::reportBadArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QString file = writeCase(QStringLiteral("C1"), 3);
    const QString damaged = inst.root() + QStringLiteral("/damaged.mtr");
    TextFile::writeLines(damaged, {QStringLiteral("<MOTRA=>"), QStringLiteral("<Kora=tizenkét>")});
    const QString out = inst.root() + QStringLiteral("/out.htm");
    args.replaceInStrings(QStringLiteral("CASE"), file);
    args.replaceInStrings(QStringLiteral("MISSING"), inst.root() + QStringLiteral("/nincs.mtr"));
    args.replaceInStrings(QStringLiteral("DAMAGED"), damaged);
    args.replaceInStrings(QStringLiteral("OUT"), out);
    const Run run = runCli(QStringList{QStringLiteral("report")} + args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFileInfo::exists(out));
}

void TestCliReport::reportUnwritableOutput()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QString file = writeCase(QStringLiteral("D1"), 4);
    const Run run = runCli(
        {QStringLiteral("report"), file, QStringLiteral("-o"), inst.root() + QStringLiteral("/nincs/out.htm")});
    QCOMPARE(run.exitCode, int(ExitWriteFailed));
    QVERIFY2(run.err.contains(QStringLiteral("\n  Oka: hiányzik a(z) „c:\\nincs\\” mappa")), qPrintable(run.err));
}

void TestCliReport::reportScoringFailureKeepsOthers()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    // A teacher answer that is not a number stops only the teacher's scoring.
    CaseRecord record;
    fillRecord(record, QStringLiteral("E1"), 5);
    const KindInfo &teacher = kindInfo(Teacher);
    const QVector<RowDefinition> &rows = rowList(Teacher);
    int itemRow = -1;
    for (int r = 0; r < rows.size() && itemRow < 0; ++r) {
        if (rows[r].SlotNumber == teacher.firstItemSlot)
            itemRow = r;
    }
    record.answers(Teacher).setValueText(itemRow, QStringLiteral("sok"));
    record.scores(Teacher).TScores.fill(0);
    const QString file = hostPath(FixedPaths::caseFile(QStringLiteral("E1")));
    writeCaseFileTo(record, file);
    const QString page = inst.root() + QStringLiteral("/e.htm");
    const Run run = runCli({QStringLiteral("report"), file, QStringLiteral("-o"), page});
    // The page is written, but the exit code says a questionnaire could not be scored.
    QCOMPARE(run.exitCode, int(ExitBadInput));
    QVERIFY2(run.err.contains(QStringLiteral("tanári")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("\n  A hibás válasz helye: tanári kérdőív, ")), qPrintable(run.err));
    QVERIFY2(
        run.err.contains(QStringLiteral("\n  Esetfájl: c:\\_halden\\motra\\archivum\\E1.mtr\n")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QLatin1String("'sok' is not a valid integer value")), qPrintable(run.err));
    QVERIFY(!run.err.contains(QStringLiteral("szülői")));
    QVERIFY(TextFile::readLines(page).contains(QStringLiteral("<TD>sok (válasz)</TD></TR><TR><TD>")
        + htmlText(questionCaption(Teacher, rows[itemRow + 1])) + QStringLiteral("</TD>")));
}

void TestCliReport::statsOverFolderAndFiles()
{
    TestInstallation inst;
    QVERIFY(inst.isValid());
    const QString archive = hostPath(FixedPaths::ArchiveFolder);
    // Only this test's files: the demo's sample examinations go.
    for (const QString &name : QDir(archive).entryList(QDir::Files))
        QVERIFY(QFile::remove(archive + QLatin1Char('/') + name));
    // Written out of name order; the folder is read sorted by name.
    const QString b = writeCase(QStringLiteral("b2"), 7);
    const QString a = writeCase(QStringLiteral("a1"), 6);
    const QString upper = archive + QStringLiteral("/c3.MTR");
    {
        CaseRecord record;
        fillRecord(record, QStringLiteral("Őz-3"), 8);
        writeCaseFileTo(record, upper);
    }
    const QString damaged = archive + QStringLiteral("/d4.mtr");
    TextFile::writeLines(damaged, {QStringLiteral("<MOTRA=>"), QStringLiteral("<Neme=fiú>")});
    TextFile::writeLines(archive + QStringLiteral("/jegyzet.txt"), {QStringLiteral("nem esetfájl")});
    const QString single = inst.root() + QStringLiteral("/kulon.mtr");
    {
        CaseRecord record;
        fillRecord(record, QStringLiteral("k9"), 9);
        writeCaseFileTo(record, single);
    }

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const Run run = runCli({QStringLiteral("stats"), QString::number(kind), archive, single});
        QCOMPARE(run.exitCode, int(ExitBadInput)); // d4.mtr
        QString expected = StatisticsHeader(kind);
        for (const QString &file : {a, b, upper, single}) {
            CaseRecord record;
            expected += scoredInProcess(record, file, kind);
        }
        QCOMPARE(run.out, TextFile::encode(expected, QStringLiteral("expected")));
        QVERIFY(run.out.contains("\n\xd5z-3\t")); // Windows-1250, not UTF-8
        QVERIFY2(run.err.contains(QLatin1String("d4.mtr")), qPrintable(run.err));
        QVERIFY(!run.err.contains(QLatin1String("jegyzet")));
        // One message for the file and the summary under it.
        QCOMPARE(run.err.count(QStringLiteral("motra-cli stats: ")), 2);
        QVERIFY2(run.err.contains(QStringLiteral("4 fájl statisztikai sora elkészült, 1 fájl kimaradt")),
            qPrintable(run.err));
    }

    // Kinds by name give the same file.
    const Run byName = runCli({QStringLiteral("stats"), QStringLiteral("teacher"), a});
    const Run byNumber = runCli({QStringLiteral("stats"), QStringLiteral("2"), a});
    QCOMPARE(byName.exitCode, 0);
    QCOMPARE(byName.out, byNumber.out);
    QCOMPARE(byName.out.count("\r\n"), 2);
}

void TestCliReport::statsBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("kind only") << QStringList{"1"};
    QTest::newRow("unknown kind") << QStringList{"4", "x.mtr"};
    QTest::newRow("word kind") << QStringList{"szulo", "x.mtr"};
}

void TestCliReport::statsBadArguments()
{
    QFETCH(QStringList, args);
    const Run run = runCli(QStringList{QStringLiteral("stats")} + args);
    QCOMPARE(run.exitCode, int(ExitUsage));
    QVERIFY(!run.err.isEmpty());
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_cli_report.moc"
