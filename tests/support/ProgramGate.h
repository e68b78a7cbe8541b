#pragma once
// A FIFO that the stand-in compiler waits on ("--wait-for"), so that a test decides when a started
// program goes on, without timing anything. Shared by the compile tests with and without a window.

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tvtest {

class TProgramGate final {
public:
    explicit TProgramGate(std::string path) : m_Path(std::move(path)) {
        m_Made = ::mkfifo(m_Path.c_str(), 0600) == 0;
    }
    // A program still waiting here is let go without doing anything.
    ~TProgramGate() {
        Send("quit\n");
        ::unlink((m_Path + ".reached").c_str());
    }
    TProgramGate(const TProgramGate&) = delete;
    TProgramGate& operator=(const TProgramGate&) = delete;

    bool Made() const { return m_Made; }
    const std::string& Path() const { return m_Path; }
    // A program holds the gate open: the stand-in is running, and an order sent now reaches it.
    bool Held() const {
        const int fd = ::open(m_Path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    }
    // The program has said "waiting" and waits here for its order.
    bool Reached() const { return ::access((m_Path + ".reached").c_str(), F_OK) == 0; }
    // Hands a line ("go\n", "quit\n") to the program waiting here; false when none holds the gate.
    bool Send(const std::string& line) const {
        const int fd = ::open(m_Path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        const bool ok = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
        ::close(fd);
        return ok;
    }

private:
    std::string m_Path;
    bool m_Made = false;
};

} // namespace tvtest
