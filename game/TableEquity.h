#pragma once

// The player's table as the game knows it, turned into an equity run, and
// the figures of a run as both front ends show them.

#include "CardDistributionManager.h"
#include "TableSimulation.h"

#include <string>

// The table: how many opponents, and what each was seen to draw
// (kDrawUnseen or 0..5; only the first m_nOpponents count).
struct TTable {
    int m_nOpponents = 1;
    int m_anDrew[kMaxTableOpponents] = {kDrawUnseen, kDrawUnseen, kDrawUnseen, kDrawUnseen,
                                        kDrawUnseen};
    ETableModel m_eModel = ETableModel::UsualPlay;
};

// The run for the manager's current hand (known cards less the discarded, in
// `hand` order): every hold of an initial hand, or the final hand as it
// stands. Every card the manager knows is out of the opponents' reach.
TTableSetup MakeTableSetup(const CCardDistributionManager& manager, const int hand[5], bool finalHand,
                           const TTable& table, std::uint64_t trials, std::uint64_t seed);

// "against 3 opponents who drew 1, 3 and 0 cards": the table in words, for
// the showdown heading and the equity header.
std::string DescribeTable(const TTable& table);

// One hold's win, tie, lose and pot share as table rows; a simulated figure
// carries its 95% half-width.
CCardDistributionManager::TRows EquityRows(const THoldEquity& equity);

// Says whether the figures are counted exactly or simulated, with the deals
// played and the interval.
std::string EquityNote(const TTableResult& result);
