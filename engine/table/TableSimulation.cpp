#include "TableSimulation.h"

#include "Cards.h"
#include "HandEvaluator.h"
#include "PatShowdown.h"
#include "PatSimulation.h"
#include "RangeShowdown.h"
#include "Showdown.h"
#include "TableDeal.h"
#include "UsualPlay.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

constexpr unsigned kAllKept = 31;
constexpr int kHoldCount = 32;
constexpr std::uint64_t kBlockTrials = 4096;
// Deals are also summed in batches inside a block: the spread of two holds'
// batch sums gives the paired margin its interval at the cost of a few
// operations a batch, not one a deal.
constexpr std::uint64_t kBatchTrials = 256;
// Pot shares in sixtieths: every 1 / (j + 1) for j up to five opponents is whole.
constexpr std::uint64_t kWhole = 60;
// A seen group the deck can hardly give together (fewer than one joint deal
// in ~4000 fits) is refused rather than simulated for ever.
constexpr unsigned kJointProbeTries = 1u << 18;
constexpr double kLeastJointChance = 1.0 / 4096;
// The probe stops once this many fitted: the chance is then no less.
constexpr unsigned kJointProbeFits = static_cast<unsigned>(kJointProbeTries * kLeastJointChance);
constexpr unsigned kMaxDealTries = 1u << 22;
constexpr double kZ95 = 1.96;

// One way the player keeps cards: his kept cards' rank key and suit bits.
struct THoldPlan {
    unsigned m_nMask = 0;
    int m_nKey = 0;
    unsigned m_nSuits = CHandEvaluator::kAnySuit;
    int m_nDraw = 0;
};

struct TTally {
    std::uint64_t m_nWins = 0;
    std::uint64_t m_nTies = 0;
    std::uint64_t m_nShare = 0;    // sixtieths
    std::uint64_t m_nShareSq = 0;  // the squares of each group's sum (a group is one deal without reuse)
};

// The best opponent value after the draw, and how many hold it.
struct TBest {
    unsigned m_nValue = 0;
    int m_nCount = 0;
};

std::vector<THoldPlan> HoldPlans(const TTableSetup& setup)
{
    std::vector<THoldPlan> plans;
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        if (setup.m_bFinal && mask != kAllKept)
            continue;
        THoldPlan plan;
        plan.m_nMask = mask;
        for (int i = 0; i < kHandSize; ++i)
            if (mask >> i & 1u) {
                plan.m_nKey += CHandEvaluator::RankCode(setup.m_anHand[i]);
                plan.m_nSuits &= CHandEvaluator::SuitBit(setup.m_anHand[i]);
            } else {
                ++plan.m_nDraw;
            }
        plans.push_back(plan);
    }
    return plans;
}

int UnseenCount(const TTableSetup& setup)
{
    int unseen = 0;
    for (int c = 0; c < kCardCount; ++c)
        unseen += !setup.m_abSeen[c];
    return unseen - kHandSize;
}

bool HasSeenCounts(const TTableSetup& setup)
{
    for (int o = 0; o < setup.m_nOpponents; ++o)
        if (setup.m_anDrew[o] != kDrawUnseen)
            return true;
    return false;
}

bool HasRanges(const TTableSetup& setup)
{
    for (int o = 0; o < setup.m_nOpponents && o < kMaxTableOpponents; ++o)
        if (!setup.m_aRanges[o].IsAny())
            return true;
    return false;
}

// The keep-all hold against one opponent standing pat is counted, ranged or
// not; against two only without ranges.
bool KeepAllIsCounted(const TTableSetup& setup)
{
    return setup.m_eModel == ETableModel::StandPat &&
           (setup.m_nOpponents == 1 || (setup.m_nOpponents == 2 && !HasRanges(setup)));
}

bool EveryHoldIsCounted(const TTableSetup& setup)
{
    return setup.m_bFinal && KeepAllIsCounted(setup);
}

// The hand as it stands against three or more standing pat, none ranged:
// the control variates' exact means are those of any hand.
bool IsPatSimulatedApart(const TTableSetup& setup)
{
    return setup.m_bFinal && setup.m_eModel == ETableModel::StandPat && setup.m_nOpponents > 2 && !HasRanges(setup);
}

THoldEquity SimulatedKeepAll(const TTableSetup& setup, std::uint64_t& deals)
{
    bool unseen[kCardCount];
    for (int c = 0; c < kCardCount; ++c)
        unseen[c] = !setup.m_abSeen[c];
    for (int card : setup.m_anHand)
        unseen[card] = false;
    TPatEstimate estimate;
    THoldEquity equity;
    equity.m_nKeepMask = kAllKept;
    deals = 0;
    if (!SimulatePatShowdown(setup.m_anHand, unseen, setup.m_nOpponents, setup.m_nTrials, setup.m_nSeed, estimate))
        return equity;
    deals = estimate.m_nTrials;
    equity.m_dWin = estimate.m_dWin;
    equity.m_dTie = estimate.m_dTie;
    equity.m_dLose = estimate.m_dLose;
    equity.m_dPotShare = estimate.m_dPotShare;
    equity.m_dPotShareError = estimate.m_dPotShareError;
    equity.m_dWinError = estimate.m_dWinError;
    equity.m_dTieError = estimate.m_dTieError;
    equity.m_dLoseError = estimate.m_dLoseError;
    return equity;
}

