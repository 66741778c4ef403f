#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dictionary/CAbbreviationList.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "practice/CFlashSlotFiller.h"
#include "practice/OkuriganaSplit.h"

namespace brushly {
namespace {

constexpr int kRepeats = 40;

// A seeded document whose cards, kanji database and compound database the tests fill in,
// and the deck they drill.
class FlashSlotFillerTest : public ::testing::Test {
protected:
    FlashSlotFillerTest() {
        document.Cards().AddGroup("G");
        document.Options().flash.readingKind = 1;  // ON readings: one kind throughout
    }

    CKanjiCard& AddKanji(std::vector<std::string> on, std::string meaning = "meaning") {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = "G";
        card->character = "\x88\xea";  // 一
        auto reading = std::make_unique<CKanjiReading>();
        reading->onReadings = std::move(on);
        reading->meanings = {std::move(meaning)};
        card->readings.push_back(std::move(reading));
        return document.Cards().AddCard(std::move(card));
    }
    CKanjiCompound& AddCompound(const std::string& headword, const std::string& romaji) {
        auto card = std::make_unique<CKanjiCompound>();
        card->groupName = "G";
        card->headword = headword;
        card->romaji = romaji;
        card->meaning = "word " + romaji;
        return document.Cards().AddCard(std::move(card));
    }
    void SetDatabaseKanji(const std::vector<std::string>& onReadings) {
        auto library = std::make_unique<CKanjiLibrary>();
        for (const std::string& on : onReadings) {
            auto record = std::make_unique<CKanjiData>();
            record->character = "\x93\xf1";  // 二
            record->readings.push_back(std::make_unique<CKanjiReading>());
            record->readings.back()->onReadings = {on};
            library->AddKanji(1, std::move(record));
        }
        document.SetKanjiLibrary(std::move(library));
    }
    // A compound database of (headword, romaji, meaning) entries.
    void SetDatabaseCompounds(const std::vector<std::vector<std::string>>& entries,
                              const std::string& identification = "demo") {
        auto library = std::make_unique<CCompoundLibrary>();
        library->SetIdentification(identification);
        for (const auto& fields : entries) {
            auto entry = std::make_unique<CCompoundData>();
            entry->headword = fields[0];
            entry->romaji = fields[1];
            entry->meaning = fields[2];
            library->Add(std::move(entry));
        }
        document.SetWordLibraries(std::move(library), nullptr);
    }
    void DrillKanji(CKanjiCard& card) {
        FlashDeckEntry entry;
        entry.kanji = &card;
        deck.push_back(entry);
    }
    FlashDeckEntry CompoundEntry(CKanjiCompound& card) {
        FlashDeckEntry entry;
        entry.kind = FlashKind::kCompound;
        entry.compound = &card;
        entry.split = SplitOkurigana(card.headword, card.romaji);
        return entry;
    }
    // The answers of the three distracter slots of every fill of the entry.
    std::vector<std::string> Distracters(const FlashDeckEntry& entry) {
        CFlashSlotFiller filler(document, abbreviations, deck);
        std::vector<std::string> answers;
        for (int i = 0; i < kRepeats; ++i) {
            const FlashSlots slots = filler.Fill(entry, 0);
            for (int slot = 1; slot <= 4; ++slot) {
                if (slot != slots.correct) answers.push_back(slots.slots[slot - 1].answer);
            }
        }
        return answers;
    }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document{settings, prompter, 1234};
    CAbbreviationList abbreviations;
    std::vector<FlashDeckEntry> deck;
};

TEST_F(FlashSlotFillerTest, KanjiDeckOfFewerThanFiveNeverSuppliesItsOwnDistracters) {
    for (const char* on : {"ka", "ki", "ku", "ke"})
        DrillKanji(AddKanji({on}));
    SetDatabaseKanji({"sa", "shi", "su", "se", "so", "ta"});
    const std::set<std::string> database = {"sa", "shi", "su", "se", "so", "ta"};
    for (const FlashDeckEntry& entry : deck) {
        for (const std::string& answer : Distracters(entry))
            EXPECT_TRUE(database.contains(answer));
    }
}

TEST_F(FlashSlotFillerTest, KanjiDeckOfFiveSuppliesTheDistracters) {
    for (const char* on : {"ka", "ki", "ku", "ke", "ko"})
        DrillKanji(AddKanji({on}));
    SetDatabaseKanji({"sa", "shi", "su"});
    const std::set<std::string> drilled = {"ki", "ku", "ke", "ko"};
    for (const std::string& answer : Distracters(deck.front())) {
        EXPECT_TRUE(drilled.contains(answer)) << answer;
    }
}

TEST_F(FlashSlotFillerTest, NoSlotRepeatsAnotherOrTheCardsOwnAnswers) {
    DrillKanji(AddKanji({"KA", "ki"}));
    // Spellings of one answer: the card's own, Kunrei for Hepburn, a doubled o for "ou".
    for (const char* on : {"ka", "KI", "kou", "koo", "shi", "si", "su", "se"}) {
        DrillKanji(AddKanji({on}));
    }
    CFlashSlotFiller filler(document, abbreviations, deck);
    for (int i = 0; i < kRepeats; ++i) {
        const FlashSlots slots = filler.Fill(deck.front(), 0);
        std::set<std::string> shown;
        for (int slot = 1; slot <= 4; ++slot) {
            std::string answer = slots.slots[slot - 1].answer;
            if (answer == "si") answer = "shi";
            if (answer == "koo") answer = "kou";
            EXPECT_TRUE(shown.insert(answer).second) << "repeated " << answer;
            if (slot != slots.correct) {
                EXPECT_NE(answer, "ka");
                EXPECT_NE(answer, "ki");
            }
        }
        EXPECT_TRUE(slots.slots[slots.correct - 1].answer == "ka" ||
                    slots.slots[slots.correct - 1].answer == "ki");
    }
}

TEST_F(FlashSlotFillerTest, NoDataWhenNoSourceCanSupplyADistracter) {
    DrillKanji(AddKanji({"ka"}));
    CFlashSlotFiller filler(document, abbreviations, deck);
    const FlashSlots slots = filler.Fill(deck.front(), 0);
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(slots.slots[slot - 1].answer,
                  slot == slots.correct ? "ka" : CFlashSlotFiller::kNoData);
    }
}

TEST_F(FlashSlotFillerTest, AKanjiWithoutReadingsIsAnsweredKi) {
    auto card = std::make_unique<CKanjiCard>();
    card->groupName = "G";
    DrillKanji(document.Cards().AddCard(std::move(card)));
    CFlashSlotFiller filler(document, abbreviations, deck);
    const FlashSlots slots = filler.Fill(deck.front(), 0);
    EXPECT_EQ(slots.slots[slots.correct - 1].answer, "ki");
}

TEST_F(FlashSlotFillerTest, ReadingsShowAsKanaOnlyOutsideRomajiModeAndForWrittenWords) {
    DrillKanji(AddKanji({"ka"}));
    CFlashSlotFiller filler(document, abbreviations, deck);
    document.SetRomajiMode(0);
    FlashSlots slots = filler.Fill(deck.front(), 0);
    EXPECT_TRUE(slots.showKana);
    EXPECT_EQ(slots.slots[slots.correct - 1].kana, "\x83\x4a");  // カ: ON readings in katakana

    document.SetRomajiMode(1);
    EXPECT_FALSE(filler.Fill(deck.front(), 0).showKana);

    document.SetRomajiMode(0);
    document.Options().flash.desiredAnswer = 1;
    slots = filler.Fill(deck.front(), 0);
    EXPECT_FALSE(slots.showKana);
    EXPECT_EQ(slots.slots[slots.correct - 1].answer, "meaning");

    document.Options().flash.desiredAnswer = 0;
    auto word = std::make_unique<CKanaWord>();
    word->groupName = "G";
    word->romaji = "neko";
    FlashDeckEntry kanaEntry;
    kanaEntry.kind = FlashKind::kKanaWord;
    kanaEntry.kanaWord = &document.Cards().AddCard(std::move(word));
    slots = filler.Fill(kanaEntry, 0);
    EXPECT_FALSE(slots.showKana);
    EXPECT_EQ(slots.slots[slots.correct - 1].answer, "neko");
}

// Compound cards of the document: the question 学生 and words of 1 to 5 characters.
class FlashCompoundSlotTest : public FlashSlotFillerTest {
protected:
    FlashCompoundSlotTest() {
        document.Options().flash.distracterSource = 1;
        AddCompound("\x88\xea", "ichi");                                    // 一
        AddCompound("\x93\xfa\x96\x7b", "nihon");                           // 日本
        AddCompound("\x90\xe6\x90\xb6", "sensei");                          // 先生
        AddCompound("\x8e\x4f\x93\xfa\x8c\x8e", "mikka");                   // 三日月
        AddCompound("\x88\xea\x93\xf1\x8e\x4f\x93\xfa", "yonmoji");         // 一二三日
        AddCompound("\x88\xea\x93\xf1\x8e\x4f\x93\xfa\x8c\x8e", "gomoji");  // 一二三日月
        AddCompound("\x8e\xe8\x8e\x86", "tegami");                          // 手紙
    }
};

TEST_F(FlashCompoundSlotTest, ShortQuestionsTakeCandidatesOfAboutTheirSize) {
    const FlashDeckEntry question = CompoundEntry(AddCompound("\x8a\x77\x90\xb6", "gakusei"));
    for (const std::string& answer : Distracters(question)) {
        EXPECT_TRUE(answer != "yonmoji" && answer != "gomoji") << answer;
    }
}

TEST_F(FlashCompoundSlotTest, LongQuestionsTakeCandidatesOfThreeOrMore) {
    // 一二三日月火
    const FlashDeckEntry question =
        CompoundEntry(AddCompound("\x88\xea\x93\xf1\x8e\x4f\x93\xfa\x8c\x8e\x89\xce", "rokumoji"));
    // The draws are bounded, so a slot may stay without a candidate.
    const std::set<std::string> longWords = {"mikka", "yonmoji", "gomoji",
                                             CFlashSlotFiller::kNoData};
    for (const std::string& answer : Distracters(question)) {
        EXPECT_TRUE(longWords.contains(answer)) << answer;
    }
}

TEST_F(FlashCompoundSlotTest, AfterASmallTsuCandidatesBeginWithTheDoubledConsonant) {
    // かっ手: the kanji part must read t..., shown after the leading "kat"
    const FlashDeckEntry question = CompoundEntry(AddCompound("\x82\xa9\x82\xc1\x8e\xe8", "katte"));
    ASSERT_EQ(question.split.kanaInitial, "t");
    for (const std::string& answer : Distracters(question)) {
        EXPECT_TRUE(answer == "kattegami" || answer == CFlashSlotFiller::kNoData) << answer;
    }
}

TEST_F(FlashCompoundSlotTest, QuestionKanaAreShownAroundEveryCandidate) {
    // 送る: candidates are read as their kanji part + "ru"
    const FlashDeckEntry question = CompoundEntry(AddCompound("\x91\x97\x82\xe9", "okuru"));
    const std::set<std::string> shown = {"ichiru", "nihonru", "senseiru", "tegamiru"};
    for (const std::string& answer : Distracters(question)) {
        EXPECT_TRUE(shown.contains(answer)) << answer;
    }
}

// The kana comes from the stored romaji, so showing it in the OU style changes no kana.
TEST_F(FlashCompoundSlotTest, RomajiAnswersFollowTheLongODisplayAndKeepTheirKana) {
    AddCompound("\x91\xe5\x96\xd8", "ooki");  // 大木
    document.SetLongOMode(1);
    const FlashDeckEntry question = CompoundEntry(AddCompound("\x8a\x77\x90\xb6", "gakusei"));
    CFlashSlotFiller filler(document, abbreviations, deck);
    std::set<std::string> shown;
    for (int i = 0; i < kRepeats; ++i) {
        for (const FlashSlot& slot : filler.Fill(question, 0).slots) {
            EXPECT_EQ(slot.answer.find("oo"), std::string::npos) << slot.answer;
            if (slot.answer == "ouki") {
                EXPECT_EQ(slot.kana, "\x82\xa8\x82\xa4\x82\xab");  // おうき, as "ooki" reads
            }
            shown.insert(slot.answer);
        }
    }
    EXPECT_TRUE(shown.contains("ouki"));  // 大木, stored "ooki"
}

TEST_F(FlashSlotFillerTest, CompoundsWithoutEnoughSourcesGetNoData) {
    const FlashDeckEntry question = CompoundEntry(AddCompound("\x8a\x77\x90\xb6", "gakusei"));
    for (const std::string& answer : Distracters(question)) {
        EXPECT_EQ(answer, CFlashSlotFiller::kNoData);
    }
}

// The kanji 日 drilled while the deck holds 日本, the document also 本日 and a word whose
// bytes hold 日 across two characters, and the database two further words.
class FlashRandomCompoundTest : public FlashSlotFillerTest {
protected:
    FlashRandomCompoundTest() {
        DrillKanji(AddKanji({"nichi"}));
        deck.front().kanji->character = "\x93\xfa";
        deck.push_back(CompoundEntry(AddCompound("\x93\xfa\x96\x7b", "nihon")));
        AddCompound("\x96\x7b\x93\xfa", "honjitsu");
        AddCompound("\x88\x93\xfa\x96", "offset");
        SetDatabaseCompounds({{"\x93\xfa\x8c\x8e", "nichigetsu", "sun and moon/(P)/"},
                              {"\x8c\x8e\x93\xfa", "tsukihi", "time"}});
    }
    std::set<std::string> Chosen() {
        std::set<std::string> readings;
        CFlashSlotFiller filler(document, abbreviations, deck);
        for (int i = 0; i < kRepeats; ++i) {
            FlashDeckEntry entry = deck.front();
            if (filler.ChooseRandomCompound(entry)) readings.insert(entry.randomCompoundReading);
        }
        return readings;
    }
};

TEST_F(FlashRandomCompoundTest, TheDeckIsDrawnFirst) {
    EXPECT_EQ(Chosen(), (std::set<std::string>{"nihon"}));
}

TEST_F(FlashRandomCompoundTest, TheDocumentAndTheDatabaseFollowBySource) {
    document.Options().flash.compoundSource = 1;
    EXPECT_EQ(Chosen(), (std::set<std::string>{"nihon", "honjitsu"}));
    document.Options().flash.compoundSource = 2;
    EXPECT_EQ(Chosen(), (std::set<std::string>{"nichigetsu", "tsukihi"}));
}

TEST_F(FlashRandomCompoundTest, CommonWordsOnlyKeepsMarkedEdictWords) {
    SetDatabaseCompounds({{"\x93\xfa\x8c\x8e", "nichigetsu", "sun and moon/(P)/"},
                          {"\x8c\x8e\x93\xfa", "tsukihi", "time"}},
                         "EDICT demo");
    document.Options().flash.compoundSource = 2;
    EXPECT_EQ(Chosen(), (std::set<std::string>{"nichigetsu"}));
    SetDatabaseCompounds({{"\x8c\x8e\x93\xfa", "tsukihi", "time"}}, "EDICT demo");
    EXPECT_TRUE(Chosen().empty());
}

TEST_F(FlashRandomCompoundTest, TheChoiceIsKeptAndQuizzedAsACompound) {
    CFlashSlotFiller filler(document, abbreviations, deck);
    FlashDeckEntry& entry = deck.front();
    ASSERT_TRUE(filler.ChooseRandomCompound(entry));
    document.Options().flash.compoundSource = 2;
    ASSERT_TRUE(filler.ChooseRandomCompound(entry));
    EXPECT_EQ(entry.randomCompound, "\x93\xfa\x96\x7b");
    const FlashSlots slots = filler.Fill(entry, 0);
    EXPECT_EQ(slots.slots[slots.correct - 1].answer, "nihon");
}

TEST_F(FlashSlotFillerTest, CounterDistractersKeepTheQuestionsNumber) {
    document.Options().flash.counterForms = 0;
    document.Options().flash.distracterSource = 1;
    std::vector<CCounterCard*> counters;
    for (const char* romaji : {"hon", "mai", "satsu (zatsu)", "ko", "hiki", "nin"}) {
        auto card = std::make_unique<CCounterCard>();
        card->groupName = "G";
        card->romaji = romaji;
        counters.push_back(&document.Cards().AddCard(std::move(card)));
    }
    FlashDeckEntry entry;
    entry.kind = FlashKind::kCounter;
    entry.counter = counters.front();
    entry.counterNumber = "3";
    entry.counterReading = "sanbon";
    for (const std::string& answer : Distracters(entry)) {
        EXPECT_TRUE(answer.starts_with("san") || answer.starts_with("mi")) << answer;
        EXPECT_EQ(answer.find('('), std::string::npos) << answer;
        EXPECT_NE(answer, "sanbon");
    }
}

}  // namespace
}  // namespace brushly
