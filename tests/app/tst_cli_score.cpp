#include "app/CliCommands.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "scoring/ScoringDriver.h"

#include "TestInstallation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// An examination with an answer in every numeric row, as a case file would hold it.
void fillAnswers(CaseRecord &record)
{
    record.startNewExamination();
    record.Personal.ChildCode = QStringLiteral("CLI-1");
    record.Personal.ChildName = QStringLiteral("Parancssori Péter");
    record.Personal.Age = 12;
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        AnswerSet &set = record.answers(kind);
        const KindInfo &info = kindInfo(kind);
        for (int row = 4; row < info.firstResultRow; ++row) {
            if (set.rows()[row].isFreeText())
                set.setValueText(row, QStringLiteral("foci"));
            else
                set.setValueText(row, QString::number((row * 7 + kind) % 3));
        }
    }
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs motra-cli with the arguments as given; standard output goes to outputFile when one is named.
Run runTool(const QStringList &args, const QString &root, const QString &outputFile = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOTRA_ROOT"), root);
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(env);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/motra-cli"), args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

Run runCli(const QStringList &args, const QString &root)
{
    return runTool(QStringList{QStringLiteral("score")} + args, root);
}

// What the command should print for one questionnaire, scored here in-process.
QStringList expectedLines(const QString &caseFile, int kind)
{
    CaseRecord record;
    readCaseFile(record, caseFile);
    try {
        ScoreKind(record, kind);
    } catch (const MotraError &error) {
        return {QStringLiteral("%1\terror\t%2").arg(kind).arg(error.headline())};
    }
    QStringList lines;
    const KindInfo &info = kindInfo(kind);
    for (int k = 1; k <= info.scaleCount; ++k) {
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(kind)
                     .arg(k)
                     .arg(record.answers(kind).valueText(info.firstResultRow + k - 1))
                     .arg(record.scores(kind).TScores[k - 1]);
    }
    return lines;
}

} // namespace

class TestCliScore : public QObject
{
    Q_OBJECT

private slots:
    void scoresDemoCase();
    void missingNormFiles();
    void unreadableFile();
    void wrongArguments();
    void exitCodes_data();
    void exitCodes();
};

void TestCliScore::scoresDemoCase()
{
    TestInstallation inst;
    if (!inst.isValid())
        QSKIP("the generated demo installation is not available");
    CaseRecord record;
    fillAnswers(record);
    const QString caseFile = inst.path(QStringLiteral("c:\\_halden\\motra\\archivum\\CLI-1.mtr"));
    writeCaseFileTo(record, caseFile);

    const Run run = runCli({caseFile}, inst.root());
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int counts[3] = {15, 17, 16};
    static const QRegularExpression scoreLine(QStringLiteral("^([123])\\t(\\d+)\\t(-?\\d+\\.\\d)\\t(-?\\d+)$"));
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        QStringList ofKind;
        for (const QString &line : lines) {
            if (line.startsWith(QString::number(kind) + QLatin1Char('\t')))
                ofKind << line;
        }
        QCOMPARE(ofKind.size(), counts[kind - 1]);
        for (int k = 0; k < ofKind.size(); ++k) {
            const QRegularExpressionMatch match = scoreLine.match(ofKind[k]);
            QVERIFY2(match.hasMatch(), qPrintable(ofKind[k]));
            QCOMPARE(match.captured(2).toInt(), k + 1);
        }
        QCOMPARE(ofKind, expectedLines(caseFile, kind));
    }
    QCOMPARE(lines.size(), 15 + 17 + 16);

    // The same file named as the program shows it.
    const Run byFixedPath = runCli({QStringLiteral("c:\\_halden\\motra\\archivum\\CLI-1.mtr")}, inst.root());
    QCOMPARE(byFixedPath.exitCode, 0);
    QCOMPARE(byFixedPath.out, run.out);
}

void TestCliScore::missingNormFiles()
{
    // Without norm and scale files every questionnaire reports its error; the file was read.
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    CaseRecord record;
    fillAnswers(record);
    const QString caseFile = inst.path(QStringLiteral("c:\\_halden\\motra\\archivum\\CLI-2.mtr"));
    writeCaseFileTo(record, caseFile);

    const Run run = runCli({caseFile}, inst.root());
    QCOMPARE(run.exitCode, int(ExitBadInput));
    QStringList expected;
    for (int kind = Parent; kind <= SelfReport; ++kind)
        expected << expectedLines(caseFile, kind);
    for (const QString &line : expected)
        QVERIFY2(line.contains(QStringLiteral("\terror\t")), qPrintable(line));
    QCOMPARE(run.out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    // Standard error has the whole message: the file and the reason below the fixed text.
    QVERIFY2(run.err.contains(QStringLiteral("motra-cli score: szülői kérdőív:  Nem találom a SKALA1.TXT fájlt.\n"
                                             "  Fájl: c:\\_halden\\motra\\skala1.txt\n  A gépen: ")),
        qPrintable(run.err));
}

void TestCliScore::unreadableFile()
{
    TestInstallation inst(true);
    QTemporaryDir dir;
    Run run = runCli({dir.filePath(QStringLiteral("nincs.mtr"))}, inst.root());
    QCOMPARE(run.exitCode, int(ExitBadInput));
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("nincs.mtr")), qPrintable(run.err));

    const QString bad = dir.filePath(QStringLiteral("rossz.mtr"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<MOTRA=>\r\n<Kora=abc>\r\n");
    file.close();
    run = runCli({bad}, inst.root());
    QCOMPARE(run.exitCode, int(ExitBadInput));
    QVERIFY(run.out.isEmpty());
    // The fixed text, then the file the value came from.
    QVERIFY2(
        run.err.endsWith(QStringLiteral("'abc' is not a valid integer value\n  Esetfájl: ") + bad + QLatin1Char('\n')),
        qPrintable(run.err));
}

void TestCliScore::wrongArguments()
{
    TestInstallation inst(true);
    for (const QStringList &args : {QStringList{}, QStringList{QStringLiteral("a.mtr"), QStringLiteral("b.mtr")}}) {
        const Run run = runCli(args, inst.root());
        QCOMPARE(run.exitCode, int(ExitUsage));
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains(QStringLiteral("motra-cli score")));
    }
}

