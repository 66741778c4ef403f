// brushly-tool build-groups: its options and their mistakes, the groups it prints and saves
// into a new or an existing document over data the test writes, its failures, and groups
// built over the generated data.
#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "Commands.h"
#include "dictionary/DictionaryFiles.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/CTempDirectory.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"
#include "tools/ToolOutput.h"

namespace brushly::tool {
namespace {

using testing::CTestKanji;
using testing::CTestWord;
using testing::CToolOutput;
using testing::Printed;
using Names = std::vector<std::string>;

std::string K(int n) {
    return testing::LevelOneKanji(n);
}

CToolOutput BuildGroups(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "build-groups");
    return testing::RunCommand(std::span(&kBuildGroupsCommand, 1), arguments);
}

// 亜 唖 娃 阿 哀 愛 (kanji 0 to 5): Heisig 1 to 6, grades 1, 1, 8, 8, 2, 2, JLPT kyuu 4 for
// the first four; four common compounds, an uncommon one and one with kana.
class BuildGroupsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        const CTestKanji kanji[] = {
            {.number = 0, .heisig = 1, .grade = 1}, {.number = 1, .heisig = 2, .grade = 1},
            {.number = 2, .heisig = 3, .grade = 8}, {.number = 3, .heisig = 4, .grade = 8},
            {.number = 4, .heisig = 5, .grade = 2}, {.number = 5, .heisig = 6, .grade = 2}};
        m_directory.Write("MasterDB.kdb",
                          testing::KanjiLibraryBytes(*testing::MakeTestKanjiLibrary(kanji)));
        m_directory.Write("blyjlptsjis.txt", "4\r\n" + K(0) + K(1) + K(2) + K(3) + "\r\n");
        const std::string no = sjis::FromUtf8("の");
        const CTestWord words[] = {
            {K(0) + K(1), "ab", "(n) ab/(P)"}, {K(2) + K(3), "cd", "(n) cd/(P)"},
            {K(0) + K(2), "ac", "(n) ac/(P)"}, {K(1) + K(3), "bd", "(n) bd"},
            {K(3) + no, "dno", "(n) dno/(P)"}, {K(4) + K(0), "ea", "(n) ea/(P)"}};
        CScriptedPrompter prompter;
        ASSERT_TRUE(testing::MakeTestCompoundLibrary("EDICT test", words)
                        ->Save(m_directory.File(std::string(kEdictCompoundFileName)), prompter));
    }

    CToolOutput Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--data", m_directory.Path().string()});
        return BuildGroups(arguments);
    }

    // The groups of the saved document, each named in UTF-8 with its kanji and its
    // compounds' headwords.
    std::vector<Names> Saved() const {
        CMemorySettingsStore settings;
        CScriptedPrompter prompter;
        CBrushly2Doc document(settings, prompter);
        EXPECT_TRUE(document.Open(m_document));
        std::vector<Names> groups;
        for (const std::string& name : document.Cards().GroupNames()) {
            const CWordGroup& group = *document.Cards().FindGroup(name);
            Names cards = {sjis::ToUtf8(name)};
            for (const Names& texts :
                 {testing::Texts(group.kanjiCards, &CKanjiCard::character),
                  testing::Texts(group.compoundCards, &CKanjiCompound::headword)}) {
                cards.insert(cards.end(), texts.begin(), texts.end());
            }
            groups.push_back(cards);
        }
        return groups;
    }

    testing::CTempDirectory m_directory;
    const std::string m_document = m_directory.File("words.bly");
};

