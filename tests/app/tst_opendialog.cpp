#include "AppFixture.h"
#include "AppTestSeam.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/PreviewPanel.h"
#include "app/TLastEdForm.h"
#include "app/TMainForm.h"
#include "app/TMegnyitForm.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/HostPath.h"
#include "case/ListFiles.h"
#include "case/TextFile.h"
#include "entry/AnswerGridForm.h"
#include "ui/WindowServices.h"

#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cmath>
#include <memory>

namespace {

const QString Demo01 = QStringLiteral("c:\\_halden\\motra\\archivum\\DEMO01.mtr");
const QString Demo02 = QStringLiteral("c:\\_halden\\motra\\archivum\\DEMO02.mtr");
const QString Demo03 = QStringLiteral("c:\\_halden\\motra\\archivum\\DEMO03.mtr");

void unlock(MotraApplication &app) { QTest::keyClicks(app.mainForm()->Edit2, QStringLiteral("123456")); }

TMegnyitForm *openForm(const MotraApplication &app)
{
    return qobject_cast<TMegnyitForm *>(app.window(QStringLiteral("TMegnyitForm")));
}

TLastEdForm *recentForm(const MotraApplication &app)
{
    return qobject_cast<TLastEdForm *>(app.window(QStringLiteral("TLastEdForm")));
}

// Clicks a file of the open dialog's file list, as the mouse does (it selects the row).
bool clickFile(TMegnyitForm *form, const QString &name)
{
    const int row = int(form->fileNames().indexOf(name));
    if (row < 0)
        return false;
    form->FileListBox1->setCurrentIndex(form->FileListBox1->model()->index(row, 0));
    return true;
}

QColor centreColour(const QLabel *image)
{
    const QImage picture = image->pixmap().toImage();
    return picture.isNull() ? QColor() : picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

// Clicks a file of the open dialog's file list with the mouse; twice makes it a double click.
void mouseOnFile(TMegnyitForm *form, const QString &name, bool twice = false)
{
    QListView *list = form->FileListBox1;
    const QModelIndex index = list->model()->index(int(form->fileNames().indexOf(name)), 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The height of the bar drawn for a score line: 5 for "***" or nothing, else the number
// rounded halves to even; no bar for a negative number.
int expectedHeight(const QString &line)
{
    return line.isEmpty() || line == QLatin1String("***") ? 5 : qMax(0, int(std::nearbyint(line.toDouble())));
}

// The first score line of the parent, teacher and self-report questionnaires in a case file.
constexpr std::array<int, 3> FirstScoreLine = {230, 423, 648};

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

QImage solid(const QColor &colour)
{
    QImage image(60, 80, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The open walk as a user goes through it: every window closed with its own button
// (here the close box), answers changed only where the test says.
struct Walk
{
    QStringList shown;
    QList<int> kinds;
    QList<int> slotCounts;
    std::function<void(AnswerGridForm *)> inParentForm;
};

// The seam answers every dialog so; the windows' own record is used, for a start by the
// photo program walks before the application object is complete.
void walkThrough(AppTestSeam &seam, Walk &walk, const QString &file = QString())
{
    seam.onDialog = [&walk, file](QDialog *dialog) {
        walk.shown.append(dialog->objectName());
        if (auto *form = qobject_cast<TMegnyitForm *>(dialog)) {
            QVERIFY(clickFile(form, file));
            form->OkClick();
            return;
        }
        if (auto *entry = qobject_cast<AnswerGridForm *>(dialog)) {
            walk.kinds.append(entry->record().CurrentKind);
            walk.slotCounts.append(entry->record().SlotCount);
            if (entry->kind() == Parent && walk.inParentForm)
                walk.inParentForm(entry);
        }
    };
}

} // namespace

class TestOpenDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void creationIsCheapAndControlsAreThere();
    void walkFromEveryEntryPoint_data();
    void walkFromEveryEntryPoint();
    void onlyCleanlyClosedPartsAreMarked();
    void openThenSaveWritesTheSameFile();
    void badFilesInTheDialog_data();
    void badFilesInTheDialog();
    void previewOfDemoExaminations_data();
    void previewOfDemoExaminations();
    void photoFallbacks_data();
    void photoFallbacks();
    void hugeHandEditedFileIsShownCutButRefused();
    void anyFolderAndLetterCase();
    void recentListNewestFirstAndPreview();
    void recentListDeletes();
    void recentListMissingFile_data();
    void recentListMissingFile();

private:
    std::unique_ptr<TestInstallation> m_inst;
    std::unique_ptr<AppTestSeam> m_seam;
    std::unique_ptr<MotraApplication> m_app;
    void start(const QStringList &arguments = {});
};

void TestOpenDialog::init()
{
    m_inst = std::make_unique<TestInstallation>();
    QVERIFY2(m_inst->isValid(), "the demo installation is needed (build the demo target)");
    m_seam = std::make_unique<AppTestSeam>();
}

void TestOpenDialog::cleanup()
{
    m_app.reset();
    m_seam.reset();
    m_inst.reset();
}

void TestOpenDialog::start(const QStringList &arguments) { m_app = std::make_unique<MotraApplication>(arguments); }

void TestOpenDialog::creationIsCheapAndControlsAreThere()
{
    start();
    TMegnyitForm *form = openForm(*m_app);
    TLastEdForm *recent = recentForm(*m_app);
    QVERIFY(form && recent);
    QCOMPARE(m_app->creationOrder().indexOf(QStringLiteral("TMegnyitForm")),
        m_app->creationOrder().indexOf(QStringLiteral("TProgHibaForm")) + 1);
    QCOMPARE(m_app->creationOrder().last(), QStringLiteral("TLastEdForm"));
    QCOMPARE(m_app->mainForm()->windows().open, form);
    // Nothing is read before the dialog is first shown.
    QVERIFY(form->folder().isEmpty());
    QVERIFY(form->fileNames().isEmpty());
    QVERIFY(recent->shownEntries().isEmpty());
    QCOMPARE(form->Panel1->barCount() + form->Panel2->barCount() + form->Panel3->barCount(), 15 + 17 + 16);

    // The drives offered: the program's C:, the host's root and the home folder.
    const QVector<TMegnyitForm::Drive> drives = TMegnyitForm::hostDrives();
    QVERIFY(drives.size() >= 3);
    QCOMPARE(drives[0].root, QDir::cleanPath(m_inst->root()));
    QVERIFY(drives[0].label.startsWith(QStringLiteral("c:")));
    QCOMPARE(drives[1].root, QStringLiteral("/"));
    QCOMPARE(drives[2].root, QDir::cleanPath(QDir::homePath()));

    // "&súgó" of both windows: a modal help viewer with the window's title, help and notes.
    QStringList calls;
    windowServices().showHelp = [&](const QString &caption, const QString &help, const QString &notes, bool modal) {
        calls << caption << help << notes << (modal ? QStringLiteral("modal") : QStringLiteral("modeless"));
    };
    form->HelpButton->click();
    recent->HelpButton->click();
    QCOMPARE(calls,
        QStringList({QStringLiteral("súgó a megnyitáshozhoz"), QStringLiteral("c:\\_halden\\motra\\help\\megnyit.hlp"),
            QStringLiteral("c:\\_halden\\motra\\jegyzet\\megnyit.hlp"), QStringLiteral("modal"),
            QStringLiteral("súgó a legutóbb módosított fájlokhoz"),
            QStringLiteral("c:\\_halden\\motra\\help\\lasted.hlp"),
            QStringLiteral("c:\\_halden\\motra\\jegyzet\\lasted.hlp"), QStringLiteral("modal")}));
}

void TestOpenDialog::walkFromEveryEntryPoint_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("throughDialog");
    QTest::newRow("dialog, all three scored") << QStringList() << Demo01 << true;
    QTest::newRow("dialog, parent only") << QStringList() << Demo02 << true;
    QTest::newRow("one argument") << QStringList{Demo01} << Demo01 << false;
    QTest::newRow("photo program start") << QStringList{QStringLiteral("_kal=123456;"), Demo02} << Demo02 << false;
}

void TestOpenDialog::walkFromEveryEntryPoint()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(bool, throughDialog);
    const QStringList stored = TextFile::readLines(m_inst->path(file));
    TextFile::writeLines(m_inst->path(FixedPaths::OpinionText), {QStringLiteral("egy másik gyermek véleménye")});
    // Rows 0..3 of every answer set hold another child's data; the personal data dialog of
    // the walk copies the file's own personal data over them.
    QStringList stale = stored;
    for (const int rowZero : {12, 246, 441}) {
        stale[rowZero] = QStringLiteral("Régi Gyermek");
        stale[rowZero + 1] = QStringLiteral("REGI");
        stale[rowZero + 2] = stored[rowZero + 2] == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
        stale[rowZero + 3] = QStringLiteral("7");
    }
    TextFile::writeLines(m_inst->path(file), stale);

    Walk walk;
    walkThrough(*m_seam, walk, QFileInfo(m_inst->path(file)).fileName());
    start(arguments);
    if (arguments.size() != 2)
        unlock(*m_app);
    if (throughDialog)
        m_app->mainForm()->Image4->clicked();

    QStringList expected = {QStringLiteral("TSzemAdForm"), QStringLiteral("TSzuloForm"), QStringLiteral("TTanarForm"),
        QStringLiteral("TOnertForm"), QStringLiteral("TVelemenyForm")};
    if (throughDialog)
        expected.prepend(QStringLiteral("TMegnyitForm"));
    QCOMPARE(walk.shown, expected);
    QCOMPARE(walk.kinds, (QList<int>{1, 2, 3}));
    QCOMPARE(walk.slotCounts, (QList<int>{200, 176, 189}));
    QVERIFY2(m_seam->messages.isEmpty(), qPrintable(m_seam->messages.join(QLatin1Char('|'))));

    // Rescored on the way: every line as the file holds it, the results of the scored
    // questionnaires included; a questionnaire never scored before has results now.
    const QStringList now = caseFileLines(m_app->record());
    QCOMPARE(now.size(), stored.size());
    for (int line = 0; line < now.size(); ++line) {
        if (stored[line] == QLatin1String("***"))
            QVERIFY(now[line] != QLatin1String("***"));
        else
            QCOMPARE(now[line], stored[line]);
    }
    TMainForm *main = m_app->mainForm();
    const PersonalData &p = m_app->record().Personal;
    QCOMPARE(main->KodLabel->text(), QStringLiteral("kódja: ") + p.ChildCode);
    QCOMPARE(main->NevLabel->text(), QStringLiteral("neve: ") + p.ChildName);
    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA (%1)").arg(p.ChildCode));
    for (const QLabel *check : {main->Check1, main->Check2, main->Check3, main->Check4, main->Check5})
        QVERIFY(!check->isHidden());
    // The exchange files belong to the examination just opened.
    QCOMPARE(TextFile::readLines(m_inst->path(FixedPaths::OpinionText)), m_app->record().Opinion);
    QVERIFY(TextFile::readLines(m_inst->path(FixedPaths::PersonalSummary)).first().contains(p.ChildCode));
}

void TestOpenDialog::onlyCleanlyClosedPartsAreMarked()
{
    // A parent answer that is not a number keeps the parent window from closing cleanly.
    CaseRecord bad;
    readCaseFile(bad, m_inst->path(Demo01));
    bad.answers(Parent).setValueText(80, QStringLiteral("x"));
    writeCaseFileTo(bad, m_inst->path(FixedPaths::caseFile(QStringLiteral("ROSSZ"))));

    start();
    unlock(*m_app);
    TMainForm *main = m_app->mainForm();
    main->MarkPartDone(ExamPart::Parent); // left over from the examination before
    Walk walk;
    walkThrough(*m_seam, walk, QStringLiteral("ROSSZ.mtr"));
    QVERIFY(main->ReadCaseFile(FixedPaths::caseFile(QStringLiteral("ROSSZ"))));
    // The parent window could not close; the test's close box left it up.
    QWidget *parentForm = main->windows().parentEntry;
    QVERIFY(parentForm->isVisible());
    parentForm->hide();
    QCOMPARE(m_seam->messages.size(), 1);
    QCOMPARE(
        m_seam->messages.first().section(QLatin1Char('\n'), 0, 0), QStringLiteral("'x' is not a valid integer value"));
    // The bad answer came from the file just opened: its last line names it.
    QCOMPARE(m_seam->messages.first().section(QLatin1Char('\n'), -1),
        QStringLiteral("Esetfájl: ") + FixedPaths::caseFile(QStringLiteral("ROSSZ")));
    QVERIFY(windowServices().caseFileBeingOpened.isEmpty());
    QVERIFY(main->Check2->isHidden());
    QVERIFY(!main->Label2->isDone());
    for (const QLabel *check : {main->Check1, main->Check3, main->Check4, main->Check5})
        QVERIFY(!check->isHidden());
}

void TestOpenDialog::openThenSaveWritesTheSameFile()
{
    const QByteArray before = m_inst->readBytes(Demo01);
    start({Demo01});
    Walk walk;
    walkThrough(*m_seam, walk);
    unlock(*m_app);
    QVERIFY(m_app->mainForm()->SaveExamination());
    QCOMPARE(m_inst->readBytes(Demo01), before);
}

void TestOpenDialog::badFilesInTheDialog_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("linesShown");
    QTest::addColumn<bool>("opens"); // a short file is still read by the reader's rules
    QTest::newRow("not a case file") << QByteArray("csak egy jegyzet\r\n") << "nem MOTRA vizsgálati fájl" << true
                                     << false;
    QTest::newRow("picture renamed") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10) << "nem szöveges" << false
                                     << false;
    QTest::newRow("too few lines") << QByteArray("<MOTRA=>\r\n<Neve=R\xf6vid>\r\n") << "List index out of bounds (230)"
                                   << true << true;
    QTest::newRow("deleted after listing") << QByteArray("-") << "nem nyitható meg" << false << false;
}

