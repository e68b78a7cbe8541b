#pragma once
// A fresh temporary folder per test, removed afterwards, and small file helpers; shared by every
// GUI-free test binary.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "tests/support/TestPlatform.h"

namespace tvtest {

namespace fs = std::filesystem;

class TempDir final {
public:
    TempDir() {
        std::random_device rd;
        const auto base = fs::temp_directory_path();
        for (;;) {
            m_Path = base / ("tamvelox-test-" + std::to_string(rd()));
            if (fs::create_directory(m_Path))
                break;
        }
    }
    ~TempDir() {
        // A test may have taken the write permission away to provoke a failure.
        std::error_code ec;
        fs::permissions(m_Path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_Path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_Path; }
    // The folder itself, or rel ("/"-separated) inside it, with the system's separators.
    std::string str(const std::string& rel = {}) const {
        return rel.empty() ? m_Path.string() : (m_Path / Native(rel)).string();
    }

private:
    fs::path m_Path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// WriteBytes that makes the missing folders first.
inline void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    WriteBytes(file.string(), text);
}

inline std::string ReadText(const fs::path& file) {
    return ReadBytes(file.string());
}

// A w x h picture of 24 bits per pixel as the bytes of a bitmap file, cut short by cut bytes.
inline std::string BmpBytes(int w, int h, std::size_t cut = 0) {
    const std::uint32_t stride = static_cast<std::uint32_t>((w * 3 + 3) / 4 * 4);
    const std::uint32_t size = 54 + stride * static_cast<std::uint32_t>(h);
    std::string b(size, '\0');
    auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, size, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(w), 4);
    put(22, static_cast<std::uint32_t>(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    b.resize(size - cut);
    return b;
}

} // namespace tvtest
