// quintara-odds --equity and the card-disjoint showdown: the JSON read back
// against the engine's run, the order of the holds, the texts of the table
// and of what is exact, the ranges and the price of a call.
#include "BruteForce.h"
#include "Cards.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string kKings = " Kd Ks 8s 4h 2c";
const char kPlusMinus[] = "\xC2\xB1";

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The run the command line should have made, set up here from the cards the
// JSON names: the hand in its order, every other known card seen.
TTableSetup SetupFromJson(const TJson& json, const TJson& equity)
{
    TTableSetup setup;
    const std::vector<int> hand = Cards(CardsOf(Member(json, "hand")));
    std::copy(hand.begin(), hand.end(), setup.m_anHand);
    for (const int card : Cards(CardsOf(Member(json, "known"))))
        setup.m_abSeen[card] = std::find(hand.begin(), hand.end(), card) == hand.end();
    setup.m_bFinal = Member(json, "final").get<bool>();
    setup.m_nOpponents = static_cast<int>(Number(equity, "opponents"));
    setup.m_eModel = Member(equity, "model").get<std::string>() == "stand pat" ? ETableModel::StandPat : ETableModel::UsualPlay;
    const TJson& drew = Member(equity, "drew");
    for (size_t i = 0; i < drew.size() && i < static_cast<size_t>(kMaxTableOpponents); ++i)
        setup.m_anDrew[i] = drew[i].is_null() ? kDrawUnseen : static_cast<int>(drew[i].get<double>());
    setup.m_nTrials = static_cast<std::uint64_t>(Number(equity, "trials"));
    setup.m_nSeed = static_cast<std::uint64_t>(Number(equity, "seed"));
    return setup;
}

// The "equity" object as documented: its table, then every hold (or the
// final hand, every card kept), its interval present exactly when it is
// simulated. The figures, best first, are those of the engine's run for the
// table the cards describe.
TEST(EquityJson, IsTheTablesRunBestFirst)
{
    const struct {
        std::string m_strRequest;
        const char* m_pModel;
        const char* m_pDrew;  // the "drew" list as printed
    } cases[] = {
        {"--opponents 3 --trials 20000" + kKings, "usual play", "null null null"},
        {"--pat --opponents 2 --trials 20000" + kKings, "stand pat", "null null"},
        {"--opponents 3 --drew 1,?,3 --discard 8s,4h,2c --draw Ah,7c,7d --trials 20000 --seed 77" + kKings,
         "usual play", "1 null 3"},
        {"--pat --discard 2c --draw Kh" + kKings, "stand pat", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_strRequest);
        const TJson json = JsonReport("--equity " + c.m_strRequest);
        const bool final = Member(json, "final").get<bool>();
        // The decision, of a dealt hand only, comes before its table.
        std::vector<std::string> keys = Keys(json);
        keys.erase(keys.begin(), keys.end() - (final ? 2 : 3));
        EXPECT_EQ(keys, (final ? std::vector<std::string>{"showdown", "equity"}
                               : std::vector<std::string>{"showdown", "decision", "equity"}));
        const TJson& equity = Member(json, "equity");
        EXPECT_EQ(Member(equity, "model").get<std::string>(), c.m_pModel);
        EXPECT_EQ(Number(equity, "opponents"), Number(json, "opponents"));
        std::string drew;
        for (const TJson& entry : Member(equity, "drew"))
            drew += (drew.empty() ? "" : " ") +
                    (entry.is_null() ? "null" : std::to_string(static_cast<int>(entry.get<double>())));
        EXPECT_EQ(drew, c.m_pDrew);

        // The engine's own run of the table the JSON describes; counted, the
        // JSON's trials is 0, and any number asked for gives the same count.
        TTableSetup setup = SetupFromJson(json, equity);
        setup.m_nTrials = std::max<std::uint64_t>(setup.m_nTrials, 1);
        TTableResult run = SimulateTable(setup);
        SortByPotShare(run.m_arrHolds);
        const TJson& holds = Member(equity, "holds");
        ASSERT_EQ(holds.size(), final ? 1u : 32u);
        ASSERT_EQ(run.m_arrHolds.size(), holds.size());
        bool anySimulated = false;
        for (size_t i = 0; i < holds.size(); ++i) {
            // Kept and thrown cards split the hand, each in hand order; the
            // interval is there exactly when the figure is simulated.
            const THoldEquity& hold = run.m_arrHolds[i];
            EXPECT_EQ(CardsOf(Member(holds[i], "keep")), MaskCards(setup.m_anHand, hold.m_nKeepMask, true)) << i;
            EXPECT_EQ(CardsOf(Member(holds[i], "discard")), MaskCards(setup.m_anHand, hold.m_nKeepMask, false)) << i;
            EXPECT_EQ(Member(holds[i], "exact").get<bool>(), hold.m_bExact) << i;
            EXPECT_EQ(Number(holds[i], "pot_share_error") > 0.0, !hold.m_bExact) << i;
            anySimulated |= !hold.m_bExact;
            EXPECT_EQ(Number(holds[i], "pot_share"), hold.m_dPotShare) << i;
            EXPECT_EQ(Number(holds[i], "win"), hold.m_dWin) << i;
            EXPECT_EQ(Number(holds[i], "tie"), hold.m_dTie) << i;
        }
        EXPECT_EQ(Number(equity, "trials") > 0, anySimulated);
    }
}

