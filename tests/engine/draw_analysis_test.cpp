// The exact draw analysis of the 32 holds, against the draw-by-draw
// enumeration (whose evaluator is checked against the plain classifier on
// every hand), and the order in which holds are offered.

#include "BruteForce.h"
#include "CardText.h"
#include "DrawAnalysis.h"
#include "DrawEnumeration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

bool Sanitized()
{
    return std::getenv("QUINTARA_SANITIZED") != nullptr;
}

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
    for (int c : cards)
        input.m_abKnown[c] = true;
    for (int c : Cards(alsoSeen))
        input.m_abKnown[c] = true;
    return input;
}

std::string Describe(const TAnalysisInput& input)
{
    std::string text = "hand:";
    for (int card : input.m_anHand)
        text += " " + CardText(card);
    text += "  also seen:";
    for (int card = 0; card < 52; ++card)
        if (input.m_abKnown[card] && std::find(input.m_anHand, input.m_anHand + 5, card) == input.m_anHand + 5)
            text += " " + CardText(card);
    return text;
}

std::vector<TDrawOutcome> Analyze(const TAnalysisInput& input)
{
    return AnalyzeDraws(input.m_anHand, input.m_abKnown);
}

// Every field of every hold, exactly as the enumeration gives it.
void ExpectSameAsEnumeration(const TAnalysisInput& input)
{
    SCOPED_TRACE(Describe(input));
    const std::vector<TDrawOutcome> actual = Analyze(input);
    const std::vector<TDrawOutcome> expected = EnumerateDraws(input.m_anHand, input.m_abKnown);
    ASSERT_EQ(actual.size(), 32u);
    ASSERT_EQ(expected.size(), 32u);
    for (unsigned mask = 0; mask < 32; ++mask) {
        SCOPED_TRACE("keep mask " + std::to_string(mask));
        const TDrawOutcome& a = actual[mask];
        const TDrawOutcome& e = expected[mask];
        EXPECT_EQ(a.m_nKeepMask, e.m_nKeepMask);
        EXPECT_EQ(a.m_nKeptCount, e.m_nKeptCount);
        EXPECT_TRUE(std::equal(a.m_anKept, a.m_anKept + 5, e.m_anKept));
        EXPECT_TRUE(std::equal(a.m_anDiscarded, a.m_anDiscarded + 5, e.m_anDiscarded));
        EXPECT_EQ(a.m_nCurrentCategory, e.m_nCurrentCategory);
        EXPECT_EQ(a.m_dDrawCount, e.m_dDrawCount);
        for (int c = 0; c < hcCategoryCount; ++c) {
            EXPECT_EQ(a.m_adCount[c], e.m_adCount[c]) << HandCategoryKey(c);
            EXPECT_EQ(a.m_adProbability[c], e.m_adProbability[c]) << HandCategoryKey(c);
        }
        EXPECT_EQ(a.m_dImprove, e.m_dImprove);
        EXPECT_EQ(a.m_dAtLeastCurrent, e.m_dAtLeastCurrent);
    }
}

unsigned MaskOf(const TAnalysisInput& input, const std::string& kept)
{
    unsigned mask = 0;
    for (int c : Cards(kept))
        for (int i = 0; i < 5; ++i)
            if (input.m_anHand[i] == c)
                mask |= 1u << i;
    return mask;
}

struct TTargetedHand {
    const char* m_szWhat;
    const char* m_szHand;
    const char* m_szAlsoSeen;
};

const TTargetedHand kTargetedHands[] = {
    {"royal flush", "Th Jh Qh Kh Ah", ""},
    {"straight flush", "5s 6s 7s 8s 9s", ""},
    {"wheel straight flush", "Ad 2d 3d 4d 5d", ""},
    {"four of a kind", "9c 9d 9h 9s 2c", ""},
    {"full house", "7s 7h 7d Kc Kd", ""},
    {"triple, its fourth and two kickers seen", "7s 7h 7d Kc 2c", "7c Kd Ks 5h 6h"},
    {"two pair", "Ad Ac Kd Kc 5h", ""},
    {"pair and high card", "8c 8d Kh 5s 2c", ""},
    {"made flush with a straight flush draw", "9h Th Jh Qh 3h", ""},
    {"four-flush", "3h 7h 9h Jh 2c", ""},
    {"four-flush, most of its suit seen", "3h 7h 9h Jh 2c", "Ah Kh Qh 4h 5h 6h"},
    {"open-ended straight flush draw", "9h Th Jh Qh 2c", ""},
    {"open-ended straight draw", "5h 6d 7c 8s Kd", ""},
    {"open-ended draw, both ends seen", "5h 6d 7c 8s Kd", "4c 4d 4h 9c 9d"},
    {"wheel draw", "Ah 2h 3d 4s Kc", ""},
    {"wheel flush draw", "Ac 2c 3c 4c 9d", ""},
    {"A-K-Q-J-T", "As Kd Qc Jh Th", ""},
    {"made straight with four to a royal", "Th Jh Qh Kh 9c", ""},
    {"nothing", "2c 7d 9h Js Kc", ""},
};

