#include "ScriptedUser.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

namespace {

constexpr int PollMs = 5;
// Enough moves over a menu entry for the menu to take the following click as meant.
constexpr int MenuMoves = 8;

// "&Igen" reads "Igen"; "&&" stands for a literal "&".
QString withoutAccelerator(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                out += QLatin1Char('&');
            ++i;
            if (i < text.size() && text.at(i) != QLatin1Char('&'))
                out += text.at(i);
            continue;
        }
        out += text.at(i);
    }
    return out;
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The text a control shows, or a null string for a control without one.
QString shownText(const QWidget *w)
{
    if (const auto *box = qobject_cast<const QMessageBox *>(w))
        return box->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return withoutAccelerator(button->text());
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(w))
        return spin->text();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(w))
        return plain->toPlainText();
    if (const auto *rich = qobject_cast<const QTextEdit *>(w))
        return rich->toPlainText();
    return QString();
}

bool shownOnScreen(const QWidget *w) { return w->isVisible(); }

// The control of a window named by objectName, or a button by its shown text. Visible
// controls win over hidden ones of the same name.
QWidget *findControl(QWidget *window, const QString &name, QString *error)
{
    QWidget *hidden = nullptr;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->objectName() == name) {
            if (shownOnScreen(w))
                return w;
            hidden = w;
        }
    }
    for (QWidget *w : all) {
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        if (button && withoutAccelerator(button->text()) == name) {
            if (shownOnScreen(w))
                return w;
            hidden = w;
        }
    }
    if (hidden) {
        *error = QStringLiteral("the control %1 is not shown").arg(quoted(name));
        return nullptr;
    }
    QStringList buttons;
    for (QWidget *w : all)
        if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && shownOnScreen(w))
            buttons << quoted(
                button->objectName().isEmpty() ? withoutAccelerator(button->text()) : button->objectName());
    *error = QStringLiteral("no control named %1 (buttons shown: %2)")
                 .arg(quoted(name), buttons.join(QLatin1String(", ")));
    return nullptr;
}

// The widget that takes a key typed into control: its focused editor when it has one.
QWidget *keyTarget(QWidget *control)
{
    QWidget *focus = control->window()->focusWidget();
    if (focus && (focus == control || control->isAncestorOf(focus)))
        return focus;
    return control;
}

void typeChar(QWidget *control, QChar ch)
{
    QWidget *target = keyTarget(control);
    if (ch == QLatin1Char('\n')) {
        QTest::keyClick(target, Qt::Key_Return);
        return;
    }
    if (ch.unicode() < 0x80 && ch.isPrint()) {
        QTest::keyClick(target, char(ch.unicode()));
        return;
    }
    // Letters beyond ASCII ("ő", "ű") arrive as text, as an input method gives them.
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void focusControl(QWidget *control)
{
    if (!keyTarget(control)->hasFocus())
        control->setFocus(Qt::MouseFocusReason);
}

QModelIndex findItem(QAbstractItemView *view, int column, const QString &text)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return QModelIndex();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, column, view->rootIndex());
        if (index.data(Qt::DisplayRole).toString() == text)
            return index;
    }
    return QModelIndex();
}

QStringList itemTexts(const QAbstractItemView *view, int column)
{
    QStringList texts;
    if (const QAbstractItemModel *model = view->model())
        for (int row = 0; row < model->rowCount(view->rootIndex()) && texts.size() < 12; ++row)
            texts << quoted(model->index(row, column, view->rootIndex()).data().toString());
    return texts;
}

