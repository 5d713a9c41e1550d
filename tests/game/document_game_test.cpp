// A game played through the document ends with the figures of the cards the
// player holds: the thrown cards are gone from his hand and from every
// opponent's, as the plain enumeration counts them.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

TEST(DocumentGame, FinalFiguresAreThoseOfTheCardsHeld)
{
    CPokerDoc doc;
    for (const int card : Cards("Kh Kd 5c 8s 3h"))
        ASSERT_TRUE(doc.TogglePick(card));
    ASSERT_TRUE(doc.ConfirmCards());
    ASSERT_TRUE(doc.MarkPlaces(0b11000));  // 5c and 3h: the hand shows Kd Kh 8s 5c 3h
    ASSERT_TRUE(doc.Discard());
    for (const int card : Cards("Ks 2d"))
        ASSERT_TRUE(doc.TogglePick(card));
    ASSERT_TRUE(doc.ConfirmCards());

    const TBruteForceCounts plain = CountOpponentHands(Cards("Kh Kd 5c 8s 3h Ks 2d"), Cards("2d Kd Ks Kh 8s"));
    const TShowdownCounts& counts = doc.GetResult().m_showdownCounts;
    EXPECT_EQ(static_cast<double>(counts.m_nHands), plain.m_dTotal);
    EXPECT_EQ(static_cast<double>(counts.m_nBeating), plain.m_dRulesAbove);
    EXPECT_EQ(static_cast<double>(counts.m_nTying), plain.m_dRulesLevel);
}
