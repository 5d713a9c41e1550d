#pragma once

// A plain showdown by the full rules, written for the tests only: every
// opponent hand of the unseen cards is ranked and compared with the player's.

#include <array>
#include <cstdint>
#include <vector>

// Category (0 high card .. 8 straight flush) followed by the ranks that break
// ties, Ace-high (0 Two .. 12 Ace), unused places -1. Compared as a whole,
// the larger ranking is the better hand.
using TPlainRanking = std::array<int, 6>;

TPlainRanking RankPlain(const int cards[5]);

struct TPlainShowdown {
    std::uint64_t m_nHands = 0, m_nBeating = 0, m_nTying = 0, m_nLosing = 0;
};

// Every five-card hand of the cards outside `known` against `hand` (whose
// cards must be in `known`).
TPlainShowdown ShowdownPlain(const std::vector<int>& known, const std::vector<int>& hand);
