#pragma once

#include <QString>
#include <QStringList>

// The program password, kept on line 20 of "c:\_halden\motra\standard.dat": character 21
// is the length digit, characters 22 .. 21 + length are the password's digits.
constexpr int PasswordLineNumber = 20; // counted from 1
constexpr int PasswordLengthColumn = 21; // counted from 1
constexpr int MinPasswordLength = 6;
constexpr int MaxPasswordLength = 9;

// The password stored in the lines of a password file. Throws MotraError naming the
// file and the damage (too few lines, no length digit, line 20 too short).
QString passwordFromLines(const QStringList &lines);
// The lines with the new password put into line 20 (length digit, then the digits);
// every other character and line unchanged. Throws MotraError when line 20 is missing
// or has no room for the password.
QStringList linesWithPassword(QStringList lines, const QString &newPassword);

// ProgramPassword as read from the password file. Throws MotraError.
QString readProgramPassword();
// The change rules: old equals the current password, the new one is 6 to 9 decimal
// digits, and the confirmation equals it.
bool isValidPasswordChange(const QString &current, const QString &old, const QString &neu, const QString &confirm);
// Reads the whole password file, patches line 20 and replaces the file. Throws MotraError
// (nothing written) when the file is damaged or cannot be written.
void storeProgramPassword(const QString &newPassword);
