// The usual play of an opponent: each rule, and the edges where the wrong
// rule would be easy to take, as hands and the cards kept.

#include "UsualPlay.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct TUsualPlayCase {
    const char* m_szHand;
    const char* m_szKept;  // the cards the usual play keeps, in any order
};

const TUsualPlayCase kCases[] = {
    // Made hands stand pat.
    {"9c Tc Jd Qh Ks", "9c Tc Jd Qh Ks"},       // straight
    {"Ah 2c 3d 4s 5h", "Ah 2c 3d 4s 5h"},       // the wheel
    {"2h 7h 9h Jh Kh", "2h 7h 9h Jh Kh"},       // flush
    {"8c 8d 8h 3s 3c", "8c 8d 8h 3s 3c"},       // full house
    {"6c 6d 6h 6s Ac", "6c 6d 6h 6s Ac"},       // four of a kind
    {"5d 6d 7d 8d 9d", "5d 6d 7d 8d 9d"},       // straight flush
    // Sets and pairs keep the matched cards.
    {"Qc Qd Qh 9s 2c", "Qc Qd Qh"},
    {"Jc Jd 4h 4s Ac", "Jc Jd 4h 4s"},
    {"Kd Ks 8s 4h 2c", "Kd Ks"},
    // A pair beats four to a flush, and an open straight draw.
    {"3h 3c 8h Jh Ah", "3h 3c"},
    {"7c 7d 8h 9s Tc", "7c 7d"},
    // Four to a flush beats an open straight draw.
    {"5h 6h 7h 8c Kh", "5h 6h 7h Kh"},
    {"2s 3s 4s 5c Ks", "2s 3s 4s Ks"},
    // Open straight draws at both ends of the range.
    {"2c 3d 4h 5s Kc", "2c 3d 4h 5s"},
    {"Tc Jd Qh Ks 3c", "Tc Jd Qh Ks"},
    // Not open at both ends: the Ace ends them.
    {"Ac 2d 3h 4s 9c", "Ac"},
    {"Jc Qd Kh As 4c", "As"},
    // A gap is no open draw.
    {"5c 6d 8h 9s 2c", ""},
    // High cards: the Ace before the King, a King alone, nothing below.
    {"Ac Kd 9h 6s 2c", "Ac"},
    {"Kc Qd 9h 6s 2c", "Kc"},
    {"Qc Jd 9h 6s 2c", ""},
};

std::vector<int> Sorted(std::vector<int> cards)
{
    std::sort(cards.begin(), cards.end());
    return cards;
}

TEST(UsualPlay, KeepsWhatTheFirstMatchingRuleKeeps)
{
    for (const TUsualPlayCase& c : kCases) {
        const std::vector<int> hand = Cards(c.m_szHand);
        const unsigned mask = UsualPlayKeepMask(hand.data());
        std::vector<int> kept;
        for (int i = 0; i < 5; ++i)
            if (mask >> i & 1u)
                kept.push_back(hand[static_cast<size_t>(i)]);
        EXPECT_EQ(Sorted(kept), Sorted(Cards(c.m_szKept))) << c.m_szHand;
        EXPECT_EQ(UsualPlayDrawCount(hand.data()), 5 - static_cast<int>(kept.size())) << c.m_szHand;
    }
}

TEST(UsualPlay, RefusesHandsThatAreNotFiveDistinctCards)
{
    const int hands[][5] = {{0, 13, 13, 26, 39}, {-1, 13, 14, 26, 39}, {0, 13, 14, 26, 52}};
    for (const auto& hand : hands) {
        EXPECT_EQ(UsualPlayDrawCount(hand), -1);
        EXPECT_EQ(UsualPlayKeepMask(hand), 0u);
    }
}

} // namespace
