// The engine's cost for one confirmed hand (analysis and both tables for three
// opponents), against the same tables counted by visiting every opponent hand.
// Run from a Release build:
//   engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// The enumeration benchmark also reports `speedup`, the enumeration's time over
// the engine's for the same hands, and stops with an error if the two disagree.
#include "CardDistributionManager.h"
#include "Cards.h"
#include "TestSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

const unsigned kOpponents = 3;
const size_t kHandPool = 4096;

using TRows = CCardDistributionManager::TRows;

struct TDeal {
    int m_anCards[kHandSize];
};

// Random five-card deals, the same on every run.
const std::vector<TDeal>& Deals()
{
    static const std::vector<TDeal> deals = [] {
        std::mt19937 random(20240607u);
        std::vector<TDeal> pool(kHandPool);
        std::vector<int> deck(kCardCount);
        for (TDeal& deal : pool) {
            for (int c = 0; c < kCardCount; ++c)
                deck[static_cast<size_t>(c)] = c;
            std::shuffle(deck.begin(), deck.end(), random);
            std::copy(deck.begin(), deck.begin() + kHandSize, deal.m_anCards);
        }
        return pool;
    }();
    return deals;
}

void Deal(CCardDistributionManager& manager, const TDeal& deal)
{
    manager.Reset();
    for (const int card : deal.m_anCards)
        manager.MarkKnown(card);
}

// What the desktop program does once the cards are confirmed: table 1 is
// shown, then table 2 is built into the same array.
void FullAnalysis(CCardDistributionManager& manager, TRows& rows)
{
    manager.AnalyzeHand();
    manager.BuildOneOpponentTable(rows);
    benchmark::DoNotOptimize(rows.data());
    benchmark::ClobberMemory();
    const double pHigher = rows.size() > 1 ? rows.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(rows, kOpponents, pHigher);
    benchmark::DoNotOptimize(rows.data());
    benchmark::ClobberMemory();
}

// The same, keeping both tables.
void BothTables(CCardDistributionManager& manager, TRows& oneOpponent, TRows& atLeastOne)
{
    manager.AnalyzeHand();
    manager.BuildOneOpponentTable(oneOpponent);
    const double pHigher = oneOpponent.size() > 1 ? oneOpponent.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(atLeastOne, kOpponents, pHigher);
}

void BM_FullAnalysis(benchmark::State& state)
{
    const std::vector<TDeal>& deals = Deals();
    CCardDistributionManager manager;
    size_t next = 0;
    for (auto _ : state) {
        Deal(manager, deals[next]);
        next = (next + 1) % deals.size();
        TRows rows;  // a fresh array per hand, as the view's handler has
        FullAnalysis(manager, rows);
    }
}
BENCHMARK(BM_FullAnalysis);

// The parts of the full analysis, to see where its time goes.
std::vector<CCardDistributionManager>& AnalysedManagers()
{
    static std::vector<CCardDistributionManager> managers = [] {
        std::vector<CCardDistributionManager> analysed(Deals().size());
        for (size_t i = 0; i < analysed.size(); ++i) {
            Deal(analysed[i], Deals()[i]);
            analysed[i].AnalyzeHand();
        }
        return analysed;
    }();
    return managers;
}

void BM_AnalyzeHand(benchmark::State& state)
{
    const std::vector<TDeal>& deals = Deals();
    CCardDistributionManager manager;
    size_t next = 0;
    for (auto _ : state) {
        Deal(manager, deals[next]);
        next = (next + 1) % deals.size();
        manager.AnalyzeHand();
        benchmark::DoNotOptimize(manager.m_nFormation);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AnalyzeHand);

void BM_OneOpponentTable(benchmark::State& state)
{
    std::vector<CCardDistributionManager>& managers = AnalysedManagers();
    TRows rows;
    size_t next = 0;
    for (auto _ : state) {
        managers[next].BuildOneOpponentTable(rows);
        next = (next + 1) % managers.size();
        benchmark::DoNotOptimize(rows.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OneOpponentTable);

void BM_AtLeastOneOpponentTable(benchmark::State& state)
{
    std::vector<CCardDistributionManager>& managers = AnalysedManagers();
    TRows rows;
    size_t next = 0;
    for (auto _ : state) {
        managers[next].BuildAtLeastOneOpponentTable(rows, kOpponents, 0.5);
        next = (next + 1) % managers.size();
        benchmark::DoNotOptimize(rows.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AtLeastOneOpponentTable);

// ---- The same two tables by enumeration --------------------------------

// Both tables from the tests' plain count of every opponent hand of the
// unseen cards.
void EnumeratedTables(const TDeal& deal, TRows& oneOpponent, TRows& atLeastOne)
{
    const std::vector<int> hand(deal.m_anCards, deal.m_anCards + kHandSize);
    const TBruteForceCounts counts = CountOpponentHands(hand, hand);
    oneOpponent.clear();
    atLeastOne.clear();
    for (const auto& row : EnumeratedRows(counts, ClassifyPlain(deal.m_anCards).m_nCategory)) {
        const double p1 = row.second / counts.m_dTotal;
        const double pn = AtLeastOneOf(row.second, counts.m_dTotal, kOpponents);
        oneOpponent.push_back({row.first, p1, CCardDistributionManager::GetOdds(p1)});
        atLeastOne.push_back({row.first, pn, CCardDistributionManager::GetOdds(pn)});
    }
}

// Largest difference between two tables; infinite when the rows differ.
double TableDifference(const TRows& a, const TRows& b)
{
    if (a.size() != b.size())
        return INFINITY;
    double worst = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].m_nFormationNameId != b[i].m_nFormationNameId)
            return INFINITY;
        worst = std::max(worst, std::fabs(a[i].m_dProbability - b[i].m_dProbability));
    }
    return worst;
}

double NanosecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

void BM_EnumeratedTables(benchmark::State& state)
{
    const std::vector<TDeal>& deals = Deals();
    size_t next = 0;
    double speedups = 0;
    for (auto _ : state) {
        const TDeal& deal = deals[next];
        next = (next + 1) % deals.size();
        const auto start = std::chrono::steady_clock::now();
        TRows oneOpponent, atLeastOne;
        EnumeratedTables(deal, oneOpponent, atLeastOne);
        benchmark::DoNotOptimize(oneOpponent.data());
        benchmark::DoNotOptimize(atLeastOne.data());
        const double enumerationNs = NanosecondsSince(start);

        // The engine on the same hand, untimed by the benchmark itself.
        state.PauseTiming();
        const int kRuns = 20000;
        CCardDistributionManager manager;
        const auto engineStart = std::chrono::steady_clock::now();
        for (int i = 0; i < kRuns; ++i) {
            Deal(manager, deal);
            TRows rows;
            FullAnalysis(manager, rows);
        }
        const double engineNs = NanosecondsSince(engineStart) / kRuns;
        TRows engineOne, engineAtLeast;
        Deal(manager, deal);
        BothTables(manager, engineOne, engineAtLeast);
        speedups += enumerationNs / engineNs;
        const double difference =
            std::max(TableDifference(oneOpponent, engineOne), TableDifference(atLeastOne, engineAtLeast));
        if (!(difference < 1e-9)) {
            char message[96];
            std::snprintf(message, sizeof message, "engine and enumeration disagree on deal %zu",
                          (next + deals.size() - 1) % deals.size());
            state.ResumeTiming();
            state.SkipWithError(message);
            break;
        }
        state.ResumeTiming();
    }
    state.counters["speedup"] = benchmark::Counter(speedups, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EnumeratedTables)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
