#include "core/TextCodec.h"

#include <array>
#include <cstdint>

namespace tv {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Byte for a code point, or -1.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at pos; returns false on malformed input. pos advances past it.
bool Decode(std::string_view s, std::size_t& pos, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    int extra;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        ++pos;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        cp = b0 & 0x1F;
        extra = 1;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        cp = b0 & 0x0F;
        extra = 2;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        cp = b0 & 0x07;
        extra = 3;
        min = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= s.size())
        return false;
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    pos += extra + 1;
    return true;
}

void Encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        if (!Decode(utf8, pos, cp))
            return std::nullopt;
        const int b = ByteOf(cp);
        if (b < 0)
            return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (char ch : ansi) {
        const auto b = static_cast<unsigned char>(ch);
        Encode(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char32_t(b), out);
    }
    return out;
}

std::string FirstUnencodable(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        char32_t cp;
        if (!Decode(utf8, pos, cp))
            return std::string(utf8.substr(start, 1));
        if (ByteOf(cp) < 0)
            return std::string(utf8.substr(start, pos - start));
    }
    return {};
}

std::string AnsiToHost(const std::string& ansi) {
#ifdef _WIN32
    return ansi;
#else
    return AnsiToUtf8(ansi);
#endif
}

std::string HostToUtf8(const std::string& host) {
#ifdef _WIN32
    return AnsiToUtf8(host);
#else
    return host;
#endif
}

std::optional<std::string> HostToAnsi(const std::string& host) {
#ifdef _WIN32
    return host;
#else
    return Utf8ToAnsi(host);
#endif
}

} // namespace tv
