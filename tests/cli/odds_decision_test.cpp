// The decision quintara-odds gives first: read back from the JSON against the
// engine's own run of the same table, said in the first lines of the text,
// and the classic advice second with the sentence that says when it keeps
// other cards. Then the hand as players hold it, the holds of --holds, and
// when the decision is given at all.
#include "BruteForce.h"
#include "Cards.h"
#include "ConfirmedHand.h"
#include "Decision.h"
#include "DrawAnalysis.h"
#include "HandOrder.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<int> ClassicKept(const std::vector<int>& hand)
{
    CCardDistributionManager manager;
    for (const int card : hand)
        manager.MarkKnown(card);
    return ConfirmHand(manager, 1, false).m_arrClassicKept;
}

struct TDecisionCase {
    const char* m_pRequest;
    int m_nOpponents;
    std::uint64_t m_nTrials;     // as the request asks, else the default
    int m_nClassicDiffers = -1;  // 1 or 0 when the case is chosen for it, -1 either way
    int m_nClose = -1;           // likewise for a close call
};

// Hands where the classic advice keeps other cards than the decision by a
// clear margin, where it keeps the same, and one too close to call.
const TDecisionCase kDecisionCases[] = {
    {"Ac Kd 7h 4s 2c", 1, kTableTrials, 1, 0},  // three to a straight against Ace-King
    {"Kd Ks 8s 4h Th", 1, kTableTrials, 0, 0},  // the classic first hold is the decision's
    {"Ah 9h 6h 2h Kc", 1, kTableTrials, 1, 0},  // the four-flush against Ace-King
    {"--opponents 3 Ah 9h 6h 2h Kc", 3, kTableTrials},
    {"--trials 20000 Ac Qd Jh 9s 7h", 1, 20000, 1, 0},
    {"--trials 20000 Ac Qd Jh 9s 5h", 1, 20000, 1, 0},
    {"--opponents 3 --trials 20000 Ac Qd Jh 9s 5h", 3, 20000, -1, 1},
};

