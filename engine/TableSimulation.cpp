#include "TableSimulation.h"

#include "Cards.h"
#include "HandEvaluator.h"
#include "PatShowdown.h"
#include "Showdown.h"
#include "TableDeal.h"
#include "UsualPlay.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr unsigned kAllKept = 31;
constexpr int kHoldCount = 32;
constexpr std::uint64_t kBlockTrials = 4096;
// Pot shares in sixtieths: every 1 / (j + 1) for j up to five opponents is whole.
constexpr std::uint64_t kWhole = 60;
constexpr std::uint64_t kShareOfTie[kMaxTableOpponents + 1] = {60, 30, 20, 15, 12, 10};
// A seen group the deck can hardly give together (fewer than one joint deal
// in ~4000 fits) is refused rather than simulated for ever.
constexpr unsigned kJointProbeTries = 1u << 18;
constexpr double kLeastJointChance = 1.0 / 4096;
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
    std::uint64_t m_nShareSq = 0;  // their squares
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

// The keep-all hold against one or two opponents standing pat is counted.
bool KeepAllIsCounted(const TTableSetup& setup)
{
    return setup.m_eModel == ETableModel::StandPat && setup.m_nOpponents <= 2;
}

bool EveryHoldIsCounted(const TTableSetup& setup)
{
    return setup.m_bFinal && KeepAllIsCounted(setup);
}

THoldEquity CountedKeepAll(const TTableSetup& setup)
{
    THoldEquity equity;
    equity.m_nKeepMask = kAllKept;
    equity.m_bExact = true;
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

// Plays the opponents' draws of one deal when the player took `playerDraw`
// cards from positions 0..4: the opponents take positions 5 onwards, then
// the player's unused ones, then the reshuffled discards of those who have
// drawn already. With `finalHands`, each opponent's hand after his draw goes
// there too.
TBest OpponentsAfterDraw(const TTableDeal& deal, int opponents, int playerDraw, std::uint64_t reshuffleSeed,
                         int (*finalHands)[kHandSize] = nullptr)
{
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    const int* stub = deal.Stub();
    const int stubSize = deal.StubSize();
    int position = CTableDealer::kPlayerPositions;
    int unused = playerDraw;
    int pending[kMaxTableOpponents * kHandSize];
    int pendingCount = 0;
    int pool[kMaxTableOpponents * kHandSize];
    int poolCount = 0, poolNext = 0;
    CTableRandom reshuffle(reshuffleSeed, 0);
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
            for (int i = poolCount - 1; i > 0; --i)
                std::swap(pool[i], pool[reshuffle.Below(static_cast<unsigned>(i + 1))]);
        }
        return pool[poolNext++];
    };
    TBest best;
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
        for (int i = 0; i < deal.m_anDraw[o]; ++i) {
            const int card = next();
            key += CHandEvaluator::RankCode(card);
            suits &= CHandEvaluator::SuitBit(card);
            if (finalHands)
                finalHands[o][i] = card;
        }
        if (finalHands)
            for (int i = 0, kept = deal.m_anDraw[o]; i < kHandSize; ++i)
                if (keep >> i & 1u)
                    finalHands[o][kept++] = hand[i];
        // His discards join the pile only once his own draw is done.
        for (int i = 0; i < kHandSize; ++i)
            if (!(keep >> i & 1u))
                pending[pendingCount++] = hand[i];
        const unsigned value = evaluator.Value(key, suits);
        if (value > best.m_nValue || best.m_nCount == 0) {
            best.m_nValue = value;
            best.m_nCount = 1;
        } else if (value == best.m_nValue) {
            ++best.m_nCount;
        }
    }
    return best;
}

void Score(TTally& tally, unsigned player, const TBest& best)
{
    std::uint64_t share = 0;
    if (player > best.m_nValue) {
        ++tally.m_nWins;
        share = kWhole;
    } else if (player == best.m_nValue) {
        ++tally.m_nTies;
        share = kShareOfTie[best.m_nCount];
    }
    tally.m_nShare += share;
    tally.m_nShareSq += share * share;
}

