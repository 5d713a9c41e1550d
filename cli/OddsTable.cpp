#include "OddsTable.h"

#include "Cards.h"
#include "HandOrder.h"

#include <algorithm>

// The card picker marks the dealt cards and later the replacements known;
// the playing scene flags the discards.
void MarkCards(const TOddsOptions& options, CCardDistributionManager& manager)
{
    for (const int card : options.m_arrDealt)
        manager.MarkKnown(card);
    for (const int card : options.m_arrDiscards)
        manager.MarkDiscarded(card);
    for (const int card : options.m_arrDraws)
        manager.MarkKnown(card);
}

std::vector<int> AnalysedHand(const TOddsOptions& options)
{
    std::vector<int> hand;
    size_t nextDraw = 0;
    for (const int card : options.m_arrDealt) {
        const bool discarded = std::find(options.m_arrDiscards.begin(), options.m_arrDiscards.end(), card) !=
                               options.m_arrDiscards.end();
        hand.push_back(discarded && nextDraw < options.m_arrDraws.size() ? options.m_arrDraws[nextDraw++] : card);
    }
    SortAsPlayersHold(hand.data(), static_cast<int>(hand.size()));
    return hand;
}

TTable OddsTable(const TOddsOptions& options)
{
    TTable table;
    table.m_nOpponents = static_cast<int>(options.m_nOpponents);
    table.m_eModel = options.m_bStandPat ? ETableModel::StandPat : ETableModel::UsualPlay;
    for (size_t i = 0; i < options.m_arrDrew.size() && i < static_cast<size_t>(kMaxTableOpponents); ++i)
        table.m_anDrew[i] = options.m_arrDrew[i];
    for (size_t i = 0; i < options.m_arrRanges.size() && i < static_cast<size_t>(kMaxTableOpponents); ++i)
        table.m_aRanges[i] = options.m_arrRanges[i];
    return table;
}

TTableSetup SetupFor(const TOddsOptions& options, const std::vector<int>& hand, bool finalHand, const TTable& table,
                     std::uint64_t defaultTrials)
{
    CCardDistributionManager manager;
    MarkCards(options, manager);
    TTableSetup setup = MakeTableSetup(manager, hand.size() == kHandSize ? hand.data() : nullptr, finalHand, table,
                                       options.m_nTrials ? options.m_nTrials : defaultTrials, options.m_nSeed);
    setup.m_nThreads = options.m_nThreads;
    return setup;
}

TTableSetup EquityTableSetup(const TOddsOptions& options)
{
    return SetupFor(options, AnalysedHand(options), options.IsFinalHand(), OddsTable(options), kTableTrials);
}
