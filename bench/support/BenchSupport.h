#pragma once

#include <QString>

#include <vector>

// What several benchmarks share: a scratch copy of an installation and the median of runs.
namespace BenchSupport {

// Copies the folder tree from into to (made when missing); false when any entry fails.
bool copyTree(const QString &from, const QString &to);
// The middle value (the upper one of an even count); values must not be empty.
double median(std::vector<double> values);

} // namespace BenchSupport
