// Times `motra-cli stats` over an archive of generated case files against merely reading
// the same files. Usage: bench_stats [FILE_COUNT]   (default 10000)

#include "app/CliCommands.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "case/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(it.filePath());
        if (it.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(it.filePath(), target))
            return false;
    }
    return true;
}

void fillRecord(CaseRecord &record, int seed)
{
    record.startNewExamination();
    record.Personal.ChildCode = QStringLiteral("B%1").arg(seed, 5, 10, QLatin1Char('0'));
    record.Personal.ChildName = QStringLiteral("Teszt %1").arg(seed);
    record.Personal.IsBoy = seed % 2 == 0;
    record.Personal.Age = 6 + seed % 13;
    record.Personal.ExamDate = QStringLiteral("2004.3.15.");
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        const QVector<RowDefinition> &rows = rowList(kind);
        for (int r = 4; r < info.firstResultRow; ++r) {
            if (rows[r].isFreeText())
                continue;
            const bool item = rows[r].SlotNumber >= info.firstItemSlot;
            record.answers(kind).setValueText(r, QString::number((r * 7 + seed * 13) % (item ? 3 : 4)));
            record.answers(kind).setAnswerLabel(r, QStringLiteral("válasz"));
        }
    }
}

double perSecond(int files, qint64 ms) { return ms > 0 ? files * 1000.0 / ms : 0; }

// CPU time of this process: on a busy machine the wall clock also counts other programs.
qint64 cpuMs() { return qint64(std::clock()) * 1000 / CLOCKS_PER_SEC; }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTextStream report(stdout);

    QTemporaryDir root;
    // MOTRA_BENCH_KEEP=1 leaves the generated installation for profiling.
    if (qEnvironmentVariableIsSet("MOTRA_BENCH_KEEP"))
        root.setAutoRemove(false);
    const QString demo = qEnvironmentVariable("MOTRA_DEMO_DIR", QStringLiteral(MOTRA_DEMO_DIR_DEFAULT));
    if (!root.isValid() || !copyTree(demo, root.path())) {
        report << "cannot copy the demo installation from " << demo << "\n";
        return 1;
    }
    qputenv("MOTRA_ROOT", root.path().toLocal8Bit());
    const QString archive = hostPath(FixedPaths::ArchiveFolder);

    QElapsedTimer timer;
    timer.start();
    {
        CaseRecord record;
        const QString folder = QDir(archive).absolutePath() + QLatin1Char('/');
        for (int i = 0; i < count; ++i) {
            fillRecord(record, i);
            // Plain writes into the known folder: the program's own saves replace and sync each
            // file and look the name up in the folder, which would time the disk instead.
            QFile file(folder + record.Personal.ChildCode + QStringLiteral(".mtr"));
            if (!file.open(QIODevice::WriteOnly)
                || file.write(TextFile::encode(
                       caseFileLines(record).join(QLatin1String("\r\n")) + QLatin1String("\r\n"), file.fileName()))
                    < 0) {
                report << "cannot write " << file.fileName() << "\n";
                return 1;
            }
        }
    }
    report << "generated " << count << " case files in " << timer.elapsed() << " ms\n";

    const QStringList files = QDir(archive).entryList({QStringLiteral("*.mtr")}, QDir::Files, QDir::Name);

    // Baseline: reading only.
    timer.restart();
    qint64 cpu = cpuMs();
    {
        CaseRecord record;
        for (const QString &name : files)
            readCaseFile(record, archive + QLatin1Char('/') + name);
    }
    const qint64 readMs = timer.elapsed();
    const qint64 readCpuMs = cpuMs() - cpu;

    // The stats command in this process, output to a file.
    QFile sinkFile(root.path() + QStringLiteral("/stats.da1"));
    if (!sinkFile.open(QIODevice::WriteOnly)) {
        report << "cannot write " << sinkFile.fileName() << "\n";
        return 1;
    }
    QString errors;
    QTextStream out(&sinkFile);
    QTextStream err(&errors);
    timer.restart();
    cpu = cpuMs();
    const int status = runStatsCommand({QStringLiteral("1"), archive}, out, err);
    const qint64 statsMs = timer.elapsed();
    const qint64 statsCpuMs = cpuMs() - cpu;
    out.flush();
    sinkFile.close();
    if (status != 0 || !errors.isEmpty()) {
        report << "stats failed (" << status << "): " << errors.left(500) << "\n";
        return 1;
    }

    // The same through the program, as a user runs it.
    QProcess process;
    process.setStandardOutputFile(root.path() + QStringLiteral("/cli.da1"));
    timer.restart();
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/motra-cli"),
        {QStringLiteral("stats"), QStringLiteral("1"), archive});
    const bool finished = process.waitForFinished(-1);
    const qint64 cliMs = timer.elapsed();

    report << "files: " << files.size() << "\n";
    report << "read only:           " << readMs << " ms, " << qRound(perSecond(files.size(), readMs)) << " files/s\n";
    report << "stats (in process):  " << statsMs << " ms, " << qRound(perSecond(files.size(), statsMs)) << " files/s\n";
    if (finished && process.exitCode() == 0)
        report << "stats (motra-cli):   " << cliMs << " ms, " << qRound(perSecond(files.size(), cliMs)) << " files/s\n";
    else
        report << "motra-cli did not run: " << process.readAllStandardError() << "\n";
    report << "read only, CPU:      " << readCpuMs << " ms, " << qRound(perSecond(files.size(), readCpuMs))
           << " files/s\n";
    report << "stats, CPU:          " << statsCpuMs << " ms, " << qRound(perSecond(files.size(), statsCpuMs))
           << " files/s\n";
    report << "stats / read time:   " << (readMs > 0 ? double(statsMs) / readMs : 0) << " (wall), "
           << (readCpuMs > 0 ? double(statsCpuMs) / readCpuMs : 0) << " (CPU)\n";
    if (!root.autoRemove())
        report << "installation kept in " << root.path() << "\n";
    report << "goals: >= 5000 files/s, ratio <= 10\n";
    return 0;
}
