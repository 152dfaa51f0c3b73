#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QMenuBar;
class QWidget;

// A user at the keyboard and mouse for end-to-end tests: it answers the program's real
// modal windows (dialogs shown with exec(), popup menus, message boxes) as they come up,
// with key and mouse events, following a script.
//
// The script lists, in the order they come up, the windows the test expects and what the
// user does in each. A window is named by its objectName, class name or caption; a message
// box by its text; a popup menu by its objectName or title. A control inside a window is
// named by its objectName or, for buttons, by its shown text ("Igen", "rendben"; an "&"
// accelerator mark is ignored).
//
//     ScriptedUser user;
//     user.expect("TSzemAdForm")
//         .type("Edit1", "Kovács Ödön")       // select all, then typed key by key
//         .click("SpeedButton1")              // opens the calendar: the next window below
//         .click("OkButton");                 // runs once the calendar has closed
//     user.expect("TKalendForm").click("OKButton");
//     user.expectMessage("MOTRA: Ki akar lépni a programból?").click("Nem");
//     QVERIFY2(user.run([&] { ScriptedUser::clickWidget(main->Image3); }), user.why());
//
// run() performs the trigger (usually a click in the main window, which is not modal) and
// returns once the trigger has returned and every step has run. It fails, naming the
// step, the window and the control, when a window comes up that the script does not
// expect next, when the expected window does not come up within timeout(), when a control
// is missing or disabled, when a shown text differs, or when a window is still open after
// its step. On failure it closes every open modal window and popup menu (hiding them, so
// no close handler can refuse), so exec() returns and the next test starts fresh. It
// never sleeps: it looks at the screen every few milliseconds and acts at once.
//
// Steps may be added and run() called again; the script continues where it stopped.
class ScriptedUser : public QObject
{
    Q_OBJECT
public:
    // What a user does in one window; each call adds one action, done in order.
    class Step
    {
    public:
        // Focuses the control, selects all its text and types text key by key ("\n" is Enter).
        Step &type(const QString &control, const QString &text);
        // Types into the control (or into the window's focus widget when control is empty)
        // without clearing it.
        Step &keys(const QString &control, const QString &text);
        // Presses one key in the window's focus widget (a popup menu takes it itself).
        Step &key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
        // Clicks a button (objectName or text) or any control named by objectName.
        Step &click(const QString &control);
        Step &doubleClick(const QString &control);
        // Picks the entry with this text from a list, table or drop-down list.
        Step &pick(const QString &control, const QString &itemText);
        Step &doubleClickItem(const QString &control, const QString &itemText);
        // Clicks one cell of a table (the answer grid).
        Step &clickCell(const QString &control, int row, int column);
        // In a popup menu: chooses the entry with this text with the mouse.
        Step &choose(const QString &itemText);
        // In the window's menu bar: clicks the top-level entry, then the entries below it.
        Step &menu(const QStringList &path);
        // The window shows this text (message text, a label, a button, a field, the caption).
        Step &expectText(const QString &text);
        // The control's text (field, label, button, combo box, spin box) is exactly text.
        Step &expectField(const QString &control, const QString &text);
        // A check of the test's own: returns an empty text when fine, else what is wrong.
        Step &verify(const QString &what, std::function<QString(QWidget *window)> check);
        // Anything else the user does in this window.
        Step &act(const QString &what, std::function<void(QWidget *window)> action);

    private:
        friend class ScriptedUser;
        struct Action
        {
            QString what;
            std::function<QString(QWidget *window)> run; // empty text = done
        };
        enum class Kind { Dialog, Message, Menu };

        Step(Kind kind, QString name) : m_kind(kind), m_name(std::move(name)) { }
        bool matches(QWidget *window) const;
        QString describe() const;
        Step &add(QString what, std::function<QString(QWidget *)> run);

        Kind m_kind;
        QString m_name;
        std::vector<Action> m_actions;
    };

    explicit ScriptedUser(QObject *parent = nullptr);
    ~ScriptedUser() override;

    // A dialog by objectName, class name or caption.
    Step &expect(const QString &window);
    // A message box showing exactly this text.
    Step &expectMessage(const QString &text);
    // A popup menu by objectName or title.
    Step &expectMenu(const QString &menu);

    // Runs the trigger with the user watching, then waits (never longer than timeout())
    // for the rest of the script. True when every step ran and no window was left open.
    bool run(const std::function<void()> &trigger = {});
    // The first failure, for QVERIFY2; empty while all went well.
    const char *why() const { return m_why.constData(); }
    QString failure() const { return m_failure; }
    bool allStepsDone() const { return m_next >= m_steps.size() && m_chains.empty(); }

    int timeout() const { return m_timeoutMs; }
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // Helpers that act like the user on any widget (also outside a modal window).
    static void clickWidget(QWidget *widget);
    static void typeKeys(QWidget *widget, const QString &text);
    // Clicks the menu bar's top-level entry, then the entries below it. Empty when done,
    // else what was missing.
    static QString chooseFromMenuBar(QMenuBar *bar, const QStringList &path);

    // The window the user would act on now: the open popup menu, else the top modal window.
    static QWidget *topWindow();
    static QString describeWindow(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One step being carried out in its window; actions run one per event-loop turn, so an
    // action that opens a nested modal window lets the user answer that window meanwhile.
    struct Chain
    {
        Step *step = nullptr;
        size_t stepIndex = 0;
        QPointer<QWidget> window;
        size_t next = 0;
        bool running = false;
        bool finished = false;
    };

    void poll();
    void activateTopWindow();
    void startChain(size_t stepIndex, QWidget *window);
    void scheduleNext(Chain *chain);
    void runAction(Chain *chain);
    void fail(const QString &message);
    void closeEverything();
    Chain *unfinishedChainOf(const QWidget *window) const;
    QString stepLabel(size_t stepIndex) const;

    std::vector<std::unique_ptr<Step>> m_steps;
    std::vector<std::unique_ptr<Chain>> m_chains;
    size_t m_next = 0;
    QTimer m_timer;
    QElapsedTimer m_sinceProgress;
    QPointer<QWidget> m_lastWindow; // the window of the step finished last, while it stays shown
    int m_timeoutMs = 5000;
    bool m_inTrigger = false;
    bool m_failed = false;
    QString m_failure;
    QByteArray m_why;
};
