#include "core/FontSpec.h"

#include "core/kvIniFile.h"

namespace tv {

std::string InvalidIntegerMessage(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

TFontSpecFields SplitFontSpec(const std::string& text) {
    TFontSpecFields f;
    f.Count = 1;
    for (char c : text)
        if (c == ',')
            ++f.Count;
    std::string rest = text;
    f.Face = SplitFirst(rest, ",");
    f.Size = SplitFirst(rest, ",");
    f.Color = SplitFirst(rest, ",");
    f.Styles = rest;
    return f;
}

void ApplyStyleLetters(const std::string& styles, TFontSpec& font) {
    font.Bold = styles.find('B') != std::string::npos;
    font.Italic = styles.find('I') != std::string::npos;
    font.Underline = styles.find('U') != std::string::npos;
}

TFontSpecRead ReadFontSpec(const std::string& text, const TFontSpec& base) {
    TFontSpecRead r;
    r.Font = base;
    const TFontSpecFields f = SplitFontSpec(text);
    r.FieldCount = f.Count;
    r.Font.Face = f.Face;
    std::int32_t size = 0;
    if (!TryStrToInt(f.Size, size)) {
        r.SizeValid = false;
        r.Error = InvalidIntegerMessage(f.Size);
        return r;
    }
    r.Font.Size = size;
    std::int32_t color = 0;
    r.Font.Color = TryStrToInt(f.Color, color) ? static_cast<TColor>(color) : 0;
    ApplyStyleLetters(f.Styles, r.Font);
    return r;
}

std::string FormatFontSpec(const TFontSpec& font) {
    std::string text = font.Face + "," + std::to_string(font.Size) + "," + ColorToText(font.Color) + ",";
    if (font.Bold)
        text += 'B';
    if (font.Italic)
        text += 'I';
    if (font.Underline)
        text += 'U';
    return text;
}

std::string FormatDialogFont(const std::string& face, int size) {
    return face + "," + std::to_string(size);
}

} // namespace tv
