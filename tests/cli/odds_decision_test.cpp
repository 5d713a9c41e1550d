// The decision quintara-odds gives first: read back from the JSON against the
// engine's own run of the same table, said in the first lines of the text,
// and the classic advice second with the sentence that says when it keeps
// other cards. Then the hand as players hold it, and when the decision is
// given at all.
#include "CardText.h"
#include "Cards.h"
#include "ConfirmedHand.h"
#include "Decision.h"
#include "HandOrder.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string HandText(const int* hand)
{
    std::string text;
    for (int i = 0; i < kHandSize; ++i)
        text += (i ? " " : "") + CardText(hand[i]);
    return text;
}

// The cards of a keep mask over `hand`, kept or thrown, in the hand's order.
std::vector<int> MaskCards(const std::vector<int>& hand, unsigned mask, bool kept)
{
    std::vector<int> cards;
    for (size_t i = 0; i < hand.size(); ++i)
        if (((mask >> i) & 1u) == (kept ? 1u : 0u))
            cards.push_back(hand[i]);
    return cards;
}

// The engine's run of an initial hand: the hand in players' order, as the
// game deals it to every front end.
TTableSetup InitialSetup(std::vector<int> hand, int opponents, std::uint64_t trials)
{
    SortAsPlayersHold(hand.data(), kHandSize);
    CCardDistributionManager manager;
    for (const int card : hand)
        manager.MarkKnown(card);
    TTable table;
    table.m_nOpponents = opponents;
    return MakeTableSetup(manager, hand.data(), false, table, trials, kTableSeed);
}

std::vector<int> ClassicKept(const std::vector<int>& hand)
{
    CCardDistributionManager manager;
    for (const int card : hand)
        manager.MarkKnown(card);
    return ConfirmHand(manager, 1, false).m_arrClassicKept;
}

struct TDecisionCase {
    std::string m_strHand;
    int m_nOpponents = 1;
    std::uint64_t m_nTrials = 0;  // 0: the default
    int m_nClassicDiffers = -1;   // 1 or 0 when the case is chosen for it, -1 either way
    int m_nClose = -1;            // likewise for a close call
};

// Hands of a small deck where the classic advice keeps other cards than the
// decision by a clear margin (`wanted` of them), and one hand too close to
// call against three, from the engine's runs at few deals.
std::vector<TDecisionCase> FoundCases(size_t wanted)
{
    const std::uint64_t trials = 20000;
    std::vector<int> deck;
    for (const char* card : {"Ac", "Qd", "Jh", "9s", "8h", "7h", "5h", "3c", "2d"})
        deck.push_back(ParseCard(card));
    std::vector<TDecisionCase> found;
    size_t differing = 0;
    bool closeFound = false;
    ForEachFiveOf(deck, [&](const int* dealt) {
        std::vector<int> hand(dealt, dealt + kHandSize);
        if (differing < wanted) {
            const TTableSetup setup = InitialSetup(hand, 1, trials);
            const TTableDecision decision = DecideHold(SimulateTable(setup));
            if (!decision.m_bClose && KeepMaskOf(setup.m_anHand, ClassicKept(hand)) != decision.m_best.m_nKeepMask) {
                found.push_back({HandText(setup.m_anHand), 1, trials, 1, 0});
                ++differing;
            }
        }
        if (!closeFound) {
            const TTableSetup setup = InitialSetup(hand, 3, trials);
            if (DecideHold(SimulateTable(setup)).m_bClose) {
                found.push_back({HandText(setup.m_anHand), 3, trials, -1, 1});
                closeFound = true;
            }
        }
    });
    EXPECT_EQ(found.size(), wanted + 1) << "the small deck holds the hands sought";
    return found;
}

std::vector<TDecisionCase> DecisionCases()
{
    std::vector<TDecisionCase> cases{
        {"Ac Kd 7h 4s 2c", 1, 0, 1, 0},  // three to a straight against Ace-King
        {"Kd Ks 8s 4h Th", 1, 0, 0, 0},  // the classic first hold is the decision's
        {"Ah 9h 6h 2h Kc", 1, 0, 1, 0},  // the four-flush against Ace-King
        {"Ah 9h 6h 2h Kc", 3, 0, -1, -1},
    };
    const std::vector<TDecisionCase> found = FoundCases(2);
    cases.insert(cases.end(), found.begin(), found.end());
    return cases;
}

std::vector<std::string> Request(const TDecisionCase& c, std::vector<std::string> options)
{
    options.push_back("--opponents");
    options.push_back(std::to_string(c.m_nOpponents));
    if (c.m_nTrials) {
        options.push_back("--trials");
        options.push_back(std::to_string(c.m_nTrials));
    }
    const std::vector<std::string> cards = Words(c.m_strHand);
    options.insert(options.end(), cards.begin(), cards.end());
    return options;
}

