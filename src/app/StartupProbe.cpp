#include "app/StartupProbe.h"

#include <QBackingStore>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace StartupProbe {

namespace {

class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            // Let the paint reach the window system first, then leave without tearing down.
            QMetaObject::invokeMethod(
                this,
                [widget] {
                    if (QBackingStore *store = widget->backingStore())
                        store->flush(widget->rect());
                    std::fflush(nullptr);
                    ::_exit(0);
                },
                Qt::QueuedConnection);
            widget->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

void watch(QWidget *window)
{
    if (!window || qEnvironmentVariableIsEmpty("MOTRA_EXIT_WHEN_SHOWN"))
        return;
    window->installEventFilter(new FirstPaint(window));
}

} // namespace StartupProbe
