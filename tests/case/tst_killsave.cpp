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

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <thread>

// A program killed at any moment while it saves and appends must leave every earlier file
// whole: a child process saves an examination and appends statistics in a loop and is
// killed at a random moment; then the files are checked and one more save and append run.
//
// The suite runs a few trials; MOTRA_KILL_TRIALS=200 runs as many by hand, prints how many
// kills left an append's note, a cut line or a save's temporary file, and requires (from 100
// trials on) that each of them was seen at least once. MOTRA_KILL_SEED repeats a run.

namespace {

const QString Code = QStringLiteral("KILL");
const QString StatFile = QStringLiteral("c:\\_halden\\motra\\stat\\kill.da1");
constexpr int FieldsPerLine = 4 + 200; // parent lines and the parent header
const QString SmallFolder = QStringLiteral("c:\\_halden\\motra\\kicsi\\");
const QString SmallFile = SmallFolder + QStringLiteral("kicsi.txt");
// The child appends blocks of a few megabytes: the system stops a write that long between two
// pages when the process is killed, so kills often cut an append. Beyond the limit the child
// starts the file afresh (its next append creates it).
constexpr int LinesPerBlock = 4000;
constexpr qint64 StatFileLimit = 16 << 20;

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

// What a child does until it is killed. Every fourth trial runs the program's whole save
// (case file, list of recent files, summary line) followed by an append to a statistics
// file; the others narrow in on the two moments a kill must be survived at, so that a long
// run meets them often: appends alone, and small saves, whose last step renames the
// temporary file over the old one (a kill just before that step leaves the temporary file,
// about one kill in ten).
enum class Loop { Save, Append, SmallSave };

Loop loopOfTrial(int trial)
{
    constexpr Loop Order[] = {Loop::Save, Loop::SmallSave, Loop::Append, Loop::SmallSave};
    return Order[trial % 4];
}

int childLoop(Loop loop)
{
    CaseRecord record;
    fillVersion(record, 1);
    const QString block = StatisticsLine(record).repeated(LinesPerBlock);
    const QString statFile = hostPath(StatFile);
    const QString smallFile = hostPath(SmallFile);
    // Small saves run in two threads, each on a file of its own: twice the moments to hit.
    std::thread second;
    if (loop == Loop::SmallSave) {
        second = std::thread([smallFile] {
            try {
                for (int version = 1;; ++version)
                    TextFile::writeLines(smallFile + QStringLiteral(".2"), {QString::number(version)});
            } catch (const MotraError &error) {
                std::fprintf(stderr, "%s\n", error.what());
                std::_Exit(1);
            }
        });
    }
    try {
        for (int version = 1;; ++version) {
            if (loop == Loop::SmallSave) {
                TextFile::writeLines(smallFile, {QString::number(version)});
            } else {
                if (loop == Loop::Save) {
                    fillVersion(record, version);
                    WriteCaseFile(record, Code);
                }
                if (QFileInfo(statFile).size() > StatFileLimit)
                    QFile::remove(statFile);
                AppendText(statFile, block);
            }
            // The kill comes after the first round: every save trial finds one of the child's saves.
            if (version == 1) {
                std::fputs("ready\n", stdout);
                std::fflush(stdout);
            }
        }
    } catch (const MotraError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        std::_Exit(1);
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

// QSaveFile's temporary name for the target, whatever its six letters or digits are (the
// saves remove only those with letters of both cases).
bool isTemporaryOf(const QString &name, const QString &target)
{
    if (name.size() != target.size() + 7 || !name.startsWith(target + QLatin1Char('.')))
        return false;
    return std::all_of(name.begin() + target.size() + 1, name.end(),
        [](QChar c) { return c.isDigit() || (c.isLetter() && c.unicode() < 0x80); });
}

const QStringList SavedNames{Code + QStringLiteral(".mtr"), QStringLiteral("last.mod"), QStringLiteral("kicsi.txt"),
    QStringLiteral("kicsi.txt.2")};

// Names in the folder that a save (temporaries) or an append (notes) left behind.
QStringList leftoversIn(const QString &fixedFolder, bool temporaries, bool notes)
{
    QStringList found;
    const QDir folder(hostPath(fixedFolder));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (notes && name.endsWith(QLatin1String(".before-append")))
            found << folder.filePath(name);
        for (const QString &target : SavedNames) {
            if (temporaries && isTemporaryOf(name, target))
                found << folder.filePath(name);
        }
    }
    return found;
}

const QStringList Folders{FixedPaths::ArchiveFolder, FixedPaths::ProgramFolder, FixedPaths::StatFolder, SmallFolder};

QStringList leftovers(bool temporaries, bool notes)
{
    QStringList found;
    for (const QString &folder : Folders)
        found << leftoversIn(folder, temporaries, notes);
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
    QVERIFY(QDir().mkpath(hostPath(SmallFolder)));
    QStringList notices;
    TextFile::setNoticeReporter([&notices](const QString &text) { notices << text; });
    const QString caseFile = hostPath(FixedPaths::caseFile(Code));
    int savesSeen = 0;
    // What the kills left for the next save and append to mend.
    int notesLeft = 0;
    int cutLinesLeft = 0;
    int temporariesLeft = 0;

    for (int trial = 0; trial < trials; ++trial) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), QString::number(int(loopOfTrial(trial)))});
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

        if (!leftovers(false, true).isEmpty())
            ++notesLeft;
        for (const QString &stat : {FixedPaths::SummaryStatFile, StatFile}) {
            if (!partialRecordIn(inst.readBytes(stat)).isEmpty()) {
                ++cutLinesLeft;
                break;
            }
        }
        if (const QStringList temporaries = leftovers(true, false); !temporaries.isEmpty()) {
            ++temporariesLeft;
            // The few that hold letters of one case only stay by design: cleared here.
            for (const QString &path : temporaries) {
                const QString name = QFileInfo(path).fileName();
                if (std::none_of(SavedNames.begin(), SavedNames.end(),
                        [&](const QString &target) { return TextFile::isSaveLeftoverOf(name, target); }))
                    QVERIFY(QFile::remove(path));
            }
        }

        // The next save and append clean up after the killed one.
        CaseRecord record;
        fillVersion(record, 1000 + trial);
        WriteCaseFile(record, Code);
        AppendText(hostPath(StatFile), StatisticsLine(record));
        TextFile::writeLines(hostPath(SmallFile), {QStringLiteral("kicsi")});
        TextFile::writeLines(hostPath(SmallFile) + QStringLiteral(".2"), {QStringLiteral("kicsi")});
        QCOMPARE(TextFile::readLines(caseFile), caseFileLines(record));
        QCOMPARE(ListFiles::readRecentList(), QStringList{FixedPaths::caseFile(Code)});
        QVERIFY2(leftovers(true, true).isEmpty(), qPrintable(leftovers(true, true).join(QLatin1Char(' '))));
        for (const QString &stat : {FixedPaths::SummaryStatFile, StatFile}) {
            const QString partial = partialRecordIn(inst.readBytes(stat));
            QVERIFY2(partial.isEmpty(), qPrintable(stat + QStringLiteral(": ") + partial));
        }
    }
    TextFile::setNoticeReporter({});
    qInfo("%d of %d kills found a whole save of the child; %d left an append's note, %d a cut line, %d a save's "
          "temporary file; the next saves reported %lld leftovers:\n%s",
        savesSeen, trials, notesLeft, cutLinesLeft, temporariesLeft, qsizetype(notices.size()),
        qPrintable(notices.join(QLatin1Char('\n'))));
    QCOMPARE(savesSeen, (trials + 3) / 4);
    // A long run must have met every kind of interrupted write, or it proved little.
    if (trials >= 100) {
        QVERIFY(notesLeft > 0);
        QVERIFY(cutLinesLeft > 0);
        QVERIFY(temporariesLeft > 0);
    }
}

int main(int argc, char *argv[])
{
    // On a memory file system, where there is one, a save takes microseconds rather than a
    // disk's flush, so that the kills land at every step of it alike (the rename at its end
    // included), and a run of trials is quick.
    if (!qEnvironmentVariableIsSet("TMPDIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    QCoreApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return childLoop(Loop(std::atoi(argv[2])));
    TstKillSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killsave.moc"
