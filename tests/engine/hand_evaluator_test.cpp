// The table-driven five-card evaluator, against the plain classifier; and
// the refusal of bad hands everywhere five cards are taken.
#include "CardText.h"
#include "DrawAnalysis.h"
#include "HandEvaluator.h"
#include "Showdown.h"
#include "TestSupport.h"
#include "UsualPlay.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

// Every hand gets the plain classifier's category, and a value that orders
// it as the plain ranking does: equal rankings get equal values, a higher
// ranking a higher value.
TEST(HandEvaluator, CategoryAndValueOfEveryHandAreThePlainRanking)
{
    // Under the sanitizers every seventh first card keeps the run short
    // while still crossing every category.
    const int step = Sanitized() ? 7 : 1;
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    std::map<std::array<int, 6>, int> valueOf;
    double hands = 0, disagreements = 0;
    double perCategory[hcCategoryCount] = {};
    int cards[5];
    for (cards[0] = 0; cards[0] < 52; cards[0] += step)
    for (cards[1] = cards[0] + 1; cards[1] < 52; ++cards[1])
    for (cards[2] = cards[1] + 1; cards[2] < 52; ++cards[2])
    for (cards[3] = cards[2] + 1; cards[3] < 52; ++cards[3])
    for (cards[4] = cards[3] + 1; cards[4] < 52; ++cards[4]) {
        hands += 1;
        const TPlainHand plain = ClassifyPlain(cards);
        const int expected = PlainToCategory(plain);
        const int actual = evaluator.Evaluate(cards);
        if (actual >= 0 && actual < hcCategoryCount)
            perCategory[actual] += 1;
        const int value = evaluator.EvaluateValue(cards);
        const auto inserted = valueOf.emplace(plain.m_anRanking, value);
        if ((actual != expected || inserted.first->second != value) && ++disagreements <= 5)
            ADD_FAILURE() << CardText(cards[0]) << CardText(cards[1]) << CardText(cards[2]) << CardText(cards[3])
                          << CardText(cards[4]) << " evaluated " << actual << ", expected " << expected << "; valued "
                          << value << " beside " << inserted.first->second;
    }
    EXPECT_EQ(disagreements, 0);
    EXPECT_EQ(hands, step == 1 ? 2598960 : hands);
    for (int c = 0; c < hcCategoryCount; ++c)
        EXPECT_GT(perCategory[c], 0) << "no hand reached " << HandCategoryKey(c);
    int previous = -1;
    for (const auto& entry : valueOf) {
        EXPECT_GT(entry.second, previous);
        previous = entry.second;
    }
    if (step == 1) {
        EXPECT_EQ(valueOf.size(), evaluator.ValueCount());
    }
}

// Every entry point that takes five cards refuses a card given twice, one
// below 0 and one past the deck, and leaves what it would fill alone.
TEST(BadHands, AreRefusedByEveryEntryPoint)
{
    const int hands[][5] = {{0, 13, 13, 26, 39}, {-1, 13, 14, 26, 39}, {0, 13, 14, 26, 52}};
    const bool known[52] = {};
    for (const auto& hand : hands) {
        const std::string what = testing::PrintToString(std::vector<int>(hand, hand + 5));
        EXPECT_EQ(CHandEvaluator::Instance().Evaluate(hand), -1) << what;
        EXPECT_EQ(UsualPlayDrawCount(hand), -1) << what;
        EXPECT_EQ(UsualPlayKeepMask(hand), 0u) << what;
        EXPECT_TRUE(AnalyzeDraws(hand, known).empty()) << what;
        EXPECT_TRUE(AnalyzeDraws(hand, nullptr).empty()) << what;
        TShowdownCounts counts{11, 1, 2, 8};
        EXPECT_FALSE(CountShowdown(hand, nullptr, counts)) << what;
        EXPECT_EQ(counts.m_nHands, 11u) << what;
        EXPECT_EQ(counts.m_nBeating + counts.m_nTying + counts.m_nLosing, 11u) << what;
    }
    EXPECT_STREQ(HandCategoryKey(-1), "");
    EXPECT_STREQ(HandCategoryKey(hcCategoryCount), "");
}

} // namespace
