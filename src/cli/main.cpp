// hearthline-cli: the schedule and summary of a study, and the calculators, from the command line.
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return hl::RunCommandLine(args, std::cout, std::cerr);
}
