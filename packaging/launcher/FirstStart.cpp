#include "FirstStart.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/PasswordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace FirstStart {

namespace {

// Looks names up in another installation the way the program would: hostPath() maps the
// fixed paths under MOTRA_ROOT, so it points there for as long as this object lives.
class ScopedRoot
{
public:
    explicit ScopedRoot(const QString &root)
        : m_had(qEnvironmentVariableIsSet("MOTRA_ROOT")), m_old(qgetenv("MOTRA_ROOT"))
    {
        qputenv("MOTRA_ROOT", QFile::encodeName(root));
    }
    ~ScopedRoot()
    {
        if (m_had)
            qputenv("MOTRA_ROOT", m_old);
        else
            qunsetenv("MOTRA_ROOT");
    }
    ScopedRoot(const ScopedRoot &) = delete;
    ScopedRoot &operator=(const ScopedRoot &) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

enum class Need { WritableFolder, Folder, File };

struct Requirement
{
    const QString &fixedPath;
    Need need;
};

// The program folder comes first: when it is missing, nothing inside it is listed.
const Requirement Requirements[] = {
    {FixedPaths::ProgramFolder, Need::WritableFolder},
    {FixedPaths::ArchiveFolder, Need::WritableFolder},
    {FixedPaths::CurrentFolder, Need::WritableFolder},
    {FixedPaths::ReportFolder, Need::WritableFolder},
    {FixedPaths::DocFolder, Need::WritableFolder},
    {FixedPaths::StatFolder, Need::WritableFolder},
    {FixedPaths::NotesFolder, Need::WritableFolder},
    {FixedPaths::WizardFolder, Need::WritableFolder},
    {FixedPaths::HelpFolder, Need::WritableFolder},
    {FixedPaths::PicturesFolder, Need::Folder},
    {FixedPaths::Skala1, Need::File},
    {FixedPaths::Skala2, Need::File},
    {FixedPaths::Skala3, Need::File},
    {FixedPaths::Tstan1, Need::File},
    {FixedPaths::Tstan2, Need::File},
    {FixedPaths::Tstan3, Need::File},
    {FixedPaths::Fakst1, Need::File},
    {FixedPaths::Fakst2, Need::File},
    {FixedPaths::Fakst3, Need::File},
    {FixedPaths::PasswordFile, Need::File},
    {FixedPaths::ParentBackground, Need::File},
    {FixedPaths::TeacherBackground, Need::File},
    {FixedPaths::SelfReportBackground, Need::File},
    {FixedPaths::WordTemplate, Need::File},
};

bool accessible(const QString &path, int mode) { return ::access(QFile::encodeName(path).constData(), mode) == 0; }

QString problemWith(const QString &path, Need need)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? QStringLiteral("a hivatkozás nem létező helyre mutat") : QStringLiteral("hiányzik");
    if (need == Need::File) {
        if (info.isDir())
            return QStringLiteral("itt fájlnak kellene lennie, de mappa van");
        if (!info.isFile())
            return QStringLiteral("nem közönséges fájl");
        if (!accessible(path, R_OK))
            return QStringLiteral("a fájl nem olvasható");
        return QString();
    }
    if (!info.isDir())
        return QStringLiteral("itt mappának kellene lennie, de fájl van");
    if (!accessible(path, R_OK | X_OK))
        return QStringLiteral("a mappa nem olvasható");
    if (need == Need::WritableFolder && !accessible(path, W_OK | X_OK))
        return QStringLiteral("a mappa nem írható");
    return QString();
}

QString listed(const QList<Problem> &problems)
{
    QString text;
    for (const Problem &problem : problems)
        text += QStringLiteral("• %1: %2\n").arg(problem.path, problem.what);
    return text;
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

void copyFile(const QString &source, const QString &target)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly))
        throw MotraError(QStringLiteral("A(z) %1 fájl nem olvasható: %2").arg(source, in.errorString()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw MotraError(QStringLiteral("A(z) %1 fájl nem hozható létre: %2").arg(target, out.errorString()));
    char buffer[65536];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            throw MotraError(QStringLiteral("A(z) %1 fájl nem olvasható: %2").arg(source, in.errorString()));
        if (got == 0)
            break;
        if (out.write(buffer, got) != got)
            throw MotraError(QStringLiteral("A(z) %1 fájl nem írható: %2").arg(target, out.errorString()));
    }
    if (!out.flush())
        throw MotraError(QStringLiteral("A(z) %1 fájl nem írható: %2").arg(target, out.errorString()));
}

