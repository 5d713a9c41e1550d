#include "OddsAnalysis.h"

#include "Cards.h"
#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "OddsOptions.h"

#include <algorithm>

TOddsAnalysis AnalyseOdds(const TOddsOptions& options)
{
    TOddsAnalysis result;
    result.m_bFinal = options.IsFinalHand();
    result.m_nOpponents = options.m_nOpponents;

    // The card picker marks the dealt cards and later the replacements known;
    // the playing scene flags the discards.
    CCardDistributionManager manager;
    for (const int card : options.m_arrDealt)
        manager.m_anCardCounts[CardSuit(card)][CardRank(card)] = 1;
    for (const int card : options.m_arrDiscards)
        manager.m_abDiscarded[CardSuit(card)][CardRank(card)] = true;
    for (const int card : options.m_arrDraws)
        manager.m_anCardCounts[CardSuit(card)][CardRank(card)] = 1;

    manager.AnalyzeHand();
    CCardDistributionManager::TRows rows;
    manager.BuildOneOpponentTable(rows);
    result.m_arrOneOpponent = rows;
    const double pHigherForOne = rows.size() > 1 ? rows.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(rows, options.m_nOpponents, pHigherForOne);
    result.m_arrAtLeastOne = rows;

    // The advice counts the straight-flush draws that the description reads.
    if (!result.m_bFinal)
        result.m_strAdvice = BuildAdvice(manager);
    result.m_strDescription = DescribeHand(manager, !result.m_bFinal);

    result.m_nKnownCards = manager.m_nKnownCards;
    result.m_nFormation = manager.m_nFormation;
    result.m_nDrawCode = manager.m_nDrawCode;

    size_t nextDraw = 0;
    for (const int card : options.m_arrDealt) {
        const bool discarded = std::find(options.m_arrDiscards.begin(), options.m_arrDiscards.end(), card) !=
                               options.m_arrDiscards.end();
        result.m_arrHand.push_back(discarded && nextDraw < options.m_arrDraws.size() ? options.m_arrDraws[nextDraw++] : card);
    }
    result.m_arrKnown = options.m_arrDealt;
    result.m_arrKnown.insert(result.m_arrKnown.end(), options.m_arrDraws.begin(), options.m_arrDraws.end());

    result.m_bHolds = options.m_bHolds;
    if (options.m_bHolds && options.m_arrDealt.size() == kHandSize) {
        result.m_arrHolds = AnalyzeDraws(options.m_arrDealt.data(), nullptr);
        SortHoldsBestFirst(result.m_arrHolds);
    }
    return result;
}
