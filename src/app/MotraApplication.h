#pragma once

#include <QStringList>

#include <memory>

class CaseRecord;
class QDialog;
class QWidget;
class TMainForm;
class TSzemAdForm;
class TVV_lista;

// The program's start: the one examination, every window created once in the program's
// order, the windows wired to each other, the password read and the command line applied.
class MotraApplication
{
public:
    enum class Start {
        Complete, // every window whole when the constructor returns
        ShowFirst, // what is costly to build in the windows waits until the locked main
                   // window has first been painted (at the latest until a window is shown)
    };

    // arguments: the command line without the program name.
    explicit MotraApplication(const QStringList &arguments = QStringList(), Start start = Start::Complete);
    ~MotraApplication();
    MotraApplication(const MotraApplication &) = delete;
    MotraApplication &operator=(const MotraApplication &) = delete;

    CaseRecord &record() { return *m_record; }
    TMainForm *mainForm() const { return m_mainForm; }
    TSzemAdForm *personalDataForm() const { return m_personalData; }
    TVV_lista *listEditor() const { return m_listEditor; }
    // The class names of the windows, in the order they were created.
    QStringList creationOrder() const;
    // The window of that class, or nullptr.
    QWidget *window(const QString &className) const;

    // Shows the main window maximized (locked until the password is typed).
    void show();

private:
    template<class Window, class... Args> Window *create(Args &&...args);

    std::unique_ptr<CaseRecord> m_record;
    TMainForm *m_mainForm = nullptr; // owns every other window
    TSzemAdForm *m_personalData = nullptr;
    TVV_lista *m_listEditor = nullptr;
    QList<QWidget *> m_windows;
    bool m_deferring = false;
};
