// The Word Group view's compound builder: its two refusals, the other groups it offers, the
// two scopes, erasing the group's compounds first and never adding one twice.
#include "builder/CSingleGroupBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/CScriptedCancellation.h"

namespace brushly {
namespace {

using testing::CTestWord;
using Names = std::vector<std::string>;

std::string K(int n) {
    return testing::LevelOneKanji(n);
}

CTestWord Common(const std::string& headword, const std::string& romaji) {
    return {headword, romaji, "(n) " + romaji + "/(P)"};
}

// "Mine" holds kanji 0 and 1 (0 twice) and the compound 0-1; "Other" kanji 2; "Words" a
// compound only; "Zeta" kanji 3.
class SingleGroupBuilder : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Mine", "Other", "Words", "Zeta"})
            ASSERT_TRUE(m_document.Cards().AddGroup(name));
        AddKanji("Mine", 0);
        AddKanji("Mine", 1);
        AddKanji("Mine", 0);
        AddKanji("Other", 2);
        AddKanji("Zeta", 3);
        AddCompound("Mine", {K(0) + K(1), "ab", "(n) my own meaning"});
        AddCompound("Words", Common(K(0) + K(2), "ac"));
        m_document.SetModified(false);
    }

    void AddKanji(const std::string& group, int n) {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = group;
        card->character = K(n);
        m_document.Cards().AddCard(std::move(card));
    }

    void AddCompound(const std::string& group, const CTestWord& word) {
        CCompoundData entry;
        entry.headword = word.headword;
        entry.romaji = word.romaji;
        entry.meaning = word.meaning;
        auto card = std::make_unique<CKanjiCompound>(entry);
        card->groupName = group;
        m_document.Cards().AddCard(std::move(card));
    }

    int Build(const CBuilderSettings& settings, const Names& selected = {},
              std::vector<int>* progress = nullptr) {
        return BuildOrStop(settings, selected, nullptr, progress).value_or(-1);
    }
    std::optional<int> BuildOrStop(const CBuilderSettings& settings, const Names& selected,
                                   CCancellation* cancel, std::vector<int>* progress = nullptr) {
        CSingleGroupBuilder builder(m_document, m_compounds.get(), "Mine", m_prompter);
        EXPECT_TRUE(builder.CanBuild());
        return builder.Build(
            settings, selected,
            [progress](int position) {
                if (progress) progress->push_back(position);
            },
            cancel);
    }

    Names Headwords(const std::string& group) const {
        return testing::Texts(m_document.Cards().FindGroup(group)->compoundCards,
                              &CKanjiCompound::headword);
    }

    const std::string m_no = sjis::FromUtf8("の");
    const std::vector<CTestWord> m_words = {Common(K(0) + K(1), "ab"), Common(K(1) + K(2), "bc"),
                                            Common(K(3) + K(0), "da"), Common(K(1) + m_no, "bno"),
                                            Common(K(2) + K(2), "cc"), Common(K(1) + K(1), "bb")};
    std::unique_ptr<CCompoundLibrary> m_compounds =
        testing::MakeTestCompoundLibrary("EDICT test", m_words);
    CMemorySettingsStore m_store;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document{m_store, m_prompter, 1u};
};

TEST_F(SingleGroupBuilder, RefusedWithoutEdictOrWithoutKanjiCards) {
    const auto demo = testing::MakeTestCompoundLibrary("Brushly Compound Database", m_words);
    EXPECT_FALSE(CSingleGroupBuilder(m_document, nullptr, "Mine", m_prompter).CanBuild());
    EXPECT_FALSE(CSingleGroupBuilder(m_document, demo.get(), "Mine", m_prompter).CanBuild());
    // The EDICT refusal comes first.
    EXPECT_FALSE(CSingleGroupBuilder(m_document, demo.get(), "Words", m_prompter).CanBuild());
    EXPECT_FALSE(
        CSingleGroupBuilder(m_document, m_compounds.get(), "Words", m_prompter).CanBuild());
    EXPECT_FALSE(
        CSingleGroupBuilder(m_document, m_compounds.get(), "Missing", m_prompter).CanBuild());
    const std::string noEdict =
        "To add compound flashcards to this Word Group, install the EDICT file (see EDICT in "
        "help)";
    const std::string noKanji =
        "You must first add some kanji flashcards to this Word Group before using the "
        "Flashcard Builder to create corresponding compound flashcards from the EDICT file.";
    EXPECT_EQ(m_prompter.Texts(), (Names{noEdict, noEdict, noEdict, noKanji, noKanji}));
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(1)}));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(SingleGroupBuilder, OffersTheOtherGroupsThatHoldKanji) {
    EXPECT_EQ(
        CSingleGroupBuilder(m_document, m_compounds.get(), "Mine", m_prompter).OtherKanjiGroups(),
        (Names{"Other", "Zeta"}));
    EXPECT_EQ(
        CSingleGroupBuilder(m_document, m_compounds.get(), "Words", m_prompter).OtherKanjiGroups(),
        (Names{"Mine", "Other", "Zeta"}));
}

