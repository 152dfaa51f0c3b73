// Times `motra-cli stats` over an archive of generated case files against merely reading
// the same files with cat, both as whole processes, in turn (cat, stats on one thread,
// stats on every core, cat, ...), and prints the medians and their ratios.
// Usage: bench_stats [FILE_COUNT [RUNS]]   (defaults 10000 and 7)
// Goals: one thread within 3x of cat, every core faster than one thread.

#include "BenchSupport.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/RowList.h"
#include "case/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <vector>

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const int runs = qMax(1, argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 7);
    QTextStream report(stdout);

    QTemporaryDir root;
    // MOTRA_BENCH_KEEP=1 leaves the generated installation for profiling.
    if (qEnvironmentVariableIsSet("MOTRA_BENCH_KEEP"))
        root.setAutoRemove(false);
    const QString demo
        = QDir(qEnvironmentVariable("MOTRA_DEMO_DIR", QStringLiteral(MOTRA_DEMO_DIR_DEFAULT))).absolutePath();
    if (!root.isValid() || !BenchSupport::copyTree(demo, root.path())) {
        report << "cannot copy the demo installation from " << demo << "\n";
        return 1;
    }
    qputenv("MOTRA_ROOT", root.path().toLocal8Bit());
    const QString archive = QDir(hostPath(FixedPaths::ArchiveFolder)).absolutePath();
    QDir(archive).removeRecursively(); // the demo's own examinations are not part of the archive
    QDir().mkpath(archive);

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

    const QStringList names = QDir(archive).entryList({QStringLiteral("*.mtr")}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &name : names)
        paths << archive + QLatin1Char('/') + name;

    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/motra-cli");
    const QString output = root.path() + QStringLiteral("/out.da1");
    struct Contender
    {
        QString label;
        QString program;
        QStringList arguments;
        std::vector<double> ms;
    };
    std::vector<Contender> contenders = {
        {QStringLiteral("cat of the files"), QStringLiteral("cat"), paths, {}},
        {QStringLiteral("motra-cli stats, 1 thread"), cli,
            {QStringLiteral("stats"), QStringLiteral("--threads"), QStringLiteral("1"), QStringLiteral("1"), archive},
            {}},
        {QStringLiteral("motra-cli stats, all cores"), cli, {QStringLiteral("stats"), QStringLiteral("1"), archive},
            {}},
    };
    QByteArray firstOutput;
    for (int run = 0; run <= runs; ++run) { // run 0 warms the page cache and is not counted
        for (Contender &contender : contenders) {
            QProcess process;
            process.setStandardOutputFile(output);
            timer.restart();
            process.start(contender.program, contender.arguments);
            if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
                || process.exitCode() != 0) {
                report << contender.label << " failed: " << process.readAllStandardError().left(500) << "\n";
                return 1;
            }
            if (run > 0)
                contender.ms.push_back(timer.nsecsElapsed() / 1e6);
            if (contender.program == cli) {
                // Every thread count must give the same lines.
                QFile result(output);
                result.open(QIODevice::ReadOnly);
                const QByteArray bytes = result.readAll();
                if (firstOutput.isEmpty())
                    firstOutput = bytes;
                else if (bytes != firstOutput) {
                    report << contender.label << " printed other lines than the first run\n";
                    return 1;
                }
            }
        }
    }

    const double cat = BenchSupport::median(contenders[0].ms);
    const double single = BenchSupport::median(contenders[1].ms);
    const double all = BenchSupport::median(contenders[2].ms);
    report << "files: " << paths.size() << ", runs: " << runs << ", cores: " << QThread::idealThreadCount() << "\n";
    for (const Contender &contender : contenders)
        report << qSetFieldWidth(28) << Qt::left << contender.label << qSetFieldWidth(0) << " median "
               << QString::number(BenchSupport::median(contender.ms), 'f', 0) << " ms, "
               << qRound(paths.size() * 1000.0 / BenchSupport::median(contender.ms)) << " files/s\n";
    report << "stats on 1 thread / cat:   " << QString::number(single / cat, 'f', 2) << " (goal <= 3)\n";
    report << "stats on all cores / cat:  " << QString::number(all / cat, 'f', 2)
           << " (goal below the 1-thread ratio)\n";
    if (!root.autoRemove())
        report << "installation kept in " << root.path() << "\n";
    return 0;
}
