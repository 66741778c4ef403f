#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Commands.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::tool {
namespace {

class KanjiCommand : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
        m_directory.Write("blyjlptsjis.txt", "4\r\n\x88\xea\r\n");
    }

    int Run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const int status = RunTool(std::span(&kKanjiCommand, 1), arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    testing::CTempDirectory m_directory;
    std::string m_out, m_err;
};

TEST_F(KanjiCommand, PrintsTheRecordAsText) {
    ASSERT_EQ(Run({"kanji", "一", "--data", m_directory.Path().string()}), 0) << m_err;
    EXPECT_NE(m_out.find("Character: 一\nGroup: 1  Index: 0\n"), std::string::npos) << m_out;
    EXPECT_NE(m_out.find("JLPT Kyuu / Level: 4\n"), std::string::npos);
    EXPECT_NE(m_out.find("Heisig: 1\n"), std::string::npos);
    EXPECT_NE(m_out.find("Reading group 1: ICHI : one\n"), std::string::npos);
    EXPECT_NE(m_out.find("Strokes: 1 in 1 segments\n  (10,100)-(190,100) type 1 STR new stroke\n"),
              std::string::npos);
}

TEST_F(KanjiCommand, PrintsTheRecordAsJson) {
    ASSERT_EQ(Run({"kanji", "--json", "二", "--data", m_directory.Path().string()}), 0) << m_err;
    EXPECT_EQ(m_out.rfind(R"({"character":"二","group":2,"index":0,"grade":1,"jlptLevel":0,)", 0),
              0u)
        << m_out;
    EXPECT_NE(m_out.find(R"("heisig":2,)"), std::string::npos);
    EXPECT_NE(m_out.find(R"("strokeCount":2,"segments":[{"start":[40,60],"end":[160,60],)"
                         R"("type":1,"typeName":"STR","newStroke":true},)"),
              std::string::npos)
        << m_out;
    EXPECT_EQ(m_out.back(), '\n');
}

TEST_F(KanjiCommand, UnknownCharactersAndMissingDataFailClearly) {
    EXPECT_EQ(Run({"kanji", "食", "--data", m_directory.Path().string()}), 1);
    EXPECT_EQ(m_err, "brushly-tool kanji: '食' is not a kanji of the database\n");

    EXPECT_EQ(Run({"kanji", "一", "--data", m_directory.File("none")}), 1);
    EXPECT_NE(m_err.find("brushly-tool: Cannot open the file"), std::string::npos);
    EXPECT_NE(m_err.find("The correct Brushly Kanji Database could not be loaded."),
              std::string::npos);

    EXPECT_EQ(Run({"kanji", "--data", m_directory.Path().string()}), 2);
    EXPECT_NE(m_err.find("missing CHAR"), std::string::npos);
    EXPECT_EQ(Run({"kanji", "--help"}), 0);
    EXPECT_EQ(m_out.rfind("Usage: brushly-tool kanji CHAR [--data DIR] [--json]\n", 0), 0u);
}

TEST_F(KanjiCommand, AJlptListThatLinksToItselfIsReportedAndTheCommandGoesOn) {
    const std::string list = m_directory.File("blyjlptsjis.txt");
    std::filesystem::remove(list);
    std::filesystem::create_symlink(list, list);
    ASSERT_EQ(Run({"kanji", "一", "--data", m_directory.Path().string()}), 0) << m_err;
    EXPECT_NE(m_out.find("Character: 一\n"), std::string::npos) << m_out;
    EXPECT_NE(m_err.find("Cannot open the file " + list + ": Too many levels of symbolic links."),
              std::string::npos)
        << m_err;
}

}  // namespace
}  // namespace brushly::tool
