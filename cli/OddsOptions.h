#pragma once

#include "OddsRequest.h"

#include <string>
#include <vector>

// Reads the arguments that follow the program name. On bad input returns
// false and sets `error` to one line (no line break) naming the problem and
// the offending text. A `singleRequest` (the command line, not a batch line)
// printed as text takes --equity unless --no-equity is given.
bool ParseOddsOptions(const std::vector<std::string>& args, TOddsOptions& options, std::string& error,
                      bool singleRequest = false);

// The offending text as it may appear inside an error line: quoted, control
// characters escaped so the message stays on one line, and cut when very long.
std::string QuoteArgument(const std::string& text);

extern const char kOddsUsage[];
