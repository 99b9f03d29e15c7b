// hearthline-cli: the schedule and summary of a study, and the calculators, from the command line.
#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "cli/guarded_run.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = hl::RunGuarded(
        [&] { return hl::RunCommandLine(args, std::cout, std::cerr); }, std::cout, std::cerr);
    if (status == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
        std::cerr << "hearthline-cli: cannot write the output\n";
        return 2;
    }
    return status;
}
