#include "case/PasswordFile.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"

static bool isDecimalDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

static MotraError damaged(const QString &problem)
{
    return MotraError(QStringLiteral("A jelszófájl (%1) sérült: %2").arg(FixedPaths::PasswordFile, problem));
}

static const QString &passwordLine(const QStringList &lines)
{
    if (lines.size() < PasswordLineNumber) {
        throw damaged(QStringLiteral("csak %1 sorból áll, a jelszó a %2. sorban volna.")
                          .arg(lines.size())
                          .arg(PasswordLineNumber));
    }
    return lines[PasswordLineNumber - 1];
}

QString passwordFromLines(const QStringList &lines)
{
    const QString &line = passwordLine(lines);
    if (line.size() < PasswordLengthColumn) {
        throw damaged(QStringLiteral("a %1. sor túl rövid (%2 karakter), a %3. karaktere volna a jelszó hossza.")
                          .arg(PasswordLineNumber)
                          .arg(line.size())
                          .arg(PasswordLengthColumn));
    }
    const QChar lengthDigit = line[PasswordLengthColumn - 1];
    if (!isDecimalDigit(lengthDigit)) {
        throw damaged(QStringLiteral("a %1. sor %2. karaktere („%3”) nem számjegy, így a jelszó hossza nem olvasható.")
                          .arg(PasswordLineNumber)
                          .arg(PasswordLengthColumn)
                          .arg(lengthDigit));
    }
    const int length = lengthDigit.digitValue();
    if (line.size() < PasswordLengthColumn + length) {
        throw damaged(QStringLiteral("a %1. sor túl rövid (%2 karakter), a %3 jegyű jelszó nem fér el benne.")
                          .arg(PasswordLineNumber)
                          .arg(line.size())
                          .arg(length));
    }
    return line.mid(PasswordLengthColumn, length);
}

QStringList linesWithPassword(QStringList lines, const QString &newPassword)
{
    const int length = int(newPassword.size());
    if (length > MaxPasswordLength)
        throw MotraError(QStringLiteral("A jelszó legfeljebb %1 számjegyű lehet.").arg(MaxPasswordLength));
    QString line = passwordLine(lines);
    // The line keeps its length: other programs read the file by character position.
    if (line.size() < PasswordLengthColumn + length) {
        throw damaged(QStringLiteral("a %1. sor túl rövid (%2 karakter), a %3 jegyű jelszó nem fér el benne.")
                          .arg(PasswordLineNumber)
                          .arg(line.size())
                          .arg(length));
    }
    line[PasswordLengthColumn - 1] = QChar(char16_t(u'0' + length));
    line.replace(PasswordLengthColumn, length, newPassword);
    lines[PasswordLineNumber - 1] = line;
    return lines;
}

static QStringList readPasswordFile()
{
    try {
        return TextFile::readLines(hostPath(FixedPaths::PasswordFile));
    } catch (const MotraError &error) {
        throw MotraError(
            QStringLiteral("A jelszófájl (%1) nem olvasható. %2").arg(FixedPaths::PasswordFile, error.message()));
    }
}

QString readProgramPassword() { return passwordFromLines(readPasswordFile()); }

bool isValidPasswordChange(const QString &current, const QString &old, const QString &neu, const QString &confirm)
{
    if (old != current || confirm != neu)
        return false;
    if (neu.size() < MinPasswordLength || neu.size() > MaxPasswordLength)
        return false;
    for (const QChar c : neu) {
        if (!isDecimalDigit(c))
            return false;
    }
    return true;
}

void storeProgramPassword(const QString &newPassword)
{
    const QStringList lines = linesWithPassword(readPasswordFile(), newPassword);
    TextFile::writeLines(hostPath(FixedPaths::PasswordFile), lines);
}