void TestOpenDialog::badFilesInTheDialog()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(bool, linesShown);
    QFETCH(bool, opens);
    const QString bad = QStringLiteral("c:\\_halden\\motra\\archivum\\ROSSZ.mtr");
    m_inst->writeBytes(bad, bytes);
    start();
    unlock(*m_app);
    CaseRecord &record = m_app->record();
    record.Personal.ChildName = QStringLiteral("Előző Gyermek");
    record.answers(Parent).setValueText(70, QStringLiteral("1"));
    const QStringList examination = caseFileLines(record);

    TMegnyitForm *form = openForm(*m_app);
    form->show(); // activation lists the archive
    QVERIFY(clickFile(form, QStringLiteral("DEMO01.mtr")));
    const QVector<int> previous = form->Panel1->values();
    const QImage photo = form->Image1->pixmap().toImage();
    QVERIFY(!previous.isEmpty() && !photo.isNull());
    if (bytes == "-")
        m_inst->remove(bad);
    mouseOnFile(form, QStringLiteral("ROSSZ.mtr"));
    QCOMPARE(m_seam->messages.size(), 1); // drawn once for the click
    QVERIFY2(m_seam->messages.first().contains(reason), qPrintable(m_seam->messages.first()));
    QVERIFY(m_seam->messages.first().contains(bad)); // named as the program names its files
    QCOMPARE(form->Panel1->values(), previous);
    QCOMPARE(form->Image1->pixmap().toImage(), photo);
    QCOMPARE(form->shownLines().size() < 600, linesShown);

    // "rendben" on it: the message again, the dialog stays, the examination is untouched.
    m_seam->messages.clear();
    m_seam->dialogs.clear();
    form->OkClick();
    if (opens) {
        QVERIFY(!form->isVisible());
        QCOMPARE(record.Personal.ChildName, QStringLiteral("Rövid"));
        QCOMPARE(m_seam->dialogs.size(), 5);
        return;
    }
    QVERIFY(form->isVisible());
    QCOMPARE(m_seam->messages.size(), 1);
    QVERIFY(m_seam->messages.first().contains(QStringLiteral("nem változott")));
    QVERIFY(m_seam->dialogs.isEmpty());
    QCOMPARE(caseFileLines(record), examination);

    // "mégse" closes the dialog and opens nothing.
    mouseOnFile(form, QStringLiteral("DEMO01.mtr"));
    m_seam->messages.clear();
    form->CancelButton->click();
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QVERIFY(m_seam->dialogs.isEmpty() && m_seam->messages.isEmpty());
    QCOMPARE(caseFileLines(record), examination);
}

