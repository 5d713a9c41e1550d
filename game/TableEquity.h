#pragma once

// The player's table as the game knows it, turned into an equity run, and
// the figures of a run as both front ends show them.

#include "CallPrice.h"
#include "CardDistributionManager.h"
#include "TableSimulation.h"

#include <cstdint>
#include <string>
#include <vector>

// One run for one state on every front end: the same deals, the same seed,
// so the command line, the desktop and the page print the same figures.
// kTableTrials serves the pot shares of every hold and of the final hand;
// kShowdownTrials the stand-pat showdown where it is simulated (3 to 5
// opponents).
constexpr std::uint64_t kTableTrials = 400000;
constexpr std::uint64_t kShowdownTrials = 50000;
constexpr std::uint64_t kTableSeed = 1;

// The table: how many opponents, what each was seen to draw (kDrawUnseen
// or 0..5) and the hands each may hold; only the first m_nOpponents count.
// A range keeps the words it was read from, so that `open` follows the
// opening rank when that changes. The pot and the call price a call; a call
// of 0 is no price.
struct TTable {
    int m_nOpponents = 1;
    int m_anDrew[kMaxTableOpponents] = {kDrawUnseen, kDrawUnseen, kDrawUnseen, kDrawUnseen,
                                        kDrawUnseen};
    CHandRange m_aRanges[kMaxTableOpponents];
    std::string m_astrRangeWords[kMaxTableOpponents];  // as typed; empty for any hand
    int m_nOpenRank = CHandRange::kDefaultOpenRank;
    double m_dPot = 0;
    double m_dCall = 0;
    ETableModel m_eModel = ETableModel::UsualPlay;
};

// The run for the manager's current hand: every hold of an initial hand, or
// the final hand as it stands. `hand` gives the hand's order (keep masks
// count in it); null takes the known cards less the discarded, lowest index
// first. Every other card the manager knows, the discards of a final hand
// among them, is out of the opponents' reach. The setup uses one thread a
// core; set m_nThreads to change it.
TTableSetup MakeTableSetup(const CCardDistributionManager& manager, const int hand[5], bool finalHand,
                           const TTable& table, std::uint64_t trials, std::uint64_t seed);

// "against 3 opponents who drew 1, 3 and 0 cards": the table in words, for
// the showdown heading and the equity header. Opponents not seen to draw get
// no count; the stand-pat model says so instead. Ranges follow, each with
// its opponent: "; opponent 1 holding JJ+".
std::string DescribeTable(const TTable& table);

// One figure of a hold: its label (the showdown's Win, Tie, Lose and Pot
// share string ids), the fraction, its 95% half-width (0 when exact) and the
// text a player reads: "51.120%" when exact, "51.120% ± 0.050" (points) when
// simulated.
struct TEquityRow {
    int m_nLabelId = 0;
    double m_dFraction = 0;
    double m_dHalfWidth = 0;
    bool m_bExact = false;
    std::string m_strFigure;
};
using TEquityRows = std::vector<TEquityRow>;

// Win, tie, lose and pot share of one hold, in that order. The pot share's
// interval is the run's; win, tie and lose too where the run narrowed them,
// else, as shares of `trials` deals, they get the binomial interval. A share
// of 0 or 1 gets the rule of three, where the sample would claim a width of
// zero.
TEquityRows EquityRows(const THoldEquity& equity, std::uint64_t trials);

// The price of calling `call` into `pot` with one hold, or the final hand:
// its pot share with the interval the figures show, so that every front end
// prices a hold alike. Invalid without a price.
TCallPrice PriceHoldCall(double pot, double call, const THoldEquity& hold, std::uint64_t trials);

// Says whether the figures are counted exactly or simulated, with the deals
// played and what the ± means; a run still going says so.
std::string EquityNote(const TTableResult& result);
