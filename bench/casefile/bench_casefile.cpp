// Reading plus writing one case file: median time over many rounds (goal: under 1 ms).
// The parts are timed too, since the write ends in the file system's flush of the
// atomic replace, which depends on the disk more than on the program.
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/TextFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

static void fill(CaseRecord &record)
{
    record.startNewExamination();
    record.Personal.ChildName = QStringLiteral("Árvíztűrő Tükörfúrógép");
    record.Personal.ChildCode = QStringLiteral("BENCH-1");
    record.Personal.Examiner = QStringLiteral("Dr. Őry Ödön");
    record.Personal.ExamDate = QStringLiteral("2004.3.15.");
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        AnswerSet &set = record.answers(kind);
        const KindInfo &info = kindInfo(kind);
        for (int row = 4; row < set.size(); ++row) {
            if (row >= info.firstResultRow) {
                set.setValueText(row, QStringLiteral("57.0"));
            } else {
                set.setValueText(row, QString::number(row % 3));
                set.setAnswerLabel(row, QStringLiteral("néha vagy valamennyire igaz"));
            }
        }
    }
    for (int i = 0; i < 20; ++i)
        record.Opinion << QStringLiteral("A vizsgált személy véleményezése, %1. sor.").arg(i + 1);
}

static double medianMicroseconds(int rounds, const std::function<void()> &work)
{
    std::vector<qint64> times;
    times.reserve(rounds);
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] / 1000.0;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("bench.mtr"));

    CaseRecord source;
    fill(source);
    writeCaseFileTo(source, path);

    const int rounds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    CaseRecord record;
    const double both = medianMicroseconds(rounds, [&] {
        readCaseFile(record, path);
        writeCaseFileTo(record, path);
    });
    const double read = medianMicroseconds(rounds, [&] { readCaseFile(record, path); });
    const double write = medianMicroseconds(rounds, [&] { writeCaseFileTo(record, path); });
    const double lines = medianMicroseconds(rounds, [&] { (void)caseFileLines(record); });
    const double readLines = medianMicroseconds(rounds, [&] { (void)TextFile::readLines(path); });
    out << "median over " << rounds << " rounds, microseconds\n"
        << "  read + write one case file: " << both << "\n"
        << "  read (readCaseFile):        " << read << "\n"
        << "    of it TextFile::readLines: " << readLines << "\n"
        << "  write (writeCaseFileTo):    " << write << "\n"
        << "    of it caseFileLines:       " << lines << "\n";
    return 0;
}
