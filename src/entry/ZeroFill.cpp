#include "entry/ZeroFill.h"

#include "case/AnswerSet.h"
#include "case/Questionnaire.h"

const char ZeroFillLabelText[] = "nullával feltöltve";

void fillSymptomRowsWithZero(AnswerSet &answers)
{
    const KindInfo &info = kindInfo(answers.kind());
    const QVector<RowDefinition> &rows = answers.rows();
    for (int row = info.firstItemRow; row < info.firstResultRow && row < rows.size(); ++row) {
        if (!answers.valueText(row).isEmpty())
            continue;
        if (rows.at(row).isFreeText()) {
            answers.setValueText(row, QStringLiteral("-"));
        } else {
            answers.setValueText(row, QStringLiteral("0"));
            answers.setAnswerLabel(row, QString::fromUtf8(ZeroFillLabelText));
        }
    }
}
