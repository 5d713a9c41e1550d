// What quintara-odds accepts on its command line, and how it refuses the rest.
#include "OddsRun.h"
#include "TableEquity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kHand{"2c", "4s", "7d", "9c", "Qh"};

std::vector<std::string> WithHand(std::vector<std::string> options)
{
    options.insert(options.end(), kHand.begin(), kHand.end());
    return options;
}

struct TBadInput {
    const char* m_pName;
    std::vector<std::string> m_args;
    const char* m_pProblem;    // words the message must contain
    const char* m_pOffending;  // the offending text as quoted in the message
};

void PrintTo(const TBadInput& input, std::ostream* os) { *os << input.m_pName; }

class BadInput : public testing::TestWithParam<TBadInput> {};

// Every refusal is one line on stderr naming the problem and the text, exit
// status 2, and nothing at all on stdout.
TEST_P(BadInput, IsRefusedWithOneLineNamingProblemAndText)
{
    const TBadInput& input = GetParam();
    const TOddsRun run = RunOdds(input.m_args);
    EXPECT_EQ(run.m_nStatus, 2);
    EXPECT_EQ(run.m_strOut, "");
    EXPECT_EQ(std::count(run.m_strErr.begin(), run.m_strErr.end(), '\n'), 1) << run.m_strErr;
    EXPECT_EQ(run.m_strErr.back(), '\n');
    EXPECT_EQ(run.m_strErr.rfind("quintara-odds: ", 0), 0u) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find(input.m_pProblem), std::string::npos) << run.m_strErr;
    EXPECT_NE(run.m_strErr.find(input.m_pOffending), std::string::npos) << run.m_strErr;
}

