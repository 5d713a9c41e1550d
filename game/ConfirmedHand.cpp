#include "ConfirmedHand.h"

#include "Cards.h"

#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "StringIds.h"
#include "StringTable.h"

#include <utility>

namespace {

// The current hand is the known cards less the discarded; the opponents can
// hold none of the known ones, discards included.
void CountCurrentShowdown(const CCardDistributionManager& manager, TShowdownCounts& counts)
{
    int hand[kHandSize];
    int held = 0;
    bool known[kCardCount];
    for (int card = 0; card < kCardCount; ++card) {
        known[card] = manager.IsKnown(card);
        if (known[card] && !manager.IsDiscarded(card) && held++ < kHandSize)
            hand[held - 1] = card;
    }
    if (held == kHandSize)
        CountShowdown(hand, known, counts);
}

}  // namespace

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
        result.m_strAdvice = BuildAdvice(manager, result.m_arrClassicKept);
    result.m_strDescription = DescribeHand(manager, !finalHand);

    result.m_nKnownCards = manager.m_nKnownCards;
    result.m_nFormation = manager.m_nFormation;
    result.m_nDrawCode = manager.m_nDrawCode;

    CountCurrentShowdown(manager, result.m_showdownCounts);
    result.m_showdownOdds = ShowdownOdds(result.m_showdownCounts, static_cast<int>(opponents));
    return result;
}

std::string ShowdownHeading(bool finalHand, int opponents)
{
    if (opponents == 1)
        return LoadString(finalHand ? idShowdownOneOpponent : idShowdownOneOpponentPat);
    return FormatString(LoadString(finalHand ? idShowdownOpponents : idShowdownOpponentsPat).c_str(), opponents);
}

CCardDistributionManager::TRows ShowdownRows(const TShowdownOdds& odds)
{
    CCardDistributionManager::TRows rows;
    for (const auto& [id, p] : {std::make_pair(idShowdownWin, odds.m_dWin), std::make_pair(idShowdownTie, odds.m_dTie),
                                std::make_pair(idShowdownLose, odds.m_dLose),
                                std::make_pair(idShowdownPotShare, odds.m_dPotShare)})
        rows.push_back({static_cast<int>(id), p, CCardDistributionManager::GetOdds(p)});
    return rows;
}

std::string ShowdownHandsLine(const TShowdownCounts& counts)
{
    return FormatString(LoadString(idShowdownHands).c_str(), static_cast<unsigned long long>(counts.m_nHands),
                        static_cast<unsigned long long>(counts.m_nBeating),
                        static_cast<unsigned long long>(counts.m_nTying),
                        static_cast<unsigned long long>(counts.m_nLosing));
}