THoldEquity CountedKeepAll(const TTableSetup& setup)
{
    THoldEquity equity;
    equity.m_nKeepMask = kAllKept;
    equity.m_bExact = true;
    if (setup.m_nOpponents == 1 && !setup.m_aRanges[0].IsAny()) {
        bool unseen[kCardCount];
        for (int c = 0; c < kCardCount; ++c)
            unseen[c] = !setup.m_abSeen[c];
        for (int card : setup.m_anHand)
            unseen[card] = false;
        TRangeShowdownCounts counts;
        CountRangeShowdown(setup.m_anHand, unseen, setup.m_aRanges[0], counts);
        const double hands = static_cast<double>(counts.m_nHands);
        equity.m_dWin = static_cast<double>(counts.m_nBelow) / hands;
        equity.m_dTie = static_cast<double>(counts.m_nLevel) / hands;
        equity.m_dLose = static_cast<double>(counts.m_nAbove) / hands;
        equity.m_dPotShare = (2 * static_cast<double>(counts.m_nBelow) + static_cast<double>(counts.m_nLevel)) /
                             (2 * hands);
        return equity;
    }
    if (setup.m_nOpponents == 1) {
        TShowdownCounts counts;
        CountShowdown(setup.m_anHand, setup.m_abSeen, counts);
        const TShowdownOdds odds = ShowdownOdds(counts, 1);
        equity.m_dWin = odds.m_dWin;
        equity.m_dTie = odds.m_dTie;
        equity.m_dLose = odds.m_dLose;
        equity.m_dPotShare = odds.m_dPotShare;
        return equity;
    }
    bool unseen[kCardCount];
    for (int c = 0; c < kCardCount; ++c)
        unseen[c] = !setup.m_abSeen[c];
    for (int card : setup.m_anHand)
        unseen[card] = false;
    TPairShowdownCounts counts;
    CountPairShowdown(setup.m_anHand, unseen, counts);
    const double pairs = static_cast<double>(counts.m_nPairs);
    const auto& n = counts.m_anPairs;
    const double win = static_cast<double>(n[2][2]);
    const double twoWay = static_cast<double>(n[1][2] + n[2][1]);
    const double threeWay = static_cast<double>(n[1][1]);
    equity.m_dWin = win / pairs;
    equity.m_dTie = (twoWay + threeWay) / pairs;
    equity.m_dLose = 1.0 - (win + twoWay + threeWay) / pairs;
    // Over sixths, so the three parts add up before the one division.
    equity.m_dPotShare = (6 * win + 3 * twoWay + 2 * threeWay) / (6 * pairs);
    return equity;
}

// What every hold's deal shares: the opponents' kept cards, and the draws of
// those who take only stub positions past the player's (the same whatever
// the player drew). With `finalHands`, each of those opponents' hands after
// his draw goes there too: drawn cards first, then the kept ones.
struct TOpponentsStart {
    int m_anKey[kMaxTableOpponents] = {};
    unsigned m_anSuits[kMaxTableOpponents] = {};
    int m_nFirst = 0;     // the first opponent who may need more than those positions
    int m_nPosition = 0;  // the stub position he starts at
    TBest m_best;         // the best of those before him
    int m_anPending[kMaxTableOpponents * kHandSize] = {};
    int m_nPending = 0;   // their discards, in order
};

// Opponent o's kept cards, after his drawn ones.
void KeptInto(const TTableDeal& deal, int o, int* finalHand)
{
    for (int i = 0, kept = deal.m_anDraw[o]; i < kHandSize; ++i)
        if (deal.m_anKeep[o] >> i & 1u)
            finalHand[kept++] = deal.m_anHands[o][i];
}

void Improve(TBest& best, unsigned value)
{
    if (value > best.m_nValue || best.m_nCount == 0) {
        best.m_nValue = value;
        best.m_nCount = 1;
    } else if (value == best.m_nValue) {
        ++best.m_nCount;
    }
}

TOpponentsStart StartOpponents(const TTableDeal& deal, int opponents, int (*finalHands)[kHandSize] = nullptr)
{
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    TOpponentsStart start;
    for (int o = 0; o < opponents; ++o) {
        const int* hand = deal.m_anHands[o];
        const unsigned keep = deal.m_anKeep[o];
        int key = 0;
        unsigned suits = CHandEvaluator::kAnySuit;
        for (int i = 0; i < kHandSize; ++i)
            if (keep >> i & 1u) {
                key += CHandEvaluator::RankCode(hand[i]);
                suits &= CHandEvaluator::SuitBit(hand[i]);
            }
        start.m_anKey[o] = key;
        start.m_anSuits[o] = suits;
    }
    const int* stub = deal.Stub();
    const int stubSize = deal.StubSize();
    int position = CTableDealer::kPlayerPositions;
    int o = 0;
    for (; o < opponents && position + deal.m_anDraw[o] <= stubSize; ++o) {
        int key = start.m_anKey[o];
        unsigned suits = start.m_anSuits[o];
        for (int i = 0; i < deal.m_anDraw[o]; ++i, ++position) {
            key += CHandEvaluator::RankCode(stub[position]);
            suits &= CHandEvaluator::SuitBit(stub[position]);
            if (finalHands)
                finalHands[o][i] = stub[position];
        }
        if (finalHands)
            KeptInto(deal, o, finalHands[o]);
        for (int i = 0; i < kHandSize; ++i)
            if (!(deal.m_anKeep[o] >> i & 1u))
                start.m_anPending[start.m_nPending++] = deal.m_anHands[o][i];
        Improve(start.m_best, evaluator.Value(key, suits));
    }
    start.m_nFirst = o;
    start.m_nPosition = position;
    return start;
}

