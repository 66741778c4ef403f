#include "practice/FlashAnswerCheck.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/CCounterCard.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"

namespace brushly {
namespace {

using Form = FlashQuestionForm;

CKanjiCard KanjiCard(std::vector<std::string> on, std::vector<std::string> kun) {
    CKanjiCard card;
    card.character = "\x8e\x52";  // 山
    auto reading = std::make_unique<CKanjiReading>();
    reading->onReadings = std::move(on);
    reading->kunReadings = std::move(kun);
    card.readings.push_back(std::move(reading));
    return card;
}

FlashDeckEntry KanjiEntry(CKanjiCard& card) {
    FlashDeckEntry entry;
    entry.kanji = &card;
    return entry;
}

bool KanjiRight(CKanjiCard& card, const std::string& typed, int kind = kReadingEither) {
    return IsFillInAnswerRight(KanjiEntry(card), Form::kPlain, typed, kind, false);
}

TEST(FlashAnswerCheckTest, KanjiReadingsAcceptKunreiSpellingsCaseAndBothLongOs) {
    CKanjiCard card = KanjiCard({"SHI", "FU"}, {"tsu(ku)%", "too(i)", "[hi]"});
    EXPECT_TRUE(KanjiRight(card, "si"));
    EXPECT_TRUE(KanjiRight(card, "Hu"));
    EXPECT_TRUE(KanjiRight(card, "tuku"));
    EXPECT_TRUE(KanjiRight(card, "tooi"));
    EXPECT_TRUE(KanjiRight(card, "toui"));  // a stored "oo" typed with "ou"
    EXPECT_TRUE(KanjiRight(card, "hi"));
    EXPECT_FALSE(KanjiRight(card, "tsu"));
    EXPECT_FALSE(KanjiRight(card, ""));

    // The reading kind asked limits the readings compared.
    EXPECT_FALSE(KanjiRight(card, "tsuku", kReadingOn));
    EXPECT_TRUE(KanjiRight(card, "shi", kReadingOn));
    EXPECT_FALSE(KanjiRight(card, "shi", kReadingKun));

    CKanjiCard apart = KanjiCard({"KAN'I"}, {"hon'ya"});
    EXPECT_TRUE(KanjiRight(apart, "kani"));
    EXPECT_TRUE(KanjiRight(apart, "kan'i"));
    EXPECT_TRUE(KanjiRight(apart, "honya"));
}

TEST(FlashAnswerCheckTest, PromptsFollowTheKindAndFallBackToTheReadingsThereAre) {
    CKanjiCard both = KanjiCard({"SAN"}, {"yama"});
    CKanjiCard onlyKun = KanjiCard({}, {"yama"});
    CKanjiCard onlyOn = KanjiCard({"SAN"}, {});
    EXPECT_EQ(FillInPrompt(KanjiEntry(both), Form::kPlain, kReadingEither),
              "Enter a reading for this character");
    EXPECT_EQ(FillInPrompt(KanjiEntry(both), Form::kPlain, kReadingOn),
              "Enter an ON reading for this character");
    EXPECT_EQ(FillInPrompt(KanjiEntry(onlyKun), Form::kPlain, kReadingOn),
              "Enter a Kun reading for this character");
    EXPECT_EQ(FillInPrompt(KanjiEntry(onlyOn), Form::kPlain, kReadingKun),
              "Enter an ON reading for this character");
    EXPECT_TRUE(KanjiRight(onlyKun, "yama", kReadingOn));  // judged by the kind prompted
    EXPECT_EQ(FillInPrompt(KanjiEntry(both), Form::kCompound, kReadingOn),
              "Enter the romaji for this compound.");
}

TEST(FlashAnswerCheckTest, CompoundsCompareWithoutSpacesWithTheLongOFolded) {
    CKanjiCompound card;
    card.romaji = "gakkoo";
    FlashDeckEntry entry;
    entry.kind = FlashKind::kCompound;
    entry.compound = &card;
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "gak kou", kReadingEither, false));
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "GAKKOO", kReadingEither, false));
    EXPECT_FALSE(IsFillInAnswerRight(entry, Form::kPlain, "gako", kReadingEither, false));

    // Libraries store ん before a vowel or y as "n" (older) or "n'"; either is typed.
    for (const char* stored : {"kinyoubi", "kin'youbi"}) {
        card.romaji = stored;
        EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "kinyoubi", kReadingEither, false));
        EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "kin'youbi", kReadingEither, false));
    }

    // A kanji shown as a random compound is judged by the compound's reading.
    CKanjiCard kanji = KanjiCard({"SAN"}, {"yama"});
    FlashDeckEntry shown = KanjiEntry(kanji);
    shown.randomCompoundReading = "tozan";
    EXPECT_TRUE(IsFillInAnswerRight(shown, Form::kCompound, "tozan", kReadingEither, false));
    EXPECT_FALSE(IsFillInAnswerRight(shown, Form::kCompound, "yama", kReadingEither, false));
}

