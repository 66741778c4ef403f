#include "exchange/CWordGroupImporter.h"

#include <gtest/gtest.h>

#include "exchange/CWordGroupExporter.h"
#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/CTempDirectory.h"
#include "support/ExchangeTestCards.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using testing::CTempDirectory;

std::string Sjis(const char* utf8) {
    return sjis::FromUtf8(utf8);
}

// Reads text into a fresh set, every group under the name the file gives it.
std::string ReimportInto(CFlashcardSet& target, const std::string& text,
                         const CKanjiLibrary* library, CImportPlan* planOut = nullptr) {
    CImportPlan plan = CWordGroupImporter(library).Read(text, "fallback");
    plan.ProposeNames(target, "");
    std::string problems;
    for (const CImportProblem& problem : plan.problems)
        problems += std::to_string(problem.line) + ": " + problem.reason + "\n";
    EXPECT_TRUE(plan.Apply(target));
    if (planOut != nullptr) *planOut = std::move(plan);
    return problems;
}

std::vector<std::string> AllGroups(const CFlashcardSet& cards) {
    return cards.GroupNames();
}

TEST(WordGroupImportTest, EveryCardKindComesBackFieldForField) {
    const auto library = testing::MakeSmallKanjiLibrary();
    CFlashcardSet original;
    testing::AddEscapingCards(original, Sjis("表現 ひょうげん"));
    original.AddGroup(Sjis("空のグループ"));
    testing::AddExchangeCards(original, 2, 9, library.get());
    const std::string text =
        CWordGroupExporter::Export(original, AllGroups(original), ExportFormat::kTable);

    CFlashcardSet copy;
    CImportPlan plan;
    EXPECT_EQ(ReimportInto(copy, text, library.get(), &plan), "");
    EXPECT_EQ(plan.encoding, "UTF-8");
    EXPECT_EQ(plan.layout, "Brushly table");
    EXPECT_EQ(plan.rowCount, 4 + 1 + 18);
    EXPECT_EQ(testing::SetDifference(original, copy), "");
    EXPECT_EQ(CWordGroupExporter::Export(copy, AllGroups(copy), ExportFormat::kTable), text);
}

TEST(WordGroupImportTest, TwentyThousandCardsInTwoHundredGroupsRoundTrip) {
    std::vector<testing::CTestKanji> kanji;
    for (int n = 0; n < 2965; ++n)
        kanji.push_back({n, 0, 0, 0, 1 + n % 20});
    const auto library = testing::MakeTestKanjiLibrary(kanji);
    CFlashcardSet original;
    testing::AddExchangeCards(original, 200, 100, library.get());
    const std::string text =
        CWordGroupExporter::Export(original, AllGroups(original), ExportFormat::kTable);
    CFlashcardSet copy;
    EXPECT_EQ(ReimportInto(copy, text, library.get()), "");
    EXPECT_EQ(copy.GroupCount(), 200u);
    EXPECT_EQ(copy.KanjiCards().size() + copy.CompoundCards().size() + copy.KanaWordCards().size() +
                  copy.CounterCards().size(),
              20000u);
    EXPECT_EQ(testing::SetDifference(original, copy), "");
}

TEST(WordGroupImportTest, ShiftJisFileIsDetectedAndRead) {
    const std::string utf8 =
        "japanese,reading,meaning,group\n食べ物,たべもの,food,食事\n一,,,食事\nテーブル,,table,\n"
        "７,なな,seven,食事\n";
    CFlashcardSet cards;
    const auto library = testing::MakeSmallKanjiLibrary();
    CImportPlan plan;
    // A full-width digit is no kanji, and one character is no compound.
    EXPECT_EQ(ReimportInto(cards, Sjis(utf8.c_str()), library.get(), &plan),
              Sjis("5: a compound needs at least two characters, not \"７\"\n"));
    EXPECT_EQ(plan.encoding, "Shift-JIS");
    EXPECT_EQ(plan.layout, "comma-separated");
    const CWordGroup* meal = cards.FindGroup(Sjis("食事"));
    ASSERT_NE(meal, nullptr);
    ASSERT_EQ(meal->compoundCards.size(), 1u);
    EXPECT_EQ(meal->compoundCards[0]->headword, Sjis("食べ物"));
    EXPECT_EQ(meal->compoundCards[0]->romaji, "tabemono");
    // A kanji without readings in the file takes the database's and is linked.
    ASSERT_EQ(meal->kanjiCards.size(), 1u);
    const CKanjiCard& one = *meal->kanjiCards[0];
    EXPECT_EQ(one.dbGroup, 1);
    EXPECT_EQ(one.dbIndex, 0);
    ASSERT_EQ(one.readings.size(), 1u);
    EXPECT_EQ(one.readings[0]->onReadings, std::vector<std::string>{"ICHI"});
    // A row naming no group goes to the file's own group; katakana romaji is upper case.
    const CWordGroup* fallback = cards.FindGroup("fallback");
    ASSERT_NE(fallback, nullptr);
    ASSERT_EQ(fallback->kanaWordCards.size(), 1u);
    EXPECT_EQ(fallback->kanaWordCards[0]->romaji, "TEEBURU");
}

