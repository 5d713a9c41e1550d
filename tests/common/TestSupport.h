#pragma once

// Helpers shared by the test programs and the benchmarks, beside the plain
// enumeration they read.

#include "BruteForce.h"
#include "HandEvaluator.h"

#include <cstdlib>
#include <utility>
#include <vector>

// The sanitized build sets this; its slow enumerations then visit fewer states.
inline bool Sanitized()
{
    return std::getenv("QUINTARA_SANITIZED") != nullptr;
}

// Chance that at least one of n opponents, holding n distinct hands of the
// total, holds one of the x favourable ones.
inline double AtLeastOneOf(double x, double total, unsigned n)
{
    double none = 1.0;
    for (unsigned i = 0; i < n; ++i)
        none *= (total - x - i) / (total - i);
    return 1.0 - none;
}

// The plain classifier's reading in the evaluator's categories (the plain one
// keeps royal flushes among straight flushes).
inline int PlainToCategory(const TPlainHand& plain)
{
    if (plain.m_nCategory == pcStraightFlush)
        return plain.m_nStraightTop == 12 ? hcRoyalFlush : hcStraightFlush;
    return plain.m_nCategory;  // the other categories share their order
}

// The rows the results tables show to a player of the plain category, as
// (label string id, enumerated count): the higher row of his kind, every
// kind above his, then the closing row: every hand above his by the full
// rules.
inline std::vector<std::pair<int, double>> EnumeratedRows(const TBruteForceCounts& n, int category)
{
    const int plainIds[] = {0, 109, 207, 111, 112, 113, 114, 115, 116};
    const int higherIds[] = {212, 120, 121, 122, 123, 124, 125, 126, 127};
    std::vector<std::pair<int, double>> rows;
    rows.emplace_back(higherIds[category], n.m_dHigher);
    for (int above = category + 1; above <= pcStraightFlush; ++above)
        rows.emplace_back(plainIds[above], n.m_adPlain[above]);
    rows.emplace_back(147, n.m_dRulesAbove);
    return rows;
}
