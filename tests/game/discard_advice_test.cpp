#include <gtest/gtest.h>

#include "ConfirmedHand.h"
#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "StringTable.h"

namespace {

// One dealt hand, the codes its analysis gives, and its advice: a stored
// paragraph (lead), the text the formatting must produce, and a stored
// paragraph after it (tail). Ids of 0 stand for no stored part.
struct TAdvisedHand {
    const char* m_pName;
    const char* m_pCards;
    int m_nFormation;
    int m_nDrawCode;
    unsigned m_nLeadId;
    const char* m_pFormatted;
    unsigned m_nTailId;
};

std::string Expected(const TAdvisedHand& hand)
{
    return (hand.m_nLeadId ? LoadString(hand.m_nLeadId) : "") + hand.m_pFormatted +
           (hand.m_nTailId ? LoadString(hand.m_nTailId) : "");
}

std::string NameOf(const testing::TestParamInfo<TAdvisedHand>& info) { return info.param.m_pName; }

class DealtHandAdvice : public testing::TestWithParam<TAdvisedHand> {};

TEST_P(DealtHandAdvice, GivesTheParagraphOfTheHandsPattern)
{
    const TAdvisedHand& hand = GetParam();
    CCardDistributionManager manager;
    ConfirmCards(manager, hand.m_pCards);
    ASSERT_EQ(manager.m_nFormation, hand.m_nFormation) << "analysis of " << hand.m_pCards;
    ASSERT_EQ(manager.m_nDrawCode, hand.m_nDrawCode) << "analysis of " << hand.m_pCards;

    EXPECT_EQ(BuildAdvice(manager), Expected(hand));
}

const TAdvisedHand kHandsWithoutAPair[] = {
    {"OneHighCard", "2d 4c 7s 9s Qc", 1, 0, 151, "", 0},
    {"TwoHighCards", "3s 4c 8d Tc Kd", 2, 0, 152, "", 0},
    {"ThreeSuitedCards", "4c 7c 9d Kh Ac", 3, 0, 153, "", 0},
    {"FourSuitedCards", "2s 4h 8h Jh Kh", 4, 0, 154, "", 0},
};
INSTANTIATE_TEST_SUITE_P(HandsWithoutAPair, DealtHandAdvice, testing::ValuesIn(kHandsWithoutAPair), NameOf);

const TAdvisedHand kThreeStraightCards[] = {
    {"WindowWithoutGap", "2c 6s 7d 8c Kh", 5, 0, 0,
     "You may keep the three straight cards and discard the rest, playing for straight.\r\n"
     "The probability of succeeding is 4.440% (21.52 : 1 odds).",
     0},
    {"WindowFromTheTwo", "2c 3s 4d 9c Kh", 5, 0, 0,
     "You may keep the three straight cards and discard the rest, playing for straight.\r\n"
     "The probability of succeeding is 2.960% (32.78 : 1 odds).",
     0},
    {"WindowWithTwoGaps", "2d 4s 6h Jc Kd", 5, 0, 0,
     "You may keep the three straight cards and discard the rest, playing for straight.\r\n"
     "The probability of succeeding is 1.480% (66.57 : 1 odds).",
     0},
    {"SeveralWindows", "5c 7c 9h Jd Qh", 5, 0, 0,
     "You may keep the three straight cards from the highest straight and discard the rest, playing for "
     "straight.\r\nThe probability of succeeding is 2.960% (32.78 : 1 odds).",
     0},
    {"SeveralWindowsAndThreeSuited", "2c 7c 9c Jd Kh", 5, 4, 0,
     "1) You may keep the three straight cards from the highest straight and discard the rest, playing for "
     "straight.\r\nThe probability of succeeding is 1.480% (66.57 : 1 odds).\r\n\r\n2) ",
     192},
    {"AndFourSuited", "2c 6c 7c 8c Kh", 5, 5, 0,
     "1) You may keep the three straight cards and discard the rest, playing for straight.\r\n"
     "The probability of succeeding is 4.440% (21.52 : 1 odds).\r\n\r\n2) ",
     191},
};
INSTANTIATE_TEST_SUITE_P(ThreeStraightCards, DealtHandAdvice, testing::ValuesIn(kThreeStraightCards), NameOf);

const TAdvisedHand kFourStraightCards[] = {
    {"InsideStraight", "3c Js Qd Kc Ah", 6, 0, 0,
     "You may keep the four straight cards and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 8.510% (10.75 : 1 odds).",
     0},
    {"SeveralInsideWindows", "2h 3d 5c 6c Ah", 6, 0, 0,
     "You may keep the four straight cards from the highest straight and discard the card left, playing for "
     "straight.\r\nThe probability of succeeding is 8.510% (10.75 : 1 odds).",
     0},
    {"OpenEnded", "2c 5s 6d 7c 8h", 7, 0, 0,
     "You may keep the open-ended straight and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 17.021% (4.88 : 1 odds).",
     0},
    {"OpenEndedBesideAnInsideWindow", "3c 4s 5c 6h Ah", 7, 0, 0,
     "You may keep the open-ended straight and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 17.021% (4.88 : 1 odds).",
     0},
    {"InsideAndThreeSuited", "4h 5h 6h 8c Jd", 6, 4, 0,
     "1) You may keep the four straight cards and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 8.510% (10.75 : 1 odds).\r\n\r\n2) ",
     183},
    {"OpenEndedAndThreeSuited", "6s 7h 8s 9c Ks", 7, 4, 0,
     "1) You may keep the open-ended straight and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 17.021% (4.88 : 1 odds).\r\n\r\n2) ",
     183},
    {"InsideAndFourSuitedOutsideTheWindow", "4h 6h 7h 8c Qh", 6, 5, 0,
     "1) You may keep the four straight cards and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 8.510% (10.75 : 1 odds).\r\n\r\n"
     "2) You may keep the four suited cards and discard the off-suit card, playing for flush.\r\n"
     "The probability of succeeding is 19.148% (4.22 : 1 odds).",
     0},
    {"SeveralInsideWindowsAndFourSuited", "6s 7s 9s Tc Js", 6, 5, 0,
     "1) You may keep the four straight cards from the highest straight and discard the card left, playing for "
     "straight.\r\nThe probability of succeeding is 8.510% (10.75 : 1 odds).\r\n\r\n"
     "2) You may keep the four suited cards and discard the off-suit card, playing for flush.\r\n"
     "The probability of succeeding is 19.148% (4.22 : 1 odds).",
     0},
    {"OpenEndedAndFourSuitedOutsideTheWindow", "2c 9c Tc Jc Qh", 7, 5, 0,
     "1) You may keep the open-ended straight and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is 17.021% (4.88 : 1 odds).\r\n\r\n"
     "2) You may keep the four suited cards and discard the off-suit card, playing for flush.\r\n"
     "The probability of succeeding is 19.148% (4.22 : 1 odds).",
     0},
    {"InsideStraightFlushWindow", "6d Tc Jc Qc Ac", 6, 5, 0,
     "You may keep the four straight flush cards and discard the off-suit card, playing for:\r\n"
     " - straight (probability: 8.510%, odds: 10.75 : 1) or\r\n"
     " - flush (probability: 19.148%, odds: 4.22 : 1 ).\r\n"
     "The probability of succeeding is 25.531% (2.92 : 1 odds), from which the probability of achieving "
     "straight flush is 2.127% (46.01 : 1 odds).",
     0},
    {"OpenEndedStraightFlushWindow", "Th Jh Qh Kh 3c", 7, 5, 0,
     "You may keep the four straight flush cards and discard the off-suit card, playing for:\r\n"
     " - straight (probability: 17.021%, odds: 4.88 : 1) or\r\n"
     " - flush (probability: 19.148%, odds: 4.22 : 1 ).\r\n"
     "The probability of succeeding is 31.914% (2.13 : 1 odds), from which the probability of achieving "
     "straight flush is 4.255% (22.50 : 1 odds).",
     0},
};
INSTANTIATE_TEST_SUITE_P(FourStraightCards, DealtHandAdvice, testing::ValuesIn(kFourStraightCards), NameOf);

const TAdvisedHand kOnePair[] = {
    {"Alone", "2d 8h 9s Ks Kc", 8, 0, 150, "", 0},
    {"AndAHighCard", "Kc Kd Ah 7s 2c", 8, 1, 158, "", 0},
    {"AndTwoHighCards", "2d 2s 4c Jh Qh", 8, 2, 167, "", 0},
    {"AndThreeSuitedCards", "4c 4h 5s 9s Js", 8, 4, 165, "", 0},
    {"AndFourSuitedCards", "4h 4s 8h Qh Ah", 8, 5, 166, "", 0},
    {"AndOneThreeStraightWindow", "3h 6h 8h 8s 9d", 8, 6, 0,
     "1) You may keep the pair and discard the rest, playing for:\r\n"
     " - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n"
     " - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n"
     " - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n"
     " - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\n"
     "The probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\r\n"
     "2) You may keep the three cards from the straight and discard the rest, playing for straight. \r\n"
     "The probability of succeeding is  2.960% (32.78 : 1 odds).",
     0},
    {"AndSeveralThreeStraightWindows", "2c 2d 5h 6s 8c", 8, 6, 0,
     "1) You may keep the pair and discard the rest, playing for:\r\n"
     " - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n"
     " - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n"
     " - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n"
     " - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\n"
     "The probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\r\n"
     "2) You may keep the three cards from the highest straight and discard the rest, playing for straight. \r\n"
     "The probability of succeeding is  2.960% (32.78 : 1 odds).",
     0},
    {"AndFourStraightCards", "8d Ts Th Jh Qs", 8, 7, 169,
     "2) You may keep the four straight cards and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is  8.510% (10.75 : 1 odds).",
     0},
    {"AndFourCardsFromAStraightFlush", "As Ah Jh Qh Kh", 8, 7, 169,
     "2) You may keep the four straight flush cards and discard the off-suit card, playing for:\r\n"
     " - straight (probability: 8.510%, odds: 10.75 : 1) or\r\n"
     " - flush (probability: 19.148%, odds: 4.22 : 1 ).\r\n"
     "The probability of succeeding is 25.531% (2.92 : 1 odds), from which the probability of achieving "
     "straight flush is 2.127% (46.01 : 1 odds).",
     0},
    {"AndAnOpenEndedStraight", "4s 4h 5d 6c 7c", 8, 8, 169,
     "2) You may keep the four straight cards and discard the card left, playing for straight.\r\n"
     "The probability of succeeding is  17.021% (4.88 : 1 odds).",
     0},
    {"AndAnOpenEndedStraightFlush", "4h 5h 6h 7h 4s", 8, 8, 169,
     "2) You may keep the four straight flush cards and discard the off-suit card, playing for:\r\n"
     " - straight (probability: 17.021%, odds: 4.88 : 1) or\r\n"
     " - flush (probability: 19.148%, odds: 4.22 : 1 ).\r\n"
     "The probability of succeeding is 31.914% (2.13 : 1 odds), from which the probability of achieving "
     "straight flush is 4.255% (22.50 : 1 odds).",
     0},
};
INSTANTIATE_TEST_SUITE_P(OnePair, DealtHandAdvice, testing::ValuesIn(kOnePair), NameOf);

const TAdvisedHand kTwoPairs[] = {
    {"WithALowCard", "2h 2s 5h Qc Qs", 9, 0, 161, "", 0},
    {"WithAnAce", "Qs Qh 5d 5c Ac", 9, 1, 162, "", 0},
    {"WithThreeSuitedCards", "2s 9h 9s Kd Ks", 9, 4, 171, "", 0},
    {"WithThreeStraightCards", "7h 8c 8h 9s 9h", 9, 6, 0,
     "1) You may keep the pairs and discard the unpaired card, playing for full house.\r\n"
     "The probability of succeeding is 8.510% (10.75 : 1 odds).\r\n\r\n"
     "2) You may keep the straight cards and discard the rest, playing for straight.\r\n"
     "The probability of succeeding is 4.440% (21.52 : 1 odds).",
     0},
};
INSTANTIATE_TEST_SUITE_P(TwoPairs, DealtHandAdvice, testing::ValuesIn(kTwoPairs), NameOf);

const TAdvisedHand kThreeOfAKind[] = {
    {"Alone", "3d Ts Kc Ks Kd", 10, 0, 163, "", 0},
    {"WithThreeSuitedCards", "2c 2s 2d 7d Kd", 10, 4, 173, "", 0},
    {"WithThreeStraightCards", "7s 7h 7d 8c 9c", 10, 6, 0,
     "1) You may keep the triple and discard the rest, playing for:\r\n"
     " - full house (probability: 6.105%, odds: 15.38 : 1) or\r\n"
     " - four of a kind (probability: 4.255%, odds: 22.50 : 1).\r\n"
     "The probability of succeeding is 10.360% (8.65 : 1 odds).\r\n\r\n"
     "2) You may keep the three straight cards and discard the rest, playing for straight.\r\n"
     "The probability of succeeding is 4.440% (21.52 : 1 odds).",
     0},
};
INSTANTIATE_TEST_SUITE_P(ThreeOfAKind, DealtHandAdvice, testing::ValuesIn(kThreeOfAKind), NameOf);

const TAdvisedHand kMadeHands[] = {
    {"Straight", "2s 3h 4d 5c 6c", 11, 0, 117, "", 0},
    {"Flush", "2h 5h 8h Jh Ah", 12, 0, 117, "", 0},
    {"FullHouse", "Ks Kh Kd As Ah", 13, 0, 117, "", 0},
    {"FourOfAKind", "As Ah Ad Ac Ks", 14, 0, 119, "", 0},
    {"StraightFlush", "9h Th Jh Qh Kh", 15, 0, 117, "", 0},
    {"RoyalFlush", "Th Jh Qh Kh Ah", 16, 0, 117, "", 0},
};
INSTANTIATE_TEST_SUITE_P(MadeHands, DealtHandAdvice, testing::ValuesIn(kMadeHands), NameOf);

TEST(StraightFlushDrawCount, IsLeftByTheAdviceForTheSentence)
{
    CCardDistributionManager manager;
    ConfirmCards(manager, "As Ah Jh Qh Kh");
    ASSERT_EQ(manager.m_nStraightFlushDraws, 0);

    BuildAdvice(manager);
    EXPECT_EQ(manager.m_nStraightFlushDraws, 1);
}

// Codes set directly: patterns no five-card hand produces.
class AdviceForCodes : public testing::Test {
protected:
    std::string Advise(int formation, int drawCode)
    {
        m_manager.m_nFormation = formation;
        m_manager.m_nDrawCode = drawCode;
        return BuildAdvice(m_manager);
    }
    CCardDistributionManager m_manager;
};

TEST_F(AdviceForCodes, UnknownPairsGiveNoAdvice)
{
    EXPECT_EQ(Advise(0, 0), "");
    EXPECT_EQ(Advise(5, 1), "");
    EXPECT_EQ(Advise(6, 6), "");
    EXPECT_EQ(Advise(7, 2), "");
    EXPECT_EQ(Advise(9, 2), "");
    EXPECT_EQ(Advise(10, 1), "");
    EXPECT_EQ(Advise(17, 0), "");
}

TEST_F(AdviceForCodes, PairWithSeveralHighCardsIsAdvisedAsWithTwo)
{
    EXPECT_EQ(Advise(8, 3), LoadString(167));
}

}  // namespace
