// Times loading and sorting a large parent statistics file, as the maintenance window does
// it: in the record list alone, and through the window with its list view on screen.
// Usage: bench_statmaintenance [RECORD_COUNT] [RUNS]   (default 20000 records, 7 runs)

#include "BenchSupport.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/Questionnaire.h"
#include "case/TextFile.h"
#include "stats/StatisticsFiles.h"
#include "stats/StatisticsRecordList.h"
#include "stats/TStatTMKForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <vector>

namespace {

constexpr double GoalMs = 100;

// Codes as a study has them: letters with Hungarian accents and digraphs, then a number,
// in no order; the values are answers 0..3 and scores like the program writes them.
QString studyFile(int records)
{
    static const QStringList stems = {QStringLiteral("ÁRP"), QStringLiteral("CS"), QStringLiteral("CU"),
        QStringLiteral("GY"), QStringLiteral("KO"), QStringLiteral("ŐR"), QStringLiteral("ÖD"), QStringLiteral("SZ"),
        QStringLiteral("ZS"), QStringLiteral("ba"), QStringLiteral("él")};
    QRandomGenerator random(12);
    const int slotCount = kindInfo(Parent).slotCount;
    QString text = StatisticsHeader(Parent);
    text.reserve(records * (slotCount * 3 + 40));
    for (int i = 0; i < records; ++i) {
        text += stems[random.bounded(int(stems.size()))] + QLatin1Char('-') + QString::number(random.bounded(100000));
        text += QStringLiteral("\t2004.3.15.\t") + QString::number(1 + i % 2) + QLatin1Char('\t')
            + QString::number(6 + i % 13);
        for (int slot = 1; slot <= slotCount; ++slot) {
            text += QLatin1Char('\t');
            text += slot > slotCount - 30 ? QString::number(30 + random.bounded(70))
                                          : QString::number(random.bounded(4));
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    const int runs = argc > 2 ? qMax(1, QString::fromLocal8Bit(argv[2]).toInt()) : 7;
    QTextStream report(stdout);

    QTemporaryDir root;
    if (!root.isValid() || !QDir().mkpath(root.path() + QStringLiteral("/_halden/motra/stat"))) {
        report << "cannot make a temporary installation\n";
        return 1;
    }
    qputenv("MOTRA_ROOT", root.path().toLocal8Bit());
    const QString name = QStringLiteral("nagy.da1");
    const QString file = FixedPaths::StatFolder + name;
    {
        QFile out(hostPath(file));
        const QByteArray bytes = TextFile::encode(studyFile(records), file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
            report << "cannot write " << out.fileName() << "\n";
            return 1;
        }
        report << "file: " << records << " records, " << bytes.size() / 1024 << " KiB\n";
    }

    std::vector<double> load, sort, window;
    for (int run = 0; run < runs; ++run) {
        StatisticsRecordList list;
        QElapsedTimer timer;
        timer.start();
        list.load(file);
        load.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        list.sortRecords();
        sort.push_back(timer.nsecsElapsed() / 1e6);
        if (list.count() != records + 1) {
            report << "loaded " << list.count() << " lines\n";
            return 1;
        }

        // The same through the window: choosing the file, then "rendezd betűrendbe !", with
        // the list view painted after each.
        TStatTMKForm form;
        form.show();
        QApplication::processEvents();
        timer.restart();
        form.FileListBox1->setCurrentItem(form.FileListBox1->findItems(name, Qt::MatchExactly).value(0));
        form.ListBox1->viewport()->repaint();
        form.BitBtn2Click();
        form.ListBox1->viewport()->repaint();
        window.push_back(timer.nsecsElapsed() / 1e6);
        if (form.records()->count() != records + 1) {
            report << "the window loaded " << form.records()->count() << " lines\n";
            return 1;
        }
    }

    const double core = BenchSupport::median(load) + BenchSupport::median(sort);
    report << "medians of " << runs << " runs:\n";
    report << "  load:                 " << BenchSupport::median(load) << " ms\n";
    report << "  sort:                 " << BenchSupport::median(sort) << " ms\n";
    report << "  load + sort:          " << core << " ms, ratio to the " << GoalMs << " ms goal: " << core / GoalMs
           << "\n";
    report << "  in the window:        " << BenchSupport::median(window)
           << " ms, ratio to the goal: " << BenchSupport::median(window) / GoalMs << "\n";
    report << "goal: ratio <= 1\n";
    return 0;
}
