#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "charts/ChartLayout.h"
#include "charts/ProfileChart.h"
#include "TestInstallation.h"

#include <QDir>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

Q_DECLARE_METATYPE(QColor)

class TstProfileChart : public QObject
{
    Q_OBJECT

private slots:
    void bandColour_data();
    void bandColour();
    void header_data();
    void header();
    void barGeometry_data();
    void barGeometry();
    void bandColourOnBitmap_data();
    void bandColourOnBitmap();
    void filledVersusOutline_data();
    void filledVersusOutline();
    void lineMode_data();
    void lineMode();
    void headerAndLabelsDrawn();
    void notComputableDrawnAsZero();
    void paletteBackground();
    void missingBackground();
    void damagedBackground_data();
    void damagedBackground();
    void badMode();
    void savedBitmapReadsBack();
    void savedToGivenFile();
    void failedSaveKeepsOldChart();
    void resetCopiesBackgrounds();
    void resetWithMissingBackground();
};

static const QColor White(255, 255, 255);
static const QColor Black(0, 0, 0);

static void writeWhiteBackgrounds(const TestInstallation &inst)
{
    QImage blank(500, 400, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (int kind = Parent; kind <= SelfReport; ++kind)
        QVERIFY(blank.save(inst.path(FixedPaths::chartBackground(kind)), "BMP"));
}

static void setAllTScores(CaseRecord &record, int kind, int t) { record.scores(kind).TScores.fill(t); }

static QColor pixel(const QImage &image, int x, int y) { return QColor(image.pixel(x, y)); }

void TstProfileChart::bandColour_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<QColor>("colour");
    const QColor blue(35, 40, 243), light(185, 205, 255), green(0, 206, 0), orange(255, 128, 0), red(255, 20, 75);
    QTest::newRow("-1") << -1 << White;
    QTest::newRow("0") << 0 << blue;
    QTest::newRow("29") << 29 << blue;
    QTest::newRow("30") << 30 << light;
    QTest::newRow("39") << 39 << light;
    QTest::newRow("40") << 40 << green;
    QTest::newRow("60") << 60 << green;
    QTest::newRow("61") << 61 << orange;
    QTest::newRow("70") << 70 << orange;
    QTest::newRow("71") << 71 << red;
    QTest::newRow("100") << 100 << red;
    QTest::newRow("101") << 101 << White;
}

void TstProfileChart::bandColour()
{
    QFETCH(int, t);
    QFETCH(QColor, colour);
    QCOMPARE(BandColour(t), colour);
}

void TstProfileChart::header_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("boy");
    QTest::addColumn<QString>("header");
    QTest::newRow("parent boy") << int(Parent) << true << QStringLiteral("A7: Teszt, 9 éves fiú");
    QTest::newRow("parent girl") << int(Parent) << false << QStringLiteral("A7: Teszt, 9 éves lány");
    QTest::newRow("teacher boy") << int(Teacher) << true << QStringLiteral("A7: Teszt, 9 éves férfi");
    QTest::newRow("teacher girl") << int(Teacher) << false << QStringLiteral("A7: Teszt, 9 éves nő");
    QTest::newRow("self-report boy") << int(SelfReport) << true << QStringLiteral("A7: Teszt, 9 éves fiú");
    QTest::newRow("self-report girl") << int(SelfReport) << false << QStringLiteral("A7: Teszt, 9 éves lány");
}

void TstProfileChart::header()
{
    QFETCH(int, kind);
    QFETCH(bool, boy);
    QFETCH(QString, header);
    CaseRecord record;
    record.Personal.ChildCode = QStringLiteral("A7");
    record.Personal.ChildName = QStringLiteral("Teszt");
    record.Personal.Age = 9;
    record.Personal.IsBoy = boy;
    QCOMPARE(ChartHeader(record, kind), header);
}

