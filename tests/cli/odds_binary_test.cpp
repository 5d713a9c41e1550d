// The installed program itself: exit status and the split between stdout and
// stderr, which in-process runs cannot show.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

namespace {

struct TProcess {
    int m_nStatus = -1;
    std::string m_strOut, m_strErr;
};

std::string ReadAndRemove(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::remove(path.c_str());
    return text.str();
}

// `arguments` is shell text.
TProcess RunBinary(const std::string& arguments)
{
    // Tests may run in parallel: each gets its own files.
    const std::string stem = testing::TempDir() + "quintara_odds_" + std::to_string(getpid()) + "_" +
                             testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string stdoutPath = stem + ".out";
    const std::string command =
        std::string("'") + QUINTARA_ODDS_BINARY + "' " + arguments + " >'" + stdoutPath + "' 2>'" + stem + ".err'";
    const int status = std::system(command.c_str());
    TProcess process;
    process.m_nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    process.m_strOut = ReadAndRemove(stem + ".out");
    process.m_strErr = ReadAndRemove(stem + ".err");
    return process;
}

// The report alone on stdout, one line of refusal alone on stderr, and the
// exit status a script can test.
TEST(Binary, SeparatesTheStreamsAndSetsTheStatus)
{
    struct TCase {
        const char* m_pszArgs;
        int m_nStatus;
        const char* m_pszOut;  // text stdout must hold; "" for an empty stream
        const char* m_pszErr;
    };
    const TCase cases[] = {
        {"--opponents 3 2c 4s 7d 9c Qh", 0, "One opponent holding:", ""},
        {"--opponents 3 2c 4s 7d 9c 1x", 2, "", "'1x'"},
        {"--version", 0, "quintara-odds 1.1\n", ""},
    };
    for (const TCase& c : cases) {
        const TProcess process = RunBinary(c.m_pszArgs);
        EXPECT_EQ(process.m_nStatus, c.m_nStatus) << c.m_pszArgs;
        for (const auto& [text, expected] : {std::make_pair(process.m_strOut, c.m_pszOut),
                                             std::make_pair(process.m_strErr, c.m_pszErr)}) {
            EXPECT_EQ(text.empty(), !*expected) << c.m_pszArgs << ": " << text;
            EXPECT_NE(text.find(expected), std::string::npos) << c.m_pszArgs << ": " << text;
        }
        EXPECT_LE(std::count(process.m_strErr.begin(), process.m_strErr.end(), '\n'), 1);
    }
}

} // namespace
