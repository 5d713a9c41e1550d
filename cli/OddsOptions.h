#pragma once

#include <string>
#include <vector>

// What the command line asked for, with every card already parsed and checked
// against the others.
struct TOddsOptions {
    enum EAction { acAnalyse, acHelp, acVersion };

    EAction m_nAction = acAnalyse;
    unsigned m_nOpponents = 1;
    bool m_bJson = false;
    bool m_bHolds = false;           // also analyse every way to keep cards
    std::vector<int> m_arrDealt;     // the five dealt cards, in the order given
    std::vector<int> m_arrDiscards;  // cards of the dealt hand thrown away
    std::vector<int> m_arrDraws;     // their replacements, as many as the discards

    // True once cards were discarded: the hand analysed is the final one.
    bool IsFinalHand() const { return !m_arrDiscards.empty(); }
};

// Reads the arguments that follow the program name. On bad input returns
// false and sets `error` to one line (no line break) naming the problem and
// the offending text.
bool ParseOddsOptions(const std::vector<std::string>& args, TOddsOptions& options, std::string& error);

// The offending text as it may appear inside an error line: quoted, control
// characters escaped so the message stays on one line, and cut when very long.
std::string QuoteArgument(const std::string& text);

extern const char kOddsUsage[];
