#pragma once

#include "scoring/ScorerData.h"

class ScoringFiles;

// The three questionnaire scorers. Each reads its scale-definition and norm files anew (or
// takes them from a ScoringFiles set already loaded), fills output positions 1..resultCount (raw scores of its scales
// first, then their T-scores) and throws MotraError when a file is missing or damaged or the sex code is not 1 or 2.

// Parent form, 15 scales; reads skala1.txt, tstan1.tp and fakst1.tp.
void ScoreParent(const ScorerInput &input, int resultCount, ScorerOutput &output);
void ScoreParent(const ScorerInput &input, int resultCount, ScorerOutput &output, const ScoringFiles &files);
// Teacher form, 17 scales; reads tstan2.tp, skala2.txt and fakst2.tp.
void ScoreTeacher(const ScorerInput &input, int resultCount, ScorerOutput &output);
void ScoreTeacher(const ScorerInput &input, int resultCount, ScorerOutput &output, const ScoringFiles &files);
// Self-report form, 16 scales; reads tstan3.tp, skala3.txt and fakst3.tp.
void ScoreSelfReport(const ScorerInput &input, int resultCount, ScorerOutput &output);
void ScoreSelfReport(const ScorerInput &input, int resultCount, ScorerOutput &output, const ScoringFiles &files);