// ---- Counts against the enumeration ----

TEST(DrawAnalysisCounts, TargetedHandsMatchTheEnumeration)
{
    for (const TTargetedHand& hand : kTargetedHands) {
        SCOPED_TRACE(hand.m_szWhat);
        ExpectSameAsEnumeration(Input(hand.m_szHand, hand.m_szAlsoSeen));
    }
}

TEST(DrawAnalysisCounts, RandomHandsMatchTheEnumeration)
{
    // Half the deals see only the hand; the rest see up to every other card,
    // down to too few unseen cards for the larger draws.
    std::mt19937 random(20240612u);
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    const int deals = Sanitized() ? 12 : 120;
    for (int deal = 0; deal < deals; ++deal) {
        std::shuffle(deck.begin(), deck.end(), random);
        TAnalysisInput input;
        std::copy(deck.begin(), deck.begin() + 5, input.m_anHand);
        const int alsoSeen = deal % 2 == 0 ? 0 : std::uniform_int_distribution<int>(1, 47)(random);
        for (int i = 0; i < 5 + alsoSeen; ++i)
            input.m_abKnown[deck[static_cast<size_t>(i)]] = true;
        ExpectSameAsEnumeration(input);
    }
}

TEST(DrawAnalysisCounts, KeepingAPairAgainstThreeOtherRanksGivesTheClassicFigures)
{
    // Three discards of three other ranks leave the textbook deck: 47 unseen
    // cards, two of the pair's rank, three each of the discarded ranks.
    const TAnalysisInput input = Input("8c 8d Kh 5s 2c");
    const TDrawOutcome pair = Analyze(input)[MaskOf(input, "8c 8d")];
    EXPECT_EQ(pair.m_dDrawCount, 16215);
    EXPECT_EQ(pair.m_adCount[hcOnePair], 11559);
    EXPECT_EQ(pair.m_adCount[hcTwoPair], 2592);
    EXPECT_EQ(pair.m_adCount[hcThreeOfAKind], 1854);
    EXPECT_EQ(pair.m_adCount[hcFullHouse], 165);
    EXPECT_EQ(pair.m_adCount[hcFourOfAKind], 45);
}

TEST(DrawAnalysisProbabilities, EachHoldsChancesAddUpAndSplitAtTheCurrentCategory)
{
    for (const TTargetedHand& hand : kTargetedHands) {
        SCOPED_TRACE(hand.m_szWhat);
        for (const TDrawOutcome& outcome : Analyze(Input(hand.m_szHand, hand.m_szAlsoSeen))) {
            const double* p = outcome.m_adProbability;
            const int current = outcome.m_nCurrentCategory;
            const double above = std::accumulate(p + current + 1, p + hcCategoryCount, 0.0);
            EXPECT_NEAR(std::accumulate(p, p + hcCategoryCount, 0.0), 1.0, 1e-12);
            EXPECT_NEAR(outcome.m_dImprove, above, 1e-12);
            EXPECT_NEAR(outcome.m_dAtLeastCurrent, above + p[current], 1e-12);
        }
    }
}

// ---- Input handling ----

TEST(DrawAnalysisInput, RepeatedOrOutOfRangeCardsGiveNoAnalysis)
{
    const bool known[52] = {};
    const int repeated[5] = {0, 1, 2, 3, 3};
    const int outOfRange[5] = {0, 1, 2, 3, 52};
    const int negative[5] = {-1, 1, 2, 3, 4};
    for (const int* hand : {repeated, outOfRange, negative}) {
        EXPECT_TRUE(AnalyzeDraws(hand, known).empty());
        EXPECT_TRUE(AnalyzeDraws(hand, nullptr).empty());
    }
}

