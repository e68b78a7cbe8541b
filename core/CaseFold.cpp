#include "core/CaseFold.h"

#include <cstring>

namespace tv {

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            t[c] = static_cast<unsigned char>(c + 32);
    t[0x8A] = 0x9A; // S caron
    t[0x8C] = 0x9C; // OE
    t[0x8E] = 0x9E; // Z caron
    t[0x9F] = 0xFF; // Y diaeresis
    return t;
}

// Constant-initialised: usable while other files' globals are being made.
constexpr std::array<unsigned char, 256> kFoldTable = MakeFoldTable();

} // namespace

const std::array<unsigned char, 256>& CaseFoldTable() {
    return kFoldTable;
}

std::string FoldCase(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(kFoldTable[static_cast<unsigned char>(c)]);
    return out;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    // Names are mostly looked up as they are spelled.
    if (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0)
        return true;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kFoldTable[static_cast<unsigned char>(a[i])] != kFoldTable[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

} // namespace tv
