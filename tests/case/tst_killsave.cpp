#include "TestInstallation.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "stats/ExaminationSave.h"
#include "stats/StatisticsFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <thread>

// A program killed at any moment while it saves and appends must leave every earlier file
// whole: a child process saves an examination and appends statistics in a loop and is
// killed at a random moment; then the files are checked and one more save and append run.
//
// The suite runs a few trials; MOTRA_KILL_TRIALS=200 runs as many by hand (and prints what
// the next saves found left behind). MOTRA_KILL_SEED repeats a run.

namespace {

const QString Code = QStringLiteral("KILL");
const QString StatFile = QStringLiteral("c:\\_halden\\motra\\stat\\kill.da1");
constexpr int FieldsPerLine = 4 + 200; // parent lines and the parent header

int opinionLines(int version) { return 500 + version % 1500; }

// Version n of the examination: long enough that writing it takes several system calls.
void fillVersion(CaseRecord &record, int version)
{
    record.startNewExamination();
    record.setCurrentKind(Parent);
    record.Personal.ChildCode = Code;
    record.Personal.ChildName = QStringLiteral("Verzió %1").arg(version);
    record.copyPersonalDataToAnswerSets();
    record.Opinion.clear();
    const int lines = opinionLines(version);
    for (int k = 1; k < lines; ++k)
        record.Opinion << QStringLiteral("%1. sor a(z) %2. változatból, ").arg(k).arg(version)
                + QString(80, QChar(0x0151));
    record.Opinion << QStringLiteral("vége %1").arg(version);
}

// The child: saves and appends until it is killed.
int saveLoop()
{
    CaseRecord record;
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (int version = 1;; ++version) {
        fillVersion(record, version);
        try {
            WriteCaseFile(record, Code);
            QString block;
            for (int k = 0; k < 20; ++k)
                block += StatisticsLine(record);
            AppendText(hostPath(StatFile), block);
        } catch (const MotraError &error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
    }
}

// Every line of a statistics file whole: ended by CR LF, with all its fields.
QString partialRecordIn(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        return QStringLiteral("the file does not end with a line end");
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (!line.endsWith('\r') || line.count('\t') + 1 != FieldsPerLine)
            return QStringLiteral("line %1 has %2 fields").arg(i + 1).arg(line.count('\t') + 1);
    }
    return QString();
}

// Names in the folder that a save or an append left behind.
QStringList leftoversIn(const QString &fixedFolder)
{
    QStringList found;
    const QDir folder(hostPath(fixedFolder));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".before-append")))
            found << name;
        for (const QString &target : names) {
            if (TextFile::isSaveLeftoverOf(name, target) || TextFile::isSaveLeftoverOf(name, Code + ".mtr")
                || TextFile::isSaveLeftoverOf(name, QStringLiteral("last.mod")))
                found << name;
        }
    }
    found.removeDuplicates();
    return found;
}

} // namespace

class TstKillSave : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving();
};

void TstKillSave::killedWhileSaving()
{
    const int trials
        = qEnvironmentVariableIsSet("MOTRA_KILL_TRIALS") ? qEnvironmentVariableIntValue("MOTRA_KILL_TRIALS") : 6;
    const quint32 seed = qEnvironmentVariableIsSet("MOTRA_KILL_SEED")
        ? quint32(qEnvironmentVariableIntValue("MOTRA_KILL_SEED"))
        : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("%d trials, MOTRA_KILL_SEED=%u", trials, seed);

    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    QStringList notices;
    TextFile::setNoticeReporter([&notices](const QString &text) { notices << text; });
    const QString caseFile = hostPath(FixedPaths::caseFile(Code));
    int savesSeen = 0;

    for (int trial = 0; trial < trials; ++trial) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop")});
        QVERIFY(child.waitForStarted(10000));
        QVERIFY(child.waitForReadyRead(10000));
        // A moment inside the loop: a few saves, or in the middle of one.
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(200000)));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit); // killed, not stopped by an error

        // The case file is one whole version, never a mixture or a cut.
        if (QFileInfo::exists(caseFile)) {
            CaseRecord read;
            readCaseFile(read, caseFile);
            const int version = read.Personal.ChildName.section(QLatin1Char(' '), 1).toInt();
            QVERIFY2(version > 0, qPrintable(read.Personal.ChildName));
            QCOMPARE(read.Opinion.size(), opinionLines(version));
            QCOMPARE(read.Opinion.last(), QStringLiteral("vége %1").arg(version));
            QCOMPARE(TextFile::readLines(caseFile).size(), 665 + opinionLines(version));
            if (version < 1000)
                ++savesSeen; // written by the child, not by the previous trial's last save
        }

        // The next save and append clean up after the killed one.
        CaseRecord record;
        fillVersion(record, 1000 + trial);
        WriteCaseFile(record, Code);
        AppendText(hostPath(StatFile), StatisticsLine(record));
        QCOMPARE(TextFile::readLines(caseFile), caseFileLines(record));
        QCOMPARE(ListFiles::readRecentList(), QStringList{FixedPaths::caseFile(Code)});
        for (const QString &folder : {FixedPaths::ArchiveFolder, FixedPaths::ProgramFolder, FixedPaths::StatFolder})
            QVERIFY2(leftoversIn(folder).isEmpty(), qPrintable(leftoversIn(folder).join(QLatin1Char(' '))));
        for (const QString &stat : {FixedPaths::SummaryStatFile, StatFile}) {
            const QString partial = partialRecordIn(inst.readBytes(stat));
            QVERIFY2(partial.isEmpty(), qPrintable(stat + QStringLiteral(": ") + partial));
        }
    }
    TextFile::setNoticeReporter({});
    QVERIFY(savesSeen > 0 || trials < 3);
    qInfo("%d of %d kills found a whole save of the child; the next saves reported %lld leftovers:\n%s", savesSeen,
        trials, qsizetype(notices.size()), qPrintable(notices.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop();
    TstKillSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killsave.moc"