TEST_F(BuildGroupsCommand, UsageErrorsExitWithTwoAndTheUsage) {
    EXPECT_EQ(BuildGroups({"--help"}), Printed(std::string(kBuildGroupsCommand.usage)));
    const Names heisig = {"--source", "heisig", "--first", "1", "--last", "4", "--per-group", "2"};
    const auto with = [&heisig](Names arguments) {
        arguments.insert(arguments.begin(), heisig.begin(), heisig.end());
        return arguments;
    };
    const std::pair<Names, std::string> cases[] = {
        {heisig, "missing DOC.bly"},
        {with({"a.bly", "b.bly"}), "exactly one DOC.bly expected"},
        {with({"words.txt"}), "the document must be a .bly file: words.txt"},
        {{"w.bly", "--first", "1", "--per-group", "2"}, "missing --source"},
        {{"w.bly", "--source", "kanken", "--first", "1", "--per-group", "2"},
         "--source is grade, jlpt or a reference book: unknown reference 'kanken'; the "
         "references are hadamitzkySpahn (Hadam../Spahn), halpernKld (Halpern (KLD)), "
         "halpernNjecd (Halpern (NJECD)), heisig (Heisig), henshall (Henshall), kodansha "
         "(Kodansha), nelsonOriginal (Nelson (Original)), nelsonNew (Nelson (New)), oNeill "
         "(O'Neill), sakade (Sakade)"},
        {{"w.bly", "--source", "grade", "--per-group", "2"}, "missing --first"},
        {{"w.bly", "--source", "grade", "--first", "9", "--per-group", "2"},
         "--first must be a whole number from 1 to 8, not '9'"},
        {{"w.bly", "--source", "jlpt", "--first", "5", "--per-group", "2"},
         "--first must be a whole number from 1 to 4, not '5'"},
        {{"w.bly", "--source", "heisig", "--first", "1", "--per-group", "2"}, "missing --last"},
        {{"w.bly", "--source", "heisig", "--first", "3", "--last", "2", "--per-group", "2"},
         "--last must be a whole number from 3 to 99999, not '2'"},
        {{"w.bly", "--source", "grade", "--first", "1", "--last", "2", "--per-group", "2"},
         "--last goes with a reference book"},
        {{"w.bly", "--source", "jlpt", "--first", "4"}, "missing --per-group"},
        {with({"w.bly", "--per-group", "31"}),
         "--per-group must be a whole number from 1 to 30, not '31'"},
        {{"w.bly", "--source", "JLPT", "--first", "4", "--per-group", "2", "--numbering", "index"},
         "--numbering index goes with a reference book"},
        {with({"w.bly", "--numbering", "roman"}),
         "--numbering must be number or index, not 'roman'"},
        {with({"w.bly", "--root", ""}), "--root needs a name"},
        {with({"w.bly", "--compounds", "3"}), "--compounds must be 0, 1, 2 or none, not '3'"},
        {with({"w.bly", "--compounds", "2"}),
         "--compounds 2 needs kanji before the first group: a --first above 1, or a JLPT kyuu "
         "below 4"},
        {{"w.bly", "--source", "jlpt", "--first", "4", "--per-group", "2", "--compounds", "2"},
         "--compounds 2 needs kanji before the first group: a --first above 1, or a JLPT kyuu "
         "below 4"},
        {with({"w.bly", "--compounds", "none", "--include-kana", "on"}),
         "--include-kana cannot go with --compounds none"},
        {with({"w.bly", "--common-only", "yes"}), "--common-only must be on or off, not 'yes'"},
    };
    for (const auto& [arguments, message] : cases)
        EXPECT_EQ(Run(arguments), testing::UsageFailure(kBuildGroupsCommand, message));
    EXPECT_FALSE(std::filesystem::exists(m_directory.File("w.bly")));
}

TEST_F(BuildGroupsCommand, AMissingDocumentIsCreatedWithOnlyTheNewGroups) {
    EXPECT_EQ(
        Run({m_document, "--source", "Heisig", "--first", "1", "--last", "4", "--per-group", "2"}),
        Printed("Heisig #1: 2 kanji, 1 compound\n"
                "Heisig #2: 2 kanji, 2 compounds\n"
                "Wrote " +
                m_document + ": 2 new Word Groups, 2 in all\n"));
    EXPECT_EQ(Saved(), (std::vector<Names>{{"Heisig #1", K(0), K(1), K(0) + K(1)},
                                           {"Heisig #2", K(2), K(3), K(0) + K(2), K(2) + K(3)}}));
}

TEST_F(BuildGroupsCommand, AnExistingDocumentGainsGroupsUnderFreeNames) {
    const Names heisig = {m_document, "--source", "heisig",      "--first", "1",
                          "--last",   "2",        "--per-group", "2"};
    ASSERT_EQ(Run(heisig).status, 0);
    EXPECT_EQ(Run(heisig), Printed("Heisig_1 #1: 2 kanji, 1 compound\n"
                                   "Saved " +
                                   m_document + ": 1 new Word Group, 2 in all\n"));
    EXPECT_EQ(Run({m_document, "--source", "nelsonnew", "--first", "1", "--last", "9",
                   "--per-group", "5", "--numbering", "index", "--root", "字"}),
              (CToolOutput{1, "",
                           "brushly-tool build-groups: the database has no kanji of Nelson (New) "
                           "numbers 1 to 9\n"}));
    EXPECT_EQ(Run({m_document, "--source", "hadamitzkyspahn", "--first", "1", "--last", "9",
                   "--per-group", "5", "--compounds", "none"}),
              (CToolOutput{1, "",
                           "brushly-tool build-groups: the database has no kanji of Hadam. & "
                           "Spahn numbers 1 to 9\n"}));
    EXPECT_EQ(Run({m_document, "--source", "heisig", "--first", "3", "--last", "9", "--per-group",
                   "3", "--numbering", "index", "--root", "漢字", "--compounds", "2",
                   "--include-kana", "on", "--common-only", "off"}),
              Printed("漢字 #0003 - #0005: 3 kanji, 5 compounds\n"
                      "漢字 #0006 - #0006: 1 kanji, 0 compounds\n"
                      "Saved " +
                      m_document + ": 2 new Word Groups, 4 in all\n"));
    EXPECT_EQ(Saved()[2], (Names{"漢字 #0003 - #0005", K(2), K(3), K(4), K(0) + K(2), K(1) + K(3),
                                 K(2) + K(3), K(3) + sjis::FromUtf8("の"), K(4) + K(0)}));
}

