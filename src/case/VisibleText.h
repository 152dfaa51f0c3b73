#pragma once

#include <QString>

// Texts from files and cells shown where a control character would do harm: in a message,
// in a page, in a file name.
namespace VisibleText {

// True for C0 and C1 control characters, DEL and the Unicode line and paragraph separators.
bool isControl(QChar c);
// Every control character replaced by a visible sign: NUL by U+2400 (␀), TAB by ␉, LF by ␊,
// the other C0 characters by their control pictures, DEL by ␡, the rest by U+FFFD.
QString showControls(const QString &text);
// At most maxChars characters of the text with its control characters shown; a longer text
// is cut and ends in "…" followed by its full length, so that a huge value stays readable.
QString shortened(const QString &text, int maxChars);

} // namespace VisibleText
