#include <gtest/gtest.h>

#include "ManagerTestSupport.h"
#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "StringTable.h"

namespace {

const std::string kInvitation = "\r\n" + LoadString(196);

// The view's order: analysis, advice, then the sentence. A dealt hand is
// named with its draws and an invitation to discard; after the draw, the
// final hand names its made formation only.
TEST(HandSentence, NamesTheDealtHandAndItsDrawsTheFinalHandItsFormationOnly)
{
    const struct { const char* m_pDealt; const char* m_pDiscarded; const char* m_pDrawn; const char* m_pSentence; }
        kGames[] = {
            {"2d 4c 7s 9s Qc", "", "", "You hold a high card."},
            {"2c 7c 9c Jd Kh", "", "", "You hold three cards from a straight and three suited cards."},
            {"4h 6h 7h 8c Qh", "", "", "You hold four cards from a straight and four suited cards."},
            {"6d Tc Jc Qc Ac", "", "", "You hold four cards from a straight flush."},
            {"Th Jh Qh Kh 3c", "", "", "You hold an open-ended straight flush."},
            // Two four-card windows: the open-ended one names the hand, unless
            // the gapped one is the straight-flush draw.
            {"5c 6d 7h 8s Tc", "", "", "You hold an open-ended straight."},
            {"5h 6h 7h 8h Tc", "", "", "You hold an open-ended straight flush."},
            {"5c 6d 7d 8d Td", "", "", "You hold four cards from a straight flush."},
            {"Kc Kd Ah 7s 2c", "", "", "You hold one pair and a high card."},
            {"5s 5h Kd Qc 2h", "", "", "You hold one pair and two high cards."},
            {"8d Ts Th Jh Qs", "", "", "You hold one pair and four cards from a straight."},
            {"As Ah Jh Qh Kh", "", "", "You hold one pair and four cards from a straight flush."},
            {"4h 5h 6h 7h 4s", "", "", "You hold one pair and an open-ended straight flush."},
            {"2c 2s 2d 7d Kd", "", "", "You hold three of a kind and three suited cards."},
            {"Th Jh Qh Kh Ah", "", "", "You hold royal flush."},
            {"3c 6s 9d Qc 5h", "5h", "Ah", "You hold no valuable formation."},
            {"As Ah Jh Qh Kh", "Kh", "Kc", "You hold one pair."},
            {"Qs Qh 5d 5c 9h", "9h", "Ac", "You hold two pair."},
            {"Kc Kd Ah 7s 2c", "Ah 7s 2c", "Ks 4d 9d", "You hold three of a kind."},
            {"2d 4c 7s 9s Qc", "2d 4c 7s 9s Qc", "Ah Ad Ac As Kh", "You hold four of a kind."},
        };
    for (const auto& game : kGames) {
        CCardDistributionManager manager = AnalyzedHand(game.m_pDealt);
        BuildAdvice(manager);
        const bool dealt = !*game.m_pDiscarded;
        if (!dealt)
            PlayAndAnalyze(manager, TDrawState{{}, Cards(game.m_pDiscarded), Cards(game.m_pDrawn)});
        EXPECT_EQ(DescribeHand(manager, dealt), game.m_pSentence + (dealt ? kInvitation : "")) << game.m_pDealt;
    }
}

// Codes set directly, without cards: pairs of codes no five-card hand
// produces have no sentence, and no advice (a figure needs the cards).
TEST(HandSentenceForCodes, UnknownPairsGiveNoSentenceAndNoAdvice)
{
    const struct { int m_nFormation, m_nDrawCode; bool m_bSentence, m_bAdvice; } kCodes[] = {
        {0, 0, true, true}, {5, 1, true, true}, {9, 2, true, true}, {10, 1, true, true}, {17, 0, true, true},
        {7, 8, true, false}, {1, 0, false, true}, {8, 3, false, true}, {6, 6, false, true}, {7, 2, false, true}};
    for (const auto& codes : kCodes) {
        CCardDistributionManager manager;
        manager.m_nFormation = codes.m_nFormation;
        manager.m_nDrawCode = codes.m_nDrawCode;
        if (codes.m_bAdvice) {
            EXPECT_EQ(BuildAdvice(manager), "") << codes.m_nFormation << " " << codes.m_nDrawCode;
        }
        if (codes.m_bSentence) {
            EXPECT_EQ(DescribeHand(manager, true), "") << codes.m_nFormation << " " << codes.m_nDrawCode;
        }
    }
}

TEST(HandSentenceForCodes, SeveralStraightFlushWindowsAreNamedAsAStraightDraw)
{
    CCardDistributionManager manager;
    manager.m_nFormation = 6;
    manager.m_nDrawCode = 5;
    manager.m_nStraightFlushDraws = 2;
    EXPECT_EQ(DescribeHand(manager, true), "You hold four cards from a straight and four suited cards." + kInvitation);
    manager.m_nDrawCode = 3;
    manager.m_nFormation = 8;
    EXPECT_EQ(DescribeHand(manager, true), "You hold one pair and high cards." + kInvitation);
}

}  // namespace
