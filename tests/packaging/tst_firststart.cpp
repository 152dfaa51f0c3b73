// The first-start step of the launcher: a missing installation is copied whole from the
// template after the user agreed; an existing one is never written to, whatever it lacks.
#include "FirstStart.h"
#include "MessageBoxDialogs.h"
#include "TestInstallation.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Answers questions from a queue (no answer left = no) and keeps every text shown.
class RecordingDialogs : public FirstStart::Dialogs
{
public:
    QList<bool> answers;
    QStringList questions;
    QStringList messages;
    std::function<void()> onConfirm;

    bool confirm(const QString &text, const QString &) override
    {
        questions << text;
        if (onConfirm)
            onConfirm();
        return !answers.isEmpty() && answers.takeFirst();
    }
    void tell(const QString &text) override { messages << text; }
};

// Every entry under folder: relative path -> bytes, "<folder>" for folders.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        result.insert(QDir(folder).relativeFilePath(path),
            it.fileInfo().isDir() ? QByteArray("<folder>") : (file.open(QIODevice::ReadOnly) ? file.readAll() : "?"));
    }
    return result;
}

// The superuser writes into read-only folders, so for it a read-only folder is seen through
// the unprivileged user nobody: the tree is handed over to nobody and fn runs in a child
// process with nobody's ids. What fn returned, or nothing when the child failed.
QByteArray asNobody(const QString &tree, const std::function<QByteArray()> &fn)
{
    const passwd *nobody = ::getpwnam("nobody");
    if (!nobody)
        return {};
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    QStringList paths{tree};
    for (QDirIterator it(
             tree, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();)
        paths << it.next();
    for (const QString &path : paths) {
        if (::lchown(QFile::encodeName(path).constData(), uid, gid) != 0)
            return {};
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(20);
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(1);
        const QByteArray result = fn();
        const bool written = ::write(pipeEnds[1], result.constData(), result.size()) == result.size();
        ::_exit(written ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    QByteArray result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, got);
    ::close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return result;
}

QStringList stagingLeftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".motra-first-start-*")}, QDir::AllEntries | QDir::Hidden);
}

} // namespace

class TestFirstStart : public QObject
{
    Q_OBJECT

private slots:
    void missingInstallationIsCopiedFromTemplate();
    void declinedFirstStartCreatesNothing();
    void completeInstallationStartsWithoutQuestion();
    void damagedInstallationIsReportedAndKept_data();
    void damagedInstallationIsReportedAndKept();
    void notAFolderOrEmptyFolder();
    void brokenTemplateCreatesNothing_data();
    void brokenTemplateCreatesNothing();
    void failedCopyLeavesNothingBehind();
    void folderMadeMeanwhileIsNotOverwritten();
    void messageBoxAsksAndAnswers();
};

void TestFirstStart::missingInstallationIsCopiedFromTemplate()
{
    TestInstallation templ;
    QVERIFY(templ.isValid());
    const auto before = snapshot(templ.root());
    QTemporaryDir home;
    const QString root = home.filePath(QStringLiteral("share/motra/c"));
    RecordingDialogs dialogs;
    dialogs.answers = {true};

    QCOMPARE(FirstStart::prepareInstallation(root, templ.root(), dialogs), -1);
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.messages.isEmpty());
    const QString &question = dialogs.questions.first();
    for (const QString &expected : {root, templ.root(), root + QStringLiteral("/_halden/motra/"),
             QStringLiteral("kitalált bemutató adatok"), QStringLiteral("A kezdeti jelszó: 123456")})
        QVERIFY2(question.contains(expected), qPrintable(question));
    QCOMPARE(snapshot(root), before);
    QCOMPARE(snapshot(templ.root()), before);
    QVERIFY(FirstStart::checkInstallation(root).isEmpty());
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(root).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
    QVERIFY(stagingLeftovers(home.filePath(QStringLiteral("share/motra"))).isEmpty());
    // The next start finds it and asks nothing.
    QCOMPARE(FirstStart::prepareInstallation(root, templ.root(), dialogs), -1);
    QCOMPARE(dialogs.questions.size(), 1);
}

