#pragma once

#include <string>

struct TOddsAnalysis;

// The terminal report: the hand and its formation, the description and the
// advice, then both tables with the columns the desktop program shows and
// the showdown; when asked, the pot shares at the table and the table of
// holds after them.
std::string FormatOddsText(const TOddsAnalysis& analysis);

// One JSON object with the same content, numbers to 17 significant digits;
// when asked, the pot shares at the table follow as "equity" and the holds
// close it as the "holds" array.
std::string FormatOddsJson(const TOddsAnalysis& analysis);

// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);

// A JSON number that reads back as the same double; null when not finite.
std::string JsonNumber(double value);
