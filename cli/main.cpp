#include "cli/CliCommands.h"

#include <iostream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Messages are UTF-8; the console shows them as such.
    SetConsoleOutputCP(CP_UTF8);
#endif
    return tv::RunCli(argc, argv, std::cout, std::cerr);
}
