#include "practice/CDrawPractice.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "practice/KanaSets.h"
#include "support/PenStrokes.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;
using Result = CDrawPractice::NextResult;
using brushly::testing::DrawStraight;

constexpr const char* kOne = "\x88\xea";   // 一
constexpr const char* kTwo = "\x93\xf1";   // 二
constexpr const char* kBook = "\x96\x7b";  // 本

// The small database (一 and 二 linked as group 1 and 2, index 0) with full kana tables:
// kana record i of either script has romaji "k<i>" and one two-point stroke.
std::unique_ptr<CKanjiLibrary> DrawLibrary() {
    auto library = testing::MakeSmallKanjiLibrary();
    for (int position = 0; position < kKanaTableSize; ++position) {
        CObArray stroke;
        stroke.points = {CKanaPoint(), CKanaPoint()};
        stroke.points[0].x = 20;
        stroke.points[0].y = 20 + position;
        stroke.points[1].x = 180;
        stroke.points[1].y = 20 + position;
        auto katakana = std::make_unique<CKatakanaData>();
        katakana->romaji = "K" + std::to_string(position);
        katakana->strokes = {stroke};
        library->AddKatakana(std::move(katakana));
        if (position == 0) continue;  // the small database's こ stands at position 0
        auto hiragana = std::make_unique<CHiraganaData>();
        hiragana->romaji = "k" + std::to_string(position);
        hiragana->strokes = {stroke};
        library->AddHiragana(std::move(hiragana));
    }
    return library;
}

class DrawPracticeTest : public ::testing::Test {
protected:
    DrawPracticeTest() {
        document.SetKanjiLibrary(DrawLibrary());
        Draw().randomOrder = 0;
    }

    template <class Card>
    Card& Add(const std::string& group, const char* character, int dbGroup) {
        if (document.Cards().FindGroup(group) == nullptr) document.Cards().AddGroup(group);
        auto card = std::make_unique<Card>();
        card->groupName = group;
        card->character = character;
        card->dbGroup = dbGroup;
        card->dbIndex = dbGroup == 0 ? -1 : 0;
        return document.Cards().AddCard(std::move(card));
    }
    CDrawOptions& Draw() { return document.Options().draw; }
    Texts Deck() {
        Texts characters;
        for (int card = 0; card < practice.Size(); ++card, practice.Next()) {
            const DrawDeckEntry& entry = *practice.Current();
            characters.push_back(entry.kana != nullptr    ? entry.kana->romaji
                                 : entry.kanji != nullptr ? entry.kanji->character
                                                          : "counter " + entry.counter->character);
        }
        return characters;
    }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document{settings, prompter, 77};
    CDrawPractice practice{document};
};

TEST_F(DrawPracticeTest, KanjiDeckTakesActiveLinkedCardsGroupByGroupKanjiBeforeCounters) {
    Add<CCounterCard>("A", kBook, 2);
    Add<CKanjiCard>("A", kOne, 1);
    Add<CKanjiCard>("A", kTwo, 0);  // no database record
    Add<CKanjiCard>("A", kTwo, 2).active = 0;
    Add<CKanjiCard>("B", kTwo, 2);
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"B", "Missing", "A"}, {}));
    prompter.ScriptAnswers({false});
    EXPECT_EQ(Deck(), (Texts{kTwo, kOne, std::string("counter ") + kBook}));

    Draw().includeKanji = 0;
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"B", "A"}, {}));
    EXPECT_EQ(practice.Size(), 1);
    Draw().includeKanji = 1;
    Draw().includeCounters = 0;
    EXPECT_FALSE(practice.Start(CDrawPractice::kKanjiMode, {"Missing"}, {}));
    EXPECT_EQ(practice.Current(), nullptr);
}

TEST_F(DrawPracticeTest, KanaDeckFollowsTheGojuuOption) {
    ASSERT_TRUE(practice.Start(CDrawPractice::kHiraganaMode, {}, {}));
    EXPECT_EQ(practice.Size(), kGojuuOnCount);
    EXPECT_EQ(practice.Current()->kind, DrawEntryKind::kHiragana);
    Draw().kanaSet = 1;
    ASSERT_TRUE(practice.Start(CDrawPractice::kKatakanaMode, {}, {}));
    EXPECT_EQ(practice.Size(), kSingleKanaCount);
    EXPECT_EQ(practice.Current()->kind, DrawEntryKind::kKatakana);
    EXPECT_EQ(practice.Header(), "Katakana Draw View:  1 of 71 cards");
    EXPECT_EQ(practice.DemonstrationCaption(), "Katakana Demonstration");
    EXPECT_EQ(practice.HintsButtonText(), "Kana Drawing hints");
    EXPECT_TRUE(practice.UsesKanaBox());
    EXPECT_EQ(practice.KanaMode(), KanaBoxMode::kKatakana);
    ASSERT_NE(practice.CurrentStrokes(), nullptr);
    EXPECT_EQ(practice.CurrentStrokes()->StrokeCount(), 1);
    EXPECT_EQ(practice.CurrentKanaReference().size(), 1u);
}