TEST(WordGroupImportTest, SpreadsheetFilesWithQuotesAndOtherHeaderNames) {
    const std::string text =
        "\xEF\xBB\xBF"
        "Expression,Reading,Meaning,Notes,Frequency\r\n"
        "\"食う\",くう,\"to eat, \"\"roughly\"\"\",\"slang\nrude\",12\r\n"
        "木,モク;き,\"tree, wood\",,3\r\n";
    CFlashcardSet cards;
    CImportPlan plan;
    EXPECT_EQ(ReimportInto(cards, text, nullptr, &plan), "");
    EXPECT_EQ(plan.encoding, "UTF-8");
    const CWordGroup& group = *cards.FindGroup("fallback");
    ASSERT_EQ(group.compoundCards.size(), 1u);
    EXPECT_EQ(group.compoundCards[0]->meaning, "to eat, \"roughly\"");
    EXPECT_EQ(group.compoundCards[0]->romaji, "kuu");
    // Without a database, a kanji's reading group is made from the file's reading and meaning.
    ASSERT_EQ(group.kanjiCards.size(), 1u);
    const CKanjiCard& tree = *group.kanjiCards[0];
    EXPECT_EQ(tree.dbIndex, -1);
    ASSERT_EQ(tree.readings.size(), 1u);
    EXPECT_EQ(tree.readings[0]->onReadings, std::vector<std::string>{"MOKU"});
    EXPECT_EQ(tree.readings[0]->kunReadings, std::vector<std::string>{"ki"});
    EXPECT_EQ(tree.readings[0]->meanings, (std::vector<std::string>{"tree", "wood"}));
}

TEST(WordGroupImportTest, SemicolonFilesAndNotesWithColumnsAndHtml) {
    CFlashcardSet cards;
    CImportPlan plan;
    EXPECT_EQ(
        ReimportInto(cards, "ja;en;deck\nアート・スタジオ;art studio;Loan words\n", nullptr, &plan),
        "");
    EXPECT_EQ(plan.layout, "semicolon-separated");
    const CWordGroup& loans = *cards.FindGroup("Loan words");
    ASSERT_EQ(loans.kanaWordCards.size(), 1u);
    EXPECT_EQ(loans.kanaWordCards[0]->romaji, "AATOSUTAJIO");

    // A spaced-repetition program's own export: HTML fields, a guid column, named columns.
    CFlashcardSet notes;
    EXPECT_EQ(ReimportInto(notes,
                           "#separator:tab\n#html:true\n#guid column:1\n#tags column:4\n"
                           "#columns:guid\tFront\tBack\tTags\n"
                           "x1\t<b>水</b>\twater&nbsp;&amp; ice<br>(n)\tN5 nature\n",
                           nullptr, &plan),
              "");
    const CWordGroup& n5 = *notes.FindGroup("N5");
    ASSERT_EQ(n5.kanjiCards.size(), 1u);
    EXPECT_EQ(n5.kanjiCards[0]->character, Sjis("水"));
    EXPECT_EQ(n5.kanjiCards[0]->readings[0]->meanings,
              (std::vector<std::string>{"water & ice\n(n)"}));
}