// Plays the remaining opponents' draws of one deal when the player took
// `playerDraw` cards from positions 0..4: the opponents take positions 5
// onwards, then the player's unused ones, then the reshuffled discards of
// those who have drawn already. `finalHands` as for StartOpponents.
TBest FinishOpponents(const TTableDeal& deal, int opponents, const TOpponentsStart& start, int playerDraw,
                      std::uint64_t reshuffleSeed, int (*finalHands)[kHandSize] = nullptr)
{
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    const int* stub = deal.Stub();
    const int stubSize = deal.StubSize();
    int position = start.m_nPosition;
    int unused = playerDraw;
    int pending[kMaxTableOpponents * kHandSize];
    int pendingCount = start.m_nPending;
    std::copy(start.m_anPending, start.m_anPending + pendingCount, pending);
    int pool[kMaxTableOpponents * kHandSize];
    int poolCount = 0, poolNext = 0;
    // Seeded only when the discards come back: most deals never get there.
    std::optional<CTableRandom> reshuffle;
    auto next = [&]() {
        if (position < stubSize)
            return stub[position++];
        if (unused < CTableDealer::kPlayerPositions && unused < stubSize)
            return stub[unused++];
        if (poolNext == poolCount) {
            std::copy(pending, pending + pendingCount, pool);
            poolCount = pendingCount;
            poolNext = 0;
            pendingCount = 0;
            if (!reshuffle)
                reshuffle.emplace(reshuffleSeed, 0);
            for (int i = poolCount - 1; i > 0; --i)
                std::swap(pool[i], pool[reshuffle->Below(static_cast<unsigned>(i + 1))]);
        }
        return pool[poolNext++];
    };
    TBest best = start.m_best;
    for (int o = start.m_nFirst; o < opponents; ++o) {
        const int* hand = deal.m_anHands[o];
        const unsigned keep = deal.m_anKeep[o];
        int key = start.m_anKey[o];
        unsigned suits = start.m_anSuits[o];
        for (int i = 0; i < deal.m_anDraw[o]; ++i) {
            const int card = next();
            key += CHandEvaluator::RankCode(card);
            suits &= CHandEvaluator::SuitBit(card);
            if (finalHands)
                finalHands[o][i] = card;
        }
        if (finalHands)
            KeptInto(deal, o, finalHands[o]);
        // His discards join the pile only once his own draw is done.
        for (int i = 0; i < kHandSize; ++i)
            if (!(keep >> i & 1u))
                pending[pendingCount++] = hand[i];
        Improve(best, evaluator.Value(key, suits));
    }
    return best;
}

// A hold's outcome in one deal: 0 lost, 1 won, 1 + j tied with j opponents.
constexpr size_t kOutcomes = kMaxTableOpponents + 2;

size_t Outcome(unsigned player, const TBest& best)
{
    // Without branches: whether a hold wins, ties or loses a deal is a coin
    // toss to the processor's predictor.
    const size_t wins = player > best.m_nValue, ties = player == best.m_nValue;
    return wins + ties * (1 + static_cast<size_t>(best.m_nCount));
}

// The pot share of each outcome, in sixtieths: lost, won, tied with 1..5.
constexpr std::uint64_t kShareOfOutcome[kOutcomes] = {0, kWhole, 30, 20, 15, 12, 10};

// `squares`: each deal is its own group.
void AddOutcomes(TTally& tally, const std::uint32_t* outcomes, bool squares)
{
    tally.m_nWins += outcomes[1];
    for (size_t j = 1; j <= kMaxTableOpponents; ++j)
        tally.m_nTies += outcomes[1 + j];
    for (size_t o = 1; o < kOutcomes; ++o) {
        tally.m_nShare += outcomes[o] * kShareOfOutcome[o];
        if (squares)
            tally.m_nShareSq += outcomes[o] * kShareOfOutcome[o] * kShareOfOutcome[o];
    }
}

// Per pair of holds, the sum over batches of the squared difference of
// their pot-share sums (sixtieths), by keep mask; and the sum of the
// batches' squared sizes.
struct TPairTally {
    std::vector<std::uint64_t> m_arrSquares = std::vector<std::uint64_t>(kHoldCount * kHoldCount);
    std::uint64_t m_nBatchSquares = 0;

