#pragma once
// Letter case of ANSI text: every comparison of names and keys that ignores case goes through one
// table, so the store, the change lists and the registry import agree on which two texts are one
// name. It folds ASCII and the letters of Windows-1252 (A-Z, À-Þ but for ×, Š, Œ, Ž and Ÿ) to their
// lower-case forms; ß and the other bytes stay as they are.

#include <array>
#include <string>
#include <string_view>

namespace tv {

// The lower-case byte of every byte; folding keeps a byte's top bit.
const std::array<unsigned char, 256>& CaseFoldTable();

inline unsigned char FoldByte(unsigned char c) {
    return CaseFoldTable()[c];
}

std::string FoldCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view s, std::string_view prefix);

} // namespace tv