// Folders and plain files only: the template holds nothing else.
void copyTree(const QString &source, const QString &target)
{
    const QFileInfoList entries
        = QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString to = target + QLatin1Char('/') + entry.fileName();
        if (entry.isSymLink() || !(entry.isDir() || entry.isFile()))
            throw MotraError(
                QStringLiteral("A mintatelepítésben nem közönséges fájl van: %1").arg(entry.absoluteFilePath()));
        if (entry.isDir()) {
            if (!QDir().mkdir(to))
                throw MotraError(QStringLiteral("A(z) %1 mappa nem hozható létre.").arg(to));
            copyTree(entry.absoluteFilePath(), to);
        } else {
            copyFile(entry.absoluteFilePath(), to);
        }
    }
}

// On disk before the rename makes the copy visible, so a power cut leaves no empty files in
// an installation that looks complete.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::fsync(fd);
    ::close(fd);
}

// rename() that fails instead of replacing an existing target.
bool renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: renaming a folder never replaces a non-empty one.
    const QFileInfo existing(to);
    if (existing.exists() || existing.isSymLink()) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

QString templatePassword(const QString &templateDir)
{
    ScopedRoot scoped(templateDir);
    try {
        return readProgramPassword();
    } catch (const MotraError &) {
        return QString();
    }
}

QString programFolderOf(const QString &root)
{
    ScopedRoot scoped(root);
    return hostPath(FixedPaths::ProgramFolder);
}

QString firstStartText(const QString &root, const QString &templateDir)
{
    QString text = QStringLiteral("A MOTRA első indítása ennél a felhasználónál.\n\n"
                                  "A program a fájljait ebben a mappában tartja, de ez még nem létezik:\n%1\n\n"
                                  "A MOTRA most létrehozza ezt a mappát (csak Ön olvashatja), és bemásolja "
                                  "a csomag mintatelepítését:\n%2\n"
                                  "A mintatelepítés maga változatlan marad.\n\n"
                                  "A mintatelepítés normatáblái kitalált bemutató adatok: T-értékei klinikai "
                                  "döntéshez nem használhatók. A licencelt skála- és normafájlokat (skala1.txt "
                                  "… fakst3.tp) ebbe a mappába kell másolni:\n%3\n")
                       .arg(root, templateDir, programFolderOf(root));
    const QString password = templatePassword(templateDir);
    if (!password.isEmpty())
        text += QStringLiteral("\nA kezdeti jelszó: %1\n").arg(password);
    return text + QStringLiteral("\nLétrehozza a mappát, és elindítja a programot?");
}

} // namespace

QList<Problem> checkInstallation(const QString &root)
{
    ScopedRoot scoped(root);
    QList<Problem> problems;
    for (const Requirement &requirement : Requirements) {
        // Without the closing separator, so that a file standing where a folder belongs is seen.
        const QString path = QDir::cleanPath(hostPath(requirement.fixedPath));
        const QString what = problemWith(path, requirement.need);
        if (what.isEmpty())
            continue;
        problems.append({path, what});
        if (&requirement.fixedPath == &FixedPaths::ProgramFolder)
            break;
    }
    return problems;
}