void TestOpenDialog::previewOfDemoExaminations_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("photo");
    QTest::addColumn<QVector<int>>("parentHeights"); // of the generated demo files
    QTest::addColumn<QList<QColor>>("parentColours");
    const QColor low(35, 40, 243), pale(185, 205, 255), mid(0, 206, 0), raised(255, 128, 0), high(255, 20, 75);
    QTest::newRow("all three scored, photograph")
        << Demo01 << true << QVector<int>{37, 36, 36, 42, 67, 50, 59, 73, 72, 82, 62, 62, 59, 63, 67}
        << QList<QColor>{
               pale, pale, pale, mid, raised, mid, mid, high, high, high, raised, raised, mid, raised, raised};
    QTest::newRow("parent only, photograph")
        << Demo02 << true << QVector<int>{38, 41, 35, 45, 57, 55, 73, 55, 70, 53, 63, 55, 67, 57, 64}
        << QList<QColor>{pale, mid, pale, mid, mid, mid, high, mid, raised, mid, raised, mid, raised, mid, raised};
    QTest::newRow("never scored, no photograph") << Demo03 << false << QVector<int>(15, 5) << QList<QColor>(15, low);
}

void TestOpenDialog::previewOfDemoExaminations()
{
    QFETCH(QString, file);
    QFETCH(bool, photo);
    QFETCH(QVector<int>, parentHeights);
    QFETCH(QList<QColor>, parentColours);
    start();
    TMegnyitForm *form = openForm(*m_app);
    form->FormActivate();
    QCOMPARE(form->folder(), QDir::cleanPath(m_inst->path(FixedPaths::ArchiveFolder)));
    QCOMPARE(form->DriveComboBox1->currentIndex(), 0);
    QVERIFY(form->fileNames().size() >= 4);
    QVERIFY(clickFile(form, QFileInfo(m_inst->path(file)).fileName()));
    QVERIFY(m_seam->messages.isEmpty());
    const QStringList lines = TextFile::readLines(m_inst->path(file));
    QCOMPARE(form->shownLines(), lines);
    // Every bar from its score line, standing on the base line 110 px from the panel's top.
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const PreviewPanel *panel = form->panel(kind);
        for (int bar = 0; bar < panel->barCount(); ++bar) {
            const QRect rect = panel->barGeometry(bar);
            QCOMPARE(rect.height(), expectedHeight(lines.value(FirstScoreLine[kind - 1] + bar)));
            if (rect.isEmpty())
                continue;
            QCOMPARE(rect.y() + rect.height(), 110);
            QCOMPARE(rect.width(), 10);
            QCOMPARE(rect.x(), panel->barGeometry(0).x() + 12 * bar);
        }
    }
    for (int bar = 0; bar < 15; ++bar) {
        QCOMPARE(form->Panel1->barGeometry(bar).height(), parentHeights[bar]);
        QCOMPARE(form->Panel1->barColour(bar), parentColours[bar]);
    }
    // A click on a line shows its index.
    form->ListBox1->setCurrentIndex(form->ListBox1->model()->index(230, 0));
    QCOMPARE(form->Label1->text(), QStringLiteral("230"));
    const QString shown = photo
        ? QStringLiteral("c:\\qrelab\\kalauz\\pictures\\%1.jpg").arg(QFileInfo(m_inst->path(file)).completeBaseName())
        : FixedPaths::NoPhotoPicture;
    QImageReader reader(hostPath(shown));
    reader.setScaledSize(form->Image1->size());
    reader.setQuality(49);
    QCOMPARE(form->Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
        reader.read().convertToFormat(QImage::Format_RGB32));
    QVERIFY(form->PhotoNote->text().isEmpty());
}

