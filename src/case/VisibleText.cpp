#include "case/VisibleText.h"

namespace VisibleText {

namespace {
constexpr char16_t ControlPictures = 0x2400; // ␀ .. ␟ stand for U+0000 .. U+001F
constexpr char16_t DeletePicture = 0x2421; // ␡
} // namespace

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == QChar::LineSeparator || u == QChar::ParagraphSeparator;
}

QString showControls(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown) {
        if (!isControl(c))
            continue;
        const char16_t u = c.unicode();
        if (u < 0x20)
            c = QChar(char16_t(ControlPictures + u));
        else if (u == 0x7F)
            c = QChar(DeletePicture);
        else
            c = QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

QString shortened(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return showControls(text);
    qsizetype cut = maxChars;
    if (cut > 0 && text[cut - 1].isHighSurrogate())
        --cut; // never half a character
    return showControls(text.left(cut)) + QStringLiteral("… (%1 karakter)").arg(text.size());
}

} // namespace VisibleText
