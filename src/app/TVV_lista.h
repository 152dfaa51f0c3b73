#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The small editor of the examiner list (vv.txt) and the reason list (ok.txt).
class TVV_lista : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Examiners, Reasons };

    explicit TVV_lista(QWidget *parent = nullptr);

    // Sets the caption and loads the mode's list (empty when the file is missing).
    void openFor(Mode mode);
    Mode mode() const { return m_mode; }
    QString listFile() const;

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr; // "Kész"

public slots:
    // Replaces the list file when the text was changed, then closes.
    void Button1Click();

private:
    Mode m_mode = Mode::Examiners;
};
