// The text and JSON reports of quintara-odds.
#include "CardDistributionManager.h"
#include "CardText.h"
#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "JsonReader.h"
#include "OddsReport.h"
#include "OddsRun.h"
#include "StringTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kWorkedExample{"--opponents", "3", "2c", "4s", "7d", "9c", "Qh"};

// Table 1 and table 2 of the worked example (three opponents), six decimals.
const int kWorkedIds[] = {109, 207, 111, 112, 113, 114, 115, 116, 147};
const double kWorkedOne[] = {0.420682, 0.046809, 0.020537, 0.003880, 0.001850,
                             0.001385, 0.000224, 0.000014, 0.495353};
const double kWorkedAtLeastOne[] = {0.805575, 0.133956, 0.060353, 0.011596, 0.005540,
                                    0.004148, 0.000673, 0.000041, 0.871482};

std::string Text(const std::vector<std::string>& args)
{
    const TOddsRun run = RunOdds(args);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    return run.m_strOut;
}

TJson Json(std::vector<std::string> args)
{
    args.insert(args.begin(), "--json");
    const TOddsRun run = RunOdds(args);
    EXPECT_EQ(run.m_nStatus, 0) << run.m_strErr;
    TJson json;
    EXPECT_TRUE(ParseJson(run.m_strOut, json)) << run.m_strOut;
    return json;
}

const TJson& Member(const TJson& object, const char* key)
{
    static const TJson kMissing;
    const TJson* member = object.Find(key);
    EXPECT_NE(member, nullptr) << key;
    return member ? *member : kMissing;
}

// The lines of the table that follows `heading`, column header excluded.
std::vector<std::string> TableRows(const std::string& text, const std::string& heading)
{
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::string> rows;
    size_t i = 0;
    while (i < lines.size() && lines[i] != heading)
        ++i;
    for (i += 2; i < lines.size() && !lines[i].empty(); ++i)
        rows.push_back(lines[i]);
    return rows;
}

// A manager filled with these known cards and discards, analysed, with the
// texts built in the game's order.
struct TGameTexts {
    std::string m_strDescription, m_strAdvice;
};

TGameTexts GameTexts(const std::vector<std::string>& known, const std::vector<std::string>& discarded)
{
    CCardDistributionManager manager;
    for (const std::string& card : known)
        manager.m_anCardCounts[ParseCard(card) / 13][ParseCard(card) % 13] = 1;
    for (const std::string& card : discarded)
        manager.m_abDiscarded[ParseCard(card) / 13][ParseCard(card) % 13] = true;
    manager.AnalyzeHand();
    TGameTexts texts;
    if (discarded.empty())
        texts.m_strAdvice = BuildAdvice(manager);
    texts.m_strDescription = DescribeHand(manager, discarded.empty());
    return texts;
}

TEST(WorkedExample, JsonTablesMatchToSixDecimals)
{
    const TJson json = Json(kWorkedExample);
    const TJson& one = Member(json, "one_opponent");
    const TJson& atLeast = Member(json, "at_least_one");
    ASSERT_EQ(one.m_arrItems.size(), 9u);
    ASSERT_EQ(atLeast.m_arrItems.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(Member(one.m_arrItems[i], "id").m_dValue, kWorkedIds[i]) << i;
        EXPECT_EQ(Member(atLeast.m_arrItems[i], "id").m_dValue, kWorkedIds[i]) << i;
        EXPECT_NEAR(Member(one.m_arrItems[i], "probability").m_dValue, kWorkedOne[i], 5e-7) << i;
        EXPECT_NEAR(Member(atLeast.m_arrItems[i], "probability").m_dValue, kWorkedAtLeastOne[i], 5e-7) << i;
    }
    EXPECT_NEAR(Member(one.m_arrItems[0], "odds").m_dValue, 1.3771, 5e-5);
}

TEST(WorkedExample, TextShowsBothTablesAsTheResultsListsDo)
{
    const std::string text = Text(kWorkedExample);
    EXPECT_EQ(Lines(text).front(), "Your initial hand: 2c 4s 7d 9c Qh (a high card)");

    const std::vector<std::string> one = TableRows(text, "One opponent holding:");
    const std::vector<std::string> atLeast = TableRows(text, "At least one opponent holding:");
    ASSERT_EQ(one.size(), 9u);
    ASSERT_EQ(atLeast.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        const std::string label = LoadString(static_cast<unsigned>(kWorkedIds[i]));
        EXPECT_EQ(one[i].rfind(label + " ", 0), 0u) << one[i];
        EXPECT_EQ(atLeast[i].rfind(label + " ", 0), 0u) << atLeast[i];
    }
    EXPECT_NE(one[0].find(" 42.068%  "), std::string::npos) << one[0];
    EXPECT_EQ(one[0].substr(one[0].size() - 9), " 1.38 : 1") << one[0];
    EXPECT_NE(one[8].find(" 49.535%  "), std::string::npos) << one[8];
    EXPECT_NE(atLeast[8].find(" 87.148%  "), std::string::npos) << atLeast[8];
}