// Plays `trials` deals of one block into `tallies` (one per plan). False
// when the seen opponents could not be dealt.
bool PlayBlock(const TTableSetup& setup, const CTableDealer& dealer, const std::vector<THoldPlan>& plans,
               std::uint64_t block, std::uint64_t trials, std::vector<TTally>& tallies)
{
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
        int opponentDraws = 0;
        for (int o = 0; o < opponents; ++o)
            opponentDraws += deal.m_anDraw[o];
        if (CTableDealer::kPlayerPositions + opponentDraws <= deal.StubSize()) {
            // The opponents never reach the player's positions: one set of
            // final hands serves every hold.
            const TBest best = OpponentsAfterDraw(deal, opponents, CTableDealer::kPlayerPositions, 0);
            std::fill(bestByDraw, bestByDraw + kHandSize + 1, best);
        } else {
            const std::uint64_t reshuffleSeed = random.Next();
            for (int d = 0; d <= kHandSize; ++d)
                if (drawSeen[d])
                    bestByDraw[d] = OpponentsAfterDraw(deal, opponents, d, reshuffleSeed);
        }
        for (size_t h = 0; h < plans.size(); ++h) {
            const THoldPlan& plan = plans[h];
            const unsigned player = evaluator.Value(plan.m_nKey + prefixKey[plan.m_nDraw],
                                                    plan.m_nSuits & prefixSuits[plan.m_nDraw]);
            Score(tallies[h], player, bestByDraw[plan.m_nDraw]);
        }
    }
    return true;
}

THoldEquity FromTally(unsigned mask, const TTally& tally, std::uint64_t trials)
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
    if (trials > 1) {
        const long double squares = static_cast<long double>(tally.m_nShareSq) - sum * sum / n;
        const long double variance = std::max<long double>(0, squares / (n - 1)) / (kWhole * kWhole);
        equity.m_dPotShareError = static_cast<double>(kZ95 * std::sqrt(variance / n));
    }
    return equity;
}

} // namespace

void OpponentsFinalHands(const TTableDeal& deal, int opponents, int playerDraw, std::uint64_t reshuffleSeed,
                         int finalHands[][kHandSize])
{
    OpponentsAfterDraw(deal, opponents, playerDraw, reshuffleSeed, finalHands);
}

ETableError CheckTableSetup(const TTableSetup& setup)
{
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
    if (HasSeenCounts(setup) && !CTableDealer::EverySeenCountHasAHand(setup))
        return ETableError::ImpossibleDrew;
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
    std::uint64_t m_nPlayed = 0;
    bool m_bCountPending = false;
    bool m_bCounted = false;
    THoldEquity m_counted;
    int m_nRunning = 0;

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
    if (!m_pDealer->HasHandsForEverySeenCount()) {
        Fail(ETableError::ImpossibleDrew);
        return;
    }
    CTableRandom probe(m_setup.m_nSeed, ~0ull);
    if (m_pDealer->JointChance(probe, kJointProbeTries) < kLeastJointChance)
        Fail(ETableError::ImpossibleDrew);
}

void CTableSimulation::TState::Work(bool countFirst)
{
    if (countFirst) {
        const THoldEquity counted = CountedKeepAll(m_setup);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_counted = counted;
        m_bCounted = true;
    }
    if (m_nBlocks > 0) {
        std::call_once(m_prepared, [this] { Prepare(); });
        std::vector<TTally> tallies(m_arrPlans.size());
        while (!m_bCancel) {
            const std::uint64_t block = m_nNextBlock++;
            if (block >= m_nBlocks)
                break;
            const std::uint64_t first = block * kBlockTrials;
            const std::uint64_t trials = std::min(kBlockTrials, m_setup.m_nTrials - first);
            std::fill(tallies.begin(), tallies.end(), TTally{});
            if (!PlayBlock(m_setup, *m_pDealer, m_arrPlans, block, trials, tallies)) {
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
    state.m_bCountPending = KeepAllIsCounted(setup);
    if (!EveryHoldIsCounted(setup))
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
    for (size_t h = 0; h < state.m_arrPlans.size(); ++h) {
        const unsigned mask = state.m_arrPlans[h].m_nMask;
        if (mask == kAllKept && state.m_bCounted)
            result.m_arrHolds.push_back(state.m_counted);
        else
            result.m_arrHolds.push_back(FromTally(mask, state.m_arrTotals[h], state.m_nPlayed));
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
