#include "case/HostPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

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
