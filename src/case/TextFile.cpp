#include "case/TextFile.h"

#include "case/MotraError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

static const char *const CodePage = "windows-1250";

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

static QString describeUnencodable(const QString &text, const QString &where)
{
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n'))
            ++line;
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QStringEncoder single(CodePage);
        // encode() converts lazily: only taking the bytes runs the encoder and sets the error.
        const QByteArray ignored = single.encode(character);
        if (single.hasError()) {
            return QStringLiteral("A(z) „%1” karakter (U+%2) nem írható a Windows-1250 kódlapú \"%3\" fájlba "
                                  "(%4. sor). Kérem, cserélje le egy másik karakterre; a fájl nem változott.")
                .arg(character)
                .arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0'))
                .arg(where)
                .arg(line);
        }
        i += length - 1;
    }
    return QStringLiteral("A szöveg nem írható a Windows-1250 kódlapú \"%1\" fájlba.").arg(where);
}

QByteArray encode(const QString &text, const QString &where)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        throw MotraError(describeUnencodable(text, where));
    return bytes;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw MotraError::cannotOpen(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw MotraError::ioError(path, file.errorString());
    return splitLines(decode(bytes));
}

void writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = encode(text, path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw MotraError::cannotOpen(path, file.errorString());
    // commit() does not notice when flushing its buffer fails and would put a truncated
    // file in place of the old one: flush here and give up while the old file is untouched.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw MotraError::ioError(path, reason);
    }
    if (!file.commit())
        throw MotraError::ioError(path, file.errorString());
}

void appendText(const QString &path, const QString &text)
{
    const QByteArray bytes = encode(text, path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw MotraError::cannotOpen(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw MotraError::ioError(path, file.errorString());
}

} // namespace TextFile
