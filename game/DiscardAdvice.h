#pragma once

#include <string>
#include <vector>

#include "DrawAnalysis.h"

class CCardDistributionManager;

// The discard advice for an initial hand, after AnalyzeHand. Sets the
// manager's m_nStraightFlushDraws (through CountStraightFlushDraws). Empty for
// code pairs that have none. Every figure is the exact chance of the hold its
// paragraph describes, over the cards the player has not seen.
std::string BuildAdvice(CCardDistributionManager& manager);
// The same, and `firstKept` receives the cards the advice keeps first (its
// first paragraph's hold; all five for a made hand), ascending card index;
// empty with no advice.
std::string BuildAdvice(CCardDistributionManager& manager, std::vector<int>& firstKept);

// The same with the draw analysis already done: `outcomes` are AnalyzeDraws
// of the hand's five cards in ascending card index, with the known cards.
// Advice that needs figures is empty when they are of another hand.
std::string BuildAdvice(CCardDistributionManager& manager, const std::vector<TDrawOutcome>& outcomes);