// A kana word's romaji writes katakana in upper case; the student may type either case.
TEST(FlashAnswerCheckTest, KanaWordsAcceptEitherCaseAndNormalizeKunrei) {
    CKanaWord word;
    word.romaji = "RAION";  // ライオン
    FlashDeckEntry entry;
    entry.kind = FlashKind::kKanaWord;
    entry.kanaWord = &word;
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "raion", kReadingEither, false));
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "RAION", kReadingEither, false));
    EXPECT_FALSE(IsFillInAnswerRight(entry, Form::kPlain, "raon", kReadingEither, false));
    word.romaji = "TSUNAMI";
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "tunami", kReadingEither, false));
    word.romaji = "hune";
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "FUNE", kReadingEither, false));
    EXPECT_EQ(ExpectedFillInAnswer(entry, Form::kPlain, kReadingEither, false), "hune");
}

TEST(FlashAnswerCheckTest, TheExpectedAnswerIsWhatWouldHaveBeenRight) {
    CKanjiCard card = KanjiCard({"SAN", "SEN"}, {"yama", "SAN"});
    const FlashDeckEntry entry = KanjiEntry(card);
    EXPECT_EQ(ExpectedFillInAnswer(entry, Form::kPlain, kReadingEither, false), "san, sen, yama");
    EXPECT_EQ(ExpectedFillInAnswer(entry, Form::kPlain, kReadingKun, false), "yama, san");
    for (const char* answer : {"san", "sen", "yama"})
        EXPECT_TRUE(KanjiRight(card, answer));

    CCounterCard counter;
    counter.romaji = "hon";
    FlashDeckEntry counted;
    counted.kind = FlashKind::kCounter;
    counted.counter = &counter;
    counted.counterReading = "to@oka";
    EXPECT_EQ(ExpectedFillInAnswer(counted, Form::kPlain, kReadingEither, false), "tooka");
    EXPECT_EQ(ExpectedFillInAnswer(counted, Form::kPlain, kReadingEither, true), "hon");
}

TEST(FlashAnswerCheckTest, CountersCompareTheFormOrWithOnlyOneTheCounterReading) {
    CCounterCard card;
    card.romaji = "hon";
    FlashDeckEntry entry;
    entry.kind = FlashKind::kCounter;
    entry.counter = &card;
    entry.counterReading = "sanbon";
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "SANBON", kReadingEither, false));
    EXPECT_FALSE(IsFillInAnswerRight(entry, Form::kPlain, "hon", kReadingEither, false));
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "hon", kReadingEither, true));
    EXPECT_FALSE(IsFillInAnswerRight(entry, Form::kPlain, "sanbon", kReadingEither, true));
    entry.counterReading = "san'en";
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "sanen", kReadingEither, false));
    entry.counterReading = "sanen";
    EXPECT_TRUE(IsFillInAnswerRight(entry, Form::kPlain, "san'en", kReadingEither, false));
}

}  // namespace
}  // namespace brushly