void TestOpenDialog::photoFallbacks_data()
{
    QTest::addColumn<QString>("photo"); // "ok", "missing", "damaged", "empty", "cut stand-in" (missing)
    QTest::addColumn<bool>("noPhotoPicture");
    QTest::addColumn<bool>("photoFolder");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<QString>("note");
    const QColor red(220, 30, 30), blue(30, 30, 220), previous(30, 200, 30);
    QTest::newRow("photograph") << "ok" << true << true << red << "";
    QTest::newRow("upper case name") << "OK" << true << true << red << "";
    QTest::newRow("no photograph") << "missing" << true << true << blue << "";
    QTest::newRow("neither picture") << "missing" << false << true << previous << "";
    QTest::newRow("damaged jpg") << "damaged" << true << true << blue << "SAJAT.jpg";
    QTest::newRow("zero-byte jpg") << "empty" << true << true << blue << "SAJAT.jpg";
    QTest::newRow("damaged, no stand-in") << "damaged" << false << true << previous << "SAJAT.jpg";
    QTest::newRow("no photo folder") << "missing" << true << false << blue << "c:\\qrelab\\kalauz\\pictures\\";
    QTest::newRow("stand-in cut short") << "cut stand-in" << true << true << previous << "csonka";
}

void TestOpenDialog::photoFallbacks()
{
    QFETCH(QString, photo);
    QFETCH(bool, noPhotoPicture);
    QFETCH(bool, photoFolder);
    QFETCH(QColor, shown);
    QFETCH(QString, note);
    // SAJAT.mtr is a copy of a demo examination; the first click shows a green picture.
    m_inst->writeBytes(FixedPaths::caseFile(QStringLiteral("SAJAT")), m_inst->readBytes(Demo03));
    m_inst->writeBytes(FixedPaths::caseFile(QStringLiteral("ELSO")), m_inst->readBytes(Demo03));
    QVERIFY(solid(QColor(30, 200, 30)).save(m_inst->path(FixedPaths::PhotoFolder) + QStringLiteral("/ELSO.jpg")));
    QVERIFY(solid(QColor(30, 30, 220)).save(m_inst->path(FixedPaths::NoPhotoPicture), "BMP"));
    const QString jpg
        = m_inst->path(FixedPaths::PhotoFolder) + (photo == QLatin1String("OK") ? "/SAJAT.JPG" : "/SAJAT.jpg");
    if (photo.compare(QLatin1String("ok"), Qt::CaseInsensitive) == 0)
        QVERIFY(solid(QColor(220, 30, 30)).save(jpg, "JPG"));
    else if (photo == QLatin1String("damaged"))
        m_inst->writeBytes(FixedPaths::PhotoFolder + QStringLiteral("SAJAT.jpg"), "\xff\xd8\xff\xe0 nem kep");
    else if (photo == QLatin1String("empty"))
        m_inst->writeBytes(FixedPaths::PhotoFolder + QStringLiteral("SAJAT.jpg"), QByteArray());
    else if (photo == QLatin1String("cut stand-in"))
        m_inst->writeBytes(FixedPaths::NoPhotoPicture, m_inst->readBytes(FixedPaths::NoPhotoPicture).left(60));

    start();
    TMegnyitForm *form = openForm(*m_app);
    form->FormActivate();
    QVERIFY(clickFile(form, QStringLiteral("ELSO.mtr")));
    QVERIFY(near(centreColour(form->Image1), QColor(30, 200, 30)));
    if (!noPhotoPicture)
        m_inst->remove(FixedPaths::NoPhotoPicture);
    if (!photoFolder)
        QVERIFY(QDir(m_inst->path(FixedPaths::PhotoFolder)).removeRecursively());
    QVERIFY(clickFile(form, QStringLiteral("SAJAT.mtr")));
    QVERIFY2(near(centreColour(form->Image1), shown), qPrintable(centreColour(form->Image1).name()));
    if (note.isEmpty())
        QVERIFY(form->PhotoNote->text().isEmpty());
    else
        QVERIFY2(form->PhotoNote->text().contains(note), qPrintable(form->PhotoNote->text()));
    QVERIFY(m_seam->messages.isEmpty()); // photographs never stop the user with a box
    QCOMPARE(form->Panel1->values().size(), 15);
}

