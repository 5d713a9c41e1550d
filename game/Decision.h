#pragma once

// The one answer every front end gives first on an initial hand: the hold
// that wins the pot most often at the table as set, the runner-up and the
// margin between them, in words; and the sentence that says when the
// classic advice keeps other cards.

#include "TableEquity.h"

#include <string>
#include <vector>

// "keep K♦ K♠, discard 8♠ 4♥ 2♣", "stand pat" or "draw five new cards";
// the mask counts over `hand` in its order.
std::string HoldPhrase(const int hand[5], unsigned keepMask);

// The keep mask over `hand` of the cards in `kept`; cards not in the hand
// are ignored.
unsigned KeepMaskOf(const int hand[5], const std::vector<int>& kept);

struct TDecisionText {
    std::string m_strHeading;   // names the table and its model
    std::string m_strBest;      // the hold and its pot share
    std::string m_strRunnerUp;  // the runner-up and the margin, or "too close to call" naming both
};

// Empty texts unless the decision is valid. `hand` is the run's hand (the
// setup's), in which the keep masks count.
TDecisionText DescribeDecision(const TTableDecision& decision, const int hand[5], const TTable& table,
                               std::uint64_t trials);

// When the classic advice keeps other cards than the decision: the sentence
// with both pot shares at this table; else empty.
std::string DescribeClassicDiffers(const std::vector<int>& classicKept, const TTableResult& result,
                                   const TTableDecision& decision, const int hand[5]);
