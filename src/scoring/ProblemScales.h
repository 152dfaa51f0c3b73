#pragma once

#include "scoring/ScaleConstants.h"
#include "scoring/ScaleDefinitionReader.h"
#include "scoring/ScorerData.h"

class NormFile;

// Raw score of the reader's next file scale: the listed items summed; when some are missing
// the sum is prorated to K (rounded, halves to even), and below minValid valid items it is -1.
int ProblemRawScore(ScaleDefinitionReader &reader, const ScorerInput &input, int K, int minValid);

// T-score of problem scale z (1..P of `scales`) for a raw score: -1 for a negative raw
// score, the norm byte up to the scale's cut, above it the linear extensions of the
// syndrome or composite scales. sexCode is 1 or 2.
int ProblemTScore(const NormFile &norms, const QVector<ProblemScaleConstants> &scales, int z, int sexCode, int raw);

// Összprobléma of the parent and teacher forms: the sum of items 2..122 except item 3 that
// are answered; item 3 always counts as missing; more than 10 missing gives -1.
int ItemSumTotal(const ScorerInput &input);

// a + b when both are at least 0, else -1 (Externalizáció from its two syndrome scales).
int SumIfBothPresent(int a, int b);

// Throws a clear message when position 4 holds anything but 1 (boy) or 2 (girl): every
// norm look-up depends on it.
void RequireSexCode(const ScorerInput &input);
