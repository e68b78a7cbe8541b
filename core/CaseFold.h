#pragma once
// Letter case of ANSI text: every comparison of names and keys that ignores case goes through one
// table, so the store, the change lists and the registry import agree on which two texts are one
// name. It folds ASCII and the letters of Windows-1252 (A-Z, 0xC0-0xDE but for the multiplication
// sign 0xD7, and S caron, OE, Z caron and Y diaeresis) to their lower-case forms; the sharp s and the
// other bytes stay as they are.

#include <array>
#include <string>
#include <string_view>

namespace tv {

// The lower-case byte of every byte; folding keeps a byte's top bit (the store's hash relies on it).
const std::array<unsigned char, 256>& CaseFoldTable();

std::string FoldCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view s, std::string_view prefix);

} // namespace tv