void TestOpenDialog::hugeHandEditedFileIsShownCutButRefused()
{
    // 100,000 lines, one of them a megabyte long: shown (cut for the list), no bars lost. Its
    // header was edited by hand, so it is not in the layout this program writes.
    QStringList lines = TextFile::readLines(m_inst->path(Demo01));
    lines[0] = QStringLiteral("<MOTRA=kézzel javítva>");
    const int longLine = int(lines.size());
    lines.append(QString(1 << 20, QLatin1Char('v')));
    while (lines.size() < 100000)
        lines.append(QStringLiteral("hosszú vélemény"));
    TextFile::writeLines(m_inst->path(FixedPaths::caseFile(QStringLiteral("NAGY"))), lines);
    start();
    TMegnyitForm *form = openForm(*m_app);
    form->FormActivate();
    QVERIFY(clickFile(form, QStringLiteral("NAGY.mtr")));
    QVERIFY(m_seam->messages.isEmpty());
    QCOMPARE(form->shownLines().size(), 100000);
    QCOMPARE(form->shownLines().at(longLine).size(), TMegnyitForm::ShownLineLength + 1);
    QCOMPARE(form->Panel3->values().size(), 16);

    // Opening it is refused for the megabyte line, with the file named; nothing else shows.
    // (A file in the program's own layout is held to the size limit only.)
    Walk walk;
    walkThrough(*m_seam, walk);
    QVERIFY(!m_app->mainForm()->ReadCaseFile(FixedPaths::caseFile(QStringLiteral("NAGY"))));
    QVERIFY(walk.shown.isEmpty());
    QCOMPARE(m_seam->messages.size(), 1);
    QVERIFY(m_seam->messages.first().contains(QStringLiteral("NAGY.mtr")));
    QVERIFY(m_seam->messages.first().contains(QStringLiteral("karakter hosszú")));
}

