#pragma once

#include "FirstStart.h"

#include <QApplication>

#include <memory>

// The first start's questions and messages as message boxes. The GUI is only brought up when
// there is something to show, so a normal start costs nothing; every text also goes to the
// standard error output. Without a display nothing can be asked: the text is printed and
// the question counts as unanswered.
class MessageBoxDialogs : public FirstStart::Dialogs
{
public:
    MessageBoxDialogs();
    ~MessageBoxDialogs() override;

    bool confirm(const QString &text, const QString &accept) override;
    void tell(const QString &text) override;

    bool unanswered() const { return m_unanswered; }

private:
    bool haveDisplay() const;
    void bringUp();

    std::unique_ptr<QApplication> m_app;
    bool m_unanswered = false;
};