QString pickItem(QWidget *control, const QString &text, bool twice)
{
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        // Open the list (it may fill itself now), move onto the entry, press Enter.
        combo->setFocus(Qt::MouseFocusReason);
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        const QModelIndex index = findItem(view, combo->modelColumn(), text);
        if (!index.isValid()) {
            combo->hidePopup();
            return QStringLiteral("the list has no entry %1 (entries: %2)")
                .arg(quoted(text), itemTexts(view, combo->modelColumn()).join(QLatin1String(", ")));
        }
        view->setCurrentIndex(index);
        QTest::keyClick(view, Qt::Key_Return);
        return QString();
    }
    auto *view = qobject_cast<QAbstractItemView *>(control);
    if (!view)
        return QStringLiteral("%1 is not a list").arg(quoted(control->objectName()));
    QModelIndex index;
    for (int column = 0; column < (view->model() ? view->model()->columnCount() : 0) && !index.isValid(); ++column)
        index = findItem(view, column, text);
    if (!index.isValid())
        return QStringLiteral("the list has no entry %1 (entries: %2)")
            .arg(quoted(text), itemTexts(view, 0).join(QLatin1String(", ")));
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return QString();
}

void moveOver(QWidget *widget, const QPoint &at)
{
    for (int i = 0; i < MenuMoves; ++i) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
}

QString chooseFromMenu(QMenu *menu, const QString &text)
{
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        entries << quoted(withoutAccelerator(action->text()));
        if (withoutAccelerator(action->text()) != text)
            continue;
        if (!action->isEnabled() || !action->isVisible())
            return QStringLiteral("the menu entry %1 is disabled").arg(quoted(text));
        const QPoint at = menu->actionGeometry(action).center();
        moveOver(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        return QString();
    }
    return QStringLiteral("the menu has no entry %1 (entries: %2)")
        .arg(quoted(text), entries.join(QLatin1String(", ")));
}

QString visibleTexts(QWidget *window)
{
    QStringList texts;
    if (!window->windowTitle().isEmpty())
        texts << quoted(window->windowTitle());
    if (const QString own = shownText(window); !own.isEmpty())
        texts << quoted(own);
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString text = shownText(w);
        if (!text.isEmpty() && shownOnScreen(w) && texts.size() < 16)
            texts << quoted(text);
    }
    return texts.join(QLatin1String(", "));
}

} // namespace

// ---- steps ------------------------------------------------------------------------------

ScriptedUser::Step &ScriptedUser::Step::add(QString what, std::function<QString(QWidget *)> run)
{
    m_actions.push_back(Action{std::move(what), std::move(run)});
    return *this;
}

bool ScriptedUser::Step::matches(QWidget *window) const
{
    switch (m_kind) {
    case Kind::Menu: {
        const auto *menu = qobject_cast<const QMenu *>(window);
        return menu && (menu->objectName() == m_name || withoutAccelerator(menu->title()) == m_name);
    }
    case Kind::Message: {
        const auto *box = qobject_cast<const QMessageBox *>(window);
        return box && box->text() == m_name;
    }
    case Kind::Dialog:
        return !qobject_cast<const QMenu *>(window)
            && (window->objectName() == m_name || window->windowTitle() == m_name
                || QLatin1String(window->metaObject()->className()) == m_name);
    }
    return false;
}

QString ScriptedUser::Step::describe() const
{
    switch (m_kind) {
    case Kind::Menu: return QStringLiteral("popup menu ") + quoted(m_name);
    case Kind::Message: return QStringLiteral("message box ") + quoted(m_name);
    case Kind::Dialog: break;
    }
    return QStringLiteral("window ") + quoted(m_name);
}