// The "decision" object is the engine's DecideHold over the run of the table
// the JSON names; the text opens with it in words, then the classic advice
// under its heading, then (only when it keeps other cards) the sentence
// comparing both pot shares.
TEST(OddsDecision, IsTheEnginesAndComesFirst)
{
    for (const TDecisionCase& c : kDecisionCases) {
        SCOPED_TRACE(c.m_pRequest);
        const TJson json = JsonReport(std::string("--equity ") + c.m_pRequest);
        const std::string hand = CardsOf(Member(json, "hand"));
        EXPECT_EQ(Number(Member(json, "equity"), "trials"), c.m_nTrials);

        // The engine's run of the hand in players' order, as the game deals it.
        const std::string request = c.m_pRequest;
        std::vector<int> dealt = Cards(request.substr(request.size() - 14));
        const std::vector<int> given = dealt;
        SortAsPlayersHold(dealt.data(), kHandSize);
        CCardDistributionManager manager;
        for (const int card : dealt)
            manager.MarkKnown(card);
        TTable table;
        table.m_nOpponents = c.m_nOpponents;
        const TTableSetup setup = MakeTableSetup(manager, dealt.data(), false, table, c.m_nTrials, kTableSeed);
        ASSERT_EQ(hand, MaskCards(setup.m_anHand, 31, true)) << "the hand in players' order";
        const TTableResult run = SimulateTable(setup);
        const TTableDecision expected = DecideHold(run);
        ASSERT_TRUE(expected.m_bValid);

        const TJson& decision = Member(json, "decision");
        const TJson& runnerUp = Member(decision, "runner_up");
        for (const bool kept : {true, false}) {
            const char* key = kept ? "keep" : "discard";
            EXPECT_EQ(CardsOf(Member(decision, key)), MaskCards(setup.m_anHand, expected.m_best.m_nKeepMask, kept));
            EXPECT_EQ(CardsOf(Member(runnerUp, key)), MaskCards(setup.m_anHand, expected.m_runnerUp.m_nKeepMask, kept));
        }
        EXPECT_EQ(Number(decision, "pot_share"), expected.m_best.m_dPotShare);
        EXPECT_EQ(Number(decision, "pot_share_error"), expected.m_best.m_dPotShareError);
        EXPECT_EQ(Number(runnerUp, "pot_share"), expected.m_runnerUp.m_dPotShare);
        const double margin = Number(decision, "margin"), error = Number(decision, "margin_error");
        EXPECT_EQ(margin, expected.m_dMargin);
        EXPECT_EQ(error, expected.m_dMarginError);
        // The margin's interval is the paired one, sharper than the sum of the
        // two holds' half-widths.
        EXPECT_LT(error, expected.m_best.m_dPotShareError + expected.m_runnerUp.m_dPotShareError);
        const bool close = Member(decision, "close").get<bool>();
        EXPECT_EQ(close, margin - error <= 0);
        EXPECT_TRUE(c.m_nClose < 0 || close == (c.m_nClose == 1));

        // The text: the decision's three lines first, then the hand.
        const std::string text = Report(c.m_pRequest);
        const std::vector<std::string> lines = Lines(text);
        ASSERT_GE(lines.size(), 5u);
        const TDecisionText said = DescribeDecision(expected, setup.m_anHand, table, c.m_nTrials);
        EXPECT_EQ(lines[0], said.m_strHeading);
        EXPECT_EQ(lines[1], said.m_strBest);
        EXPECT_EQ(lines[2], said.m_strRunnerUp);
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4].rfind(LoadString(idInitialHandCaption) + " " + hand + " (", 0), 0u) << lines[4];

        // The classic advice second; the sentence after it when it differs.
        const std::vector<int> classic = ClassicKept(given);
        const bool differs = KeepMaskOf(setup.m_anHand, classic) != expected.m_best.m_nKeepMask;
        EXPECT_TRUE(c.m_nClassicDiffers < 0 || differs == (c.m_nClassicDiffers == 1));
        const std::string sentence = DescribeClassicDiffers(classic, run, expected, setup.m_anHand);
        EXPECT_EQ(sentence.empty(), !differs);
        const size_t classicAt = text.find("\n" + LoadString(idClassicHeading) + "\n");
        const size_t tablesAt = text.find("\n" + LoadString(idOneOpponentHeading) + "\n");
        ASSERT_NE(classicAt, std::string::npos);
        ASSERT_NE(tablesAt, std::string::npos);
        if (differs) {
            const size_t sentenceAt = text.find("\n" + sentence + "\n");
            EXPECT_GT(sentenceAt, classicAt);
            EXPECT_LT(sentenceAt, tablesAt);
        }
        EXPECT_EQ(text.find(LoadString(idClassicDiffers).substr(0, 20)) != std::string::npos, differs);
    }
}

// Players sort the hand groups first, then highest first; the report shows
// it so whatever order the cards came in, the final hand too.
TEST(OddsHandOrder, IsThePlayersWhateverTheOrderGiven)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2c Kd 4h 8s Ks", "Kd Ks 8s 4h 2c"},
        {"3h 9s 3c 9d 9h", "9d 9h 9s 3c 3h"},
        {"5s 2d As 4h 3c", "As 5s 4h 3c 2d"},
        {"--discard 8s,4h,2c --draw Kh,7c,3d 2c Kd 4h 8s Ks", "Kd Kh Ks 7c 3d"},
        {"--discard Kd --draw 2h 2c Kd 4h 8s Ks", "2c 2h Ks 8s 4h"},
    };
    for (const auto& [request, shown] : cases) {
        const std::vector<std::string> lines = Lines(Report(std::string("--no-equity ") + request));
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines[0].find(std::string(": ") + shown + " ("), std::string::npos) << lines[0];
        EXPECT_EQ(CardsOf(Member(JsonReport(request), "hand")), shown);
    }
}

