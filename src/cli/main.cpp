#include "cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return orvane::cli::run_cli(args, std::cin, std::cout, std::cerr);
}
