#include <gtest/gtest.h>

#include "practice/OkuriganaSplit.h"

namespace brushly {
namespace {

TEST(OkuriganaSplitTest, TrailingKanaAreCutOffTheReading) {
    // 送る
    const OkuriganaSplit split = SplitOkurigana("\x91\x97\x82\xe9", "okuru");
    EXPECT_EQ(split.leadingRomaji, "");
    EXPECT_EQ(split.trailingRomaji, "ru");
    EXPECT_EQ(split.kanjiPartLength, 2);
    EXPECT_EQ(split.kanaInitial, "");
    EXPECT_EQ(KanjiPartReading("okuru", split), "oku");
}

TEST(OkuriganaSplitTest, LeadingKanaAreCutOffTheReading) {
    // お茶
    const OkuriganaSplit split = SplitOkurigana("\x82\xa8\x92\x83", "ocha");
    EXPECT_EQ(split.leadingRomaji, "o");
    EXPECT_EQ(split.trailingRomaji, "");
    EXPECT_EQ(split.kanjiPartLength, 2);
    EXPECT_EQ(KanjiPartReading("ocha", split), "cha");
}

TEST(OkuriganaSplitTest, KanaInsideTheWordBelongToTheKanjiPart) {
    // 持ち帰る
    const OkuriganaSplit split = SplitOkurigana("\x8e\x9d\x82\xbf\x8b\x41\x82\xe9", "mochikaeru");
    EXPECT_EQ(split.leadingRomaji, "");
    EXPECT_EQ(split.trailingRomaji, "ru");
    EXPECT_EQ(split.kanjiPartLength, 6);
}

TEST(OkuriganaSplitTest, SmallTsuOpeningTheTrailingKanaIsPartOfTheirRomaji) {
    // 持って
    const OkuriganaSplit split = SplitOkurigana("\x8e\x9d\x82\xc1\x82\xc4", "motte");
    EXPECT_EQ(split.trailingRomaji, "tte");
    EXPECT_EQ(split.kanjiPartLength, 2);
    EXPECT_EQ(KanjiPartReading("motte", split), "mo");
}

TEST(OkuriganaSplitTest, SmallTsuEndingTheLeadingKanaTakesTheDoubledConsonant) {
    // かっ手
    const OkuriganaSplit split = SplitOkurigana("\x82\xa9\x82\xc1\x8e\xe8", "katte");
    EXPECT_EQ(split.leadingRomaji, "kat");
    EXPECT_EQ(split.kanaInitial, "t");
    EXPECT_EQ(split.kanjiPartLength, 2);
    EXPECT_EQ(KanjiPartReading("katte", split), "te");
}

TEST(OkuriganaSplitTest, KanaThatDoNotMatchTheReadingStayInTheKanjiPart) {
    // お茶 read without its honorific, 送る with a reading that does not end in "ru"
    const OkuriganaSplit tea = SplitOkurigana("\x82\xa8\x92\x83", "cha");
    EXPECT_EQ(tea.leadingRomaji, "");
    EXPECT_EQ(tea.kanjiPartLength, 4);
    const OkuriganaSplit send = SplitOkurigana("\x91\x97\x82\xe9", "soushin");
    EXPECT_EQ(send.trailingRomaji, "");
    EXPECT_EQ(send.kanjiPartLength, 4);
}

TEST(OkuriganaSplitTest, KatakanaMatchTheReadingWhateverItsCase) {
    // ソ連
    const OkuriganaSplit split = SplitOkurigana("\x83\x5c\x98\x41", "soren");
    EXPECT_EQ(split.leadingRomaji, "SO");
    EXPECT_EQ(KanjiPartReading("soren", split), "ren");
}

TEST(OkuriganaSplitTest, WordsWithoutKanaOrWithoutKanji) {
    // 学校, ねこ
    const OkuriganaSplit school = SplitOkurigana("\x8a\x77\x8d\x5a", "gakkou");
    EXPECT_EQ(school.leadingRomaji, "");
    EXPECT_EQ(school.trailingRomaji, "");
    EXPECT_EQ(school.kanjiPartLength, 4);
    const OkuriganaSplit cat = SplitOkurigana("\x82\xcb\x82\xb1", "neko");
    EXPECT_EQ(cat.leadingRomaji, "neko");
    EXPECT_EQ(cat.kanjiPartLength, 0);
}

}  // namespace
}  // namespace brushly
