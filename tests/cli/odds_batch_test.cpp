// quintara-odds --batch: one answer per request line, in order, the same
// object as --json gives for that line, and the command line's own messages.
#include "OddsRun.h"

#include <gtest/gtest.h>

namespace {

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
    {std::string(5000, ' '), exSkipped},
    {std::string(5000, ' ') + "# far indented comment", exSkipped},
    {std::string(5000, '\t') + "--opponents 2 2c 4s 7d 9c Qh", exSameAsCommandLine},
    {"\t--discard 2c  --draw As\t2c 4s 7d 9c Qh\r", exSameAsCommandLine},
    {"Ah Ah 2c 3d 4s", exSameAsCommandLine},
    {"2c 4s 7d 9c", exSameAsCommandLine},
    {"2c 4s 7d 9c 1x", exSameAsCommandLine},
    {"--colour 2c 4s 7d 9c Qh", exSameAsCommandLine},
    {"2c 4s 7d 9c Qh --opponents", exSameAsCommandLine},
    {"--opponents 9 2c 4s 7d 9c Qh", exSameAsCommandLine},
    {"--discard 2c 2c 4s 7d 9c Qh", exSameAsCommandLine},
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
    {"--equity --opponents 2 --drew 1,3 --range open --pot 60 --call 20 --trials 2000 Qs Qd 7c 7h Ac",
     exSameAsCommandLine},
};

// Every line is answered in its place, whatever the thread count; run alone
// among good lines, a bad one gives its error object and makes the run exit 2.
TEST(OddsBatch, AnswersEachLineInOrderAsTheCommandLineWould)
{
    std::string input;
    for (const TLine& line : kLines)
        input += line.m_strText + "\n";
    const TOddsRun run = RunOdds("--batch --jobs 3", input);
    EXPECT_EQ(run.m_nStatus, 2);
    EXPECT_EQ(run.m_strErr, "");
    for (const char* jobs : {"1", "7"})
        EXPECT_EQ(RunOdds(std::string("--batch --jobs ") + jobs, input).m_strOut, run.m_strOut) << jobs;
    const std::vector<std::string> out = Lines(run.m_strOut);

    size_t answer = 0;
    for (size_t i = 0; i < std::size(kLines); ++i) {
        SCOPED_TRACE(kLines[i].m_strText.substr(0, 60));
        const TOddsRun alone = RunOdds(kLines[i].m_strText);
        const bool skipped = kLines[i].m_nExpect == exSkipped;
        const bool bad = kLines[i].m_nExpect == exBatchError || (!skipped && alone.m_nStatus != 0);
        const TOddsRun among = RunOdds("--batch", "As Ks Qs Js Ts\n" + kLines[i].m_strText + "\nAs Ks Qs Js Ts\n");
        EXPECT_EQ(among.m_nStatus, bad ? 2 : 0);
        EXPECT_EQ(Lines(among.m_strOut).size(), skipped ? 2u : 3u);
        if (skipped)
            continue;
        ASSERT_LT(answer, out.size());
        const std::string& got = out[answer++];
        TJson object;
        ASSERT_TRUE(ParseJson(got, object));
        ASSERT_FALSE(object.empty());
        EXPECT_EQ(Keys(object).front(), "line");
        EXPECT_EQ(Number(object, "line"), static_cast<double>(i + 1));
        if (bad) {
            const std::string error = Member(object, "error").get<std::string>();
            EXPECT_EQ(object.size(), 2u);
            EXPECT_NE(error, "");
            if (kLines[i].m_nExpect == exSameAsCommandLine) {
                EXPECT_EQ("quintara-odds: " + error + "\n", alone.m_strErr);
            }
            continue;
        }
        const std::string json = RunOdds("--json " + kLines[i].m_strText).m_strOut;
        EXPECT_EQ(got + "\n", "{\"line\": " + std::to_string(i + 1) + ", " + json.substr(1));
    }
    EXPECT_EQ(answer, out.size());
}

// The limit an over-long line is refused with holds to the byte.
TEST(OddsBatch, LinesUpToTheLimitAreAnswered)
{
    TJson refusal;
    ASSERT_TRUE(ParseJson(RunOdds("--batch", std::string(100000, 'x') + "\n").m_strOut, refusal));
    const std::string error = Member(refusal, "error").get<std::string>();
    const size_t limit = std::stoul(error.substr(error.find_first_of("0123456789")));
    const std::string request = "2c 4s 7d 9c Qh";
    for (const size_t length : {limit, limit + 1}) {
        const TOddsRun run = RunOdds("--batch", request + std::string(length - request.size(), ' ') + "\n");
        EXPECT_EQ(run.m_nStatus, length > limit ? 2 : 0) << length;
    }
}

TEST(OddsBatch, BadArgumentsAreUsageErrors)
{
    for (const char* args : {"--batch --jobs 0", "--batch --jobs x", "--batch --jobs=99999999999999999999",
                             "--batch --jobs", "--jobs 2 2c 4s 7d 9c Qh", "--batch --json", "--batch --batch",
                             "--batch 2c 4s 7d 9c Qh", "--batch=1"}) {
        const TOddsRun run = RunOdds(args, "2c 4s 7d 9c Qh\n");
        EXPECT_EQ(run.m_nStatus, 2) << args;
        EXPECT_EQ(run.m_strOut, "") << args;
        EXPECT_EQ(Lines(run.m_strErr).size(), 1u) << args;
    }
}

} // namespace
