// quintara-odds --holds: every way to keep cards from the dealt hand, best
// first, as the engine's draw analysis ranks them.
#include "CardText.h"
#include "DrawAnalysis.h"
#include "HandOrder.h"
#include "JsonReader.h"
#include "OddsRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::vector<std::string> kPairHand{"8c", "8d", "Kh", "5s", "2c"};
const std::vector<std::string> kStraightHand{"5c", "6d", "7h", "8s", "9c"};

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

std::vector<TJson> HoldsOf(const std::vector<std::string>& hand)
{
    const TJson json = JsonReport(With({"--holds"}, hand));
    EXPECT_FALSE(json.m_arrMembers.empty());
    EXPECT_EQ(json.m_arrMembers.back().first, "holds");
    const TJson* holds = json.Find("holds");
    return holds ? holds->m_arrItems : std::vector<TJson>();
}

std::vector<std::string> CardsOf(const TJson& hold, const char* key)
{
    std::vector<std::string> cards;
    if (const TJson* list = hold.Find(key))
        for (const TJson& card : list->m_arrItems)
            cards.push_back(card.m_strValue);
    return cards;
}

// The draw analysis is checked against the enumeration with the engine; here
// the report must carry its holds and figures unchanged, best first, each
// hold splitting the hand in its order into kept and thrown cards.
TEST(HoldsJson, AreTheEnginesHoldsBestFirst)
{
    EXPECT_EQ(Report(With({"--json"}, kPairHand)).find("\"holds\""), std::string::npos) << "only when asked for";
    for (const std::vector<std::string>& hand : {kPairHand, kStraightHand}) {
        // Kept and thrown cards follow the hand as players hold it.
        int cards[5];
        for (int i = 0; i < 5; ++i)
            cards[i] = ParseCard(hand[static_cast<size_t>(i)]);
        SortAsPlayersHold(cards, 5);
        std::vector<TDrawOutcome> expected = AnalyzeDraws(cards, nullptr);
        SortHoldsBestFirst(expected);
        const std::vector<TJson> holds = HoldsOf(hand);
        ASSERT_EQ(holds.size(), expected.size());
        for (size_t i = 0; i < holds.size(); ++i) {
            SCOPED_TRACE(Joined(hand) + ", position " + std::to_string(i));
            std::vector<std::string> kept, thrown;
            ASSERT_EQ(Keys(holds[i]), (std::vector<std::string>{"keep", "discard", "probabilities", "improve", "at_least_current"}));
            for (int k = 0; k < 5; ++k)
                (expected[i].m_nKeepMask >> k & 1u ? kept : thrown).push_back(CardText(cards[k]));
            EXPECT_EQ(CardsOf(holds[i], "keep"), kept);
            EXPECT_EQ(CardsOf(holds[i], "discard"), thrown);
            const TJson& chances = *holds[i].Find("probabilities");
            ASSERT_EQ(chances.m_arrMembers.size(), static_cast<size_t>(hcCategoryCount));
            for (int c = 0; c < hcCategoryCount; ++c)
                EXPECT_EQ(Number(chances, HandCategoryKey(c)), expected[i].m_adProbability[c]);
            EXPECT_EQ(Number(holds[i], "improve"), expected[i].m_dImprove);
            EXPECT_EQ(Number(holds[i], "at_least_current"), expected[i].m_dAtLeastCurrent);
        }
    }
}

} // namespace
