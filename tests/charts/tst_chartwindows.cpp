#include "case/CaseRecord.h"
#include "TestInstallation.h"
#include "case/FixedPaths.h"
#include "charts/ChartBar.h"
#include "charts/ChartLayout.h"
#include "charts/ChartMarker.h"
#include "charts/ChartWindows.h"
#include "charts/ProfileChart.h"
#include "charts/ScaleItemEntries.h"
#include "charts/TOneDiagForm.h"
#include "charts/TSkalaForm.h"
#include "charts/TSzuDiagForm.h"
#include "charts/TTanDiagForm.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

// Records what the windows would show modally instead of showing it.
class RecordingSeam : public ModalSeam
{
public:
    QStringList messages;
    QList<QDialog *> dialogs;
    void showMessage(QWidget *, const QString &text) override { messages << text; }
    int execDialog(QDialog *dialog) override
    {
        dialogs << dialog;
        return 0;
    }
};

class TstChartWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowsAndServices();
    void activationDrawsOnce();
    void modeSwitchRestoresBars_data();
    void modeSwitchRestoresBars();
    void barsFollowScores();
    void barClickOpensPicker();
    void otherBarsDoNothing();
    void markerBlinks();
    void helpButton_data();
    void helpButton();
    void missingBackgroundIsShown();
    void closeHidesMarkerAndPicker();
    void pickerJumps_data();
    void pickerJumps();
    void pickerWithoutSelection();

private:
    ProfileChartWindow *chart(int kind) const;
    std::unique_ptr<TestInstallation> m_inst;
    std::unique_ptr<CaseRecord> m_record;
    std::unique_ptr<QWidget> m_parent;
    RecordingSeam m_seam;
    ChartWindows m_windows;
};

ProfileChartWindow *TstChartWindows::chart(int kind) const
{
    if (kind == Parent)
        return m_windows.szuDiag;
    if (kind == Teacher)
        return m_windows.tanDiag;
    return m_windows.oneDiag;
}

void TstChartWindows::init()
{
    m_inst = std::make_unique<TestInstallation>(true);
    QImage blank(500, 400, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (int kind = Parent; kind <= SelfReport; ++kind)
        QVERIFY(blank.save(m_inst->path(FixedPaths::chartBackground(kind)), "BMP"));
    m_seam = RecordingSeam();
    ModalSeam::install(&m_seam);
    windowServices() = WindowServices();
    m_record = std::make_unique<CaseRecord>();
    m_parent = std::make_unique<QWidget>();
    ProfileChartWindow::ChartNeedsRedraw = false;
    m_windows = installChartWindows(*m_record, m_parent.get());
}

void TstChartWindows::cleanup()
{
    m_parent.reset();
    windowServices() = WindowServices();
    ModalSeam::install(nullptr);
    m_inst.reset();
}

void TstChartWindows::windowsAndServices()
{
    // Making the parent chart marks the charts for drawing.
    QVERIFY(ProfileChartWindow::ChartNeedsRedraw);
    QCOMPARE(m_windows.szuDiag->objectName(), QStringLiteral("TSzuDiagForm"));
    QCOMPARE(m_windows.tanDiag->windowTitle(), QStringLiteral("MOTRA tanári kérdőív diagram"));
    QCOMPARE(m_windows.oneDiag->windowTitle(), QStringLiteral("MOTRA önértékelő kérdőív diagram"));
    QVERIFY(m_windows.szuDiag->findChild<QLabel *>(QStringLiteral("SzuImage")));
    QVERIFY(m_windows.tanDiag->findChild<QLabel *>(QStringLiteral("TanImage")));
    QVERIFY(m_windows.oneDiag->findChild<QLabel *>(QStringLiteral("OneImage")));
    QCOMPARE(m_windows.tanDiag->bars().size(), 17);
    QCOMPARE(m_windows.oneDiag->bars().size(), 16);
    QCOMPARE(m_windows.szuDiag->bars().at(14)->toolTip(), QStringLiteral("Összprobléma skála T-érték"));
    QCOMPARE(m_windows.oneDiag->bars().at(11)->toolTip(), QStringLiteral("Agresszó T-érték"));
    QCOMPARE(m_windows.szuDiag->itemLists.size(), 10);
    QCOMPARE(m_windows.oneDiag->itemLists.size(), 11);
    QVERIFY(m_windows.szuDiag->colouredButton->isChecked());
    QCOMPARE(m_windows.szuDiag->Timer1->interval(), 100);
    QVERIFY(m_windows.szuDiag->Timer1->isActive());
    QVERIFY(m_windows.szuDiag->Shape99->isHidden());

    QCOMPARE(m_windows.skala->windowTitle(), QStringLiteral("Az aktuális skála kérdései"));
    QCOMPARE(m_windows.skala->pos(), QPoint(1, 80));
    QCOMPARE(chartWindows().skala, m_windows.skala);

    QVERIFY(bool(windowServices().showChart));
    windowServices().showChart(Teacher);
    QCOMPARE(m_seam.dialogs, QList<QDialog *>{m_windows.tanDiag});
}

void TstChartWindows::activationDrawsOnce()
{
    m_record->scores(Parent).TScores.fill(50);
    auto *window = m_windows.szuDiag;
    window->show();
    QVERIFY(!ProfileChartWindow::ChartNeedsRedraw);
    const QImage shown = window->chartImage()->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, DrawProfile(*m_record, Parent, ColouredBars));
    QCOMPARE(QImage(m_inst->path(FixedPaths::ParentChart), "BMP").convertToFormat(QImage::Format_RGB32), shown);

    // A second activation (back from the picker) does not draw again.
    m_record->scores(Parent).TScores.fill(80);
    window->FormActivate();
    QCOMPARE(window->chartImage()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), shown);

    // After closing, the next showing draws with the pressed mode.
    window->close();
    QVERIFY(ProfileChartWindow::ChartNeedsRedraw);
    window->lineButton->setChecked(true);
    window->show();
    QCOMPARE(window->chartImage()->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
        DrawProfile(*m_record, Parent, LineChart));
    window->close();
}

