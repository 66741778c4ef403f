// brushly-tool export and import: their options and mistakes, a document's groups written to
// one file, to a file per group and to standard output, and read back into another document,
// with a dry run that changes nothing and rows that become no card listed by line.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "Commands.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/ExchangeTestCards.h"
#include "support/SmallKanjiDatabase.h"
#include "tools/ToolOutput.h"

namespace brushly::tool {
namespace {

using testing::CToolOutput;
using testing::Printed;
using testing::UsageFailure;
using Names = std::vector<std::string>;

// A document of an empty group ("空") and one group of every card kind ("表 Hyou"), with the
// small kanji database beside it.
class ExchangeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        m_directory.Write("MasterDB.kdb",
                          testing::KanjiLibraryBytes(*testing::MakeSmallKanjiLibrary()));
        CBrushly2Doc document(m_settings, m_prompter);
        testing::AddEscapingCards(document.Cards(), sjis::FromUtf8("表 Hyou"));
        document.Cards().AddGroup(sjis::FromUtf8("空"));
        ASSERT_TRUE(document.SaveAs(m_document));
    }

    static CToolOutput Export(Names arguments) {
        arguments.insert(arguments.begin(), "export");
        return testing::RunCommand(std::span(&kExportCommand, 1), arguments);
    }
    CToolOutput Import(Names arguments) {
        arguments.insert(arguments.begin(), "import");
        arguments.insert(arguments.end(), {"--data", m_directory.Path().string()});
        return testing::RunCommand(std::span(&kImportCommand, 1), arguments);
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    testing::CTempDirectory m_directory;
    const std::string m_document = m_directory.File("cards.bly");
};

TEST_F(ExchangeCommands, UsageErrorsExitWithTwoAndTheUsage) {
    EXPECT_EQ(Export({"--help"}).out, std::string(kExportCommand.usage));
    EXPECT_EQ(Export({m_document}), UsageFailure(kExportCommand, "missing --out"));
    EXPECT_EQ(Export({"cards.txt", "--out", "x"}),
              UsageFailure(kExportCommand, "the document must be a .bly file: cards.txt"));
    EXPECT_EQ(Export({m_document, "--format", "csv", "--out", "x"}),
              UsageFailure(kExportCommand, "--format takes tsv or srs, not 'csv'"));
    EXPECT_EQ(Import({m_document}),
              UsageFailure(kImportCommand, "give the document and the file: DOC.bly FILE"));
    EXPECT_EQ(Import({"a.tsv", "b.tsv"}),
              UsageFailure(kImportCommand, "the document must be a .bly file: a.tsv"));
}

TEST_F(ExchangeCommands, ExportWritesOneFileAFilePerGroupOrStandardOutput) {
    const std::string file = m_directory.File("out.tsv");
    EXPECT_EQ(Export({m_document, "--out", file}),
              Printed("Exported 4 flashcards in 2 Word Groups to " + file + "\n"));
    const std::string table = testing::CTempDirectory::Read(file);
    EXPECT_EQ(table.substr(0, table.find('\t')), "kind");

    const CToolOutput notes =
        Export({m_document, "--group", "表 Hyou", "--format", "srs", "--out", "-"});
    EXPECT_EQ(notes.out.substr(0, 45), "#separator:tab\n#html:false\n#tags column:3\n表");

    const std::string folder = m_directory.Path().string();
    EXPECT_EQ(Export({m_document, "--out", folder}),
              Printed(folder + "/空.tsv\n" + folder + "/表 Hyou.tsv\nExported 4 flashcards in 2 " +
                      "Word Groups to 2 files in " + folder + "\n"));
    EXPECT_EQ(
        Export({m_document, "--group", "none", "--out", file}),
        (CToolOutput{1, "", "brushly-tool export: the document has no Word Group named 'none'\n"}));
    const std::string badFolder = m_directory.File("missing/out.tsv");
    EXPECT_EQ(Export({m_document, "--out", badFolder}),
              (CToolOutput{1, "",
                           "brushly-tool export: Cannot write " + badFolder +
                               ": No such file or directory\n"}));
}

TEST_F(ExchangeCommands, ImportAddsTheGroupsUnderFreeNamesAndSaves) {
    const std::string file = m_directory.File("out.tsv");
    ASSERT_EQ(Export({m_document, "--out", file}).status, 0);
    const CToolOutput dryRun = Import({m_document, file, "--dry-run"});
    EXPECT_EQ(dryRun, Printed(file +
                              ": UTF-8, Brushly table, 5 rows\n"
                              "空_1: 0 cards (named 空 in the file)\n"
                              "表 Hyou_1: 4 cards (named 表 Hyou in the file)\n"
                              "Would import 4 flashcards in 2 Word Groups; 0 rows not "
                              "imported (dry run: " +
                              m_document + " unchanged)\n"));
    EXPECT_EQ(Import({m_document, file, "--group-prefix", "N5 "}).status, 0);
    CBrushly2Doc document(m_settings, m_prompter);
    ASSERT_TRUE(document.Open(m_document));
    EXPECT_EQ(document.Cards().GroupNames(),
              (Names{"N5 " + sjis::FromUtf8("空"), "N5 " + sjis::FromUtf8("表 Hyou"),
                     sjis::FromUtf8("空"), sjis::FromUtf8("表 Hyou")}));
    EXPECT_EQ(document.Cards().FindGroup("N5 " + sjis::FromUtf8("表 Hyou"))->cardCount, 4);
}

TEST_F(ExchangeCommands, ImportListsTheRowsItCouldNotUse) {
    const std::string file = m_directory.Write(
        "words.csv", "Expression,Reading,Meaning\n一,,\n食べ物,,food\n水,みず,water\n");
    const std::string newDocument = m_directory.File("new.bly");
    EXPECT_EQ(Import({newDocument, file}),
              Printed(file +
                      ": UTF-8, comma-separated, 3 rows\n"
                      "words: 2 cards\n"
                      "line 3: no romaji, and no reading in kana to make it from\n"
                      "Imported 2 flashcards in 1 Word Group; 1 row not imported. Wrote " +
                      newDocument + "\n"));
    const std::string empty = m_directory.Write("empty.csv", "Expression,Meaning\n");
    EXPECT_EQ(Import({newDocument, empty}),
              (CToolOutput{1, empty + ": UTF-8, comma-separated, 0 rows\n",
                           "brushly-tool import: no flashcards were found in " + empty + "\n"}));
    EXPECT_EQ(
        Import({newDocument, m_directory.Path().string()}),
        (CToolOutput{1, "",
                     "brushly-tool import: " + m_directory.Path().string() + " is not a file.\n"}));
}

}  // namespace
}  // namespace brushly::tool
