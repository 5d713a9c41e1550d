// The exact draw analysis of one initial hand: all 32 holds, discarding all
// five included (2,598,960 final hands in all), by the rank counting of the
// engine and, beside it, by the tests' plain enumeration of every draw. The
// target is at most 0.5 ms per hand. Run from a Release build:
//   draw_analysis_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "BruteForce.h"
#include "CardText.h"
#include "Cards.h"
#include "DrawAnalysis.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct TDeal {
    int m_anCards[kHandSize];
};

TDeal DealOf(const char* const (&cards)[kHandSize])
{
    TDeal deal;
    for (int i = 0; i < kHandSize; ++i)
        deal.m_anCards[i] = ParseCard(cards[i]);
    return deal;
}

using TAnalysis = std::vector<TDrawOutcome> (*)(const int hand[5], const bool known[52]);

// Every draw of every hold dealt out and classified one by one: the counts
// only (a straight flush's draws all count as straight flushes here).
std::vector<TDrawOutcome> EnumerateDraws(const int hand[5], const bool known[52])
{
    std::vector<int> seen;
    for (int c = 0; c < kCardCount; ++c)
        if (known[c])
            seen.push_back(c);
    std::vector<TDrawOutcome> outcomes(kHoldCount);
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        std::vector<int> kept;
        for (int i = 0; i < kHandSize; ++i)
            if (mask >> i & 1u)
                kept.push_back(hand[i]);
        const TDrawCounts counts = CountDraws(kept, seen);
        TDrawOutcome& outcome = outcomes[mask];
        outcome.m_nKeepMask = mask;
        outcome.m_nKeptCount = static_cast<int>(kept.size());
        outcome.m_dDrawCount = counts.m_dTotal;
        for (int c = 0; c <= pcStraightFlush; ++c)
            outcome.m_adCount[c] = counts.m_adCategory[c];
    }
    return outcomes;
}

// Analyses the deals in turn, one per iteration.
void Analyze(benchmark::State& state, TAnalysis analyze, const std::vector<TDeal>& deals)
{
    size_t next = 0;
    double hands = 0;
    for (auto _ : state) {
        const TDeal& deal = deals[next++ % deals.size()];
        bool known[kCardCount] = {};
        for (int card : deal.m_anCards)
            known[card] = true;
        std::vector<TDrawOutcome> outcomes = analyze(deal.m_anCards, known);
        SortHoldsBestFirst(outcomes);
        benchmark::DoNotOptimize(outcomes.data());
        for (const TDrawOutcome& outcome : outcomes)
            hands += outcome.m_dDrawCount;
    }
    state.counters["time_per_hand"] =
        benchmark::Counter(hands, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_PairAndHighCard(benchmark::State& state, TAnalysis analyze)
{
    Analyze(state, analyze, {DealOf({"8c", "8d", "Kh", "5s", "2c"})});
}

void BM_OpenStraightFlushDraw(benchmark::State& state, TAnalysis analyze)
{
    Analyze(state, analyze, {DealOf({"9h", "Th", "Jh", "Qh", "2c"})});
}

// Random deals, the same on every run.
void BM_RandomDeals(benchmark::State& state, TAnalysis analyze)
{
    std::mt19937 random(20240611u);
    std::vector<int> deck(kCardCount);
    for (int c = 0; c < kCardCount; ++c)
        deck[static_cast<size_t>(c)] = c;
    std::vector<TDeal> deals(64);
    for (TDeal& deal : deals) {
        std::shuffle(deck.begin(), deck.end(), random);
        std::copy(deck.begin(), deck.begin() + kHandSize, deal.m_anCards);
    }
    Analyze(state, analyze, deals);
}

} // namespace

BENCHMARK_CAPTURE(BM_PairAndHighCard, Counted, AnalyzeDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenStraightFlushDraw, Counted, AnalyzeDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RandomDeals, Counted, AnalyzeDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PairAndHighCard, Enumerated, EnumerateDraws)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RandomDeals, Enumerated, EnumerateDraws)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
