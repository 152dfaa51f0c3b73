#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/TextFile.h"
#include "case/VisibleText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The mapping of the program's fixed paths onto the host, and the names made safe for it.
class TstHostPath : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QByteArray m_oldRoot;
    bool m_hadRoot = false;

    QString root() const { return m_root.path(); }

    void touch(const QString &relative)
    {
        const QString path = root() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_hadRoot = qEnvironmentVariableIsSet("MOTRA_ROOT");
        m_oldRoot = qgetenv("MOTRA_ROOT");
        touch(QStringLiteral("_halden/motra/skala1.txt"));
        touch(QStringLiteral("_halden/motra/help/szemad.hlp"));
        touch(QStringLiteral("_halden/motra/stat/x.da1"));
        touch(QStringLiteral("_halden/motra/stat/Y.Da1"));
        touch(QStringLiteral("_halden/motra/stat/z.da2"));
        touch(QStringLiteral("_halden/motra/Archivum/a.mtr"));
        touch(QStringLiteral("qrelab/kalauz/nincs.bmp"));
    }

    void init() { qputenv("MOTRA_ROOT", root().toLocal8Bit()); }

    void cleanupTestCase()
    {
        if (m_hadRoot)
            qputenv("MOTRA_ROOT", m_oldRoot);
        else
            qunsetenv("MOTRA_ROOT");
    }

    void mapping_data()
    {
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("relative");
        QTest::newRow("exact") << "c:\\_halden\\motra\\skala1.txt"
                               << "/_halden/motra/skala1.txt";
        QTest::newRow("upper-case drive") << "C:\\_halden\\motra\\skala1.txt"
                                          << "/_halden/motra/skala1.txt";
        QTest::newRow("forward slashes") << "C:/_halden/motra/skala1.txt"
                                         << "/_halden/motra/skala1.txt";
        QTest::newRow("file in other case") << "c:\\_halden\\motra\\SKALA1.TXT"
                                            << "/_halden/motra/skala1.txt";
        QTest::newRow("help topic") << "c:\\_halden\\motra\\help\\SzemAd.hlp"
                                    << "/_halden/motra/help/szemad.hlp";
        QTest::newRow("folders in other case") << "c:\\_HALDEN\\Motra\\HELP\\SzemAd.hlp"
                                               << "/_halden/motra/help/szemad.hlp";
        QTest::newRow("folder in other case on disk") << "c:\\_halden\\motra\\archivum\\a.mtr"
                                                      << "/_halden/motra/Archivum/a.mtr";
        QTest::newRow("missing file keeps spelling") << "c:\\_halden\\motra\\Uj Fajl.TXT"
                                                     << "/_halden/motra/Uj Fajl.TXT";
        QTest::newRow("missing folder keeps spelling") << "c:\\_halden\\Nincs\\Ilyen\\a.txt"
                                                       << "/_halden/Nincs/Ilyen/a.txt";
        QTest::newRow("folder with backslash") << "c:\\_halden\\motra\\stat\\"
                                               << "/_halden/motra/stat/";
        QTest::newRow("folder without backslash") << "c:\\_halden\\motra\\stat"
                                                  << "/_halden/motra/stat";
        QTest::newRow("photo program") << "c:\\qrelab\\kalauz\\nincs.bmp"
                                       << "/qrelab/kalauz/nincs.bmp";
        QTest::newRow("drive root") << "c:\\"
                                    << "/";
    }

    void mapping()
    {
        QFETCH(QString, fixed);
        QFETCH(QString, relative);
        QCOMPARE(hostPath(fixed), root() + relative);
    }

    void fixedPathsOfTheInstallation()
    {
        QCOMPARE(hostPath(FixedPaths::Skala1), root() + QStringLiteral("/_halden/motra/skala1.txt"));
        QCOMPARE(hostPath(FixedPaths::helpFile(QStringLiteral("SzemAd.hlp"))),
            root() + QStringLiteral("/_halden/motra/help/szemad.hlp"));
        QCOMPARE(hostPath(FixedPaths::StatFolder), root() + QStringLiteral("/_halden/motra/stat/"));
    }

    void rootWithClosingSlash()
    {
        qputenv("MOTRA_ROOT", (root() + QStringLiteral("/")).toLocal8Bit());
        QCOMPARE(hostPath(FixedPaths::Skala1), root() + QStringLiteral("/_halden/motra/skala1.txt"));
    }

    void otherTextsUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("host path") << "/tmp/x.txt";
        QTest::newRow("relative") << "x.txt";
        QTest::newRow("other drive") << "d:\\x\\y.txt";
        QTest::newRow("empty") << "";
    }

    void otherTextsUnchanged()
    {
        QFETCH(QString, text);
        QCOMPARE(hostPath(text), text);
    }

    void masks_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("upper-case mask") << FixedPaths::StatFolder << "*.DA1" << QStringList{"x.da1", "Y.Da1"};
        QTest::newRow("lower-case mask") << FixedPaths::StatFolder << "*.da2" << QStringList{"z.da2"};
        QTest::newRow("folder without backslash")
            << FixedPaths::StatFolderNoSlash << "*.da1" << QStringList{"x.da1", "Y.Da1"};
        QTest::newRow("folder in other case") << FixedPaths::ArchiveFolder << "*.MTR" << QStringList{"a.mtr"};
        QTest::newRow("nothing matches") << FixedPaths::StatFolder << "*.da3" << QStringList{};
        QTest::newRow("missing folder") << "c:\\_halden\\motra\\nincs\\"
                                        << "*.da1" << QStringList{};
    }

    void masks()
    {
        QFETCH(QString, folder);
        QFETCH(QString, mask);
        QFETCH(QStringList, names);
        QCOMPARE(matchingFiles(folder, mask), names);
    }

    void defaultRootWithoutVariable()
    {
        QTemporaryDir data;
        QVERIFY(data.isValid());
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        const bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qunsetenv("MOTRA_ROOT");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString expected = data.path() + QStringLiteral("/motra/c");
        const QString defaulted = defaultRoot();
        const QString root = motraRoot();
        const QString mapped = hostPath(QStringLiteral("c:\\_halden\\motra\\standard.dat"));
        // An empty variable counts as unset.
        qputenv("MOTRA_ROOT", QByteArray());
        const QString emptyRoot = motraRoot();
        if (hadData)
            qputenv("XDG_DATA_HOME", oldData);
        else
            qunsetenv("XDG_DATA_HOME");
        QCOMPARE(defaulted, expected);
        QCOMPARE(root, expected);
        QCOMPARE(mapped, expected + QStringLiteral("/_halden/motra/standard.dat"));
        QCOMPARE(emptyRoot, expected);
    }

    // What a failure message names: the fixed path back from the host path, and the first
    // folder on the way that is missing or is a file.
    void pathsInMessages_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("missingFolder");
        QTest::newRow("existing file") << "_halden/motra/skala1.txt"
                                       << "c:\\_halden\\motra\\skala1.txt"
                                       << "";
        QTest::newRow("file missing, folder there") << "_halden/motra/skala9.txt"
                                                    << "c:\\_halden\\motra\\skala9.txt"
                                                    << "";
        QTest::newRow("folder missing") << "_halden/motra/nincs/a.txt"
                                        << "c:\\_halden\\motra\\nincs\\a.txt"
                                        << "hiányzik a(z) „c:\\_halden\\motra\\nincs\\” mappa";
        QTest::newRow("installation missing") << "_masik/motra/skala1.txt"
                                              << "c:\\_masik\\motra\\skala1.txt"
                                              << "hiányzik a(z) „c:\\_masik\\” mappa";
        QTest::newRow("file in a folder's place") << "_halden/motra/skala1.txt/x"
                                                  << "c:\\_halden\\motra\\skala1.txt\\x"
                                                  << "a(z) „c:\\_halden\\motra\\skala1.txt” nem mappa, hanem fájl";
    }

    void pathsInMessages()
    {
        QFETCH(QString, relative);
        QFETCH(QString, fixed);
        QFETCH(QString, missingFolder);
        const QString host = root() + QLatin1Char('/') + relative;
        QCOMPARE(fixedPathOf(host), fixed);
        QCOMPARE(shownPath(host), fixed);
        const QString missing = missingFolderReason(host);
        QCOMPARE(missing.isEmpty(), missingFolder.isEmpty());
        QVERIFY2(missingFolder.isEmpty() || missing.startsWith(missingFolder), qPrintable(missing));
        // A path outside the installation is shown as it is.
        QCOMPARE(fixedPathOf(QStringLiteral("/elsewhere/a.mtr")), QString());
        QCOMPARE(shownPath(QStringLiteral("/elsewhere/a.mtr")), QStringLiteral("/elsewhere/a.mtr"));
        QCOMPARE(notRegularFileReason(root()), QStringLiteral("ez egy mappa, nem fájl"));
        QCOMPARE(notRegularFileReason(root() + QStringLiteral("/_halden/motra/skala1.txt")), QString());
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("unchanged");
        QTest::newRow("code") << "ABC-12" << true;
        QTest::newRow("name with blank") << "Kiss Anna" << true;
        QTest::newRow("single dot") << "a.b" << true;
        QTest::newRow("accents") << "Ősz Űrsula" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("parent then name") << "..\\x" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("drive") << "c:x" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("deep") << "..\\..\\..\\etc\\passwd" << false;
        QTest::newRow("forward parent") << "../../x" << false;
        QTest::newRow("absolute") << "c:\\windows\\x" << false;
        QTest::newRow("line break") << "A7\nB" << false;
        QTest::newRow("carriage return") << "A7\r" << false;
        QTest::newRow("NUL") << QString(QStringLiteral("A%1B")).arg(QChar(0)) << false;
        QTest::newRow("tab") << "A\t7" << false;
        QTest::newRow("line separator") << QString(QStringLiteral("A%1B")).arg(QChar(0x2028)) << false;
    }

    void safeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, unchanged);
        const QString safe = FixedPaths::safeBaseName(name);
        if (unchanged)
            QCOMPARE(safe, name);
        else
            QVERIFY(safe != name);
        QVERIFY(!safe.contains(QLatin1Char('\\')));
        QVERIFY(!safe.contains(QLatin1Char('/')));
        QVERIFY(!safe.contains(QLatin1Char(':')));
        QVERIFY(!safe.contains(QLatin1String("..")));
        for (const QChar c : safe)
            QVERIFY2(!VisibleText::isControl(c), qPrintable(QString::number(c.unicode(), 16)));
        // Its entry in the recently-modified list stays one line.
        QCOMPARE(TextFile::splitLines(FixedPaths::caseFile(name)).size(), 1);

        // Case files and reports stay inside their folders whatever the name.
        const QString archive = QDir::cleanPath(hostPath(FixedPaths::ArchiveFolder));
        const QString caseFile = hostPath(FixedPaths::caseFile(name));
        QCOMPARE(QFileInfo(QDir::cleanPath(caseFile)).path(), archive);
        QVERIFY(caseFile.endsWith(QLatin1String(".mtr")));
        QCOMPARE(FixedPaths::caseFile(name), FixedPaths::ArchiveFolder + safe + QStringLiteral(".mtr"));

        const QString reports = QDir::cleanPath(hostPath(FixedPaths::ReportFolder));
        const QString report = hostPath(FixedPaths::htmlReport(name));
        QCOMPARE(QFileInfo(QDir::cleanPath(report)).path(), reports);
        QCOMPARE(FixedPaths::htmlReport(name), FixedPaths::ReportFolder + safe + QStringLiteral(".htm"));
    }
};

QTEST_GUILESS_MAIN(TstHostPath)
#include "tst_hostpath.moc"
