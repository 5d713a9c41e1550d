// The text and JSON reports of quintara-odds. Hands dealt or after discards
// and replacements: the discarded cards stay known, the hand analysed is the
// kept cards plus the replacements, and both tables and the showdown counts
// agree with a plain enumeration of every opponent hand.
#include "BruteForce.h"
#include "CardDistributionManager.h"
#include "Cards.h"
#include "ConfirmedHand.h"
#include "OddsReport.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

struct TFlow {
    const char* m_pRequest;
    const char* m_pszKnown;  // every card seen, discards included
    const char* m_pszHand;   // the final hand
    unsigned m_nOpponents;
};

const TFlow kFlows[] = {
    {"--opponents 3 --discard 2c,4s --draw Kd,Ks 2c 4s 7d 9c Qh", "2c 4s 7d 9c Qh Kd Ks", "Kd Ks 7d 9c Qh", 3},
    {"--opponents 5 --discard 2c,4s,7d,9c,Qh --draw Ad,Ac,Jd,Js,3h 2c 4s 7d 9c Qh", "2c 4s 7d 9c Qh Ad Ac Jd Js 3h",
     "Ad Ac Jd Js 3h", 5},
    {"Th Jh Qh Kh Ah", "Th Jh Qh Kh Ah", "Th Jh Qh Kh Ah", 1},  // nothing beats it
    {"--opponents 3 Kd Ks 8s 4h 2c", "Kd Ks 8s 4h 2c", "Kd Ks 8s 4h 2c", 3},
};

TEST(DiscardAndDraw, TablesAndShowdownOfTheHandMatchTheEnumeration)
{
    for (const TFlow& flow : kFlows) {
        SCOPED_TRACE(flow.m_pszHand);
        const TJson json = JsonReport(flow.m_pRequest);
        ASSERT_EQ(json.size(), 12u);
        const bool final = std::string(flow.m_pRequest).find("--draw") != std::string::npos;
        EXPECT_EQ(Member(json, "final").get<bool>(), final);
        EXPECT_EQ(Number(json, "known_count"), static_cast<double>(Cards(flow.m_pszKnown).size()));
        const std::vector<int> hand = Cards(flow.m_pszHand);
        const TBruteForceCounts counts = CountOpponentHands(Cards(flow.m_pszKnown), hand);
        const auto expected = EnumeratedRows(counts, ClassifyPlain(hand.data()).m_nCategory);
        const TJson& one = Member(json, "one_opponent");
        const TJson& atLeast = Member(json, "at_least_one");
        ASSERT_EQ(one.size(), expected.size());
        ASSERT_EQ(atLeast.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const auto& [id, count] = expected[i];
            EXPECT_EQ(Number(one[i], "id"), id) << i;
            EXPECT_EQ(Number(atLeast[i], "id"), id) << i;
            EXPECT_NEAR(Number(one[i], "probability"), count / counts.m_dTotal, 1e-12) << "row " << id;
            EXPECT_NEAR(Number(atLeast[i], "probability"), AtLeastOneOf(count, counts.m_dTotal, flow.m_nOpponents),
                        1e-9)
                << "row " << id;
            for (const TJson* row : {&one[i], &atLeast[i]})
                EXPECT_EQ(Number(*row, "odds"), CCardDistributionManager::GetOdds(Number(*row, "probability")));
        }

        // The showdown: the counts of opponent hands by the full rules, its
        // figures a split of the pot, and the text with the same counts.
        const TJson& showdown = Member(json, "showdown");
        const double n = Number(showdown, "hands"), b = Number(showdown, "beating"), l = Number(showdown, "losing");
        EXPECT_EQ(n, counts.m_dTotal);
        EXPECT_EQ(b, counts.m_dRulesAbove);
        EXPECT_EQ(Number(showdown, "tying"), counts.m_dRulesLevel);
        EXPECT_EQ(l, counts.m_dRulesBelow);
        EXPECT_EQ(Number(showdown, "opponents"), flow.m_nOpponents);
        EXPECT_NEAR(Number(showdown, "win") + Number(showdown, "tie") + Number(showdown, "lose"), 1.0, 1e-12);
        if (flow.m_nOpponents == 1) {
            EXPECT_NEAR(Number(showdown, "win"), l / n, 1e-15);
            EXPECT_NEAR(Number(showdown, "lose"), b / n, 1e-15);
        }
        // The text names the same counts under a heading that says everyone
        // stands pat, right above the outcome column.
        const std::string text = Report(flow.m_pRequest);
        TTable table;
        table.m_nOpponents = static_cast<int>(flow.m_nOpponents);
        table.m_eModel = ETableModel::StandPat;
        const size_t column = text.find("\n" + LoadString(idShowdownOutcomeColumn) + " ");
        ASSERT_NE(column, std::string::npos) << text;
        const size_t heading = text.rfind('\n', column - 1);
        EXPECT_NE(text.substr(heading, column - heading).find(DescribeTable(table)), std::string::npos) << text;
        const auto whole = [](double count) { return static_cast<std::uint64_t>(count); };
        const TShowdownCounts showdownCounts{whole(counts.m_dTotal), whole(counts.m_dRulesAbove),
                                             whole(counts.m_dRulesLevel), whole(counts.m_dRulesBelow)};
        EXPECT_NE(text.find(ShowdownHandsLine(showdownCounts)), std::string::npos) << text;
    }
}