// Bars stand on the zero line: rows 360 - 3T .. 359 of the bitmap; columns are the window
// bar moved by the image origin (1, 1), the parent's 120-dpi design scaled to 96 dpi and
// inset by one pixel on each side.
void TstProfileChart::barGeometry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("left"); // first bitmap column of the bar
    QTest::addColumn<int>("right"); // last bitmap column of the bar
    QTest::addColumn<int>("top"); // first bitmap row of the bar
    QTest::newRow("parent 1, T 50") << int(Parent) << 1 << 50 << 44 << 61 << 210;
    QTest::newRow("parent 15, T 100") << int(Parent) << 15 << 100 << 390 << 407 << 60;
    QTest::newRow("parent 8, T 1") << int(Parent) << 8 << 1 << 217 << 233 << 357;
    QTest::newRow("teacher 1, T 50") << int(Teacher) << 1 << 50 << 41 << 60 << 210;
    QTest::newRow("teacher 17, T 70") << int(Teacher) << 17 << 70 << 443 << 462 << 150;
    QTest::newRow("self-report 1, T 100") << int(SelfReport) << 1 << 100 << 45 << 64 << 60;
    QTest::newRow("self-report 16, T 33") << int(SelfReport) << 16 << 33 << 420 << 439 << 261;
}

void TstProfileChart::barGeometry()
{
    QFETCH(int, kind);
    QFETCH(int, bar);
    QFETCH(int, t);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, top);
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    CaseRecord record;
    setAllTScores(record, kind, 0);
    record.scores(kind).TScores[bar - 1] = t;

    const QRect r = barBitmapRect(kind, bar, t);
    QCOMPARE(r.left(), left);
    QCOMPARE(r.right(), right);
    QCOMPARE(r.top(), top);
    QCOMPARE(r.bottom(), 359);
    // The on-screen bar is the same rectangle one pixel further in the window.
    const QRect w = barWindowRect(kind, bar, t);
    QCOMPARE(w.top(), 361 - 3 * t);
    QCOMPARE(w.top() + w.height(), 361);

    const QImage image = DrawProfile(record, kind, BlackWhiteBars);
    QCOMPARE(pixel(image, left, top), Black);
    QCOMPARE(pixel(image, right, top), Black);
    QCOMPARE(pixel(image, left, 359), Black);
    QCOMPARE(pixel(image, right, 359), Black);
    QCOMPARE(pixel(image, left - 1, 300), White);
    QCOMPARE(pixel(image, right + 1, 300), White);
    QCOMPARE(pixel(image, left, top - 1), White);
    QCOMPARE(pixel(image, left, 360), White); // the zero line of the grid stays free
}

void TstProfileChart::bandColourOnBitmap_data()
{
    QTest::addColumn<int>("t");
    for (int t : {29, 30, 39, 40, 60, 61, 70, 71, 100, 101})
        QTest::newRow(qPrintable(QString::number(t))) << t;
}

void TstProfileChart::bandColourOnBitmap()
{
    QFETCH(int, t);
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        CaseRecord record;
        setAllTScores(record, kind, t);
        const QImage image = DrawProfile(record, kind, ColouredBars);
        for (int bar = 1; bar <= kindInfo(kind).scaleCount; ++bar) {
            const QRect r = barBitmapRect(kind, bar, t);
            QCOMPARE(pixel(image, r.left(), r.top()), BandColour(t));
            QCOMPARE(pixel(image, r.left(), 359), BandColour(t));
        }
    }
}

void TstProfileChart::filledVersusOutline_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QColor>("colour");
    const QColor green(0, 206, 0);
    QTest::newRow("parent coloured") << int(Parent) << int(ColouredBars) << false << green;
    QTest::newRow("teacher coloured") << int(Teacher) << int(ColouredBars) << false << green;
    QTest::newRow("self-report coloured") << int(SelfReport) << int(ColouredBars) << true << green;
    QTest::newRow("parent black") << int(Parent) << int(BlackWhiteBars) << false << Black;
    QTest::newRow("teacher black") << int(Teacher) << int(BlackWhiteBars) << false << Black;
    QTest::newRow("self-report black") << int(SelfReport) << int(BlackWhiteBars) << false << Black;
}

