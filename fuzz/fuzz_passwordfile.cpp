// A damaged password file: read the program password, then try to store a new one.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/PasswordFile.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(passwordFile)
{
    const QString path = FuzzSupport::installedPath(FixedPaths::PasswordFile);
    FuzzSupport::writeFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    try {
        const QString password = readProgramPassword();
        FuzzSupport::expect(password.size() <= 9, QStringLiteral("password of %1 characters").arg(password.size()));
    } catch (const MotraError &) { }
    try {
        storeProgramPassword(QStringLiteral("1234567"));
        // What was stored must read back.
        FuzzSupport::expect(
            readProgramPassword() == QLatin1String("1234567"), QStringLiteral("stored password does not read back"));
    } catch (const MotraError &) { }
    return 0;
}
