#pragma once

// Exact outcome of every way to keep cards from an initial hand: for each of
// the 32 subsets kept, how many replacement draws from the unseen cards end
// in each category. Draws are counted by the ranks they bring, not dealt out
// one by one.

#include "HandEvaluator.h"

#include <vector>

constexpr int kHoldCount = 32;

struct TDrawOutcome {
    unsigned m_nKeepMask = 0;              // bit i set: the hand's card i is kept
    int m_nKeptCount = 0;
    int m_anKept[5] = {-1, -1, -1, -1, -1};       // kept cards in hand order, then -1
    int m_anDiscarded[5] = {-1, -1, -1, -1, -1};  // thrown cards in hand order, then -1
    int m_nCurrentCategory = hcNothing;    // category of the five cards held now
    // Equally likely draws: C(unseen, 5 - kept). 0 when too few cards are
    // unseen, in which case every probability below is 0.
    double m_dDrawCount = 0;
    double m_adCount[hcCategoryCount] = {};        // draws ending in each category
    double m_adProbability[hcCategoryCount] = {};
    double m_dImprove = 0;                 // ending in a category above the current one
    double m_dAtLeastCurrent = 0;          // ending in the current category or above
};

// The 32 holds of `hand`, indexed by keep mask. The unseen cards are the 52
// less every card flagged in `known` and less the hand itself (`known` may
// be null when only the hand has been seen). Returns an empty vector when
// the hand has a card outside 0..51 or the same card twice.
std::vector<TDrawOutcome> AnalyzeDraws(const int hand[5], const bool known[52]);

// Strict "a is the better hold": the higher chance to end at least as strong
// as the hand held now, then the higher chance to improve, then more cards
// kept; remaining ties go to the hold whose kept cards come earlier in the
// hand. Chances are compared exactly, from the counts.
bool IsBetterHold(const TDrawOutcome& a, const TDrawOutcome& b);

// Orders holds best first by IsBetterHold.
void SortHoldsBestFirst(std::vector<TDrawOutcome>& outcomes);
