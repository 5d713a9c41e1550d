// quintara-odds with ranges and the price of a call: every kind of bad input
// refused in one line, the ranges and the call in the JSON, a batch line
// answered as the command line would.

#include "OddsRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Args(std::vector<std::string> options, const std::string& hand = "2c 4s 7d 9c Qh")
{
    for (size_t from = 0;;) {
        const size_t space = hand.find(' ', from);
        options.push_back(hand.substr(from, space - from));
        if (space == std::string::npos)
            return options;
        from = space + 1;
    }
}

const struct {
    const char* m_pName;
    std::vector<std::string> m_args;
    const char* m_pProblem;    // words the message must contain
    const char* m_pOffending;  // the offending text as quoted
} kBadInputs[] = {
    {"unknown word", Args({"--equity", "--opponents", "2", "--range", "JJ+,XX"}), "unknown range word", "'XX'"},
    {"unknown part", Args({"--equity", "--range", "77-TT/4f+"}), "unknown range word", "'4f+'"},
    {"empty entry", Args({"--equity", "--opponents", "2", "--range", "JJ+,"}), "empty entry", "'JJ+,'"},
    {"more entries than opponents", Args({"--equity", "--opponents", "2", "--range", "JJ+,?,AA"}), "3 entries",
     "'JJ+,?,AA'"},
    {"no hand left", Args({"--equity", "--opponents", "2", "--range", "?,AA"}, "Ac Ad Ah 9c Qh"),
     "no hand of the range 'AA' is left", "opponent 2"},
    {"never draws the seen count", Args({"--equity", "--drew", "0", "--range", "77-TT"}),
     "never draws 0 cards to a hand of the range '77-TT'", "opponent 1"},
    {"call without pot", Args({"--equity", "--call", "20"}), "needs --pot", "'20'"},
    {"pot without call", Args({"--equity", "--pot", "60"}), "needs --call", "'60'"},
    {"nil pot", Args({"--equity", "--pot", "0", "--call", "20"}), "not a positive amount", "'0'"},
    {"negative call", Args({"--equity", "--pot", "60", "--call", "-5"}), "not a positive amount", "'-5'"},
    {"amount not a number", Args({"--equity", "--pot", "6O", "--call", "20"}), "not a positive amount", "'6O'"},
    {"range without equity", Args({"--no-equity", "--range", "JJ+"}), "needs --equity", "'JJ+'"},
    {"price without equity", Args({"--json", "--pot", "60", "--call", "20"}), "needs --equity", "'60'"},
    {"open not a rank", Args({"--equity", "--range", "open", "--open", "JJ"}), "not a rank", "'JJ'"},
    {"open without range", Args({"--equity", "--open", "Q"}), "needs --range", "'Q'"},
    // Each range alone can be dealt; both at once never: the run says so.
    {"ranges never dealt together", Args({"--equity", "--opponents", "2", "--range", "AA,aa"}, "Ah As 7d 9c Qh"),
     "hardly ever be dealt together", "'AA,AA'"},
};

TEST(OddsRange, EveryBadInputIsRefusedWithOneLineNamingIt)
{
    for (const auto& input : kBadInputs) {
        const TOddsRun run = RunOdds(input.m_args);
        EXPECT_EQ(run.m_nStatus, 2) << input.m_pName;
        EXPECT_EQ(run.m_strOut, "") << input.m_pName;
        EXPECT_EQ(std::count(run.m_strErr.begin(), run.m_strErr.end(), '\n'), 1) << run.m_strErr;
        EXPECT_NE(run.m_strErr.find(input.m_pProblem), std::string::npos) << input.m_pName << ": " << run.m_strErr;
        EXPECT_NE(run.m_strErr.find(input.m_pOffending), std::string::npos) << input.m_pName << ": " << run.m_strErr;
    }
}

const std::vector<std::string> kPricedRequest =
    Args({"--equity", "--opponents", "2", "--drew", "1,3", "--range", "open", "--pot", "60", "--call", "20",
          "--trials", "20000"},
         "Qs Qd 7c 7h Ac");

