#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole command line program: args[0] is the program name. Returns the
// exit status: 0 with the report (or help or version) on `out` and nothing
// on `err`; 2 for bad input, with one line on `err` and nothing on `out`; 1
// when `out` cannot be written.
int RunOddsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
