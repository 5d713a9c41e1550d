#include "OddsAnalysis.h"

#include "Cards.h"
#include "ConfirmedHand.h"
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
        manager.MarkKnown(card);
    for (const int card : options.m_arrDiscards)
        manager.MarkDiscarded(card);
    for (const int card : options.m_arrDraws)
        manager.MarkKnown(card);

    const TConfirmedHand confirmed = ConfirmHand(manager, options.m_nOpponents, result.m_bFinal);
    result.m_arrOneOpponent = confirmed.m_arrOneOpponent;
    result.m_arrAtLeastOne = confirmed.m_arrAtLeastOne;
    result.m_strAdvice = confirmed.m_strAdvice;
    result.m_strDescription = confirmed.m_strDescription;
    result.m_nKnownCards = confirmed.m_nKnownCards;
    result.m_nFormation = confirmed.m_nFormation;
    result.m_nDrawCode = confirmed.m_nDrawCode;
    result.m_showdownCounts = confirmed.m_showdownCounts;
    result.m_showdownOdds = confirmed.m_showdownOdds;

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
