#pragma once

#include "TestInstallation.h"
#include "case/FixedPaths.h"

#include <QByteArray>

// A password file whose line 20 holds the password (length digit at character 21).
inline QByteArray passwordFileBytes(const QByteArray &password)
{
    QByteArray bytes;
    for (int line = 1; line < 20; ++line)
        bytes += "sor " + QByteArray::number(line) + "\r\n";
    QByteArray line20(20, 'x');
    line20 += QByteArray::number(password.size()) + password;
    while (line20.size() < 30)
        line20 += '0';
    return bytes + line20 + "\r\n";
}

// An empty installation with the password "123456" and the two list files.
inline void prepareInstallation(const TestInstallation &inst)
{
    inst.writeBytes(FixedPaths::PasswordFile, passwordFileBytes("123456"));
    inst.writeBytes(FixedPaths::ExaminerList, "Dr. Kiss Anna\r\nNagy P\xe9ter\r\n");
    inst.writeBytes(FixedPaths::ReasonList, "tanul\xe1si zavar\r\nmagatart\xe1si probl\xe9ma\r\n");
}