// The "decision" object is the engine's DecideHold over the run of the table
// the JSON names; the text opens with it in words, then the classic advice
// under its heading, then (only when it keeps other cards) the sentence
// comparing both pot shares.
TEST(OddsDecision, IsTheEnginesAndComesFirst)
{
    for (const TDecisionCase& c : DecisionCases()) {
        SCOPED_TRACE(c.m_strHand + " against " + std::to_string(c.m_nOpponents));
        const TJson json = JsonReport(Request(c, {"--equity"}));
        const std::vector<int> hand = CardsOf(Member(json, "hand"));
        ASSERT_EQ(hand.size(), 5u);
        const TJson& equity = Member(json, "equity");
        const std::uint64_t trials = static_cast<std::uint64_t>(Member(equity, "trials").m_dValue);
        EXPECT_EQ(trials, c.m_nTrials ? c.m_nTrials : kTableTrials);

        const std::vector<int> words = [&c] {
            std::vector<int> cards;
            for (const std::string& word : Words(c.m_strHand))
                cards.push_back(ParseCard(word));
            return cards;
        }();
        const TTableSetup setup = InitialSetup(words, c.m_nOpponents, trials);
        ASSERT_TRUE(std::equal(hand.begin(), hand.end(), setup.m_anHand)) << "the hand in players' order";
        const TTableResult run = SimulateTable(setup);
        const TTableDecision expected = DecideHold(run);
        ASSERT_TRUE(expected.m_bValid);

        const TJson& decision = Member(json, "decision");
        const TJson& runnerUp = Member(decision, "runner_up");
        EXPECT_EQ(Keys(decision), (std::vector<std::string>{"keep", "discard", "pot_share", "pot_share_error",
                                                             "runner_up", "margin", "margin_error", "close"}));
        EXPECT_EQ(Keys(runnerUp), (std::vector<std::string>{"keep", "discard", "pot_share"}));
        EXPECT_EQ(CardsOf(Member(decision, "keep")), MaskCards(hand, expected.m_best.m_nKeepMask, true));
        EXPECT_EQ(CardsOf(Member(decision, "discard")), MaskCards(hand, expected.m_best.m_nKeepMask, false));
        EXPECT_EQ(CardsOf(Member(runnerUp, "keep")), MaskCards(hand, expected.m_runnerUp.m_nKeepMask, true));
        EXPECT_EQ(CardsOf(Member(runnerUp, "discard")), MaskCards(hand, expected.m_runnerUp.m_nKeepMask, false));
        EXPECT_EQ(Member(decision, "pot_share").m_dValue, expected.m_best.m_dPotShare);
        EXPECT_EQ(Member(decision, "pot_share_error").m_dValue, expected.m_best.m_dPotShareError);
        EXPECT_EQ(Member(runnerUp, "pot_share").m_dValue, expected.m_runnerUp.m_dPotShare);
        const double margin = Member(decision, "margin").m_dValue, error = Member(decision, "margin_error").m_dValue;
        EXPECT_EQ(margin, expected.m_dMargin);
        EXPECT_EQ(error, expected.m_dMarginError);
        // The margin's interval is the paired one, sharper than the sum of the
        // two holds' half-widths.
        EXPECT_LT(error, expected.m_best.m_dPotShareError + expected.m_runnerUp.m_dPotShareError);
        const bool close = Member(decision, "close").m_bValue;
        EXPECT_EQ(close, margin - error <= 0);
        if (c.m_nClose >= 0) {
            EXPECT_EQ(close, c.m_nClose == 1);
        }

        // The text: the decision's three lines first, then the hand.
        const std::string text = Report(Request(c, {}));
        const std::vector<std::string> lines = Lines(text);
        ASSERT_GE(lines.size(), 5u);
        TTable table;
        table.m_nOpponents = c.m_nOpponents;
        const TDecisionText said = DescribeDecision(expected, setup.m_anHand, table, trials);
        EXPECT_EQ(lines[0], said.m_strHeading);
        EXPECT_EQ(lines[1], said.m_strBest);
        EXPECT_EQ(lines[2], said.m_strRunnerUp);
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4].rfind(LoadString(idInitialHandCaption) + " " + HandText(setup.m_anHand) + " (", 0), 0u)
            << lines[4];

        // The classic advice second; the sentence after it when it differs.
        const std::vector<int> classic = ClassicKept(words);
        const bool differs = KeepMaskOf(setup.m_anHand, classic) != expected.m_best.m_nKeepMask;
        if (c.m_nClassicDiffers >= 0) {
            EXPECT_EQ(differs, c.m_nClassicDiffers == 1);
        }
        const std::string sentence = DescribeClassicDiffers(classic, run, expected, setup.m_anHand);
        EXPECT_EQ(sentence.empty(), !differs);
        const size_t classicAt = text.find("\n" + LoadString(idClassicHeading) + "\n");
        const size_t tablesAt = text.find("\n" + LoadString(idOneOpponentHeading) + "\n");
        ASSERT_NE(classicAt, std::string::npos);
        ASSERT_NE(tablesAt, std::string::npos);
        const size_t sentenceAt = differs ? text.find("\n" + sentence + "\n") : std::string::npos;
        if (differs) {
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
    const struct {
        std::vector<std::string> m_args;
        const char* m_pShown;
    } cases[] = {
        {{"2c", "Kd", "4h", "8s", "Ks"}, "Kd Ks 8s 4h 2c"},
        {{"3h", "9s", "3c", "9d", "9h"}, "9d 9h 9s 3c 3h"},
        {{"5s", "2d", "As", "4h", "3c"}, "As 5s 4h 3c 2d"},
        {{"7c", "Qd", "7s", "Qh", "Jc"}, "Qd Qh 7c 7s Jc"},
        {{"--discard", "8s,4h,2c", "--draw", "Kh,7c,3d", "2c", "Kd", "4h", "8s", "Ks"}, "Kd Kh Ks 7c 3d"},
        {{"--discard", "Kd", "--draw", "2h", "2c", "Kd", "4h", "8s", "Ks"}, "2c 2h Ks 8s 4h"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_pShown);
        std::vector<std::string> args{"--no-equity"};
        args.insert(args.end(), c.m_args.begin(), c.m_args.end());
        const std::vector<std::string> lines = Lines(Report(args));
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines[0].find(std::string(": ") + c.m_pShown + " ("), std::string::npos) << lines[0];
        args[0] = "--json";
        std::string hand;
        for (const int card : CardsOf(Member(JsonReport(args), "hand")))
            hand += (hand.empty() ? "" : " ") + CardText(card);
        EXPECT_EQ(hand, c.m_pShown);
    }
}

