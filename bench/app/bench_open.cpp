// The open dialog: its activation over an archive of 10,000 case files (drives, folder
// list, file list, drawn once) and a click on a file (its lines, the profile preview and
// the photograph, drawn once), with a small and with a large photograph. Medians over
// several runs, offscreen. Goals: activation within 100 ms, a click within one 60 Hz
// frame (16 ms).
#include "app/TMegnyitForm.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "ui/ModalSeam.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int ArchiveSize = 10000;
constexpr double ActivationGoalMs = 100;
constexpr double ClickGoalMs = 16;

class SilentSeam : public ModalSeam
{
public:
    void showMessage(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool askYesNo(QWidget *, const QString &) override { return false; }
};

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QImage photograph(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    for (int y = 0; y < height; y += 16)
        p.fillRect(0, y, width, 16, QColor::fromHsv((y / 16 * 7) % 360, 120, 220));
    p.setBrush(QColor(240, 205, 175));
    p.drawEllipse(QRect(width / 4, height / 5, width / 2, height / 2));
    return image;
}

void report(const char *what, double ms, double goal)
{
    std::printf("%-46s %8.2f ms   goal %5.0f ms   ratio %.3f\n", what, ms, goal, ms / goal);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    qputenv("MOTRA_ROOT", root.path().toLocal8Bit());
    SilentSeam seam;
    ModalSeam::install(&seam);

    const QString archive = root.filePath(QStringLiteral("_halden/motra/archivum"));
    const QString photos = root.filePath(QStringLiteral("qrelab/kalauz/pictures"));
    QDir().mkpath(archive);
    QDir().mkpath(photos);

    // One real examination to click on; the rest of the archive only has to be listed.
    CaseRecord record;
    record.startNewExamination();
    record.Personal.ChildCode = QStringLiteral("KATT");
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        for (int row = info.rowCount - info.scaleCount; row < info.rowCount; ++row)
            record.answers(kind).setValueText(row, QString::number(30 + row % 50) + QStringLiteral(".5"));
    }
    writeCaseFileTo(record, archive + QStringLiteral("/KATT.mtr"));
    QFile::copy(archive + QStringLiteral("/KATT.mtr"), archive + QStringLiteral("/NAGYKEP.mtr"));
    for (int i = 0; i < ArchiveSize - 2; ++i) {
        QFile file(archive + QStringLiteral("/V%1.mtr").arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write("<MOTRA=>\r\n") != 10)
            return 1;
    }
    photograph(240, 300).save(photos + QStringLiteral("/KATT.jpg"), "JPG", 85);
    photograph(4000, 3000).save(photos + QStringLiteral("/NAGYKEP.jpg"), "JPG", 90);
    photograph(120, 150).save(root.filePath(QStringLiteral("qrelab/kalauz/nincs.bmp")), "BMP");

    TMegnyitForm form;
    form.show();
    QApplication::processEvents();

    const double activation = medianMs(15, [&form] {
        form.FormActivate();
        form.repaint();
    });
    const double listing = medianMs(15, [&form, &archive] { form.setFolder(archive); });
    const double drawing = medianMs(15, [&form] { form.repaint(); });
    std::printf("(listing %.2f ms, drawing %.2f ms)\n", listing, drawing);
    if (form.fileNames().size() != ArchiveSize) {
        std::fprintf(stderr, "the archive lists %lld files, not %d\n", qlonglong(form.fileNames().size()), ArchiveSize);
        return 1;
    }
    const QString small = archive + QStringLiteral("/KATT.mtr");
    const QString large = archive + QStringLiteral("/NAGYKEP.mtr");
    const double click = medianMs(41, [&form, &small] {
        form.showPreview(small, small, true);
        form.repaint();
    });
    const double largeClick = medianMs(21, [&form, &large] {
        form.showPreview(large, large, true);
        form.repaint();
    });

    report("activation, 10,000 case files", activation, ActivationGoalMs);
    report("click: lines, preview, 240x300 photograph", click, ClickGoalMs);
    report("click: lines, preview, 4000x3000 photograph", largeClick, ClickGoalMs);
    return 0;
}