ScriptedUser::Step &ScriptedUser::Step::type(const QString &control, const QString &text)
{
    return add(QStringLiteral("type %1 into %2").arg(quoted(text), control), [control, text](QWidget *window) {
        QString error;
        QWidget *w = findControl(window, control, &error);
        if (!w)
            return error;
        if (!w->isEnabled())
            return QStringLiteral("%1 is disabled").arg(quoted(control));
        focusControl(w);
        QTest::keyClick(keyTarget(w), Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(keyTarget(w), Qt::Key_Delete);
        for (const QChar ch : text)
            typeChar(w, ch);
        return QString();
    });
}

ScriptedUser::Step &ScriptedUser::Step::keys(const QString &control, const QString &text)
{
    return add(QStringLiteral("type %1%2")
                   .arg(quoted(text), control.isEmpty() ? QString() : QStringLiteral(" into ") + control),
        [control, text](QWidget *window) {
            QWidget *w = window->focusWidget() ? window->focusWidget() : window;
            if (!control.isEmpty()) {
                QString error;
                w = findControl(window, control, &error);
                if (!w)
                    return error;
                focusControl(w);
            }
            for (const QChar ch : text)
                typeChar(w, ch);
            return QString();
        });
}

ScriptedUser::Step &ScriptedUser::Step::key(int key, Qt::KeyboardModifiers modifiers)
{
    return add(QStringLiteral("press %1").arg(QKeySequence(key | int(modifiers)).toString()),
        [key, modifiers](QWidget *window) {
            QWidget *target = qobject_cast<QMenu *>(window) || !window->focusWidget() ? window : window->focusWidget();
            QTest::keyClick(target, Qt::Key(key), modifiers);
            return QString();
        });
}

ScriptedUser::Step &ScriptedUser::Step::click(const QString &control)
{
    return add(QStringLiteral("click %1").arg(quoted(control)), [control](QWidget *window) {
        QString error;
        QWidget *w = findControl(window, control, &error);
        if (!w)
            return error;
        if (!w->isEnabled())
            return QStringLiteral("%1 is disabled").arg(quoted(control));
        clickWidget(w);
        return QString();
    });
}

ScriptedUser::Step &ScriptedUser::Step::doubleClick(const QString &control)
{
    return add(QStringLiteral("double-click %1").arg(quoted(control)), [control](QWidget *window) {
        QString error;
        QWidget *w = findControl(window, control, &error);
        if (!w)
            return error;
        QTest::mouseDClick(w, Qt::LeftButton);
        return QString();
    });
}

ScriptedUser::Step &ScriptedUser::Step::pick(const QString &control, const QString &itemText)
{
    return add(QStringLiteral("pick %1 in %2").arg(quoted(itemText), control), [control, itemText](QWidget *window) {
        QString error;
        QWidget *w = findControl(window, control, &error);
        return w ? pickItem(w, itemText, false) : error;
    });
}

ScriptedUser::Step &ScriptedUser::Step::doubleClickItem(const QString &control, const QString &itemText)
{
    return add(
        QStringLiteral("double-click %1 in %2").arg(quoted(itemText), control), [control, itemText](QWidget *window) {
            QString error;
            QWidget *w = findControl(window, control, &error);
            return w ? pickItem(w, itemText, true) : error;
        });
}

ScriptedUser::Step &ScriptedUser::Step::clickCell(const QString &control, int row, int column)
{
    return add(QStringLiteral("click cell %1,%2 of %3").arg(row).arg(column).arg(control),
        [control, row, column](QWidget *window) {
            QString error;
            auto *view = qobject_cast<QAbstractItemView *>(findControl(window, control, &error));
            if (!view)
                return error.isEmpty() ? QStringLiteral("%1 is not a table").arg(quoted(control)) : error;
            const QModelIndex index = view->model() ? view->model()->index(row, column) : QModelIndex();
            if (!index.isValid())
                return QStringLiteral("%1 has no cell %2,%3").arg(quoted(control)).arg(row).arg(column);
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            return QString();
        });
}

ScriptedUser::Step &ScriptedUser::Step::choose(const QString &itemText)
{
    return add(QStringLiteral("choose %1").arg(quoted(itemText)), [itemText](QWidget *window) {
        auto *menu = qobject_cast<QMenu *>(window);
        return menu ? chooseFromMenu(menu, itemText) : QStringLiteral("the window is not a menu");
    });
}

ScriptedUser::Step &ScriptedUser::Step::menu(const QStringList &path)
{
    return add(QStringLiteral("menu %1").arg(path.join(QLatin1String(" / "))), [path](QWidget *window) {
        QList<QMenuBar *> bars = window->findChildren<QMenuBar *>();
        if (bars.isEmpty())
            return QStringLiteral("the window has no menu bar");
        return chooseFromMenuBar(bars.first(), path);
    });
}

ScriptedUser::Step &ScriptedUser::Step::expectText(const QString &text)
{
    return add(QStringLiteral("see %1").arg(quoted(text)), [text](QWidget *window) {
        if (window->windowTitle() == text || shownText(window) == text)
            return QString();
        for (QWidget *w : window->findChildren<QWidget *>())
            if (shownOnScreen(w) && shownText(w) == text)
                return QString();
        return QStringLiteral("the text is not shown; shown are: %1").arg(visibleTexts(window));
    });
}

ScriptedUser::Step &ScriptedUser::Step::expectField(const QString &control, const QString &text)
{
    return add(QStringLiteral("see %1 in %2").arg(quoted(text), control), [control, text](QWidget *window) {
        QString error;
        QWidget *w = findControl(window, control, &error);
        if (!w)
            return error;
        const QString shown = shownText(w);
        return shown == text ? QString() : QStringLiteral("%1 shows %2").arg(quoted(control), quoted(shown));
    });
}

ScriptedUser::Step &ScriptedUser::Step::verify(const QString &what, std::function<QString(QWidget *)> check)
{
    return add(QStringLiteral("check ") + what, std::move(check));
}

ScriptedUser::Step &ScriptedUser::Step::act(const QString &what, std::function<void(QWidget *)> action)
{
    return add(what, [action = std::move(action)](QWidget *window) {
        action(window);
        return QString();
    });
}

// ---- the user ---------------------------------------------------------------------------

ScriptedUser::ScriptedUser(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &ScriptedUser::poll);
}

