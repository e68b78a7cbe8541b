#include "core/Project.h"

#include "core/ProjectSettings.h"
#include "core/kvIniFile.h"

#include <cstdio>

namespace tv {

const std::vector<std::string> kDialogPosXWords = {"Left", "Center", "Right"};
const std::vector<std::string> kDialogPosYWords = {"Top", "Center", "Bottom"};

namespace {

struct TFlagWord {
    const char* Word;
    bool TFileRecord::*Flag;
};

// Table order: the order of the flags text.
const TFlagWord kFlagWords[] = {
    {"NO_LOG", &TFileRecord::NoLog},
    {"NO_VERSION_CHECK", &TFileRecord::NoVersionCheck},
    {"REGISTER_SERVER", &TFileRecord::RegisterServer},
    {"REGISTER_FONT", &TFileRecord::RegisterFont},
    {"DONT_ASK_USER", &TFileRecord::DontAskUser},
    {"DONT_OVERWRITE", &TFileRecord::DontOverwrite},
    {"EXTERNAL_FILE", &TFileRecord::ExternalFile},
    {"SHARED_FILE", &TFileRecord::SharedFile},
};

} // namespace

std::string TFileRecord::FlagsText() const {
    std::string text;
    AppendFlagsText(text);
    return text;
}

void TFileRecord::AppendFlagsText(std::string& out) const {
    bool first = true;
    for (const auto& f : kFlagWords) {
        if (!(this->*f.Flag))
            continue;
        if (!first)
            out += '+';
        out += f.Word;
        first = false;
    }
}

void TFileRecord::SetFlagsFromText(std::string_view text) {
    for (const auto& f : kFlagWords)
        this->*f.Flag = text.find(f.Word) != std::string_view::npos;
}

std::string TProject::TargetOSText() const {
    return SettingText(*this, *FindSetting("Target.OS"));
}

std::string TProject::DialogsText() const {
    return SettingText(*this, *FindSetting("Dialog/Dialogs"));
}

std::string ColorToText(TColor c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
    return buf;
}

TColor TextToColor(const std::string& text, TColor fallback) {
    std::int32_t value;
    return TryStrToInt(text, value) ? static_cast<TColor>(value) : fallback;
}

std::string AppendItem(const std::string& list, const std::string& item) {
    return list.empty() ? item : list + "," + item;
}

std::string SplitFirst(std::string& text, const std::string& separator) {
    const auto pos = separator.empty() ? std::string::npos : text.find(separator);
    if (pos == std::string::npos) {
        std::string all;
        all.swap(text);
        return all;
    }
    std::string first = text.substr(0, pos);
    text.erase(0, pos + separator.size());
    return first;
}

bool IsBlank(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return b == e || (e - b == 1 && text[b] == '-');
}

std::string ZeroPad(long long n, int width) {
    std::string digits = std::to_string(n);
    if (width <= 0)
        return {};
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    digits.resize(static_cast<std::size_t>(width));
    return digits;
}

} // namespace tv