const TBadInput kBadInputs[] = {
    // Cards.
    {"UnknownCard", {"1x", "4s", "7d", "9c", "Qh"}, "unknown card", "'1x'"},
    {"ElevenIsNoRank", {"2c", "4s", "7d", "9c", "11h"}, "unknown card", "'11h'"},
    {"CardGivenTwice", {"2c", "4s", "7d", "9c", "2C"}, "given twice", "'2C'"},
    {"FourCards", {"2c", "4s", "7d", "9c"}, "expected five cards, got 4", "'2c 4s 7d 9c'"},
    {"SixCards", {"2c", "4s", "7d", "9c", "Qh", "Kh"}, "expected five cards, got 6", "'2c 4s 7d 9c Qh Kh'"},
    {"NoCards", {}, "no cards given", "five"},
    {"NoCardsOnlyJson", {"--json"}, "no cards given", "five"},
    // Discards and replacements.
    {"UnknownDiscard", WithHand({"--discard", "1x", "--draw", "Kd"}), "unknown card", "'1x'"},
    {"DiscardNotInHand", WithHand({"--discard", "As", "--draw", "Kd"}), "not in the hand", "'As'"},
    {"DiscardGivenTwice", WithHand({"--discard", "2c,2C", "--draw", "Kd,Ks"}), "given twice", "'2C'"},
    {"ReplacementIsDealtCard", WithHand({"--discard", "2c", "--draw", "4s"}), "already known", "'4s'"},
    {"ReplacementIsTheDiscard", WithHand({"--discard", "2c", "--draw", "2c"}), "already known", "'2c'"},
    {"ReplacementGivenTwice", WithHand({"--discard", "2c,4s", "--draw", "Kd,kd"}), "given twice", "'kd'"},
    {"MoreReplacementsThanDiscards", WithHand({"--discard", "2c", "--draw", "Kd,Ks"}), "names 2 cards",
     "'Kd,Ks'"},
    {"FewerReplacementsThanDiscards", WithHand({"--discard", "2c,4s", "--draw", "Kd"}), "names 1 card",
     "'2c,4s'"},
    {"DiscardWithoutReplacements", WithHand({"--discard", "2c"}), "needs --draw", "'2c'"},
    {"ReplacementsWithoutDiscard", WithHand({"--draw", "Kd"}), "needs --discard", "'Kd'"},
    {"EmptyDiscardList", WithHand({"--discard", "", "--draw", "Kd"}), "at least one card", "''"},
    {"EmptyItemInList", WithHand({"--discard", "2c,,4s", "--draw", "Kd,Ks"}), "empty card", "'2c,,4s'"},
    // Opponents.
    {"OpponentsNotANumber", WithHand({"--opponents", "3x"}), "not a number", "'3x'"},
    {"OpponentsZero", WithHand({"--opponents", "0"}), "out of range", "'0'"},
    {"OpponentsSix", WithHand({"--opponents", "6"}), "out of range", "'6'"},
    {"OpponentsNegative", WithHand({"--opponents", "-1"}), "out of range", "'-1'"},
    {"OpponentsHuge", WithHand({"--opponents", "99999999999999999999999"}), "out of range", "'9999"},
    {"OpponentsFraction", WithHand({"--opponents", "2.5"}), "not a number", "'2.5'"},
    {"OpponentsEqualsEmpty", WithHand({"--opponents="}), "not a number", "''"},
    // Options.
    {"UnknownOption", WithHand({"--foo"}), "unknown option", "'--foo'"},
    {"SingleDash", WithHand({"-"}), "unknown option", "'-'"},
    {"OpponentsWithoutValue", {"2c", "4s", "7d", "9c", "Qh", "--opponents"}, "needs a value", "--opponents"},
    {"DiscardWithoutValue", {"2c", "4s", "7d", "9c", "Qh", "--discard"}, "needs a value", "--discard"},
    {"OptionGivenTwice", WithHand({"--opponents", "2", "--opponents", "3"}), "given twice", "--opponents"},
    {"OpponentsSevenUnderJson", WithHand({"--json", "--opponents", "7"}), "out of range", "'7'"},
    {"FlagWithValue", WithHand({"--json=yes"}), "takes no value", "'--json=yes'"},
    // The holds are those of the dealt hand, never of a final one.
    {"HoldsWithDiscard", WithHand({"--holds", "--discard", "2c", "--draw", "Kd"}), "cannot be combined",
     "--discard '2c'"},
    {"HoldsWithDrawAlone", WithHand({"--holds", "--draw", "Kd"}), "cannot be combined", "--draw 'Kd'"},
    {"HoldsWithValue", WithHand({"--holds=all"}), "takes no value", "'--holds=all'"},
    // The table of --equity: one ? or count 0..5 per opponent, a count the
    // usual play can give these cards, some deals, a seed.
    {"DrewOutOfRange", WithHand({"--equity", "--drew", "6"}), "out of range", "'6'"},
    {"DrewNegative", WithHand({"--equity", "--drew", "-1"}), "out of range", "'-1'"},
    {"DrewNotACount", WithHand({"--equity", "--drew", "x"}), "not a number", "'x'"},
    {"DrewEmptyEntry", WithHand({"--equity", "--opponents", "3", "--drew", "1,,2"}), "empty entry", "'1,,2'"},
    {"DrewMoreEntriesThanOpponents", WithHand({"--equity", "--opponents", "2", "--drew", "1,2,3"}), "3 entries",
     "'1,2,3'"},
    {"DrewFewerEntriesThanOpponents", WithHand({"--equity", "--opponents", "3", "--drew", "?,1"}), "2 entries",
     "'?,1'"},
    {"DrewWithStandPat", WithHand({"--equity", "--pat", "--drew", "0"}), "cannot be combined", "'0'"},
    {"DrewWithNoEquity", WithHand({"--no-equity", "--drew", "0"}), "needs --equity", "'0'"},
    {"StandPatInJsonWithoutEquity", WithHand({"--json", "--pat"}), "needs --equity", "--pat"},
    {"EquityAndNoEquity", WithHand({"--no-equity", "--equity"}), "cannot be combined", "--no-equity"},
    // Every Ace and King seen: nobody keeps a lone high card and draws four.
    {"DrewCountNeverDealt",
     {"--equity", "--opponents", "2", "--drew", "?,4", "--discard", "Ac,Ad,Ah,As,Kc", "--draw", "Kd,Kh,Ks,2c,3d", "Ac",
      "Ad", "Ah", "As", "Kc"},
     "never draws 4 cards", "opponent 2"},
    {"TrialsZero", WithHand({"--trials", "0"}), "out of range", "'0'"},
    {"TrialsHuge", WithHand({"--trials", "99999999999999999999999"}), "out of range", "'9999"},
    {"TrialsNotANumber", WithHand({"--equity", "--trials", "1e6"}), "not a number", "'1e6'"},
    {"SeedNotANumber", WithHand({"--seed", "abc"}), "not a number", "'abc'"},
    {"SeedNegative", WithHand({"--seed", "-5"}), "out of range", "'-5'"},
    {"SeedPastSixtyFourBits", WithHand({"--seed", "18446744073709551616"}), "out of range", "'18446744073709551616'"},
    {"SeedWithoutValue", {"2c", "4s", "7d", "9c", "Qh", "--seed"}, "needs a value", "--seed"},
    {"EquityWithValue", WithHand({"--equity=yes"}), "takes no value", "'--equity=yes'"},
    // Text that would break the one-line promise is escaped, long text cut.
    {"ControlCharacterInCard", {"2c", "4s", "7d", "9c", "Q\x01h"}, "unknown card", "'Q\\x01h'"},
    // One argument holds the hand as the paste boxes take it, no more.
    {"HandRunTogether", {"kdks8s4h2c"}, "unknown card", "'kdks8s4h2c'"},
    {"OneArgumentFourCards", {"Kd,Ks 8s,4h"}, "expected five cards, got 4", "'Kd Ks 8s 4h'"},
    {"CarriageReturnInOption", WithHand({"--x\r"}), "unknown option", "'--x\\x0d'"},
    {"VeryLongCard", {"2c", "4s", "7d", "9c", std::string(5000, 'Q')}, "unknown card", "QQQ...'"},
};