TEST(WordGroupImportTest, RowsThatBecomeNoCardAreReportedWithTheirLines) {
    const std::string text =
        "kind\tjapanese\treading\tromaji\tmeaning\tgroup\tright\twrong\tactive\n"
        "kanji\t食べる\t\t\t\tg\n"              // 2: not one kanji
        "compound\t食物\t\t\t\tg\n"             // 3: no reading
        "compound\t食物\tしょくもつ\t\t\tg\n"   // 4: no meaning
        "kana\t食\t\t\tx\tg\n"                  // 5: not kana
        "card\t食\t\t\t\tg\n"                   // 6: unknown kind
        "kanji\t食\t\t\t\tg\tmany\n"            // 7: right not a number
        "kanji\t食\t\t\t\tg\t1\t1\tperhaps\n"   // 8: active
        "kanji\t食\t\t\t\tg\t1\t1\t1\textra\n"  // 9: a field too many
        "counter\t本\t\thon\tsticks\tg\n"       // 10: no forms
        "compound\t食物\t😀\t\tfood\tg\n"        // 11: not Shift-JIS
        "kanji\t食\t\t\t\tg\t1\t1\t1\t\t\n";    // 12: fine, an empty extra field
    CFlashcardSet cards;
    CImportPlan plan;
    const std::string problems = ReimportInto(cards, text, nullptr, &plan);
    EXPECT_EQ(problems,
              sjis::FromUtf8("2: a kanji card needs one kanji, not \"食べる\"\n"
                             "3: no romaji, and no reading in kana to make it from\n"
                             "4: the compound \"食物\" has no meaning\n"
                             "5: a kana word is written in kana only, not \"食\"\n"
                             "6: the kind \"card\" is none of kanji, compound, kana, counter and "
                             "group\n"
                             "7: right is not a whole number: \"many\"\n"
                             "8: active is neither 1 nor 0: \"perhaps\"\n"
                             "9: the row has 10 fields where the header names 9\n"
                             "10: the counter \"本\" has no forms\n"
                             "11: the reading column holds a character that Shift-JIS cannot "
                             "store\n"));
    EXPECT_EQ(plan.rowCount, 11);
    EXPECT_EQ(cards.FindGroup("g")->kanjiCards.size(), 1u);

    // A group named only by rows that failed is not offered.
    plan = CWordGroupImporter(nullptr).Read("japanese,meaning,group\n食べる,eat,A\n", "f");
    EXPECT_EQ(plan.problems.size(), 1u);
    EXPECT_TRUE(plan.groups.empty());
}

TEST(WordGroupImportTest, AHeaderWithoutTheNeededColumnsIsReported) {
    CImportPlan plan = CWordGroupImporter(nullptr).Read("reading,meaning\nたべる,eat\n", "f");
    ASSERT_EQ(plan.problems.size(), 1u);
    EXPECT_EQ(plan.problems[0],
              (CImportProblem{1, "the header names no column for the Japanese text"}));
    EXPECT_TRUE(plan.groups.empty());
    plan = CWordGroupImporter(nullptr).Read("japanese\tcomment\n食べる\tx\n", "f");
    EXPECT_EQ(plan.problems[0],
              (CImportProblem{1, "the header names neither the reading nor the meaning"}));
}

TEST(WordGroupImportTest, SpacedRepetitionNotesReadBack) {
    CFlashcardSet original;
    testing::AddEscapingCards(original, Sjis("表 Hyou"));
    const std::string notes =
        CWordGroupExporter::Export(original, AllGroups(original), ExportFormat::kSpacedRepetition);
    CFlashcardSet cards;
    CImportPlan plan;
    EXPECT_EQ(ReimportInto(cards, notes, nullptr, &plan), "");
    EXPECT_EQ(plan.layout, "spaced-repetition notes");
    EXPECT_EQ(plan.rowCount, 4);
    // The tag names the group; a counter cannot be told from a kanji in notes.
    const CWordGroup* group = cards.FindGroup(Sjis("表_Hyou"));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->kanjiCards.size(), 2u);
    EXPECT_EQ(group->kanjiCards[0]->readings[0]->onReadings, std::vector<std::string>{"HYOU"});
    ASSERT_EQ(group->compoundCards.size(), 1u);
    EXPECT_EQ(group->compoundCards[0]->romaji, "hyougen");
    EXPECT_EQ(group->compoundCards[0]->meaning,
              "expression\tpresentation\nrepresentation \"quoted\"");
    ASSERT_EQ(group->kanaWordCards.size(), 1u);
    EXPECT_EQ(group->kanaWordCards[0]->meaning, "the katakana so \\");
}

TEST(WordGroupImportTest, FilesAreReadOnlyWhenRegularAndOfSensibleSize) {
    CTempDirectory folder;
    std::string bytes, error;
    const std::string path = folder.Write("verbs.tsv", "kind\n");
    EXPECT_TRUE(CWordGroupImporter::ReadFile(path, bytes, error));
    EXPECT_EQ(bytes, "kind\n");
    EXPECT_FALSE(CWordGroupImporter::ReadFile(folder.Path().string(), bytes, error));
    EXPECT_EQ(error, folder.Path().string() + " is not a file.");
    EXPECT_FALSE(CWordGroupImporter::ReadFile(folder.File("none.tsv"), bytes, error));
    EXPECT_EQ(error, "Cannot open " + folder.File("none.tsv") + ": No such file or directory");
    EXPECT_EQ(CWordGroupImporter::GroupNameForPath("/home/a/動詞 N5.tsv"), Sjis("動詞 N5"));
}

}  // namespace
}  // namespace brushly
