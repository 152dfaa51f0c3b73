#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <thread>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

// Windows-1250 text files with CR LF: what reaches the disk, what is read back, and that a
// failed write never damages the file that was there.
class TstTextFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray bytesOf(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void putBytes(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    // Runs the action and returns the message of the MotraError it throws (empty when none).
    template<typename Action> static QString errorOf(Action action)
    {
        try {
            action();
        } catch (const MotraError &error) {
            return error.message().isEmpty() ? QStringLiteral("(empty message)") : error.message();
        }
        return {};
    }

    // Runs the action under a file size limit (which stops writes even for root) and returns
    // the message it throws.
    template<typename Action> static QString errorUnderSizeLimit(rlim_t limit, Action action)
    {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &limited);
        const QString message = errorOf(action);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        return message;
    }

    QStringList m_notices;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TextFile::setNoticeReporter([this](const QString &text) { m_notices << text; });
    }
    void init() { m_notices.clear(); }
    void cleanupTestCase() { TextFile::setNoticeReporter({}); }

    void roundTripOfLetters()
    {
        const QStringList lines{QStringLiteral("áéíóöőúüű ÁÉÍÓÖŐÚÜŰ"),
            QStringLiteral("ä ß č ž š ř ť ď ň ĺ ľ ŕ ą ę ł ń ś ź ż ć ă â î ş ţ"),
            QStringLiteral("Ä Č Ž Š Ř Ť Ď Ň Ĺ Ľ Ŕ Ą Ę Ł Ń Ś Ź Ż Ć Ă Â Î Ş Ţ"),
            QStringLiteral("€ „idézet” – — … § ° × ÷"), QString(), QStringLiteral("\tTabulátorral kezdődő sor")};
        TextFile::writeLines(path(QStringLiteral("letters.txt")), lines);
        QCOMPARE(TextFile::readLines(path(QStringLiteral("letters.txt"))), lines);
    }

    // One decoder serves every text of a thread: a byte the code page leaves undefined, or a
    // decode on another thread, changes nothing in the texts decoded after it.
    void decodingKeepsNothingBetweenTexts()
    {
        const QString undefined = TextFile::decode(QByteArray("a\x81\x98"));
        QCOMPARE(undefined.size(), 3);
        QCOMPARE(undefined.at(0), QLatin1Char('a'));
        QCOMPARE(TextFile::decode(QByteArray("\xF5\xFB")), QStringLiteral("őű"));
        QString onOtherThread;
        std::thread other([&] { onOtherThread = TextFile::decode(QByteArray("\xE1")); });
        other.join();
        QCOMPARE(onOtherThread, QStringLiteral("á"));
        QCOMPARE(TextFile::decode(QByteArray("\xD5")), QStringLiteral("Ő"));
    }

    void bytesOnDisk()
    {
        TextFile::writeLines(
            path(QStringLiteral("bytes.txt")), {QStringLiteral("őű"), QStringLiteral("ŐŰ"), QStringLiteral("a")});
        QCOMPARE(bytesOf(path(QStringLiteral("bytes.txt"))), QByteArray("\xF5\xFB\r\n\xD5\xDB\r\na\r\n"));
        TextFile::writeLines(path(QStringLiteral("empty.txt")), {});
        QCOMPARE(bytesOf(path(QStringLiteral("empty.txt"))), QByteArray());
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\r\n") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("no final line end") << QByteArray("a\r\nlast") << QStringList{"a", "last"};
        QTest::newRow("empty lines") << QByteArray("a\r\n\r\n\nb") << QStringList{"a", "", "", "b"};
        QTest::newRow("CR CR") << QByteArray("a\r\rb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("Windows-1250 bytes") << QByteArray("\xF5\xFB\xD5\xDB\xE1") << QStringList{"őűŐŰá"};
    }

    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        putBytes(path(QStringLiteral("ends.txt")), bytes);
        QCOMPARE(TextFile::readLines(path(QStringLiteral("ends.txt"))), lines);
    }

    void longLine()
    {
        const QString line = QString(5000, QChar(0x0151)); // ő
        TextFile::writeLines(path(QStringLiteral("long.txt")), {line, QStringLiteral("x")});
        QCOMPARE(bytesOf(path(QStringLiteral("long.txt"))).size(), 5000 + 2 + 1 + 2);
        QCOMPARE(TextFile::readLines(path(QStringLiteral("long.txt"))), (QStringList{line, QStringLiteral("x")}));
    }

    void characterOutsideCodePage_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("smiley") << QStringLiteral("☺");
        QTest::newRow("han") << QStringLiteral("漢");
        QTest::newRow("outside the basic plane") << QStringLiteral("😀");
    }

    void characterOutsideCodePage()
    {
        QFETCH(QString, character);
        const QString file = path(QStringLiteral("refused.txt"));
        const QByteArray old("r\xE9gi tartalom\r\n");
        putBytes(file, old);

        const QString written = errorOf([&] {
            TextFile::writeLines(file,
                {QStringLiteral("első sor"), QStringLiteral("ez ") + character + QStringLiteral(" nem fér bele")});
        });
        QVERIFY(!written.isEmpty());
        QVERIFY2(written.contains(character), qPrintable(written));
        QCOMPARE(bytesOf(file), old);

        const QString appended
            = errorOf([&] { TextFile::appendText(file, QStringLiteral("x") + character + QStringLiteral("\r\n")); });
        QVERIFY(!appended.isEmpty());
        QVERIFY2(appended.contains(character), qPrintable(appended));
        QCOMPARE(bytesOf(file), old);

        QVERIFY(!errorOf([&] { TextFile::encode(character, file); }).isEmpty());
    }

    void failedReplaceKeepsOldFile_data()
    {
        QTest::addColumn<int>("newSize");
        QTest::newRow("buffered write") << 12000;
        QTest::newRow("direct write") << 200000;
    }

    void failedReplaceKeepsOldFile()
    {
        QFETCH(int, newSize);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("keep.txt"));
        QByteArray old;
        for (int i = 0; i < 100; ++i)
            old += "old line " + QByteArray::number(i) + "\r\n";
        putBytes(file, old);
        const QStringList lines(newSize / 100, QString(98, QLatin1Char('n')));

        // A file size limit below the new size makes the write fail midway, even for root.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const QString message = errorOf([&] { TextFile::writeLines(file, lines); });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY2(!message.isEmpty(), "the failed write was reported as success");
        // The system's reason, read before the save is cancelled.
        QVERIFY2(message.contains(QLatin1String("Oka: File too large")), qPrintable(message));
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(bytesOf(file), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("keep.txt")});
        // With the limit lifted the same write goes through.
        TextFile::writeLines(file, lines);
        QCOMPARE(TextFile::readLines(file), lines);
    }

    void appendCreatesAndAppends()
    {
        const QString file = path(QStringLiteral("append.txt"));
        QFile::remove(file);
        TextFile::appendText(file, QStringLiteral("első\r\n"));
        QCOMPARE(bytesOf(file), QByteArray("els\xF5\r\n"));

        // Appending extends the same file: a second name of it sees the new text too.
        const QString link = path(QStringLiteral("append-link.txt"));
        QFile::remove(link);
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(link).constData()), 0);
        TextFile::appendText(file, QStringLiteral("második\tsor\r\n"));
        QCOMPARE(bytesOf(link), QByteArray("els\xF5\r\nm\xE1sodik\tsor\r\n"));
        QCOMPARE(TextFile::readLines(file), (QStringList{QStringLiteral("első"), QStringLiteral("második\tsor")}));
    }

    // A FIFO, a device or a folder where a file is expected: refused at once, never opened
    // blocking (a FIFO without a writer would wait for ever).
    void nonRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("reason");
        for (const char *operation : {"read", "replace", "append"}) {
            QTest::addRow("FIFO, %s", operation) << "fifo" << operation << "csővezeték (FIFO)";
            QTest::addRow("folder, %s", operation) << "folder" << operation << "mappa, nem fájl";
            QTest::addRow("device, %s", operation) << "device" << operation << "eszköz";
        }
        QTest::addRow("FIFO as the append's note") << "fifo note"
                                                   << "append"
                                                   << "csővezeték (FIFO)";
    }

    void nonRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, operation);
        QFETCH(QString, reason);
        QString target = QStringLiteral("/dev/null");
        if (kind == QLatin1String("fifo")) {
            target = path(QStringLiteral("cso"));
            QFile::remove(target);
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            target = path(QStringLiteral("mappa"));
            QVERIFY(QDir().mkpath(target));
        } else if (kind == QLatin1String("fifo note")) {
            target = path(QStringLiteral("jegyzett.dat"));
            putBytes(target, "x\r\n");
            const QString note = target + QStringLiteral(".before-append");
            QFile::remove(note);
            QCOMPARE(::mkfifo(QFile::encodeName(note).constData(), 0600), 0);
        }
        alarm(20); // a blocking open fails the test instead of hanging it
        const QString message = errorOf([&] {
            if (operation == QLatin1String("read"))
                TextFile::readLines(target);
            else if (operation == QLatin1String("replace"))
                TextFile::writeLines(target, {QStringLiteral("x")});
            else
                TextFile::appendText(target, QStringLiteral("x\r\n"));
        });
        alarm(0);
        QVERIFY2(message.contains(target), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Oka: ez egy ") + reason), qPrintable(message));
        if (kind == QLatin1String("fifo note"))
            QCOMPARE(bytesOf(target), QByteArray("x\r\n"));
        else
            QVERIFY(QFileInfo(target).isDir() || !QFileInfo(target).isFile());
    }

    // Every failure names the file and the reason; where the file lies in the installation,
    // its fixed path is named too.
    void failureMessages_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "_halden/motra/skala1.txt"
                                      << "c:\\_halden\\motra\\skala1.txt"
                                      << "Oka: No such file or directory";
        QTest::newRow("missing folder") << "_halden/motra/nincs/a.mtr"
                                        << "c:\\_halden\\motra\\nincs\\a.mtr"
                                        << "Oka: hiányzik a(z) „c:\\_halden\\motra\\nincs\\” mappa";
        QTest::newRow("missing installation") << "_masik/a.mtr"
                                              << "c:\\_masik\\a.mtr"
                                              << "Oka: hiányzik a(z) „c:\\_masik\\” mappa";
    }

    void failureMessages()
    {
        QFETCH(QString, relative);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("_halden/motra"))));
        const QByteArray oldRoot = qgetenv("MOTRA_ROOT");
        qputenv("MOTRA_ROOT", QFile::encodeName(root.path()));
        const QString host = root.filePath(relative);
        QStringList messages{errorOf([&] { TextFile::readLines(host); })};
        // Where only the file is missing, writing creates it.
        if (!reason.contains(QLatin1String("No such"))) {
            messages << errorOf([&] { TextFile::writeLines(host, {QStringLiteral("x")}); });
            messages << errorOf([&] { TextFile::appendText(host, QStringLiteral("x\r\n")); });
        }
        qputenv("MOTRA_ROOT", oldRoot);
        for (const QString &message : messages) {
            QVERIFY2(message.contains(QStringLiteral("\nFájl: ") + shown + QLatin1Char('\n')), qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("\nA gépen: ") + host), qPrintable(message));
            QVERIFY2(message.contains(reason), qPrintable(message));
        }
    }

    // An append that fails is cut back: the file holds exactly what it held before, whether
    // the limit stops the first byte or the middle of the text; a file it made is gone.
    void failedAppendRollsBack_data()
    {
        QTest::addColumn<int>("limitAbove");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<bool>("existed");
        QTest::newRow("nothing fits") << 0 << 600 << true;
        QTest::newRow("cut in the middle") << 100 << 600 << true;
        QTest::newRow("cut after a page") << 5000 << 9000 << true;
        QTest::newRow("new file cut in the middle") << 100 << 600 << false;
    }

    void failedAppendRollsBack()
    {
        QFETCH(int, limitAbove);
        QFETCH(int, textSize);
        QFETCH(bool, existed);
        const QString file = path(QStringLiteral("stat.da1"));
        const QByteArray old = existed ? QByteArray("Kod\tDatum\r\nA1\t2004\r\n") : QByteArray();
        QFile::remove(file);
        if (existed)
            putBytes(file, old);
        const QString text = QString(textSize - 2, QLatin1Char('7')) + QStringLiteral("\r\n");
        const QString message = errorUnderSizeLimit(old.size() + limitAbove, [&] { TextFile::appendText(file, text); });
        QVERIFY2(message.contains(QLatin1String("Oka: File too large")), qPrintable(message));
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(QFileInfo::exists(file), existed);
        QCOMPARE(bytesOf(file), old);
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".before-append")));
        TextFile::appendText(file, text);
        QCOMPARE(bytesOf(file), old + text.toLatin1());
        QVERIFY(m_notices.isEmpty());
    }

    // An append killed part-way (the note beside the file, a cut line at its end): the next
    // append removes the cut line first and says so; an append that was whole stays. A file
    // that the killed append made and did not finish is removed.
    void interruptedAppend_data()
    {
        QTest::addColumn<bool>("created"); // the killed append made the file
        QTest::addColumn<bool>("made"); // the file was there when it was killed
        QTest::addColumn<QByteArray>("reached");
        QTest::addColumn<bool>("cut");
        QTest::newRow("killed in the line") << false << true << QByteArray("B2\t20") << true;
        QTest::newRow("killed before writing") << false << true << QByteArray() << false;
        QTest::newRow("killed after the whole line") << false << true << QByteArray("B2\t2005\r\n") << false;
        QTest::newRow("new file killed in the line") << true << true << QByteArray("B2\t20") << true;
        QTest::newRow("new file killed empty") << true << true << QByteArray() << true;
        QTest::newRow("new file killed before making it") << true << false << QByteArray() << false;
        QTest::newRow("new file killed after the whole line") << true << true << QByteArray("B2\t2005\r\n") << false;
    }

    void interruptedAppend()
    {
        QFETCH(bool, created);
        QFETCH(bool, made);
        QFETCH(QByteArray, reached);
        QFETCH(bool, cut);
        const QString file = path(QStringLiteral("_sum.dat"));
        const QByteArray old = created ? QByteArray() : QByteArray("A1\t2004\r\n");
        QFile::remove(file);
        if (made)
            putBytes(file, old + reached);
        putBytes(file + QStringLiteral(".before-append"),
            QByteArray::number(old.size()) + ' ' + QByteArray::number(old.size() + 9) + (created ? " new\n" : "\n"));
        // Rolled back on its own: a file the killed append made and cut is gone.
        TextFile::recoverInterruptedAppend(file);
        QCOMPARE(QFileInfo::exists(file), made && !(created && cut));
        TextFile::appendText(file, QStringLiteral("C3\t2006\r\n"));
        QCOMPARE(bytesOf(file), old + (cut ? QByteArray() : reached) + "C3\t2006\r\n");
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".before-append")));
        QCOMPARE(m_notices.size(), cut ? 1 : 0);
        if (cut)
            QVERIFY2(m_notices.first().contains(file), qPrintable(m_notices.first()));
    }

    // A save removes what its own interrupted saves left (QSaveFile's NAME.XXXXXX) and
    // nothing else, and says something only when it removed a file.
    void saveLeftovers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("leftover") << "A7.mtr.AbCdEf" << true;
        QTest::newRow("leftover with digits") << "A7.mtr.q1W2e3" << true;
        // A user's copies: letters of one case only.
        QTest::newRow("backup") << "A7.mtr.backup" << false;
        QTest::newRow("old123") << "A7.mtr.old123" << false;
        QTest::newRow("BACKUP") << "A7.mtr.BACKUP" << false;
        QTest::newRow("five letters") << "A7.mtr.AbCdE" << false;
        QTest::newRow("seven letters") << "A7.mtr.AbCdEfg" << false;
        QTest::newRow("other case file") << "B7.mtr.AbCdEf" << false;
        QTest::newRow("other letter case") << "a7.mtr.AbCdEf" << false;
        QTest::newRow("not a letter") << "A7.mtr.Ab-dEf" << false;
        QTest::newRow("no dot") << "A7.mtrAbCdEfg" << false;
        QTest::newRow("longer name") << "A7.mtr.bak.AbCdEf" << false;
        QTest::newRow("append note") << "A7.mtr.before-append" << false;
        QTest::newRow("another file") << "A7.htm" << false;
    }

    void saveLeftovers()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("A7.mtr"));
        const QString other = dir.filePath(name);
        putBytes(other, "left by a save killed between writing and renaming");
        TextFile::writeLines(target, {QStringLiteral("<MOTRA=>")});
        QCOMPARE(QFileInfo::exists(other), !removed);
        QCOMPARE(m_notices.size(), removed ? 1 : 0);
        if (removed)
            QVERIFY2(m_notices.first().contains(other), qPrintable(m_notices.first()));
        // A folder of that name is never touched.
        if (removed) {
            QVERIFY(QDir().mkpath(other));
            TextFile::writeLines(target, {QStringLiteral("<MOTRA=>")});
            QVERIFY(QFileInfo(other).isDir());
        }
        QCOMPARE(bytesOf(target), QByteArray("<MOTRA=>\r\n"));
    }

    void missingFile()
    {
        const QString file = path(QStringLiteral("nincs/ilyen.txt"));
        const QString message = errorOf([&] { TextFile::readLines(file); });
        QVERIFY(!message.isEmpty());
        QVERIFY2(message.contains(file), qPrintable(message));
        // Writing into a missing folder fails too, and creates no folder.
        QVERIFY(!errorOf([&] { TextFile::writeLines(file, {QStringLiteral("x")}); }).isEmpty());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("nincs"))));
    }
};

QTEST_GUILESS_MAIN(TstTextFile)
#include "tst_textfile.moc"