TEST(TextTables, ColumnsLineUpAcrossBothTables)
{
    const std::string text = Text(kWorkedExample);
    std::vector<std::string> rows = TableRows(text, "One opponent holding:");
    const std::vector<std::string> atLeast = TableRows(text, "At least one opponent holding:");
    rows.insert(rows.end(), atLeast.begin(), atLeast.end());
    ASSERT_FALSE(rows.empty());
    const size_t percent = rows[0].find('%');
    for (const std::string& row : rows) {
        EXPECT_EQ(row.find('%'), percent) << row;
        EXPECT_EQ(row.size(), rows[0].size()) << row;
        EXPECT_EQ(row.compare(row.size() - 4, 4, " : 1"), 0) << row;
    }
    // The column heads sit over their columns.
    const std::vector<std::string> lines = Lines(text);
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == "One opponent holding:") {
            const std::string& head = lines[i + 1];
            EXPECT_EQ(head.rfind("Formation ", 0), 0u) << head;
            EXPECT_EQ(head.find("Probability") + std::string("Probability").size(), percent + 1) << head;
            EXPECT_EQ(head.size(), rows[0].size()) << head;
            EXPECT_EQ(head.compare(head.size() - 4, 4, "Odds"), 0) << head;
        }
}

TEST(TextTables, ZeroProbabilityLeavesTheOddsCellEmpty)
{
    // Nothing beats a royal flush: both rows are 0.
    const std::vector<std::string> rows =
        TableRows(Text({"Th", "Jh", "Qh", "Kh", "Ah"}), "One opponent holding:");
    ASSERT_EQ(rows.size(), 2u);
    for (const std::string& row : rows) {
        EXPECT_EQ(row.compare(row.size() - 7, 7, " 0.000%"), 0) << row;
        EXPECT_EQ(row.find(':'), std::string::npos) << row;
    }
}

TEST(JsonReport, ZeroProbabilityHasOddsMinusOne)
{
    const TJson json = Json({"Th", "Jh", "Qh", "Kh", "Ah"});
    for (const char* table : {"one_opponent", "at_least_one"}) {
        const TJson& rows = Member(json, table);
        ASSERT_EQ(rows.m_arrItems.size(), 2u) << table;
        for (const TJson& row : rows.m_arrItems) {
            EXPECT_EQ(Member(row, "probability").m_dValue, 0.0) << table;
            EXPECT_EQ(Member(row, "odds").m_dValue, -1.0) << table;
        }
    }
}

TEST(JsonReport, HoldsExactlyTheListedMembersInOrder)
{
    const TJson json = Json({"--opponents", "2", "--discard", "4s,9c", "--draw", "Kd,Ks", "2c", "4s", "7d", "9c", "Qh"});
    ASSERT_EQ(json.m_nKind, TJson::jkObject);
    const std::vector<std::string> keys{"hand",        "known",        "final",        "opponents",
                                        "known_count", "formation",    "draw_code",    "one_opponent",
                                        "at_least_one", "description", "advice"};
    std::vector<std::string> actual;
    for (const auto& member : json.m_arrMembers)
        actual.push_back(member.first);
    EXPECT_EQ(actual, keys);

    std::vector<std::string> hand, known;
    for (const TJson& card : Member(json, "hand").m_arrItems)
        hand.push_back(card.m_strValue);
    for (const TJson& card : Member(json, "known").m_arrItems)
        known.push_back(card.m_strValue);
    // Replacements take the places of the discards, as on the table.
    EXPECT_EQ(hand, (std::vector<std::string>{"2c", "Kd", "7d", "Ks", "Qh"}));
    EXPECT_EQ(known, (std::vector<std::string>{"2c", "4s", "7d", "9c", "Qh", "Kd", "Ks"}));
    EXPECT_EQ(Member(json, "final").m_nKind, TJson::jkBool);
    EXPECT_TRUE(Member(json, "final").m_bValue);
    EXPECT_EQ(Member(json, "opponents").m_dValue, 2);
    EXPECT_EQ(Member(json, "known_count").m_dValue, 7);
    EXPECT_EQ(Member(json, "formation").m_dValue, 8);  // the Kings
    EXPECT_EQ(Member(json, "draw_code").m_nKind, TJson::jkNumber);
    for (const char* table : {"one_opponent", "at_least_one"})
        for (const TJson& row : Member(json, table).m_arrItems) {
            ASSERT_EQ(row.m_arrMembers.size(), 4u) << table;
            EXPECT_EQ(row.m_arrMembers[0].first, "id");
            EXPECT_EQ(row.m_arrMembers[1].first, "label");
            EXPECT_EQ(row.m_arrMembers[2].first, "probability");
            EXPECT_EQ(row.m_arrMembers[3].first, "odds");
            EXPECT_EQ(row.m_arrMembers[1].second.m_strValue,
                      LoadString(static_cast<unsigned>(row.m_arrMembers[0].second.m_dValue)));
        }
}

