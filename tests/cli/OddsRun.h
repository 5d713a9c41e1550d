#pragma once

// The request runner of the quintara-odds tests: runs the program in-process
// as main() does and keeps both streams apart; and the reading of its JSON.

#include "CardText.h"
#include "OddsBatch.h"
#include "OddsCommand.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

struct TOddsRun {
    int m_nStatus = -1;
    std::string m_strOut;
    std::string m_strErr;
};

// The words of `text`, split at white space: a request written as one string.
inline std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// `args` are the arguments after the program name; `input` is stdin.
inline TOddsRun RunOdds(const std::vector<std::string>& args, const std::string& input = "")
{
    std::vector<std::string> argv{"quintara-odds"};
    argv.insert(argv.end(), args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out, err;
    in.tie(&out);  // as std::cin is to std::cout
    TOddsRun run;
    run.m_nStatus = RunOddsProgram(argv, in, out, err, false);
    run.m_strOut = out.str();
    run.m_strErr = err.str();
    return run;
}

inline TOddsRun RunOdds(const std::string& request, const std::string& input = "")
{
    return RunOdds(Words(request), input);
}

// Splits "a\nb\n" into {"a", "b"}.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The report of a request that must succeed, and the same as JSON.
inline std::string Report(const std::string& request)
{
    const TOddsRun run = RunOdds(request);
    EXPECT_EQ(run.m_nStatus, 0) << request << ": " << run.m_strErr;
    return run.m_strOut;
}

// The JSON is read by Debian's JSON library, not by code of ours; objects
// keep their members in order.
using TJson = nlohmann::ordered_json;

// True when `text` is exactly one JSON value: any syntax error rejects it.
inline bool ParseJson(const std::string& text, TJson& value)
{
    value = TJson::parse(text, nullptr, false);
    return !value.is_discarded();
}

inline TJson JsonReport(const std::string& request)
{
    TJson json;
    EXPECT_TRUE(ParseJson(Report("--json " + request), json)) << request;
    return json;
}

// The member `key` of a JSON object; a missing one fails the test (and
// gives null).
inline const TJson& Member(const TJson& object, const char* key)
{
    static const TJson kMissing;
    const bool found = object.is_object() && object.contains(key);
    EXPECT_TRUE(found) << key;
    return found ? object.at(key) : kMissing;
}

inline double Number(const TJson& object, const char* key)
{
    const TJson& member = Member(object, key);
    return member.is_number() ? member.get<double>() : 0;
}

// The member names of a JSON object, in order.
inline std::vector<std::string> Keys(const TJson& object)
{
    std::vector<std::string> keys;
    for (const auto& member : object.items())
        keys.push_back(member.key());
    return keys;
}

// The cards of a JSON list of card texts, as one text "Kd Ks 8s".
inline std::string CardsOf(const TJson& list)
{
    std::string cards;
    for (const TJson& card : list)
        cards += (cards.empty() ? "" : " ") + CardText(ParseCard(card.get<std::string>()));
    return cards;
}

// The cards of a keep mask over `hand`, kept or thrown, in the hand's order.
inline std::string MaskCards(const int* hand, unsigned mask, bool kept)
{
    std::string text;
    for (int i = 0; i < 5; ++i)
        if (((mask >> i) & 1u) == (kept ? 1u : 0u))
            text += (text.empty() ? "" : " ") + CardText(hand[i]);
    return text;
}
