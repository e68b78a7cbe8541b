#include "cli/CliCommands.h"

#include <iostream>

int main(int argc, char** argv) {
    return tv::RunCli(argc, argv, std::cout, std::cerr);
}
