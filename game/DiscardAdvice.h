#pragma once

#include <string>

class CCardDistributionManager;

// The discard advice for an initial hand, after AnalyzeHand. Sets the
// manager's m_nStraightFlushDraws (through CountStraightFlushDraws). Empty for
// code pairs that have none.
std::string BuildAdvice(CCardDistributionManager& manager);
