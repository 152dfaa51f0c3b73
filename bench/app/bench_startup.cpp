// Start-up of the program to its visible locked window, against a bare Qt Widgets window
// built with the same Qt (bench_barewindow): both are started as whole processes in turn
// (bare, program, bare, program, ...) and end themselves at their first paint
// (MOTRA_EXIT_WHEN_SHOWN). Prints the medians and their ratio.
// Usage: bench_startup [RUNS]   (default 21). Without DISPLAY it starts its own Xvfb.
// Goal: program / bare <= 1.25.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

namespace {

// Wall time of one start, in milliseconds, or -1 when it failed.
double timeStart(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        std::fprintf(stderr, "%s\n", process.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = qMax(1, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 21);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MOTRA_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));

    // A display of our own when there is none.
    QProcess xvfb;
    if (!environment.contains(QStringLiteral("DISPLAY")) && !environment.contains(QStringLiteral("WAYLAND_DISPLAY"))) {
        int number = 90;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            ++number;
        const QString display = QStringLiteral(":%1").arg(number);
        xvfb.start(QStringLiteral("Xvfb"),
            {display, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!xvfb.waitForStarted(5000)) {
            std::fprintf(stderr, "bench_startup: no DISPLAY and Xvfb could not be started (apt install xvfb)\n");
            return 1;
        }
        for (int wait = 0; wait < 100 && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)); ++wait)
            QThread::msleep(50);
        environment.insert(QStringLiteral("DISPLAY"), display);
    }

    // The program on a fresh copy of the demo installation.
    QTemporaryDir root;
    const QString demo
        = QDir(qEnvironmentVariable("MOTRA_DEMO_DIR", QStringLiteral(MOTRA_DEMO_DIR_DEFAULT))).absolutePath();
    if (!root.isValid() || !BenchSupport::copyTree(demo, root.path())) {
        std::fprintf(stderr, "bench_startup: cannot copy the demo installation from %s\n", qPrintable(demo));
        return 1;
    }
    environment.insert(QStringLiteral("MOTRA_ROOT"), root.path());

    const QString bin = QCoreApplication::applicationDirPath();
    const QString bare = bin + QStringLiteral("/bench_barewindow");
    const QString motra = bin + QStringLiteral("/motra");
    std::vector<double> bareMs;
    std::vector<double> motraMs;
    for (int run = 0; run <= runs; ++run) { // run 0 warms the caches and is not counted
        const double b = timeStart(bare, environment);
        const double m = timeStart(motra, environment);
        if (b < 0 || m < 0) {
            std::fprintf(stderr, "bench_startup: a start failed (%s)\n", b < 0 ? "bare window" : "motra");
            return 1;
        }
        if (run > 0) {
            bareMs.push_back(b);
            motraMs.push_back(m);
        }
    }
    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        xvfb.waitForFinished(3000);
    }
    const double b = BenchSupport::median(bareMs);
    const double m = BenchSupport::median(motraMs);
    std::printf("bench_startup: %d alternating runs, %d cores\n", runs, QThread::idealThreadCount());
    std::printf("  bare Qt window to first paint:        median %.1f ms\n", b);
    std::printf("  motra to visible locked main window:  median %.1f ms\n", m);
    std::printf("  motra / bare:                         %.2f (goal <= 1.25)\n", m / b);
    return 0;
}
