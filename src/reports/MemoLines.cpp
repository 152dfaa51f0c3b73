#include "reports/MemoLines.h"

#include <QPlainTextEdit>

QStringList memoLines(const QPlainTextEdit *memo)
{
    const QString text = memo->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void setMemoLines(QPlainTextEdit *memo, const QStringList &lines) { memo->setPlainText(lines.join(QLatin1Char('\n'))); }