void TestOpenDialog::anyFolderAndLetterCase()
{
    QTemporaryDir elsewhere;
    QDir(elsewhere.path()).mkpath(QStringLiteral("alma/korte"));
    QDir(elsewhere.path()).mkpath(QStringLiteral("alma/ROSSZ.mtr")); // a folder, not a case file
    QFile::copy(m_inst->path(Demo02), elsewhere.filePath(QStringLiteral("alma/MASOLAT.MTR")));
    QFile::copy(m_inst->path(Demo02), elsewhere.filePath(QStringLiteral("alma/nem.txt")));
    start();
    unlock(*m_app);
    TMegnyitForm *form = openForm(*m_app);
    form->show();
    form->setFolder(elsewhere.filePath(QStringLiteral("alma")));
    QCOMPARE(form->fileNames(), QStringList{QStringLiteral("MASOLAT.MTR")});
    // The folder list: the chain from the drive down to the folder, then its subfolders.
    QListWidget *folders = form->DirectoryListBox1;
    QCOMPARE(folders->item(folders->count() - 2)->data(Qt::UserRole).toString(),
        QDir::cleanPath(elsewhere.filePath(QStringLiteral("alma/korte"))));
    QCOMPARE(folders->item(folders->count() - 1)->data(Qt::UserRole).toString(),
        QDir::cleanPath(elsewhere.filePath(QStringLiteral("alma/ROSSZ.mtr"))));
    QCOMPARE(folders->currentItem()->data(Qt::UserRole).toString(),
        QDir::cleanPath(elsewhere.filePath(QStringLiteral("alma"))));
    form->DirectoryListBox1Change(folders->count() - 1);
    QVERIFY(form->fileNames().isEmpty());
    form->DirectoryListBox1Change(folders->currentRow() - 1); // back up to "alma"
    QCOMPARE(form->fileNames(), QStringList{QStringLiteral("MASOLAT.MTR")});

    Walk walk;
    walkThrough(*m_seam, walk);
    mouseOnFile(form, QStringLiteral("MASOLAT.MTR"), true); // a double click opens it
    QVERIFY(!form->isVisible());
    QCOMPARE(walk.shown.size(), 5);
    QCOMPARE(m_app->record().Personal.ChildCode, QStringLiteral("DEMO02"));

    const QString outside = elsewhere.filePath(QStringLiteral("alma/MASOLAT.MTR"));
    QCOMPARE(form->shownPath(outside), outside);
    form->BitBtn1Click();
    QCOMPARE(form->folder(), QDir::cleanPath(m_inst->path(FixedPaths::ArchiveFolder)));
    QCOMPARE(form->shownPath(QDir(form->folder()).filePath(QStringLiteral("DEMO01.mtr"))), Demo01);
    form->DriveComboBox1->setCurrentIndex(1);
    QCOMPARE(form->folder(), QStringLiteral("/"));

    // Without the archive folder the dialog says so on opening.
    QVERIFY(QDir(m_inst->path(FixedPaths::ArchiveFolder)).removeRecursively());
    m_seam->messages.clear();
    form->FormActivate();
    QCOMPARE(m_seam->messages,
        QStringList{QStringLiteral(
            "A vizsgálatok mappája (c:\\_halden\\motra\\archivum) nem található; válasszon másik mappát.")});
    QVERIFY(form->fileNames().isEmpty());
}

