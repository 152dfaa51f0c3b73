// motra-start: what the desktop entry runs. It makes sure the user's installation exists,
// copying the packaged template there on the first start, and then becomes the program,
// with the same arguments (a case file, or the password and a case file).
//
// Installed, it finds the program beside itself and the template at MOTRA_TEMPLATE_FROM_BIN
// relative to its own folder; in the build folder the generated demo installation
// (build/demo) stands in for the template.

#include "FirstStart.h"
#include "MessageBoxDialogs.h"

#include "case/HostPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

static QString ownFolder(const char *argv0)
{
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self.isEmpty() ? QFile::decodeName(argv0) : self).absolutePath();
}

static QString templateFolder(const QString &folder)
{
    const QString installed = QDir::cleanPath(folder + QStringLiteral("/" MOTRA_TEMPLATE_FROM_BIN));
    const QString buildTree = QDir::cleanPath(folder + QStringLiteral("/../demo"));
    return !QFileInfo(installed).isDir() && QFileInfo(buildTree).isDir() ? buildTree : installed;
}

int main(int argc, char *argv[])
{
    const QString folder = ownFolder(argv[0]);
    const QString program = folder + QStringLiteral("/motra");
    // The message boxes would take the start-up notice that belongs to the program's window.
    const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");

    {
        // Gone before the program starts: its window-system connection with it.
        MessageBoxDialogs dialogs;
        const int status = FirstStart::prepareInstallation(motraRoot(), templateFolder(folder), dialogs);
        if (status >= 0)
            return dialogs.unanswered() ? 1 : status;
    }
    if (!startupId.isEmpty())
        qputenv("DESKTOP_STARTUP_ID", startupId);

    const QByteArray path = QFile::encodeName(program);
    std::vector<char *> args(argv, argv + argc);
    args[0] = const_cast<char *>(path.constData());
    args.push_back(nullptr);
    ::execv(path.constData(), args.data());
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    MessageBoxDialogs().tell(QStringLiteral("A MOTRA program nem indítható el:\n%1\n\n%2").arg(program, reason));
    return 1;
}
