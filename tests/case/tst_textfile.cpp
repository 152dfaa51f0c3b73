#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
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

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void roundTripOfLetters()
    {
        const QStringList lines{QStringLiteral("áéíóöőúüű ÁÉÍÓÖŐÚÜŰ"),
            QStringLiteral("ä ß č ž š ř ť ď ň ĺ ľ ŕ ą ę ł ń ś ź ż ć ă â î ş ţ"),
            QStringLiteral("Ä Č Ž Š Ř Ť Ď Ň Ĺ Ľ Ŕ Ą Ę Ł Ń Ś Ź Ż Ć Ă Â Î Ş Ţ"),
            QStringLiteral("€ „idézet” – — … § ° × ÷"), QString(), QStringLiteral("\tTabulátorral kezdődő sor")};
        TextFile::writeLines(path(QStringLiteral("letters.txt")), lines);
        QCOMPARE(TextFile::readLines(path(QStringLiteral("letters.txt"))), lines);
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
