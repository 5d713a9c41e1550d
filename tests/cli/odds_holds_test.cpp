// quintara-odds --holds: every way to keep cards from the dealt hand, best
// first, in JSON and as a text table, checked against a plain enumeration of
// the replacement draws.
#include "CardText.h"
#include "DrawAnalysis.h"
#include "JsonReader.h"
#include "OddsRun.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

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

std::vector<std::string> With(std::vector<std::string> options, const std::vector<std::string>& hand)
{
    options.insert(options.end(), hand.begin(), hand.end());
    return options;
}

std::string TextOf(const std::vector<std::string>& args)
{
    const TOddsRun run = RunOdds(args);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    return run.m_strOut;
}

std::vector<TJson> HoldsOf(const std::vector<std::string>& hand)
{
    TJson json;
    EXPECT_TRUE(ParseJson(TextOf(With({"--holds", "--json"}, hand)), json));
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

double Number(const TJson& object, const char* key)
{
    const TJson* member = object.Find(key);
    EXPECT_NE(member, nullptr) << key;
    return member ? member->m_dValue : -1.0;
}

// Every draw that completes `keep` from the 47 cards not in `hand`, counted
// by category.
std::vector<double> EnumerateHold(const std::vector<std::string>& hand, const std::vector<std::string>& keep)
{
    const std::vector<int> dealt = Cards(Joined(hand)), kept = Cards(Joined(keep));
    std::vector<int> unseen;
    for (int card = 0; card < 52; ++card)
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            unseen.push_back(card);
    int cards[5];
    std::copy(kept.begin(), kept.end(), cards);
    std::vector<double> counts(hcCategoryCount);
    auto draw = [&](auto& self, size_t slot, size_t from) -> void {
        if (slot == 5) {
            counts[PlainToCategory(ClassifyPlain(cards))] += 1;
            return;
        }
        for (size_t u = from; u < unseen.size(); ++u) {
            cards[slot] = unseen[u];
            self(self, slot + 1, u + 1);
        }
    };
    draw(draw, kept.size(), 0);
    return counts;
}

TEST(HoldsJson, ThirtyTwoHoldsSplitTheHandEachWayOnceInTheListedMembers)
{
    EXPECT_EQ(TextOf(With({"--json"}, kPairHand)).find("\"holds\""), std::string::npos) << "only when asked for";
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    ASSERT_EQ(holds.size(), 32u);
    std::set<std::vector<std::string>> keeps;
    for (const TJson& hold : holds) {
        std::vector<std::string> keys;
        for (const auto& member : hold.m_arrMembers)
            keys.push_back(member.first);
        ASSERT_EQ(keys, (std::vector<std::string>{"keep", "discard", "probabilities", "improve", "at_least_current"}));
        std::vector<std::string> categories;
        for (const auto& member : hold.Find("probabilities")->m_arrMembers)
            categories.push_back(member.first);
        for (int c = 0; c < hcCategoryCount; ++c)
            EXPECT_EQ(categories.at(static_cast<size_t>(c)), HandCategoryKey(c));
        // Kept and thrown cards each keep their order in the hand.
        const std::vector<std::string> keep = CardsOf(hold, "keep"), discard = CardsOf(hold, "discard");
        std::vector<std::string> split;
        std::copy_if(kPairHand.begin(), kPairHand.end(), std::back_inserter(split), [&](const std::string& card) {
            return std::find(keep.begin(), keep.end(), card) != keep.end();
        });
        EXPECT_EQ(split, keep);
        split.clear();
        std::copy_if(kPairHand.begin(), kPairHand.end(), std::back_inserter(split), [&](const std::string& card) {
            return std::find(keep.begin(), keep.end(), card) == keep.end();
        });
        EXPECT_EQ(split, discard);
        keeps.insert(keep);
    }
    EXPECT_EQ(keeps.size(), 32u);
}

TEST(HoldsJson, FollowTheEnginesBestFirstOrder)
{
    for (const std::vector<std::string>& hand : {kPairHand, kStraightHand}) {
        int cards[5];
        for (int i = 0; i < 5; ++i)
            cards[i] = ParseCard(hand[static_cast<size_t>(i)]);
        std::vector<TDrawOutcome> expected = AnalyzeDraws(cards, nullptr);
        SortHoldsBestFirst(expected);
        const std::vector<TJson> holds = HoldsOf(hand);
        ASSERT_EQ(holds.size(), expected.size());
        for (size_t i = 0; i < holds.size(); ++i) {
            std::vector<std::string> keep;
            for (int k = 0; k < expected[i].m_nKeptCount; ++k)
                keep.push_back(CardText(expected[i].m_anKept[k]));
            EXPECT_EQ(CardsOf(holds[i], "keep"), keep) << Joined(hand) << ", position " << i;
        }
    }
}

// The holds drawing four or five cards cost most of the enumeration and take
// the same path through the report.
TEST(HoldsJson, FiguresOfHoldsDrawingUpToThreeMatchTheEnumeration)
{
    const int current = hcOnePair;
    for (const TJson& hold : HoldsOf(kPairHand)) {
        const std::vector<std::string> keep = CardsOf(hold, "keep");
        if (keep.size() < 2)
            continue;
        SCOPED_TRACE("keep " + Joined(keep));
        const std::vector<double> counts = EnumerateHold(kPairHand, keep);
        double total = 0, improve = 0, atLeast = 0;
        for (int c = 0; c < hcCategoryCount; ++c) {
            total += counts[static_cast<size_t>(c)];
            improve += c > current ? counts[static_cast<size_t>(c)] : 0;
            atLeast += c >= current ? counts[static_cast<size_t>(c)] : 0;
        }
        for (int c = 0; c < hcCategoryCount; ++c)
            EXPECT_NEAR(Number(*hold.Find("probabilities"), HandCategoryKey(c)),
                        counts[static_cast<size_t>(c)] / total, 1e-15)
                << HandCategoryKey(c);
        EXPECT_NEAR(Number(hold, "improve"), improve / total, 1e-15);
        EXPECT_NEAR(Number(hold, "at_least_current"), atLeast / total, 1e-15);
    }
}

std::string Percent(double probability)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f%%", probability * 100.0);
    return text;
}

