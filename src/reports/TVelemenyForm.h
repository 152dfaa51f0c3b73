#pragma once

#include <QDialog>

class CaseRecord;
class QFrame;
class QPlainTextEdit;
class QPushButton;

// The examiner's summary opinion. Memo1 is the editor of the record's Opinion; every
// closing writes it to the current opinion text and marks the step done.
class TVelemenyForm : public QDialog
{
    Q_OBJECT
public:
    explicit TVelemenyForm(CaseRecord &record, QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QFrame *Panel1;
    QPushButton *BitBtn1; // "&súgó"
    QPushButton *BitBtn2; // "rendben"

    // Fills the memo from the record's Opinion (a case file was read, a new examination began).
    void loadFromRecord();
    // Opinion := memo lines; writes "aktualis\velem.txt" and marks the step. False (after
    // the message) when the file cannot be written; the step is then not marked.
    bool FormClose();
    void Memo1Change();
    void BitBtn1Click();
    void BitBtn2Click();

    void done(int result) override;
    // Escape and the window system's close do nothing: the window closes only through "rendben".
    void reject() override;

private:
    CaseRecord &m_record;
    bool m_loading = false;
};