TEST(JsonReport, NumbersReadBackAsTheEnginesDoubles)
{
    CCardDistributionManager manager;
    for (const char* card : {"2c", "4s", "7d", "9c", "Qh"})
        manager.m_anCardCounts[ParseCard(card) / 13][ParseCard(card) % 13] = 1;
    manager.AnalyzeHand();
    CCardDistributionManager::TRows one, atLeast;
    manager.BuildOneOpponentTable(one);
    manager.BuildAtLeastOneOpponentTable(atLeast, 3, one.back().m_dProbability);

    const TJson json = Json(kWorkedExample);
    const TJson& jsonOne = Member(json, "one_opponent");
    const TJson& jsonAtLeast = Member(json, "at_least_one");
    ASSERT_EQ(jsonOne.m_arrItems.size(), one.size());
    ASSERT_EQ(jsonAtLeast.m_arrItems.size(), atLeast.size());
    for (size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(Member(jsonOne.m_arrItems[i], "probability").m_dValue, one[i].m_dProbability) << i;
        EXPECT_EQ(Member(jsonOne.m_arrItems[i], "odds").m_dValue, one[i].m_dOdds) << i;
        EXPECT_EQ(Member(jsonAtLeast.m_arrItems[i], "probability").m_dValue, atLeast[i].m_dProbability) << i;
        EXPECT_EQ(Member(jsonAtLeast.m_arrItems[i], "odds").m_dValue, atLeast[i].m_dOdds) << i;
    }
}

TEST(JsonEncoding, StringsReadBackUnchanged)
{
    const std::string text = "say \"hi\"\\ now\r\n\ttab\x01\x1f end \xE2\x99\xA0/";
    TJson json;
    ASSERT_TRUE(ParseJson(JsonString(text), json)) << JsonString(text);
    EXPECT_EQ(json.m_strValue, text);
}

TEST(JsonEncoding, NumbersReadBackExactlyAndNonFiniteBecomesNull)
{
    for (const double value : {0.1, 1.0 / 3.0, 4.9e-324, 1.7976931348623157e308, -1.0, 0.0}) {
        TJson json;
        ASSERT_TRUE(ParseJson(JsonNumber(value), json)) << JsonNumber(value);
        EXPECT_EQ(json.m_dValue, value) << JsonNumber(value);
    }
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

// The texts come from the game's own description and advice, unchanged.
TEST(HandTexts, InitialHandCarriesDescriptionAndAdvice)
{
    const TJson json = Json({"4s", "4h", "5d", "6c", "7c"});
    EXPECT_EQ(Member(json, "description").m_strValue,
              "You hold one pair and an open-ended straight.\r\n" + LoadString(196));
    const TGameTexts texts = GameTexts({"4s", "4h", "5d", "6c", "7c"}, {});
    EXPECT_FALSE(texts.m_strAdvice.empty());
    EXPECT_EQ(Member(json, "advice").m_strValue, texts.m_strAdvice);
}

TEST(HandTexts, FinalHandCarriesDescriptionAndNoAdvice)
{
    const TJson json = Json({"--discard", "2c", "--draw", "Ac", "Qs", "Qh", "5d", "5c", "2c"});
    EXPECT_EQ(Member(json, "description").m_strValue, "You hold two pair.");
    EXPECT_EQ(Member(json, "advice").m_strValue, "");
}

TEST(HandTexts, TextReportBreaksLinesForTheTerminal)
{
    const std::string text = Text({"4s", "4h", "5d", "6c", "7c"});
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Your initial hand: 4s 4h 5d 6c 7c (one pair)");
    EXPECT_EQ(lines[1], "You hold one pair and an open-ended straight.");
    EXPECT_EQ(lines[2], LoadString(196));

    // The advice follows under its heading, each of its lines in order.
    const TGameTexts texts = GameTexts({"4s", "4h", "5d", "6c", "7c"}, {});
    std::string advice = texts.m_strAdvice;
    for (size_t at; (at = advice.find("\r\n")) != std::string::npos;)
        advice.replace(at, 2, "\n");
    EXPECT_NE(text.find("\n" + LoadString(149) + "\n" + advice + "\n"), std::string::npos) << text;
}

TEST(HandTexts, FinalHandTextHasNoSuggestions)
{
    const std::string text = Text({"--discard", "2c", "--draw", "Ac", "Qs", "Qh", "5d", "5c", "2c"});
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Your final hand: Qs Qh 5d 5c Ac (two pair)");
    EXPECT_EQ(lines[1], "You hold two pair.");
    EXPECT_EQ(text.find(LoadString(149)), std::string::npos);
}

} // namespace
