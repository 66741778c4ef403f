#include "practice/CounterExpansion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/CCounterCard.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;

// One counter of the reference table: its kanji, its root and the kana of 1 to 10, as a
// grammar of standard Japanese lists them (the usual reading where there are two).
struct CReferenceCounter {
    const char* kanji;  // UTF-8
    const char* root;
    bool native;
    const char* kana;  // UTF-8, the ten readings separated by blanks
};

constexpr CReferenceCounter kReferenceTable[] = {
    {"本", "hon", false,
     "いっぽん にほん さんぼん よんほん ごほん ろっぽん ななほん はっぽん きゅうほん じゅっぽん"},
    {"匹", "hiki", false,
     "いっぴき にひき さんびき よんひき ごひき ろっぴき ななひき はっぴき きゅうひき じゅっぴき"},
    {"杯", "hai", false,
     "いっぱい にはい さんばい よんはい ごはい ろっぱい ななはい はっぱい きゅうはい じゅっぱい"},
    {"人", "nin", false,
     "ひとり ふたり さんにん よにん ごにん ろくにん ななにん はちにん きゅうにん じゅうにん"},
    {"日", "nichi", false,
     "ついたち ふつか みっか よっか いつか むいか なのか ようか ここのか とおか"},
    {"回", "kai", false,
     "いっかい にかい さんかい よんかい ごかい ろっかい ななかい はっかい きゅうかい じゅっかい"},
    {"個", "ko", false, "いっこ にこ さんこ よんこ ごこ ろっこ ななこ はっこ きゅうこ じゅっこ"},
    {"枚", "mai", false,
     "いちまい にまい さんまい よんまい ごまい ろくまい ななまい はちまい きゅうまい じゅうまい"},
    {"分", "fun", false,
     "いっぷん にふん さんぷん よんぷん ごふん ろっぷん ななふん はっぷん きゅうふん じゅっぷん"},
    {"冊", "satsu", false,
     "いっさつ にさつ さんさつ よんさつ ごさつ ろくさつ ななさつ はっさつ きゅうさつ じゅっさつ"},
    {"頭", "tou", false,
     "いっとう にとう さんとう よんとう ごとう ろくとう ななとう はっとう きゅうとう じゅっとう"},
    {"週", "shuu", false,
     "いっしゅう にしゅう さんしゅう よんしゅう ごしゅう ろくしゅう ななしゅう はっしゅう "
     "きゅうしゅう じゅっしゅう"},
    {"着", "chaku", false,
     "いっちゃく にちゃく さんちゃく よんちゃく ごちゃく ろくちゃく ななちゃく はっちゃく "
     "きゅうちゃく じゅっちゃく"},
    {"時", "ji", false, "いちじ にじ さんじ よじ ごじ ろくじ しちじ はちじ くじ じゅうじ"},
    {"月", "gatsu", false,
     "いちがつ にがつ さんがつ しがつ ごがつ ろくがつ しちがつ はちがつ くがつ じゅうがつ"},
    {"円", "en", false,
     "いちえん にえん さんえん よえん ごえん ろくえん ななえん はちえん きゅうえん じゅうえん"},
    {"つ", "tsu", true, "ひとつ ふたつ みっつ よっつ いつつ むっつ ななつ やっつ ここのつ とお"},
};

Texts Expanded(const char* kanji, const char* root, CounterExpansion how) {
    Texts readings;
    for (const CounterForm& form : ExpandedCounterForms(root, sjis::FromUtf8(kanji), how))
        readings.push_back(form.romaji);
    return readings;
}

Texts Words(const std::string& text) {
    Texts words;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// Each expanded reading, shown as kana, against the table.
TEST(CounterExpansionTest, EveryFormOfTheReferenceTable) {
    for (const CReferenceCounter& counter : kReferenceTable) {
        Texts kana;
        for (const std::string& reading :
             Expanded(counter.kanji, counter.root, {.nativeWords = counter.native})) {
            kana.push_back(sjis::ToUtf8(RomajiToKana(reading, false, false)));
        }
        kana.resize(10);
        EXPECT_EQ(kana, Words(counter.kana)) << counter.kanji;
    }
}

// The romaji that the counter editor shows and the student types.
TEST(CounterExpansionTest, RomajiOfTheSoundChanges) {
    EXPECT_EQ(Expanded("本", "hon", {}),
              (Texts{"ippon", "nihon", "sanbon", "yonhon", "gohon", "roppon", "nanahon", "happon",
                     "kyuuhon", "juppon"}));
    EXPECT_EQ(Expanded("回", "kai", {})[9], "jukkai");
    EXPECT_EQ(Expanded("冊", "satsu", {})[0], "issatsu");
    EXPECT_EQ(Expanded("頭", "tou", {})[0], "ittou");
    EXPECT_EQ(Expanded("円", "en", {})[2], "san'en");
}

TEST(CounterExpansionTest, HowManyTakesTheVoicedOrPSound) {
    EXPECT_EQ(CountedReading(0, "hon", sjis::FromUtf8("本"), {}), "nanbon");
    EXPECT_EQ(CountedReading(0, "hiki", sjis::FromUtf8("匹"), {}), "nanbiki");
    EXPECT_EQ(CountedReading(0, "fun", sjis::FromUtf8("分"), {}), "nanpun");
    EXPECT_EQ(CountedReading(0, "kai", sjis::FromUtf8("回"), {}), "nankai");
    EXPECT_EQ(CountedReading(0, "nin", sjis::FromUtf8("人"), {}), "nannin");
    EXPECT_EQ(CountedReading(0, "nichi", sjis::FromUtf8("日"), {}), "nannichi");
}

TEST(CounterExpansionTest, DaysOfTheMonthAddFourteenTwentyAndTwentyFour) {
    CCounterCard card;
    card.character = sjis::FromUtf8("日");
    ASSERT_EQ(AutoExpandCounter(card, "nichi", {}), "");
    ASSERT_EQ(card.formNumbers.size(), 13u);
    EXPECT_EQ((Texts{card.formNumbers.begin() + 10, card.formNumbers.end()}),
              (Texts{"14", "20", "24"}));
    EXPECT_EQ((Texts{card.formRomaji.begin() + 10, card.formRomaji.end()}),
              (Texts{"juuyokka", "hatsuka", "nijuuyokka"}));
    EXPECT_EQ(sjis::ToUtf8(KanjiNumeral("24")), "二十四");
}

TEST(CounterExpansionTest, RootFirstPutsTheNumberAfterTheRoot) {
    EXPECT_EQ(Expanded("第", "dai", {.rootFirst = true}),
              (Texts{"daiichi", "daini", "daisan", "daiyon", "daigo", "dairoku", "dainana",
                     "daihachi", "daikyuu", "daijuu"}));
    EXPECT_EQ(Expanded("日", "nichi", {.rootFirst = true}).size(), 10u);
}

}  // namespace
}  // namespace brushly
