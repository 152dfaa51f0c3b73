#include "ScoringFixtures.h"

#include "TestInstallation.h"

#include "case/FixedPaths.h"
#include "scoring/ScaleConstants.h"

namespace ScoringFixtures {

int problemNormByte(int block, int r) { return (block * 29 + r * 3) % 200 + 1; }
int competenceNormByte(int record, int column) { return (record * 5 + column * 101) % 250 + 1; }
int teacherNormByte(int record) { return (record * 7 + (record / 100) * 13) % 250 + 1; }

QByteArray problemNormFile(int kind)
{
    const int blocks = kind == 3 ? 24 : 22;
    QByteArray bytes;
    for (int b = 1; b <= blocks; ++b)
        for (int r = 0; r < 100; ++r)
            bytes.append(char(problemNormByte(b, r)));
    return bytes;
}

QByteArray competenceNormFile(int kind)
{
    QByteArray bytes;
    if (kind == 2) {
        for (int record = 0; record < 1200; ++record)
            bytes.append(char(teacherNormByte(record)));
    } else {
        for (int record = 0; record < 124; ++record) {
            bytes.append(char(competenceNormByte(record, 0)));
            bytes.append(char(competenceNormByte(record, 1)));
        }
    }
    return bytes;
}

QByteArray scaleFile(const QList<QVector<int>> &scales)
{
    QByteArray text;
    int k = 0;
    for (const QVector<int> &items : scales) {
        text += "Skála " + QByteArray::number(++k) + "\r\n";
        text += QByteArray::number(items.size());
        for (int item : items)
            text += ' ' + QByteArray::number(item);
        text += "\r\n";
    }
    return text;
}

QList<QVector<int>> defaultScales(int kind)
{
    const QVector<ProblemScaleConstants> &constants = problemScaleConstants(kind);
    const int fileScales = kind == 3 ? 12 : 10;
    QList<QVector<int>> scales;
    int next = 1;
    for (int k = 0; k < fileScales; ++k) {
        QVector<int> items;
        const bool composite = constants[k].composite || (kind == 3 && k == 8);
        for (int i = 0; i < constants[k].K; ++i) {
            if (composite) {
                items.append(i % 122 + 1);
            } else {
                items.append((next - 1) % 122 + 1);
                ++next;
            }
        }
        scales.append(items);
    }
    return scales;
}

void writeAllFiles(const TestInstallation &inst, int kind)
{
    inst.writeBytes(FixedPaths::scaleDefinitionFile(kind), scaleFile(defaultScales(kind)));
    inst.writeBytes(FixedPaths::competenceNormFile(kind), competenceNormFile(kind));
    inst.writeBytes(FixedPaths::problemNormFile(kind), problemNormFile(kind));
}

} // namespace ScoringFixtures
