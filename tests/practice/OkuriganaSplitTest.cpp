#include <gtest/gtest.h>

#include <string>

#include "practice/OkuriganaSplit.h"

namespace brushly {
namespace {

struct SplitCase {
    const char* name;
    std::string text;  // Shift-JIS
    std::string reading;
    std::string leading;
    std::string trailing;
    int kanjiPartLength;
    std::string kanaInitial;
    std::string kanjiReading;
};

TEST(OkuriganaSplitTest, KanaAroundTheKanjiPartAreCutOffTheReading) {
    const SplitCase cases[] = {
        {"okuru", "\x91\x97\x82\xe9", "okuru", "", "ru", 2, "", "oku"},       // 送る
        {"ocha", "\x82\xa8\x92\x83", "ocha", "o", "", 2, "", "cha"},          // お茶
        {"blanks", "\x82\xa8\x92\x83", "o cha", "o", "", 2, "", "cha"},       // お茶
        {"mochikaeru", "\x8e\x9d\x82\xbf\x8b\x41\x82\xe9", "mochikaeru", "",  // 持ち帰る
         "ru", 6, "", "mochikae"},
        // っ opening the trailing kana is read with them
        {"motte", "\x8e\x9d\x82\xc1\x82\xc4", "motte", "", "tte", 2, "", "mo"},  // 持って
        // っ ending the leading kana takes the consonant it doubles
        {"katte", "\x82\xa9\x82\xc1\x8e\xe8", "katte", "kat", "", 2, "t", "te"},  // かっ手
        {"katakana", "\x83\x5c\x98\x41", "soren", "SO", "", 2, "", "ren"},        // ソ連
        {"no kana", "\x8a\x77\x8d\x5a", "gakkou", "", "", 4, "", "gakkou"},       // 学校
        {"kana only", "\x82\xcb\x82\xb1", "neko", "neko", "", 0, "", ""},         // ねこ
        // Kana the reading does not have stay in the kanji part.
        {"cha", "\x82\xa8\x92\x83", "cha", "", "", 4, "", "cha"},              // お茶
        {"soushin", "\x91\x97\x82\xe9", "soushin", "", "", 4, "", "soushin"},  // 送る
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const OkuriganaSplit split = SplitOkurigana(c.text, c.reading);
        EXPECT_EQ(split.leadingRomaji, c.leading);
        EXPECT_EQ(split.trailingRomaji, c.trailing);
        EXPECT_EQ(split.kanjiPartLength, c.kanjiPartLength);
        EXPECT_EQ(split.kanaInitial, c.kanaInitial);
        EXPECT_EQ(KanjiPartReading(c.reading, split), c.kanjiReading);
    }
}

}  // namespace
}  // namespace brushly