// After the normal report, a table of the JSON holds in order: the cards
// ("(none)" for an empty side) and twelve percentages ending under their
// column heads.
TEST(HoldsText, TableShowsTheJsonHoldsInLinedUpColumns)
{
    const std::string plain = TextOf(kPairHand);
    const std::string text = TextOf(With({"--holds"}, kPairHand));
    ASSERT_EQ(text.compare(0, plain.size(), plain), 0) << text;
    const std::vector<std::string> lines = Lines(text.substr(plain.size()));
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    ASSERT_GE(lines.size(), 3u + holds.size()) << text;
    EXPECT_EQ(lines[0], "");
    const std::string& head = lines[2];
    EXPECT_EQ(head.rfind("Keep ", 0), 0u) << head;
    const size_t discardColumn = head.find("Discard");
    for (size_t i = 0; i < holds.size(); ++i) {
        const std::string& row = lines[3 + i];
        SCOPED_TRACE(row);
        std::istringstream words(row);
        std::vector<std::string> cells;
        for (std::string word; words >> word;)
            cells.push_back(word);
        const std::vector<std::string> keep = CardsOf(holds[i], "keep"), discard = CardsOf(holds[i], "discard");
        std::vector<std::string> expected = keep.empty() ? std::vector<std::string>{"(none)"} : keep;
        expected.insert(expected.end(), discard.begin(), discard.end());
        if (discard.empty())
            expected.push_back("(none)");
        for (const auto& member : holds[i].Find("probabilities")->m_arrMembers)
            expected.push_back(Percent(member.second.m_dValue));
        expected.push_back(Percent(Number(holds[i], "improve")));
        expected.push_back(Percent(Number(holds[i], "at_least_current")));
        EXPECT_EQ(cells, expected);

        EXPECT_EQ(row.size(), head.size());
        EXPECT_NE(row[discardColumn], ' ');
        EXPECT_EQ(row[discardColumn - 1], ' ');
        for (size_t at = row.find('%'); at != std::string::npos; at = row.find('%', at + 1))
            EXPECT_TRUE(head[at] != ' ' && (at + 1 == head.size() || head[at + 1] == ' ')) << "column ending at " << at;
    }
}

} // namespace