// Each hold's expected gain from its own pot share, and the call object of
// the best hold with the verdict its interval gives.
TEST(OddsRange, JsonGivesTheRangesAndEachHoldsPriceOfACall)
{
    const TJson json = JsonReport(kPricedRequest);
    const TJson* equity = json.Find("equity");
    ASSERT_NE(equity, nullptr);
    const TJson* ranges = equity->Find("ranges");
    ASSERT_NE(ranges, nullptr);
    ASSERT_EQ(ranges->m_arrItems.size(), 2u);
    EXPECT_EQ(ranges->m_arrItems[0].m_strValue, "JJ+");
    EXPECT_EQ(ranges->m_arrItems[1].m_nKind, TJson::jkNull);
    const TJson* holds = equity->Find("holds");
    ASSERT_NE(holds, nullptr);
    ASSERT_EQ(holds->m_arrItems.size(), 32u);
    for (const TJson& hold : holds->m_arrItems) {
        const double share = hold.Find("pot_share")->m_dValue, error = hold.Find("pot_share_error")->m_dValue;
        ASSERT_NE(hold.Find("call_ev"), nullptr);
        EXPECT_NEAR(hold.Find("call_ev")->m_dValue, share * 60 - (1 - share) * 20, 1e-9);
        EXPECT_NEAR(hold.Find("call_ev_error")->m_dValue, error * 80, 1e-9);
    }
    const TJson* call = equity->Find("call");
    ASSERT_NE(call, nullptr);
    const TJson& best = holds->m_arrItems.front();
    EXPECT_EQ(call->Find("ev")->m_dValue, best.Find("call_ev")->m_dValue);
    EXPECT_NEAR(call->Find("needed")->m_dValue, 0.25, 1e-12);
    const double low = call->Find("ev")->m_dValue - call->Find("ev_error")->m_dValue;
    const double high = call->Find("ev")->m_dValue + call->Find("ev_error")->m_dValue;
    EXPECT_EQ(call->Find("verdict")->m_strValue, low > 0 ? "call" : high < 0 ? "fold" : "close");
    // The decision names the same call for its best hold.
    const TJson* decision = json.Find("decision");
    ASSERT_NE(decision, nullptr);
    ASSERT_NE(decision->Find("call"), nullptr);
    EXPECT_EQ(decision->Find("call")->Find("ev")->m_dValue, call->Find("ev")->m_dValue);
    EXPECT_EQ(decision->Find("call")->Find("verdict")->m_strValue, call->Find("verdict")->m_strValue);
}

TEST(OddsRange, WithoutAPriceNoCallFiguresAndAnyRangeIsNull)
{
    const TJson json = JsonReport(Args({"--equity", "--trials", "4096"}));
    const TJson* equity = json.Find("equity");
    ASSERT_NE(equity, nullptr);
    EXPECT_EQ(equity->Find("call"), nullptr);
    EXPECT_EQ(equity->Find("holds")->m_arrItems.front().Find("call_ev"), nullptr);
    ASSERT_EQ(equity->Find("ranges")->m_arrItems.size(), 1u);
    EXPECT_EQ(equity->Find("ranges")->m_arrItems[0].m_nKind, TJson::jkNull);
}

// The opener's range changes the figures the same request gives unranged.
TEST(OddsRange, ARangeConditionsThePotShares)
{
    std::vector<std::string> unranged = kPricedRequest;
    const auto at = std::find(unranged.begin(), unranged.end(), "--range");
    unranged.erase(at, at + 2);
    const TJson ranged = JsonReport(kPricedRequest), plain = JsonReport(unranged);
    const TJson& a = ranged.Find("equity")->Find("holds")->m_arrItems.front();
    const TJson& b = plain.Find("equity")->Find("holds")->m_arrItems.front();
    const double gap = std::fabs(a.Find("pot_share")->m_dValue - b.Find("pot_share")->m_dValue);
    EXPECT_GT(gap, a.Find("pot_share_error")->m_dValue + b.Find("pot_share_error")->m_dValue);
}

TEST(OddsRange, ABatchLineAnswersAsTheCommandLine)
{
    std::string line;
    for (const std::string& arg : kPricedRequest)
        line += (line.empty() ? "" : " ") + arg;
    const TOddsRun batch = RunOdds({"--batch", "--jobs", "1"}, line + "\n");
    ASSERT_EQ(batch.m_nStatus, 0) << batch.m_strErr;
    TJson fromBatch, single;
    ASSERT_TRUE(ParseJson(batch.m_strOut, fromBatch));
    std::vector<std::string> args = kPricedRequest;
    args.insert(args.begin(), "--json");
    ASSERT_TRUE(ParseJson(Report(args), single));
    const TJson* a = fromBatch.Find("equity");
    const TJson* b = single.Find("equity");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->Find("call")->Find("ev")->m_dValue, b->Find("call")->Find("ev")->m_dValue);
    EXPECT_EQ(a->Find("ranges")->m_arrItems[0].m_strValue, "JJ+");
}

} // namespace
