// The text and JSON reports of quintara-odds.
#include "CardText.h"
#include "Cards.h"
#include "ConfirmedHand.h"
#include "JsonReader.h"
#include "OddsReport.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

TEST(JsonReport, HoldsExactlyTheListedMembersInOrder)
{
    const TJson json = JsonReport({"--opponents", "2", "--discard", "4s,9c", "--draw", "Kd,Ks", "2c", "4s", "7d", "9c", "Qh"});
    EXPECT_EQ(Keys(json), (std::vector<std::string>{"hand", "known", "final", "opponents", "known_count", "formation",
                                              "draw_code", "one_opponent", "at_least_one", "description", "advice",
                                              "showdown"}));
    // The final hand as players hold it; the dealt hand so too, then the
    // replacements.
    EXPECT_EQ(Strings(Member(json, "hand")), (std::vector<std::string>{"Kd", "Ks", "Qh", "7d", "2c"}));
    EXPECT_EQ(Strings(Member(json, "known")), (std::vector<std::string>{"Qh", "9c", "7d", "4s", "2c", "Kd", "Ks"}));
    EXPECT_EQ(Member(json, "final").m_nKind, TJson::jkBool);
    EXPECT_EQ(Member(json, "opponents").m_dValue, 2);
    EXPECT_EQ(Member(json, "formation").m_dValue, fmOnePair);
    EXPECT_EQ(Member(json, "draw_code").m_nKind, TJson::jkNumber);
    for (const char* table : {"one_opponent", "at_least_one"})
        for (const TJson& row : Member(json, table).m_arrItems) {
            ASSERT_EQ(Keys(row), (std::vector<std::string>{"id", "label", "probability", "odds"})) << table;
            EXPECT_EQ(row.m_arrMembers[1].second.m_strValue,
                      LoadString(static_cast<unsigned>(row.m_arrMembers[0].second.m_dValue)));
        }
}

TEST(JsonEncoding, StringsAndNumbersReadBackUnchanged)
{
    const std::string text = "say \"hi\"\\ now\r\n\ttab\x01\x1f end \xE2\x99\xA0/";
    TJson json;
    ASSERT_TRUE(ParseJson(JsonString(text), json)) << JsonString(text);
    EXPECT_EQ(json.m_strValue, text);
    for (const double value : {0.1, 1.0 / 3.0, 4.9e-324, 1.7976931348623157e308, -1.0, 0.0}) {
        ASSERT_TRUE(ParseJson(JsonNumber(value), json)) << JsonNumber(value);
        EXPECT_EQ(json.m_dValue, value) << JsonNumber(value);
    }
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

// A row that cannot happen shows 0.000% and a dash for its odds, not a gap:
// nothing beats a royal flush, and it cannot lose the showdown.
TEST(TextReport, RowsAtZeroShowADashForTheirOdds)
{
    const std::vector<std::string> hand{"Th", "Jh", "Qh", "Kh", "Ah"};
    const std::vector<std::string> lines = Lines(Report(hand));
    const std::string dash = LoadString(idNoOdds);
    const TJson json = JsonReport(hand);
    std::vector<std::string> labels;
    for (const char* table : {"one_opponent", "at_least_one"})
        for (const TJson& row : Member(json, table).m_arrItems) {
            ASSERT_EQ(row.Find("probability")->m_dValue, 0.0);
            labels.push_back(row.Find("label")->m_strValue);
        }
    labels.push_back(LoadString(idShowdownLose));
    for (const std::string& label : labels) {
        size_t found = 0;
        for (const std::string& line : lines)
            if (line.rfind(label, 0) == 0) {
                ++found;
                EXPECT_TRUE(line.size() > dash.size() && line.compare(line.size() - dash.size(), dash.size(), dash) == 0)
                    << line;
            }
        EXPECT_GT(found, 0u) << label;
    }
}

// The texts come from the game's own description and advice, unchanged.
TEST(HandTexts, InitialHandCarriesDescriptionAndAdvice)
{
    const std::vector<std::string> hand{"Kc", "Kd", "Ah", "7s", "2c"};  // a draw code apart from the formation
    CCardDistributionManager manager;
    for (const std::string& card : hand)
        manager.MarkKnown(ParseCard(card));
    const TConfirmedHand confirmed = ConfirmHand(manager, 1, false);
    const std::string& description = confirmed.m_strDescription;
    const std::string& advice = confirmed.m_strAdvice;
    ASSERT_FALSE(advice.empty());

    const TJson json = JsonReport(hand);
    std::vector<std::string> text = hand;
    text.insert(text.begin(), "--no-equity");
    EXPECT_EQ(Member(json, "formation").m_dValue, confirmed.m_nFormation);
    EXPECT_EQ(Member(json, "draw_code").m_dValue, confirmed.m_nDrawCode);
    EXPECT_EQ(Member(json, "description").m_strValue, description);
    EXPECT_EQ(Member(json, "advice").m_strValue, advice);

    // The text report breaks lines for the terminal.
    std::string lines = "Your initial hand: Kc Kd Ah 7s 2c (one pair)\r\n" + description + "\r\n\r\n" +
                        LoadString(idClassicHeading) + "\r\n" + advice + "\r\n";
    for (size_t at; (at = lines.find("\r\n")) != std::string::npos;)
        lines.replace(at, 2, "\n");
    EXPECT_EQ(Report(text).rfind(lines, 0), 0u) << Report(text);
}

TEST(HandTexts, FinalHandHasNoAdvice)
{
    const std::vector<std::string> args{"--discard", "2c", "--draw", "Ac", "Qs", "Qh", "5d", "5c", "2c"};
    EXPECT_EQ(Member(JsonReport(args), "advice").m_strValue, "");
    const std::string text = Report(args);
    EXPECT_EQ(Lines(text)[0], "Your final hand: Qh Qs 5c 5d Ac (two pair)");
    EXPECT_EQ(text.find(LoadString(idClassicHeading)), std::string::npos);
}

} // namespace
