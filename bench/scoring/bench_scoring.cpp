// Median time of one scoring command per questionnaire, including the three file reads.
// Works on a temporary copy of the demo installation's scoring files, or on files it
// writes itself when the demo has not been generated. Goal: under 50 µs per scoring.

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/RowList.h"
#include "scoring/ScaleConstants.h"
#include "scoring/ScoringDriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

QByteArray syntheticScaleFile(int kind)
{
    const QVector<ProblemScaleConstants> &scales = problemScaleConstants(kind);
    const int fileScales = kind == 3 ? 12 : 10;
    QByteArray text;
    int next = 0;
    for (int k = 0; k < fileScales; ++k) {
        text += "Skala " + QByteArray::number(k + 1) + "\r\n" + QByteArray::number(scales[k].K);
        for (int i = 0; i < scales[k].K; ++i)
            text += ' ' + QByteArray::number(next++ % 122 + 1);
        text += "\r\n";
    }
    return text;
}

QByteArray syntheticNorms(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(30 + (i % 100) * 70 / 100);
    return bytes;
}

bool writeFile(const QString &fixedPath, const QByteArray &bytes)
{
    QFile file(hostPath(fixedPath));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The demo's nine files when they are there, synthetic ones otherwise.
bool prepareFiles(const QString &root, bool &fromDemo)
{
    const QString demo = qEnvironmentVariable("MOTRA_DEMO_DIR", QStringLiteral(MOTRA_DEMO_DIR_DEFAULT));
    QDir().mkpath(root + QStringLiteral("/_halden/motra"));
    fromDemo = true;
    for (int kind = 1; kind <= 3; ++kind) {
        for (const QString &fixed : {FixedPaths::scaleDefinitionFile(kind), FixedPaths::competenceNormFile(kind),
                 FixedPaths::problemNormFile(kind)}) {
            const QString name = QFileInfo(hostPath(fixed)).fileName();
            const QString source = demo + QStringLiteral("/_halden/motra/") + name;
            if (!QFile::exists(source) || !QFile::copy(source, hostPath(fixed)))
                fromDemo = false;
        }
    }
    if (fromDemo)
        return true;
    bool ok = true;
    for (int kind = 1; kind <= 3; ++kind) {
        ok = ok && writeFile(FixedPaths::scaleDefinitionFile(kind), syntheticScaleFile(kind));
        ok = ok && writeFile(FixedPaths::competenceNormFile(kind), syntheticNorms(kind == 2 ? 1200 : 248));
        ok = ok && writeFile(FixedPaths::problemNormFile(kind), syntheticNorms(kind == 3 ? 2400 : 2200));
    }
    return ok;
}

// A plausible filled-in questionnaire: competence rows answered, items 0/1/2 in turn.
void fillAnswers(CaseRecord &record, int kind)
{
    record.copyPersonalDataToAnswerSets();
    const QVector<RowDefinition> &rows = rowList(kind);
    const KindInfo &info = kindInfo(kind);
    for (int r = 4; r < info.firstResultRow; ++r) {
        if (rows[r].SlotNumber != NoSlot)
            record.answers(kind).setValueText(
                r, QString::number(r % 3 + (rows[r].SlotNumber < info.firstItemSlot ? 1 : 0)));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    qputenv("MOTRA_ROOT", dir.path().toLocal8Bit());
    bool fromDemo = false;
    if (!prepareFiles(dir.path(), fromDemo)) {
        std::fprintf(stderr, "cannot write the scoring files\n");
        return 1;
    }
    std::printf("files: %s\n", fromDemo ? "copy of the demo installation" : "synthetic (demo not generated)");

    const char *names[] = {"parent", "teacher", "self-report"};
    constexpr int Rounds = 2000;
    CaseRecord record;
    for (int kind = 1; kind <= 3; ++kind) {
        fillAnswers(record, kind);
        std::vector<double> command, driver;
        command.reserve(Rounds);
        driver.reserve(Rounds);
        try {
            for (int i = 0; i < Rounds; ++i) {
                auto start = std::chrono::steady_clock::now();
                ScoreKind(record, kind);
                auto end = std::chrono::steady_clock::now();
                command.push_back(std::chrono::duration<double, std::micro>(end - start).count());
                start = std::chrono::steady_clock::now();
                ScoreQuestionnaire(record, kind);
                end = std::chrono::steady_clock::now();
                driver.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            }
        } catch (const std::exception &error) {
            std::fprintf(stderr, "%s: %s\n", names[kind - 1], error.what());
            return 1;
        }
        std::sort(command.begin(), command.end());
        std::sort(driver.begin(), driver.end());
        std::printf("%-12s scoring command median %7.1f us (ScoreQuestionnaire alone %7.1f us), goal < 50 us\n",
            names[kind - 1], command[Rounds / 2], driver[Rounds / 2]);
    }
    return 0;
}