INSTANTIATE_TEST_SUITE_P(QuintaraOdds, BadInput, testing::ValuesIn(kBadInputs),
                         [](const testing::TestParamInfo<TBadInput>& info) { return info.param.m_pName; });

TEST(BadInputMessage, KeepsLongTextShortAndWholeCharacters)
{
    // Forty characters shown, then an ellipsis; a multi-byte character is
    // never cut in half.
    std::string card, shown;
    for (int i = 0; i < 60; ++i)
        card += "\xE2\x99\xA0";  // a spade symbol
    for (int i = 0; i < 40; ++i)
        shown += "\xE2\x99\xA0";
    const TOddsRun run = RunOdds({"2c", "4s", "7d", "9c", card});
    EXPECT_NE(run.m_strErr.find("'" + shown + "...'"), std::string::npos) << run.m_strErr;
}

TEST(ArgumentVector, WithoutEvenAProgramNameIsRefusedNotCrashed)
{
    std::ostringstream out, err;
    EXPECT_EQ(RunOddsCommand({}, out, err), 2);
    EXPECT_EQ(out.str(), "");
    const std::string message = err.str();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
}

// Equivalent spellings give the very same report.
TEST(AcceptedForms, GiveTheSameReport)
{
    const std::vector<std::string> pairs[][2] = {
        {WithHand({"--opponents=3", "--discard=2c,4s", "--draw=Kd,Ks"}),
         WithHand({"--opponents", "3", "--discard", "2c,4s", "--draw", "Kd,Ks"})},
        {{"2c", "4s", "--opponents", "2", "7d", "9c", "Qh", "--json"}, WithHand({"--json", "--opponents", "2"})},
        {{"qs", "10h", "2C", "3d", "4H", "--discard", "10H, qS", "--draw", "tc,KD"},
         {"Qs", "Th", "2c", "3d", "4h", "--discard", "Th,Qs", "--draw", "Tc,Kd"}},
        {{"--opponents", "2", "--", "2c", "4s", "7d", "9c", "Qh"}, WithHand({"--opponents", "2"})},
        {WithHand({"--opponents", "1"}), kHand},
        {WithHand({"--opponents", "05"}), WithHand({"--opponents", "5"})},
        // The hand as one argument, as the paste boxes take it, in any order.
        {{"--json", "2c,4s,7d,9c,Qh"}, WithHand({"--json"})},
        {{"--json", " Qh 9c\t7d, 4s  2c "}, WithHand({"--json"})},
        {{"--json", "2c 4s", "7d,9c", "Qh"}, WithHand({"--json"})},
        // An opponent not seen to draw is a ? or no --drew at all.
        {WithHand({"--equity", "--opponents", "2", "--drew", "?,?", "--trials", "500"}),
         WithHand({"--equity", "--opponents", "2", "--trials=500"})},
        {WithHand({"--equity", "--drew", "003", "--trials", "500", "--seed", "0018"}),
         WithHand({"--equity", "--drew=3", "--trials", "0500", "--seed=18"})},
    };
    for (const auto& pair : pairs) {
        const TOddsRun first = RunOdds(pair[0]), second = RunOdds(pair[1]);
        EXPECT_EQ(first.m_nStatus, 0) << first.m_strErr;
        EXPECT_EQ(first.m_strErr, "");
        EXPECT_EQ(first.m_strOut, second.m_strOut) << first.m_strOut;
    }
}

// Help wins over whatever else the command line holds.
TEST(Help, PrintsUsageOnStdoutAndSucceeds)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"2c", "--help", "1x"}}) {
        const TOddsRun run = RunOdds(args);
        EXPECT_EQ(run.m_nStatus, 0) << args[0];
        EXPECT_EQ(run.m_strErr, "") << args[0];
        EXPECT_EQ(run.m_strOut.rfind("Usage: quintara-odds [", 0), 0u) << run.m_strOut;
    }
    // The defaults it names are the game's, which the runs take.
    const std::string usage = RunOdds({"--help"}).m_strOut;
    for (const std::uint64_t value : {kTableTrials, kShowdownTrials})
        EXPECT_NE(usage.find(" " + std::to_string(value) + " "), std::string::npos) << value;
    EXPECT_NE(usage.find("(default " + std::to_string(kTableSeed) + ")"), std::string::npos);
}

} // namespace
