#include "practice/FlashCardData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lookup/RomajiKana.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"
#include "practice/VerbConjugation.h"

namespace brushly {
namespace {

const std::string kKaku = "\x8f\x91";   // 書
const std::string kGatsu = "\x8c\x8e";  // 月

// A document whose kanji database holds 書 (group 10, index 0): grade 8, JLPT 2, Heisig
// 347 and Henshall 131.
class FlashCardDataTest : public ::testing::Test {
protected:
    FlashCardDataTest() {
        auto library = std::make_unique<CKanjiLibrary>();
        auto record = std::make_unique<CKanjiData>();
        record->character = kKaku;
        record->grade = 8;
        record->jlptLevel = 2;
        record->heisig = 347;
        record->henshall = 131;
        library->AddKanji(10, std::move(record));
        document.SetKanjiLibrary(std::move(library));

        card.character = kKaku;
        card.dbGroup = 10;
        card.dbIndex = 0;
        card.rightCount = 3;
        card.wrongCount = 1;
        card.comments = "stroke order!";
        auto reading = std::make_unique<CKanjiReading>();
        reading->onReadings = {"SHO"};
        reading->kunReadings = {"ka(ku)"};
        reading->meanings = {"write"};
        card.readings.push_back(std::move(reading));
        entry.kanji = &card;
    }

    // The entry becomes the compound card, or the kana word card.
    void Show(CKanjiCompound& compound) {
        entry = FlashDeckEntry{};
        entry.kind = FlashKind::kCompound;
        entry.compound = &compound;
    }
    void Show(CKanaWord& word) {
        entry = FlashDeckEntry{};
        entry.kind = FlashKind::kKanaWord;
        entry.kanaWord = &word;
    }

    std::vector<FlashDataPanel> Panels() {
        return BuildFlashCardData(entry, document, abbreviations);
    }