// With the pot shares at hand, --holds lists the holds in their order and
// its heading says so; without them, by the draw and says that.
TEST(HoldsOrder, FollowsThePotShareAtTheTableWhenAskedFor)
{
    const TJson json = JsonReport("--holds --equity --opponents 3 --trials 20000" + kKings);
    const TJson& holds = Member(json, "holds");
    const TJson& equity = Member(Member(json, "equity"), "holds");
    ASSERT_EQ(holds.size(), equity.size());
    for (size_t i = 0; i < holds.size(); ++i)
        EXPECT_EQ(CardsOf(Member(holds[i], "keep")), CardsOf(Member(equity[i], "keep"))) << i;

    TTable table;
    table.m_nOpponents = 3;
    const std::string atTable = FormatString(LoadString(idHoldsByPotShareHeading).c_str(), kCardCount - kHandSize,
                                             DescribeTable(table).c_str());
    const std::string byDraw = FormatString(LoadString(idHoldsByDrawHeading).c_str(), kCardCount - kHandSize);
    const std::string withEquity = Report("--holds --equity --opponents 3 --trials 2000" + kKings);
    const std::string without = Report("--holds --no-equity --opponents 3" + kKings);
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
            drew += (i ? "," : " --drew ") +
                    (t.m_anDrew[i] == kDrawUnseen ? std::string("?") : std::to_string(t.m_anDrew[i]));
        }
        const std::string opponents = std::to_string(t.m_nOpponents);
        const TOddsRun run = RunOdds("--equity --trials 500 --opponents " + opponents + drew + kKings);
        EXPECT_EQ(run.m_nStatus, 0) << drew << ": " << run.m_strErr;
        EXPECT_NE(run.m_strOut.find(DescribeTable(table)), std::string::npos) << run.m_strOut;
    }
}

// One request always prints the same figures; the seed is what they hang on.
TEST(EquitySeed, SameRequestSameFiguresOtherSeedOtherFigures)
{
    const std::string request = "--equity --opponents 2 --trials 5000" + kKings;
    const std::string first = Report(request);
    EXPECT_EQ(Report(request), first);
    EXPECT_EQ(Report("--seed 1 " + request), first) << "the default seed is fixed";
    EXPECT_NE(Report("--seed 2 " + request), first);
}