// The draw analysis is checked against the enumeration with the engine; here
// --holds must carry its holds and figures unchanged, best first, each hold
// splitting the hand as players hold it into kept and thrown cards.
TEST(HoldsJson, AreTheEnginesHoldsBestFirst)
{
    EXPECT_FALSE(JsonReport("8c 8d Kh 5s 2c").contains("holds")) << "only when asked for";
    for (const char* hand : {"8c 8d Kh 5s 2c", "5c 6d 7h 8s 9c"}) {
        std::vector<int> cards = Cards(hand);
        SortAsPlayersHold(cards.data(), kHandSize);
        std::vector<TDrawOutcome> expected = AnalyzeDraws(cards.data(), nullptr);
        SortHoldsBestFirst(expected);
        const TJson json = JsonReport(std::string("--holds ") + hand);
        EXPECT_EQ(Keys(json).back(), "holds");
        const TJson& holds = Member(json, "holds");
        ASSERT_EQ(holds.size(), expected.size());
        for (size_t i = 0; i < holds.size(); ++i) {
            SCOPED_TRACE(std::string(hand) + ", position " + std::to_string(i));
            EXPECT_EQ(CardsOf(Member(holds[i], "keep")), MaskCards(cards.data(), expected[i].m_nKeepMask, true));
            EXPECT_EQ(CardsOf(Member(holds[i], "discard")), MaskCards(cards.data(), expected[i].m_nKeepMask, false));
            const TJson& chances = Member(holds[i], "probabilities");
            ASSERT_EQ(chances.size(), static_cast<size_t>(hcCategoryCount));
            for (int c = 0; c < hcCategoryCount; ++c)
                EXPECT_EQ(Number(chances, HandCategoryKey(c)), expected[i].m_adProbability[c]);
            EXPECT_EQ(Number(holds[i], "improve"), expected[i].m_dImprove);
            EXPECT_EQ(Number(holds[i], "at_least_current"), expected[i].m_dAtLeastCurrent);
        }
    }
}

// The decision costs a run: one request read as text gets it unasked;
// --no-equity, --json and batch lines only when they ask.
TEST(OddsDecision, IsGivenUnaskedOnlyToOneRequestAsText)
{
    const std::string hand = "Kd Ks 8s 4h 2c";
    TTable table;
    const std::string heading = FormatString(LoadString(idDecisionHeading).c_str(), DescribeTable(table).c_str());
    EXPECT_EQ(Lines(Report(hand)).at(0), heading);
    EXPECT_EQ(Lines(Report("--equity " + hand)).at(0), heading);
    const std::string unasked = Report("--no-equity " + hand);
    EXPECT_EQ(unasked.find(heading), std::string::npos);
    EXPECT_EQ(unasked.find(FormatString(LoadString(idEquityHoldsHeading).c_str(), DescribeTable(table).c_str())),
              std::string::npos);

    const TJson plain = JsonReport(hand), asked = JsonReport("--equity " + hand);
    EXPECT_FALSE(plain.contains("decision"));
    EXPECT_FALSE(plain.contains("equity"));
    EXPECT_TRUE(asked.contains("decision"));
    EXPECT_EQ(Number(Member(asked, "equity"), "trials"), kTableTrials);
    EXPECT_EQ(Number(Member(asked, "equity"), "seed"), kTableSeed);

    const TOddsRun batch = RunOdds("--batch --jobs 1", hand + "\n--equity --trials 2000 " + hand + "\n");
    const std::vector<std::string> lines = Lines(batch.m_strOut);
    ASSERT_EQ(lines.size(), 2u) << batch.m_strErr;
    EXPECT_EQ(lines[0].find("\"decision\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"decision\""), std::string::npos);
}

// A final hand has no holds to choose from: no decision, and its figure with
// the opponents drawing comes before the stand-pat showdown.
TEST(OddsDecision, FinalHandShowsTheDrawingFigureFirst)
{
    const std::string request = "--opponents 3 --trials 2000 --discard 8s,4h,2c --draw Kh,7c,3d Kd Ks 8s 4h 2c";
    const std::string text = Report(request);
    TTable table;
    table.m_nOpponents = 3;
    const size_t drawing = text.find(DescribeTable(table));
    table.m_eModel = ETableModel::StandPat;
    const size_t standing = text.find(DescribeTable(table));
    ASSERT_NE(drawing, std::string::npos) << text;
    ASSERT_NE(standing, std::string::npos) << text;
    EXPECT_LT(drawing, standing);
    EXPECT_EQ(Lines(text).at(0).rfind(LoadString(idFinalHandCaption), 0), 0u);
    EXPECT_FALSE(JsonReport("--equity " + request).contains("decision"));
}

}  // namespace