TEST_F(DrawPracticeTest, NextPastTheLastCardAsksTheFinishedQuestion) {
    Add<CKanjiCard>("A", kOne, 1);
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"}, {}));
    prompter.ScriptAnswers({true, false});
    EXPECT_EQ(practice.Next(), Result::kRestarted);
    EXPECT_EQ(practice.Number(), 1);
    EXPECT_EQ(practice.Next(), Result::kReturn);
    EXPECT_EQ(prompter.Texts(),
              (Texts{CDrawPractice::kFinishedQuestion, CDrawPractice::kFinishedQuestion}));
    EXPECT_EQ(practice.Header(), "Kanji Draw View:  1 of 1 cards");
}

TEST_F(DrawPracticeTest, ShuffleWithoutRandomOrderRestartsInWordGroupOrder) {
    Add<CKanjiCard>("A", kOne, 1);
    Add<CKanjiCard>("A", kTwo, 2);
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"}, {}));
    practice.Next();
    practice.Shuffle();
    EXPECT_EQ(practice.Number(), 1);
    EXPECT_EQ(practice.Current()->kanji->character, kOne);
    practice.Next();
    EXPECT_EQ(practice.Current()->kanji->character, kTwo);
}

TEST_F(DrawPracticeTest, OnlyAShuffleOfMoreThan200CardsShowsTheShufflingBox) {
    Draw().randomOrder = 1;
    for (int card = 0; card < 200; ++card)
        Add<CKanjiCard>("A", kOne, 1);
    std::vector<bool> shown;
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"},
                               [&shown](bool on) { shown.push_back(on); }));
    EXPECT_TRUE(shown.empty());
    Add<CKanjiCard>("A", kOne, 1);
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"},
                               [&shown](bool on) { shown.push_back(on); }));
    practice.Shuffle();
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false}));
}

TEST_F(DrawPracticeTest, ChangedDeckOptionsRebuildOrReturnWithTheMessage) {
    Add<CKanjiCard>("A", kOne, 1);
    Add<CCounterCard>("A", kBook, 2);
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"}, {}));
    const CDrawOptions before = Draw();
    Draw().errorTolerance = 30;
    Draw().kanaSet = 1;  // no matter to a kanji deck
    EXPECT_EQ(practice.OptionsChanged(before), CDrawPractice::OptionsResult::kKept);
    EXPECT_EQ(practice.DrawBoxSettings().tolerance, 30);

    Draw().includeKanji = 0;
    EXPECT_EQ(practice.OptionsChanged(before), CDrawPractice::OptionsResult::kRestarted);
    EXPECT_EQ(practice.Size(), 1);
    EXPECT_EQ(practice.Current()->kind, DrawEntryKind::kCounter);

    Draw().includeCounters = 0;
    EXPECT_EQ(practice.OptionsChanged(before), CDrawPractice::OptionsResult::kReturn);
    EXPECT_EQ(prompter.Texts(), Texts{CDrawPractice::kNoActiveCardsMessage});
}

TEST_F(DrawPracticeTest, CardPanelAndBoxSettingsFollowTheOptions) {
    CKanjiCard& one = Add<CKanjiCard>("A", kOne, 1);
    one.comments = "first\r\nsecond";
    auto reading = std::make_unique<CKanjiReading>();
    reading->onReadings = {"ICHI"};
    reading->meanings = {"one"};
    one.readings.push_back(std::move(reading));
    Draw().feedback = 1;
    Draw().rawInput = 1;
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"}, {}));
    std::vector<std::string> texts;
    for (const DrawPanelLine& line : practice.CardPanel())
        texts.push_back(line.text);
    EXPECT_EQ(texts, (Texts{kOne, "Readings (ON,Kun: meaning)", "ICHI : one", "Comments:", "first",
                            "second"}));
    EXPECT_EQ(practice.DrawBoxSettings().feedbackMode, kFeedbackOnRequest);
    EXPECT_TRUE(practice.UsesKanaBox());
    EXPECT_EQ(practice.KanaMode(), KanaBoxMode::kKanji);
    EXPECT_EQ(practice.CurrentKanaReference().size(), 1u);
    EXPECT_EQ(practice.EmptyCaption(), "Draw Character");
    EXPECT_EQ(practice.DemonstrationCaption(), "Stroke Demonstration");

    // Kana Mode shows the readings in kana.
    document.SetRomajiMode(0);
    EXPECT_EQ(practice.CardPanel().at(2).text, sjis::FromUtf8("イチ : one"));
}

