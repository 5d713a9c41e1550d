// quintara-odds --batch: one answer per request line, in order, the same
// object as --json gives for that line, and the command line's own messages.
#include "JsonReader.h"
#include "OddsRun.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

enum EExpect { exSkipped, exSameAsCommandLine, exBatchError };

struct TLine {
    std::string m_strText;
    EExpect m_nExpect;
};

const TLine kLines[] = {
    {"# a comment", exSkipped},
    {"--opponents 3 2c 4s 7d 9c Qh", exSameAsCommandLine},
    {"", exSkipped},
    {" \t  # indented comment", exSkipped},
    {"\t--discard 2c  --draw As\t2c 4s 7d 9c Qh\r", exSameAsCommandLine},
    {"Ah Ah 2c 3d 4s", exSameAsCommandLine},
    {"--opponents 9 2c 4s 7d 9c Qh", exSameAsCommandLine},
    {"--jobs 2 2c 4s 7d 9c Qh", exSameAsCommandLine},
    {"--holds Kd Ks 8s 4h 2c", exSameAsCommandLine},
    {"2c 4s 7d 9c Qh --help", exBatchError},
    {"--version", exBatchError},
    {"--batch 2c 4s 7d 9c Qh", exBatchError},
    {std::string(5000, 'x'), exBatchError},
    {"As Ks Qs Js Ts", exSameAsCommandLine},
    // One thread a line gives the figures of a run on every core.
    {"--equity --opponents 2 --drew 1,? --trials 3000 --seed 9 Kd Ks 8s 4h 2c", exSameAsCommandLine},
    {"--equity --drew 7 Kd Ks 8s 4h 2c", exSameAsCommandLine},
};

TEST(OddsBatch, AnswersEachLineInOrderAsTheCommandLineWould)
{
    std::string input;
    for (const TLine& line : kLines)
        input += line.m_strText + "\n";
    const TOddsRun run = RunOdds({"--batch", "--jobs", "3"}, input);
    EXPECT_EQ(run.m_nStatus, 2);
    EXPECT_EQ(run.m_strErr, "");
    const std::vector<std::string> out = Lines(run.m_strOut);

    size_t answer = 0;
    for (size_t i = 0; i < std::size(kLines); ++i) {
        if (kLines[i].m_nExpect == exSkipped)
            continue;
        SCOPED_TRACE(kLines[i].m_strText.substr(0, 60));
        ASSERT_LT(answer, out.size());
        const std::string& got = out[answer++];
        TJson object;
        ASSERT_TRUE(ParseJson(got, object));
        ASSERT_FALSE(object.m_arrMembers.empty());
        EXPECT_EQ(object.m_arrMembers.front().first, "line");
        EXPECT_EQ(object.m_arrMembers.front().second.m_dValue, static_cast<double>(i + 1));
        const TJson* error = object.Find("error");
        if (kLines[i].m_nExpect == exBatchError) {
            EXPECT_TRUE(error != nullptr);
            continue;
        }
        std::vector<std::string> args = Words(kLines[i].m_strText);
        const TOddsRun alone = RunOdds(args, "");
        if (alone.m_nStatus != 0) {
            ASSERT_TRUE(error != nullptr);
            EXPECT_EQ("quintara-odds: " + error->m_strValue + "\n", alone.m_strErr);
            continue;
        }
        args.push_back("--json");
        const std::string json = RunOdds(args, "").m_strOut;
        EXPECT_EQ(got + "\n", "{\"line\": " + std::to_string(i + 1) + ", " + json.substr(1));
    }
    EXPECT_EQ(answer, out.size());
}

TEST(OddsBatch, OrderAndAnswersDoNotDependOnTheThreadCount)
{
    const char* const hands[] = {"2c 4s 7d 9c Qh", "--opponents 5 --trials 2000 Kd Ks 8s 4h 2c", "bad", "Ah Kh Qh Jh 9h",
                                 "--discard 3c,4d --draw 5s,6s 3c 4d 8h 8c Kd"};
    std::string input;
    for (int i = 0; i < 400; ++i)
        input += std::string(hands[i % std::size(hands)]) + "\n";
    const TOddsRun one = RunOdds({"--batch", "--jobs", "1"}, input);
    for (const char* jobs : {"2", "7"}) {
        const TOddsRun many = RunOdds({"--batch", "--jobs=" + std::string(jobs)}, input);
        EXPECT_EQ(many.m_nStatus, 2);
        EXPECT_EQ(many.m_strOut, one.m_strOut) << jobs << " jobs";
    }
    EXPECT_EQ(Lines(one.m_strOut).size(), 400u);
    EXPECT_EQ(RunOdds({"--batch"}, "2c 4s 7d 9c Qh\n# only good lines\n").m_nStatus, 0);
}

TEST(OddsBatch, BadArgumentsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--batch", "--jobs", "0"}, {"--batch", "--jobs", "x"},       {"--batch", "--jobs=99999999999999999999"},
        {"--batch", "--jobs"},      {"--jobs", "2", "2c", "4s", "7d", "9c", "Qh"}, {"--batch", "--json"},
        {"--batch", "--batch"},     {"--batch", "2c", "4s", "7d", "9c", "Qh"},      {"--batch=1"},
    };
    for (const auto& args : cases) {
        const TOddsRun run = RunOdds(args, "2c 4s 7d 9c Qh\n");
        EXPECT_EQ(run.m_nStatus, 2) << args.back();
        EXPECT_EQ(run.m_strOut, "") << args.back();
        EXPECT_EQ(Lines(run.m_strErr).size(), 1u) << args.back();
    }
}

} // namespace