void TestOpenDialog::recentListNewestFirstAndPreview()
{
    start();
    unlock(*m_app);
    TMainForm *main = m_app->mainForm();
    ListFiles::deleteRecentList();
    for (const char *code : {"A", "B"}) {
        m_app->record().Personal.ChildCode = QLatin1String(code);
        QVERIFY(main->SaveExamination());
    }
    TMegnyitForm *form = openForm(*m_app);
    TLastEdForm *recent = recentForm(*m_app);
    form->show();
    mouseOnFile(form, QStringLiteral("DEMO02.mtr"));
    const QStringList demo02 = form->shownLines();
    QCOMPARE(demo02, TextFile::readLines(m_inst->path(Demo02)));
    const QImage photo = form->Image1->pixmap().toImage();
    form->move(300, 250);
    m_seam->onDialog = [&](QDialog *dialog) {
        QCOMPARE(dialog, recent);
        QCOMPARE(recent->pos(), QPoint(200, 450));
        QCOMPARE(recent->shownEntries(),
            (QStringList{FixedPaths::caseFile(QStringLiteral("B")), FixedPaths::caseFile(QStringLiteral("A"))}));
        recent->ListBox1->setCurrentRow(1);
    };
    form->BitBtn4Click();
    // A's lines and bars are drawn; the photograph and the file list's choice stay.
    QCOMPARE(form->shownLines(), TextFile::readLines(m_inst->path(FixedPaths::caseFile(QStringLiteral("A")))));
    QCOMPARE(form->Panel1->values(), QVector<int>(15, 5));
    QCOMPARE(form->Image1->pixmap().toImage(), photo);
    QCOMPARE(form->selectedFile(), QDir(form->folder()).filePath(QStringLiteral("DEMO02.mtr")));
    QVERIFY(m_seam->messages.size() == 2); // the two save confirmations only
    // A click on the file still selected draws it again.
    mouseOnFile(form, QStringLiteral("DEMO02.mtr"));
    QCOMPARE(form->shownLines(), demo02);
    QCOMPARE(form->Panel1->values().size(), 15);
    QVERIFY(form->Panel1->values() != QVector<int>(15, 5));
    form->hide();
}

