// What the README and the manual pages show as command lines must run as
// shown. Examples are found by their marks, so a new one is tested without
// being listed here:
//  - README.md: code-block lines starting "$ ", and inline code spans
//    starting "quintara-odds ";
//  - res/man/*.1: the lines of the .nf blocks under EXAMPLES are shell
//    commands; those under BATCH are request lines, given to the examples
//    as requests.txt (a bad one makes --batch exit 2).
// An example ending "# exits N" must exit N; any other must exit 0. The
// desktop program's examples run offscreen with --quit-after-start, so that
// they start and end, when it is built.
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

struct TExample {
    std::string m_strSource;  // file:line
    std::string m_strCommand;
    int m_nStatus = 0;
};

std::vector<std::string> FileLines(const std::string& path)
{
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

TExample MakeExample(const std::string& source, std::string command)
{
    TExample example{source, command, 0};
    const size_t mark = command.rfind("# exits ");
    if (mark != std::string::npos) {
        example.m_nStatus = std::atoi(command.c_str() + mark + 8);
        command.erase(mark);
    }
    command.erase(command.find_last_not_of(' ') + 1);
    example.m_strCommand = command;
    return example;
}

std::vector<TExample> ReadmeExamples(const std::string& path)
{
    std::vector<TExample> examples;
    const std::vector<std::string> lines = FileLines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string source = "README.md:" + std::to_string(i + 1);
        const std::string& line = lines[i];
        const size_t text = line.find_first_not_of(' ');
        if (text >= 4 && text != std::string::npos && StartsWith(line.substr(text), "$ ")) {
            examples.push_back(MakeExample(source, line.substr(text + 2)));
            continue;
        }
        // Inline spans: `...`; an example may not break across lines.
        for (size_t open = line.find('`'); open != std::string::npos;) {
            const size_t close = line.find('`', open + 1);
            if (close == std::string::npos)
                break;
            const std::string span = line.substr(open + 1, close - open - 1);
            if (StartsWith(span, "quintara-odds "))
                examples.push_back(MakeExample(source, span));
            open = line.find('`', close + 1);
        }
    }
    return examples;
}

// Roff's escapes as a reader sees them.
std::string Unescaped(std::string line)
{
    const std::pair<const char*, const char*> escapes[] = {{"\\-", "-"}, {"\\(dq", "\""}, {"\\e", "\\"}};
    for (const auto& [from, to] : escapes)
        for (size_t at; (at = line.find(from)) != std::string::npos;)
            line.replace(at, std::string(from).size(), to);
    return line;
}

// The lines of the .nf blocks in the section `section` of a manual page.
std::vector<std::pair<size_t, std::string>> ManBlockLines(const std::vector<std::string>& lines,
                                                          const std::string& section)
{
    std::vector<std::pair<size_t, std::string>> found;
    bool inSection = false, inBlock = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (StartsWith(line, ".SH ")) {
            inSection = line == ".SH " + section;
            inBlock = false;
        } else if (line == ".nf") {
            inBlock = inSection;
        } else if (line == ".fi") {
            inBlock = false;
        } else if (inBlock && !line.empty() && line[0] != '.') {
            found.emplace_back(i + 1, Unescaped(line));
        }
    }
    return found;
}

struct TDocs {
    std::vector<TExample> m_arrExamples;
    std::vector<std::string> m_arrRequests;  // batch lines of the manual pages
    size_t m_nReadme = 0, m_nManual = 0;
};

TDocs ReadDocs()
{
    const std::filesystem::path source = QUINTARA_SOURCE_DIR;
    TDocs docs;
    docs.m_arrExamples = ReadmeExamples((source / "README.md").string());
    docs.m_nReadme = docs.m_arrExamples.size();
    for (const auto& entry : std::filesystem::directory_iterator(source / "res" / "man")) {
        if (entry.path().extension() != ".1")
            continue;
        const std::vector<std::string> lines = FileLines(entry.path().string());
        const std::string name = entry.path().filename().string();
        for (const auto& [number, command] : ManBlockLines(lines, "EXAMPLES"))
            docs.m_arrExamples.push_back(MakeExample(name + ":" + std::to_string(number), command));
        for (const auto& [number, request] : ManBlockLines(lines, "BATCH"))
            docs.m_arrRequests.push_back(request);
    }
    docs.m_nManual = docs.m_arrExamples.size() - docs.m_nReadme;
    return docs;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(DocumentedExamples, RunWithTheStatusTheDocsGive)
{
    const TDocs docs = ReadDocs();
    // The marks are what finds the examples: losing them all would pass.
    EXPECT_GE(docs.m_nReadme, 3u);
    EXPECT_GE(docs.m_nManual, 5u);
    EXPECT_GE(docs.m_arrRequests.size(), 2u);

    // A folder of this run's own: another build's tests may run beside it.
    const std::filesystem::path dir =
        std::filesystem::path(testing::TempDir()) / ("quintara_odds_docs_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream requests(dir / "requests.txt");
        for (const std::string& request : docs.m_arrRequests)
            requests << request << '\n';
    }
    std::string binaries = std::filesystem::path(QUINTARA_ODDS_BINARY).parent_path().string();
#ifdef QUINTARA_DESKTOP_BINARY
    const bool desktopBuilt = std::filesystem::exists(QUINTARA_DESKTOP_BINARY);
    binaries += ":" + std::filesystem::path(QUINTARA_DESKTOP_BINARY).parent_path().string();
#else
    const bool desktopBuilt = false;
#endif
    const std::string err = (dir / "stderr").string();
    for (const TExample& example : docs.m_arrExamples) {
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
