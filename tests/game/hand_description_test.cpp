#include <gtest/gtest.h>

#include "ConfirmedHand.h"
#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "StringTable.h"

namespace {

const std::string kInvitation = "\r\n" + LoadString(196);

// One dealt hand, the codes its analysis gives, and the sentence that names it.
struct TDescribedHand {
    const char* m_pName;
    const char* m_pCards;
    int m_nFormation;
    int m_nDrawCode;
    const char* m_pSentence;
};

std::string NameOf(const testing::TestParamInfo<TDescribedHand>& info) { return info.param.m_pName; }

class InitialHandSentence : public testing::TestWithParam<TDescribedHand> {};

// The view's order for a dealt hand: analysis, advice, then the sentence.
TEST_P(InitialHandSentence, NamesTheHandAndInvitesToDiscard)
{
    const TDescribedHand& hand = GetParam();
    CCardDistributionManager manager;
    ConfirmCards(manager, hand.m_pCards);
    ASSERT_EQ(manager.m_nFormation, hand.m_nFormation) << "analysis of " << hand.m_pCards;
    ASSERT_EQ(manager.m_nDrawCode, hand.m_nDrawCode) << "analysis of " << hand.m_pCards;
    BuildAdvice(manager);

    EXPECT_EQ(DescribeHand(manager, true), hand.m_pSentence + kInvitation);
}

const TDescribedHand kHandsWithoutAPairOrDraw[] = {
    {"OneHighCard", "2d 4c 7s 9s Qc", 1, 0, "You hold a high card."},
    {"TwoHighCards", "3s 4c 8d Tc Kd", 2, 0, "You hold two high cards."},
    {"TenCountsAsHighCard", "2c 5s 8d Tc Kh", 2, 0, "You hold two high cards."},
    {"ThreeSuitedCards", "4c 7c 9d Kh Ac", 3, 0, "You hold three suited cards."},
    {"FourSuitedCards", "2s 4h 8h Jh Kh", 4, 0, "You hold four suited cards."},
};
INSTANTIATE_TEST_SUITE_P(HandsWithoutAPair, InitialHandSentence, testing::ValuesIn(kHandsWithoutAPairOrDraw), NameOf);

const TDescribedHand kStraightDraws[] = {
    {"ThreeStraightCards", "2c 6s 7d 8c Kh", 5, 0, "You hold three cards from a straight."},
    {"ThreeStraightCardsAndThreeSuited", "2c 7c 9c Jd Kh", 5, 4,
     "You hold three cards from a straight and three suited cards."},
    {"ThreeStraightCardsAndFourSuited", "2c 6c 7c 8c Kh", 5, 5,
     "You hold three cards from a straight and four suited cards."},
    {"FourStraightCards", "3c Js Qd Kc Ah", 6, 0, "You hold four cards from a straight."},
    {"FourStraightCardsAndThreeSuited", "4h 5h 6h 8c Jd", 6, 4,
     "You hold four cards from a straight and three suited cards."},
    {"FourStraightCardsAndFourSuitedOutsideTheWindow", "4h 6h 7h 8c Qh", 6, 5,
     "You hold four cards from a straight and four suited cards."},
    {"FourCardsFromAStraightFlush", "6d Tc Jc Qc Ac", 6, 5, "You hold four cards from a straight flush."},
    {"OpenEndedStraight", "2c 5s 6d 7c 8h", 7, 0, "You hold an open-ended straight."},
    {"OpenEndedStraightAndThreeSuited", "6s 7h 8s 9c Ks", 7, 4,
     "You hold an open-ended straight and three suited cards."},
    {"OpenEndedStraightAndFourSuitedOutsideTheWindow", "2c 9c Tc Jc Qh", 7, 5,
     "You hold an open-ended straight and four suited cards."},
    {"OpenEndedStraightFlush", "Th Jh Qh Kh 3c", 7, 5, "You hold an open-ended straight flush."},
};
INSTANTIATE_TEST_SUITE_P(StraightDraws, InitialHandSentence, testing::ValuesIn(kStraightDraws), NameOf);

const TDescribedHand kOnePair[] = {
    {"Alone", "2d 8h 9s Ks Kc", 8, 0, "You hold one pair."},
    {"AndAHighCard", "Kc Kd Ah 7s 2c", 8, 1, "You hold one pair and a high card."},
    {"AndTwoHighCards", "2d 2s 4c Jh Qh", 8, 2, "You hold one pair and two high cards."},
    {"AndThreeSuitedCards", "4c 4h 5s 9s Js", 8, 4, "You hold one pair and three suited cards."},
    {"AndFourSuitedCards", "4h 4s 8h Qh Ah", 8, 5, "You hold one pair and four suited cards."},
    {"AndThreeStraightCards", "2c 2d 5h 6s 8c", 8, 6, "You hold one pair and three cards from a straight."},
    {"AndFourStraightCards", "8d Ts Th Jh Qs", 8, 7, "You hold one pair and four cards from a straight."},
    {"AndFourCardsFromAStraightFlush", "As Ah Jh Qh Kh", 8, 7,
     "You hold one pair and four cards from a straight flush."},
    {"AndAnOpenEndedStraight", "4s 4h 5d 6c 7c", 8, 8, "You hold one pair and an open-ended straight."},
    {"AndAnOpenEndedStraightFlush", "4h 5h 6h 7h 4s", 8, 8, "You hold one pair and an open-ended straight flush."},
};
INSTANTIATE_TEST_SUITE_P(OnePair, InitialHandSentence, testing::ValuesIn(kOnePair), NameOf);

const TDescribedHand kTwoPairs[] = {
    {"WithALowCard", "2h 2s 5h Qc Qs", 9, 0, "You hold two pairs."},
    {"WithAHighCard", "Qs Qh 5d 5c Ac", 9, 1, "You hold two pairs and a high card."},
    {"WithThreeSuitedCards", "2s 9h 9s Kd Ks", 9, 4, "You hold two pairs and three suited cards."},
    {"WithThreeStraightCards", "7h 8c 8h 9s 9h", 9, 6, "You hold two pairs and three cards from a straight."},
};
INSTANTIATE_TEST_SUITE_P(TwoPairs, InitialHandSentence, testing::ValuesIn(kTwoPairs), NameOf);

const TDescribedHand kThreeOfAKind[] = {
    {"Alone", "3d Ts Kc Ks Kd", 10, 0, "You hold three of a kind."},
    {"WithThreeSuitedCards", "2c 2s 2d 7d Kd", 10, 4, "You hold three of a kind and three suited cards."},
    {"WithThreeStraightCards", "7s 7h 7d 8c 9c", 10, 6, "You hold three of a kind and three cards from a straight."},
};
INSTANTIATE_TEST_SUITE_P(ThreeOfAKind, InitialHandSentence, testing::ValuesIn(kThreeOfAKind), NameOf);

const TDescribedHand kMadeHands[] = {
    {"Straight", "2s 3h 4d 5c 6c", 11, 0, "You hold a straight."},
    {"StraightToTheAce", "Ts Js Qd Kc Ac", 11, 0, "You hold a straight."},
    {"Flush", "2h 5h 8h Jh Ah", 12, 0, "You hold a flush."},
    {"FullHouse", "Ks Kh Kd As Ah", 13, 0, "You hold a full house."},
    {"FourOfAKind", "As Ah Ad Ac Ks", 14, 0, "You hold four of a kind."},
    {"StraightFlush", "9h Th Jh Qh Kh", 15, 0, "You hold a straight flush."},
    {"RoyalFlush", "Th Jh Qh Kh Ah", 16, 0, "You hold royal flush."},
};
INSTANTIATE_TEST_SUITE_P(MadeHands, InitialHandSentence, testing::ValuesIn(kMadeHands), NameOf);

// A whole game: the dealt cards, the ones thrown away, the replacements, and
// the final formation with its sentence.
struct TFinalHand {
    const char* m_pName;
    const char* m_pDealt;
    const char* m_pDiscarded;
    const char* m_pReplacements;
    int m_nFormation;
    const char* m_pSentence;
};

std::string FinalNameOf(const testing::TestParamInfo<TFinalHand>& info) { return info.param.m_pName; }

class FinalHandSentence : public testing::TestWithParam<TFinalHand> {};

TEST_P(FinalHandSentence, NamesTheMadeFormationOnlyWithoutInvitation)
{
    const TFinalHand& game = GetParam();
    CCardDistributionManager manager;
    ConfirmCards(manager, game.m_pDealt);
    BuildAdvice(manager);
    DescribeHand(manager, true);
    DiscardCards(manager, game.m_pDiscarded);
    ConfirmCards(manager, game.m_pReplacements);
    ASSERT_EQ(manager.m_nFormation, game.m_nFormation) << "analysis of the final hand";

    EXPECT_EQ(DescribeHand(manager, false), game.m_pSentence);
}

const TFinalHand kFinalHandsWithoutAFormation[] = {
    {"TwoHighCards", "3c 6s 9d Qc 5h", "5h", "Ah", 2, "You hold no valuable formation."},
    {"FourSuitedCards", "4h 8h Jh Kh Ks", "Ks", "2c", 4, "You hold no valuable formation."},
    {"ThreeStraightCards", "2d 4c 7s 9s Qc", "2d 4c 7s 9s", "3h 5h 8c Jd", 5, "You hold no valuable formation."},
    {"FourStraightCardsAndFourSuited", "4h 6h 7h 8c Kh", "Kh", "Qh", 6, "You hold no valuable formation."},
    {"OpenEndedStraightFlushDraw", "Th Jh Qh Kh Kc", "Kc", "3c", 7, "You hold no valuable formation."},
};
INSTANTIATE_TEST_SUITE_P(WithoutAFormation, FinalHandSentence, testing::ValuesIn(kFinalHandsWithoutAFormation),
                         FinalNameOf);

const TFinalHand kFinalMadeHands[] = {
    {"OnePairWithAStraightDraw", "4s 4h 5d 6c Kc", "Kc", "7c", 8, "You hold one pair."},
    // The deal held a straight-flush window; the final sentence ignores it.
    {"OnePairAfterAStraightFlushDraw", "As Ah Jh Qh Kh", "Kh", "Kc", 8, "You hold one pair."},
    {"TwoPairWithAHighCard", "Qs Qh 5d 5c 9h", "9h", "Ac", 9, "You hold two pair."},
    {"TwoPairWithThreeStraightCards", "7h 8c 8h 9s 2d", "2d", "9h", 9, "You hold two pair."},
    {"ThreeOfAKindWithThreeSuitedCards", "Kc Kd Ah 7s 2c", "Ah 7s 2c", "Ks 4d 9d", 10, "You hold three of a kind."},
    {"Straight", "2s 3h 4d 5c Kc", "Kc", "6c", 11, "You hold a straight."},
    {"Flush", "2h 5h 8h Jh 3c", "3c", "Ah", 12, "You hold a flush."},
    {"FullHouse", "Ks Kh 4d As Ah", "4d", "Kd", 13, "You hold a full house."},
    {"FourOfAKindAfterDiscardingAll", "2d 4c 7s 9s Qc", "2d 4c 7s 9s Qc", "Ah Ad Ac As Kh", 14,
     "You hold four of a kind."},
    {"StraightFlush", "9h Th Jh Qh 3c", "3c", "Kh", 15, "You hold a straight flush."},
    {"RoyalFlush", "Th Jh Qh Kh 3c", "3c", "Ah", 16, "You hold royal flush."},
};
INSTANTIATE_TEST_SUITE_P(MadeFormation, FinalHandSentence, testing::ValuesIn(kFinalMadeHands), FinalNameOf);

// Codes set directly: pairs of codes no five-card hand produces.
class HandSentenceForCodes : public testing::Test {
protected:
    std::string Describe(int formation, int drawCode, bool initialHand)
    {
        m_manager.m_nFormation = formation;
        m_manager.m_nDrawCode = drawCode;
        return DescribeHand(m_manager, initialHand);
    }
    CCardDistributionManager m_manager;
};

TEST_F(HandSentenceForCodes, UnknownPairsGiveNoSentenceAndNoInvitation)
{
    EXPECT_EQ(Describe(0, 0, true), "");
    EXPECT_EQ(Describe(5, 1, true), "");
    EXPECT_EQ(Describe(7, 8, true), "");
    EXPECT_EQ(Describe(9, 2, true), "");
    EXPECT_EQ(Describe(10, 1, true), "");
    EXPECT_EQ(Describe(17, 0, true), "");
}

TEST_F(HandSentenceForCodes, NothingOfValueReadsAsNoFormationInTheFinalHand)
{
    EXPECT_EQ(Describe(0, 0, false), "You hold no valuable formation.");
}

TEST_F(HandSentenceForCodes, PairWithSeveralHighCardsNamesThem)
{
    EXPECT_EQ(Describe(8, 3, true), "You hold one pair and high cards." + kInvitation);
}

TEST_F(HandSentenceForCodes, SeveralStraightFlushWindowsAreNamedAsAStraightDraw)
{
    m_manager.m_nStraightFlushDraws = 2;
    EXPECT_EQ(Describe(6, 5, true), "You hold four cards from a straight and four suited cards." + kInvitation);
}

TEST_F(HandSentenceForCodes, StraightDrawSentenceUsesTheGivenName)
{
    m_manager.m_nFormation = 6;
    m_manager.m_nDrawCode = 4;
    EXPECT_EQ(DescribeStraightDraw(m_manager, 146), "You hold an open-ended straight and three suited cards.");
    m_manager.m_nDrawCode = 6;
    EXPECT_EQ(DescribeStraightDraw(m_manager, 146), "");
}

}  // namespace
