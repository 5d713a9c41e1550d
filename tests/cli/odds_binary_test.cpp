// The real program: exit statuses, stdout and stderr apart, and read or write
// failures that end a run with one message, which in-process runs cannot show.
#include "OddsRun.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Binary, SetsTheStatusAndKeepsTheStreamsApart)
{
    const std::string out = testing::TempDir() + "quintara_odds_out", err = testing::TempDir() + "quintara_odds_err";
    const struct {
        const char* m_pShell;
        int m_nStatus;
        size_t m_nErrLines;
        const char* m_pOut;  // text stdout must hold, "" for none; null when it goes elsewhere
    } cases[] = {
        {"BIN --opponents 3 2c 4s 7d 9c Qh", 0, 0, "One opponent holding:"},
        {"BIN --opponents 3 2c 4s 7d 9c 1x", 2, 1, ""},
        {"BIN --version", 0, 0, "quintara-odds 1.1\n"},
        {"printf '2c 4s 7d 9c Qh\\nbad\\n' | BIN --batch", 2, 0, "{\"line\": 2, \"error\": "},
        {"printf '2c 4s 7d 9c Qh\\n' | BIN --batch --jobs 2 > /dev/full", 1, 1, nullptr},
        {"BIN --batch < /", 1, 1, ""},
        {"BIN 2c 4s 7d 9c Qh > /dev/full", 1, 1, nullptr},
    };
    for (const auto& c : cases) {
        std::string command = c.m_pShell;
        command.replace(command.find("BIN"), 3, QUINTARA_ODDS_BINARY);
        if (c.m_pOut)
            command += " > " + out;
        const int status = std::system((command + " 2> " + err).c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), c.m_nStatus) << command;
        EXPECT_EQ(Lines(ReadFile(err)).size(), c.m_nErrLines) << command << "\n" << ReadFile(err);
        if (c.m_pOut) {
            const std::string text = ReadFile(out);
            EXPECT_EQ(text.empty(), !*c.m_pOut) << command << ": " << text;
            EXPECT_NE(text.find(c.m_pOut), std::string::npos) << command << ": " << text;
        }
    }
}

}  // namespace
