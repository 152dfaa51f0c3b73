#pragma once

#include "case/ArchivedCodes.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class CaseRecord;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class QToolButton;
class TMainForm;
class TVV_lista;
class ListComboBox;

// The personal data dialog: name, code, sex, age, date, examiner and reason of the
// examination, with the warning when the code would overwrite an archived examination.
class TSzemAdForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinAge = 6;
    static constexpr int MaxAge = 20;

    explicit TSzemAdForm(CaseRecord &record, QWidget *parent = nullptr);

    void setMainForm(TMainForm *mainForm) { m_mainForm = mainForm; }
    void setListEditor(TVV_lista *editor) { m_listEditor = editor; }
    // The date picker: shows it modally and gives the picked date text, nothing when cancelled.
    void setCalendar(std::function<std::optional<QString>()> pickDate) { m_pickDate = std::move(pickDate); }

    // The defaults of a new examination (examiner, date and reason carry over).
    void resetToDefaults();
    const QStringList &archivedCodes() const { return m_archive.codes(); }
    bool overwriteWarningOn() const;

    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QSpinBox *LMDSpinEdit1 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    ListComboBox *ComboBox2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    ListComboBox *ComboBox1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QLabel *Shape1 = nullptr;
    QPushButton *OkButton = nullptr; // "rendben"
    QPushButton *HelpButton = nullptr; // "súgó"
    QTimer *Timer1 = nullptr;

public slots:
    void FormActivate();
    void FormClose();
    void Edit2Change(const QString &text);
    void Timer1Timer();
    void ComboBox2DropDown();
    void ComboBox1DropDown();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void HelpClick();

public:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadList(ListComboBox *box, const QString &fixedPath);
    void drawShape();

    CaseRecord &m_record;
    TMainForm *m_mainForm = nullptr;
    TVV_lista *m_listEditor = nullptr;
    std::function<std::optional<QString>()> m_pickDate;
    ArchivedCodes m_archive; // rebuilt on every opening
    bool m_shapeCircle = true;
    bool m_captionShown = true;
    bool m_filling = false;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