void TestOpenDialog::recentListDeletes()
{
    m_inst->writeBytes(FixedPaths::RecentList, "c:\\p1.mtr\r\nc:\\p2.mtr\r\nc:\\p3.mtr\r\n");
    start();
    TLastEdForm *recent = recentForm(*m_app);
    recent->FormActivate();
    QCOMPARE(recent->shownEntries(), (QStringList{"c:\\p3.mtr", "c:\\p2.mtr", "c:\\p1.mtr"}));
    m_seam->answers = {false};
    recent->ListBox1->item(0)->setSelected(true);
    m_seam->messages.clear();
    recent->DeleteRowClick();
    QCOMPARE(recent->shownEntries().size(), 3);

    m_seam->answers = {true};
    recent->ListBox1->item(0)->setSelected(true);
    recent->DeleteRowClick();
    QCOMPARE(m_seam->questions.last(), QStringLiteral("Valóban törli a kijelölt sort?"));
    QCOMPARE(recent->shownEntries(), (QStringList{"c:\\p2.mtr", "c:\\p1.mtr"}));
    QCOMPARE(m_inst->readBytes(FixedPaths::RecentList), QByteArray("c:\\p1.mtr\r\nc:\\p2.mtr\r\n"));
    // Nothing selected: nothing removed.
    m_seam->answers = {true};
    recent->DeleteRowClick();
    QCOMPARE(recent->shownEntries().size(), 2);
    // A later save is listed above the rest, in the file's order.
    m_app->record().Personal.ChildCode = QStringLiteral("UJ");
    QVERIFY(m_app->mainForm()->SaveExamination());
    recent->FormActivate();
    QCOMPARE(
        recent->shownEntries(), (QStringList{FixedPaths::caseFile(QStringLiteral("UJ")), "c:\\p2.mtr", "c:\\p1.mtr"}));

    m_seam->answers = {false};
    recent->show();
    recent->DeleteListClick();
    QVERIFY(recent->isVisible());
    QVERIFY(QFile::exists(m_inst->path(FixedPaths::RecentList)));
    m_seam->answers = {true};
    recent->DeleteListClick();
    QCOMPARE(m_seam->questions.last(), QStringLiteral("Valóban törli az egész listát?"));
    QVERIFY(!recent->isVisible());
    QVERIFY(!QFile::exists(m_inst->path(FixedPaths::RecentList)));
    recent->FormActivate();
    QVERIFY(recent->shownEntries().isEmpty());
}

void TestOpenDialog::recentListMissingFile_data()
{
    QTest::addColumn<bool>("folder"); // the entry names a folder
    QTest::newRow("deleted file") << false;
    QTest::newRow("a folder") << true;
}

void TestOpenDialog::recentListMissingFile()
{
    QFETCH(bool, folder);
    const QString entry = QStringLiteral("c:\\_halden\\motra\\archivum\\TOROLT.mtr");
    m_inst->writeBytes(FixedPaths::RecentList, TextFile::encode(entry + QStringLiteral("\r\n"), {}));
    if (folder)
        QVERIFY(QDir().mkpath(m_inst->path(entry)));
    start();
    TMegnyitForm *form = openForm(*m_app);
    TLastEdForm *recent = recentForm(*m_app);
    form->FormActivate();
    QVERIFY(clickFile(form, QStringLiteral("DEMO01.mtr")));
    const QStringList lines = form->shownLines();
    recent->FormActivate();
    recent->ListBox1->setCurrentRow(0);
    QCOMPARE(m_seam->messages, QStringList{QStringLiteral("sajnos ezt az állományt nem találom!")});
    QCOMPARE(form->shownLines(), lines);
}

QTEST_MAIN(TestOpenDialog)
#include "tst_opendialog.moc"