TEST_F(BuildGroupsCommand, GradesAndLevelsNameTheirGroups) {
    EXPECT_EQ(Run({m_document, "--source", "grade", "--first", "7", "--per-group", "1",
                   "--compounds", "1"}),
              Printed("Grade Level 8 #1: 1 kanji, 0 compounds\n"
                      "Grade Level 8 #2: 1 kanji, 0 compounds\n"
                      "Wrote " +
                      m_document + ": 2 new Word Groups, 2 in all\n"));
    EXPECT_EQ(Run({m_document, "--source", "jlpt", "--first", "4", "--per-group", "4", "--root",
                   "N5", "--include-kana", "on"}),
              Printed("N5 4 #1: 4 kanji, 4 compounds\n"
                      "Saved " +
                      m_document + ": 1 new Word Group, 3 in all\n"));
}

TEST_F(BuildGroupsCommand, CompoundsNeedTheEdictLibraryAndAReadableDocument) {
    std::filesystem::remove(m_directory.File(std::string(kEdictCompoundFileName)));
    CScriptedPrompter prompter;
    ASSERT_TRUE(testing::MakeTestCompoundLibrary("Brushly demo", {})
                    ->Save(m_directory.File(std::string(kDemoCompoundFileName)), prompter));
    const Names heisig = {m_document, "--source", "heisig",      "--first", "1",
                          "--last",   "2",        "--per-group", "2"};
    EXPECT_EQ(Run(heisig),
              (CToolOutput{1, "",
                           "brushly-tool build-groups: no EDICT-built compound library in " +
                               m_directory.Path().string() +
                               " (brushly-tool import-edict writes it); --compounds none builds "
                               "kanji cards only\n"}));
    EXPECT_FALSE(std::filesystem::exists(m_document));
    Names kanjiOnly = heisig;
    kanjiOnly.insert(kanjiOnly.end(), {"--compounds", "none"});
    EXPECT_EQ(Run(kanjiOnly).status, 0);
    EXPECT_EQ(Saved(), (std::vector<Names>{{"Heisig #1", K(0), K(1)}}));

    const std::string garbage = m_directory.Write("garbage.bly", "not a document");
    kanjiOnly.front() = garbage;
    EXPECT_EQ(Run(kanjiOnly).status, 1);
    EXPECT_EQ(testing::CTempDirectory::Read(garbage), "not a document");
}

TEST(BuildGroupsCommandRealData, HeisigGroupsByIndexNumbersWithTheirCompounds) {
    const std::filesystem::path directory = testing::RealDataDirectory();
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(directory / "MasterDB.kdb") &&
                                  std::filesystem::exists(directory / kEdictCompoundFileName),
                              "kanji database and EDICT compound library");
    testing::CTempDirectory temporary;
    const std::string path = temporary.File("heisig.bly");
    const CToolOutput output =
        BuildGroups({path, "--source", "heisig", "--first", "1", "--last", "100", "--per-group",
                     "20", "--numbering", "index", "--data", directory.string()});
    ASSERT_EQ(output.status, 0) << output.err;
    // Heisig's first hundred kanji are all in the database, so the groups fill evenly, and
    // each group's kanji write some common words.
    Names lines;
    for (std::size_t at = 0; at < output.out.size(); at = output.out.find('\n', at) + 1)
        lines.push_back(output.out.substr(at, output.out.find('\n', at) - at));
    ASSERT_EQ(lines.size(), 6u) << output.out;
    const char* const names[] = {"#0001 - #0020", "#0021 - #0040", "#0041 - #0060", "#0061 - #0080",
                                 "#0081 - #0100"};
    for (std::size_t group = 0; group < std::size(names); ++group) {
        const std::string start = "Heisig " + std::string(names[group]) + ": 20 kanji, ";
        EXPECT_TRUE(lines[group].starts_with(start)) << lines[group];
        EXPECT_TRUE(lines[group].ends_with(" compounds")) << lines[group];
        EXPECT_FALSE(lines[group].ends_with(" 0 compounds")) << lines[group];
    }
    EXPECT_EQ(lines.back(), "Wrote " + path + ": 5 new Word Groups, 5 in all");
}

}  // namespace
}  // namespace brushly::tool