void TstChartWindows::modeSwitchRestoresBars_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("parent") << int(Parent);
    QTest::newRow("teacher") << int(Teacher);
    QTest::newRow("self-report") << int(SelfReport);
}

void TstChartWindows::modeSwitchRestoresBars()
{
    QFETCH(int, kind);
    ProfileChartWindow *window = chart(kind);
    m_record->scores(kind).TScores.fill(45);
    window->show();
    window->colouredButton->click();
    window->lineButton->click();
    QVERIFY(window->lineButton->isChecked());
    QVERIFY(!window->colouredButton->isChecked());
    for (ChartBar *bar : window->bars())
        QVERIFY(!bar->isVisible());
    QCOMPARE(window->chartImage()->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
        DrawProfile(*m_record, kind, LineChart));
    window->colouredButton->click();
    for (ChartBar *bar : window->bars())
        QVERIFY(bar->isVisible());
    QCOMPARE(window->pressedMode(), int(ColouredBars));
    window->close();
}

void TstChartWindows::barsFollowScores()
{
    auto *window = m_windows.oneDiag;
    for (int k = 0; k < 16; ++k)
        m_record->scores(SelfReport).TScores[k] = 5 * k + 20;
    m_record->scores(SelfReport).TScores[0] = -1;
    window->show();
    for (ChartBar *bar : window->bars()) {
        const int t = drawnTScore(m_record->scores(SelfReport).TScores[bar->tag() - 1]);
        QCOMPARE(bar->geometry(), barWindowRect(SelfReport, bar->tag(), t));
        QCOMPARE(bar->y() + bar->height(), 361);
        QCOMPARE(bar->frameColour(), BandColour(t));
        QVERIFY(!bar->solidFill());
    }
    QCOMPARE(m_record->scores(SelfReport).TScores[0], -1);
    window->blackWhiteButton->click();
    for (ChartBar *bar : window->bars()) {
        QCOMPARE(bar->frameColour(), QColor(Qt::black));
        QVERIFY(bar->solidFill()); // the self-report's black-and-white bars are solid
    }
    window->close();
}

void TstChartWindows::barClickOpensPicker()
{
    auto *window = m_windows.szuDiag;
    m_record->scores(Parent).TScores.fill(60);
    window->show();
    ChartBar *bar = window->bars().at(4); // Visszahúzódás
    QTest::mouseClick(bar, Qt::LeftButton);
    QVERIFY(window->Shape99->isVisible());
    QCOMPARE(window->Shape99->pos(), QPoint(bar->x() + 2, bar->y() + 3));
    QVERIFY(m_windows.skala->isVisible());
    QCOMPARE(m_windows.skala->windowTitle(), QStringLiteral("Visszahúzódás T-érték elemei"));
    const QVector<ScaleItemEntry> entries = BuildScaleItemEntries(*m_record, Parent, 5);
    QCOMPARE(m_windows.skala->AktList->count(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(m_windows.skala->AktList->item(i)->text(), entries[i].text);
        QCOMPARE(m_windows.skala->AktList->item(i)->checkState(), entries[i].ticked ? Qt::Checked : Qt::Unchecked);
    }
    // Closing the picker hides the marker.
    m_windows.skala->close();
    QVERIFY(!window->Shape99->isVisible());
    window->close();
}

void TstChartWindows::otherBarsDoNothing()
{
    auto *window = m_windows.szuDiag;
    window->show();
    for (int tag : {1, 2, 3, 4, 15}) {
        QTest::mouseClick(window->bars().at(tag - 1), Qt::LeftButton);
        QVERIFY(!window->Shape99->isVisible());
        QVERIFY(!m_windows.skala->isVisible());
    }
    window->close();
}

void TstChartWindows::markerBlinks()
{
    auto *marker = m_windows.tanDiag->Shape99;
    QCOMPARE(marker->size(), QSize(11, 11));
    QVERIFY(marker->isSquare());
    QCOMPARE(marker->fillColour(), QColor(0, 255, 255));
    m_windows.tanDiag->Timer1Timer();
    QVERIFY(!marker->isSquare());
    QCOMPARE(marker->fillColour(), QColor(255, 255, 0));
    m_windows.tanDiag->Timer1Timer();
    QCOMPARE(marker->fillColour(), QColor(0, 255, 255));
    QCOMPARE(m_windows.szuDiag->Shape99->fillColour(), QColor(0, 255, 0));
}

void TstChartWindows::helpButton_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("notes");
    QTest::newRow("parent") << int(Parent) << QStringLiteral("súgó a szülői adatlap diagramjához")
                            << QStringLiteral("c:\\_halden\\motra\\help\\s_diag.hlp")
                            << QStringLiteral("c:\\_halden\\motra\\jegyzet\\s_diag.hlp");
    QTest::newRow("teacher") << int(Teacher) << QStringLiteral("súgó a tanári adatlap diagramjához")
                             << QStringLiteral("c:\\_halden\\motra\\help\\t_diag.hlp")
                             << QStringLiteral("c:\\_halden\\motra\\jegyzet\\t_diag.hlp");
    QTest::newRow("self-report") << int(SelfReport) << QStringLiteral("súgó az önértékelő adatlap diagramjához")
                                 << QStringLiteral("c:\\_halden\\motra\\help\\o_diag.hlp")
                                 << QStringLiteral("c:\\_halden\\motra\\jegyzet\\o_diag.hlp");
}

