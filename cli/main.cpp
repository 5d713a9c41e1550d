#include "OddsCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv, argv + argc);
    return RunOddsCommand(args, std::cout, std::cerr);
}
