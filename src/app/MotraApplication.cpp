#include "app/MotraApplication.h"

#include "app/TMainForm.h"
#include "app/TSzemAdForm.h"
#include "app/TVV_lista.h"
#include "case/CaseRecord.h"
#include "entry/ModalSeam.h"
#include "entry/WindowServices.h"

#include <QDialog>

template <class Window, class... Args>
Window *MotraApplication::create(Args &&...args)
{
    auto *window = new Window(std::forward<Args>(args)..., m_mainForm);
    m_windows.append(window);
    return window;
}

MotraApplication::MotraApplication(const QStringList &arguments)
    : m_record(std::make_unique<CaseRecord>())
{
    CaseRecord &record = *m_record;
    m_mainForm = new TMainForm(record);
    m_windows.append(m_mainForm);
    m_mainForm->setCommandLine(arguments);

    // Every dialog once, in the program's order; each one's creation step runs now.
    m_personalData = create<TSzemAdForm>(record);
    m_listEditor = create<TVV_lista>();

    TMainForm::Windows windows;
    windows.personalData = m_personalData;
    m_mainForm->setWindows(windows);
    m_personalData->setMainForm(m_mainForm);
    m_personalData->setListEditor(m_listEditor);
    wireServices();

    m_mainForm->readPassword();
    m_mainForm->applyCommandLinePassword();
}

MotraApplication::~MotraApplication()
{
    windowServices() = WindowServices{};
    delete m_mainForm;
}

void MotraApplication::wireServices()
{
    WindowServices &services = windowServices();
    TMainForm *main = m_mainForm;
    services.showPersonalData = [main] { main->ShowPersonalData(); };
    services.markPartDone = [main](ExamPart part) { main->MarkPartDone(part); };
}

QStringList MotraApplication::creationOrder() const
{
    QStringList names;
    for (const QWidget *w : m_windows)
        names.append(w->objectName());
    return names;
}

QWidget *MotraApplication::window(const QString &className) const
{
    for (QWidget *w : m_windows)
        if (w->objectName() == className)
            return w;
    return nullptr;
}

void MotraApplication::show()
{
    m_mainForm->showMaximized();
}