// The decision costs a run: one request read as text gets it unasked;
// --no-equity, --json and batch lines only when they ask.
TEST(OddsDecision, IsGivenUnaskedOnlyToOneRequestAsText)
{
    const std::vector<std::string> hand{"Kd", "Ks", "8s", "4h", "2c"};
    const auto with = [&hand](std::vector<std::string> options) {
        options.insert(options.end(), hand.begin(), hand.end());
        return options;
    };
    TTable table;
    const std::string heading = FormatString(LoadString(idDecisionHeading).c_str(), DescribeTable(table).c_str());
    EXPECT_EQ(Lines(Report(hand)).at(0), heading);
    EXPECT_EQ(Lines(Report(with({"--equity"}))).at(0), heading);
    EXPECT_EQ(Report(with({"--no-equity"})).find(heading), std::string::npos);
    EXPECT_EQ(Report(with({"--no-equity"}))
                  .find(FormatString(LoadString(idEquityHoldsHeading).c_str(), DescribeTable(table).c_str())),
              std::string::npos);

    const TJson plain = JsonReport(hand), asked = JsonReport(with({"--equity"}));
    EXPECT_EQ(plain.Find("decision"), nullptr);
    EXPECT_EQ(plain.Find("equity"), nullptr);
    EXPECT_NE(asked.Find("decision"), nullptr);
    const TJson& equity = Member(asked, "equity");
    EXPECT_EQ(Member(equity, "trials").m_dValue, kTableTrials);
    EXPECT_EQ(Member(equity, "seed").m_dValue, kTableSeed);

    const TOddsRun batch = RunOdds({"--batch", "--jobs", "1"}, "Kd Ks 8s 4h 2c\n--equity --trials 2000 Kd Ks 8s 4h 2c\n");
    const std::vector<std::string> lines = Lines(batch.m_strOut);
    ASSERT_EQ(lines.size(), 2u) << batch.m_strErr;
    EXPECT_EQ(lines[0].find("\"decision\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"decision\""), std::string::npos);
}

// A final hand has no holds to choose from: no decision, and its figure with
// the opponents drawing comes before the stand-pat showdown.
TEST(OddsDecision, FinalHandShowsTheDrawingFigureFirst)
{
    const std::vector<std::string> args{"--opponents", "3", "--trials", "2000", "--discard", "8s,4h,2c", "--draw",
                                        "Kh,7c,3d", "Kd", "Ks", "8s", "4h", "2c"};
    const std::string text = Report(args);
    TTable table;
    table.m_nOpponents = 3;
    const size_t drawing = text.find(DescribeTable(table));
    table.m_eModel = ETableModel::StandPat;
    const size_t standing = text.find(DescribeTable(table));
    ASSERT_NE(drawing, std::string::npos) << text;
    ASSERT_NE(standing, std::string::npos) << text;
    EXPECT_LT(drawing, standing);
    EXPECT_EQ(Lines(text).at(0).rfind(LoadString(idFinalHandCaption), 0), 0u);
    std::vector<std::string> json = args;
    json.insert(json.begin(), "--equity");
    EXPECT_EQ(JsonReport(json).Find("decision"), nullptr);
}

}  // namespace
