#include "platform/ShiftJis.h"

#include <gtest/gtest.h>

namespace brushly::sjis {
namespace {

TEST(ShiftJis, ConvertsBetweenShiftJisAndUnicode) {
    const std::string sjis = "ka \x82\xa9\x83\x4a\x8e\x9a\x81\x5b";  // ka か カ 字 ー
    EXPECT_EQ(ToUtf8(sjis), "ka かカ字ー");
    EXPECT_EQ(FromUtf8("ka かカ字ー"), sjis);
    EXPECT_EQ(ToUtf16(sjis), u"ka かカ字ー");
    EXPECT_EQ(FromUtf16(u"ka かカ字ー"), sjis);
    // The vertical stroke used for the long mark in vertical text is an IBM extension of
    // code page 932.
    EXPECT_EQ(FromUtf8("丨"), "\xfa\x68");
    EXPECT_EQ(ToUtf8(""), "");
}

TEST(ShiftJis, ConvertsEucJpForTheDictionaryImport) {
    EXPECT_EQ(FromEucJp("\xa4\xab\xbb\xfa"), "\x82\xa9\x8e\x9a");  // か字
}

TEST(ShiftJis, InvalidInputIsReplacedNotFatal) {
    EXPECT_EQ(FromUtf8("a\xff"
                       "b"),
              "a?b");
    EXPECT_EQ(FromUtf8("a😀b"), "a?b");            // not in code page 932
    EXPECT_EQ(ToUtf8("a\x82"), "a\xEF\xBF\xBD");  // lead byte cut off at the end
    EXPECT_EQ(FromUtf16(u"x\U0001F600y"), "x?y");
}

TEST(ShiftJis, ConverterIsReusable) {
    CCodeConverter converter("CP932", "UTF-8", "?");
    EXPECT_EQ(converter.Convert("\x82\xa0"), "あ");
    EXPECT_EQ(converter.Convert("\x83\x41"), "ア");
    const std::string large(5000, 'a');
    EXPECT_EQ(converter.Convert(large + "\x82\xa0"), large + "あ");
    EXPECT_THROW(CCodeConverter("NO-SUCH-ENCODING", "UTF-8", "?"), std::runtime_error);
}

TEST(ShiftJis, ClassifiesLeadBytesAndKana) {
    EXPECT_FALSE(IsLeadByte('a'));
    EXPECT_TRUE(IsLeadByte(0x81));
    EXPECT_TRUE(IsLeadByte(0x9F));
    EXPECT_FALSE(IsLeadByte(0xA0));  // half-width katakana are single bytes
    EXPECT_FALSE(IsLeadByte(0xDF));
    EXPECT_TRUE(IsLeadByte(0xE0));
    EXPECT_TRUE(IsLeadByte(0xFC));
    EXPECT_FALSE(IsLeadByte(0xFD));

    const std::string text = "a\x82\xa0\x83\x94\x82\x4f\x82";  // a あ ヴ ０ and a lead byte cut off
    EXPECT_EQ(CharLength(text, 0), 1u);
    EXPECT_EQ(CharLength(text, 1), 2u);
    EXPECT_EQ(CharLength(text, 5), 2u);
    EXPECT_EQ(CharLength(text, 7), 1u);
    EXPECT_TRUE(IsHiragana(text, 1));
    EXPECT_FALSE(IsKatakana(text, 1));
    EXPECT_TRUE(IsKatakana(text, 3));
    EXPECT_FALSE(IsHiragana(text, 5));  // full-width zero shares the lead byte
    EXPECT_FALSE(IsHiragana(text, 7));
}

TEST(ShiftJis, CasesOnlyAsciiLettersAndSplitsCharacters) {
    // ソ is 0x83 0x5C and ア is 0x83 0x41: their trail bytes look like '\\' and 'A'.
    const std::string text = "ta(\x83\x41)Be \x83\x5c";
    EXPECT_EQ(AsciiUpper(text), "TA(\x83\x41)BE \x83\x5c");
    EXPECT_EQ(AsciiLower("KA\x83\x41Z"), "ka\x83\x41z");
    EXPECT_EQ(Characters("a\x83\x41"
                         "b\x82"),
              (std::vector<std::string_view>{"a", "\x83\x41", "b", "\x82"}));
    EXPECT_TRUE(Characters("").empty());
}

}  // namespace
}  // namespace brushly::sjis