TEST_F(SingleGroupBuilder, AddsTheGroupsOwnCompoundsOnlyOnce) {
    CBuilderSettings settings;
    std::vector<int> progress;
    EXPECT_EQ(Build(settings, {"Other"}, &progress), 1);  // the first scope ignores the list
    // The card already there keeps its meaning; 1-1 is new.
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(1), K(1) + K(1)}));
    EXPECT_EQ(m_document.Cards().FindGroup("Mine")->compoundCards.front()->meaning,
              "(n) my own meaning");
    EXPECT_EQ(progress.size(), 6u);
    EXPECT_EQ(progress.back(), 10000);
    EXPECT_TRUE(m_document.IsModified());

    m_document.SetModified(false);
    EXPECT_EQ(Build(settings), 0);
    EXPECT_FALSE(m_document.IsModified());
    settings.includeKana = true;
    EXPECT_EQ(Build(settings), 1);
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(1), K(1) + K(1), K(1) + m_no}));
    EXPECT_EQ(m_document.Cards().CompoundCards().size(), 4u);
}

TEST_F(SingleGroupBuilder, TheSecondScopeAdmitsTheSelectedGroupsKanji) {
    CBuilderSettings settings;
    settings.singleGroupScope = CBuilderSettings::kScopeSelectedGroups;
    // 1-2 may now be written; 3-0 needs Zeta and 2-2 has no kanji of Mine.
    EXPECT_EQ(Build(settings, {"Other", "Missing"}), 2);
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(1), K(1) + K(2), K(1) + K(1)}));
    EXPECT_EQ(Build(settings, {"Zeta", "Other"}), 1);
    EXPECT_EQ(Headwords("Mine").back(), K(3) + K(0));
}

TEST_F(SingleGroupBuilder, EraseExistingReplacesTheGroupsCompounds) {
    CBuilderSettings settings;
    settings.eraseExisting = true;
    EXPECT_EQ(Build(settings), 2);
    EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(1), K(1) + K(1)}));
    // The old card has gone from the document; the new one carries the entry's meaning.
    EXPECT_EQ(m_document.Cards().CompoundCards().size(), 3u);
    EXPECT_EQ(m_document.Cards().FindGroup("Mine")->compoundCards.front()->meaning, "(n) ab/(P)");
    EXPECT_EQ(m_document.Cards().FindGroup("Mine")->cardCount, 5);
    EXPECT_EQ(Headwords("Words"), (Names{K(0) + K(2)}));
}

// Erasing waits for the choice: a Cancel during it leaves the group's own card in place.
TEST_F(SingleGroupBuilder, CancelLeavesTheGroupAsItWasEvenWhenErasing) {
    CBuilderSettings settings;
    settings.eraseExisting = true;
    for (const int stopAt : {1, 6}) {
        SCOPED_TRACE(stopAt);
        testing::CScriptedCancellation cancel(stopAt);
        EXPECT_EQ(BuildOrStop(settings, {}, &cancel), std::nullopt);
        EXPECT_EQ(cancel.questions, stopAt);
        EXPECT_TRUE(cancel.allowances.empty());
        EXPECT_EQ(Headwords("Mine"), (Names{K(0) + K(1)}));
        EXPECT_EQ(m_document.Cards().FindGroup("Mine")->compoundCards.front()->meaning,
                  "(n) my own meaning");
        EXPECT_EQ(m_document.Cards().CompoundCards().size(), 2u);
        EXPECT_FALSE(m_document.IsModified());
    }
    testing::CScriptedCancellation never(0);
    EXPECT_EQ(BuildOrStop(settings, {}, &never), 2);
    EXPECT_EQ(never.allowances, std::vector<bool>{false});
}

}  // namespace
}  // namespace brushly