void TstChartWindows::helpButton()
{
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QString, help);
    QFETCH(QString, notes);
    QStringList got;
    bool modal = false;
    windowServices().showHelp = [&](const QString &c, const QString &h, const QString &n, bool m) {
        got = {c, h, n};
        modal = m;
    };
    chart(kind)->SpeedButton1->click();
    QCOMPARE(got, (QStringList{caption, help, notes}));
    QVERIFY(modal);
}

void TstChartWindows::missingBackgroundIsShown()
{
    auto *window = m_windows.tanDiag;
    window->show();
    const QImage before = window->chartImage()->pixmap().toImage();
    QVERIFY(m_seam.messages.isEmpty());
    m_inst->remove(FixedPaths::TeacherBackground);
    window->lineButton->click();
    QCOMPARE(m_seam.messages.size(), 1);
    QVERIFY(m_seam.messages.first().contains(FixedPaths::TeacherBackground));
    QCOMPARE(window->chartImage()->pixmap().toImage(), before);
    for (ChartBar *bar : window->bars())
        QVERIFY(bar->isVisible());
    window->close();
}

void TstChartWindows::closeHidesMarkerAndPicker()
{
    auto *window = m_windows.oneDiag;
    window->show();
    QTest::mouseClick(window->bars().at(6), Qt::LeftButton);
    QVERIFY(m_windows.skala->isVisible());
    QVERIFY(window->Shape99->isVisible());
    window->close();
    // Hidden themselves, not merely inside a hidden window.
    QVERIFY(m_windows.skala->isHidden());
    QVERIFY(window->Shape99->isHidden());
    QVERIFY(ProfileChartWindow::ChartNeedsRedraw);
}

void TstChartWindows::pickerJumps_data()
{
    QTest::addColumn<int>("currentKind");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("row");
    QTest::newRow("parent 67") << int(Parent) << QStringLiteral("(2)67. Viselkedése") << 65;
    QTest::newRow("teacher 86") << int(Teacher) << QStringLiteral("(0)86. valami") << 84;
    QTest::newRow("self-report 67") << int(SelfReport) << QStringLiteral("(1)67. valami") << 64;
    QTest::newRow("no such row") << int(Parent) << QStringLiteral("(1)500. valami") << -1;
}

void TstChartWindows::pickerJumps()
{
    QFETCH(int, currentKind);
    QFETCH(QString, entry);
    QFETCH(int, row);
    QList<QPair<int, int>> jumps;
    m_windows.skala->jumpToRow = [&jumps](int kind, int r) { jumps.append({kind, r}); };
    m_record->setCurrentKind(currentKind);
    m_windows.skala->setEntries({{QStringLiteral("(0)1. első"), false}, {entry, true}});
    m_windows.skala->show();
    QListWidget *list = m_windows.skala->AktList;
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->currentRow(), 1);
    if (row < 0) {
        QVERIFY(jumps.isEmpty());
    } else {
        QCOMPARE(jumps.size(), 1);
        QCOMPARE(jumps.first(), qMakePair(currentKind, row));
    }
    // A press below the last entry acts on the entry selected at that moment.
    jumps.clear();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 2));
    QCOMPARE(jumps.size(), row < 0 ? 0 : 1);
}

void TstChartWindows::pickerWithoutSelection()
{
    int calls = 0;
    m_windows.skala->jumpToRow = [&calls](int, int) { ++calls; };
    m_windows.skala->setEntries({});
    m_windows.skala->show();
    QListWidget *list = m_windows.skala->AktList;
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(calls, 0);
}

QTEST_MAIN(TstChartWindows)
#include "tst_chartwindows.moc"