ScriptedUser::~ScriptedUser()
{
    m_timer.stop();
    if (!m_failed && topWindow()) {
        // Never leave a window open for the next test.
        m_failed = true;
        closeEverything();
    }
}

ScriptedUser::Step &ScriptedUser::expect(const QString &window)
{
    m_steps.push_back(std::unique_ptr<Step>(new Step(Step::Kind::Dialog, window)));
    return *m_steps.back();
}

ScriptedUser::Step &ScriptedUser::expectMessage(const QString &text)
{
    m_steps.push_back(std::unique_ptr<Step>(new Step(Step::Kind::Message, text)));
    return *m_steps.back();
}

ScriptedUser::Step &ScriptedUser::expectMenu(const QString &menu)
{
    m_steps.push_back(std::unique_ptr<Step>(new Step(Step::Kind::Menu, menu)));
    return *m_steps.back();
}

QWidget *ScriptedUser::topWindow()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

QString ScriptedUser::describeWindow(const QWidget *window)
{
    if (!window)
        return QStringLiteral("no window");
    QString text = QString::fromLatin1(window->metaObject()->className());
    if (!window->objectName().isEmpty() && window->objectName() != text)
        text += QStringLiteral(" ") + window->objectName();
    if (!window->windowTitle().isEmpty())
        text += QStringLiteral(" captioned ") + quoted(window->windowTitle());
    if (const auto *box = qobject_cast<const QMessageBox *>(window))
        text += QStringLiteral(" saying ") + quoted(box->text());
    if (const auto *menu = qobject_cast<const QMenu *>(window)) {
        QStringList entries;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                entries << quoted(withoutAccelerator(action->text()));
        text += QStringLiteral(" with the entries ") + entries.join(QLatin1String(", "));
    }
    return text;
}

QString ScriptedUser::stepLabel(size_t stepIndex) const
{
    return QStringLiteral("step %1 of %2 (%3)")
        .arg(stepIndex + 1)
        .arg(m_steps.size())
        .arg(stepIndex < m_steps.size() ? m_steps[stepIndex]->describe() : QStringLiteral("none"));
}

