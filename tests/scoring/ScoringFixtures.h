#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>

class TestInstallation;

// Norm and scale files written by the tests. Every norm byte depends on its block and
// record (and on the sex column), so a wrong record number or a swapped sex column gives
// another value than the one a test expects.
namespace ScoringFixtures {

// Byte of problem-norm block b (1-based), record r within the block.
int problemNormByte(int block, int r);
// Byte of record `record`, column sexCode - 1, of tstan1.tp / tstan3.tp.
int competenceNormByte(int record, int column);
// Byte of record `record` of tstan2.tp.
int teacherNormByte(int record);

QByteArray problemNormFile(int kind); // 2200 or 2400 bytes
QByteArray competenceNormFile(int kind); // 248 bytes, or 1200 for the teacher
// One title line and one data line per scale.
QByteArray scaleFile(const QList<QVector<int>> &scales);
// K items per file scale, consecutive items from item 1 for the syndromes, items 1..K for
// the composite ones.
QList<QVector<int>> defaultScales(int kind);

// Writes the three files of the kind (scale definitions from defaultScales).
void writeAllFiles(const TestInstallation &inst, int kind);

} // namespace ScoringFixtures
