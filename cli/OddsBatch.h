#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// quintara-odds as main() runs it: args[0] is the program name. With --batch
// the requests come one per line from `in` and the answers go one JSON object
// per line to `out`, in input order; `progress` shows lines done and lines per
// second on `err`. Anything else goes to RunOddsCommand. Returns 0 when every
// line was answered, 2 on a bad line or bad arguments, 1 when `in` cannot be
// read or `out` written.
int RunOddsProgram(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   bool progress);

// One batch line, numbered from 1: an empty text for a blank or "#" line,
// otherwise one JSON object and a line break. `bad` tells an error object.
std::string AnswerBatchLine(const std::string& line, unsigned long lineNumber, bool& bad);
