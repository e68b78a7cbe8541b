#include "core/FontSpec.h"

#include <gtest/gtest.h>

using namespace tv;

TEST(FontSpec, ReadsTheDefaultAndTheWrittenFormAlike) {
    const auto a = ReadFontSpec("Times New Roman, 20, $000000, B");
    const auto b = ReadFontSpec("Times New Roman,20,$00000000,B");
    ASSERT_TRUE(a.SizeValid);
    EXPECT_EQ(a.Font, b.Font);
    EXPECT_EQ(a.Font.Face, "Times New Roman");
    EXPECT_EQ(a.Font.Size, 20);
    EXPECT_EQ(a.Font.Color, 0u);
    EXPECT_TRUE(a.Font.Bold);
    EXPECT_FALSE(a.Font.Italic || a.Font.Underline);
    EXPECT_EQ(a.FieldCount, 4);
    EXPECT_EQ(FormatFontSpec(a.Font), "Times New Roman,20,$00000000,B");
}

TEST(FontSpec, WrittenFormRoundTrips) {
    for (const char* text : {"Tahoma,8,$00000000,", "Arial,10,$000000FF,BU", "Courier New,-3,$80000008,BIU",
                             " Book ,72,$00FFFFFF,I"}) {
        const auto r = ReadFontSpec(text);
        ASSERT_TRUE(r.SizeValid) << text;
        EXPECT_EQ(FormatFontSpec(r.Font), text);
    }
}

TEST(FontSpec, StyleLettersAreUpperCaseAnywhereInTheLastField) {
    EXPECT_FALSE(ReadFontSpec("Arial,10,0,biu").Font.Bold);
    const auto ib = ReadFontSpec("Arial,10,0,IB").Font;
    EXPECT_TRUE(ib.Bold && ib.Italic && !ib.Underline);
    // Letters of the face never count, and the last field may hold commas.
    const auto book = ReadFontSpec("Book Antiqua BIU,10,0,").Font;
    EXPECT_FALSE(book.Bold || book.Italic || book.Underline);
    const auto tail = ReadFontSpec("Arial,10,0,x,U");
    EXPECT_TRUE(tail.Font.Underline);
    EXPECT_EQ(tail.FieldCount, 5);
}

TEST(FontSpec, ColourFieldThatIsNoIntegerMeansBlack) {
    const auto r = ReadFontSpec("Arial,12,red,");
    ASSERT_TRUE(r.SizeValid);
    EXPECT_EQ(r.Font.Color, 0u);
    const auto hex = ReadFontSpec("Arial,12,$FF");
    EXPECT_EQ(hex.Font.Color, 0xFFu);
    EXPECT_FALSE(hex.Font.Bold || hex.Font.Italic || hex.Font.Underline);
    EXPECT_EQ(hex.FieldCount, 3);
    EXPECT_EQ(ReadFontSpec("Arial,12,255,").Font.Color, 255u);
}

TEST(FontSpec, BadSizeStopsAfterTheFace) {
    TFontSpec base;
    base.Face = "Old";
    base.Size = 14;
    base.Color = 0x123456;
    base.Italic = true;
    const auto r = ReadFontSpec("Arial, x2,$FF,B", base);
    EXPECT_FALSE(r.SizeValid);
    EXPECT_EQ(r.Error, "' x2' is not a valid integer value");
    EXPECT_EQ(r.Font.Face, "Arial");
    EXPECT_EQ(r.Font.Size, 14);
    EXPECT_EQ(r.Font.Color, 0x123456u);
    EXPECT_TRUE(r.Font.Italic);
    EXPECT_FALSE(r.Font.Bold);

    // A face alone (typing has just begun) has an empty size field.
    const auto typing = ReadFontSpec("Arial,");
    EXPECT_FALSE(typing.SizeValid);
    EXPECT_EQ(typing.Error, "'' is not a valid integer value");
    EXPECT_FALSE(ReadFontSpec("Arial,12 ,0,").SizeValid);
}

TEST(FontSpec, SplitCountsFieldsAndKeepsBlanks) {
    const auto f = SplitFontSpec("Tahoma, 8");
    EXPECT_EQ(f.Count, 2);
    EXPECT_EQ(f.Face, "Tahoma");
    EXPECT_EQ(f.Size, " 8");
    EXPECT_EQ(f.Color, "");
    EXPECT_EQ(SplitFontSpec("").Count, 1);
    EXPECT_EQ(FormatDialogFont("Tahoma", 8), "Tahoma,8");
}
