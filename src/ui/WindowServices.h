#pragma once

#include <QString>

#include <functional>

// The parts of the examination that the main window marks as done.
enum class ExamPart { PersonalData, Parent, Teacher, SelfReport, Opinion };

// How the windows reach each other. The program wires these at start-up (main window,
// personal data dialog, chart windows, ...); tests wire what they need. An unset service
// does nothing.
struct WindowServices
{
    std::function<void()> showPersonalData; // personal data dialog, modal
    std::function<void(ExamPart)> markPartDone; // main window's check marks
    std::function<void(int kind)> showChart; // profile chart of a questionnaire, modal
    std::function<void(const QString &mask)> showStatAttach; // statistics attach dialog, modal
    // help and notes viewer: caption, help file and notes file as fixed paths (notes may be empty: keep the last one)
    std::function<void(const QString &caption, const QString &helpFile, const QString &notesFile, bool modal)> showHelp;
    std::function<void(const QString &message)> showNotice; // the program's notice box
    std::function<void()> showResultsList; // the slot value list, modal

    // The case file (host path) whose windows the main window walks through right after
    // opening it, empty otherwise: a bad answer met on that walk came from the file.
    QString caseFileBeingOpened;
};

WindowServices &windowServices();
