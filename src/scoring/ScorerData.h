#pragma once

#include <array>

// The common layout that all three scorers read: positions 1..203, -1 where nothing was
// filled or the answer counts as missing. Problem item i stands at position 81 + i.
struct ScorerInput
{
    static constexpr int Size = 203;
    static constexpr int FirstItemPosition = 82; // problem item 1
    static constexpr int ItemCount = 122;

    ScorerInput() { values.fill(-1); }
    int &operator[](int position) { return values[position]; }
    int operator[](int position) const { return values[position]; }

    std::array<int, Size + 1> values; // index 0 unused
};

// What a scorer hands back: raw scores in positions 1..ScaleCount, T-scores after them;
// -1 marks a score that cannot be computed.
struct ScorerOutput
{
    static constexpr int Size = 34;

    ScorerOutput() { values.fill(-1); }
    int &operator[](int position) { return values[position]; }
    int operator[](int position) const { return values[position]; }

    std::array<int, Size + 1> values; // index 0 unused
};
