#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "archive/CMemFile.h"
#include "document/DocumentClasses.h"
#include "document/Version1Conversion.h"
#include "platform/CScriptedPrompter.h"
#include "support/CTempDirectory.h"

namespace brushly {
namespace {

std::unique_ptr<CKanjiCompound> Compound(const std::string& headword, const std::string& group,
                                         std::int32_t active) {
    auto compound = std::make_unique<CKanjiCompound>();
    compound->headword = headword;
    compound->romaji = headword + "-romaji";
    compound->groupName = group;
    compound->rightCount = 4;
    compound->wrongCount = 1;
    compound->active = active;
    return compound;
}

// A version-1 document whose kanji card holds three compounds, the middle one inactive and
// the first filed under another group than the kanji card.
CBrushly1Doc MakeVersion1() {
    CBrushly1Doc version1;
    version1.title = "Old title";
    version1.options.flash.quizMode = 2;
    version1.options.draw.demoSpeed = 150;

    auto kanji = std::make_unique<CKanjiCard>();
    kanji->groupName = "Animals";
    kanji->character = "\x8b\x8d";  // 牛
    kanji->rightCount = 7;
    kanji->wrongCount = 3;
    kanji->dbGroup = 4;
    kanji->dbIndex = 12;
    kanji->active = 0;
    kanji->compounds.push_back(Compound("first", "Other", 1));
    kanji->compounds.push_back(Compound("second", "Animals", 0));
    kanji->compounds.push_back(Compound("third", "", 1));
    version1.kanjiCards.push_back(std::move(kanji));

    auto word = std::make_unique<CKanaWord>();
    word->groupName = "Animals";
    word->kana = "\x82\xa2\x82\xca";  // いぬ
    word->romaji = "inu";
    word->wrongCount = 2;
    version1.kanaWordCards.push_back(std::move(word));

    auto counter = std::make_unique<CCounterCard>();
    counter->groupName = "Counters";
    counter->character = "\x96\x7b";  // 本
    counter->formRomaji = {"ippon"};
    counter->formNumbers = {"1"};
    version1.counterCards.push_back(std::move(counter));

    for (const char* romaji : {"a", "i"}) {
        auto stats = std::make_unique<CKanaStats>();
        stats->romaji = romaji;
        stats->rightCount = 5;
        version1.hiraganaStats.push_back(std::move(stats));
    }
    version1.katakanaStats.push_back(std::make_unique<CKanaStats>());
    version1.katakanaStats.back()->romaji = "A";
    version1.groupNames = {"Animals", "Counters"};
    version1.extraNames = {"not taken over"};
    return version1;
}

std::string Version1Bytes(CBrushly1Doc version1) {
    CMemFile file;
    version1.Write(file);
    return file.Bytes();
}

class Version1Conversion : public ::testing::Test {
protected:
    Version1Conversion() { RegisterDocumentClasses(m_registry); }

    bool Convert(const std::string& path) {
        return ConvertVersion1File(path, m_registry, m_prompter, m_target);
    }

    CClassRegistry m_registry;
    CScriptedPrompter m_prompter;
    testing::CTempDirectory m_directory;
    CFlashcardSet m_cards;
    std::vector<std::unique_ptr<CKanaStats>> m_hiragana, m_katakana;
    CBrushlyOptions m_options;
    std::int32_t m_fileVersion = 2;
    std::string m_databaseTitle = "a title";
    CVersion1Target m_target{m_cards,   m_hiragana,    m_katakana,
                             m_options, m_fileVersion, m_databaseTitle};
};

TEST_F(Version1Conversion, AnEmptyDocumentIsHeaderTitleOptionsAndSevenEmptyCollections) {
    const std::string bytes = Version1Bytes(CBrushly1Doc{});
    ASSERT_EQ(bytes.size(), 4 + 6 + 1 + CBrushlyOptions::kStoredBytes + 7 * 2);
    EXPECT_EQ(bytes.substr(0, 15), std::string("\x01\x00\x00\x00\xff\xfe\xff\xff\xfe\xff"
                                               "\x00\x02\x00\x00\x00",
                                               15));
    EXPECT_EQ(bytes.substr(bytes.size() - 14), std::string(14, '\0'));
}

TEST_F(Version1Conversion, AFileWithoutTheVersionMarkConvertsNothing) {
    std::string bytes = Version1Bytes(MakeVersion1());
    bytes[5] = '\x00';
    EXPECT_FALSE(Convert(m_directory.Write("other.bly", bytes)));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"The file is not in the expected format."});
    EXPECT_TRUE(m_cards.KanjiCards().empty());
    EXPECT_EQ(m_fileVersion, 3);
}

