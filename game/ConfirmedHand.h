#pragma once

#include "CardDistributionManager.h"

#include <string>

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
    std::string m_strDescription;  // the sentence naming the hand, "\r\n" breaks included
};

// Analyses the manager's current hand (known cards less the discarded) for
// 1..5 opponents: both tables, then the advice (initial hand only), then the
// description, which reads what the advice counted. Every front end confirms
// a hand through here.
TConfirmedHand ConfirmHand(CCardDistributionManager& manager, unsigned opponents, bool finalHand);
