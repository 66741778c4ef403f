#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Commands.h"
#include "archive/CDiskFile.h"
#include "document/CBrushly1Doc.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::tool {
namespace {

class DocCommand : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
    }

    int Run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const int status = RunTool(std::span(&kDocCommand, 1), arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    std::string Data() const { return m_directory.Path().string(); }

    // A document with two groups: "Animals" with one card of each kind, and "Empty".
    std::string WriteDocument() {
        CMemorySettingsStore settings;
        CScriptedPrompter prompter;
        CBrushly2Doc document(settings, prompter, 1);
        CFlashcardSet& cards = document.Cards();
        cards.AddGroup("Empty");
        cards.AddGroup("Animals");

        auto kanji = std::make_unique<CKanjiCard>();
        kanji->groupName = "Animals";
        kanji->character = "\x8b\x8d";  // 牛
        kanji->readings.push_back(std::make_unique<CKanjiReading>());
        kanji->readings[0]->onReadings = {"GYUU"};
        kanji->readings[0]->kunReadings = {"ushi"};
        kanji->readings[0]->meanings = {"cow", "ox"};
        kanji->rightCount = 7;
        kanji->wrongCount = 3;
        cards.AddCard(std::move(kanji));

        auto compound = std::make_unique<CKanjiCompound>();
        compound->groupName = "Animals";
        compound->headword = "\x8e\x71\x8b\x8d";  // 子牛
        compound->romaji = "koushi";
        compound->meaning = "calf";
        cards.AddCard(std::move(compound));

        auto word = std::make_unique<CKanaWord>();
        word->groupName = "Animals";
        word->kana = "\x82\xa2\x82\xca";  // いぬ
        word->romaji = "inu";
        word->meaning = "dog";
        word->active = 0;
        cards.AddCard(std::move(word));

        auto counter = std::make_unique<CCounterCard>();
        counter->groupName = "Animals";
        counter->character = "\x93\xaa";  // 頭
        counter->romaji = "tou";
        counter->meaning = "large animals";
        counter->wrongCount = 1;
        cards.AddCard(std::move(counter));

        const std::string path = m_directory.File("animals.bly");
        EXPECT_TRUE(document.SaveAs(path));
        return path;
    }

    testing::CTempDirectory m_directory;
    std::string m_out, m_err;
};

TEST_F(DocCommand, PrintsTheGroupsWithTheirCountsAndEveryCard) {
    const std::string path = WriteDocument();
    ASSERT_EQ(Run({"doc", path}), 0) << m_err;
    EXPECT_EQ(m_out,
              "Version: 3\nDatabase: \nWord Groups: 2\n"
              "Animals: 4 cards (kanji 1, compounds 1, kana words 1, counters 1)\n"
              "Empty: 0 cards (kanji 0, compounds 0, kana words 0, counters 0)\n");

    ASSERT_EQ(Run({"doc", "--cards", path}), 0) << m_err;
    EXPECT_EQ(m_out,
              "Version: 3\nDatabase: \nWord Groups: 2\n"
              "Animals: 4 cards (kanji 1, compounds 1, kana words 1, counters 1)\n"
              "  kanji | 牛 | GYUU, ushi | cow, ox | right 7, wrong 3 | active\n"
              "  compound | 子牛 | koushi | calf | right 0, wrong 0 | active\n"
              "  kana word | いぬ | inu | dog | right 0, wrong 0 | inactive\n"
              "  counter | 頭 | tou | large animals | right 0, wrong 1 | active\n"
              "Empty: 0 cards (kanji 0, compounds 0, kana words 0, counters 0)\n");
}

TEST_F(DocCommand, NamesTheLoadedDatabaseWhenTheDocumentWasMadeAgainstAnother) {
    const std::string path = WriteDocument();
    ASSERT_EQ(Run({"doc", path, "--data", Data()}), 0) << m_err;
    EXPECT_EQ(m_out.rfind("Version: 3\nDatabase:  (the loaded database is T)\n", 0), 0u) << m_out;
}

TEST_F(DocCommand, AVersionOneFileIsConvertedOnTheWay) {
    CBrushly1Doc version1;
    version1.title = "old";
    auto kanji = std::make_unique<CKanjiCard>();
    kanji->groupName = "Old";
    kanji->character = "\x8b\x8d";
    kanji->compounds.push_back(std::make_unique<CKanjiCompound>());
    kanji->compounds.back()->headword = "\x8e\x71\x8b\x8d";
    kanji->compounds.back()->active = 0;
    version1.kanjiCards.push_back(std::move(kanji));
    version1.groupNames = {"Old"};
    const std::string path = m_directory.File("old.bly");
    {
        CDiskFile file(path, CDiskFile::Mode::Create);
        version1.Write(file);
        file.Commit();
    }

    ASSERT_EQ(Run({"doc", path, "--cards"}), 0) << m_err;
    EXPECT_NE(m_err.find("Brushly will now convert from 1.0 to 2.0 file format."),
              std::string::npos)
        << m_err;
    EXPECT_EQ(m_out,
              "Version: 3\nDatabase: \nWord Groups: 1\n"
              "Old: 2 cards (kanji 1, compounds 1, kana words 0, counters 0)\n"
              "  kanji | 牛 |  |  | right 0, wrong 0 | active\n"
              "  compound | 子牛 |  |  | right 0, wrong 0 | active\n");
}

TEST_F(DocCommand, NewWritesTheSampleGroups) {
    const std::string path = m_directory.File("new.bly");
    ASSERT_EQ(Run({"doc", "--new", path, "--data", Data()}), 0) << m_err;
    EXPECT_EQ(m_out.rfind("Wrote " + path + ": 8 Word Groups, ", 0), 0u) << m_out;
    ASSERT_TRUE(std::filesystem::exists(path));

    ASSERT_EQ(Run({"doc", path}), 0) << m_err;
    EXPECT_NE(m_out.find("Database: T\nWord Groups: 8\n"), std::string::npos) << m_out;
    EXPECT_NE(m_out.find("\nAnimals: "), std::string::npos);
    EXPECT_NE(m_out.find("\nKanji Grade 2 (#31-40): "), std::string::npos);
}

TEST_F(DocCommand, BadInputFailsClearly) {
    EXPECT_EQ(Run({"doc"}), 2);
    EXPECT_NE(m_err.find("brushly-tool doc: missing FILE"), std::string::npos) << m_err;
    EXPECT_EQ(Run({"doc", "a.bly", "b.bly"}), 2);
    EXPECT_EQ(Run({"doc", "--new", m_directory.File("x.bly"), "a.bly"}), 2);
    EXPECT_EQ(Run({"doc", "--new", m_directory.File("x.bly"), "--cards"}), 2);
    EXPECT_EQ(Run({"doc", "--new", m_directory.File("x.txt"), "--data", Data()}), 2);
    EXPECT_NE(m_err.find("the new document must be a .bly file"), std::string::npos) << m_err;

    EXPECT_EQ(Run({"doc", m_directory.File("notes.txt")}), 1);
    EXPECT_NE(m_err.find("You can only Open a Brushly file (.bly)."), std::string::npos) << m_err;
    EXPECT_EQ(Run({"doc", m_directory.File("absent.bly")}), 1);
    EXPECT_NE(m_err.find("Cannot open the file"), std::string::npos) << m_err;
    EXPECT_EQ(Run({"doc", "--new", m_directory.File("x.bly"), "--data", m_directory.File("no")}),
              1);
    EXPECT_FALSE(std::filesystem::exists(m_directory.File("x.bly")));
}

}  // namespace
}  // namespace brushly::tool