    void Add(const TPairTally& other)
    {
        for (size_t i = 0; i < m_arrSquares.size(); ++i)
            m_arrSquares[i] += other.m_arrSquares[i];
        m_nBatchSquares += other.m_nBatchSquares;
    }
};

// Closes a batch: `sums` are each plan's pot-share sums over its deals.
void AddBatch(const std::vector<THoldPlan>& plans, const std::vector<std::uint64_t>& sums, std::uint64_t deals,
              TPairTally& pairs)
{
    for (size_t a = 0; a < plans.size(); ++a)
        for (size_t b = a + 1; b < plans.size(); ++b) {
            const std::int64_t d = static_cast<std::int64_t>(sums[a]) - static_cast<std::int64_t>(sums[b]);
            const std::uint64_t square = static_cast<std::uint64_t>(d * d);
            pairs.m_arrSquares[plans[a].m_nMask * kHoldCount + plans[b].m_nMask] += square;
            pairs.m_arrSquares[plans[b].m_nMask * kHoldCount + plans[a].m_nMask] += square;
        }
    pairs.m_nBatchSquares += deals * deals;
}

// Plays `trials` deals of one block into `tallies` (one per plan) and
// `pairs`. False when the seen opponents could not be dealt. `kGrouped`:
// the dealer reuses seen hands, and the squares are the groups' (a template
// so that the common case pays nothing in its innermost loop).
template <bool kGrouped>
bool PlayBlockOf(const TTableSetup& setup, const CTableDealer& dealer, const std::vector<THoldPlan>& plans,
                 std::uint64_t block, std::uint64_t trials, std::vector<TTally>& tallies, TPairTally& pairs)
{
    std::vector<std::uint64_t> batchStart(plans.size(), 0);
    std::vector<std::uint64_t> batchSums(plans.size(), 0);
    std::uint64_t batchDeals = 0;
    // Each deal only counts its outcome for each hold; the sums follow at
    // the end of a batch.
    std::vector<std::uint32_t> outcomes(plans.size() * kOutcomes, 0);
    // Deals on the same conditioned hands form a group; its sums' squares
    // give the intervals.
    const std::uint64_t reuse = static_cast<std::uint64_t>(dealer.Reuse());
    std::vector<std::uint64_t> groupSums(kGrouped ? plans.size() : 0, 0);
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    CTableRandom random(setup.m_nSeed, block);
    TTableDeal deal;
    bool drawSeen[kHandSize + 1] = {};
    for (const THoldPlan& plan : plans)
        drawSeen[plan.m_nDraw] = true;
    const int opponents = setup.m_nOpponents;
    for (std::uint64_t t = 0; t < trials; ++t) {
        if (!dealer.Deal(random, deal, kMaxDealTries))
            return false;
        const int* stub = deal.Stub();
        int prefixKey[kHandSize + 1] = {0};
        unsigned prefixSuits[kHandSize + 1] = {CHandEvaluator::kAnySuit};
        const int reach = setup.m_bFinal ? 0 : kHandSize;
        for (int i = 0; i < reach; ++i) {
            prefixKey[i + 1] = prefixKey[i] + CHandEvaluator::RankCode(stub[i]);
            prefixSuits[i + 1] = prefixSuits[i] & CHandEvaluator::SuitBit(stub[i]);
        }
        TBest bestByDraw[kHandSize + 1];
        const TOpponentsStart start = StartOpponents(deal, opponents);
        if (start.m_nFirst == opponents) {
            // The opponents never reach the player's positions: one set of
            // final hands serves every hold.
            std::fill(bestByDraw, bestByDraw + kHandSize + 1, start.m_best);
        } else {
            const std::uint64_t reshuffleSeed = random.Next();
            for (int d = 0; d <= kHandSize; ++d)
                if (drawSeen[d])
                    bestByDraw[d] = FinishOpponents(deal, opponents, start, d, reshuffleSeed);
        }
        for (size_t h = 0; h < plans.size(); ++h) {
            const THoldPlan& plan = plans[h];
            const unsigned player = evaluator.Value(plan.m_nKey + prefixKey[plan.m_nDraw],
                                                    plan.m_nSuits & prefixSuits[plan.m_nDraw]);
            const size_t outcome = Outcome(player, bestByDraw[plan.m_nDraw]);
            ++outcomes[h * kOutcomes + outcome];
            if (kGrouped)
                groupSums[h] += kShareOfOutcome[outcome];
        }
        if (kGrouped && ((t + 1) % reuse == 0 || t + 1 == trials))
            for (size_t h = 0; h < plans.size(); ++h) {
                tallies[h].m_nShareSq += groupSums[h] * groupSums[h];
                groupSums[h] = 0;
            }
        if (++batchDeals == kBatchTrials || t + 1 == trials) {
            for (size_t h = 0; h < plans.size(); ++h)
                AddOutcomes(tallies[h], &outcomes[h * kOutcomes], !kGrouped);
            std::fill(outcomes.begin(), outcomes.end(), 0u);
            for (size_t h = 0; h < plans.size(); ++h) {
                batchSums[h] = tallies[h].m_nShare - batchStart[h];
                batchStart[h] = tallies[h].m_nShare;
            }
            AddBatch(plans, batchSums, batchDeals, pairs);
            batchDeals = 0;
        }
    }
    return true;
}

