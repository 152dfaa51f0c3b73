#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QSplitter;

// The help and notes viewer: the topic's help text on the right, the user's own notes on
// the left. Both panes are editable; what changed is written back when the window closes.
class THelpForm : public QDialog
{
    Q_OBJECT
public:
    explicit THelpForm(QWidget *parent = nullptr);
    ~THelpForm() override;

    // Fixed paths of the topic shown; they keep the last caller's values.
    QString HelpFilePath;
    QString NotesFilePath;
    bool HelpChanged = false;
    bool NotesChanged = false;

    QFrame *Panel1;
    QPlainTextEdit *Memo2; // notes
    QSplitter *Splitter1;
    QPlainTextEdit *Memo1; // help

    static const QString NotesPlaceholder;

    // Reloads both panes from disk.
    void FormActivate();
    // Writes the changed panes; false (after telling the user) when a file cannot be
    // written, and the window then stays open with the text in it.
    bool FormClose();
    void Memo1Change();
    void Memo2Change();

    // Sets the topic and shows the window, modally or not.
    void showTopic(const QString &caption, const QString &helpFile, const QString &notesFile, bool modal);

    void done(int result) override;

    // The instance the program created at start-up (the last one created), or nullptr.
    static THelpForm *shared();

protected:
    bool event(QEvent *event) override;

private:
    // Set while our own failure message is up, so that coming back from it does not
    // reload the panes over the user's text.
    bool m_keepTextOnActivate = false;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};

// Shows help: the caption, the help file and the notes file as fixed paths. An empty
// notes file means the notes file of the same name in the notes folder, so a topic's
// notes never land in another topic's file.
void ShowHelp(const QString &caption, const QString &helpFile, const QString &notesFile, bool modal);