TEST_F(Version1Conversion, CompoundsLeaveTheirKanjiCardInOrderInItsGroupAndActive) {
    m_options.flash.quizMode = 1;
    ASSERT_TRUE(Convert(m_directory.Write("old.bly", Version1Bytes(MakeVersion1()))));
    EXPECT_TRUE(m_prompter.Texts().empty());

    const auto& compounds = m_cards.CompoundCards();
    ASSERT_EQ(compounds.size(), 3u);
    EXPECT_EQ(compounds[0]->headword, "first");
    EXPECT_EQ(compounds[1]->headword, "second");
    EXPECT_EQ(compounds[2]->headword, "third");
    for (const auto& compound : compounds) {
        EXPECT_EQ(compound->groupName, "Animals");
        EXPECT_EQ(compound->active, 1);
        EXPECT_EQ(compound->rightCount, 4);
        EXPECT_EQ(compound->wrongCount, 1);
    }
    EXPECT_EQ(compounds[1]->romaji, "second-romaji");

    ASSERT_EQ(m_cards.KanjiCards().size(), 1u);
    const CKanjiCard& kanji = *m_cards.KanjiCards()[0];
    EXPECT_TRUE(kanji.compounds.empty());
    EXPECT_EQ(kanji.character, "\x8b\x8d");
    EXPECT_EQ(kanji.rightCount, 7);
    EXPECT_EQ(kanji.wrongCount, 3);
    EXPECT_EQ(kanji.dbGroup, 4);
    EXPECT_EQ(kanji.dbIndex, 12);
    EXPECT_EQ(kanji.active, 0);

    ASSERT_EQ(m_cards.KanaWordCards().size(), 1u);
    EXPECT_EQ(m_cards.KanaWordCards()[0]->wrongCount, 2);
    ASSERT_EQ(m_cards.CounterCards().size(), 1u);
    EXPECT_EQ(m_cards.CounterCards()[0]->formRomaji, std::vector<std::string>{"ippon"});
    ASSERT_EQ(m_hiragana.size(), 2u);
    EXPECT_EQ(m_hiragana[1]->romaji, "i");
    EXPECT_EQ(m_hiragana[1]->rightCount, 5);
    ASSERT_EQ(m_katakana.size(), 1u);
    EXPECT_EQ(m_cards.GroupNames(), (std::vector<std::string>{"Animals", "Counters"}));

    EXPECT_EQ(m_options, CBrushlyOptions{});
    EXPECT_EQ(m_fileVersion, 3);
    EXPECT_EQ(m_databaseTitle, "");

    m_cards.Rebuild();
    const CWordGroup* animals = m_cards.FindGroup("Animals");
    ASSERT_NE(animals, nullptr);
    EXPECT_EQ(animals->cardCount, 5);
    EXPECT_EQ(animals->compoundCards.size(), 3u);
}

TEST_F(Version1Conversion, ATruncatedFileConvertsWhatWasReadAndReportsOnce) {
    const std::string bytes = Version1Bytes(MakeVersion1());
    CBrushly1Doc withoutCounters = MakeVersion1();
    withoutCounters.counterCards.clear();
    withoutCounters.hiraganaStats.clear();
    withoutCounters.katakanaStats.clear();
    withoutCounters.groupNames.clear();
    withoutCounters.extraNames.clear();
    // That file ends with five empty collections (2 bytes each) after the kana words; cut
    // the full file 20 bytes into the counter card that follows its array's count.
    const std::size_t counterArray = Version1Bytes(std::move(withoutCounters)).size() - 5 * 2;
    const std::size_t cut = counterArray + 2 + 20;

    EXPECT_FALSE(Convert(m_directory.Write("cut.bly", bytes.substr(0, cut))));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"An attempt was made to read past the end of the file."});
    EXPECT_EQ(m_cards.KanjiCards().size(), 1u);
    EXPECT_EQ(m_cards.CompoundCards().size(), 3u);
    EXPECT_EQ(m_cards.KanaWordCards().size(), 1u);
    EXPECT_TRUE(m_cards.CounterCards().empty());
    EXPECT_TRUE(m_cards.GroupNames().empty());
    EXPECT_EQ(m_options, CBrushlyOptions{});
    EXPECT_EQ(m_fileVersion, 3);
    EXPECT_EQ(m_databaseTitle, "");
}

TEST_F(Version1Conversion, AMissingFileIsReportedAndLeavesADefaultEmptyDocument) {
    m_options.draw.rawInput = 1;
    EXPECT_FALSE(Convert(m_directory.File("absent.bly")));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts()[0].rfind("Cannot open the file", 0), 0u) << m_prompter.Texts()[0];
    EXPECT_TRUE(m_cards.KanjiCards().empty());
    EXPECT_EQ(m_options, CBrushlyOptions{});
    EXPECT_EQ(m_fileVersion, 3);
    EXPECT_EQ(m_databaseTitle, "");
}

// The document fuzzer starts from this file, so that mutations reach the conversion.
TEST_F(Version1Conversion, AConvertibleVersionOneFileIsWrittenAsTheDocumentFuzzersSeed) {
    const std::string bytes = Version1Bytes(MakeVersion1());
    ASSERT_TRUE(Convert(m_directory.Write("seed.bly", bytes)));
    const std::filesystem::path directory = BRUSHLY_FUZZ_SEED_DIR;
    std::filesystem::create_directories(directory);
    std::ofstream(directory / "version1.bly", std::ios::binary) << bytes;
}

}  // namespace
}  // namespace brushly
