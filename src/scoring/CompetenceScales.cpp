#include "scoring/CompetenceScales.h"

#include "scoring/NormFile.h"

#include <numeric>

namespace {

// tstan1.tp / tstan3.tp: two bytes a record (boys, girls); 21 records for each of the first
// three scales, Összkompetencia from record 63.
constexpr int RecordSize = 2;
constexpr int ScaleRecords = 21;
constexpr int TotalFirstRecord = 63;
constexpr int ScaleTableTop = 20;
constexpr int TotalTableTop = 60;
constexpr int AboveScaleTable = 55;
constexpr int AboveTotalTable = 80;

Fraction sumOfPresent(const Fraction *components, int count, int &present)
{
    Fraction sum(0);
    present = 0;
    for (int i = 0; i < count; ++i) {
        if (components[i].isAtLeastZero()) {
            sum = sum + components[i];
            ++present;
        }
    }
    return sum;
}

// -1 (in its input) when the answer is 0, otherwise its grade.
Fraction gradeUnlessZero(int value, int lo, int hi)
{
    return value == 0 ? Fraction(-1) : Fraction(Grade(lo, hi, value));
}

} // namespace

Fraction::Fraction(qint64 n, qint64 d) : num(n), den(d)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const qint64 g = std::gcd(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
}

Fraction operator+(Fraction a, Fraction b) { return Fraction(a.num * b.den + b.num * a.den, a.den * b.den); }
Fraction operator*(Fraction a, Fraction b) { return Fraction(a.num * b.num, a.den * b.den); }
bool operator==(Fraction a, Fraction b) { return a.num == b.num && a.den == b.den; }

qint64 roundHalfEven(qint64 num, qint64 den)
{
    qint64 q = num / den;
    qint64 rem = num % den;
    if (rem < 0) { // floor division
        --q;
        rem += den;
    }
    if (2 * rem > den || (2 * rem == den && q % 2 != 0))
        ++q;
    return q;
}

int CountPositive(const ScorerInput &input, int p, int q, int r)
{
    return (input[p] > 0 ? 1 : 0) + (input[q] > 0 ? 1 : 0) + (input[r] > 0 ? 1 : 0);
}

int Grade(int lo, int hi, int x)
{
    if (x <= lo)
        return 0;
    return x <= hi ? 1 : 2;
}

Fraction MeanGrade(const ScorerInput &input, int first, int count, int threshold)
{
    qint64 sum = 0;
    int used = 0;
    for (int p = first; p < first + count; ++p) {
        const int value = input[p];
        if (value > threshold) {
            // The school-subject mean (count 7) runs on the answer code itself.
            sum += count == 7 ? value - 1 : Grade(2, 3, value);
            ++used;
        }
    }
    return used == 0 ? Fraction(-1) : Fraction(sum, used);
}

Fraction RoundHalf(Fraction x) { return Fraction(roundHalfEven(2 * x.num, x.den), 2); }

std::array<Fraction, 4> CompetenceScores(ScorerInput input)
{
    for (int p = 31; p <= 68; ++p) {
        if (input[p] < 1)
            input[p] = 0;
    }

    bool hasCompetenceData = false;
    for (const auto &[from, to] : {std::pair{31, 36}, std::pair{38, 43}, std::pair{45, 47}, std::pair{49, 57}}) {
        for (int p = from; p <= to; ++p)
            hasCompetenceData = hasCompetenceData || input[p] > 0;
    }

    // Aktivitás: sports, hobbies, jobs.
    Fraction activity(-1);
    {
        const int sports = CountPositive(input, 31, 33, 35);
        const int hobbies = CountPositive(input, 38, 40, 42);
        const int jobs = CountPositive(input, 49, 50, 51);
        const Fraction c[5] = {
            Fraction(Grade(1, 2, sports)),
            sports > 0 ? MeanGrade(input, 31, 6, 1) : Fraction(0),
            hobbies > 0 ? MeanGrade(input, 38, 6, 1) : Fraction(0),
            Fraction(Grade(1, 2, jobs)),
            jobs > 0 ? MeanGrade(input, 49, 3, 1) : Fraction(0),
        };
        int present = 0;
        const Fraction sum = sumOfPresent(c, 5, present);
        if (present == 5)
            activity = sum;
        else if (present == 4)
            activity = sum * Fraction(5, 4);
        if (activity.isAtLeastZero())
            activity = RoundHalf(activity);
        if (!hasCompetenceData)
            activity = Fraction(-1);
    }

    // Társas tevékenység: organisations, friends, getting along, independence.
    Fraction social(-1);
    {
        const int organisations = CountPositive(input, 45, 46, 47);
        Fraction c[6];
        c[0] = Fraction(Grade(1, 2, organisations));
        c[1] = organisations > 0 ? MeanGrade(input, 45, 3, 1) : Fraction(0);
        c[2] = gradeUnlessZero(input[52], 2, 3);
        c[3] = gradeUnlessZero(input[53], 1, 2);
        // "No siblings" (0) and an unanswered row both become 1 and so drop out of the mean.
        for (int p = 54; p <= 56; ++p)
            input[p] += 1;
        c[4] = MeanGrade(input, 54, 3, 1);
        c[5] = gradeUnlessZero(input[57], 1, 2);
        int present = 0;
        const Fraction sum = sumOfPresent(c, 6, present);
        if (present == 6)
            social = sum;
        else if (present == 5)
            social = sum * Fraction(6, 5);
        if (social.isAtLeastZero())
            social = RoundHalf(social);
        if (!hasCompetenceData)
            social = Fraction(-1);
    }

    // Iskolai teljesítmény: subject mean and three yes/no rows; no HasCompetenceData test.
    Fraction school(-1);
    {
        Fraction c[4];
        c[0] = MeanGrade(input, 59, 7, 0);
        for (int i = 1; i <= 3; ++i) {
            const int value = input[65 + i];
            c[i] = value < 1 ? Fraction(-1) : Fraction(2 - value);
        }
        Fraction sum(0);
        int present = 0;
        for (const Fraction &component : c) {
            if (10 * component.num > -component.den) { // above -0.1
                sum = sum + component;
                ++present;
            }
        }
        if (present >= 4)
            school = RoundHalf(sum);
    }

    Fraction total(-1);
    if (activity.isAtLeastZero() && social.isAtLeastZero() && school.isAtLeastZero())
        total = activity + social + school;

    return {activity, social, school, total};
}

std::array<int, 4> DoubledCompetenceScores(const std::array<Fraction, 4> &scores)
{
    std::array<int, 4> doubled{};
    for (int i = 0; i < 4; ++i)
        doubled[i] = scores[i].isAtLeastZero() ? int(roundHalfEven(2 * scores[i].num, scores[i].den)) : -1;
    return doubled;
}

std::array<int, 4> CompetenceTScores(const NormFile &norms, const std::array<int, 4> &doubled, int sexCode)
{
    std::array<int, 4> t{};
    for (int z = 1; z <= 4; ++z) {
        const int r = doubled[z - 1];
        const bool total = z == 4;
        const int top = total ? TotalTableTop : ScaleTableTop;
        if (r < 0) {
            t[z - 1] = -1;
        } else if (r > top) {
            t[z - 1] = total ? AboveTotalTable : AboveScaleTable;
        } else {
            const int record = total ? TotalFirstRecord + r : (z - 1) * ScaleRecords + r;
            t[z - 1] = norms.byteAt(qint64(record) * RecordSize + (sexCode - 1));
        }
    }
    return t;
}
