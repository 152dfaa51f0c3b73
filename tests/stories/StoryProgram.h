#pragma once

#include "DesktopRecorder.h"
#include "ScriptedUser.h"
#include "TestInstallation.h"

#include "app/ClickLabel.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"

#include <QLineEdit>
#include <QtTest>

// The real program on a fresh copy of the demo installation, started as main() starts it,
// shown and unlocked with the demo password, with documents for the desktop recorded. Declared in a test function, it
// lives for that test only, so every story starts from a fresh start of the program.
struct StoryProgram
{
    TestInstallation installation;
    DesktopRecorder desktop;
    MotraApplication app{QStringList(), MotraApplication::Start::ShowFirst};
    TMainForm *main = app.mainForm();

    explicit StoryProgram(bool unlocked = true)
    {
        app.show();
        if (unlocked)
            typePassword(QStringLiteral("123456"));
    }

    // Types into the locked window's password field as the user does: select all, type.
    void typePassword(const QString &password)
    {
        QTest::keyClick(main->Edit2, Qt::Key_A, Qt::ControlModifier);
        ScriptedUser::typeKeys(main->Edit2, password);
    }

    // New with the personal data dialog's defaults accepted: the answer grids then hold the
    // default child in their personal rows.
    bool startNewExamination(ScriptedUser &user)
    {
        user.expect(QStringLiteral("TSzemAdForm")).click(QStringLiteral("rendben"));
        return user.run([this] { ScriptedUser::clickWidget(main->Image3); });
    }

    // A trigger for ScriptedUser::run: a command of the main window's menu bar.
    std::function<void()> menu(const QStringList &path)
    {
        return [this, path] {
            const QString error = ScriptedUser::chooseFromMenuBar(main->menuBar(), path);
            if (!error.isEmpty())
                QFAIL(qPrintable(error));
        };
    }
};
