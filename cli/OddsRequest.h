#pragma once

#include "HandRange.h"
#include "TableEquity.h"

#include <cstdint>
#include <vector>

// The deals and the seed default to the game's (kTableTrials, kShowdownTrials,
// kTableSeed), so one request prints what the desktop and the page show.
constexpr std::uint64_t kMaxOddsTrials = 1000000000;

// What the command line asked for, with every card already parsed and checked
// against the others.
struct TOddsOptions {
    enum EAction { acAnalyse, acHelp, acVersion };

    EAction m_nAction = acAnalyse;
    unsigned m_nOpponents = 1;
    bool m_bJson = false;
    bool m_bHolds = false;           // also analyse every way to keep cards
    std::vector<int> m_arrDealt;     // the five dealt cards, in the order given
    std::vector<int> m_arrDiscards;  // cards of the dealt hand thrown away
    std::vector<int> m_arrDraws;     // their replacements, as many as the discards
    bool m_bEquity = false;          // the decision and the pot share of every hold, or of the final hand
    bool m_bStandPat = false;        // the opponents stand pat instead of drawing by the usual play
    std::vector<int> m_arrDrew;      // per opponent kDrawUnseen or 0..5; empty when not given
    std::vector<CHandRange> m_arrRanges;  // per opponent from --range, the rest any; empty when not given
    int m_nOpenRank = CHandRange::kDefaultOpenRank;  // --open, Ace-high
    double m_dPot = 0;               // --pot and --call: the price of a call; 0 when not given
    double m_dCall = 0;
    std::uint64_t m_nTrials = 0;     // deals of a simulated figure; 0 takes the section's own
    std::uint64_t m_nSeed = kTableSeed;
    unsigned m_nThreads = 0;         // simulation threads, 0 one a core (a batch line takes 1)

    bool HasPrice() const { return m_dCall > 0; }
    // True once cards were discarded: the hand analysed is the final one.
    bool IsFinalHand() const { return !m_arrDiscards.empty(); }
};
