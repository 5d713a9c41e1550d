#pragma once

#include <string>

class CCardDistributionManager;

// The sentence that names the player's hand, for the initial hand (with the
// invitation to discard) or the final hand. Reads m_nStraightFlushDraws, so
// for the initial hand BuildAdvice must run first.
std::string DescribeHand(const CCardDistributionManager& manager, bool initialHand);

// The sentence for a hand of three or four straight cards (formations 5..7).
std::string DescribeStraightDraw(const CCardDistributionManager& manager, int nameId);
