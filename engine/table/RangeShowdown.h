#pragma once

// The exact showdown against one opponent standing pat on a hand of his
// range: every hand of the unseen cards the range takes, counted by where it
// lies against the player's five.

#include "HandRange.h"

#include <cstdint>

struct TRangeShowdownCounts {
    std::uint64_t m_nHands = 0;  // hands of the range among the unseen cards
    std::uint64_t m_nAbove = 0, m_nLevel = 0, m_nBelow = 0;
};

// `unseen` flags the cards the opponent may hold (not the player's). False,
// counts untouched, when the hand is not five distinct cards.
bool CountRangeShowdown(const int hand[5], const bool unseen[52], const CHandRange& range,
                        TRangeShowdownCounts& counts);
