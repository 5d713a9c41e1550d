#pragma once

// The draw analysis done the long way, kept as the tests' yardstick: every
// replacement draw of every hold is dealt out and its final category looked
// up, one by one (2,598,960 final hands when all five are thrown).

#include "DrawAnalysis.h"

#include <vector>

// Same contract and results as AnalyzeDraws: the 32 holds of `hand` indexed
// by keep mask, or an empty vector for a bad hand.
std::vector<TDrawOutcome> EnumerateDraws(const int hand[5], const bool known[52]);
