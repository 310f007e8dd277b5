#include <gtest/gtest.h>

#include "platform/LittleEndian.h"
#include "platform/Text.h"

using namespace rq::platform;

TEST(Text, ConversionsTrimFormatAndCase) {
    EXPECT_EQ(FromAnsi("$GP\x80\x81\x9f\xe9"), std::u16string(u"$GP\u20ac\u0081\u0178\u00e9"));
    EXPECT_EQ(ToUtf8(u"\u20ac\u00e9a"),
              "\xe2\x82\xac\xc3\xa9"
              "a");
    EXPECT_EQ(FromUtf8("\xe2\x82\xac\xc3\xa9\xff"), std::u16string(u"\u20ac\u00e9\ufffd"));
    EXPECT_EQ(FromUtf8("\xf0\x9f\x98\x80"), std::u16string(u"\U0001F600"));
    EXPECT_EQ(ToUtf8(u"\U0001F600"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(Trim(u" \t a b \r\n"), u"a b");
    EXPECT_EQ(Trim(u"   "), u"");
    EXPECT_TRUE(EqualsNoCase(u"Mapctrl_Defaults", u"MAPCTRL_defaults"));
    EXPECT_FALSE(EqualsNoCase(u"abc", u"abcd"));
    EXPECT_EQ(FormatText(u"Loading track '%s' failed.", {u"my.tk"}),
              u"Loading track 'my.tk' failed.");
    EXPECT_EQ(FormatText(u"%s %s 100%% %d", {u"0123"}), u"0123  100% %d");
}

TEST(LittleEndian, FieldsAtOffsetsAndTextFields) {
    std::uint8_t b[16] = {};
    PutU32(b, 0xF2D83716u);
    EXPECT_EQ(b[0], 0x16);
    EXPECT_EQ(b[3], 0xF2);
    EXPECT_EQ(GetU32(b), 0xF2D83716u);
    PutF64(b + 4, -987654321.123);
    EXPECT_EQ(GetF64(b + 4), -987654321.123);
    std::uint8_t t[8];
    PutText(t, 4, 3, u"abcdef");
    EXPECT_EQ(GetText(t, 4), u"abc");
    EXPECT_EQ(t[6], 0);
    PutText(t, 4, 4, u"wxyz");
    EXPECT_EQ(GetText(t, 4), u"wxyz");
}
