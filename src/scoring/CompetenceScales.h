#pragma once

#include "scoring/ScorerData.h"

#include <QtGlobal>

#include <array>

class NormFile;

// An exact fraction. Competence components are means over a few answers, and the
// half-point rounding has to see an exact half as a half (2.5 x 0.6 is 1.5, not 1.4999...).
struct Fraction
{
    qint64 num = 0;
    qint64 den = 1; // always above 0

    Fraction() = default;
    Fraction(qint64 n, qint64 d = 1);
    double value() const { return double(num) / double(den); }
    bool isAtLeastZero() const { return num >= 0; }
};

Fraction operator+(Fraction a, Fraction b);
Fraction operator*(Fraction a, Fraction b);
bool operator==(Fraction a, Fraction b);

// num / den rounded to the nearest integer, halves to the even neighbour (den above 0).
qint64 roundHalfEven(qint64 num, qint64 den);

// How many of the three positions hold a value above 0.
int CountPositive(const ScorerInput &input, int p, int q, int r);
// 0 when x <= lo, 1 when lo < x <= hi, 2 when x > hi.
int Grade(int lo, int hi, int x);
// Mean over positions first..first+count-1 of the values above threshold, each contributing
// Grade(2, 3, value), or value - 1 when count is 7; -1 when no value qualifies.
Fraction MeanGrade(const ScorerInput &input, int first, int count, int threshold);
// x on the nearest multiple of 0.5 (halves to even on 2x).
Fraction RoundHalf(Fraction x);

// The four competence scales of the parent and self-report forms (Aktivitás, Társas
// tevékenység, Iskolai teljesítmény, Összkompetencia), each -1 or a multiple of 0.5.
// The input is taken by value: positions 31..68 are adjusted on the way.
std::array<Fraction, 4> CompetenceScores(ScorerInput input);
// The scores doubled into whole half points (-1 stays -1), as the scorer outputs them.
std::array<int, 4> DoubledCompetenceScores(const std::array<Fraction, 4> &scores);
// T-scores of the doubled scores from tstan1.tp / tstan3.tp: above the table (20, and 60
// for Összkompetencia) fixed values 55 and 80, -1 stays -1. sexCode is 1 or 2.
std::array<int, 4> CompetenceTScores(const NormFile &norms, const std::array<int, 4> &doubled, int sexCode);
