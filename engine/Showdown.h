#pragma once

// Exact showdown against opponents standing pat by the full rules of poker:
// formation first, then the deciding ranks, then the kickers in order; Ace
// high except in the wheel (5-4-3-2-A); suits never rank.
//
// An opponent holds any five of the cards the player has not seen. The hands
// are counted by rank multiset (suit choices as a product of binomials), with
// the all-one-suit hands of each multiset counted per suit and reclassified,
// so about six thousand rank cases stand for the 1.5 million hands.

#include <cstdint>

struct TShowdownCounts {
    std::uint64_t m_nHands = 0;    // C(unseen, 5)
    std::uint64_t m_nBeating = 0;  // opponent hands above the player's
    std::uint64_t m_nTying = 0;    // equal to it: the same ranks, suits aside
    std::uint64_t m_nLosing = 0;   // below it
};

// Showdown value of five cards: higher is the better hand, equal values tie.
// 0 when a card is outside 0..51 or repeated; every real hand is above 0.
std::uint32_t ShowdownValue(const int cards[5]);

// Counts the unseen hands against `hand`. The unseen cards are the 52 less
// every card flagged in `known` and less the hand itself (`known` may be null
// when only the hand has been seen). Returns false, counts untouched, when
// the hand has a card outside 0..51 or the same card twice.
bool CountShowdown(const int hand[5], const bool known[52], TShowdownCounts& counts);

// Odds against n opponents holding n distinct hands of the unseen ones.
struct TShowdownOdds {
    int m_nOpponents = 0;
    double m_dWin = 0;        // every opponent below the player
    double m_dTie = 0;        // none above, at least one equal
    double m_dLose = 0;       // at least one above
    double m_dPotShare = 0;   // expected share, a j-way tie paying 1 / (j + 1)
};

constexpr int kMaxShowdownOpponents = 5;

// Each figure is an exact ratio of binomials, divided once at the end. Every
// probability is 0 when `opponents` is outside 1..kMaxShowdownOpponents or
// fewer than `opponents` hands exist.
TShowdownOdds ShowdownOdds(const TShowdownCounts& counts, int opponents);
