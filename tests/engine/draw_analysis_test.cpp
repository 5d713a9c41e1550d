// The exact draw analysis of the 32 holds, against the plain enumeration of
// every draw of every hold, and the order in which holds are offered.

#include "CardText.h"
#include "DrawAnalysis.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

struct TAnalysisInput {
    int m_anHand[5];
    bool m_abKnown[52] = {};
};

// The hand's five cards plus any further seen cards.
TAnalysisInput Input(const std::string& hand, const std::string& alsoSeen = "")
{
    TAnalysisInput input;
    const std::vector<int> cards = Cards(hand);
    std::copy(cards.begin(), cards.end(), input.m_anHand);
    for (int c : Cards(hand + " " + alsoSeen))
        input.m_abKnown[c] = true;
    return input;
}

std::vector<TDrawOutcome> Analyze(const TAnalysisInput& input)
{
    return AnalyzeDraws(input.m_anHand, input.m_abKnown);
}

// Every field of every hold, as dealing out each of its draws gives it. A
// null `known` must mean that only the hand is seen.
void ExpectSameAsEnumeration(const TAnalysisInput& input, bool passNoKnown = false)
{
    std::vector<int> known;
    std::string seen;
    for (int c = 0; c < 52; ++c)
        if (input.m_abKnown[c]) {
            known.push_back(c);
            seen += " " + CardText(c);
        }
    SCOPED_TRACE("seen:" + seen);
    const std::vector<int> hand(input.m_anHand, input.m_anHand + 5);
    const int current = PlainToCategory(ClassifyPlain(input.m_anHand));
    const std::vector<TDrawOutcome> actual = AnalyzeDraws(input.m_anHand, passNoKnown ? nullptr : input.m_abKnown);
    ASSERT_EQ(actual.size(), 32u);
    for (unsigned mask = 0; mask < 32; ++mask) {
        SCOPED_TRACE("keep mask " + std::to_string(mask));
        const TDrawOutcome& a = actual[mask];
        std::vector<int> kept, thrown;
        for (int i = 0; i < 5; ++i)
            (mask >> i & 1u ? kept : thrown).push_back(hand[static_cast<size_t>(i)]);
        EXPECT_EQ(a.m_nKeepMask, mask);
        EXPECT_EQ(std::vector<int>(a.m_anKept, a.m_anKept + a.m_nKeptCount), kept);
        EXPECT_EQ(std::vector<int>(a.m_anDiscarded, a.m_anDiscarded + thrown.size()), thrown);
        EXPECT_EQ(a.m_nCurrentCategory, current);

        const TDrawCounts draws = CountDraws(kept, known);
        double expected[hcCategoryCount] = {};
        std::copy(std::begin(draws.m_adCategory), std::end(draws.m_adCategory), expected);
        expected[hcStraightFlush] -= draws.m_dRoyalFlush;
        expected[hcRoyalFlush] = draws.m_dRoyalFlush;
        const double total = draws.m_dTotal, share = total > 0 ? 1 / total : 0;
        EXPECT_EQ(a.m_dDrawCount, total);
        for (int c = 0; c < hcCategoryCount; ++c) {
            EXPECT_EQ(a.m_adCount[c], expected[c]) << HandCategoryKey(c);
            EXPECT_NEAR(a.m_adProbability[c], expected[c] * share, 1e-15) << HandCategoryKey(c);
        }
        const double above = std::accumulate(expected + current + 1, expected + hcCategoryCount, 0.0);
        EXPECT_NEAR(a.m_dImprove, above * share, 1e-15);
        EXPECT_NEAR(a.m_dAtLeastCurrent, (above + expected[current]) * share, 1e-15);
    }
}

struct TTargetedHand {
    const char* m_szWhat;
    const char* m_szHand;
    const char* m_szAlsoSeen;
};

const TTargetedHand kTargetedHands[] = {
    {"royal flush", "Th Jh Qh Kh Ah", ""},
    {"wheel straight flush", "Ad 2d 3d 4d 5d", ""},
    {"four of a kind", "9c 9d 9h 9s 2c", ""},
    {"triple, its fourth and two kickers seen", "7s 7h 7d Kc 2c", "7c Kd Ks 5h 6h"},
    {"pair and high card", "8c 8d Kh 5s 2c", ""},
    {"made flush with a straight flush draw", "9h Th Jh Qh 3h", ""},
    {"four-flush, most of its suit seen", "3h 7h 9h Jh 2c", "Ah Kh Qh 4h 5h 6h"},
    {"open-ended straight flush draw", "9h Th Jh Qh 2c", ""},
    {"open-ended draw, both ends seen", "5h 6d 7c 8s Kd", "4c 4d 4h 9c 9d"},
    {"wheel flush draw", "Ac 2c 3c 4c 9d", ""},
    {"made straight with four to a royal", "Th Jh Qh Kh 9c", ""},
    {"nothing", "2c 7d 9h Js Kc", ""},
};

