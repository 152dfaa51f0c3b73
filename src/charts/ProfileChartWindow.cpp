#include "charts/ProfileChartWindow.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "charts/ChartBar.h"
#include "charts/ChartLayout.h"
#include "charts/ChartMarker.h"
#include "charts/ProfileChart.h"
#include "charts/ScaleItemList.h"
#include "charts/TSkalaForm.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>

bool ProfileChartWindow::ChartNeedsRedraw = false;

// The design picture size; the chart image takes the size of the loaded bitmap.
static const QSize DesignPicture(500, 400);

ProfileChartWindow::ProfileChartWindow(CaseRecord &record, int kind, TSkalaForm *picker, QWidget *parent)
    : QDialog(parent), m_record(record), m_kind(kind), m_layout(chartLayout(kind)), m_picker(picker)
{
    setObjectName(m_layout.windowClass);
    setWindowTitle(m_layout.caption);
    setFixedSize(DesignPicture.width() + 2, DesignPicture.height() + 40);
    if (kind == Parent)
        ChartNeedsRedraw = true;
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void ProfileChartWindow::FormCreate()
{
    m_image = new QLabel(this);
    m_image->setObjectName(m_layout.imageName);
    m_image->setGeometry(QRect(QPoint(1, 1), DesignPicture));
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int k = 1; k <= m_layout.bars.size(); ++k) {
        const ChartBarDesign &design = m_layout.bars[k - 1];
        auto *bar = new ChartBar(k, design.caption, this);
        bar->setObjectName(QStringLiteral("Shape%1").arg(k));
        bar->setToolTip(design.hint);
        bar->setGeometry(barWindowRect(m_kind, k, 0));
        if (hasScaleItemList(m_kind, k)) {
            bar->setCursor(Qt::PointingHandCursor);
            auto *list = new QListWidget(this);
            list->setObjectName(QStringLiteral("ItemList%1").arg(k));
            list->setProperty("tag", k);
            for (int item : scaleItemList(m_kind, k))
                list->addItem(QString::number(item));
            list->hide();
            itemLists.append(list);
        }
        connect(bar, &ChartBar::pressed, this, &ProfileChartWindow::BarMouseDown);
        m_bars.append(bar);
    }

    Shape99 = new ChartMarker(m_layout.markerColour, this);
    Shape99->setObjectName(QStringLiteral("Shape99"));
    Shape99->resize(m_layout.markerSize, m_layout.markerSize);
    Shape99->hide();

    m_modes = new QButtonGroup(this);
    m_modes->setExclusive(true);
    auto modeButton = [this](const QString &name, const QString &text, int mode, int x) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setText(text);
        button->setCheckable(true);
        button->setGeometry(x, DesignPicture.height() + 8, 25, 25);
        m_modes->addButton(button, mode);
        connect(button, &QToolButton::clicked, this, [this, mode] { DrawProfile(mode); });
        return button;
    };
    colouredButton = modeButton(QStringLiteral("colouredButton"), QStringLiteral("s"), ColouredBars, 8);
    blackWhiteButton = modeButton(QStringLiteral("blackWhiteButton"), QStringLiteral("f"), BlackWhiteBars, 36);
    lineButton = modeButton(QStringLiteral("lineButton"), QStringLiteral("v"), LineChart, 64);
    colouredButton->setChecked(true);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("?"));
    SpeedButton1->setGeometry(DesignPicture.width() - 30, DesignPicture.height() + 8, 25, 25);
    connect(SpeedButton1, &QToolButton::clicked, this, &ProfileChartWindow::SpeedButton1Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &ProfileChartWindow::Timer1Timer);
    Timer1->start();

    if (m_picker)
        connect(m_picker, &TSkalaForm::closed, Shape99, &QWidget::hide);
}

int ProfileChartWindow::pressedMode() const
{
    if (lineButton->isChecked())
        return LineChart;
    if (blackWhiteButton->isChecked())
        return BlackWhiteBars;
    return ColouredBars;
}

void ProfileChartWindow::placeBars(const QVector<int> &tScores, int mode)
{
    for (ChartBar *bar : m_bars) {
        const int t = drawnTScore(tScores.value(bar->tag() - 1, 0));
        bar->setGeometry(barWindowRect(m_kind, bar->tag(), t));
        bar->setFrameColour(mode == ColouredBars ? BandColour(t) : QColor(Qt::black));
        if (m_layout.fillColouredBars)
            bar->setSolidFill(mode == BlackWhiteBars);
        bar->setVisible(mode != LineChart);
        bar->raise();
    }
    Shape99->raise();
}

void ProfileChartWindow::DrawProfile(int mode)
{
    QImage image;
    try {
        image = ::DrawProfile(m_record, m_kind, mode);
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
        return;
    }
    m_image->setPixmap(QPixmap::fromImage(image));
    m_image->resize(image.size());
    placeBars(m_record.scores(m_kind).TScores, mode);
    try {
        saveChartBitmap(image, hostPath(FixedPaths::currentChart(m_kind)));
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
    }
}

void ProfileChartWindow::FormActivate()
{
    if (!ChartNeedsRedraw)
        return;
    // Cleared first: a failure message takes the focus and would activate the window again.
    ChartNeedsRedraw = false;
    DrawProfile(pressedMode());
}

void ProfileChartWindow::FormClose()
{
    if (m_picker)
        m_picker->close();
    ChartNeedsRedraw = true;
    Shape99->hide();
}

void ProfileChartWindow::BarMouseDown(int tag)
{
    if (!hasScaleItemList(m_kind, tag))
        return;
    const ChartBar *bar = m_bars.value(tag - 1);
    if (!bar)
        return;
    Shape99->move(bar->x() + 2, bar->y() + 3);
    Shape99->show();
    Shape99->raise();
    if (!m_picker)
        return;
    // The picker must belong to the modal chart, or the chart's modality would block it.
    if (m_picker->parentWidget() != this) {
        m_picker->setParent(this, m_picker->windowFlags());
        m_picker->move(1, 80);
    }
    m_picker->setEntries(BuildScaleItemEntries(m_record, m_kind, tag));
    m_picker->setWindowTitle(bar->toolTip() + QStringLiteral(" elemei"));
    m_picker->show();
    m_picker->raise();
}

void ProfileChartWindow::SpeedButton1Click()
{
    if (windowServices().showHelp)
        windowServices().showHelp(m_layout.helpCaption, FixedPaths::helpFile(m_layout.helpName),
            FixedPaths::notesFile(m_layout.helpName), true);
}

void ProfileChartWindow::Timer1Timer() { Shape99->blink(); }

void ProfileChartWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void ProfileChartWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void ProfileChartWindow::done(int result)
{
    FormClose();
    QDialog::done(result);
}
