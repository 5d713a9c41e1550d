// quintara-odds --equity and the card-disjoint showdown: the JSON read back,
// the order of the holds, the texts of the table and of what is exact.
#include "CardText.h"
#include "Cards.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kKings{"Kd", "Ks", "8s", "4h", "2c"};
const char kPlusMinus[] = "\xC2\xB1";

// The run the command line should have made, set up here from the cards the
// JSON names: the hand in its order, every other known card seen.
TTableSetup SetupFromJson(const TJson& json, const TJson& equity)
{
    TTableSetup setup;
    const std::vector<int> hand = CardsOf(Member(json, "hand"));
    std::copy(hand.begin(), hand.end(), setup.m_anHand);
    for (const int card : CardsOf(Member(json, "known")))
        setup.m_abSeen[card] = std::find(hand.begin(), hand.end(), card) == hand.end();
    setup.m_bFinal = Member(json, "final").m_bValue;
    setup.m_nOpponents = static_cast<int>(Number(equity, "opponents"));
    setup.m_eModel = Member(equity, "model").m_strValue == "stand pat" ? ETableModel::StandPat : ETableModel::UsualPlay;
    const std::vector<TJson>& drew = Member(equity, "drew").m_arrItems;
    for (size_t i = 0; i < drew.size() && i < static_cast<size_t>(kMaxTableOpponents); ++i)
        setup.m_anDrew[i] = drew[i].m_nKind == TJson::jkNull ? kDrawUnseen : static_cast<int>(drew[i].m_dValue);
    setup.m_nTrials = static_cast<std::uint64_t>(Number(equity, "trials"));
    setup.m_nSeed = static_cast<std::uint64_t>(Number(equity, "seed"));
    return setup;
}

struct TEquityCase {
    const char* m_pName;
    std::vector<std::string> m_args;
    const char* m_pModel;
    std::vector<int> m_anDrew;  // kDrawUnseen for null
};

void PrintTo(const TEquityCase& c, std::ostream* os) { *os << c.m_pName; }

const TEquityCase kEquityCases[] = {
    {"UsualPlayAllHolds", With({"--equity", "--opponents", "3", "--trials", "20000"}, kKings), "usual play",
     {kDrawUnseen, kDrawUnseen, kDrawUnseen}},
    {"StandPatAllHolds", With({"--equity", "--pat", "--opponents", "2", "--trials", "20000"}, kKings), "stand pat",
     {kDrawUnseen, kDrawUnseen}},
    {"FinalHandSeenDraws",
     With({"--equity", "--opponents", "3", "--drew", "1,?,3", "--discard", "8s,4h,2c", "--draw", "Ah,7c,7d", "--trials",
           "20000", "--seed", "77"},
          kKings),
     "usual play", {1, kDrawUnseen, 3}},
    {"FinalHandStandPatOne", With({"--equity", "--pat", "--discard", "2c", "--draw", "Kh"}, kKings), "stand pat",
     {kDrawUnseen}},
};

class EquityJson : public testing::TestWithParam<TEquityCase> {};

