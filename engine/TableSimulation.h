#pragma once

// Equity at a real table: how often each way to keep cards wins the pot when
// 1..5 opponents hold card-disjoint hands of the cards the player has not
// seen, and (in the usual-play model) draw too.
//
// The deal: every opponent holds five of the unseen cards. The player draws
// first, then each opponent in turn by the usual play (UsualPlay.h). When the
// stub runs out, the discards of the opponents who have drawn already are
// shuffled in; the player's own discards never come back. An opponent seen
// to draw k is dealt only hands the usual play draws k cards to; the seen
// opponents are dealt jointly, so the conditioning is exact.
//
// Every hold shares the same deals (common random numbers), so differences
// between holds are sharper than the figures themselves. Trials run in fixed
// blocks, each with its own random stream drawn from the seed, and are summed
// in whole units, so a seed gives the same figures on any number of threads.
// Where the figure can be counted cheaply (stand pat against one or two
// opponents, the hand as it stands) it is counted, and marked exact.

#include "TableSetup.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// Why a setup cannot be simulated.
enum class ETableError {
    None,
    BadHand,           // not five distinct cards in 0..51, or a hand card marked seen
    BadOpponents,      // outside 1..kMaxTableOpponents
    BadDrew,           // a seen count outside 0..5, or seen counts with the stand-pat model
    ImpossibleDrew,    // the usual play never draws that many to any hand of the unseen cards
    ZeroTrials,        // no trials asked for, and the figures cannot be counted
    TooFewCards,       // the unseen cards cannot hold every opponent's hand
};
ETableError CheckTableSetup(const TTableSetup& setup);

struct THoldEquity {
    unsigned m_nKeepMask = 0;   // bit i: the hand's card i is kept (31 = all)
    double m_dWin = 0;          // every opponent below
    double m_dTie = 0;          // none above, at least one equal
    double m_dLose = 0;         // at least one above
    double m_dPotShare = 0;     // a j-way tie with the player pays 1 / (j + 1)
    double m_dPotShareError = 0;  // 95% half-width of the pot share; 0 when exact
    bool m_bExact = false;
};

struct TTableResult {
    std::uint64_t m_nTrials = 0;          // deals played so far (0 when every figure is exact)
    bool m_bDone = false;                 // every trial asked for was played (or counted)
    // Why the run has no figures: the setup's CheckTableSetup error, or
    // ImpossibleDrew for seen counts that are each possible but can hardly
    // ever be dealt together (the run then stops with no holds).
    ETableError m_eError = ETableError::None;
    std::vector<THoldEquity> m_arrHolds;  // by keep mask (32), or one entry on a final hand
};

// One run in the background. Figures can be read at any time while it runs;
// the destructor cancels it and waits.
class CTableSimulation {
public:
    // Starts the threads at once. A setup that fails CheckTableSetup gives
    // a result with no holds, done at once.
    explicit CTableSimulation(const TTableSetup& setup);
    ~CTableSimulation();
    CTableSimulation(const CTableSimulation&) = delete;
    CTableSimulation& operator=(const CTableSimulation&) = delete;

    // The figures of the trials played so far, holds sorted by keep mask.
    TTableResult Snapshot() const;
    // Stops after the blocks under way; what they played still counts.
    void Cancel();
    // True once the run has stopped: every trial played, cancelled or failed
    // (Snapshot().m_bDone tells the first from the others).
    bool IsDone() const;
    void Wait();

private:
    struct TState;
    std::shared_ptr<TState> m_pState;
};

// Runs to the end on the calling thread's behalf (with the setup's threads).
TTableResult SimulateTable(const TTableSetup& setup);

// The opponents' hands after their draws in `deal`, as the run plays them
// when the player's hold draws `playerDraw` (the stub's first cards), the
// discards reshuffled by `reshuffleSeed` if the stub runs out: drawn cards
// first, then the kept ones. For the tests, which check that no card is in
// two places.
struct TTableDeal;
void OpponentsFinalHands(const TTableDeal& deal, int opponents, int playerDraw, std::uint64_t reshuffleSeed,
                         int finalHands[][5]);

// Orders holds best first: the higher pot share, then the more cards kept,
// then the lower keep mask.
void SortByPotShare(std::vector<THoldEquity>& holds);
