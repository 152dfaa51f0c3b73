#include "MessageBoxDialogs.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {
int fakeArgc = 1;
char fakeName[] = "motra-start";
char *fakeArgv[] = {fakeName, nullptr};

void print(const QString &text) { std::fprintf(stderr, "motra-start: %s\n", text.toUtf8().constData()); }
} // namespace

MessageBoxDialogs::MessageBoxDialogs() = default;
MessageBoxDialogs::~MessageBoxDialogs() = default;

bool MessageBoxDialogs::haveDisplay() const
{
    return QApplication::instance() || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void MessageBoxDialogs::bringUp()
{
    if (m_app || QApplication::instance())
        return;
    // The program's own arguments stay out of reach of Qt's option parsing.
    m_app = std::make_unique<QApplication>(fakeArgc, fakeArgv);
    QApplication::setApplicationName(QStringLiteral("motra"));
    QGuiApplication::setDesktopFileName(QStringLiteral(MOTRA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MOTRA_APP_ID)));
}

bool MessageBoxDialogs::confirm(const QString &text, const QString &accept)
{
    print(text);
    if (!haveDisplay()) {
        print(QStringLiteral("Nincs grafikus képernyő, ahol a kérdésre válaszolni lehetne: a MOTRA nem indul el."));
        m_unanswered = true;
        return false;
    }
    bringUp();
    QMessageBox box(QMessageBox::Question, QStringLiteral("MOTRA"), text);
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(accept, QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Kilépés"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxDialogs::tell(const QString &text)
{
    print(text);
    if (!haveDisplay())
        return;
    bringUp();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("MOTRA"), text);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("Bezárás"), QMessageBox::AcceptRole);
    box.exec();
}
