#pragma once
// The text form of a title font in the project: face "," size "," colour "," styles, for example
// "Times New Roman, 20, $000000, B" or Arial,10,$000000FF,BU. The dialog font keeps only face and
// size ("Tahoma, 8"). Pure text handling, shared by the font picker and the appearance pages.

#include <string>

#include "core/Project.h"

namespace tv {

struct TFontSpec {
    std::string Face;
    int Size = 0;
    TColor Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TFontSpec& o) const {
        return Face == o.Face && Size == o.Size && Color == o.Color && Bold == o.Bold && Italic == o.Italic &&
               Underline == o.Underline;
    }
    bool operator!=(const TFontSpec& o) const { return !(*this == o); }
};

// The message for a text that is not an integer: "'<text>' is not a valid integer value".
std::string InvalidIntegerMessage(const std::string& text);

// The four fields of a font description, split at the first three commas. Missing fields are empty;
// Styles is everything after the third comma (it may hold commas itself).
struct TFontSpecFields {
    std::string Face, Size, Color, Styles;
    int Count = 0; // how many comma-separated fields the whole text has (1 + number of commas)
};
TFontSpecFields SplitFontSpec(const std::string& text);

// Style flags from a styles field: upper-case B, I and U anywhere; everything else is ignored.
void ApplyStyleLetters(const std::string& styles, TFontSpec& font);

// The result of reading a font description. The face is always taken; when the size field is not an
// integer, SizeValid is false, Error holds the message and size, colour and styles are left as
// they were in the given base (the reader stops there). A colour field that is not an integer
// means black.
struct TFontSpecRead {
    TFontSpec Font;
    bool SizeValid = true;
    std::string Error;
    int FieldCount = 0;
};
TFontSpecRead ReadFontSpec(const std::string& text, const TFontSpec& base = TFontSpec());

// The written form: face, size in decimal, "$" + eight upper-case hex digits, style letters in the
// order B, I, U; no blanks. A regular font ends with the third comma.
std::string FormatFontSpec(const TFontSpec& font);

// The dialog font: face "," size in decimal, no blank ("Tahoma,8").
std::string FormatDialogFont(const std::string& face, int size);

} // namespace tv
