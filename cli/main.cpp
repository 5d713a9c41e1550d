#include "OddsBatch.h"

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // Streams of their own report a failed read as well as a failed write.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    return RunOddsProgram(args, std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
