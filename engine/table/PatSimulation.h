#pragma once

// The showdown against three to five opponents standing pat on card-disjoint
// hands, simulated with control variates. Each deal also counts how many
// opponents lie above the player and how many level with him; their exact
// means follow from the one-opponent count (every opponent's hand alone is
// any hand of the unseen cards), and the figures are corrected by their
// regression on those counts. So fewer deals give the interval that plain
// deals would: the run stops at the first block where the intervals of the
// pot share, win and lose are as narrow as `trials` plain deals would make
// them, and never plays more than `trials`. (A tie's interval is reported as
// it stands: ties are rare enough that no control narrows them much.)

#include <cstdint>

struct TPatEstimate {
    double m_dWin = 0, m_dTie = 0, m_dLose = 0, m_dPotShare = 0;
    // 95% half-widths.
    double m_dWinError = 0, m_dTieError = 0, m_dLoseError = 0, m_dPotShareError = 0;
    std::uint64_t m_nTrials = 0;  // deals played
};

// `unseen` flags the cards the opponents may hold (not the player's). The
// blocks of deals have fixed random streams from `seed`. False, estimate
// untouched, when the hand is not five distinct cards, `opponents` is outside
// 1..5, `trials` is 0 or the unseen cards cannot hold every opponent's hand.
bool SimulatePatShowdown(const int hand[5], const bool unseen[52], int opponents, std::uint64_t trials,
                         std::uint64_t seed, TPatEstimate& estimate);