// The "equity" object as documented: its table, then every hold (or the
// final hand, every card kept), its interval present exactly when it is
// simulated. The figures, best first, are those of the engine's run for the
// table the cards describe.
TEST_P(EquityJson, IsTheTablesRunBestFirst)
{
    const TEquityCase& c = GetParam();
    const TJson json = JsonReport(c.m_args);
    const std::vector<std::string> keys = Keys(json);
    // The decision, of a dealt hand only, comes before its table.
    const std::vector<std::string> tail = Member(json, "final").m_bValue
                                              ? std::vector<std::string>{"showdown", "equity"}
                                              : std::vector<std::string>{"showdown", "decision", "equity"};
    ASSERT_GE(keys.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(keys.end() - static_cast<long>(tail.size()), keys.end()), tail);
    const TJson& equity = Member(json, "equity");
    EXPECT_EQ(Keys(equity), (std::vector<std::string>{"model", "opponents", "drew", "ranges", "trials", "seed", "holds"}));
    EXPECT_EQ(Member(equity, "model").m_strValue, c.m_pModel);
    EXPECT_EQ(Number(equity, "opponents"), Number(json, "opponents"));
    std::vector<int> drew;
    for (const TJson& entry : Member(equity, "drew").m_arrItems)
        drew.push_back(entry.m_nKind == TJson::jkNull ? kDrawUnseen : static_cast<int>(entry.m_dValue));
    EXPECT_EQ(drew, c.m_anDrew);

    const bool final = Member(json, "final").m_bValue;
    const std::vector<int> hand = CardsOf(Member(json, "hand"));
    const std::vector<TJson>& holds = Member(equity, "holds").m_arrItems;
    ASSERT_EQ(holds.size(), final ? 1u : 32u);
    std::set<std::vector<int>> keeps;
    bool anySimulated = false;
    for (size_t i = 0; i < holds.size(); ++i) {
        SCOPED_TRACE("hold " + std::to_string(i));
        const TJson& hold = holds[i];
        ASSERT_EQ(Keys(hold), (std::vector<std::string>{"keep", "discard", "win", "tie", "lose", "pot_share",
                                                        "pot_share_error", "exact"}));
        // Kept and thrown cards split the hand, each in hand order.
        const std::vector<int> kept = CardsOf(Member(hold, "keep")), thrown = CardsOf(Member(hold, "discard"));
        std::vector<int> merged;
        std::merge(kept.begin(), kept.end(), thrown.begin(), thrown.end(), std::back_inserter(merged),
                   [&hand](int a, int b) {
                       return std::find(hand.begin(), hand.end(), a) < std::find(hand.begin(), hand.end(), b);
                   });
        EXPECT_EQ(merged, hand);
        if (final) {
            EXPECT_EQ(kept, hand);
        }
        keeps.insert(kept);

        const bool exact = Member(hold, "exact").m_bValue;
        anySimulated |= !exact;
        if (exact) {
            EXPECT_EQ(Number(hold, "pot_share_error"), 0.0);
        } else {
            EXPECT_GT(Number(hold, "pot_share_error"), 0.0);
        }
    }
    EXPECT_EQ(keeps.size(), holds.size()) << "every hold once";
    EXPECT_EQ(Number(equity, "trials") > 0, anySimulated);

    // The engine's own run of the table the JSON describes.
    TTableResult run = SimulateTable(SetupFromJson(json, equity));
    if (!anySimulated) {
        // Counted: the JSON's trials is 0, and any number asked for gives
        // the same count.
        TTableSetup setup = SetupFromJson(json, equity);
        setup.m_nTrials = 1;
        run = SimulateTable(setup);
    }
    SortByPotShare(run.m_arrHolds);
    ASSERT_EQ(run.m_arrHolds.size(), holds.size());
    for (size_t i = 0; i < holds.size(); ++i) {
        EXPECT_EQ(Number(holds[i], "pot_share"), run.m_arrHolds[i].m_dPotShare) << i;
        EXPECT_EQ(Number(holds[i], "win"), run.m_arrHolds[i].m_dWin) << i;
        EXPECT_EQ(Number(holds[i], "tie"), run.m_arrHolds[i].m_dTie) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(QuintaraOdds, EquityJson, testing::ValuesIn(kEquityCases),
                         [](const testing::TestParamInfo<TEquityCase>& info) { return info.param.m_pName; });

// With the pot shares at hand, --holds lists the holds in their order and
// its heading says so; without them, by the draw and says that.
TEST(HoldsOrder, FollowsThePotShareAtTheTableWhenAskedFor)
{
    const TJson json = JsonReport(With({"--holds", "--equity", "--opponents", "3", "--trials", "20000"}, kKings));
    const std::vector<TJson>& holds = Member(json, "holds").m_arrItems;
    const std::vector<TJson>& equity = Member(Member(json, "equity"), "holds").m_arrItems;
    ASSERT_EQ(holds.size(), equity.size());
    for (size_t i = 0; i < holds.size(); ++i)
        EXPECT_EQ(CardsOf(Member(holds[i], "keep")), CardsOf(Member(equity[i], "keep"))) << i;

    TTable table;
    table.m_nOpponents = 3;
    const std::string atTable = FormatString(LoadString(idHoldsByPotShareHeading).c_str(), kCardCount - kHandSize,
                                             DescribeTable(table).c_str());
    const std::string byDraw = FormatString(LoadString(idHoldsByDrawHeading).c_str(), kCardCount - kHandSize);
    const std::string withEquity = Report(With({"--holds", "--equity", "--opponents", "3", "--trials", "2000"}, kKings));
    const std::string without = Report(With({"--holds", "--no-equity", "--opponents", "3"}, kKings));
    EXPECT_NE(withEquity.find("\n" + atTable + "\n"), std::string::npos) << withEquity;
    EXPECT_EQ(withEquity.find(byDraw), std::string::npos);
    EXPECT_NE(without.find("\n" + byDraw + "\n"), std::string::npos) << without;
}

// Every count the usual play can draw, 0 to 5, is taken from --drew, and
// the report names the table in the game's words, with every opponent seen,
// some and none.
TEST(SeenDraws, EveryUsualCountIsTakenAndTheTableNamedInFull)
{
    const struct {
        int m_nOpponents;
        std::vector<int> m_anDrew;
    } tables[] = {{1, {5}}, {3, {1, 3, 0}}, {5, {4, kDrawUnseen, 2, kDrawUnseen, 0}}, {3, {}}};
    for (const auto& t : tables) {
        TTable table;
        table.m_nOpponents = t.m_nOpponents;
        std::string drew;
        for (size_t i = 0; i < t.m_anDrew.size(); ++i) {
            table.m_anDrew[i] = t.m_anDrew[i];
            drew += (i ? "," : "") + (t.m_anDrew[i] == kDrawUnseen ? std::string("?") : std::to_string(t.m_anDrew[i]));
        }
        std::vector<std::string> args = {"--equity", "--opponents", std::to_string(t.m_nOpponents), "--trials", "500"};
        if (!drew.empty())
            args.insert(args.end(), {"--drew", drew});
        const TOddsRun run = RunOdds(With(args, kKings));
        EXPECT_EQ(run.m_nStatus, 0) << drew << ": " << run.m_strErr;
        EXPECT_NE(run.m_strOut.find(DescribeTable(table)), std::string::npos) << run.m_strOut;
    }
}

// One request always prints the same figures; the seed is what they hang on.
TEST(EquitySeed, SameRequestSameFiguresOtherSeedOtherFigures)
{
    const std::vector<std::string> request = With({"--equity", "--opponents", "2", "--trials", "5000"}, kKings);
    const std::string first = Report(request);
    EXPECT_EQ(Report(request), first);
    EXPECT_EQ(Report(With({"--seed", "1"}, request)), first) << "the default seed is fixed";
    EXPECT_NE(Report(With({"--seed", "2"}, request)), first);
}

// The text says which figures are exact and gives every simulated one its
// interval: each hold's row carries it on all four figures, the note names
// the deals; a counted hand shows none.
TEST(EquityText, SaysWhichFiguresAreExact)
{
    const auto count = [](const std::string& text, const std::string& part) {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    };
    TTable table;
    table.m_nOpponents = 3;
    const std::string heading = FormatString(LoadString(idEquityHoldsHeading).c_str(), DescribeTable(table).c_str());
    const std::vector<std::string> lines = Lines(Report(kEquityCases[0].m_args));
    const auto at = std::find(lines.begin(), lines.end(), heading);
    ASSERT_NE(at, lines.end());
    ASSERT_GE(lines.end() - at, 35);
    for (auto row = at + 2; row != at + 34; ++row)
        EXPECT_EQ(count(*row, kPlusMinus), 4u) << *row;
    TTableResult simulated;
    simulated.m_nTrials = 20000;
    simulated.m_bDone = true;
    simulated.m_arrHolds.resize(1);
    EXPECT_EQ(at[34], EquityNote(simulated));

    const std::string counted = Report(kEquityCases[3].m_args);
    EXPECT_EQ(count(counted, kPlusMinus), 0u) << counted;
    EXPECT_NE(counted.find("\n" + LoadString(idEquityExact) + "\n"), std::string::npos) << counted;
}

}  // namespace
