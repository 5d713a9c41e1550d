// What quintara-odds accepts on its command line, and how it refuses the rest.
#include "OddsRun.h"
#include "TableEquity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

// `options` before the hand every refusal below is given with.
std::vector<std::string> H(const std::string& options)
{
    return Words(options + " 2c 4s 7d 9c Qh");
}

// Every refusal is one line on stderr naming the problem and the text, exit
// status 2, and nothing at all on stdout.
TEST(BadInput, IsRefusedWithOneLineNamingProblemAndText)
{
    const struct {
        std::vector<std::string> m_args;
        const char* m_pProblem;    // words the message must contain
        const char* m_pOffending;  // the offending text as quoted in the message
    } cases[] = {
        // Cards.
        {Words("1x 4s 7d 9c Qh"), "unknown card", "'1x'"},
        {Words("2c 4s 7d 9c 11h"), "unknown card", "'11h'"},
        {Words("2c 4s 7d 9c 2C"), "given twice", "'2C'"},
        {Words("2c 4s 7d 9c"), "expected five cards, got 4", "'2c 4s 7d 9c'"},
        {Words("2c 4s 7d 9c Qh Kh"), "expected five cards, got 6", "'2c 4s 7d 9c Qh Kh'"},
        {{}, "no cards given", "five"},
        {{"--json"}, "no cards given", "five"},
        // Discards and replacements.
        {H("--discard 1x --draw Kd"), "unknown card", "'1x'"},
        {H("--discard As --draw Kd"), "not in the hand", "'As'"},
        {H("--discard 2c,2C --draw Kd,Ks"), "given twice", "'2C'"},
        {H("--discard 2c --draw 4s"), "already known", "'4s'"},
        {H("--discard 2c --draw 2c"), "already known", "'2c'"},
        {H("--discard 2c,4s --draw Kd,kd"), "given twice", "'kd'"},
        {H("--discard 2c --draw Kd,Ks"), "names 2 cards", "'Kd,Ks'"},
        {H("--discard 2c,4s --draw Kd"), "names 1 card", "'2c,4s'"},
        {H("--discard 2c"), "needs --draw", "'2c'"},
        {H("--draw Kd"), "needs --discard", "'Kd'"},
        {{"--discard", "", "--draw", "Kd", "2c", "4s", "7d", "9c", "Qh"}, "at least one card", "''"},
        {H("--discard 2c,,4s --draw Kd,Ks"), "empty card", "'2c,,4s'"},
        // Opponents.
        {H("--opponents 3x"), "not a number", "'3x'"},
        {H("--opponents 0"), "out of range", "'0'"},
        {H("--opponents 6"), "out of range", "'6'"},
        {H("--opponents -1"), "out of range", "'-1'"},
        {H("--opponents 99999999999999999999999"), "out of range", "'9999"},
        {H("--opponents 2.5"), "not a number", "'2.5'"},
        {H("--opponents="), "not a number", "''"},
        // Options.
        {H("--foo"), "unknown option", "'--foo'"},
        {H("-"), "unknown option", "'-'"},
        {Words("2c 4s 7d 9c Qh --opponents"), "needs a value", "--opponents"},
        {Words("2c 4s 7d 9c Qh --discard"), "needs a value", "--discard"},
        {H("--opponents 2 --opponents 3"), "given twice", "--opponents"},
        {H("--json --opponents 7"), "out of range", "'7'"},
        {H("--json=yes"), "takes no value", "'--json=yes'"},
        // The holds are those of the dealt hand, never of a final one.
        {H("--holds --discard 2c --draw Kd"), "cannot be combined", "--discard '2c'"},
        {H("--holds --draw Kd"), "cannot be combined", "--draw 'Kd'"},
        {H("--holds=all"), "takes no value", "'--holds=all'"},
        // The table of --equity: one ? or count 0..5 per opponent, a count the
        // usual play can give these cards, some deals, a seed.
        {H("--equity --drew 6"), "out of range", "'6'"},
        {H("--equity --drew -1"), "out of range", "'-1'"},
        {H("--equity --drew x"), "not a number", "'x'"},
        {H("--equity --opponents 3 --drew 1,,2"), "empty entry", "'1,,2'"},
        {H("--equity --opponents 2 --drew 1,2,3"), "3 entries", "'1,2,3'"},
        {H("--equity --opponents 3 --drew ?,1"), "2 entries", "'?,1'"},
        {H("--equity --pat --drew 0"), "cannot be combined", "'0'"},
        {H("--no-equity --drew 0"), "needs --equity", "'0'"},
        {H("--json --pat"), "needs --equity", "--pat"},
        {H("--no-equity --equity"), "cannot be combined", "--no-equity"},
        // Every Ace and King seen: nobody keeps a lone high card and draws four.
        {Words("--equity --opponents 2 --drew ?,4 --discard Ac,Ad,Ah,As,Kc --draw Kd,Kh,Ks,2c,3d Ac Ad Ah As Kc"),
         "never draws 4 cards", "opponent 2"},
        {H("--trials 0"), "out of range", "'0'"},
        {H("--trials 99999999999999999999999"), "out of range", "'9999"},
        {H("--equity --trials 1e6"), "not a number", "'1e6'"},
        {H("--seed abc"), "not a number", "'abc'"},
        {H("--seed -5"), "out of range", "'-5'"},
        {H("--seed 18446744073709551616"), "out of range", "'18446744073709551616'"},
        {Words("2c 4s 7d 9c Qh --seed"), "needs a value", "--seed"},
        {H("--equity=yes"), "takes no value", "'--equity=yes'"},
        // Ranges and the price of a call.
        {H("--equity --opponents 2 --range JJ+,XX"), "unknown range word", "'XX'"},
        {H("--equity --range 77-TT/4f+"), "unknown range word", "'4f+'"},
        {H("--equity --opponents 2 --range JJ+,"), "empty entry", "'JJ+,'"},
        {H("--equity --opponents 2 --range JJ+,?,AA"), "3 entries", "'JJ+,?,AA'"},
        {Words("--equity --opponents 2 --range ?,AA Ac Ad Ah 9c Qh"), "no hand of the range 'AA' is left",
         "opponent 2"},
        {H("--equity --drew 0 --range 77-TT"), "never draws 0 cards to a hand of the range '77-TT'", "opponent 1"},
        {H("--equity --call 20"), "needs --pot", "'20'"},
        {H("--equity --pot 60"), "needs --call", "'60'"},
        {H("--equity --pot 0 --call 20"), "not a positive amount", "'0'"},
        {H("--equity --pot 60 --call -5"), "not a positive amount", "'-5'"},
        {H("--equity --pot 6O --call 20"), "not a positive amount", "'6O'"},
        {H("--no-equity --range JJ+"), "needs --equity", "'JJ+'"},
        {H("--json --pot 60 --call 20"), "needs --equity", "'60'"},
        {H("--equity --range open --open JJ"), "not a rank", "'JJ'"},
        {H("--equity --open Q"), "needs --range", "'Q'"},
        // Each range alone can be dealt; both at once never: the run says so.
        {Words("--equity --opponents 2 --range AA,aa Ah As 7d 9c Qh"), "hardly ever be dealt together", "'AA,AA'"},
        // Text that would break the one-line promise is escaped, long text cut.
        {{"2c", "4s", "7d", "9c", "Q\x01h"}, "unknown card", "'Q\\x01h'"},
        // One argument holds the hand as the paste boxes take it, no more.
        {{"kdks8s4h2c"}, "unknown card", "'kdks8s4h2c'"},
        {{"Kd,Ks 8s,4h"}, "expected five cards, got 4", "'Kd Ks 8s 4h'"},
        {{"--x\r", "2c", "4s", "7d", "9c", "Qh"}, "unknown option", "'--x\\x0d'"},
        {{"2c", "4s", "7d", "9c", std::string(5000, 'Q')}, "unknown card", "QQQ...'"},
    };
    for (const auto& c : cases) {
        std::string args;
        for (const std::string& arg : c.m_args)
            args += " " + arg.substr(0, 60);
        SCOPED_TRACE(args);
        const TOddsRun run = RunOdds(c.m_args);
        EXPECT_EQ(run.m_nStatus, 2);
        EXPECT_EQ(run.m_strOut, "");
        EXPECT_EQ(std::count(run.m_strErr.begin(), run.m_strErr.end(), '\n'), 1) << run.m_strErr;
        EXPECT_EQ(run.m_strErr.back(), '\n');
        EXPECT_EQ(run.m_strErr.rfind("quintara-odds: ", 0), 0u) << run.m_strErr;
        EXPECT_NE(run.m_strErr.find(c.m_pProblem), std::string::npos) << run.m_strErr;
        EXPECT_NE(run.m_strErr.find(c.m_pOffending), std::string::npos) << run.m_strErr;
    }
}

