// Showdown counts of one hand against every opponent hand of the unseen
// cards, counted by rank multiset beside a plain enumeration of the 1.5
// million hands. The target is 0.2 ms per hand for the counting. Run from a
// Release build (the pair count is the exact showdown against two):
//   showdown_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "BruteForce.h"
#include "Cards.h"
#include "PatShowdown.h"
#include "Showdown.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct TDeal {
    int m_anHand[kHandSize];
    bool m_abKnown[kCardCount] = {};
};

// Random deals, the same on every run; with `draws`, some cards replaced.
std::vector<TDeal> RandomDeals(bool draws)
{
    std::mt19937 random(draws ? 20240612u : 20240611u);
    std::vector<int> deck(kCardCount);
    for (int c = 0; c < kCardCount; ++c)
        deck[static_cast<size_t>(c)] = c;
    std::vector<TDeal> deals(64);
    for (TDeal& deal : deals) {
        std::shuffle(deck.begin(), deck.end(), random);
        size_t next = kHandSize;
        for (int i = 0; i < kHandSize; ++i) {
            deal.m_anHand[i] = deck[static_cast<size_t>(i)];
            deal.m_abKnown[deck[static_cast<size_t>(i)]] = true;
            if (draws && random() % 2) {
                deal.m_anHand[i] = deck[next];
                deal.m_abKnown[deck[next++]] = true;
            }
        }
    }
    return deals;
}

void Count(benchmark::State& state, const std::vector<TDeal>& deals)
{
    size_t next = 0;
    for (auto _ : state) {
        const TDeal& deal = deals[next++ % deals.size()];
        TShowdownCounts counts;
        CountShowdown(deal.m_anHand, deal.m_abKnown, counts);
        benchmark::DoNotOptimize(counts);
    }
}

void BM_CountInitialHands(benchmark::State& state)
{
    Count(state, RandomDeals(false));
}

void BM_CountFinalHands(benchmark::State& state)
{
    Count(state, RandomDeals(true));
}

// Every opponent hand classified and compared, one by one, by the tests'
// plain enumeration (the yardstick).
void BM_PlainEnumeration(benchmark::State& state)
{
    const std::vector<TDeal> deals = RandomDeals(false);
    size_t next = 0;
    for (auto _ : state) {
        const TDeal& deal = deals[next++ % deals.size()];
        std::vector<int> known;
        for (int c = 0; c < kCardCount; ++c)
            if (deal.m_abKnown[c])
                known.push_back(c);
        const TBruteForceCounts counts =
            CountOpponentHands(known, std::vector<int>(deal.m_anHand, deal.m_anHand + kHandSize));
        benchmark::DoNotOptimize(counts);
    }
}

void BM_OddsForFiveOpponents(benchmark::State& state)
{
    const TDeal deal = RandomDeals(false).front();
    TShowdownCounts counts;
    CountShowdown(deal.m_anHand, deal.m_abKnown, counts);
    for (auto _ : state)
        benchmark::DoNotOptimize(ShowdownOdds(counts, kMaxShowdownOpponents));
}

// The exact count against two opponents standing pat, card-disjoint (the
// plain line's showdown against two). Target: at most 2 ms a hand.
void BM_CountPairShowdown(benchmark::State& state)
{
    const std::vector<TDeal> deals = RandomDeals(false);
    size_t next = 0;
    for (auto _ : state) {
        const TDeal& deal = deals[next++ % deals.size()];
        bool unseen[kCardCount];
        for (int c = 0; c < kCardCount; ++c)
            unseen[c] = !deal.m_abKnown[c];
        TPairShowdownCounts counts;
        CountPairShowdown(deal.m_anHand, unseen, counts);
        benchmark::DoNotOptimize(counts);
    }
}

} // namespace

BENCHMARK(BM_CountInitialHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountFinalHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainEnumeration)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPairShowdown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsForFiveOpponents)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
