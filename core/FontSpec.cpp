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

void ApplyStyleLetters(const std::string& styles, TFontSpec& spec) {
    spec.Bold = styles.find('B') != std::string::npos;
    spec.Italic = styles.find('I') != std::string::npos;
    spec.Underline = styles.find('U') != std::string::npos;
}

TFontSpecRead ReadFontSpec(const std::string& text, const TFontSpec& base) {
    TFontSpecRead r;
    r.Spec = base;
    const TFontSpecFields f = SplitFontSpec(text);
    r.FieldCount = f.Count;
    r.Spec.Face = f.Face;
    std::int32_t size = 0;
    if (!TryStrToInt(f.Size, size)) {
        r.SizeValid = false;
        r.Error = InvalidIntegerMessage(f.Size);
        return r;
    }
    r.Spec.Size = size;
    std::int32_t color = 0;
    r.Spec.Color = TryStrToInt(f.Color, color) ? static_cast<TColor>(color) : 0;
    ApplyStyleLetters(f.Styles, r.Spec);
    return r;
}

std::string FormatFontSpec(const TFontSpec& spec) {
    std::string text = spec.Face + "," + std::to_string(spec.Size) + "," + ColorToText(spec.Color) + ",";
    if (spec.Bold)
        text += 'B';
    if (spec.Italic)
        text += 'I';
    if (spec.Underline)
        text += 'U';
    return text;
}

std::string FormatDialogFont(const std::string& face, int size) {
    return face + "," + std::to_string(size);
}

} // namespace tv