bool PlayBlock(const TTableSetup& setup, const CTableDealer& dealer, const std::vector<THoldPlan>& plans,
               std::uint64_t block, std::uint64_t trials, std::vector<TTally>& tallies, TPairTally& pairs)
{
    return dealer.Reuse() > 1 ? PlayBlockOf<true>(setup, dealer, plans, block, trials, tallies, pairs)
                              : PlayBlockOf<false>(setup, dealer, plans, block, trials, tallies, pairs);
}

// `reuse`: the deals of a group (m_nShareSq's unit).
THoldEquity FromTally(unsigned mask, const TTally& tally, std::uint64_t trials, std::uint64_t reuse)
{
    THoldEquity equity;
    equity.m_nKeepMask = mask;
    if (trials == 0)
        return equity;
    const long double n = static_cast<long double>(trials);
    equity.m_dWin = static_cast<double>(tally.m_nWins / n);
    equity.m_dTie = static_cast<double>(tally.m_nTies / n);
    equity.m_dLose = static_cast<double>((trials - tally.m_nWins - tally.m_nTies) / n);
    const long double sum = static_cast<long double>(tally.m_nShare);
    equity.m_dPotShare = static_cast<double>(sum / (n * kWhole));
    if (trials > reuse) {
        // Groups of k deals with sums G: the mean's variance is
        // (sum G² / n - k·mean²) / n, by n - k for n in the one-deal form.
        const long double k = static_cast<long double>(reuse);
        const long double squares = static_cast<long double>(tally.m_nShareSq) - k * sum * sum / n;
        const long double variance = std::max<long double>(0, squares / (n - k)) / (kWhole * kWhole);
        equity.m_dPotShareError = static_cast<double>(kZ95 * std::sqrt(variance / n));
    }
    return equity;
}

} // namespace

void OpponentsFinalHands(const TTableDeal& deal, int opponents, int playerDraw, std::uint64_t reshuffleSeed,
                         int finalHands[][kHandSize])
{
    // As PlayBlock plays them: FinishOpponents has nothing left to do when
    // the first opponents' draws reached every one.
    const TOpponentsStart start = StartOpponents(deal, opponents, finalHands);
    FinishOpponents(deal, opponents, start, playerDraw, reshuffleSeed, finalHands);
}

ETableError CheckTableSetup(const TTableSetup& setup)
{
    int opponent = -1;
    return CheckTableSetup(setup, opponent);
}

ETableError CheckTableSetup(const TTableSetup& setup, int& opponent)
{
    opponent = -1;
    if (!IsValidHand(setup.m_anHand))
        return ETableError::BadHand;
    for (int card : setup.m_anHand)
        if (setup.m_abSeen[card])
            return ETableError::BadHand;
    if (setup.m_nOpponents < 1 || setup.m_nOpponents > kMaxTableOpponents)
        return ETableError::BadOpponents;
    for (int o = 0; o < setup.m_nOpponents; ++o) {
        const int drew = setup.m_anDrew[o];
        if (drew == kDrawUnseen)
            continue;
        if (drew < 0 || drew > kHandSize || setup.m_eModel != ETableModel::UsualPlay)
            return ETableError::BadDrew;
    }
    // Room for every opponent's hand, the player's draw and, at worst, a
    // five-card draw that the reshuffled discards must be able to serve.
    const int needed = kHandSize * setup.m_nOpponents + (setup.m_bFinal ? 0 : kHandSize) +
                       (setup.m_eModel == ETableModel::UsualPlay ? kHandSize : 0);
    if (UnseenCount(setup) < needed)
        return ETableError::TooFewCards;
    if (setup.m_nTrials == 0 && !EveryHoldIsCounted(setup))
        return ETableError::ZeroTrials;
    if (!HasSeenCounts(setup) && !HasRanges(setup))
        return ETableError::None;
    const TUndealable undealable = CTableDealer::FirstUndealable(setup);
    opponent = undealable.m_nOpponent;
    switch (undealable.m_eWhy) {
    case EUndealable::None: return ETableError::None;
    case EUndealable::NoHandDraws: return ETableError::ImpossibleDrew;
    case EUndealable::EmptyRange: return ETableError::EmptyRange;
    case EUndealable::RangeNeverDraws: return ETableError::RangeNeverDraws;
    }
    return ETableError::None;
}

struct CTableSimulation::TState {
    TTableSetup m_setup;
    std::vector<THoldPlan> m_arrPlans;
    std::uint64_t m_nBlocks = 0;
    std::atomic<std::uint64_t> m_nNextBlock{0};
    std::atomic<bool> m_bCancel{false};
    std::once_flag m_prepared;
    std::unique_ptr<CTableDealer> m_pDealer;

    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    // Under the mutex:
    ETableError m_eError = ETableError::None;
    std::vector<TTally> m_arrTotals;
    TPairTally m_pairs;
    std::uint64_t m_nPlayed = 0;
    bool m_bCountPending = false;
    bool m_bCounted = false;
    THoldEquity m_counted;
    int m_nRunning = 0;
    std::uint64_t m_nReuse = 1;

