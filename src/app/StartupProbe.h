#pragma once

class QWidget;

// For start-up measurements only: when the environment variable MOTRA_EXIT_WHEN_SHOWN is
// set, the process ends the moment the watched window has first been painted on the screen,
// so that launch-to-visible can be timed from outside. Without the variable it does nothing.
namespace StartupProbe {

void watch(QWidget *window);

} // namespace StartupProbe