TEST(JsonReport, HoldsExactlyTheListedMembersInOrder)
{
    const TJson json = JsonReport("--opponents 2 --discard 4s,9c --draw Kd,Ks 2c 4s 7d 9c Qh");
    EXPECT_EQ(Keys(json), (std::vector<std::string>{"hand", "known", "final", "opponents", "known_count", "formation",
                                              "draw_code", "one_opponent", "at_least_one", "description", "advice",
                                              "showdown"}));
    // The final hand as players hold it; the dealt hand so too, then the
    // replacements.
    EXPECT_EQ(CardsOf(Member(json, "hand")), "Kd Ks Qh 7d 2c");
    EXPECT_EQ(CardsOf(Member(json, "known")), "Qh 9c 7d 4s 2c Kd Ks");
    EXPECT_TRUE(Member(json, "final").is_boolean());
    EXPECT_EQ(Member(json, "opponents").get<double>(), 2);
    EXPECT_EQ(Member(json, "formation").get<double>(), fmOnePair);
    EXPECT_TRUE(Member(json, "draw_code").is_number());
    for (const char* table : {"one_opponent", "at_least_one"})
        for (const TJson& row : Member(json, table)) {
            ASSERT_EQ(Keys(row), (std::vector<std::string>{"id", "label", "probability", "odds"})) << table;
            EXPECT_EQ(Member(row, "label"), LoadString(static_cast<unsigned>(Number(row, "id"))));
        }
}

TEST(JsonEncoding, StringsAndNumbersReadBackUnchanged)
{
    const std::string text = "say \"hi\"\\ now\r\n\ttab\x01\x1f end \xE2\x99\xA0/";
    TJson json;
    ASSERT_TRUE(ParseJson(JsonString(text), json)) << JsonString(text);
    EXPECT_EQ(json.get<std::string>(), text);
    for (const double value : {0.1, 1.0 / 3.0, 4.9e-324, 1.7976931348623157e308, -1.0, 0.0}) {
        ASSERT_TRUE(ParseJson(JsonNumber(value), json)) << JsonNumber(value);
        EXPECT_EQ(json.get<double>(), value) << JsonNumber(value);
    }
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
}

// A row that cannot happen shows 0.000% and a dash for its odds, not a gap:
// nothing beats a royal flush, and it cannot lose the showdown.
TEST(TextReport, RowsAtZeroShowADashForTheirOdds)
{
    const std::string hand = "Th Jh Qh Kh Ah";
    const std::vector<std::string> lines = Lines(Report(hand));
    const std::string dash = LoadString(idNoOdds);
    const TJson json = JsonReport(hand);
    std::vector<std::string> labels;
    for (const char* table : {"one_opponent", "at_least_one"})
        for (const TJson& row : Member(json, table)) {
            ASSERT_EQ(Number(row, "probability"), 0.0);
            labels.push_back(Member(row, "label").get<std::string>());
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
    const std::string hand = "Kc Kd Ah 7s 2c";  // a draw code apart from the formation
    CCardDistributionManager manager;
    for (const int card : Cards(hand))
        manager.MarkKnown(card);
    const TConfirmedHand confirmed = ConfirmHand(manager, 1, false);
    const std::string& description = confirmed.m_strDescription;
    const std::string& advice = confirmed.m_strAdvice;
    ASSERT_FALSE(advice.empty());

    const TJson json = JsonReport(hand);
    EXPECT_EQ(Member(json, "formation").get<double>(), confirmed.m_nFormation);
    EXPECT_EQ(Member(json, "draw_code").get<double>(), confirmed.m_nDrawCode);
    EXPECT_EQ(Member(json, "description").get<std::string>(), description);
    EXPECT_EQ(Member(json, "advice").get<std::string>(), advice);

    // The text report breaks lines for the terminal.
    std::string lines = "Your initial hand: Kc Kd Ah 7s 2c (one pair)\r\n" + description + "\r\n\r\n" +
                        LoadString(idClassicHeading) + "\r\n" + advice + "\r\n";
    for (size_t at; (at = lines.find("\r\n")) != std::string::npos;)
        lines.replace(at, 2, "\n");
    const std::string text = Report("--no-equity " + hand);
    EXPECT_EQ(text.rfind(lines, 0), 0u) << text;
}

TEST(HandTexts, FinalHandHasNoAdvice)
{
    const std::string request = "--discard 2c --draw Ac Qs Qh 5d 5c 2c";
    EXPECT_EQ(Member(JsonReport(request), "advice").get<std::string>(), "");
    const std::string text = Report(request);
    EXPECT_EQ(Lines(text)[0], "Your final hand: Qh Qs 5c 5d Ac (two pair)");
    EXPECT_EQ(text.find(LoadString(idClassicHeading)), std::string::npos);
}

} // namespace
