#pragma once

#include <QLineEdit>

// A password field that shows every typed character as "*", as the program's password
// fields always have, whatever the style would draw instead.
inline void makePasswordField(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}
