#include "cli/JsonText.h"

#include <cstdio>

namespace tv {

namespace {

// The length of the valid UTF-8 sequence at s[i], or 0 when there is none (overlong forms,
// surrogates and code points above U+10FFFF included).
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    std::size_t n = 0;
    unsigned cp = 0;
    if (b >= 0xC2 && b <= 0xDF)
        n = 2, cp = b & 0x1Fu;
    else if (b >= 0xE0 && b <= 0xEF)
        n = 3, cp = b & 0x0Fu;
    else if (b >= 0xF0 && b <= 0xF4)
        n = 4, cp = b & 0x07u;
    else
        return 0;
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    return n;
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
            }
            ++i;
            continue;
        }
        if (const std::size_t n = Utf8Length(utf8, i); n > 0) {
            out.append(utf8.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD"; // U+FFFD
            ++i;
        }
    }
    out += '"';
    return out;
}

} // namespace tv
