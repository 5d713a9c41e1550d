// Any argument vector: exit 0 with a full answer on stdout and nothing on
// stderr, or exit 2 with one line on stderr and nothing on stdout.
#include "OddsCommand.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Arguments are separated by NUL bytes, as in a real argv.
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    if (args.size() > 32)
        return 0;
    // Few deals keep the simulated figures quick; an input's own --trials is
    // then refused as given twice.
    args.insert(args.begin() + 1, "--trials=200");

    std::ostringstream out, err;
    const int status = RunOddsCommand(args, out, err);
    const std::string errText = err.str();
    if (status == 0) {
        if (out.str().empty() || !errText.empty())
            std::abort();
    } else if (status == 2) {
        if (!out.str().empty() || errText.empty() || errText.back() != '\n' ||
            std::count(errText.begin(), errText.end(), '\n') != 1)
            std::abort();
    } else {
        std::abort();
    }
    return 0;
}
