// The engine's cost for one confirmed hand (analysis and both tables for three
// opponents), against the same tables counted by visiting every opponent hand.
// Run from a Release build:
//   engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// The enumeration benchmark also reports `speedup`, the enumeration's time over
// the engine's for the same hands, and stops with an error if the two disagree.
#include "CardDistributionManager.h"
#include "Cards.h"

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

enum ECategory { caHighCard, caPair, caTwoPair, caThree, caStraight, caFlush, caFull, caQuads, caStraightFlush };

// A five-card hand as the tables compare hands. Ranks are Ace-high, 0 Two ..
// 12 Ace.
struct THand {
    int m_nCategory = caHighCard;
    bool m_bStraight = false;
    bool m_bFlush = false;
    int m_nStraightTop = -1;  // the wheel's top is the Five
    int m_nTopCard = -1;      // highest card, the Ace above all
    int m_nMain = -1;         // pair, higher pair, three or four of a kind
    int m_nSecond = -1;       // lower pair
    int m_nKicker = -1;       // highest unpaired card (one pair), the fifth card (two pair)
};

int AceHighRank(int card) { return AceHigh(CardRank(card)); }

THand Classify(const int* cards)
{
    THand hand;
    int counts[13] = {};
    unsigned mask = 0;
    bool sameSuit = true;
    for (int i = 0; i < kHandSize; ++i) {
        const int r = AceHighRank(cards[i]);
        ++counts[r];
        mask |= 1u << r;
        sameSuit = sameSuit && CardSuit(cards[i]) == CardSuit(cards[0]);
    }
    int pairs = 0, threes = 0, fours = 0;
    for (int r = 12; r >= 0; --r) {
        if (counts[r] == 0)
            continue;
        if (hand.m_nTopCard < 0)
            hand.m_nTopCard = r;
        if (counts[r] == 4) {
            ++fours;
            hand.m_nMain = r;
        } else if (counts[r] == 3) {
            ++threes;
            hand.m_nMain = r;
        } else if (counts[r] == 2) {
            if (pairs++ == 0 && threes == 0)
                hand.m_nMain = r;
            else if (threes == 0)
                hand.m_nSecond = r;
        } else if (hand.m_nKicker < 0) {
            hand.m_nKicker = r;
        }
    }
    if (__builtin_popcount(mask) == 5) {
        const int low = __builtin_ctz(mask);
        if (mask == (0x1Fu << low)) {
            hand.m_bStraight = true;
            hand.m_nStraightTop = low + 4;
        } else if (mask == 0x100Fu) {  // Ace, Two, Three, Four, Five
            hand.m_bStraight = true;
            hand.m_nStraightTop = 3;
        }
    }
    hand.m_bFlush = sameSuit;
    if (hand.m_bStraight && hand.m_bFlush)
        hand.m_nCategory = caStraightFlush;
    else if (fours)
        hand.m_nCategory = caQuads;
    else if (threes && pairs)
        hand.m_nCategory = caFull;
    else if (hand.m_bFlush)
        hand.m_nCategory = caFlush;
    else if (hand.m_bStraight)
        hand.m_nCategory = caStraight;
    else if (threes)
        hand.m_nCategory = caThree;
    else if (pairs == 2)
        hand.m_nCategory = caTwoPair;
    else if (pairs == 1)
        hand.m_nCategory = caPair;
    return hand;
}

// Higher within the player's own kind, as the results tables rank it.
bool HigherOfKind(const THand& opponent, const THand& player)
{
    switch (player.m_nCategory) {
    case caPair:
        return opponent.m_nCategory == caPair &&
               (opponent.m_nMain > player.m_nMain ||
                (opponent.m_nMain == player.m_nMain && opponent.m_nKicker > player.m_nKicker));
    case caTwoPair:
        if (opponent.m_nCategory != caTwoPair)
            return false;
        if (opponent.m_nMain != player.m_nMain)
            return opponent.m_nMain > player.m_nMain;
        if (opponent.m_nSecond != player.m_nSecond)
            return opponent.m_nSecond > player.m_nSecond;
        return opponent.m_nKicker > player.m_nKicker;
    case caThree:
    case caFull:
    case caQuads:
        return opponent.m_nCategory == player.m_nCategory && opponent.m_nMain > player.m_nMain;
    case caStraight:
        return opponent.m_bStraight && opponent.m_nStraightTop > player.m_nStraightTop;
    case caFlush:
        return opponent.m_bFlush && opponent.m_nTopCard > player.m_nTopCard;
    case caStraightFlush:
        return opponent.m_nCategory == caStraightFlush && opponent.m_nStraightTop > player.m_nStraightTop;
    default:
        return false;
    }
}

bool Beats(const THand& opponent, const THand& player)
{
    if (opponent.m_nCategory != player.m_nCategory)
        return opponent.m_nCategory > player.m_nCategory;
    return player.m_nCategory != caHighCard && HigherOfKind(opponent, player);
}

// Chance that at least one of n opponents, holding n distinct hands, holds
// one of the x favourable hands among the total.
double AtLeastOneOf(double x, double total, unsigned n)
{
    double none = 1.0;
    for (unsigned i = 0; i < n; ++i)
        none *= (total - x - i) / (total - i);
    return 1.0 - none;
}

// Both tables from a count of every opponent hand of the unseen cards.
void EnumeratedTables(const TDeal& deal, TRows& oneOpponent, TRows& atLeastOne)
{
    bool known[kCardCount] = {};
    for (const int card : deal.m_anCards)
        known[card] = true;
    std::vector<int> unseen;
    for (int c = 0; c < kCardCount; ++c)
        if (!known[c])
            unseen.push_back(c);
    const THand player = Classify(deal.m_anCards);

    double total = 0, beats = 0, higher = 0;
    double plain[9] = {};  // by category; straights and flushes also count the straight flushes
    const int n = static_cast<int>(unseen.size());
    int cards[kHandSize];
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d)
                    for (int e = d + 1; e < n; ++e) {
                        cards[0] = unseen[a], cards[1] = unseen[b], cards[2] = unseen[c];
                        cards[3] = unseen[d], cards[4] = unseen[e];
                        const THand hand = Classify(cards);
                        ++total;
                        ++plain[hand.m_nCategory];
                        if (hand.m_nCategory == caStraightFlush) {
                            ++plain[caStraight];
                            ++plain[caFlush];
                        }
                        higher += HigherOfKind(hand, player);
                        beats += Beats(hand, player);
                    }

    // The rows the results tables show for this player: the higher row of his
    // kind, then every kind above his, then the closing row.
    static const int kPlainRowIds[9] = {0, 109, 207, 111, 112, 113, 114, 115, 116};
    static const int kHigherRowIds[9] = {0, 120, 121, 122, 123, 124, 125, 126, 127};
    std::vector<std::pair<int, double>> rows;
    if (player.m_nCategory != caHighCard)
        rows.emplace_back(kHigherRowIds[player.m_nCategory], higher);
    if (player.m_nCategory != caStraightFlush)
        for (int category = player.m_nCategory + 1; category <= caStraightFlush; ++category)
            rows.emplace_back(kPlainRowIds[category], plain[category]);
    rows.emplace_back(147, beats);

    oneOpponent.clear();
    atLeastOne.clear();
    for (const auto& row : rows) {
        const double p1 = row.second / total;
        const double pn = AtLeastOneOf(row.second, total, kOpponents);
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