void TstProfileChart::filledVersusOutline()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    QFETCH(bool, filled);
    QFETCH(QColor, colour);
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    CaseRecord record;
    setAllTScores(record, kind, 50);
    const QImage image = DrawProfile(record, kind, mode);
    for (int bar = 1; bar <= kindInfo(kind).scaleCount; ++bar) {
        const QRect r = barBitmapRect(kind, bar, 50);
        // The outline is two pixels wide on every side.
        QCOMPARE(pixel(image, r.left() + 1, r.center().y()), colour);
        QCOMPARE(pixel(image, r.right() - 1, r.center().y()), colour);
        QCOMPARE(pixel(image, r.center().x(), r.top() + 1), colour);
        QCOMPARE(pixel(image, r.center().x(), r.bottom() - 1), colour);
        QCOMPARE(pixel(image, r.center().x(), r.center().y()), filled ? colour : White);
        QCOMPARE(pixel(image, r.left() + 2, r.top() + 2), filled ? colour : White);
    }
}

void TstProfileChart::lineMode_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("parent") << int(Parent);
    QTest::newRow("teacher") << int(Teacher);
    QTest::newRow("self-report") << int(SelfReport);
}

void TstProfileChart::lineMode()
{
    QFETCH(int, kind);
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    CaseRecord record;
    const int n = kindInfo(kind).scaleCount;
    for (int k = 1; k <= n; ++k)
        record.scores(kind).TScores[k - 1] = (k % 2) ? 80 : 20;
    const QImage image = DrawProfile(record, kind, LineChart);
    for (int k = 1; k <= n; ++k) {
        const int t = record.scores(kind).TScores[k - 1];
        const QPoint p = linePoint(k, t);
        QCOMPARE(p, QPoint(30 + 25 * k, 360 - 3 * t));
        QCOMPARE(pixel(image, p.x(), p.y()), Black);
        // No bars: the bar's foot is left as the background.
        const QRect r = barBitmapRect(kind, k, t);
        QCOMPARE(pixel(image, r.left(), 359), White);
        QCOMPARE(pixel(image, r.right(), 359), White);
    }
    // Midway between two points the line passes through their mean height, three pixels thick.
    const QPoint a = linePoint(1, 80), b = linePoint(2, 20);
    const QPoint mid((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    QCOMPARE(pixel(image, mid.x(), mid.y()), Black);
    QCOMPARE(pixel(image, mid.x(), mid.y() - 20), White);
}

void TstProfileChart::headerAndLabelsDrawn()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    CaseRecord record;
    setAllTScores(record, Parent, 7);
    record.scores(Parent).TScores[2] = 100;
    const QImage image = DrawProfile(record, Parent, LineChart);
    auto darkIn = [&image](const QRect &area) {
        int first = -1;
        for (int x = area.left(); x <= area.right() && first < 0; ++x)
            for (int y = area.top(); y <= area.bottom(); ++y)
                if (qGray(image.pixel(x, y)) < 128) {
                    first = x;
                    break;
                }
        return first;
    };
    // Header lettering starts at (40, 30).
    const int headerStart = darkIn(QRect(0, 30, 200, 16));
    QVERIFY(headerStart >= 40 && headerStart < 46);
    QCOMPARE(darkIn(QRect(0, 0, 500, 30)), -1);
    // Value labels are left-aligned at 25 + 25k: a one-digit and a three-digit label start
    // at the same offset from their corner.
    const int first = darkIn(QRect(40, 380, 24, 19));
    const int third = darkIn(QRect(88, 380, 30, 19));
    QVERIFY(first >= 50 && first < 54);
    QCOMPARE(third - 100, first - 50);
}

void TstProfileChart::notComputableDrawnAsZero()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        for (int mode : {1, 2, 3}) {
            CaseRecord missing, zero;
            setAllTScores(missing, kind, 45);
            setAllTScores(zero, kind, 45);
            missing.scores(kind).TScores[2] = -1;
            zero.scores(kind).TScores[2] = 0;
            QCOMPARE(DrawProfile(missing, kind, mode), DrawProfile(zero, kind, mode));
            QCOMPARE(missing.scores(kind).TScores[2], -1);
        }
    }
}

