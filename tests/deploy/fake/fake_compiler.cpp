// Test double for the installer engine's compiler, used only by the build tests: it is registered
// as the program that opens .TZN scripts in a sandboxed desktop. It reads the script's [Config],
// checks that the image folder and its Presetup files are there, and writes <ExeName>.EXE beside
// the script, recording the folder it ran in. "--fail" makes it end without writing anything.
// "--lines N" first prints N numbered lines, by turns to stdout and stderr; "--wait-for FIFO" holds
// the FIFO open from its start, says "waiting" after its other output (and then makes FIFO.reached),
// and waits for a line from it: "go" lets it compile, "quit" ends it at once. "--flood BYTES" first
// writes that many bytes of numbered lines of 64 bytes to stdout, as fast as it can.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    bool fail = false;
    int lines = 0;
    long long flood = 0;
    std::string script, waitFor;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fail")
            fail = true;
        else if (arg == "--lines" && i + 1 < argc)
            lines = std::stoi(argv[++i]);
        else if (arg == "--flood" && i + 1 < argc)
            flood = std::stoll(argv[++i]);
        else if (arg == "--wait-for" && i + 1 < argc)
            waitFor = argv[++i];
        else
            script = arg;
    }
#ifndef _WIN32
    // Opened for reading and writing, the FIFO does not wait for a writer: from here on an order
    // can reach us, also while we still write.
    const int gate = waitFor.empty() ? -1 : ::open(waitFor.c_str(), O_RDWR);
#endif
    if (flood > 0) {
        std::string block;
        for (long long n = 0; flood > 0; ++n) {
            char line[96]; // 64 bytes used
            std::snprintf(line, sizeof line, "flood line %012lld %039d\n", n % 1000000000000LL, 0);
            block.append(line, 64);
            if (block.size() >= 65536 || static_cast<long long>(block.size()) >= flood) {
                const std::size_t size = static_cast<std::size_t>(std::min<long long>(flood, block.size()));
                std::cout.write(block.data(), static_cast<std::streamsize>(size));
                flood -= static_cast<long long>(size);
                block.clear();
            }
        }
        std::cout.flush();
    }
    for (int i = 1; i <= lines; ++i)
        (i % 2 ? std::cout : std::cerr) << "line " << i << (i % 2 ? " to stdout" : " to stderr") << std::endl;
    if (!waitFor.empty()) {
        std::string order;
#ifdef _WIN32
        std::cout << "fake compiler: waiting" << std::endl;
        std::ifstream gate(waitFor);
        std::getline(gate, order);
#else
        std::cout << "fake compiler: waiting" << std::endl;
        // Tells the test that "waiting" is out: holding the gate alone does not say so.
        std::ofstream(waitFor + ".reached").put('\n');
        char c = 0;
        while (gate >= 0 && ::read(gate, &c, 1) == 1 && c != '\n')
            order += c;
        ::close(gate);
#endif
        if (order == "quit")
            return 0;
    }
    if (script.empty()) {
        std::cerr << "fake compiler: no script given\n";
        return 2;
    }
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::cerr << "fake compiler: cannot read " << script << "\n";
        return 2;
    }
    std::string line, section, imagePath, exeName;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = line;
            continue;
        }
        const auto eq = line.find('=');
        if (section != "[Config]" || eq == std::string::npos)
            continue;
        if (line.compare(0, eq, "ImagePath") == 0)
            imagePath = line.substr(eq + 1);
        else if (line.compare(0, eq, "ExeName") == 0)
            exeName = line.substr(eq + 1);
    }
    if (fail) {
        std::cerr << "fake compiler: failing on request" << std::endl;
        return 1;
    }
    const fs::path folder = fs::absolute(script).parent_path();
    const fs::path image = folder / imagePath;
    for (const char* needed : {"Presetup\\TZNS.INI", "Presetup\\APP.INS"}) {
        std::string host = needed;
        for (char& c : host)
            if (c == '\\')
                c = '/';
        if (imagePath.empty() || !fs::is_regular_file(image / host)) {
            std::cerr << "fake compiler: " << needed << " missing in " << image << "\n";
            return 3;
        }
    }
    if (exeName.empty() || !fs::is_directory(image / "Data")) {
        std::cerr << "fake compiler: incomplete script " << script << "\n";
        return 3;
    }
    std::ofstream out(folder / (exeName + ".EXE"), std::ios::binary);
    out << "setup of " << exeName << "\ncwd=" << fs::current_path().string() << "\n";
    std::cout << "fake compiler: made " << exeName << ".EXE\n";
    return out ? 0 : 4;
}
