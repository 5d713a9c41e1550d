// The table-driven five-card evaluator, against the plain classifier.

#include "BruteForce.h"
#include "HandEvaluator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

bool Sanitized()
{
    return std::getenv("QUINTARA_SANITIZED") != nullptr;
}

// The plain classifier's reading in the evaluator's categories (the plain
// one keeps royal flushes among straight flushes).
int PlainToCategory(const TPlainHand& plain)
{
    switch (plain.m_nCategory) {
    case pcHighCard: return hcNothing;
    case pcOnePair: return hcOnePair;
    case pcTwoPair: return hcTwoPair;
    case pcThreeOfAKind: return hcThreeOfAKind;
    case pcStraight: return hcStraight;
    case pcFlush: return hcFlush;
    case pcFullHouse: return hcFullHouse;
    case pcFourOfAKind: return hcFourOfAKind;
    case pcStraightFlush: return plain.m_nStraightTop == 12 ? hcRoyalFlush : hcStraightFlush;
    default: return -1;
    }
}

std::string HandText(const int cards[5])
{
    static const char kRanks[] = "A23456789TJQK";
    static const char kSuits[] = "cdhs";
    std::string text;
    for (int i = 0; i < 5; ++i) {
        text += kRanks[cards[i] % 13];
        text += kSuits[cards[i] / 13];
        text += ' ';
    }
    return text;
}

TEST(HandEvaluator, AgreesWithThePlainClassifierOnEveryHand)
{
    // Under the sanitizers every seventh first card keeps the run short
    // while still crossing every category.
    const int step = Sanitized() ? 7 : 1;
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    double hands = 0, disagreements = 0;
    double perCategory[hcCategoryCount] = {};
    int cards[5];
    for (cards[0] = 0; cards[0] < 52; cards[0] += step)
    for (cards[1] = cards[0] + 1; cards[1] < 52; ++cards[1])
    for (cards[2] = cards[1] + 1; cards[2] < 52; ++cards[2])
    for (cards[3] = cards[2] + 1; cards[3] < 52; ++cards[3])
    for (cards[4] = cards[3] + 1; cards[4] < 52; ++cards[4]) {
        hands += 1;
        const int expected = PlainToCategory(ClassifyPlain(cards));
        const int actual = evaluator.Evaluate(cards);
        if (actual >= 0 && actual < hcCategoryCount)
            perCategory[actual] += 1;
        if (actual != expected && ++disagreements <= 5)
            ADD_FAILURE() << HandText(cards) << "evaluated " << actual << ", expected " << expected;
    }
    EXPECT_EQ(disagreements, 0);
    if (step == 1) {
        EXPECT_EQ(hands, 2598960);
    }
    for (int c = 0; c < hcCategoryCount; ++c)
        EXPECT_GT(perCategory[c], 0) << "no hand reached " << HandCategoryKey(c);
}

TEST(HandEvaluator, RefusesRepeatedOrOutOfRangeCards)
{
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    const int repeated[5] = {0, 13, 13, 26, 39};
    const int negative[5] = {-1, 13, 14, 26, 39};
    const int tooLarge[5] = {0, 13, 14, 26, 52};
    EXPECT_EQ(evaluator.Evaluate(repeated), -1);
    EXPECT_EQ(evaluator.Evaluate(negative), -1);
    EXPECT_EQ(evaluator.Evaluate(tooLarge), -1);
}

TEST(HandEvaluator, CategoryKeysAreTheMachineReadableNames)
{
    const char* const expected[hcCategoryCount] = {
        "nothing", "one_pair", "two_pair", "three_of_a_kind", "straight", "flush",
        "full_house", "four_of_a_kind", "straight_flush", "royal_flush"};
    for (int c = 0; c < hcCategoryCount; ++c)
        EXPECT_STREQ(HandCategoryKey(c), expected[c]);
    EXPECT_STREQ(HandCategoryKey(-1), "");
    EXPECT_STREQ(HandCategoryKey(hcCategoryCount), "");
}

} // namespace
