#include "ui/DeferredBuild.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QVector>
#include <QWidget>

namespace DeferredBuild {

namespace {

int openScopes = 0;

// The waiting steps of one window, deleted with it.
class PendingSteps : public QObject
{
public:
    explicit PendingSteps(QWidget *window) : QObject(window) { }

    void add(std::function<void()> step) { m_steps.append(std::move(step)); }

    void run()
    {
        const QVector<std::function<void()>> steps = std::move(m_steps);
        m_steps.clear();
        for (const std::function<void()> &step : steps)
            step();
    }

private:
    QVector<std::function<void()>> m_steps;
};

QVector<QPointer<PendingSteps>> &allPending()
{
    static QVector<QPointer<PendingSteps>> list;
    return list;
}

PendingSteps *pendingOf(QWidget *window)
{
    for (const QPointer<PendingSteps> &steps : allPending()) {
        if (steps && steps->parent() == window)
            return steps;
    }
    return nullptr;
}

} // namespace

StartupScope::StartupScope() { ++openScopes; }

StartupScope::~StartupScope() { --openScopes; }

void later(QWidget *window, std::function<void()> step)
{
    if (openScopes == 0 || !window) {
        step();
        return;
    }
    PendingSteps *steps = pendingOf(window);
    if (!steps) {
        steps = new PendingSteps(window);
        allPending().append(steps);
    }
    steps->add(std::move(step));
}

void runPendingOf(QWidget *window)
{
    if (PendingSteps *steps = pendingOf(window))
        steps->run();
}

void runPending()
{
    const QVector<QPointer<PendingSteps>> list = std::move(allPending());
    allPending().clear();
    for (const QPointer<PendingSteps> &steps : list) {
        if (steps)
            steps->run();
    }
    for (const QPointer<PendingSteps> &steps : list)
        delete steps.data();
}

void afterFirstPaint(QWidget *window, std::function<void()> step)
{
    class FirstPaint : public QObject
    {
    public:
        FirstPaint(QWidget *window, std::function<void()> step) : QObject(window), m_step(std::move(step)) { }

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest) {
                watched->removeEventFilter(this);
                // Two turns of the event loop: the paint reaches the screen first, and what
                // was queued with it is handled before the step.
                QTimer::singleShot(0, this, [this] {
                    QTimer::singleShot(0, this, [this] {
                        m_step();
                        deleteLater();
                    });
                });
            }
            return false;
        }

    private:
        std::function<void()> m_step;
    };
    window->installEventFilter(new FirstPaint(window, std::move(step)));
}

} // namespace DeferredBuild
