// Start-up to the locked main window: the record and every window created, the password
// read. Median over several runs, offscreen. Goal: under 0.5 s.
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "case/FixedPaths.h"
#include "ui/ModalSeam.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// No message box may stop the measurement.
class SilentSeam : public ModalSeam
{
public:
    void showMessage(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool askYesNo(QWidget *, const QString &) override { return false; }
};

bool writePasswordFile(const QString &root)
{
    const QString folder = root + QStringLiteral("/_halden/motra");
    for (const char *sub : {"archivum", "aktualis", "html", "stat", "wizard", "help", "jegyzet", "pictures"})
        QDir().mkpath(folder + QLatin1Char('/') + QLatin1String(sub));
    QFile file(folder + QStringLiteral("/standard.dat"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int line = 1; line < 20; ++line)
        file.write("x\r\n");
    file.write("xxxxxxxxxxxxxxxxxxxx6123456000\r\n");
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // A demo installation named in MOTRA_ROOT is used as it is; otherwise a bare one.
    if (qEnvironmentVariableIsEmpty("MOTRA_ROOT")) {
        if (!dir.isValid() || !writePasswordFile(dir.path()))
            return 1;
        qputenv("MOTRA_ROOT", dir.path().toLocal8Bit());
    }
    SilentSeam seam;
    ModalSeam::install(&seam);

    constexpr int Runs = 15;
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        {
            MotraApplication motra;
            motra.mainForm()->showMaximized();
            QApplication::processEvents();
            ms.push_back(timer.nsecsElapsed() / 1e6);
            if (!motra.mainForm()->isLocked())
                return 2;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("bench_startup: %d runs, median %.1f ms, min %.1f ms, max %.1f ms (goal < 500 ms)\n", Runs,
        ms[ms.size() / 2], ms.front(), ms.back());
    ModalSeam::install(nullptr);
    return 0;
}
