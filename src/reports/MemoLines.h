#pragma once

#include <QStringList>

class QPlainTextEdit;

// A memo's text as file lines and back. An empty memo has no lines (an empty file), and
// every line break starts a new line, so lines -> memo -> lines gives the same lines.
QStringList memoLines(const QPlainTextEdit *memo);
void setMemoLines(QPlainTextEdit *memo, const QStringList &lines);
