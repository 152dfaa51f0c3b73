// A damaged password file: read the program password, then put a new one into it and read
// that back, as the password dialog stores it.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/PasswordFile.h"
#include "case/TextFile.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(passwordFile)
{
    FuzzSupport::ensureApplication();
    const QStringList lines = TextFile::splitLines(
        TextFile::decode(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size))));
    try {
        const QString password = passwordFromLines(lines);
        FuzzSupport::expect(
            password.size() <= 9, [&] { return QStringLiteral("password of %1 characters").arg(password.size()); });
    } catch (const MotraError &) { }
    try {
        const QStringList changed = linesWithPassword(lines, QStringLiteral("1234567"));
        // What is stored must read back from the bytes the file would hold.
        const QByteArray stored
            = TextFile::encode(changed.join(QLatin1String("\r\n")) + QLatin1String("\r\n"), FixedPaths::PasswordFile);
        FuzzSupport::expect(
            passwordFromLines(TextFile::splitLines(TextFile::decode(stored))) == QLatin1String("1234567"),
            [] { return QStringLiteral("stored password does not read back"); });
    } catch (const MotraError &) { }
    return 0;
}