    std::vector<std::thread> m_arrThreads;

    void Prepare();
    void Work(bool countFirst);
    void Fail(ETableError error);
};

void CTableSimulation::TState::Fail(ETableError error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_eError == ETableError::None)
        m_eError = error;
    m_bCancel = true;
}

void CTableSimulation::TState::Prepare()
{
    m_pDealer = std::make_unique<CTableDealer>(m_setup);
    if (!m_pDealer->HasHandsForEveryCondition()) {
        Fail(ETableError::ImpossibleDrew);
        return;
    }
    CTableRandom probe(m_setup.m_nSeed, ~0ull);
    const double chance = m_pDealer->JointChance(probe, kJointProbeTries, kJointProbeFits);
    if (chance < kLeastJointChance)
        Fail(ETableError::ImpossibleDrew);
    m_pDealer->SetReuse(CTableDealer::ReuseFor(chance));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nReuse = static_cast<std::uint64_t>(m_pDealer->Reuse());
}

void CTableSimulation::TState::Work(bool countFirst)
{
    if (countFirst) {
        std::uint64_t deals = 0;
        const THoldEquity counted =
            IsPatSimulatedApart(m_setup) ? SimulatedKeepAll(m_setup, deals) : CountedKeepAll(m_setup);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_counted = counted;
        m_nPlayed += deals;  // other threads may be playing the other holds
        m_bCounted = true;
    }
    if (m_nBlocks > 0) {
        std::call_once(m_prepared, [this] { Prepare(); });
        std::vector<TTally> tallies(m_arrPlans.size());
        TPairTally pairs;
        while (!m_bCancel) {
            const std::uint64_t block = m_nNextBlock++;
            if (block >= m_nBlocks)
                break;
            const std::uint64_t first = block * kBlockTrials;
            const std::uint64_t trials = std::min(kBlockTrials, m_setup.m_nTrials - first);
            std::fill(tallies.begin(), tallies.end(), TTally{});
            pairs = TPairTally{};
            if (!PlayBlock(m_setup, *m_pDealer, m_arrPlans, block, trials, tallies, pairs)) {
                Fail(ETableError::ImpossibleDrew);
                break;
            }
            std::lock_guard<std::mutex> lock(m_mutex);
            for (size_t h = 0; h < tallies.size(); ++h) {
                m_arrTotals[h].m_nWins += tallies[h].m_nWins;
                m_arrTotals[h].m_nTies += tallies[h].m_nTies;
                m_arrTotals[h].m_nShare += tallies[h].m_nShare;
                m_arrTotals[h].m_nShareSq += tallies[h].m_nShareSq;
            }
            m_pairs.Add(pairs);
            m_nPlayed += trials;
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (--m_nRunning == 0)
        m_stopped.notify_all();
}

CTableSimulation::CTableSimulation(const TTableSetup& setup) : m_pState(std::make_shared<TState>())
{
    TState& state = *m_pState;
    state.m_setup = setup;
    state.m_eError = CheckTableSetup(setup);
    if (state.m_eError != ETableError::None)
        return;
    state.m_arrPlans = HoldPlans(setup);
    state.m_arrTotals.resize(state.m_arrPlans.size());
    state.m_bCountPending = KeepAllIsCounted(setup) || IsPatSimulatedApart(setup);
    if (!EveryHoldIsCounted(setup) && !IsPatSimulatedApart(setup))
        state.m_nBlocks = (setup.m_nTrials + kBlockTrials - 1) / kBlockTrials;
    unsigned threads = setup.m_nThreads != 0 ? setup.m_nThreads : std::thread::hardware_concurrency();
    threads = std::max(1u, threads);
    const std::uint64_t useful = std::max<std::uint64_t>(1, state.m_nBlocks);
    threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, useful));
    state.m_nRunning = static_cast<int>(threads);
    for (unsigned t = 0; t < threads; ++t) {
        const bool countFirst = t == 0 && state.m_bCountPending;
        state.m_arrThreads.emplace_back([&state, countFirst] { state.Work(countFirst); });
    }
}

CTableSimulation::~CTableSimulation()
{
    Cancel();
    for (std::thread& thread : m_pState->m_arrThreads)
        if (thread.joinable())
            thread.join();
}

TTableResult CTableSimulation::Snapshot() const
{
    const TState& state = *m_pState;
    std::lock_guard<std::mutex> lock(state.m_mutex);
    TTableResult result;
    result.m_eError = state.m_eError;
    if (state.m_eError != ETableError::None)
        return result;
    result.m_nTrials = state.m_nPlayed;
    result.m_bDone = (state.m_nBlocks == 0 || state.m_nPlayed == state.m_setup.m_nTrials) &&
                     (!state.m_bCountPending || state.m_bCounted);
    if (state.m_arrPlans.size() > 1) {
        result.m_arrPairSquares = state.m_pairs.m_arrSquares;
        result.m_nBatchSquares = state.m_pairs.m_nBatchSquares;
    }
    for (size_t h = 0; h < state.m_arrPlans.size(); ++h) {
        const unsigned mask = state.m_arrPlans[h].m_nMask;
        if (mask == kAllKept && state.m_bCounted)
            result.m_arrHolds.push_back(state.m_counted);
        else
            result.m_arrHolds.push_back(FromTally(mask, state.m_arrTotals[h], state.m_nPlayed, state.m_nReuse));
    }
    return result;
}