void TestFirstStart::declinedFirstStartCreatesNothing()
{
    TestInstallation templ;
    QTemporaryDir home;
    const QString root = home.filePath(QStringLiteral("c"));
    RecordingDialogs dialogs;
    dialogs.answers = {false};
    QCOMPARE(FirstStart::prepareInstallation(root, templ.root(), dialogs), 0);
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(!QFileInfo::exists(root));
    QVERIFY(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestFirstStart::completeInstallationStartsWithoutQuestion()
{
    TestInstallation templ;
    TestInstallation installed;
    RecordingDialogs dialogs;
    QCOMPARE(FirstStart::prepareInstallation(installed.root(), templ.root(), dialogs), -1);
    QVERIFY(dialogs.questions.isEmpty());
    QVERIFY(dialogs.messages.isEmpty());
}

void TestFirstStart::damagedInstallationIsReportedAndKept_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("what");
    QTest::newRow("missing scale file") << "remove _halden/motra/skala2.txt"
                                        << "_halden/motra/skala2.txt"
                                        << "hiányzik";
    QTest::newRow("file for the archive") << "file _halden/motra/archivum"
                                          << "_halden/motra/archivum"
                                          << "itt mappának kellene lennie, de fájl van";
    QTest::newRow("folder for a norm file") << "folder _halden/motra/tstan1.tp"
                                            << "_halden/motra/tstan1.tp"
                                            << "itt fájlnak kellene lennie, de mappa van";
    QTest::newRow("no program folder") << "remove _halden"
                                       << "_halden/motra"
                                       << "hiányzik";
    QTest::newRow("read-only statistics folder") << "readonly _halden/motra/stat"
                                                 << "_halden/motra/stat"
                                                 << "a mappa nem írható";
    QTest::newRow("licensed files in capitals") << "rename _halden/motra/skala1.txt _halden/motra/SKALA1.TXT"
                                                << ""
                                                << "";
}

void TestFirstStart::damagedInstallationIsReportedAndKept()
{
    QFETCH(QString, damage);
    QFETCH(QString, path);
    QFETCH(QString, what);
    TestInstallation templ;
    TestInstallation installed;
    const QStringList words = damage.split(QLatin1Char(' '));
    const QString target = installed.root() + QLatin1Char('/') + words[1];
    if (words[0] == QLatin1String("remove")) {
        QVERIFY(QFileInfo(target).isDir() ? QDir(target).removeRecursively() : QFile::remove(target));
    } else if (words[0] == QLatin1String("file")) {
        QVERIFY(QDir(target).removeRecursively());
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (words[0] == QLatin1String("folder")) {
        QVERIFY(QFile::remove(target));
        QVERIFY(QDir().mkdir(target));
    } else if (words[0] == QLatin1String("readonly")) {
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else {
        QVERIFY(QFile::rename(target, installed.root() + QLatin1Char('/') + words[2]));
    }
    const auto before = snapshot(installed.root());

    // Two starts: the user starts the program anyway, then declines.
    auto twoStarts = [&] {
        RecordingDialogs dialogs;
        dialogs.answers = {true, false};
        const int first = FirstStart::prepareInstallation(installed.root(), templ.root(), dialogs);
        const int second = FirstStart::prepareInstallation(installed.root(), templ.root(), dialogs);
        QByteArray bytes;
        QDataStream(&bytes, QIODevice::WriteOnly) << first << second << dialogs.questions;
        return bytes;
    };
    const QByteArray bytes = words[0] == QLatin1String("readonly") && ::geteuid() == 0
        ? asNobody(installed.root(), twoStarts)
        : twoStarts();
    QVERIFY2(!bytes.isEmpty(), "the unprivileged user nobody could not check the folder");
    int first = 0;
    int second = 0;
    QStringList questions;
    QDataStream(bytes) >> first >> second >> questions;
    QCOMPARE(first, -1);
    if (path.isEmpty()) {
        QCOMPARE(second, -1);
        QVERIFY(questions.isEmpty());
        return;
    }
    QCOMPARE(second, 0);
    QCOMPARE(questions.size(), 2);
    const QString line = QStringLiteral("• %1/%2: %3\n").arg(installed.root(), path, what);
    QVERIFY2(questions[0].contains(line), qPrintable(questions[0]));
    QCOMPARE(questions[0].count(QStringLiteral("• ")), 1);
    QCOMPARE(snapshot(installed.root()), before);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestFirstStart::notAFolderOrEmptyFolder()
{
    TestInstallation templ;
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("c"));
    QFile plain(file);
    QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("user data") == 9);
    plain.close();
    RecordingDialogs dialogs;
    dialogs.answers = {true, true};
    QCOMPARE(FirstStart::prepareInstallation(file, templ.root(), dialogs), 1);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].contains(QStringLiteral("helyén egy fájl van:\n") + file));
    QVERIFY(dialogs.questions.isEmpty());

    const QString empty = home.filePath(QStringLiteral("empty"));
    QVERIFY(QDir().mkdir(empty));
    QCOMPARE(FirstStart::prepareInstallation(empty, templ.root(), dialogs), -1);
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].contains(QStringLiteral("A mappa üres.")));
    QVERIFY(QDir(empty).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QVERIFY(stagingLeftovers(home.path()).isEmpty());
}

void TestFirstStart::brokenTemplateCreatesNothing_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("named");
    QTest::newRow("no template") << ""
                                 << "mintatelepítése nem található";
    QTest::newRow("no norm file") << "_halden/motra/fakst3.tp"
                                  << "_halden/motra/fakst3.tp: hiányzik";
    QTest::newRow("no password file") << "_halden/motra/standard.dat"
                                      << "_halden/motra/standard.dat: hiányzik";
}

