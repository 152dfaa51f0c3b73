#include "TestInstallation.h"

#include "case/FixedPaths.h"
#include "case/TextFile.h"
#include "charts/ScaleItemList.h"
#include "scoring/ScaleConstants.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>

// Checks the generated demonstration installation against the formats the program reads.
class TstDemogen : public QObject
{
    Q_OBJECT

private:
    // One copy for the whole run: every check only reads.
    std::unique_ptr<TestInstallation> m_inst;

    static QVector<int> numbers(const QString &line)
    {
        QVector<int> values;
        for (const QString &part : line.split(QRegularExpression(QStringLiteral("[ \t]+")), Qt::SkipEmptyParts)) {
            bool ok = false;
            values.append(part.toInt(&ok));
            if (!ok)
                return {};
        }
        return values;
    }

    static bool isWhite(const QImage &image, const QRect &area)
    {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
            }
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        m_inst = std::make_unique<TestInstallation>();
        QVERIFY2(m_inst->isValid(), "the generated demo installation is missing (target demo)");
    }

    void cleanupTestCase() { m_inst.reset(); }

    void normFileSizes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("size");
        QTest::newRow("tstan1") << FixedPaths::Tstan1 << 248;
        QTest::newRow("tstan2") << FixedPaths::Tstan2 << 1200;
        QTest::newRow("tstan3") << FixedPaths::Tstan3 << 248;
        QTest::newRow("fakst1") << FixedPaths::Fakst1 << 2200;
        QTest::newRow("fakst2") << FixedPaths::Fakst2 << 2200;
        QTest::newRow("fakst3") << FixedPaths::Fakst3 << 2400;
    }

    void normFileSizes()
    {
        QFETCH(QString, file);
        QFETCH(int, size);
        const TestInstallation &inst = *m_inst;
        QCOMPARE(QFileInfo(inst.path(file)).size(), qint64(size));
    }

    void scaleDefinitions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("scales");
        QTest::addColumn<int>("offset");
        QTest::newRow("parent") << 1 << 10 << 4;
        QTest::newRow("teacher") << 2 << 10 << 6;
        QTest::newRow("self-report") << 3 << 12 << 4;
    }

    void scaleDefinitions()
    {
        QFETCH(int, kind);
        QFETCH(int, scales);
        QFETCH(int, offset);
        const TestInstallation &inst = *m_inst;
        const QStringList lines = TextFile::readLines(inst.path(FixedPaths::scaleDefinitionFile(kind)));
        QCOMPARE(lines.size(), 2 * scales);
        for (int k = 1; k <= scales; ++k) {
            const QVector<int> values = numbers(lines[2 * k - 1]);
            QVERIFY2(!values.isEmpty(), qPrintable(lines[2 * k - 1]));
            const QVector<int> items = values.mid(1);
            QCOMPARE(values[0], int(items.size()));
            for (int item : items)
                QVERIFY(item >= 1 && item <= 122);
            if (kind == 3 && k == 12) {
                QCOMPARE(items.size(), 103);
                QCOMPARE(QSet<int>(items.begin(), items.end()).size(), 103);
                for (int item : scaleItemList(3, 13))
                    QVERIFY2(!items.contains(item), qPrintable(QString::number(item)));
            } else {
                QVERIFY(hasScaleItemList(kind, k + offset));
                QCOMPARE(items, scaleItemList(kind, k + offset));
            }
        }
        QCOMPARE(lines[0], QStringLiteral("Visszahúzódás"));
        QCOMPARE(lines[2 * scales - 2], kind == 3 ? QStringLiteral("Összprobléma") : QStringLiteral("Externalizáció"));
    }

    void problemNorms_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("parent") << 1;
        QTest::newRow("teacher") << 2;
        QTest::newRow("self-report") << 3;
    }

    void problemNorms()
    {
        QFETCH(int, kind);
        const TestInstallation &inst = *m_inst;
        const QByteArray bytes = inst.readBytes(FixedPaths::problemNormFile(kind));
        const QVector<ProblemScaleConstants> &scales = problemScaleConstants(kind);
        QCOMPARE(bytes.size(), 2 * 100 * int(scales.size()));
        for (int sex = 1; sex <= 2; ++sex) {
            for (int z = 1; z <= scales.size(); ++z) {
                const ProblemScaleConstants &c = scales[z - 1];
                if (!c.normed)
                    continue;
                const int cut = sex == 1 ? c.CutBoys : c.CutGirls;
                const int base = ((sex - 1) * int(scales.size()) + z - 1) * 100;
                const QString where = QStringLiteral("sex %1 scale %2").arg(sex).arg(z);
                QVERIFY2(uchar(bytes[base + cut]) == 70, qPrintable(where));
                QVERIFY2(uchar(bytes[base]) < 70, qPrintable(where));
                for (int r = 1; r < 100; ++r)
                    QVERIFY2(uchar(bytes[base + r]) >= uchar(bytes[base + r - 1]), qPrintable(where));
                QVERIFY(uchar(bytes[base + 99]) <= 100);
            }
        }
    }

    void competenceNorms()
    {
        const TestInstallation &inst = *m_inst;
        for (int kind : {1, 3}) {
            const QByteArray bytes = inst.readBytes(FixedPaths::competenceNormFile(kind));
            QCOMPARE(bytes.size(), 248);
            for (int sex = 0; sex < 2; ++sex) {
                for (int z = 1; z <= 3; ++z) {
                    for (int r = 1; r <= 20; ++r)
                        QVERIFY(uchar(bytes[((z - 1) * 21 + r) * 2 + sex])
                            >= uchar(bytes[((z - 1) * 21 + r - 1) * 2 + sex]));
                    QVERIFY(uchar(bytes[((z - 1) * 21 + 20) * 2 + sex]) > uchar(bytes[(z - 1) * 21 * 2 + sex]));
                }
                for (int r = 1; r <= 60; ++r)
                    QVERIFY(uchar(bytes[(63 + r) * 2 + sex]) >= uchar(bytes[(63 + r - 1) * 2 + sex]));
                QVERIFY(uchar(bytes[123 * 2 + sex]) > uchar(bytes[63 * 2 + sex]));
            }
        }
        const QByteArray teacher = inst.readBytes(FixedPaths::Tstan2);
        QCOMPARE(teacher.size(), 1200);
        for (int block = 0; block < 12; ++block) {
            for (int r = 2; r < 100; ++r)
                QVERIFY(uchar(teacher[block * 100 + r]) >= uchar(teacher[block * 100 + r - 1]));
            QVERIFY(uchar(teacher[block * 100 + 99]) > uchar(teacher[block * 100 + 1]));
        }
    }

    void chartBackgrounds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("parent") << 1;
        QTest::newRow("teacher") << 2;
        QTest::newRow("self-report") << 3;
    }

    void chartBackgrounds()
    {
        QFETCH(int, kind);
        const TestInstallation &inst = *m_inst;
        for (const QString &file : {FixedPaths::chartBackground(kind), FixedPaths::currentChart(kind)}) {
            QImage image;
            QVERIFY2(image.load(inst.path(file), "BMP"), qPrintable(file));
            QCOMPARE(image.size(), QSize(500, 400));
            image = image.convertToFormat(QImage::Format_RGB32);
            // Room left for the chart's own drawing: value labels, header, bars.
            QVERIFY(isWhite(image, QRect(0, 375, 500, 25)));
            QVERIFY(isWhite(image, QRect(40, 25, 460, 21)));
            // Grid lines at T = 0, 30, 70 and 100 (3 pixels a point from y = 360).
            for (int t : {0, 30, 70, 100})
                QVERIFY2(image.pixel(250, 360 - 3 * t) != qRgb(255, 255, 255), qPrintable(QString::number(t)));
            // Between the lines (T = 95) the bar area is white.
            QCOMPARE(image.pixel(250, 360 - 3 * 95), qRgb(255, 255, 255));
        }
    }

    void reportPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::newRow("logo") << "logo.gif" << 0;
        QTest::newRow("jelmagy") << "jelmagy.gif" << 0;
        QTest::newRow("skala") << "skala.gif" << 300;
        QTest::newRow("mm") << "mm.gif" << 0;
        QTest::newRow("m") << "m.gif" << 0;
        QTest::newRow("n") << "n.gif" << 0;
        QTest::newRow("p") << "p.gif" << 0;
        QTest::newRow("pp") << "pp.gif" << 0;
    }

    void reportPictures()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        const TestInstallation &inst = *m_inst;
        const QString path = inst.path(FixedPaths::ReportFolder + name);
        QVERIFY(inst.readBytes(FixedPaths::ReportFolder + name).startsWith("GIF89a"));
        QImage image;
        QVERIFY2(image.load(path, "GIF"), qPrintable(path));
        QVERIFY(!image.isNull());
        if (width > 0)
            QCOMPARE(image.width(), width);
    }

    void barColours()
    {
        const TestInstallation &inst = *m_inst;
        const struct
        {
            const char *name;
            QRgb colour;
        } bars[] = {{"mm.gif", qRgb(35, 40, 243)}, {"m.gif", qRgb(185, 205, 255)}, {"n.gif", qRgb(0, 206, 0)},
            {"p.gif", qRgb(255, 128, 0)}, {"pp.gif", qRgb(255, 20, 75)}};
        for (const auto &bar : bars) {
            QImage image(inst.path(FixedPaths::ReportFolder + QLatin1String(bar.name)), "GIF");
            QVERIFY(!image.isNull());
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32).pixel(1, 1), bar.colour);
        }
    }

    void password()
    {
        const TestInstallation &inst = *m_inst;
        const QStringList lines = TextFile::readLines(inst.path(FixedPaths::PasswordFile));
        QVERIFY(lines.size() >= 20);
        const QString line = lines[19];
        QVERIFY(line.size() >= 30);
        const int length = line.mid(20, 1).toInt();
        QCOMPARE(length, 6);
        QCOMPARE(line.mid(21, length), QStringLiteral("123456"));
    }

    void folders()
    {
        const TestInstallation &inst = *m_inst;
        for (const QString &folder : {FixedPaths::ProgramFolder, FixedPaths::ArchiveFolder, FixedPaths::CurrentFolder,
                 FixedPaths::PicturesFolder, FixedPaths::HelpFolder, FixedPaths::NotesFolder, FixedPaths::WizardFolder,
                 FixedPaths::ReportFolder, FixedPaths::DocFolder, FixedPaths::StatFolder,
                 FixedPaths::PhotoProgramFolder, FixedPaths::PhotoFolder})
            QVERIFY2(QFileInfo(inst.path(folder)).isDir(), qPrintable(folder));
        QImage noPhoto(inst.path(FixedPaths::NoPhotoPicture));
        QVERIFY(!noPhoto.isNull());
        // Nothing belongs in the folders the program fills itself, but for the sample
        // examinations of invented children and their photographs.
        for (const QString &folder : {FixedPaths::StatFolder, FixedPaths::DocFolder, FixedPaths::NotesFolder})
            QVERIFY2(QDir(inst.path(folder)).isEmpty(), qPrintable(folder));
        QCOMPARE(QDir(inst.path(FixedPaths::ArchiveFolder)).entryList(QDir::Files),
            (QStringList{"DEMO01.mtr", "DEMO02.mtr", "DEMO03.mtr", "DEMO04.mtr"}));
        QCOMPARE(QDir(inst.path(FixedPaths::PhotoFolder)).entryList(QDir::Files),
            (QStringList{"DEMO01.jpg", "DEMO02.jpg", "DEMO04.jpg"}));
        for (const QString &photo : QDir(inst.path(FixedPaths::PhotoFolder)).entryList(QDir::Files))
            QVERIFY2(!QImage(inst.path(FixedPaths::PhotoFolder) + QLatin1Char('/') + photo).isNull(), "JPEG plugin");
        QCOMPARE(TextFile::readLines(inst.path(FixedPaths::RecentList)).size(), 4);
    }

    void documents()
    {
        const TestInstallation &inst = *m_inst;
        for (const char *name : {"szulo.doc", "tanar.doc", "onert.doc", "mtrozsa.doc"})
            QVERIFY2(inst.readBytes(FixedPaths::helpFile(QLatin1String(name))).startsWith("{\\rtf1"), name);
    }

    void texts()
    {
        const TestInstallation &inst = *m_inst;
        QStringList files{FixedPaths::ExaminerList, FixedPaths::ReasonList, FixedPaths::PasswordFile,
            FixedPaths::Skala1, FixedPaths::Skala2, FixedPaths::Skala3, FixedPaths::HelpWord1, FixedPaths::HelpCsat,
            FixedPaths::CsatText};
        for (const char *topic : {"SzemAd.hlp", "megnyit.hlp", "lasted.hlp", "s_utmut.hlp", "t_utmut.hlp",
                 "o_utmut.hlp", "s_diag.hlp", "t_diag.hlp", "o_diag.hlp", "stat.hlp", "StatTMK.hlp", "velem.txt"})
            files.append(FixedPaths::helpFile(QLatin1String(topic)));
        for (int step = 1; step <= 5; ++step)
            files.append(FixedPaths::guideFile(step));
        for (const QString &file : files) {
            const QByteArray bytes = inst.readBytes(file);
            QVERIFY2(bytes.size() > 2, qPrintable(file));
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(file));
            for (qsizetype i = 0; i < bytes.size(); ++i) {
                const uchar c = uchar(bytes[i]);
                if (c == '\n')
                    QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(file));
                else if (c == '\r')
                    QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(file));
                else
                    QVERIFY2(c >= 0x20 || c == '\t', qPrintable(file));
            }
            // Valid Windows-1250: decoding and encoding again gives the same bytes.
            const QString text = TextFile::decode(bytes);
            QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(file));
            QCOMPARE(TextFile::encode(text, file), bytes);
        }
        // The lists hold Hungarian names and reasons, one a line.
        const QStringList examiners = TextFile::readLines(inst.path(FixedPaths::ExaminerList));
        QVERIFY(examiners.contains(QStringLiteral("dr. Kovács Éva")));
        QVERIFY(TextFile::readLines(inst.path(FixedPaths::ReasonList)).contains(QStringLiteral("tanulási nehézségek")));
    }
};

QTEST_GUILESS_MAIN(TstDemogen)
#include "tst_demogen.moc"
