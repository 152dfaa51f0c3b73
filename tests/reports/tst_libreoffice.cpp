// The word report in a real LibreOffice: a scripted examination writes the exchange files,
// LibreOffice opens the installed template as the desktop would, its links are refreshed with
// the menu command the instructions name (Tools > Update > Update All) and the document is
// exported to PDF, and the PDF must show this examination.

#include "../app/AppFixture.h"
#include "../app/AppTestSeam.h"
#include "TestInstallation.h"
#include "app/ListComboBox.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "app/TSzemAdForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "charts/ChartWindows.h"
#include "charts/ProfileChart.h"
#include "charts/TSzuDiagForm.h"
#include "charts/TTanDiagForm.h"
#include "charts/TOneDiagForm.h"
#include "reports/TVelemenyForm.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestLibreOffice : public QObject
{
    Q_OBJECT
private slots:
    void refreshedReportShowsTheExamination();
};

// One LibreOffice session through the driver script; never outlives the test.
class OfficeSession
{
public:
    OfficeSession(const QString &profile, const QString &templ)
    {
        m_process.setProgram(QStringLiteral(MOTRA_UNO_PYTHON));
        m_process.setArguments({QStringLiteral(MOTRA_LO_SESSION_SCRIPT), profile, templ});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~OfficeSession()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(20000)) {
            m_process.terminate(); // the driver kills its office on SIGTERM
            if (!m_process.waitForFinished(5000))
                m_process.kill();
        }
    }
    // The driver's next line; empty when none came in time.
    QString nextLine(int timeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!m_process.canReadLine()) {
            if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
                return QString();
            m_process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)));
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    void send(const QString &line) { m_process.write((line + QLatin1Char('\n')).toUtf8()); }
    bool finish()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(30000) && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

static QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pictures of the PDF, in page order, as pdfimages extracts them (losslessly exported).
static QList<QImage> pdfPictures(const QString &pdf, const QString &folder)
{
    const QString prefix = folder + QStringLiteral("/img");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefix});
    QList<QImage> images;
    const QStringList files = QDir(folder).entryList({QStringLiteral("img-*.png")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        images.append(QImage(folder + QLatin1Char('/') + file).convertToFormat(QImage::Format_RGB32));
    return images;
}

static QImage chartFile(const TestInstallation &inst, int kind)
{
    return QImage(inst.path(FixedPaths::currentChart(kind))).convertToFormat(QImage::Format_RGB32);
}

static void writeOpinion(AppTestSeam &seam, TMainForm *main, const QString &text)
{
    seam.onDialog = [text](QDialog *d) {
        auto *opinion = static_cast<TVelemenyForm *>(d);
        opinion->Memo1->setPlainText(text);
        opinion->BitBtn2->click();
    };
    main->ShowOpinion();
}

void TestLibreOffice::refreshedReportShowsTheExamination()
{
    QVERIFY2(QFileInfo(QStringLiteral(MOTRA_UNO_PYTHON)).isExecutable(),
        "python3 with the LibreOffice bridge (python3-uno) is missing: run scripts/test to install it");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(),
        "LibreOffice Writer is missing: run scripts/test to install it");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "poppler-utils is missing");

    TestInstallation inst;
    QVERIFY(inst.isValid());
    QTemporaryDir work;
    AppTestSeam seam;
    MotraApplication app;
    TMainForm *main = app.mainForm();
    QTest::keyClicks(main->Edit2, QStringLiteral("123456"));
    QVERIFY(!main->isLocked());

    // The examination: personal data with accents, the three charts, an opinion with ő and ű.
    seam.onDialog = [](QDialog *d) {
        auto *f = static_cast<TSzemAdForm *>(d);
        f->Edit1->setText(QStringLiteral("Őri Űrsula Tünde"));
        f->Edit2->setText(QStringLiteral("ŐÜ-17"));
        f->RadioButton2->setChecked(true);
        f->LMDSpinEdit1->setValue(11);
        f->Edit3->setText(QStringLiteral("2024. május 6."));
        f->ComboBox2->setEditText(QStringLiteral("dr. Kovács Éva"));
        f->OkButton->click();
    };
    main->NewExamination();
    CaseRecord &record = app.record();
    const int scores[3] = {45, 65, 30};
    for (int kind = Parent; kind <= SelfReport; ++kind)
        record.scores(kind).TScores.fill(scores[kind - 1]);
    const ChartWindows &charts = chartWindows();
    charts.szuDiag->DrawProfile(ColouredBars);
    charts.tanDiag->DrawProfile(LineChart);
    charts.oneDiag->DrawProfile(BlackWhiteBars);
    writeOpinion(seam, main, QStringLiteral("Az ő fejlődése egyenletes.\nA szűrés nem mutat eltérést."));
    QVERIFY2(seam.messages.isEmpty(), qPrintable(seam.messages.join(QLatin1Char('\n'))));

    // The template as the desktop hands it over: a new untitled document, links unrefreshed.
    OfficeSession office(work.filePath(QStringLiteral("profile")), inst.path(FixedPaths::WordTemplate));
    const QString opened = office.nextLine(120000);
    QVERIFY2(opened.startsWith(QStringLiteral("opened url= title=")), qPrintable(opened));
    QVERIFY(opened.size() > int(qstrlen("opened url= title=")));

    const QString pdf1 = work.filePath(QStringLiteral("first.pdf"));
    office.send(QStringLiteral("refresh ") + pdf1);
    QCOMPARE(office.nextLine(60000), QStringLiteral("exported ") + pdf1);
    const QString text1 = run(
        QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf1, QStringLiteral("-")});
    for (const char *expected : {"név: (ŐÜ-17) Őri Űrsula Tünde", "11 éves nő", "a vizsg. időpontja: 2024. május 6.",
             "a vizsgálatot végezte: dr. Kovács Éva", "Az ő fejlődése egyenletes.", "A szűrés nem mutat eltérést."})
        QVERIFY2(text1.contains(QString::fromUtf8(expected)), expected);
    const QString list1 = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf1});
    QCOMPARE(list1.count(QStringLiteral(" image     500   400 ")), 3);
    const QList<QImage> pictures1 = pdfPictures(pdf1, work.filePath(QStringLiteral("first")));
    QCOMPARE(pictures1.size(), 3);
    for (int kind = Parent; kind <= SelfReport; ++kind)
        QVERIFY2(pictures1[kind - 1] == chartFile(inst, kind), qPrintable(QStringLiteral("chart %1").arg(kind)));
    const QImage oldTeacher = chartFile(inst, Teacher);

    // A new opinion and a redrawn teacher chart: the next refresh of the same document shows them.
    writeOpinion(seam, main, QStringLiteral("Átírt vélemény: őszinte, kiegyensúlyozott fiú helyett lány; űr nincs."));
    record.scores(Teacher).TScores.fill(80);
    charts.tanDiag->DrawProfile(ColouredBars);
    QVERIFY(chartFile(inst, Teacher) != oldTeacher);
    const QString pdf2 = work.filePath(QStringLiteral("second.pdf"));
    office.send(QStringLiteral("refresh ") + pdf2);
    QCOMPARE(office.nextLine(60000), QStringLiteral("exported ") + pdf2);
    const QString text2 = run(
        QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf2, QStringLiteral("-")});
    QVERIFY(text2.contains(QStringLiteral("Átírt vélemény: őszinte, kiegyensúlyozott fiú helyett lány; űr nincs.")));
    QVERIFY(!text2.contains(QStringLiteral("Az ő fejlődése egyenletes.")));
    QVERIFY(text2.contains(QStringLiteral("név: (ŐÜ-17) Őri Űrsula Tünde")));
    const QList<QImage> pictures2 = pdfPictures(pdf2, work.filePath(QStringLiteral("second")));
    QCOMPARE(pictures2.size(), 3);
    QVERIFY(pictures2[1] == chartFile(inst, Teacher));
    QVERIFY(pictures2[0] == pictures1[0]);
    QVERIFY(pictures2[2] == pictures1[2]);

    office.send(QStringLiteral("quit"));
    QCOMPARE(office.nextLine(30000), QStringLiteral("bye"));
    QVERIFY(office.finish());
    QVERIFY2(seam.messages.isEmpty(), qPrintable(seam.messages.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLibreOffice)
#include "tst_libreoffice.moc"