void TestFirstStart::brokenTemplateCreatesNothing()
{
    QFETCH(QString, missing);
    QFETCH(QString, named);
    TestInstallation templ;
    QString templateDir = templ.root();
    if (missing.isEmpty())
        templateDir += QStringLiteral("/nincs");
    else
        QVERIFY(QFile::remove(templ.root() + QLatin1Char('/') + missing));
    QTemporaryDir home;
    const QString root = home.filePath(QStringLiteral("c"));
    RecordingDialogs dialogs;
    dialogs.answers = {true};
    QCOMPARE(FirstStart::prepareInstallation(root, templateDir, dialogs), 1);
    QVERIFY(dialogs.questions.isEmpty());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].contains(named) && dialogs.messages[0].contains(templateDir),
        qPrintable(dialogs.messages[0]));
    QVERIFY(!QFileInfo::exists(root));
}

void TestFirstStart::failedCopyLeavesNothingBehind()
{
    TestInstallation templ;
    QTemporaryDir home;
    // Something the copy cannot take, deep in the tree, after many files were copied.
    const QString fifo = templ.root() + QStringLiteral("/_halden/motra/wizard/zz.pipe");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString root = home.filePath(QStringLiteral("c"));
    RecordingDialogs dialogs;
    dialogs.answers = {true};
    QCOMPARE(FirstStart::prepareInstallation(root, templ.root(), dialogs), 1);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].contains(root) && dialogs.messages[0].contains(fifo), qPrintable(dialogs.messages[0]));
    QVERIFY(!QFileInfo::exists(root));
    QVERIFY(stagingLeftovers(home.path()).isEmpty());

    // A parent that cannot be a folder.
    QFile blocker(home.filePath(QStringLiteral("share")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QFile::remove(fifo);
    const QString below = home.filePath(QStringLiteral("share/motra/c"));
    dialogs.answers = {true};
    QCOMPARE(FirstStart::prepareInstallation(below, templ.root(), dialogs), 1);
    QVERIFY2(dialogs.messages.last().contains(home.filePath(QStringLiteral("share/motra"))),
        qPrintable(dialogs.messages.last()));
}

void TestFirstStart::folderMadeMeanwhileIsNotOverwritten()
{
    TestInstallation templ;
    QTemporaryDir home;
    const QString root = home.filePath(QStringLiteral("c"));
    RecordingDialogs dialogs;
    dialogs.answers = {true, false};
    // A second start made the folder, with an examination in it, while this one was asking.
    dialogs.onConfirm = [&] {
        if (QFileInfo::exists(root))
            return;
        QDir().mkpath(root + QStringLiteral("/_halden/motra/archivum"));
        QFile exam(root + QStringLiteral("/_halden/motra/archivum/A1.mtr"));
        QVERIFY(exam.open(QIODevice::WriteOnly) && exam.write("<MOTRA=>\r\n") == 10);
    };
    QCOMPARE(FirstStart::prepareInstallation(root, templ.root(), dialogs), 0);
    QCOMPARE(dialogs.questions.size(), 2);
    QVERIFY(dialogs.questions[1].contains(QStringLiteral("skala1.txt: hiányzik")));
    const auto after = snapshot(root);
    QCOMPARE(after.value(QStringLiteral("_halden/motra/archivum/A1.mtr")), QByteArray("<MOTRA=>\r\n"));
    QCOMPARE(after.size(), 4);
    QVERIFY(stagingLeftovers(home.path()).isEmpty());
}

void TestFirstStart::messageBoxAsksAndAnswers()
{
    MessageBoxDialogs dialogs;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    bool late = false;
    QTimer timer;
    QElapsedTimer waited;
    // Presses the button captioned press once the box is up, or closes the box when there is
    // no such button. A box that does not come up as the modal window within a few seconds
    // is closed wherever it is, and the test fails.
    auto answer = [&](const QString &press) {
        timer.disconnect();
        waited.start();
        QObject::connect(&timer, &QTimer::timeout, [&, press] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box && waited.elapsed() > 5000) {
                late = true;
                timer.stop();
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    if (auto *stray = qobject_cast<QMessageBox *>(widget))
                        stray->done(0);
                }
            }
            if (!box)
                return;
            timer.stop();
            shown = box->text();
            format = box->textFormat();
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == press)
                    return button->click();
            }
            box->done(0);
        });
        timer.start(10);
    };
    answer(QStringLiteral("Létrehozás"));
    QVERIFY(dialogs.confirm(QStringLiteral("<b>c:</b> & mappa"), QStringLiteral("Létrehozás")));
    QVERIFY(!late);
    QCOMPARE(shown, QStringLiteral("<b>c:</b> & mappa"));
    QCOMPARE(format, Qt::PlainText);
    answer(QStringLiteral("Kilépés"));
    QVERIFY(!dialogs.confirm(QStringLiteral("kérdés"), QStringLiteral("Létrehozás")));
    QVERIFY(!late);
    QCOMPARE(shown, QStringLiteral("kérdés"));
    QVERIFY(!dialogs.unanswered());
}

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"
