#pragma once

#include <string>

#include "BruteForce.h"
#include "CardDistributionManager.h"
#include "Cards.h"

// Makes the cards known as the card picker does when the player presses OK,
// then analyses the hand as the view does.
inline void ConfirmCards(CCardDistributionManager& manager, const std::string& cards)
{
    for (int card : Cards(cards))
        manager.m_anCardCounts[CardSuit(card)][CardRank(card)] = 1;
    manager.AnalyzeHand();
}

// Flags cards of the hand as thrown away, as the playing scene does on Discard.
inline void DiscardCards(CCardDistributionManager& manager, const std::string& cards)
{
    for (int card : Cards(cards))
        manager.m_abDiscarded[CardSuit(card)][CardRank(card)] = true;
}
