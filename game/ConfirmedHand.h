#pragma once

#include "CardDistributionManager.h"
#include "Showdown.h"

#include <string>
#include <vector>

// Everything the game shows once the player confirms a hand.
struct TConfirmedHand {
    bool m_bFinal = false;
    int m_nKnownCards = 0;
    int m_nFormation = 0;
    int m_nDrawCode = 0;
    CCardDistributionManager::TRows m_arrOneOpponent;
    CCardDistributionManager::TRows m_arrAtLeastOne;
    double m_dHigherForOne = 0;    // the first table's closing probability
    std::string m_strAdvice;       // the discard advice; empty for a final hand
    std::vector<int> m_arrClassicKept;  // the cards the advice keeps first; empty without advice
    std::string m_strDescription;  // the sentence naming the hand, "\r\n" breaks included
    // The hand against opponents standing pat on the unseen cards: the counts
    // (enough for any number of opponents) and the odds for the game's number.
    // Counts and chances are zero unless the current hand has exactly five cards.
    TShowdownCounts m_showdownCounts;
    TShowdownOdds m_showdownOdds;
};

// Analyses the manager's current hand (known cards less the discarded) for
// 1..5 opponents: both tables, then the advice (initial hand only), then the
// description, which reads what the advice counted, then the showdown. Every
// front end confirms a hand through here.
TConfirmedHand ConfirmHand(CCardDistributionManager& manager, unsigned opponents, bool finalHand);

// The showdown as both front ends show it: the heading for the hand's stage
// and number of opponents, one table row each for win, tie, lose and pot share
// (odds against as in the results tables), and the line of hand counts.
std::string ShowdownHeading(bool finalHand, int opponents);
CCardDistributionManager::TRows ShowdownRows(const TShowdownOdds& odds);
std::string ShowdownHandsLine(const TShowdownCounts& counts);