void CTableSimulation::Cancel()
{
    m_pState->m_bCancel = true;
}

bool CTableSimulation::IsDone() const
{
    std::lock_guard<std::mutex> lock(m_pState->m_mutex);
    return m_pState->m_nRunning == 0;
}

void CTableSimulation::Wait()
{
    TState& state = *m_pState;
    std::unique_lock<std::mutex> lock(state.m_mutex);
    state.m_stopped.wait(lock, [&state] { return state.m_nRunning == 0; });
}

TTableResult SimulateTable(const TTableSetup& setup)
{
    CTableSimulation simulation(setup);
    simulation.Wait();
    return simulation.Snapshot();
}

THoldMargin HoldMargin(const TTableResult& result, unsigned maskA, unsigned maskB)
{
    THoldMargin margin;
    const THoldEquity* a = nullptr;
    const THoldEquity* b = nullptr;
    for (const THoldEquity& hold : result.m_arrHolds) {
        if (hold.m_nKeepMask == maskA)
            a = &hold;
        if (hold.m_nKeepMask == maskB)
            b = &hold;
    }
    if (a == nullptr || b == nullptr || maskA == maskB)
        return margin;
    margin.m_bValid = true;
    margin.m_dMargin = a->m_dPotShare - b->m_dPotShare;
    if (a->m_bExact || b->m_bExact) {
        // Only one side varies: its own interval is the margin's.
        margin.m_dError = a->m_dPotShareError + b->m_dPotShareError;
        return margin;
    }
    const std::uint64_t trials = result.m_nTrials;
    if (trials < 2 || result.m_arrPairSquares.size() != static_cast<size_t>(kHoldCount * kHoldCount))
        return margin;
    // Each batch's difference D has mean m·mu and variance m·sigma² over its
    // m deals, so sum D² = sigma²·sum m + mu²·sum m².
    const long double n = static_cast<long double>(trials);
    const long double mu = static_cast<long double>(margin.m_dMargin) * kWhole;
    const long double squares = static_cast<long double>(result.m_arrPairSquares[maskA * kHoldCount + maskB]);
    const long double perDeal = (squares - mu * mu * static_cast<long double>(result.m_nBatchSquares)) / n;
    const long double variance = std::max<long double>(0, perDeal) / (kWhole * kWhole);
    margin.m_dError = static_cast<double>(kZ95 * std::sqrt(variance / n));
    return margin;
}

TTableDecision DecideHold(const TTableResult& result)
{
    TTableDecision decision;
    if (result.m_arrHolds.size() < 2)
        return decision;
    std::vector<THoldEquity> holds = result.m_arrHolds;
    SortByPotShare(holds);
    decision.m_bValid = true;
    decision.m_best = holds[0];
    decision.m_runnerUp = holds[1];
    const THoldMargin margin = HoldMargin(result, holds[0].m_nKeepMask, holds[1].m_nKeepMask);
    decision.m_dMargin = margin.m_dMargin;
    decision.m_dMarginError = margin.m_dError;
    decision.m_bClose = margin.m_dMargin - margin.m_dError <= 0;
    return decision;
}

void SortByPotShare(std::vector<THoldEquity>& holds)
{
    std::sort(holds.begin(), holds.end(), [](const THoldEquity& a, const THoldEquity& b) {
        if (a.m_dPotShare != b.m_dPotShare)
            return a.m_dPotShare > b.m_dPotShare;
        const int keptA = __builtin_popcount(a.m_nKeepMask), keptB = __builtin_popcount(b.m_nKeepMask);
        if (keptA != keptB)
            return keptA > keptB;
        return a.m_nKeepMask < b.m_nKeepMask;
    });
}

std::uint64_t TableBlockCount(const TTableSetup& setup)
{
    if (CheckTableSetup(setup) != ETableError::None || EveryHoldIsCounted(setup) || IsPatSimulatedApart(setup))
        return 0;
    return (setup.m_nTrials + kBlockTrials - 1) / kBlockTrials;
}