TEST(DrawAnalysisInput, TheHandIsNeverDrawnEvenWhenNotFlaggedKnown)
{
    const TAnalysisInput flagged = Input("8c 8d Kh 5s 2c");
    const bool nothingFlagged[52] = {};
    const std::vector<TDrawOutcome> expected = Analyze(flagged);
    for (const std::vector<TDrawOutcome>& actual :
         {AnalyzeDraws(flagged.m_anHand, nothingFlagged), AnalyzeDraws(flagged.m_anHand, nullptr)}) {
        ASSERT_EQ(actual.size(), 32u);
        for (unsigned mask = 0; mask < 32; ++mask)
            for (int c = 0; c < hcCategoryCount; ++c)
                EXPECT_EQ(actual[mask].m_adCount[c], expected[mask].m_adCount[c]);
    }
}

TEST(DrawAnalysisInput, HoldsWithTooFewUnseenCardsHaveNoChanceRatherThanNaN)
{
    // Everything seen but three cards: holds drawing four or five have no draw.
    TAnalysisInput input = Input("8c 8d Kh 5s 2c");
    std::fill(std::begin(input.m_abKnown), std::end(input.m_abKnown), true);
    for (int c : Cards("Ac Ad Ah"))
        input.m_abKnown[c] = false;
    const std::vector<TDrawOutcome> outcomes = Analyze(input);
    ASSERT_EQ(outcomes.size(), 32u);
    for (const TDrawOutcome& outcome : outcomes) {
        for (double p : outcome.m_adProbability)
            EXPECT_FALSE(std::isnan(p));
        if (outcome.m_nKeptCount < 2) {
            EXPECT_EQ(outcome.m_dDrawCount, 0.0);
            EXPECT_EQ(outcome.m_dAtLeastCurrent, 0.0);
        }
    }
    std::vector<TDrawOutcome> sorted = outcomes;
    SortHoldsBestFirst(sorted);
    EXPECT_EQ(sorted.back().m_nKeptCount, 0);
}

// ---- Order of the holds ----

TEST(HoldOrder, AMadeHandIsKeptWholeFirst)
{
    // A made straight, and a made flush over its straight flush draw.
    for (const char* hand : {"Th Jh Qh Kh 9c", "9h Th Jh Qh 3h"}) {
        std::vector<TDrawOutcome> outcomes = Analyze(Input(hand));
        SortHoldsBestFirst(outcomes);
        EXPECT_EQ(outcomes.front().m_nKeepMask, 31u) << hand;
    }
}

TEST(HoldOrder, TheChanceToImproveDecidesWhenEveryHoldKeepsTheLevel)
{
    // With no pair held every hold ends at least as strong.
    std::vector<TDrawOutcome> outcomes = Analyze(Input("2c 7d 9h Js Kc"));
    double bestImprove = 0;
    for (const TDrawOutcome& outcome : outcomes)
        bestImprove = std::max(bestImprove, outcome.m_dImprove);
    SortHoldsBestFirst(outcomes);
    EXPECT_EQ(outcomes.front().m_dAtLeastCurrent, 1.0);
    EXPECT_EQ(outcomes.front().m_dImprove, bestImprove);
}

TEST(HoldOrder, EqualChancesGoToTheHoldKeepingMoreCards)
{
    // Breaking a royal flush while keeping any of it leaves no chance to
    // stay level or improve (its other cards are gone), so those 30 holds
    // tie and are ordered by the number of cards kept.
    std::vector<TDrawOutcome> outcomes = Analyze(Input("Th Jh Qh Kh Ah"));
    SortHoldsBestFirst(outcomes);
    EXPECT_EQ(outcomes[0].m_nKeepMask, 31u);
    EXPECT_EQ(outcomes[1].m_nKeepMask, 0u);  // another royal is still possible
    for (size_t i = 2; i < outcomes.size(); ++i)
        EXPECT_EQ(outcomes[i].m_dAtLeastCurrent, 0.0);
    for (size_t i = 3; i < outcomes.size(); ++i)
        EXPECT_GE(outcomes[i - 1].m_nKeptCount, outcomes[i].m_nKeptCount) << "position " << i;
}

TEST(HoldOrder, TheOrderDoesNotDependOnTheStartingOrder)
{
    const std::vector<TDrawOutcome> analysed = Analyze(Input("8c 8d Kh 5s 2c"));
    std::vector<TDrawOutcome> reference = analysed;
    SortHoldsBestFirst(reference);
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<TDrawOutcome> shuffled = analysed;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        SortHoldsBestFirst(shuffled);
        for (size_t i = 0; i < reference.size(); ++i)
            ASSERT_EQ(shuffled[i].m_nKeepMask, reference[i].m_nKeepMask) << "position " << i;
    }
}

} // namespace
