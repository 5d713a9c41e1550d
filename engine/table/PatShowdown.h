#pragma once

// Exact card-disjoint showdown against two opponents standing pat: every
// ordered pair of disjoint five-card hands of the unseen cards is counted by
// where each lies against the player (above, level, below), by inclusion and
// exclusion over the cards the two hands share.

#include <cstdint>

struct TPairShowdownCounts {
    std::uint64_t m_nPairs = 0;  // ordered pairs of disjoint hands
    // m_anPairs[a][b]: first opponent's hand in class a, second's in class b,
    // classes 0 above the player, 1 level, 2 below.
    std::uint64_t m_anPairs[3][3] = {};
};

// `unseen` flags the cards either opponent may hold (the player's hand must
// not be among them). Returns false, counts untouched, when the hand is not
// five distinct cards.
bool CountPairShowdown(const int hand[5], const bool unseen[52], TPairShowdownCounts& counts);
