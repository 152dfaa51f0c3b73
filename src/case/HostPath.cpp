#include "case/HostPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>

QString defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/motra/c");
}

QString motraRoot()
{
    const QString root = qEnvironmentVariable("MOTRA_ROOT");
    return root.isEmpty() ? defaultRoot() : root;
}

// The entry of folder that equals name, exactly or else ignoring letter case.
static QString matchComponent(const QString &folder, const QString &name)
{
    if (name.isEmpty() || QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString hostPath(const QString &fixedPath)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    if (!drive.match(fixedPath).hasMatch() || !fixedPath.startsWith(QLatin1Char('c'), Qt::CaseInsensitive))
        return fixedPath;
    QString result = motraRoot();
    while (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    static const QRegularExpression separator(QStringLiteral("[\\\\/]")); // compiled once: scoring maps paths often
    const QStringList parts = fixedPath.mid(3).split(separator);
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty()) {
            if (i == parts.size() - 1)
                result += QLatin1Char('/'); // a folder path keeps its closing separator
            continue;
        }
        result += QLatin1Char('/') + matchComponent(result, part);
    }
    return result;
}

QStringList matchingFiles(const QString &fixedFolder, const QString &mask)
{
    // QDir compares name filters without regard to letter case unless told otherwise.
    return QDir(hostPath(fixedFolder)).entryList({mask}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

static QString cleanRoot()
{
    QString root = QDir::cleanPath(motraRoot());
    if (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root;
}

QString fixedPathOf(const QString &hostPath)
{
    if (hostPath.isEmpty())
        return QString();
    const QString root = cleanRoot();
    const QString path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    if (path.size() <= root.size() || !path.startsWith(root) || path[root.size()] != QLatin1Char('/'))
        return QString();
    QString fixed = QStringLiteral("c:\\") + path.mid(root.size() + 1);
    fixed.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (hostPath.endsWith(QLatin1Char('/')) && !fixed.endsWith(QLatin1Char('\\')))
        fixed += QLatin1Char('\\');
    return fixed;
}

QString shownPath(const QString &hostPath)
{
    const QString fixed = fixedPathOf(hostPath);
    return fixed.isEmpty() ? hostPath : fixed;
}

QString notRegularFileReason(const QString &hostPath)
{
    struct stat info;
    if (::stat(QFile::encodeName(hostPath).constData(), &info) != 0)
        return QString();
    if (S_ISREG(info.st_mode))
        return QString();
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("ez egy mappa, nem fájl");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("ez egy csővezeték (FIFO), nem közönséges fájl");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QStringLiteral("ez egy eszköz, nem közönséges fájl");
    if (S_ISSOCK(info.st_mode))
        return QStringLiteral("ez egy hálózati csatlakozó (socket), nem közönséges fájl");
    return QStringLiteral("ez nem közönséges fájl");
}

QString missingFolderReason(const QString &hostPath)
{
    const QFileInfo file(hostPath);
    QString folder = QDir::cleanPath(file.absolutePath());
    QString firstMissing;
    while (!folder.isEmpty()) {
        const QFileInfo info(folder);
        if (info.isDir())
            break;
        if (info.exists()) {
            const QString shown = shownPath(folder);
            return QStringLiteral("a(z) „%1” nem mappa, hanem fájl").arg(shown);
        }
        firstMissing = folder;
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (firstMissing.isEmpty())
        return QString();
    const QString fixed = fixedPathOf(firstMissing);
    if (fixed.isEmpty())
        return QStringLiteral("hiányzik a(z) „%1” mappa").arg(firstMissing);
    return QStringLiteral("hiányzik a(z) „%1\\” mappa (a gépen: %2)").arg(fixed, firstMissing);
}
