// Median time of an entry window's scoring on activation, on a fresh demo installation.
// Goal: well under 5 ms, so that bringing a questionnaire window up never lags.

#include "TestInstallation.h"

#include "case/CaseRecord.h"
#include "entry/EntryWindows.h"
#include "ui/ModalSeam.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Counts anything the scoring would have shown; a benchmark must never block.
class SilentSeam : public ModalSeam
{
public:
    int messages = 0;
    QAction *popupMenu(QMenu *, const QPoint &) override { return nullptr; }
    int execDialog(QDialog *) override { return 0; }
    void showMessage(QWidget *, const QString &) override { ++messages; }
    bool askYesNo(QWidget *, const QString &) override { return false; }
    void openDocument(const QString &) override { }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    TestInstallation inst;
    if (!inst.isValid()) {
        out << "bench_entry: the demo installation is missing (build the demo target first)\n";
        return 1;
    }
    SilentSeam seam;
    ModalSeam::install(&seam);
    int notices = 0;
    windowServices().showNotice = [&notices](const QString &) { ++notices; };

    CaseRecord record;
    EntryWindows windows{new TSzuloForm(record), new TTanarForm(record), new TOnertForm(record)};
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();

    constexpr int Runs = 200;
    const struct
    {
        int kind;
        AnswerGridForm *form;
        const char *name;
    } forms[] = {{Parent, windows.szulo, "parent"}, {Teacher, windows.tanar, "teacher"},
        {SelfReport, windows.onert, "self-report"}};
    for (const auto &entry : forms) {
        record.setCurrentKind(entry.kind);
        AnswerSet &answers = record.answers(entry.kind);
        // A filled questionnaire: every symptom row answered.
        entry.form->amaradkotnullkkal1Click();
        for (int row = kindInfo(entry.kind).firstItemRow; row < kindInfo(entry.kind).firstResultRow; row += 3) {
            if (!answers.rows()[row].isFreeText())
                answers.setValueText(row, QString::number(row % 3));
        }
        std::vector<double> times;
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            entry.form->FormActivate();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        out << "scoring on activation, " << entry.name << ": median " << QString::number(times[Runs / 2], 'f', 3)
            << " ms, max " << QString::number(times.back(), 'f', 3) << " ms (" << Runs << " runs)\n";
    }
    out << "messages shown: " << seam.messages << ", notices: " << notices << "\n";
    delete windows.szulo;
    delete windows.tanar;
    delete windows.onert;
    ModalSeam::install(nullptr);
    return seam.messages + notices == 0 ? 0 : 1;
}
