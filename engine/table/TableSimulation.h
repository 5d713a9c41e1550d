#pragma once

// Equity at a real table: how often each way to keep cards wins the pot when
// 1..5 opponents hold card-disjoint hands of the cards the player has not
// seen, and (in the usual-play model) draw too.
//
// The deal: every opponent holds five of the unseen cards. The player draws
// first, then each opponent in turn by the usual play (UsualPlay.h). When the
// stub runs out, the discards of the opponents who have drawn already are
// shuffled in; the player's own discards never come back. An opponent seen
// to draw k is dealt only hands the usual play draws k cards to, one with a
// range only hands of it; these opponents are dealt jointly, so the
// conditioning is exact.
//
// Every hold shares the same deals (common random numbers), so differences
// between holds are sharper than the figures themselves. Trials run in fixed
// blocks, each with its own random stream drawn from the seed, and are summed
// in whole units, so a seed gives the same figures on any number of threads.
// Where the figure can be counted cheaply (stand pat against one opponent,
// ranged or not, or two without ranges, the hand as it stands) it is
// counted, and marked exact. The hand as it stands against three or more
// standing pat, none ranged, is simulated apart, on one thread, with control
// variates (PatSimulation.h): it reports the deals it needed for the
// interval of m_nTrials plain deals.

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
    EmptyRange,        // no hand of an opponent's range is left among the unseen cards
    RangeNeverDraws,   // the usual play draws an opponent's seen count to no hand of his range
    ZeroTrials,        // no trials asked for, and the figures cannot be counted
    TooFewCards,       // the unseen cards cannot hold every opponent's hand
};
ETableError CheckTableSetup(const TTableSetup& setup);
// The same, naming in `opponent` (0-based) the first one at fault for
// ImpossibleDrew, EmptyRange and RangeNeverDraws; -1 otherwise.
ETableError CheckTableSetup(const TTableSetup& setup, int& opponent);

struct THoldEquity {
    unsigned m_nKeepMask = 0;   // bit i: the hand's card i is kept (31 = all)
    double m_dWin = 0;          // every opponent below
    double m_dTie = 0;          // none above, at least one equal
    double m_dLose = 0;         // at least one above
    double m_dPotShare = 0;     // a j-way tie with the player pays 1 / (j + 1)
    double m_dPotShareError = 0;  // 95% half-width of the pot share; 0 when exact
    // 95% half-widths of win, tie and lose when the run narrowed them below
    // the binomial interval of its deals (control variates); 0 otherwise.
    double m_dWinError = 0, m_dTieError = 0, m_dLoseError = 0;
    bool m_bExact = false;
};

struct TTableResult {
    std::uint64_t m_nTrials = 0;          // deals played so far (0 when every figure is exact)
    bool m_bDone = false;                 // every trial asked for was played (or counted)
    // Why the run has no figures: the setup's CheckTableSetup error, or
    // ImpossibleDrew for conditions (seen counts, ranges) that are each
    // possible but can hardly ever be dealt together (the run then stops
    // with no holds).
    ETableError m_eError = ETableError::None;
    std::vector<THoldEquity> m_arrHolds;  // by keep mask (32), or one entry on a final hand
    // What the paired margin between two holds needs (HoldMargin): per pair
    // of keep masks (32 × 32), the sum over batches of deals of the squared
    // difference of their pot-share sums in sixtieths; and the sum of the
    // batches' squared sizes. Empty on a final hand.
    std::vector<std::uint64_t> m_arrPairSquares;
    std::uint64_t m_nBatchSquares = 0;
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

// Pot share of hold a less that of hold b, by keep mask. Both holds play the
// same deals, so the interval comes from the paired differences and is
// narrower than the two intervals added. m_bValid is false when a hold is
// missing or the masks are equal.
struct THoldMargin {
    bool m_bValid = false;
    double m_dMargin = 0;
    double m_dError = 0;  // 95% half-width; 0 when both are exact
};
THoldMargin HoldMargin(const TTableResult& result, unsigned maskA, unsigned maskB);

// The hold that wins the pot most often, the runner-up (SortByPotShare's
// first two) and the margin between them. The call is close when the
// margin's interval reaches 0. m_bValid is false with fewer than two holds.
struct TTableDecision {
    bool m_bValid = false;
    THoldEquity m_best;
    THoldEquity m_runnerUp;
    double m_dMargin = 0;
    double m_dMarginError = 0;
    bool m_bClose = false;
};
TTableDecision DecideHold(const TTableResult& result);

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

// A run played elsewhere, block by block (the web page's workers, which
// share no memory): the raw sums of some of the run's blocks, and the
// figures of any set of them. Every block is the one CTableSimulation plays
// (its stream from the seed and its index) and the sums are whole, so the
// tallies of all the blocks, in any order and from any number of players,
// give exactly SimulateTable's figures.
struct TTableHoldTally {
    std::uint64_t m_nWins = 0;
    std::uint64_t m_nTies = 0;
    std::uint64_t m_nShare = 0;    // pot shares in sixtieths
    std::uint64_t m_nShareSq = 0;  // the squares of each group's sums (m_nReuse deals)
};
struct TTableTally {
    ETableError m_eError = ETableError::None;
    std::uint64_t m_nTrials = 0;               // deals played
    std::uint64_t m_nReuse = 1;                // deals on the same conditioned hands
    std::vector<TTableHoldTally> m_arrHolds;   // by keep mask, as TTableResult's
    std::vector<std::uint64_t> m_arrPairSquares;  // as TTableResult's; empty on a final hand
    std::uint64_t m_nBatchSquares = 0;
    bool m_bCounted = false;                   // m_counted is the keep-all hold, counted
    THoldEquity m_counted;
};

// The blocks of the setup's trials (0 when every figure is counted).
std::uint64_t TableBlockCount(const TTableSetup& setup);
// Plays blocks firstBlock .. firstBlock + blockCount - 1 (those past the
// last are skipped). The tally of the range that starts at block 0 also
// carries what is counted rather than dealt, and the check that seen draws
// can be dealt together; (0, 0) does only that. An error leaves no sums.
TTableTally PlayTableBlocks(const TTableSetup& setup, std::uint64_t firstBlock, std::uint64_t blockCount);
// The figures of the tallies so far, as CTableSimulation::Snapshot gives
// them; done once every block and the count are in.
TTableResult TableResultOf(const TTableSetup& setup, const std::vector<TTableTally>& tallies);