TEST_F(DrawPracticeTest, CounterReadingsInRomajiFollowTheLongODisplay) {
    CCounterCard& counter = Add<CCounterCard>("A", kBook, 2);
    counter.romaji = "koo";
    counter.formNumbers = {"10"};
    counter.formRomaji = {"juukoo"};
    ASSERT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"}, {}));
    EXPECT_EQ(practice.CardPanel().at(3).text, "koo");
    document.SetLongOMode(1);
    const std::vector<DrawPanelLine> panel = practice.CardPanel();
    EXPECT_EQ(panel.at(3).text, "kou");
    EXPECT_TRUE(panel.at(4).text.starts_with("juukou - ")) << panel.at(4).text;
}

// The kanji box the Draw View shows for the first card of group A, asking the practice
// what the writing looks like.
class DrawLookAlikeTest : public DrawPracticeTest {
protected:
    CKanjiDrawBox& StartBox(const char* character, int dbGroup) {
        Add<CKanjiCard>("A", character, dbGroup);
        EXPECT_TRUE(practice.Start(CDrawPractice::kKanjiMode, {"A"}, {}));
        box.SetLookAlikeFinder(
            [this](const CDrawnStrokes& written) { return practice.LookAlike(written); });
        box.SetCharacter(*practice.CurrentStrokes(), practice.DrawBoxSettings());
        return box;
    }
    // 二's strokes as the small database has them, moved down by dy.
    void WriteTwo(int dy = 0) {
        DrawStraight(box, {40, 60 + dy}, {160, 60 + dy});
        DrawStraight(box, {10, 150 + dy}, {190, 150 + dy});
    }

    CKanjiDrawBox box;
};

TEST_F(DrawLookAlikeTest, AnotherKanjiWrittenForTheCardIsNamedOnceFinished) {
    StartBox(kOne, 1);
    const std::string looksLikeTwo = std::string("Incorrect Stroke(s) - looks like ") + kTwo;
    DrawStraight(box, {40, 60}, {160, 60});
    EXPECT_EQ(box.Caption(), looksLikeTwo);
    box.PenDown({10, 150});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    box.PenUp();
    WriteTwo();
    EXPECT_EQ(box.Caption(), looksLikeTwo);
    box.Back();
    EXPECT_EQ(box.Caption(), "");
    DrawStraight(box, {10, 150}, {190, 150});
    EXPECT_EQ(box.LookAlike(), kTwo);
    box.EraseAll();
    EXPECT_EQ(box.LookAlike(), "");
}

TEST_F(DrawLookAlikeTest, NoneForUnfinishedCorrectOrOwnKanjiWriting) {
    StartBox(kTwo, 2);
    DrawStraight(box, {10, 100}, {190, 100});  // 一: one stroke of two
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    box.EraseAll();
    WriteTwo();
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");

    // Too far off for the check, still 二 to the search.
    Draw().errorTolerance = 5;
    box.SetCharacter(*practice.CurrentStrokes(), practice.DrawBoxSettings());
    WriteTwo(15);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    EXPECT_EQ(box.WrittenStrokes().StrokeCount(), 2);
}

TEST_F(DrawLookAlikeTest, NoneWhereTheKanaBoxIsUsed) {
    StartBox(kOne, 1);
    // 二's database strokes, with no paths.
    const CDrawnStrokes two{document.KanjiLibrary()->KanjiGroup(2)[0]->strokes, {{}, {}}};
    EXPECT_EQ(practice.LookAlike(two), kTwo);
    Draw().rawInput = 1;
    EXPECT_EQ(practice.LookAlike(two), "");
    Draw().rawInput = 0;
    ASSERT_TRUE(practice.Start(CDrawPractice::kHiraganaMode, {}, {}));
    EXPECT_EQ(practice.LookAlike(two), "");
}

}  // namespace
}  // namespace brushly
