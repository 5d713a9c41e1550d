#include "OddsAnalysis.h"

#include "Cards.h"
#include "ConfirmedHand.h"
#include "HandOrder.h"
#include "OddsOptions.h"
#include "OddsTable.h"

#include <algorithm>

namespace {

// The hand as it stands against card-disjoint opponents standing pat. One
// opponent is today's exact count; the engine counts two and simulates more.
void AnalyseShowdown(const TOddsOptions& options, const TShowdownOdds& oneOpponent, TOddsAnalysis& result)
{
    if (options.m_nOpponents <= 1) {
        result.m_showdown.m_nKeepMask = (1u << kHandSize) - 1;
        result.m_showdown.m_dWin = oneOpponent.m_dWin;
        result.m_showdown.m_dTie = oneOpponent.m_dTie;
        result.m_showdown.m_dLose = oneOpponent.m_dLose;
        result.m_showdown.m_dPotShare = oneOpponent.m_dPotShare;
        result.m_showdown.m_bExact = true;
        return;
    }
    TTable table;
    table.m_nOpponents = static_cast<int>(options.m_nOpponents);
    table.m_eModel = ETableModel::StandPat;
    const TTableResult run =
        SimulateTable(SetupFor(options, result.m_arrHand, true, table, kShowdownTrials));
    if (!run.m_arrHolds.empty())
        result.m_showdown = run.m_arrHolds.front();
    result.m_nShowdownTrials = run.m_nTrials;
}

}  // namespace

TOddsAnalysis AnalyseOdds(const TOddsOptions& options)
{
    TOddsAnalysis result;
    result.m_bFinal = options.IsFinalHand();
    result.m_nOpponents = options.m_nOpponents;

    CCardDistributionManager manager;
    MarkCards(options, manager);
    const TConfirmedHand confirmed = ConfirmHand(manager, options.m_nOpponents, result.m_bFinal);
    result.m_arrOneOpponent = confirmed.m_arrOneOpponent;
    result.m_arrAtLeastOne = confirmed.m_arrAtLeastOne;
    result.m_strAdvice = confirmed.m_strAdvice;
    result.m_arrClassicKept = confirmed.m_arrClassicKept;
    result.m_strDescription = confirmed.m_strDescription;
    result.m_nKnownCards = confirmed.m_nKnownCards;
    result.m_nFormation = confirmed.m_nFormation;
    result.m_nDrawCode = confirmed.m_nDrawCode;
    result.m_showdownCounts = confirmed.m_showdownCounts;

    result.m_arrHand = AnalysedHand(options);
    // The dealt hand as players hold it, whatever the order given.
    result.m_arrKnown = options.m_arrDealt;
    SortAsPlayersHold(result.m_arrKnown.data(), static_cast<int>(result.m_arrKnown.size()));
    result.m_arrKnown.insert(result.m_arrKnown.end(), options.m_arrDraws.begin(), options.m_arrDraws.end());
    AnalyseShowdown(options, confirmed.m_showdownOdds, result);

    result.m_bEquity = options.m_bEquity;
    result.m_table = OddsTable(options);
    result.m_nSeed = options.m_nSeed;
    if (options.m_bEquity) {
        result.m_equity = SimulateTable(EquityTableSetup(options));
        if (!result.m_bFinal)
            result.m_decision = DecideHold(result.m_equity);
        SortByPotShare(result.m_equity.m_arrHolds);
        if (result.m_equity.m_arrHolds.empty()) {
            std::string drew, ranges;
            for (const int count : options.m_arrDrew)
                drew += (drew.empty() ? "" : ",") + (count == kDrawUnseen ? std::string("?") : std::to_string(count));
            for (const CHandRange& range : options.m_arrRanges)
                ranges += (ranges.empty() ? "" : ",") + range.Text();
            if (options.m_arrRanges.empty())
                result.m_strError = "the usual play can hardly ever give these draws together from the cards you "
                                    "have not seen (--drew '" + drew + "')";
            else
                result.m_strError = "these ranges" + std::string(drew.empty() ? "" : " and draws") +
                                    " can hardly ever be dealt together from the cards you have not seen (--range '" +
                                    ranges + "'" + (drew.empty() ? "" : ", --drew '" + drew + "'") + ")";
            return result;
        }
        result.m_dPot = options.m_dPot;
        result.m_dCall = options.m_dCall;
    }

    result.m_bHolds = options.m_bHolds;
    if (options.m_bHolds && result.m_arrHand.size() == kHandSize) {
        result.m_arrHolds = AnalyzeDraws(result.m_arrHand.data(), nullptr);
        SortHoldsBestFirst(result.m_arrHolds);
        // At the table the holds follow the pot share; the stable order
        // keeps the draw ranking for any hold the run left out.
        if (options.m_bEquity) {
            const auto rank = [&result](const TDrawOutcome& hold) {
                const auto& order = result.m_equity.m_arrHolds;
                return std::find_if(order.begin(), order.end(), [&hold](const THoldEquity& equity) {
                           return equity.m_nKeepMask == hold.m_nKeepMask;
                       }) - order.begin();
            };
            std::stable_sort(result.m_arrHolds.begin(), result.m_arrHolds.end(),
                             [&rank](const TDrawOutcome& a, const TDrawOutcome& b) { return rank(a) < rank(b); });
        }
    }
    return result;
}