void ScriptedUser::clickWidget(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void ScriptedUser::typeKeys(QWidget *widget, const QString &text)
{
    focusControl(widget);
    for (const QChar ch : text)
        typeChar(widget, ch);
}

QString ScriptedUser::chooseFromMenuBar(QMenuBar *bar, const QStringList &path)
{
    if (path.isEmpty())
        return QStringLiteral("no menu entry named");
    QAction *top = nullptr;
    QStringList titles;
    for (QAction *action : bar->actions()) {
        titles << quoted(withoutAccelerator(action->text()));
        if (withoutAccelerator(action->text()) == path.first())
            top = action;
    }
    if (!top)
        return QStringLiteral("the menu bar has no entry %1 (entries: %2)")
            .arg(quoted(path.first()), titles.join(QLatin1String(", ")));
    if (!top->isEnabled())
        return QStringLiteral("the menu %1 is disabled").arg(quoted(path.first()));
    const QPoint at = bar->actionGeometry(top).center();
    // A click on an entry with a menu opens the menu; on a command it runs the command.
    QTest::mouseClick(bar, Qt::LeftButton, {}, at);
    QMenu *menu = top->menu();
    for (int i = 1; i < path.size(); ++i) {
        if (!menu || !menu->isVisible())
            return QStringLiteral("the menu %1 did not open").arg(quoted(path.at(i - 1)));
        QAction *next = nullptr;
        for (QAction *action : menu->actions())
            if (withoutAccelerator(action->text()) == path.at(i))
                next = action;
        if (next && next->menu()) {
            const QPoint over = menu->actionGeometry(next).center();
            moveOver(menu, over);
            QTest::mouseClick(menu, Qt::LeftButton, {}, over);
            menu = next->menu();
            continue;
        }
        const QString error = chooseFromMenu(menu, path.at(i));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

ScriptedUser::Chain *ScriptedUser::unfinishedChainOf(const QWidget *window) const
{
    for (auto it = m_chains.rbegin(); it != m_chains.rend(); ++it)
        if (!(*it)->finished && (*it)->window == window)
            return it->get();
    return nullptr;
}

bool ScriptedUser::run(const std::function<void()> &trigger)
{
    m_sinceProgress.start();
    m_timer.start();
    if (trigger && !m_failed) {
        m_inTrigger = true;
        trigger();
        m_inTrigger = false;
    }
    // The rest of the script may still come up (a window opened from a queued call).
    (void)QTest::qWaitFor([this] { return m_failed || (allStepsDone() && !topWindow()); }, m_timeoutMs);
    if (!m_failed && !allStepsDone())
        fail(stepLabel(m_next)
            + QStringLiteral(": the window did not come up within %1 ms; open is %2")
                  .arg(m_timeoutMs)
                  .arg(describeWindow(topWindow())));
    if (!m_failed && topWindow())
        fail(QStringLiteral("after the last step %1 is still open").arg(describeWindow(topWindow())));
    if (m_failed)
        closeEverything();
    m_timer.stop();
    return !m_failed;
}

void ScriptedUser::poll()
{
    if (m_failed) {
        closeEverything();
        return;
    }
    QWidget *top = topWindow();
    if (!top) {
        // Looking at the screen while the trigger runs means the program is in an event
        // loop of its own; with no window open for so long, nothing can ever end it, so
        // stop the test rather than let it hang.
        if (m_inTrigger && m_sinceProgress.elapsed() > m_timeoutMs)
            qFatal("ScriptedUser, %s: the program waits in an event loop of its own with no window open",
                qPrintable(m_next < m_steps.size() ? stepLabel(m_next) : QStringLiteral("after the last step")));
        return; // the trigger or a step is still on its way to the next window
    }
    activateTopWindow();
    if (unfinishedChainOf(top))
        return; // its step is being carried out
    const bool expected = m_next < m_steps.size() && m_steps[m_next]->matches(top);
    if (expected) {
        startChain(m_next++, top);
        return;
    }
    // A window whose step has just ended may be closing; anything else is unexpected.
    if (top == m_lastWindow && m_sinceProgress.elapsed() < m_timeoutMs)
        return;
    const QString what
        = top == m_lastWindow ? QStringLiteral("is still open after its step") : QStringLiteral("came up unexpectedly");
    fail((m_next < m_steps.size() ? stepLabel(m_next) : QStringLiteral("after the last step"))
        + QStringLiteral(": %1 %2").arg(describeWindow(top), what));
}

void ScriptedUser::startChain(size_t stepIndex, QWidget *window)
{
    auto chain = std::make_unique<Chain>();
    chain->step = m_steps[stepIndex].get();
    chain->stepIndex = stepIndex;
    chain->window = window;
    window->installEventFilter(this);
    m_chains.push_back(std::move(chain));
    m_sinceProgress.restart();
    scheduleNext(m_chains.back().get());
}

void ScriptedUser::scheduleNext(Chain *chain)
{
    if (chain->next >= chain->step->m_actions.size()) {
        chain->finished = true;
        m_lastWindow = chain->window && chain->window->isVisible() ? chain->window : nullptr;
        m_sinceProgress.restart();
        m_chains.erase(std::remove_if(m_chains.begin(), m_chains.end(),
                           [](const std::unique_ptr<Chain> &c) { return c->finished && !c->running; }),
            m_chains.end());
        return;
    }
    // Each action in its own turn of the event loop: an action that opens a modal window
    // returns only when that window has closed, and the user must be free to answer it.
    QMetaObject::invokeMethod(
        this, [this, chain] { runAction(chain); }, Qt::QueuedConnection);
}

void ScriptedUser::runAction(Chain *chain)
{
    if (m_failed)
        return;
    const Step::Action &action = chain->step->m_actions[chain->next];
    if (!chain->window || !chain->window->isVisible()) {
        fail(stepLabel(chain->stepIndex)
            + QStringLiteral(", before action %1 (%2): the window has closed").arg(chain->next + 1).arg(action.what));
        return;
    }
    QWidget *window = chain->window;
    // While another window is on top (a menu the last action opened), the user's keys and
    // clicks would go there: the next action waits until this window is on top again.
    if (QWidget *top = topWindow(); top && top != window) {
        QTimer::singleShot(PollMs, this, [this, chain] { runAction(chain); });
        return;
    }
    chain->running = true;
    const QString error = action.run(window);
    chain->running = false;
    if (m_failed)
        return;
    if (!error.isEmpty()) {
        fail(stepLabel(chain->stepIndex)
            + QStringLiteral(", action %1 (%2) in %3: %4")
                  .arg(chain->next + 1)
                  .arg(action.what, describeWindow(window), error));
        return;
    }
    ++chain->next;
    m_sinceProgress.restart();
    scheduleNext(chain);
}

void ScriptedUser::activateTopWindow()
{
    // As on a desktop, the window on top has the focus: when a dialog or message box
    // closes, the window manager makes the window below it active again. Headless,
    // nothing else does it.
    QWidget *top = topWindow();
    if (top && !qobject_cast<QMenu *>(top) && !top->isActiveWindow())
        top->activateWindow();
}

bool ScriptedUser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        // Once hidden, the window of the last step counts as new when it shows again.
        if (watched == m_lastWindow)
            m_lastWindow = nullptr;
        QMetaObject::invokeMethod(this, &ScriptedUser::activateTopWindow, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void ScriptedUser::fail(const QString &message)
{
    if (m_failed)
        return;
    m_failed = true;
    m_failure = message;
    m_why = message.toUtf8();
    closeEverything();
}

void ScriptedUser::closeEverything()
{
    // Hiding ends each exec() at once, whatever the window's own close handler would say.
    // Windows that the unwinding code opens next are hidden on the following turns.
    for (int guard = 0; guard < 100; ++guard) {
        QWidget *top = topWindow();
        if (!top)
            return;
        top->hide();
        if (top->isVisible())
            return;
        if (QApplication::activePopupWidget() == top || QApplication::activeModalWidget() == top)
            return;
    }
}
