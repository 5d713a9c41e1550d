// The real program, run by the shell: exit statuses, stdout and stderr apart,
// read or write failures that end a run with one message, which in-process
// runs cannot show; and what the README and the manual pages show as command
// lines must run as shown. Examples are found by their marks, so a new one
// is tested without being listed here:
//  - README.md: code-block lines starting "$ ", and inline code spans
//    starting "quintara-odds ";
//  - res/man/*.1: the lines of the .nf blocks under EXAMPLES are shell
//    commands; those under BATCH are request lines, given to the examples
//    as requests.txt (a bad one makes --batch exit 2).
// An example ending "# exits N" must exit N; any other must exit 0. The
// desktop program's examples run offscreen with --quit-after-start, so that
// they start and end, when it is built.
#include "OddsRun.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TExample {
    std::string m_strSource;  // file:line
    std::string m_strCommand;
    int m_nStatus = 0;
};

TExample MakeExample(const std::string& source, std::string command)
{
    const size_t mark = command.rfind("# exits ");
    const int status = mark == std::string::npos ? 0 : std::atoi(command.c_str() + mark + 8);
    if (mark != std::string::npos)
        command.erase(mark);
    command.erase(command.find_last_not_of(' ') + 1);
    return {source, command, status};
}

// README.md: code-block lines "$ ..." and inline spans `quintara-odds ...`
// (an example may not break across lines).
void ReadmeExamples(const std::string& path, std::vector<TExample>& examples)
{
    const std::vector<std::string> lines = Lines(ReadFile(path));
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string source = "README.md:" + std::to_string(i + 1), &line = lines[i];
        const size_t text = line.find_first_not_of(' ');
        if (text >= 4 && text != std::string::npos && line.compare(text, 2, "$ ") == 0) {
            examples.push_back(MakeExample(source, line.substr(text + 2)));
            continue;
        }
        for (size_t open = line.find('`'), close; open != std::string::npos; open = line.find('`', close + 1)) {
            if ((close = line.find('`', open + 1)) == std::string::npos)
                break;
            if (line.compare(open + 1, 14, "quintara-odds ") == 0)
                examples.push_back(MakeExample(source, line.substr(open + 1, close - open - 1)));
        }
    }
}

// The lines of the .nf blocks in the section `section` of a manual page, with
// roff's escapes as a reader sees them.
std::vector<std::pair<size_t, std::string>> ManBlockLines(const std::vector<std::string>& lines,
                                                          const std::string& section)
{
    const std::pair<std::string, const char*> escapes[] = {{"\\-", "-"}, {"\\(dq", "\""}, {"\\e", "\\"}};
    std::vector<std::pair<size_t, std::string>> found;
    bool inSection = false, inBlock = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (line.rfind(".SH ", 0) == 0) {
            inSection = line == ".SH " + section;
            inBlock = false;
        } else if (line == ".nf" || line == ".fi") {
            inBlock = inSection && line == ".nf";
        } else if (inBlock && !line.empty() && line[0] != '.') {
            for (const auto& [from, to] : escapes)
                for (size_t at; (at = line.find(from)) != std::string::npos;)
                    line.replace(at, from.size(), to);
            found.emplace_back(i + 1, line);
        }
    }
    return found;
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

TEST(DocumentedExamples, RunWithTheStatusTheDocsGive)
{
    const std::filesystem::path source = QUINTARA_SOURCE_DIR;
    std::vector<TExample> examples;
    std::vector<std::string> requests;  // batch lines of the manual pages
    ReadmeExamples((source / "README.md").string(), examples);
    const size_t readme = examples.size();
    for (const auto& entry : std::filesystem::directory_iterator(source / "res" / "man")) {
        if (entry.path().extension() != ".1")
            continue;
        const std::vector<std::string> lines = Lines(ReadFile(entry.path().string()));
        for (const auto& [number, command] : ManBlockLines(lines, "EXAMPLES"))
            examples.push_back(MakeExample(entry.path().filename().string() + ":" + std::to_string(number), command));
        for (const auto& [number, request] : ManBlockLines(lines, "BATCH"))
            requests.push_back(request);
    }
    // The marks are what finds the examples: losing them all would pass.
    EXPECT_GE(readme, 3u);
    EXPECT_GE(examples.size() - readme, 5u);
    EXPECT_GE(requests.size(), 2u);

    // A folder of this run's own: another build's tests may run beside it.
    const std::filesystem::path dir =
        std::filesystem::path(testing::TempDir()) / ("quintara_odds_docs_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream file(dir / "requests.txt");
        for (const std::string& request : requests)
            file << request << '\n';
    }
    std::string binaries = std::filesystem::path(QUINTARA_ODDS_BINARY).parent_path().string();
#ifdef QUINTARA_DESKTOP_BINARY
    const bool desktopBuilt = std::filesystem::exists(QUINTARA_DESKTOP_BINARY);
    binaries += ":" + std::filesystem::path(QUINTARA_DESKTOP_BINARY).parent_path().string();
#else
    const bool desktopBuilt = false;
#endif
    const std::string err = (dir / "stderr").string();
    for (const TExample& example : examples) {
        SCOPED_TRACE(example.m_strSource + ": " + example.m_strCommand);
        std::string command = example.m_strCommand;
        if (command.find("quintara-odds") == std::string::npos) {
            if (!desktopBuilt) {
                std::cout << "not run, the desktop program is not built: " << command << '\n';
                continue;
            }
            if (command.find("--quit-after-start") == std::string::npos)
                command += " --quit-after-start";
            command = "export QT_QPA_PLATFORM=offscreen; " + command;
        }
        std::ofstream(dir / "example.sh") << command << '\n';
        const std::string shell = "cd '" + dir.string() + "' && HOME='" + dir.string() + "' PATH='" + binaries +
                                  "':\"$PATH\" timeout 300 bash example.sh > /dev/null 2> '" + err + "'";
        const int status = std::system(shell.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), example.m_nStatus) << ReadFile(err);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