void TstProfileChart::paletteBackground()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    QImage palette(500, 400, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    palette.fill(0);
    QVERIFY(palette.save(inst.path(FixedPaths::ParentBackground), "BMP"));
    CaseRecord record;
    setAllTScores(record, Parent, 65);
    const QImage image = DrawProfile(record, Parent, ColouredBars);
    const QRect r = barBitmapRect(Parent, 1, 65);
    QCOMPARE(pixel(image, r.left(), r.top()), BandColour(65));
}

void TstProfileChart::missingBackground()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    inst.remove(FixedPaths::TeacherBackground);
    CaseRecord record;
    try {
        DrawProfile(record, Teacher, ColouredBars);
        QFAIL("no error");
    } catch (const MotraError &e) {
        QVERIFY2(e.message().contains(FixedPaths::TeacherBackground), qPrintable(e.message()));
    }
    // The other charts still draw.
    QCOMPARE(DrawProfile(record, Parent, ColouredBars).size(), QSize(500, 400));
}

// A background that does not decode whole or has the wrong size is refused with its path:
// nothing is drawn on a blank image, the current chart is neither redrawn nor reset from it.
void TstProfileChart::damagedBackground_data()
{
    QImage picture(500, 400, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, "BMP"));
    QImage small(400, 300, QImage::Format_RGB32);
    small.fill(Qt::white);
    QByteArray smallBitmap;
    QBuffer smallBuffer(&smallBitmap);
    smallBuffer.open(QIODevice::WriteOnly);
    QVERIFY(small.save(&smallBuffer, "BMP"));

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a bitmap") << QByteArray("BM this is no bitmap") << "nem olvasható képként";
    QTest::newRow("cut after 60 bytes") << bitmap.left(60) << "a kép csonka: 600054 bájt helyett csak 60";
    QTest::newRow("cut in the pixels") << bitmap.left(bitmap.size() / 2) << "a kép csonka";
    QTest::newRow("one byte short") << bitmap.left(bitmap.size() - 1) << "a kép csonka";
    QTest::newRow("empty") << QByteArray() << "nem olvasható képként (0 bájt)";
    QTest::newRow("wrong size") << smallBitmap << "400 × 300 képpontos, 500 × 400 helyett";
}

void TstProfileChart::damagedBackground()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    inst.writeBytes(FixedPaths::SelfReportBackground, bytes);
    const QByteArray old("old chart");
    for (int kind = Parent; kind <= SelfReport; ++kind)
        inst.writeBytes(FixedPaths::currentChart(kind), old);
    CaseRecord record;
    QString message;
    try {
        DrawAndSaveProfile(record, SelfReport, ColouredBars);
    } catch (const MotraError &e) {
        message = e.message();
    }
    QVERIFY2(message.contains(QStringLiteral("Fájl: ") + FixedPaths::SelfReportBackground), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(inst.readBytes(FixedPaths::SelfReportChart), old);

    QVERIFY_THROWS_EXCEPTION(MotraError, ResetCurrentCharts());
    QCOMPARE(inst.readBytes(FixedPaths::SelfReportChart), old);
    QCOMPARE(inst.readBytes(FixedPaths::ParentChart), inst.readBytes(FixedPaths::ParentBackground));
}

void TstProfileChart::badMode()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    CaseRecord record;
    QVERIFY_THROWS_EXCEPTION(MotraError, DrawProfile(record, Parent, 0));
    QVERIFY_THROWS_EXCEPTION(MotraError, DrawProfile(record, Parent, 4));
    QVERIFY_THROWS_EXCEPTION(MotraError, DrawProfile(record, 4, 1));
}