TTableTally PlayTableBlocks(const TTableSetup& setup, std::uint64_t firstBlock, std::uint64_t blockCount)
{
    TTableTally tally;
    tally.m_eError = CheckTableSetup(setup);
    if (tally.m_eError != ETableError::None)
        return tally;
    const std::vector<THoldPlan> plans = HoldPlans(setup);
    const std::uint64_t blocks = TableBlockCount(setup);
    const std::uint64_t end = firstBlock < blocks ? firstBlock + std::min(blockCount, blocks - firstBlock) : firstBlock;
    std::vector<TTally> totals(plans.size());
    TPairTally pairs;
    if (blocks > 0 && (firstBlock == 0 || firstBlock < end)) {
        CTableDealer dealer(setup);
        // The check CTableSimulation makes once, before any block; every
        // player of blocks probes alike, so all reuse the same.
        if (!dealer.HasHandsForEveryCondition()) {
            tally.m_eError = ETableError::ImpossibleDrew;
            return tally;
        }
        CTableRandom probe(setup.m_nSeed, ~0ull);
        const double chance = dealer.JointChance(probe, kJointProbeTries, kJointProbeFits);
        if (firstBlock == 0 && chance < kLeastJointChance) {
            tally.m_eError = ETableError::ImpossibleDrew;
            return tally;
        }
        dealer.SetReuse(CTableDealer::ReuseFor(chance));
        tally.m_nReuse = static_cast<std::uint64_t>(dealer.Reuse());
        std::vector<TTally> tallies(plans.size());
        for (std::uint64_t block = firstBlock; block < end; ++block) {
            const std::uint64_t trials = std::min(kBlockTrials, setup.m_nTrials - block * kBlockTrials);
            std::fill(tallies.begin(), tallies.end(), TTally{});
            TPairTally blockPairs;
            if (!PlayBlock(setup, dealer, plans, block, trials, tallies, blockPairs)) {
                tally.m_eError = ETableError::ImpossibleDrew;
                return tally;
            }
            for (size_t h = 0; h < plans.size(); ++h) {
                totals[h].m_nWins += tallies[h].m_nWins;
                totals[h].m_nTies += tallies[h].m_nTies;
                totals[h].m_nShare += tallies[h].m_nShare;
                totals[h].m_nShareSq += tallies[h].m_nShareSq;
            }
            pairs.Add(blockPairs);
            tally.m_nTrials += trials;
        }
    }
    if (firstBlock == 0 && KeepAllIsCounted(setup)) {
        tally.m_bCounted = true;
        tally.m_counted = CountedKeepAll(setup);
    } else if (firstBlock == 0 && IsPatSimulatedApart(setup)) {
        // Played apart, whole, by whoever plays from block 0.
        std::uint64_t deals = 0;
        tally.m_bCounted = true;
        tally.m_counted = SimulatedKeepAll(setup, deals);
        tally.m_nTrials += deals;
    }
    for (const TTally& total : totals)
        tally.m_arrHolds.push_back({total.m_nWins, total.m_nTies, total.m_nShare, total.m_nShareSq});
    if (plans.size() > 1) {
        tally.m_arrPairSquares = pairs.m_arrSquares;
        tally.m_nBatchSquares = pairs.m_nBatchSquares;
    }
    return tally;
}

TTableResult TableResultOf(const TTableSetup& setup, const std::vector<TTableTally>& tallies)
{
    TTableResult result;
    result.m_eError = CheckTableSetup(setup);
    for (const TTableTally& tally : tallies)
        if (result.m_eError == ETableError::None)
            result.m_eError = tally.m_eError;
    if (result.m_eError != ETableError::None)
        return result;
    const std::vector<THoldPlan> plans = HoldPlans(setup);
    std::vector<TTally> totals(plans.size());
    TPairTally pairs;
    const THoldEquity* counted = nullptr;
    std::uint64_t reuse = 1;
    for (const TTableTally& tally : tallies) {
        result.m_nTrials += tally.m_nTrials;
        reuse = std::max(reuse, tally.m_nReuse);
        for (size_t h = 0; h < plans.size() && h < tally.m_arrHolds.size(); ++h) {
            totals[h].m_nWins += tally.m_arrHolds[h].m_nWins;
            totals[h].m_nTies += tally.m_arrHolds[h].m_nTies;
            totals[h].m_nShare += tally.m_arrHolds[h].m_nShare;
            totals[h].m_nShareSq += tally.m_arrHolds[h].m_nShareSq;
        }
        if (tally.m_arrPairSquares.size() == pairs.m_arrSquares.size())
            for (size_t i = 0; i < pairs.m_arrSquares.size(); ++i)
                pairs.m_arrSquares[i] += tally.m_arrPairSquares[i];
        pairs.m_nBatchSquares += tally.m_nBatchSquares;
        if (tally.m_bCounted)
            counted = &tally.m_counted;
    }
    result.m_bDone = (TableBlockCount(setup) == 0 || result.m_nTrials == setup.m_nTrials) &&
                     (!(KeepAllIsCounted(setup) || IsPatSimulatedApart(setup)) || counted != nullptr);
    if (plans.size() > 1) {
        result.m_arrPairSquares = pairs.m_arrSquares;
        result.m_nBatchSquares = pairs.m_nBatchSquares;
    }
    for (size_t h = 0; h < plans.size(); ++h) {
        if (plans[h].m_nMask == kAllKept && counted != nullptr)
            result.m_arrHolds.push_back(*counted);
        else
            result.m_arrHolds.push_back(FromTally(plans[h].m_nMask, totals[h], result.m_nTrials, reuse));
    }
    return result;
}
