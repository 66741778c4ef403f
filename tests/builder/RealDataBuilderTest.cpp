// The wizard's generation over the generated kanji database and the EDICT-built compound
// library: the JLPT kyuu 4 kanji in groups of 20, with their compounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "builder/BuilderSources.h"
#include "builder/CFlashcardBuilder.h"
#include "dictionary/DictionaryFiles.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/RealData.h"

namespace brushly {
namespace {

struct CRealLibraries {
    CKanjiLibrary kanji;
    CCompoundLibrary compounds;
};

// Loaded once for the suite; null when the data has not been generated.
const CRealLibraries* RealLibraries() {
    static const std::unique_ptr<CRealLibraries> libraries = [] {
        const std::filesystem::path directory = testing::RealDataDirectory();
        const std::filesystem::path jlptList = directory / "blyjlptsjis.txt";
        const std::filesystem::path compounds = directory / kEdictCompoundFileName;
        auto loaded = std::make_unique<CRealLibraries>();
        CScriptedPrompter prompter;
        if (!std::filesystem::exists(jlptList) || !std::filesystem::exists(compounds) ||
            !loaded->kanji.Load((directory / "MasterDB.kdb").string(), prompter) ||
            !loaded->compounds.Load(compounds.string(), false, prompter)) {
            return std::unique_ptr<CRealLibraries>();
        }
        loaded->kanji.LoadJlptList(jlptList.string(), prompter);
        return loaded;
    }();
    return libraries.get();
}

class RealDataBuilder : public ::testing::TestWithParam<bool> {};

TEST_P(RealDataBuilder, JlptKyuuFourGroupsHoldItsKanjiAndCompoundsWrittenWithThem) {
    const CRealLibraries* libraries = RealLibraries();
    BRUSHLY_REQUIRE_REAL_DATA(libraries, "kanji database, JLPT list and EDICT compound library");
    ASSERT_TRUE(libraries->compounds.IsEdictBuilt());
    const bool includeKana = GetParam();

    CBuilderSettings settings;
    settings.source = kKeyJlpt;
    settings.rootName = "JLPT Kyuu";
    settings.firstIndex = "4";
    settings.includeKana = includeKana;
    UpdateCounts(libraries->kanji, settings);
    ASSERT_GT(settings.groupCount, 1);
    ASSERT_LT(settings.groupCount, 10);  // the list's kyuu 4 holds about a hundred kanji

    CMemorySettingsStore store;
    CScriptedPrompter prompter;
    CBrushly2Doc document(store, prompter, 1u);
    const std::vector<CBuiltGroup> built =
        *CFlashcardBuilder(libraries->kanji, &libraries->compounds).Build(document, settings, {});
    ASSERT_EQ(static_cast<int>(built.size()), settings.groupCount);
    EXPECT_EQ(built.front().name, "JLPT Kyuu 4 #1");
    EXPECT_EQ(built.back().name, "JLPT Kyuu 4 #" + std::to_string(settings.groupCount));

    // Each kanji card is linked to a kyuu 4 record of its character; each kanji once.
    std::map<std::string, std::size_t> groupOfKanji;
    int kanjiCards = 0;
    for (std::size_t group = 0; group < built.size(); ++group) {
        for (const CKanjiCard* card : document.Cards().FindGroup(built[group].name)->kanjiCards) {
            const CKanjiData& record = *libraries->kanji.KanjiGroup(
                card->dbGroup)[static_cast<std::size_t>(card->dbIndex)];
            EXPECT_EQ(record.character, card->character);
            EXPECT_EQ(record.jlptLevel, 4) << sjis::ToUtf8(card->character);
            EXPECT_EQ(card->readings.size(), record.readings.size());
            EXPECT_TRUE(groupOfKanji.emplace(card->character, group).second);
            ++kanjiCards;
        }
    }
    EXPECT_EQ(kanjiCards, settings.cardCount);

    // Each compound is common and written with the new groups' kanji (and kana when
    // included), the latest of them in its own group.
    int compounds = 0;
    int withKana = 0;
    for (std::size_t group = 0; group < built.size(); ++group) {
        const CWordGroup& wordGroup = *document.Cards().FindGroup(built[group].name);
        EXPECT_EQ(static_cast<int>(wordGroup.compoundCards.size()), built[group].compoundCards);
        for (const CKanjiCompound* card : wordGroup.compoundCards) {
            const std::string& text = card->headword;
            EXPECT_NE(card->meaning.find("/(P)"), std::string::npos);
            ASSERT_EQ(text.size() % 2, 0u) << sjis::ToUtf8(text);
            std::size_t latest = 0;
            bool kana = false;
            for (std::size_t at = 0; at < text.size(); at += 2) {
                const auto found = groupOfKanji.find(text.substr(at, 2));
                if (found != groupOfKanji.end()) {
                    latest = std::max(latest, found->second);
                    continue;
                }
                const auto lead = static_cast<unsigned char>(text[at]);
                EXPECT_TRUE(includeKana && (lead == 0x82 || lead == 0x83)) << sjis::ToUtf8(text);
                kana = true;
            }
            EXPECT_EQ(latest, group) << sjis::ToUtf8(text);
            withKana += kana ? 1 : 0;
            ++compounds;
        }
    }
    EXPECT_GT(compounds, 100);
    EXPECT_EQ(withKana > 0, includeKana);
}

INSTANTIATE_TEST_SUITE_P(KanaOrNot, RealDataBuilder, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "IncludeKana" : "KanjiOnly";
                         });

}  // namespace
}  // namespace brushly
