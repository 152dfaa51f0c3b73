#include "TestInstallation.h"

#include "case/HostPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

static bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(it.filePath());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(it.filePath(), target)) {
            return false;
        } else {
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
    }
    return true;
}

QString TestInstallation::demoDir()
{
    const QString fromEnv = qEnvironmentVariable("MOTRA_DEMO_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(MOTRA_DEMO_DIR_DEFAULT) : fromEnv;
}

TestInstallation::TestInstallation(bool empty)
{
    m_hadRoot = qEnvironmentVariableIsSet("MOTRA_ROOT");
    m_oldRoot = qgetenv("MOTRA_ROOT");
    if (!m_dir.isValid())
        return;
    if (empty) {
        for (const char *folder :
            {"archivum", "aktualis", "html", "doc", "stat", "jegyzet", "wizard", "help", "pictures"})
            QDir().mkpath(m_dir.path() + QStringLiteral("/_halden/motra/") + QLatin1String(folder));
        QDir().mkpath(m_dir.path() + QStringLiteral("/qrelab/kalauz/pictures"));
        m_valid = true;
    } else {
        m_valid = QFileInfo(demoDir() + QStringLiteral("/_halden/motra")).isDir() && copyTree(demoDir(), m_dir.path());
    }
    qputenv("MOTRA_ROOT", m_dir.path().toLocal8Bit());
}

TestInstallation::~TestInstallation()
{
    if (m_hadRoot)
        qputenv("MOTRA_ROOT", m_oldRoot);
    else
        qunsetenv("MOTRA_ROOT");
}

QString TestInstallation::path(const QString &fixedPath) const { return hostPath(fixedPath); }

void TestInstallation::writeBytes(const QString &fixedPath, const QByteArray &bytes) const
{
    QFile file(path(fixedPath));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TestInstallation::readBytes(const QString &fixedPath) const
{
    QFile file(path(fixedPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestInstallation::remove(const QString &fixedPath) const { QFile::remove(path(fixedPath)); }
