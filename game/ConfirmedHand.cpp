#include "ConfirmedHand.h"

#include "DiscardAdvice.h"
#include "HandDescription.h"

TConfirmedHand ConfirmHand(CCardDistributionManager& manager, unsigned opponents, bool finalHand)
{
    TConfirmedHand result;
    result.m_bFinal = finalHand;
    manager.AnalyzeHand();
    manager.BuildOneOpponentTable(result.m_arrOneOpponent);
    const auto& rows = result.m_arrOneOpponent;
    result.m_dHigherForOne = rows.size() > 1 ? rows.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(result.m_arrAtLeastOne, opponents, result.m_dHigherForOne);

    // The advice counts the straight-flush draws that the description reads.
    if (!finalHand)
        result.m_strAdvice = BuildAdvice(manager);
    result.m_strDescription = DescribeHand(manager, !finalHand);

    result.m_nKnownCards = manager.m_nKnownCards;
    result.m_nFormation = manager.m_nFormation;
    result.m_nDrawCode = manager.m_nDrawCode;
    return result;
}
