#pragma once

class CaseRecord;
class QWidget;
class TOneDiagForm;
class TSkalaForm;
class TSzuDiagForm;
class TTanDiagForm;

// The three chart windows and the scale picker, created once at start-up.
struct ChartWindows
{
    TSzuDiagForm *szuDiag = nullptr;
    TTanDiagForm *tanDiag = nullptr;
    TOneDiagForm *oneDiag = nullptr;
    TSkalaForm *skala = nullptr;
};

// Creates the chart windows and the picker (in the start-up order) and sets
// windowServices().showChart to show the chart of a questionnaire modally. The entry
// windows fill chartWindows().skala->jumpToRow to let the picker select grid rows.
ChartWindows installChartWindows(CaseRecord &record, QWidget *parent);
// The windows made by installChartWindows (all null before).
const ChartWindows &chartWindows();