// ---- Counts against the enumeration ----

// The targeted hands; then random deals, half of them seeing only the hand,
// the rest more and more cards, down to too few unseen cards for the larger
// draws.
TEST(DrawAnalysisCounts, TargetedAndRandomHandsMatchTheEnumeration)
{
    for (const TTargetedHand& hand : kTargetedHands) {
        SCOPED_TRACE(hand.m_szWhat);
        ExpectSameAsEnumeration(Input(hand.m_szHand, hand.m_szAlsoSeen));
    }
    std::mt19937 random(20240612u);
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    const int deals = Sanitized() ? 6 : 24;  // the last sees 45 cards besides the hand
    for (int deal = 0; deal < deals; ++deal) {
        std::shuffle(deck.begin(), deck.end(), random);
        TAnalysisInput input;
        std::copy(deck.begin(), deck.begin() + 5, input.m_anHand);
        const int alsoSeen = deal % 2 == 0 ? 0 : 2 * deal - 1;
        for (int i = 0; i < 5 + alsoSeen; ++i)
            input.m_abKnown[deck[static_cast<size_t>(i)]] = true;
        ExpectSameAsEnumeration(input, deal % 4 == 0);
    }
}

// ---- Input handling ----

TEST(DrawAnalysisInput, WithTooFewUnseenCardsTheHoldsThatCannotDrawComeLast)
{
    TAnalysisInput input = Input("8c 8d Kh 5s 2c");
    std::fill(std::begin(input.m_abKnown), std::end(input.m_abKnown), true);
    for (int c : Cards("Ac Ad Ah"))
        input.m_abKnown[c] = false;
    std::vector<TDrawOutcome> sorted = Analyze(input);
    SortHoldsBestFirst(sorted);
    EXPECT_EQ(sorted.back().m_nKeptCount, 0);
}

// ---- Order of the holds ----

// A made straight, and a made flush over its straight flush draw, are kept
// whole; with no pair held every hold stays level, and the chance to improve
// decides.
TEST(HoldOrder, AMadeHandIsKeptWholeElseTheChanceToImproveDecides)
{
    for (const char* hand : {"Th Jh Qh Kh 9c", "9h Th Jh Qh 3h"}) {
        std::vector<TDrawOutcome> outcomes = Analyze(Input(hand));
        SortHoldsBestFirst(outcomes);
        EXPECT_EQ(outcomes.front().m_nKeepMask, 31u) << hand;
    }
    std::vector<TDrawOutcome> outcomes = Analyze(Input("2c 7d 9h Js Kc"));
    const double bestImprove = std::max_element(outcomes.begin(), outcomes.end(), [](const auto& a, const auto& b) {
                                   return a.m_dImprove < b.m_dImprove;
                               })->m_dImprove;
    SortHoldsBestFirst(outcomes);
    EXPECT_EQ(outcomes.front().m_dAtLeastCurrent, 1.0);
    EXPECT_EQ(outcomes.front().m_dImprove, bestImprove);
}

// The whole order is pinned, whatever order the holds come in: equal
// chances go to the hold keeping more cards, then to the one keeping the
// earliest card the other lacks. Breaking a royal flush while keeping any
// of it leaves no chance to stay level (its other cards are gone), so 30
// holds tie and only those two rules order them.
TEST(HoldOrder, EqualChancesAndCardCountsGoToTheHoldKeepingTheEarlierCards)
{
    const std::vector<TDrawOutcome> analysed = Analyze(Input("Th Jh Qh Kh Ah"));
    // The hand kept, a new royal still possible, then the level holds: most
    // cards first, and of as many, those whose places read first as a word
    // of kept (1) and thrown (0), highest first.
    std::vector<unsigned> expected;
    for (unsigned mask = 1; mask < 31; ++mask)
        expected.push_back(mask);
    const auto places = [](unsigned mask) {
        std::string word;
        for (int i = 0; i < 5; ++i)
            word += mask >> i & 1u ? '1' : '0';
        return word;
    };
    std::sort(expected.begin(), expected.end(), [&](unsigned a, unsigned b) {
        const int keptA = __builtin_popcount(a), keptB = __builtin_popcount(b);
        return keptA != keptB ? keptA > keptB : places(a) > places(b);
    });
    expected.insert(expected.begin(), {31u, 0u});
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<TDrawOutcome> shuffled = analysed;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        SortHoldsBestFirst(shuffled);
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(shuffled[i].m_nKeepMask, expected[i]) << "position " << i << ", round " << round;
    }
}

} // namespace