// One exit code per kind of failure, and 0 only when everything asked for was written.
void TestCliScore::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("fullOutput"); // standard output on a full device
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // on standard error
    QTest::newRow("help") << QStringList{"--help"} << false << int(ExitSuccess) << "";
    QTest::newRow("no command") << QStringList{} << false << int(ExitUsage) << "használat:";
    QTest::newRow("unknown command") << QStringList{"pontoz", "CASE"} << false << int(ExitUsage) << "használat:";
    QTest::newRow("case file is a FIFO") << QStringList{"score", "FIFO"} << false << int(ExitBadInput)
                                         << "Oka: ez egy csővezeték (FIFO), nem közönséges fájl";
    QTest::newRow("case file is a folder")
        << QStringList{"score", "FOLDER"} << false << int(ExitBadInput) << "Oka: ez egy mappa, nem fájl";
    QTest::newRow("score to a full disk")
        << QStringList{"score", "CASE"} << true << int(ExitWriteFailed) << "Oka: No space left on device";
    QTest::newRow("stats to a full disk")
        << QStringList{"stats", "1", "CASE"} << true << int(ExitWriteFailed) << "Oka: No space left on device";
    QTest::newRow("help to a full disk") << QStringList{"--help"} << true << int(ExitWriteFailed)
                                         << "Oka: No space left on device";
    QTest::newRow("stats over a FIFO named as a file")
        << QStringList{"stats", "2", "CASE", "FIFO"} << false << int(ExitBadInput) << "csővezeték";
    // The folder scan passes the FIFO beside the case file by, without waiting on it.
    QTest::newRow("stats over a folder with a FIFO")
        << QStringList{"stats", "2", "ARCHIVE"} << false << int(ExitSuccess) << "";
    // The chart's platform says nothing about a missing runtime folder.
    QTest::newRow("chart without a runtime folder")
        << QStringList{"chart", "CASE", "1", "1", "-o", "OUT"} << false << int(ExitSuccess) << "";
}

void TestCliScore::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(bool, fullOutput);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TestInstallation inst;
    if (!inst.isValid())
        QSKIP("the generated demo installation is not available");
    CaseRecord record;
    fillAnswers(record);
    const QString caseFile = inst.path(QStringLiteral("c:\\_halden\\motra\\archivum\\CLI-1.mtr"));
    writeCaseFileTo(record, caseFile);
    const QString fifo = inst.root() + QStringLiteral("/cso.mtr");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString archive = QFileInfo(caseFile).path();
    QCOMPARE(::mkfifo(QFile::encodeName(archive + QStringLiteral("/cso.mtr")).constData(), 0600), 0);
    args.replaceInStrings(QStringLiteral("ARCHIVE"), archive);
    args.replaceInStrings(QStringLiteral("OUT"), inst.root() + QStringLiteral("/chart.bmp"));
    args.replaceInStrings(QStringLiteral("CASE"), caseFile);
    args.replaceInStrings(QStringLiteral("FIFO"), fifo);
    args.replaceInStrings(QStringLiteral("FOLDER"), inst.root());

    const Run run = runTool(args, inst.root(), fullOutput ? QStringLiteral("/dev/full") : QString());
    QCOMPARE(run.exitCode, exitCode);
    if (message.isEmpty())
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    else
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (fullOutput)
        QVERIFY2(run.err.contains(QStringLiteral("A kimenet nem írható ki hiánytalanul.")), qPrintable(run.err));
    if (args.value(0) == QLatin1String("--help") && exitCode == ExitSuccess) {
        QVERIFY(run.out.contains(QStringLiteral("  4  egy kimenet nem írható ki hiánytalanul")));
        QVERIFY2(
            run.out.contains(QStringLiteral("\na telepítés helye most: %1\n").arg(inst.root())), qPrintable(run.out));
    } else if (args.value(0) == QLatin1String("stats") && exitCode == ExitSuccess) {
        QVERIFY2(run.out.contains(QStringLiteral("CLI-1\t")), qPrintable(run.out));
    }
}

QTEST_GUILESS_MAIN(TestCliScore)
#include "tst_cli_score.moc"