void copyTemplate(const QString &templateDir, const QString &root)
{
    const QFileInfo target(root);
    if (target.exists() || target.isSymLink())
        throw MotraError(QStringLiteral("A(z) %1 már létezik.").arg(root));
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent) || !QFileInfo(parent).isDir())
        throw MotraError(QStringLiteral("A(z) %1 mappa nem hozható létre.").arg(parent));
    // mkdtemp makes the folder readable by its owner only, and so the installation: it holds
    // the examinations of children.
    QByteArray pattern = QFile::encodeName(parent + QStringLiteral("/.motra-first-start-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        throw MotraError(QStringLiteral("A(z) %1 mappába nem lehet írni: %2").arg(parent, systemError()));
    const QString staging = QFile::decodeName(pattern);
    try {
        copyTree(templateDir, staging);
        syncFolder(staging);
        if (!renameNoReplace(staging, root))
            throw MotraError(
                QStringLiteral("A(z) %1 nem nevezhető át erre: %2 (%3)").arg(staging, root, systemError()));
    } catch (...) {
        QDir(staging).removeRecursively();
        throw;
    }
    syncFolder(parent);
}

int prepareInstallation(const QString &root, const QString &templateDir, Dialogs &dialogs)
{
    const QFileInfo info(root);
    if (!info.exists() && !info.isSymLink()) {
        if (!QFileInfo(templateDir).isDir()) {
            dialogs.tell(QStringLiteral("A MOTRA csomag mintatelepítése nem található:\n%1\n\n"
                                        "Ezért a telepítési mappa (%2) nem hozható létre. Telepítse újra a "
                                        "csomagot (például: apt install --reinstall motra).")
                             .arg(templateDir, root));
            return 1;
        }
        const QList<Problem> lacking = checkInstallation(templateDir);
        if (!lacking.isEmpty()) {
            dialogs.tell(QStringLiteral("A MOTRA csomag mintatelepítése hiányos:\n%1\n\n%2\n"
                                        "Ezért a telepítési mappa (%3) nem jött létre. Telepítse újra a "
                                        "csomagot (például: apt install --reinstall motra).")
                             .arg(templateDir, listed(lacking), root));
            return 1;
        }
        if (!dialogs.confirm(firstStartText(root, templateDir), QStringLiteral("Létrehozás")))
            return 0;
        try {
            copyTemplate(templateDir, root);
            return -1;
        } catch (const MotraError &error) {
            // Someone else may have made the folder meanwhile: then it is checked as it stands.
            if (!QFileInfo(root).exists()) {
                dialogs.tell(QStringLiteral("A MOTRA telepítési mappája nem jött létre:\n%1\n\n%2\n\n"
                                            "A meglévő fájlokhoz a MOTRA nem nyúlt.")
                                 .arg(root, error.message()));
                return 1;
            }
        }
    }
    if (!QFileInfo(root).exists()) {
        dialogs.tell(QStringLiteral("A MOTRA telepítési mappája egy nem létező helyre mutató hivatkozás:\n%1 → %2\n\n"
                                    "A MOTRA ezt nem hozza létre; javítsa ki a hivatkozást, vagy adjon meg másik "
                                    "mappát a MOTRA_ROOT környezeti változóban.")
                         .arg(root, info.symLinkTarget()));
        return 1;
    }
    if (!QFileInfo(root).isDir()) {
        dialogs.tell(QStringLiteral("A MOTRA telepítési mappájának helyén egy fájl van:\n%1\n\n"
                                    "Nevezze át vagy helyezze át ezt a fájlt, vagy adjon meg másik mappát a "
                                    "MOTRA_ROOT környezeti változóban; addig a program nem indul el.")
                         .arg(root));
        return 1;
    }
    const QList<Problem> problems = checkInstallation(root);
    if (problems.isEmpty())
        return -1;
    QString text = QStringLiteral("A MOTRA telepítési mappájából hiányzik valami, amire a programnak szüksége van:\n"
                                  "%1\n\n%2\n")
                       .arg(root, listed(problems));
    if (QDir(root).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        text += QStringLiteral("A mappa üres. Ha új telepítésnek szánta, törölje: a MOTRA a következő indításkor "
                               "bemásolja a mintatelepítést.\n\n");
    text += QStringLiteral("A MOTRA ebben a mappában semmit nem hoz létre és semmit nem ír felül. Pótolja a hiányzó "
                           "részeket (a csomag mintatelepítéséből: %1), vagy indítsa el így a programot: ami "
                           "megvan, az használható.\n\nElindítja így is a programot?")
                .arg(templateDir);
    return dialogs.confirm(text, QStringLiteral("Indítás így is")) ? -1 : 0;
}

} // namespace FirstStart