    const FlashDataPanel* Find(const std::vector<FlashDataPanel>& panels, FlashPanelKind kind) {
        for (const FlashDataPanel& panel : panels) {
            if (panel.kind == kind) return &panel;
        }
        return nullptr;
    }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document{settings, prompter, 11};
    CAbbreviationList abbreviations;
    CKanjiCard card;
    FlashDeckEntry entry;
};

TEST_F(FlashCardDataTest, KanjiPanelsInOrderWithReferenceAndRecognition) {
    const auto panels = Panels();
    ASSERT_EQ(panels.size(), 5u);
    EXPECT_EQ(panels[0].heading, "Readings (ON,Kun: meaning)");
    EXPECT_EQ(panels[0].lines.at(0).text, "SHO, ka(ku) : write");

    const FlashDataPanel& reference = panels[1];
    EXPECT_EQ(reference.heading, "Reference Information");
    ASSERT_EQ(reference.lines.size(), 11u);
    EXPECT_EQ(reference.lines[0].text, "Grade 7+ / JLPT Kyuu 2");
    EXPECT_EQ(reference.lines[1].text, "Hadamitzy & Spahn:");
    EXPECT_EQ(reference.lines[4].text, "Heisig:");
    EXPECT_EQ(reference.lines[4].value, "347");
    EXPECT_EQ(reference.lines[10].text, "Sakade:");

    EXPECT_EQ(panels[2].lines.at(0).text, "75 %  (3 / 4)");
    EXPECT_EQ(panels[3].heading, "Comments:");
    EXPECT_EQ(panels[4].kind, FlashPanelKind::kVerbForms);

    document.Options().flash.showReferenceIndices = 0;
    document.Options().flash.showComments = 0;
    document.Options().flash.showInflectedVerbs = 0;
    EXPECT_EQ(Panels().size(), 2u);
}

TEST_F(FlashCardDataTest, KanaModeShowsReadingsInKana) {
    document.SetRomajiMode(0);
    const auto panels = Panels();
    EXPECT_EQ(panels[0].lines.at(0).text, RomajiToKana("SHO", false, false) + "," +
                                              RomajiToKana("ka(ku)", false, false) + " : write");
}

TEST_F(FlashCardDataTest, VerbTableFollowsTheOptions) {
    auto panels = Panels();
    const FlashDataPanel* verbs = Find(panels, FlashPanelKind::kVerbForms);
    ASSERT_NE(verbs, nullptr);
    EXPECT_EQ(verbs->heading + verbs->headingFormal + verbs->headingTail,
              "Verb Forms (informal / formal) /-u");
    EXPECT_EQ(verbs->lines.at(0).text, "active reading: ka(ku)");
    EXPECT_EQ(verbs->columns, (std::vector<std::string>{"AFFIRMATIVE", "NEGATIVE"}));
    EXPECT_EQ(verbs->tableWidth, 530);
    EXPECT_EQ(static_cast<int>(verbs->lines.size()),
              1 + VerbTableRowCount(document.Options().flash));
    const FlashDataLine& first = verbs->lines.at(1);
    EXPECT_EQ(first.text, "Indicative");
    ASSERT_EQ(first.cells.size(), 2u);
    EXPECT_EQ(first.cells[0].kanji + first.cells[0].kana, kKaku + RomajiToKana("ku", false, false));
    EXPECT_EQ(first.cells[1].kana, RomajiToKana("kanai", false, false));
    EXPECT_TRUE(verbs->lines.at(3).formal);

    document.Options().flash.verbAffirmative = 0;
    panels = Panels();
    verbs = Find(panels, FlashPanelKind::kVerbForms);
    ASSERT_NE(verbs, nullptr);
    EXPECT_EQ(verbs->columns, (std::vector<std::string>{"NEGATIVE"}));
    EXPECT_EQ(verbs->tableWidth, 350);
}

TEST_F(FlashCardDataTest, NameCounterOrdinalsAndOnlyOneReading) {
    CCounterCard month;
    month.character = kGatsu;
    month.romaji = "gatsu";
    month.meaning = "month";
    month.counterType = CCounterCard::kName;
    const std::vector<std::string> numbers{"1",  "2",  "3",  "4",  "11", "12",
                                           "13", "21", "22", "23", "111"};
    const std::vector<std::string> ordinals{"1st",  "2nd",  "3rd",  "4th",  "11th", "12th",
                                            "13th", "21st", "22nd", "23rd", "111th"};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(CounterEnglish(month, numbers[i]), ordinals[i] + " month");

    month.formNumbers = {"11"};
    month.formRomaji = {"juuichigatsu"};
    entry = MakeCounterEntry(month, 0, nullptr);
    document.Options().flash.counterForms = 0;
    EXPECT_EQ(Panels().at(0).lines.at(0).text, "juuichigatsu - 11th month");
    document.Options().flash.counterForms = 1;
    EXPECT_EQ(Panels().at(0).lines.at(0).text, "gatsu - month");
}

TEST_F(FlashCardDataTest, CompoundMeaningStrippedAndLongLinesCut) {
    abbreviations.Append("n\nvs\n");
    document.SetLongOMode(1);
    CKanjiCompound compound;
    compound.romaji = "gakkoo";
    compound.meaning = "(n,vs) school/(P)";
    Show(compound);
    auto panels = Panels();
    EXPECT_EQ(panels.at(0).lines.at(0).text, "gakkou");
    EXPECT_EQ(panels.at(1).heading, "Meaning");
    EXPECT_EQ(panels.at(1).lines.at(0).text, "school");

    compound.meaning = std::string(80, 'w');
    const std::string cut = Panels().at(1).lines.at(0).text;
    EXPECT_EQ(cut.size(), kMaxDataLineBytes);
    EXPECT_TRUE(cut.ends_with(".."));
}

TEST_F(FlashCardDataTest, KanaModeShowsAWordsReadingInKana) {
    CKanjiCompound compound;
    compound.romaji = "gakkoo";
    compound.meaning = "school";
    Show(compound);
    document.SetRomajiMode(0);
    EXPECT_EQ(Panels().at(0).lines.at(0).text, sjis::FromUtf8("がっこう"));
    document.SetRomajiMode(1);
    EXPECT_EQ(Panels().at(0).lines.at(0).text, "gakkoo");

    CKanaWord word;
    word.kana = sjis::FromUtf8("ライオン");
    word.romaji = "RAION";
    word.meaning = "lion";
    Show(word);
    document.SetRomajiMode(0);
    EXPECT_EQ(Panels().at(0).lines.at(0).text, word.kana);
    document.SetRomajiMode(1);
    EXPECT_EQ(Panels().at(0).lines.at(0).text, "RAION");
}

}  // namespace
}  // namespace brushly
