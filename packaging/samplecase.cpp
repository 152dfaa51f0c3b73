// motra-samplecase: writes one filled-in examination (all three questionnaires, answers
// taken from each row's own answer menu) to a case file, for screenshots, the package test
// and the installed-program benchmark. The answers follow a fixed pattern, so every run
// writes the same file.
//
// usage: motra-samplecase OUT.mtr

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "entry/AnswerMenus.h"

#include <QCoreApplication>

#include <cstdio>

static void fill(CaseRecord &record)
{
    record.startNewExamination();
    PersonalData &personal = record.Personal;
    personal.ChildCode = QStringLiteral("MINTA1");
    personal.ChildName = QStringLiteral("Minta Panna");
    personal.IsBoy = false;
    personal.Age = 10;
    personal.Examiner = QStringLiteral("dr. Kovács Éva");
    personal.ExamDate = QStringLiteral("2026.03.14");
    personal.ExamReason = QStringLiteral("tanulási nehézségek");
    record.copyPersonalDataToAnswerSets();
    record.Opinion = QStringList{QStringLiteral("Bemutató vizsgálat kitalált adatokkal.")};

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        AnswerSet &set = record.answers(kind);
        const FormMenus &menus = formMenus(kind);
        for (int row = 4; row < kindInfo(kind).firstResultRow; ++row) {
            const RowDefinition &definition = set.rows()[row];
            if (definition.isFreeText()) {
                // Only the sports are named; the other free-text rows explain answers not given.
                static const QStringList sports
                    = {QStringLiteral("úszás"), QStringLiteral("kosárlabda"), QStringLiteral("néptánc")};
                if (definition.Label.contains(QStringLiteral("sport"), Qt::CaseInsensitive))
                    set.setValueText(row, sports[row % sports.size()]);
                continue;
            }
            const int menu = menus.menuFor(definition.rowNumberValue(), MenuTrigger::Press);
            if (menu < 0)
                continue;
            const QStringList &captions = menus.menus[menu].captions;
            // Mostly the first answers, now and then a higher one, so that the profile has peaks.
            const int pick = (row * 37 + kind * 11) % 9;
            const int index = pick < 6 ? 0 : (pick < 8 ? 1 : int(captions.size()) - 1);
            QString code;
            QString label;
            if (index >= 0 && index < captions.size() && splitAnswerCaption(captions[index], &code, &label)) {
                set.setValueText(row, code);
                set.setAnswerLabel(row, label);
            }
        }
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: motra-samplecase OUT.mtr\n");
        return 2;
    }
    try {
        CaseRecord record;
        fill(record);
        writeCaseFileTo(record, args[1]);
    } catch (const MotraError &error) {
        std::fprintf(stderr, "motra-samplecase: %s\n", error.what());
        return 1;
    }
    return 0;
}
