#include "core/SettingEdit.h"

#include "core/CaseFold.h"
#include "core/FontSpec.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"

#include <algorithm>
#include <cctype>

namespace tv {

namespace {

TSettingValue Refused(std::string problem) {
    return {std::string(), std::move(problem)};
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Digits only, with an optional sign: the number boxes take nothing else.
bool ReadDecimal(const std::string& text, std::int32_t& value) {
    const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (text.size() == start || text.size() - start > 10 ||
        !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const long long v = std::stoll(text);
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

bool IsFont(const TSetting& s) {
    return s.Text == &TProject::MainTitleFont || s.Text == &TProject::DialogTitleFont ||
           s.Text == &TProject::DialogFont;
}

std::string JoinWords(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : ", ") + w;
    return text;
}

} // namespace

std::string SettingFileName(const TSetting& setting) {
    return std::string(setting.Section) + "." + setting.Key;
}

const TSetting* FindSettingByFileName(const std::string& name) {
    for (const TSetting& s : ProjectSettings())
        if (SameText(SettingFileName(s), name))
            return &s;
    return nullptr;
}

TSettingValue ParseSettingValue(const TSetting& s, const std::string& utf8) {
    const auto ansi = Utf8ToAnsi(utf8);
    if (!ansi)
        return Refused("\"" + FirstUnencodable(utf8) +
                       "\" cannot be used: the project keeps its texts in the Windows-1252 character set");
    const std::string& text = *ansi;
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return Refused("the value holds a line break or another control character");
    const std::string word = FoldCase(Trimmed(text));
    switch (s.Kind) {
    case TSettingKind::Text:
        if (IsFont(s)) {
            const TFontSpecRead font = ReadFontSpec(text);
            if (!font.SizeValid)
                return Refused("the font's size is no number: " + AnsiToUtf8(font.Error));
        }
        return {text, {}};
    case TSettingKind::Boolean:
        if (word == "1" || word == "true")
            return {"1", {}};
        if (word == "0" || word == "false")
            return {"0", {}};
        return Refused("a switch is 1 or 0 (true or false)");
    case TSettingKind::Integer: {
        std::int32_t v = 0;
        const std::int32_t max =
            s.Integer == &TProject::TargetExtraDiskSpace ? kMaxExtraDiskSpaceKB : INT32_MAX;
        if (!ReadDecimal(word, v) || v < 0 || v > max)
            return Refused("the value is a whole number from 0 to " + std::to_string(max));
        return {std::to_string(v), {}};
    }
    case TSettingKind::Position: {
        const auto& words = s.Integer == &TProject::DialogPosX ? kDialogPosXWords : kDialogPosYWords;
        for (std::size_t i = 0; i < words.size(); ++i)
            if (word == std::to_string(i) || word == FoldCase(words[i]))
                return {std::to_string(i), {}};
        return Refused("the position is 0, 1 or 2 (" + JoinWords(words) + ")");
    }
    case TSettingKind::Colour: {
        // The colour pickers give $00BBGGRR: no system colours, no alpha.
        std::int32_t number = 0;
        if (!TryStrToInt(Trimmed(text), number) || number < 0 || number > 0x00FFFFFF)
            return Refused(
                "a colour is written $00BBGGRR (blue, green, red), for example $00FF0000 for blue");
        return {ColorToText(static_cast<TColor>(number)), {}};
    }
    case TSettingKind::FolderPair: {
        const auto close = text.size() > 1 && text[0] == '%' ? text.find('%', 1) : std::string::npos;
        const std::string name = close == std::string::npos ? std::string() : text.substr(1, close - 1);
        const auto it = std::find_if(kFolderVariables.begin(), kFolderVariables.end(),
                                     [&](const std::string& v) { return SameText(v, name); });
        if (it == kFolderVariables.end())
            return Refused("the value begins with a folder variable between \"%\", one of " +
                           JoinWords(kFolderVariables));
        return {"%" + *it + "%" + text.substr(close + 1), {}};
    }
    case TSettingKind::Set: {
        std::vector<bool> on(s.Words.size(), false);
        std::string rest = text;
        while (!rest.empty()) {
            const std::string item = Trimmed(SplitFirst(rest, ","));
            if (item.empty())
                continue;
            std::size_t i = 0;
            while (i < s.Words.size() && !SameText(s.Words[i].Written, item))
                ++i;
            if (i == s.Words.size()) {
                std::vector<std::string> words;
                for (const TSetWord& w : s.Words)
                    words.push_back(w.Written);
                return Refused("\"" + AnsiToUtf8(item) + "\" is none of " + JoinWords(words));
            }
            on[i] = true;
        }
        std::string written;
        for (std::size_t i = 0; i < s.Words.size(); ++i)
            if (on[i])
                written = AppendItem(written, s.Words[i].Written);
        return {written, {}};
    }
    }
    return Refused("the setting cannot be set");
}

} // namespace tv