// Forty characters shown, then an ellipsis; a multi-byte character is never
// cut in half.
TEST(BadInputMessage, KeepsLongTextShortAndWholeCharacters)
{
    std::string card, shown;
    for (int i = 0; i < 60; ++i)
        card += "\xE2\x99\xA0";  // a spade symbol
    for (int i = 0; i < 40; ++i)
        shown += "\xE2\x99\xA0";
    const TOddsRun run = RunOdds(std::vector<std::string>{"2c", "4s", "7d", "9c", card});
    EXPECT_NE(run.m_strErr.find("'" + shown + "...'"), std::string::npos) << run.m_strErr;
}

TEST(ArgumentVector, WithoutEvenAProgramNameIsRefusedNotCrashed)
{
    std::ostringstream out, err;
    EXPECT_EQ(RunOddsCommand({}, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Lines(err.str()).size(), 1u);
}

// Equivalent spellings give the very same report.
TEST(AcceptedForms, GiveTheSameReport)
{
    const std::vector<std::string> pairs[][2] = {
        {H("--opponents=3 --discard=2c,4s --draw=Kd,Ks"), H("--opponents 3 --discard 2c,4s --draw Kd,Ks")},
        {Words("2c 4s --opponents 2 7d 9c Qh --json"), H("--json --opponents 2")},
        {{"qs", "10h", "2C", "3d", "4H", "--discard", "10H, qS", "--draw", "tc,KD"},
         Words("Qs Th 2c 3d 4h --discard Th,Qs --draw Tc,Kd")},
        {Words("--opponents 2 -- 2c 4s 7d 9c Qh"), H("--opponents 2")},
        {H("--opponents 1"), H("")},
        {H("--opponents 05"), H("--opponents 5")},
        // The hand as one argument, as the paste boxes take it, in any order.
        {{"--json", "2c,4s,7d,9c,Qh"}, H("--json")},
        {{"--json", " Qh 9c\t7d, 4s  2c "}, H("--json")},
        {{"--json", "2c 4s", "7d,9c", "Qh"}, H("--json")},
        // An opponent not seen to draw is a ? or no --drew at all.
        {H("--equity --opponents 2 --drew ?,? --trials 500"), H("--equity --opponents 2 --trials=500")},
        {H("--equity --drew 003 --trials 500 --seed 0018"), H("--equity --drew=3 --trials 0500 --seed=18")},
    };
    for (const auto& pair : pairs) {
        const TOddsRun first = RunOdds(pair[0]), second = RunOdds(pair[1]);
        EXPECT_EQ(first.m_nStatus, 0) << first.m_strErr;
        EXPECT_EQ(first.m_strErr, "");
        EXPECT_EQ(first.m_strOut, second.m_strOut) << first.m_strOut;
    }
}

// Help wins over whatever else the command line holds; the defaults it names
// are the game's, which the runs take.
TEST(Help, PrintsUsageOnStdoutAndSucceeds)
{
    for (const char* args : {"--help", "-h", "2c --help 1x"}) {
        const TOddsRun run = RunOdds(args);
        EXPECT_EQ(run.m_nStatus, 0) << args;
        EXPECT_EQ(run.m_strErr, "") << args;
        EXPECT_EQ(run.m_strOut.rfind("Usage: quintara-odds [", 0), 0u) << run.m_strOut;
    }
    const std::string usage = RunOdds("--help").m_strOut;
    for (const std::uint64_t value : {kTableTrials, kShowdownTrials})
        EXPECT_NE(usage.find(" " + std::to_string(value) + " "), std::string::npos) << value;
    EXPECT_NE(usage.find("(default " + std::to_string(kTableSeed) + ")"), std::string::npos);
}

}  // namespace
