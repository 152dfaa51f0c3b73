#pragma once

#include <functional>

class QWidget;

// Every window is created at start-up, but what is costly to build in a window (its
// controls, pictures, icons, lists read from files, the main window's hidden workspace) may
// wait until just after the main window has first been shown. A start-up scope defers such
// steps; they run when the program asks (after the first paint, at the latest when the main
// window is unlocked) or when their window is about to be shown through the modal seam or
// the help viewer. Outside a start-up scope, as for a window made on its own, a step runs at
// once.
namespace DeferredBuild {

// While one lives, later() defers; the program's start opens one around making its windows.
class StartupScope
{
public:
    StartupScope();
    ~StartupScope();
    StartupScope(const StartupScope &) = delete;
    StartupScope &operator=(const StartupScope &) = delete;
};

// Runs the step now, or inside a start-up scope when asked for. Steps of a window run in the
// order they were given; steps never change the examination, only the window.
void later(QWidget *window, std::function<void()> step);
// Runs the waiting steps of this window now (before it is shown).
void runPendingOf(QWidget *window);
// Runs every waiting step now, in the order they were given.
void runPending();
// Runs the step once the window has first been painted and what was queued with that paint
// has been handled.
void afterFirstPaint(QWidget *window, std::function<void()> step);

} // namespace DeferredBuild
