#include "charts/ChartWindows.h"

#include "charts/TOneDiagForm.h"
#include "charts/TSkalaForm.h"
#include "charts/TSzuDiagForm.h"
#include "charts/TTanDiagForm.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

static ChartWindows installed;

ChartWindows installChartWindows(CaseRecord &record, QWidget *parent)
{
    // The picker is made after the charts at start-up, but the charts need to know it.
    auto *skala = new TSkalaForm(record, parent);
    ChartWindows windows;
    windows.szuDiag = new TSzuDiagForm(record, skala, parent);
    windows.tanDiag = new TTanDiagForm(record, skala, parent);
    windows.oneDiag = new TOneDiagForm(record, skala, parent);
    windows.skala = skala;
    installed = windows;
    windowServices().showChart = [windows](int kind) {
        ProfileChartWindow *chart = kind == 1 ? static_cast<ProfileChartWindow *>(windows.szuDiag)
            : kind == 2                       ? static_cast<ProfileChartWindow *>(windows.tanDiag)
            : kind == 3                       ? static_cast<ProfileChartWindow *>(windows.oneDiag)
                                              : nullptr;
        if (chart)
            ModalSeam::instance().execDialog(chart);
    };
    return windows;
}

const ChartWindows &chartWindows() { return installed; }
