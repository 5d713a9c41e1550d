// quintara-odds --holds: every way to keep cards from the dealt hand, best
// first, in JSON and as a text table, checked against a plain enumeration of
// the replacement draws.
#include "BruteForce.h"
#include "CardText.h"
#include "DrawAnalysis.h"
#include "JsonReader.h"
#include "OddsRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::vector<std::string> kPairHand{"8c", "8d", "Kh", "5s", "2c"};
const std::vector<std::string> kStraightHand{"5c", "6d", "7h", "8s", "9c"};

const char* const kCategoryKeys[] = {"nothing",  "one_pair",   "two_pair",       "three_of_a_kind",
                                     "straight", "flush",      "full_house",     "four_of_a_kind",
                                     "straight_flush", "royal_flush"};
const int kCategories = 10;

std::vector<std::string> With(std::vector<std::string> options, const std::vector<std::string>& hand)
{
    options.insert(options.end(), hand.begin(), hand.end());
    return options;
}

TJson JsonOf(const std::vector<std::string>& args)
{
    const TOddsRun run = RunOdds(args);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    TJson json;
    EXPECT_TRUE(ParseJson(run.m_strOut, json)) << run.m_strOut;
    return json;
}

// The "holds" array of `hand`; empty (with a failure) when it is missing.
std::vector<TJson> HoldsOf(const std::vector<std::string>& hand)
{
    const TJson json = JsonOf(With({"--holds", "--json"}, hand));
    const TJson* holds = json.Find("holds");
    EXPECT_NE(holds, nullptr);
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

double Probability(const TJson& hold, int category)
{
    const TJson* probabilities = hold.Find("probabilities");
    EXPECT_NE(probabilities, nullptr);
    return probabilities ? Number(*probabilities, kCategoryKeys[category]) : -1.0;
}

const TJson* FindHold(const std::vector<TJson>& holds, const std::vector<std::string>& keep)
{
    for (const TJson& hold : holds)
        if (CardsOf(hold, "keep") == keep)
            return &hold;
    return nullptr;
}

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// ---- The plain enumeration ----

int PlainCategory(const int cards[5])
{
    const TPlainHand plain = ClassifyPlain(cards);
    if (plain.m_nCategory == pcStraightFlush && plain.m_nStraightTop == 12)
        return kCategories - 1;  // the royal flush has a key of its own
    return plain.m_nCategory;
}

struct TPlainHold {
    double m_adCount[kCategories] = {};
    double m_dTotal = 0;
};

// Every draw that completes `keep` from the 47 cards not in `hand`.
TPlainHold EnumerateHold(const std::vector<std::string>& hand, const std::vector<std::string>& keep)
{
    const std::vector<int> dealt = Cards(Joined(hand));
    std::vector<int> unseen;
    for (int card = 0; card < 52; ++card)
        if (std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            unseen.push_back(card);
    int cards[5];
    const std::vector<int> kept = Cards(Joined(keep));
    std::copy(kept.begin(), kept.end(), cards);

    TPlainHold result;
    auto draw = [&](auto& self, size_t slot, size_t from) -> void {
        if (slot == 5) {
            result.m_adCount[PlainCategory(cards)] += 1;
            result.m_dTotal += 1;
            return;
        }
        for (size_t u = from; u < unseen.size(); ++u) {
            cards[slot] = unseen[u];
            self(self, slot + 1, u + 1);
        }
    };
    draw(draw, kept.size(), 0);
    return result;
}

// ---- JSON shape ----

TEST(HoldsJson, EachHoldHasExactlyTheListedMembersInOrder)
{
    const TJson json = JsonOf(With({"--holds", "--json"}, kPairHand));
    ASSERT_FALSE(json.m_arrMembers.empty());
    EXPECT_EQ(json.m_arrMembers.back().first, "holds");
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    ASSERT_FALSE(holds.empty());
    for (const TJson& hold : holds) {
        std::vector<std::string> keys;
        for (const auto& member : hold.m_arrMembers)
            keys.push_back(member.first);
        ASSERT_EQ(keys, (std::vector<std::string>{"keep", "discard", "probabilities", "improve", "at_least_current"}));
        EXPECT_EQ(hold.m_arrMembers[0].second.m_nKind, TJson::jkArray);
        EXPECT_EQ(hold.m_arrMembers[1].second.m_nKind, TJson::jkArray);
        for (const TJson* list : {&hold.m_arrMembers[0].second, &hold.m_arrMembers[1].second})
            for (const TJson& card : list->m_arrItems)
                EXPECT_EQ(card.m_nKind, TJson::jkString);
        std::vector<std::string> categories;
        for (const auto& member : hold.m_arrMembers[2].second.m_arrMembers) {
            categories.push_back(member.first);
            EXPECT_EQ(member.second.m_nKind, TJson::jkNumber) << member.first;
        }
        EXPECT_EQ(categories, std::vector<std::string>(std::begin(kCategoryKeys), std::end(kCategoryKeys)));
        EXPECT_EQ(hold.m_arrMembers[3].second.m_nKind, TJson::jkNumber);
        EXPECT_EQ(hold.m_arrMembers[4].second.m_nKind, TJson::jkNumber);
    }
}

TEST(HoldsJson, ThirtyTwoHoldsSplitTheHandEachWayOnce)
{
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    ASSERT_EQ(holds.size(), 32u);
    std::set<unsigned> masks;
    for (const TJson& hold : holds) {
        const std::vector<std::string> keep = CardsOf(hold, "keep"), discard = CardsOf(hold, "discard");
        // Kept and thrown cards each keep their order in the hand.
        unsigned mask = 0;
        size_t nextKeep = 0, nextDiscard = 0;
        for (size_t i = 0; i < kPairHand.size(); ++i) {
            if (nextKeep < keep.size() && keep[nextKeep] == kPairHand[i]) {
                mask |= 1u << i;
                ++nextKeep;
            } else if (nextDiscard < discard.size() && discard[nextDiscard] == kPairHand[i]) {
                ++nextDiscard;
            }
        }
        EXPECT_EQ(nextKeep + nextDiscard, 5u) << Joined(keep) << " / " << Joined(discard);
        EXPECT_EQ(keep.size() + discard.size(), 5u);
        masks.insert(mask);
    }
    EXPECT_EQ(masks.size(), 32u);
}

TEST(HoldsJson, AbsentUnlessAskedFor)
{
    EXPECT_EQ(JsonOf(With({"--json"}, kPairHand)).Find("holds"), nullptr);
}

// ---- Order ----

TEST(HoldsOrder, AMadeStraightKeptWholeComesFirst)
{
    const std::vector<TJson> holds = HoldsOf(kStraightHand);
    ASSERT_EQ(holds.size(), 32u);
    EXPECT_EQ(CardsOf(holds[0], "keep"), kStraightHand);
    EXPECT_TRUE(CardsOf(holds[0], "discard").empty());
    EXPECT_EQ(Number(holds[0], "at_least_current"), 1.0);
}

TEST(HoldsOrder, FollowsTheEnginesBestFirstSort)
{
    for (const std::vector<std::string>& hand : {kPairHand, kStraightHand}) {
        SCOPED_TRACE(Joined(hand));
        int cards[5];
        for (int i = 0; i < 5; ++i)
            cards[i] = ParseCard(hand[i]);
        std::vector<TDrawOutcome> expected = AnalyzeDraws(cards, nullptr);
        SortHoldsBestFirst(expected);
        const std::vector<TJson> holds = HoldsOf(hand);
        ASSERT_EQ(holds.size(), expected.size());
        for (size_t i = 0; i < holds.size(); ++i) {
            std::vector<std::string> keep;
            for (int k = 0; k < expected[i].m_nKeptCount; ++k)
                keep.push_back(CardText(expected[i].m_anKept[k]));
            EXPECT_EQ(CardsOf(holds[i], "keep"), keep) << "position " << i;
        }
    }
}

TEST(HoldsOrder, AtLeastCurrentThenImproveThenCardsKeptNeverRise)
{
    // Equal chances print as equal doubles: each is a correctly rounded
    // quotient of the same rational.
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    for (size_t i = 1; i < holds.size(); ++i) {
        const auto rank = [&](const TJson& hold) {
            return std::make_tuple(Number(hold, "at_least_current"), Number(hold, "improve"),
                                   CardsOf(hold, "keep").size());
        };
        EXPECT_GE(rank(holds[i - 1]), rank(holds[i])) << "position " << i;
    }
}

// ---- Figures ----

TEST(HoldsFigures, KeepingAPairGivesTheClassicDrawFigures)
{
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    const TJson* pair = FindHold(holds, {"8c", "8d"});
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(CardsOf(*pair, "discard"), (std::vector<std::string>{"Kh", "5s", "2c"}));
    EXPECT_EQ(Probability(*pair, 2), 2592.0 / 16215);  // two pair
    EXPECT_EQ(Probability(*pair, 3), 1854.0 / 16215);  // three of a kind
    EXPECT_EQ(Probability(*pair, 6), 165.0 / 16215);   // full house
    EXPECT_EQ(Probability(*pair, 7), 45.0 / 16215);    // four of a kind
    EXPECT_EQ(Number(*pair, "improve"), 4656.0 / 16215);
    EXPECT_EQ(Number(*pair, "at_least_current"), 1.0);
}

TEST(HoldsFigures, HoldsDrawingUpToThreeMatchTheEnumeration)
{
    // The holds drawing four or five cards cost most of the enumeration and
    // take the same path through the report.
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    ASSERT_EQ(holds.size(), 32u);
    int dealt[5];
    const std::vector<int> dealtCards = Cards(Joined(kPairHand));
    std::copy(dealtCards.begin(), dealtCards.end(), dealt);
    const int current = PlainCategory(dealt);
    for (const TJson& hold : holds) {
        const std::vector<std::string> keep = CardsOf(hold, "keep");
        if (keep.size() < 2)
            continue;
        SCOPED_TRACE("keep " + Joined(keep));
        const TPlainHold plain = EnumerateHold(kPairHand, keep);
        double improve = 0, atLeast = 0;
        for (int c = 0; c < kCategories; ++c) {
            EXPECT_NEAR(Probability(hold, c), plain.m_adCount[c] / plain.m_dTotal, 1e-15) << kCategoryKeys[c];
            improve += c > current ? plain.m_adCount[c] : 0;
            atLeast += c >= current ? plain.m_adCount[c] : 0;
        }
        EXPECT_NEAR(Number(hold, "improve"), improve / plain.m_dTotal, 1e-15);
        EXPECT_NEAR(Number(hold, "at_least_current"), atLeast / plain.m_dTotal, 1e-15);
    }
}

TEST(HoldsFigures, EachHoldsProbabilitiesSumToOne)
{
    for (const std::vector<std::string>& hand : {kPairHand, kStraightHand}) {
        for (const TJson& hold : HoldsOf(hand)) {
            double sum = 0;
            for (int c = 0; c < kCategories; ++c)
                sum += Probability(hold, c);
            EXPECT_NEAR(sum, 1.0, 1e-12) << "keep " << Joined(CardsOf(hold, "keep"));
        }
    }
}

// ---- Text ----

std::string TextOf(const std::vector<std::string>& args)
{
    const TOddsRun run = RunOdds(args);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    return run.m_strOut;
}

std::string Percent(double probability)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f%%", probability * 100.0);
    return text;
}

TEST(HoldsText, TableFollowsTheNormalReport)
{
    const std::string plain = TextOf(kPairHand);
    const std::string text = TextOf(With({"--holds"}, kPairHand));
    ASSERT_EQ(text.compare(0, plain.size(), plain), 0) << text;
    EXPECT_EQ(plain.find("Every way to keep cards"), std::string::npos);

    const std::vector<std::string> lines = Lines(text.substr(plain.size()));
    ASSERT_GE(lines.size(), 36u) << text;
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].rfind("Every way to keep cards, best first", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("Keep ", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find("Discard"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[2].compare(lines[2].size() - 8, 8, "At least"), 0) << lines[2];
}

TEST(HoldsText, RowsShowTheJsonHoldsInOrderAsPercentages)
{
    const std::string plain = TextOf(kPairHand);
    const std::vector<std::string> lines = Lines(TextOf(With({"--holds"}, kPairHand)).substr(plain.size()));
    const std::vector<TJson> holds = HoldsOf(kPairHand);
    ASSERT_EQ(holds.size(), 32u);
    ASSERT_GE(lines.size(), 3u + holds.size());
    for (size_t i = 0; i < holds.size(); ++i) {
        const std::string& row = lines[3 + i];
        SCOPED_TRACE(row);
        std::istringstream words(row);
        std::vector<std::string> cells;
        for (std::string word; words >> word;)
            cells.push_back(word);
        const std::vector<std::string> keep = CardsOf(holds[i], "keep"), discard = CardsOf(holds[i], "discard");
        // Five card cells, or four and "(none)" for an empty side, then twelve figures.
        const size_t cardCells = 5 + (keep.empty() || discard.empty() ? 1 : 0);
        ASSERT_EQ(cells.size(), cardCells + 12);
        std::vector<std::string> expected = keep.empty() ? std::vector<std::string>{"(none)"} : keep;
        expected.insert(expected.end(), discard.begin(), discard.end());
        if (discard.empty())
            expected.push_back("(none)");
        for (int c = 0; c < kCategories; ++c)
            expected.push_back(Percent(Probability(holds[i], c)));
        expected.push_back(Percent(Number(holds[i], "improve")));
        expected.push_back(Percent(Number(holds[i], "at_least_current")));
        EXPECT_EQ(cells, expected);
    }
}

TEST(HoldsText, ColumnsLineUp)
{
    const std::string plain = TextOf(kPairHand);
    const std::vector<std::string> lines = Lines(TextOf(With({"--holds"}, kPairHand)).substr(plain.size()));
    ASSERT_GE(lines.size(), 35u);
    const std::string& head = lines[2];
    const size_t discardColumn = head.find("Discard");
    for (size_t i = 3; i < 35; ++i) {
        EXPECT_EQ(lines[i].size(), head.size()) << lines[i];
        EXPECT_NE(lines[i][discardColumn], ' ') << lines[i];
        EXPECT_EQ(lines[i][discardColumn - 1], ' ') << lines[i];
        // Every figure ends where its column head ends.
        size_t figures = 0;
        for (size_t at = lines[i].find('%'); at != std::string::npos; at = lines[i].find('%', at + 1)) {
            ++figures;
            EXPECT_NE(head[at], ' ') << "column ending at " << at;
            EXPECT_TRUE(at + 1 == head.size() || head[at + 1] == ' ') << "column ending at " << at;
        }
        EXPECT_EQ(figures, 12u);
    }
}

} // namespace
