#pragma once

#include "CardDistributionManager.h"
#include "DrawAnalysis.h"
#include "Showdown.h"
#include "TableEquity.h"

#include <cstdint>
#include <string>
#include <vector>

struct TOddsOptions;

// Everything the command line reports for one hand.
struct TOddsAnalysis {
    std::vector<int> m_arrHand;   // the hand analysed, as players hold it (AnalysedHand)
    std::vector<int> m_arrKnown;  // the dealt cards as players hold them, then the replacements
    bool m_bFinal = false;
    unsigned m_nOpponents = 1;
    int m_nKnownCards = 0;
    int m_nFormation = 0;
    int m_nDrawCode = 0;
    CCardDistributionManager::TRows m_arrOneOpponent;
    CCardDistributionManager::TRows m_arrAtLeastOne;
    std::string m_strDescription;  // as the game shows it, "\r\n" line breaks included
    std::string m_strAdvice;       // empty for a final hand
    std::vector<int> m_arrClassicKept;  // the cards the advice keeps first
    TShowdownCounts m_showdownCounts;  // one opponent's hands against the hand, standing pat
    // The hand as it stands against m_nOpponents card-disjoint hands standing
    // pat: counted against one or two, else simulated over m_nShowdownTrials.
    THoldEquity m_showdown;
    std::uint64_t m_nShowdownTrials = 0;
    bool m_bHolds = false;                  // the holds were asked for
    std::vector<TDrawOutcome> m_arrHolds;  // every way to keep cards, best first
    bool m_bEquity = false;                 // the pot shares at the table were asked for
    TTable m_table;
    std::uint64_t m_nSeed = 0;
    TTableResult m_equity;                  // holds best first by pot share
    TTableDecision m_decision;              // of an initial hand's run; invalid otherwise
    double m_dPot = 0, m_dCall = 0;         // the price of a call, when given (m_dCall > 0)
    // Set when the table cannot be dealt after all (seen counts or ranges
    // each possible but hardly ever dealt together): one line, and no report.
    std::string m_strError;
};

// Runs the game's own pipeline on checked options: the known and discarded
// cards go into a fresh manager, then the analysis, both tables and the texts,
// in the order the desktop program uses, then the card-disjoint showdown.
// When asked, every hold of the dealt hand is analysed over the 47 cards not
// dealt, and the pot shares at the table are simulated (holds then follow
// their order).
TOddsAnalysis AnalyseOdds(const TOddsOptions& options);
