#pragma once

#include "ui/ModalSeam.h"

#include <QStringList>

// The program's real modal seam, except that documents handed to the desktop (the HTML
// report for the browser, a template for the word processor) are recorded instead of
// starting another program. End-to-end stories install it for their whole run.
class DesktopRecorder : public ModalSeam
{
public:
    DesktopRecorder() { ModalSeam::install(this); }
    ~DesktopRecorder() override { ModalSeam::install(nullptr); }
    DesktopRecorder(const DesktopRecorder &) = delete;
    DesktopRecorder &operator=(const DesktopRecorder &) = delete;

    QStringList documents; // host paths, in the order they were handed over

    void openDocument(const QString &hostPath) override { documents.append(hostPath); }
};
