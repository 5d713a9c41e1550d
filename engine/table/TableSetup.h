#pragma once

// What a table equity run is asked: the player's cards, the opponents, the
// model, what each opponent was seen to draw and the hands he may hold, and
// how many deals. The dealer and the simulation both read it.

#include "HandRange.h"

#include <cstdint>

enum class ETableModel {
    UsualPlay,  // every opponent draws by the usual play
    StandPat,   // every opponent stands on his dealt five
};

// Per opponent: not seen to draw, or seen to draw 0..5 cards.
constexpr int kDrawUnseen = -1;
constexpr int kMaxTableOpponents = 5;

struct TTableSetup {
    int m_anHand[5] = {-1, -1, -1, -1, -1};  // the player's five cards now
    bool m_abSeen[52] = {};      // every other card he has seen (his discards on a final hand)
    bool m_bFinal = false;       // true: only the hand as it stands; false: all 32 holds
    int m_nOpponents = 1;        // 1..kMaxTableOpponents
    ETableModel m_eModel = ETableModel::UsualPlay;
    int m_anDrew[kMaxTableOpponents] = {kDrawUnseen, kDrawUnseen, kDrawUnseen, kDrawUnseen,
                                        kDrawUnseen};  // first m_nOpponents used
    // Per opponent: the hands he may have been dealt (any by default). A
    // range and a seen count can hold at once.
    CHandRange m_aRanges[kMaxTableOpponents];
    std::uint64_t m_nTrials = 200000;  // deals; every hold plays each of them
    std::uint64_t m_nSeed = 1;
    unsigned m_nThreads = 0;           // 0: one a core
};
