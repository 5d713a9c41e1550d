// The engine's cost for one confirmed hand, in the browser: the loop of
// engine_bench's BM_FullAnalysis (analysis and both tables for three
// opponents, random deals from the same seed), and the whole of what the
// page's OK costs (ConfirmHand: tables, advice, description, showdown).
// Each returns nanoseconds per hand, timed with the page's clock over at
// least `milliseconds` of work.
#include "CardDistributionManager.h"
#include "Cards.h"
#include "ConfirmedHand.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

const unsigned kOpponents = 3;
const size_t kHandPool = 4096;

struct TDeal {
    int m_anCards[kHandSize];
};

// As engine_bench deals them; the library's shuffle may order them otherwise,
// so the hands are as random, not the same ones.
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

// Keeps the optimizer from dropping work whose result nobody reads.
volatile double g_dSink = 0;

template <typename TStep>
double NanosecondsPerHand(double milliseconds, TStep step)
{
    const std::vector<TDeal>& deals = Deals();
    CCardDistributionManager manager;
    size_t hands = 0;
    const double start = emscripten_get_now();
    double elapsed = 0;
    while (elapsed < milliseconds) {
        for (int i = 0; i < 64; ++i, ++hands) {
            Deal(manager, deals[hands % deals.size()]);
            step(manager);
        }
        elapsed = emscripten_get_now() - start;
    }
    return elapsed * 1e6 / static_cast<double>(hands);
}

double FullAnalysis(double milliseconds)
{
    return NanosecondsPerHand(milliseconds, [](CCardDistributionManager& manager) {
        CCardDistributionManager::TRows rows;  // a fresh array per hand, as engine_bench has
        manager.AnalyzeHand();
        manager.BuildOneOpponentTable(rows);
        const double pHigher = rows.size() > 1 ? rows.back().m_dProbability : 0.0;
        manager.BuildAtLeastOneOpponentTable(rows, kOpponents, pHigher);
        g_dSink = g_dSink + rows.back().m_dProbability;
    });
}

double ConfirmedHand(double milliseconds)
{
    return NanosecondsPerHand(milliseconds, [](CCardDistributionManager& manager) {
        const TConfirmedHand result = ConfirmHand(manager, kOpponents, false);
        g_dSink = g_dSink + result.m_showdownOdds.m_dWin;
    });
}

}  // namespace

EMSCRIPTEN_BINDINGS(quintara_bench)
{
    emscripten::function("fullAnalysis", &FullAnalysis);
    emscripten::function("confirmedHand", &ConfirmedHand);
}