void TstProfileChart::savedBitmapReadsBack()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        CaseRecord record;
        for (int k = 0; k < kindInfo(kind).scaleCount; ++k)
            record.scores(kind).TScores[k] = 10 * k - 5;
        const QImage drawn = DrawAndSaveProfile(record, kind, ColouredBars);
        const QByteArray bytes = inst.readBytes(FixedPaths::currentChart(kind));
        QVERIFY(bytes.startsWith("BM"));
        QImage back;
        QVERIFY(back.loadFromData(bytes, "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
    }
}

void TstProfileChart::savedToGivenFile()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    CaseRecord record;
    const QString out = inst.root() + QStringLiteral("/out.bmp");
    const QImage drawn = DrawAndSaveProfile(record, Teacher, LineChart, out);
    QCOMPARE(QImage(out, "BMP").convertToFormat(QImage::Format_RGB32), drawn);
    QVERIFY(!QFile::exists(inst.path(FixedPaths::TeacherChart)));
    QVERIFY_THROWS_EXCEPTION(
        MotraError, DrawAndSaveProfile(record, Teacher, LineChart, inst.root() + QStringLiteral("/nincs/out.bmp")));
}

void TstProfileChart::failedSaveKeepsOldChart()
{
#ifdef Q_OS_UNIX
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    const QByteArray old(2000, 'x');
    inst.writeBytes(FixedPaths::ParentChart, old);
    CaseRecord record;

    // Writes beyond 1000 bytes fail, even for the superuser.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool thrown = false;
    QString message;
    try {
        DrawAndSaveProfile(record, Parent, ColouredBars);
    } catch (const MotraError &e) {
        thrown = true;
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(thrown);
    QVERIFY2(message.contains(FixedPaths::ParentChart), qPrintable(message));
    // The system's reason, not the text of the cancelled save.
    QVERIFY2(message.endsWith(QStringLiteral("Oka: File too large")), qPrintable(message));
    QCOMPARE(inst.readBytes(FixedPaths::ParentChart), old);
    // No temporary file is left behind.
    QCOMPARE(
        QDir(inst.path(FixedPaths::CurrentFolder)).entryList(QDir::Files), QStringList{QStringLiteral("Akt_Diag.bmp")});
#else
    QSKIP("needs a file size limit");
#endif
}

void TstProfileChart::resetCopiesBackgrounds()
{
    TestInstallation inst(true);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        QImage blank(500, 400, QImage::Format_RGB32);
        blank.fill(QColor(kind * 60, 255, 255));
        QVERIFY(blank.save(inst.path(FixedPaths::chartBackground(kind)), "BMP"));
        inst.writeBytes(FixedPaths::currentChart(kind), QByteArray("a much longer drawing of the last examination"));
    }
    ResetCurrentCharts();
    for (int kind = Parent; kind <= SelfReport; ++kind)
        QCOMPARE(inst.readBytes(FixedPaths::currentChart(kind)), inst.readBytes(FixedPaths::chartBackground(kind)));
}

void TstProfileChart::resetWithMissingBackground()
{
    TestInstallation inst(true);
    writeWhiteBackgrounds(inst);
    inst.remove(FixedPaths::ParentBackground);
    try {
        ResetCurrentCharts();
        QFAIL("no error");
    } catch (const MotraError &e) {
        QVERIFY(e.message().contains(FixedPaths::ParentBackground));
        QVERIFY(!e.message().contains(FixedPaths::TeacherBackground));
    }
    QVERIFY(!QFile::exists(inst.path(FixedPaths::ParentChart)));
    QCOMPARE(inst.readBytes(FixedPaths::TeacherChart), inst.readBytes(FixedPaths::TeacherBackground));
    QCOMPARE(inst.readBytes(FixedPaths::SelfReportChart), inst.readBytes(FixedPaths::SelfReportBackground));
}

QTEST_MAIN(TstProfileChart)
#include "tst_profilechart.moc"
