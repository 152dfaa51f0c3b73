#pragma once

#include <QList>
#include <QString>

// The first start of a user's installation, kept apart from the program itself: the program
// never creates a folder, so before it starts this step makes sure that the folder standing
// for drive C: is there. When it does not exist, the packaged template is copied there whole
// (or not at all) after the user agreed. An existing folder is never written to: when it
// lacks something the program needs, the user is told what and where, and may start the
// program anyway.
namespace FirstStart {

// One thing wrong with an installation: the host path and what is wrong there (Hungarian).
struct Problem
{
    QString path;
    QString what;
};

// What the installation whose drive-C: folder is root lacks for the program to work: the
// program folder and the folders it writes into, the scale-definition and norm files, the
// password file, the chart backgrounds and the word-processor template. Names are looked up
// the way the program looks them up. Empty when nothing is wrong.
QList<Problem> checkInstallation(const QString &root);

// Copies the template folder to root, which must not exist yet: into a new private folder
// beside it first, then renamed to root in one step that never replaces anything. Throws
// MotraError naming the path and the reason; on failure nothing is left behind.
void copyTemplate(const QString &templateDir, const QString &root);

// The questions and messages of the first start; the launcher shows them as message boxes.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Asks to go on; accept is the caption of the button that says yes.
    virtual bool confirm(const QString &text, const QString &accept) = 0;
    virtual void tell(const QString &text) = 0;
};

// Runs the first-start step for the installation at root with the packaged template at
// templateDir. Returns -1 when the program should start now, otherwise the exit status the
// launcher ends with (0 when the user chose not to go on).
int prepareInstallation(const QString &root, const QString &templateDir, Dialogs &dialogs);

} // namespace FirstStart
