#include "exchange/CWordGroupExporter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/ExchangeTestCards.h"

namespace brushly {
namespace {

using testing::CTempDirectory;

constexpr const char* kHeader =
    "kind\tjapanese\treading\tromaji\tmeaning\tgroup\tright\twrong\tactive\tcomment\treadings\t"
    "forms\textra 1\textra 2\tcounter type\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

class WordGroupExportTest : public ::testing::Test {
protected:
    WordGroupExportTest() {
        testing::AddEscapingCards(cards, group);
        cards.AddGroup(emptyGroup);
    }
    CFlashcardSet cards;
    const std::string group = sjis::FromUtf8("表 Hyou");
    const std::string emptyGroup = sjis::FromUtf8("空");
};

TEST_F(WordGroupExportTest, TableRowsHoldEveryFieldInTheDocumentedLayout) {
    const std::string text =
        CWordGroupExporter::Export(cards, {group, emptyGroup, "none"}, ExportFormat::kTable);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0] + "\n", kHeader);
    EXPECT_EQ(
        lines[1],
        "kanji\t表\tヒョウ, おもて, あらわ(す)\tHYOU, omote, arawa(su)\tsurface; table, a/b, "
        "x|y, back\\\\slash, 1=2\t表 Hyou\t12\t3\t0\ttab\\there\\nnew line\\\\back slash\t"
        "HYOU/omote;arawa(su)/surface\\\\; table;a\\\\/b;x\\\\|y;back\\\\\\\\slash;1=2|//\t\t\t\t");
    EXPECT_EQ(lines[2],
              "compound\t表現\tひょうげん\thyougen\texpression\\tpresentation\\r\\nrepresentation "
              "\"quoted\"\t表 Hyou\t0\t0\t1\t\t\t\t\t\t");
    EXPECT_EQ(lines[3], "kana\tソ\tソ\tSO\tthe katakana so \\\\\t表 Hyou\t0\t0\t1\t\t\t\t\t\t");
    EXPECT_EQ(
        lines[4],
        "counter\t枚\tまい\tmai\tflat things\t表 Hyou\t0\t0\t1\t\t\t1=ichimai;2\\\\;3=ni\\\\;mai;"
        "4\\\\=5=yon\\\\=mai\\\\\\\\\t一枚\t\tname");
    EXPECT_EQ(lines[5], "group\t\t\t\t\t空\t\t\t\t\t\t\t\t\t");
}

TEST_F(WordGroupExportTest, NotesHaveTheHeaderLinesAndOneNotePerCard) {
    const std::string text =
        CWordGroupExporter::Export(cards, {group, emptyGroup}, ExportFormat::kSpacedRepetition);
    const auto lines = Lines(text);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "#separator:tab");
    EXPECT_EQ(lines[1], "#html:false");
    EXPECT_EQ(lines[2], "#tags column:3");
    EXPECT_EQ(
        lines[3],
        "表\tヒョウ, おもて, あらわ(す) — surface; table, a/b, x|y, back\\slash, 1=2\t表_Hyou");
    // The compound's meaning holds a tab and a line break: the field is quoted, so the note
    // spans two lines of the file.
    EXPECT_EQ(lines[4], "表現\t\"ひょうげん — expression\tpresentation\r");
    EXPECT_EQ(lines[5], "representation \"\"quoted\"\"\"\t表_Hyou");
    EXPECT_EQ(lines[6], "ソ\tソ — the katakana so \\\t表_Hyou");
    EXPECT_EQ(lines[7], "枚\tまい — flat things\t表_Hyou");
    EXPECT_EQ(lines.size(), 8u);  // the empty group has no note
}

TEST(WordGroupExportFilesTest, FileNamesAreSafeAndUnique) {
    const std::vector<std::string> names{
        sjis::FromUtf8("動詞/形容詞"), "Verbs", "verbs", ".hidden", "a\tb", std::string(300, 'x')};
    const auto files = CWordGroupExporter::FileNamesFor(names, ExportFormat::kTable);
    EXPECT_EQ(files[0], "動詞_形容詞.tsv");
    EXPECT_EQ(files[1], "Verbs.tsv");
    EXPECT_EQ(files[2], "verbs (2).tsv");
    EXPECT_EQ(files[3], "_.hidden.tsv");
    EXPECT_EQ(files[4], "a_b.tsv");
    EXPECT_EQ(files[5], std::string(200, 'x') + ".tsv");
    EXPECT_EQ(CWordGroupExporter::FileNameFor(sjis::FromUtf8(std::string(70, 'a') + "漢字漢字"),
                                              ExportFormat::kSpacedRepetition),
              std::string(70, 'a') + "漢字漢字.txt");
    const std::string longJapanese = sjis::FromUtf8(
        "漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字"
        "漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字"
        "漢字漢字漢字漢字漢字漢字漢字漢字");
    const std::string cut = CWordGroupExporter::FileNameFor(longJapanese, ExportFormat::kTable);
    EXPECT_EQ(cut.size(), 198u + 4u);  // 66 whole characters of three bytes each
}

TEST(WordGroupExportFilesTest, WriteFileReplacesWholeAndKeepsTheFileMode) {
    CTempDirectory folder;
    const std::string path = folder.Write("old.tsv", "old contents");
    chmod(path.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(CWordGroupExporter::WriteFile(path, "new", error)) << error;
    EXPECT_EQ(CTempDirectory::Read(path), "new");
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    const auto entries = std::distance(std::filesystem::directory_iterator(folder.Path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);  // no temporary file left

    const std::string missing = folder.File("no/such/folder/x.tsv");
    EXPECT_FALSE(CWordGroupExporter::WriteFile(missing, "x", error));
    EXPECT_EQ(error, "Cannot write " + missing + ": No such file or directory");
}

}  // namespace
}  // namespace brushly