// The text says which figures are exact and gives every simulated one its
// interval: each hold's row carries it on all four figures, the note names
// the deals; a counted hand shows none.
TEST(EquityText, SaysWhichFiguresAreExact)
{
    TTable table;
    table.m_nOpponents = 3;
    const std::string heading = FormatString(LoadString(idEquityHoldsHeading).c_str(), DescribeTable(table).c_str());
    const std::vector<std::string> lines = Lines(Report("--equity --opponents 3 --trials 20000" + kKings));
    const auto at = std::find(lines.begin(), lines.end(), heading);
    ASSERT_NE(at, lines.end());
    ASSERT_GE(lines.end() - at, 35);
    for (auto row = at + 2; row != at + 34; ++row)
        EXPECT_EQ(Occurrences(*row, kPlusMinus), 4u) << *row;
    TTableResult simulated;
    simulated.m_nTrials = 20000;
    simulated.m_bDone = true;
    simulated.m_arrHolds.resize(1);
    EXPECT_EQ(at[34], EquityNote(simulated));

    const std::string counted = Report("--equity --pat --discard 2c --draw Kh" + kKings);
    EXPECT_EQ(Occurrences(counted, kPlusMinus), 0u) << counted;
    EXPECT_NE(counted.find("\n" + LoadString(idEquityExact) + "\n"), std::string::npos) << counted;
}

const std::string kPriced =
    "--equity --opponents 2 --drew 1,3 --range open --pot 60 --call 20 --trials 20000 Qs Qd 7c 7h Ac";

// Each hold's expected gain from its own pot share, and the call object of
// the best hold with the verdict its interval gives; without a price, no
// call figures, and a seat without a range reads null.
TEST(OddsRange, JsonGivesTheRangesAndEachHoldsPriceOfACall)
{
    const TJson json = JsonReport(kPriced);
    const TJson& equity = Member(json, "equity");
    const TJson& ranges = Member(equity, "ranges");
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].get<std::string>(), "JJ+");
    EXPECT_TRUE(ranges[1].is_null());
    const TJson& holds = Member(equity, "holds");
    ASSERT_EQ(holds.size(), 32u);
    for (const TJson& hold : holds) {
        const double share = Number(hold, "pot_share");
        EXPECT_NEAR(Number(hold, "call_ev"), share * 60 - (1 - share) * 20, 1e-9);
        EXPECT_NEAR(Number(hold, "call_ev_error"), Number(hold, "pot_share_error") * 80, 1e-9);
    }
    const TJson& call = Member(equity, "call");
    const double ev = Number(call, "ev"), error = Number(call, "ev_error");
    EXPECT_EQ(ev, Number(holds.front(), "call_ev"));
    EXPECT_NEAR(Number(call, "needed"), 0.25, 1e-12);
    EXPECT_EQ(Member(call, "verdict").get<std::string>(), ev - error > 0 ? "call" : ev + error < 0 ? "fold" : "close");
    // The decision names the same call for its best hold.
    const TJson& decided = Member(Member(json, "decision"), "call");
    EXPECT_EQ(Number(decided, "ev"), ev);
    EXPECT_EQ(Member(decided, "verdict").get<std::string>(), Member(call, "verdict").get<std::string>());

    const TJson unpriced = Member(JsonReport("--equity --trials 4096 2c 4s 7d 9c Qh"), "equity");
    EXPECT_FALSE(unpriced.contains("call"));
    EXPECT_FALSE(Member(unpriced, "holds").front().contains("call_ev"));
    ASSERT_EQ(Member(unpriced, "ranges").size(), 1u);
    EXPECT_TRUE(Member(unpriced, "ranges")[0].is_null());
}

// The opener's range changes the figures the same request gives unranged.
TEST(OddsRange, ARangeConditionsThePotShares)
{
    std::string unranged = kPriced;
    unranged.erase(unranged.find("--range open "), 13);
    const TJson ranged = JsonReport(kPriced), plain = JsonReport(unranged);
    const TJson& a = Member(Member(ranged, "equity"), "holds").front();
    const TJson& b = Member(Member(plain, "equity"), "holds").front();
    EXPECT_GT(std::fabs(Number(a, "pot_share") - Number(b, "pot_share")),
              Number(a, "pot_share_error") + Number(b, "pot_share_error"));
}

}  // namespace
