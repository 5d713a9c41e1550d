#pragma once

#include "CardDistributionManager.h"
#include "DrawAnalysis.h"
#include "Showdown.h"

#include <string>
#include <vector>

struct TOddsOptions;

// Everything the command line reports for one hand.
struct TOddsAnalysis {
    std::vector<int> m_arrHand;   // the hand analysed; replacements take the discards' places
    std::vector<int> m_arrKnown;  // the dealt cards, then the replacements
    bool m_bFinal = false;
    unsigned m_nOpponents = 1;
    int m_nKnownCards = 0;
    int m_nFormation = 0;
    int m_nDrawCode = 0;
    CCardDistributionManager::TRows m_arrOneOpponent;
    CCardDistributionManager::TRows m_arrAtLeastOne;
    std::string m_strDescription;  // as the game shows it, "\r\n" line breaks included
    std::string m_strAdvice;       // empty for a final hand
    TShowdownCounts m_showdownCounts;  // the hand against opponents standing pat
    TShowdownOdds m_showdownOdds;      // for m_nOpponents
    bool m_bHolds = false;                  // the holds were asked for
    std::vector<TDrawOutcome> m_arrHolds;  // every way to keep cards, best first
};

// Runs the game's own pipeline on checked options: the known and discarded
// cards go into a fresh manager, then the analysis, both tables and the texts,
// in the order the desktop program uses. When asked, every hold of the dealt
// hand is analysed over the 47 cards not dealt.
TOddsAnalysis AnalyseOdds(const TOddsOptions& options);
