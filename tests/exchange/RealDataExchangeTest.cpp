// The import and export over the generated reference data: the sample document's cards, with
// the reading groups KANJIDIC2 gave them, through the table and back; and lines of the real
// EDICT file, written by the test as a Shift-JIS spreadsheet file, imported and checked
// against the compound library the EDICT import built from the same file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "dictionary/CCompoundLibrary.h"
#include "dictionary/DictionaryFiles.h"
#include "document/CBrushly2Doc.h"
#include "exchange/CWordGroupExporter.h"
#include "exchange/CWordGroupImporter.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/ExchangeTestCards.h"
#include "support/RealData.h"

namespace brushly {
namespace {

std::unique_ptr<CKanjiLibrary> RealKanji() {
    auto library = std::make_unique<CKanjiLibrary>();
    CScriptedPrompter prompter;
    const auto path = testing::RealDataDirectory() / "MasterDB.kdb";
    if (!std::filesystem::exists(path) || !library->Load(path.string(), prompter)) return nullptr;
    return library;
}

TEST(RealDataExchange, TheSampleDocumentComesBackFieldForField) {
    auto kanji = RealKanji();
    BRUSHLY_REQUIRE_REAL_DATA(kanji, "kanji database");
    const CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document(settings, prompter);
    document.SetKanjiLibrary(std::move(kanji));
    document.NewDocument();
    const CFlashcardSet& cards = document.Cards();
    ASSERT_GT(cards.KanjiCards().size(), 10u);

    const std::string table =
        CWordGroupExporter::Export(cards, cards.GroupNames(), ExportFormat::kTable);
    CImportPlan plan = CWordGroupImporter(document.KanjiLibrary()).Read(table, "sample");
    EXPECT_TRUE(plan.problems.empty());
    CFlashcardSet copy;
    plan.ProposeNames(copy, "");
    ASSERT_TRUE(plan.Apply(copy));
    EXPECT_EQ(testing::SetDifference(cards, copy), "");

    const std::string notes =
        CWordGroupExporter::Export(cards, cards.GroupNames(), ExportFormat::kSpacedRepetition);
    const auto lines = std::count(notes.begin(), notes.end(), '\n');
    int cardCount = 0;
    for (const std::string& name : cards.GroupNames())
        cardCount += cards.FindGroup(name)->cardCount;
    EXPECT_EQ(lines, 3 + cardCount);  // the header lines and one note per card
}

// "headword [reading] /gloss/gloss/" (UTF-8: a Shift-JIS trail byte may be a "[") as the
// three fields of a spreadsheet row.
struct CEdictLine {
    std::string headword, reading, meaning;
};
bool ParseEdictLine(const std::string& line, CEdictLine& entry) {
    const std::size_t space = line.find(' ');
    const std::size_t slash = line.find(" /");
    if (space == std::string::npos || slash == std::string::npos) return false;
    entry.headword = line.substr(0, space);
    const std::size_t open = line.find('[');
    const std::size_t close = line.find(']');
    entry.reading = open < slash && close < slash ? line.substr(open + 1, close - open - 1) : "";
    entry.meaning = line.substr(slash + 2);
    if (!entry.meaning.empty() && entry.meaning.back() == '/') entry.meaning.pop_back();
    std::replace(entry.meaning.begin(), entry.meaning.end(), '/', ';');
    return true;
}

std::string Quote(const std::string& field) {
    std::string out = "\"";
    for (const char c : field)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

TEST(RealDataExchange, EdictLinesImportAsTheEdictImportReadThem) {
    const std::filesystem::path directory = testing::RealDataDirectory();
    auto kanji = RealKanji();
    CCompoundLibrary compounds;
    CScriptedPrompter prompter;
    const bool available =
        kanji && std::filesystem::exists(directory / "edict_SJIS.txt") &&
        compounds.Load((directory / kEdictCompoundFileName).string(), false, prompter);
    BRUSHLY_REQUIRE_REAL_DATA(available, "kanji database, EDICT file and compound library");

    // Every 40th line of the dictionary, as a Shift-JIS comma-separated file.
    std::ifstream edict(directory / "edict_SJIS.txt", std::ios::binary);
    std::string line, file = "漢字,読み,意味\r\n";
    std::vector<CEdictLine> rows;
    for (int number = 0; std::getline(edict, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        CEdictLine entry;
        if (number == 0 || number % 40 != 0 || !ParseEdictLine(sjis::ToUtf8(line), entry)) continue;
        rows.push_back(entry);
        file += Quote(entry.headword) + "," + Quote(entry.reading) + "," + Quote(entry.meaning) +
                "\r\n";
    }
    ASSERT_GT(rows.size(), 3000u);
    const CImportPlan plan = CWordGroupImporter(kanji.get()).Read(sjis::FromUtf8(file), "edict");
    EXPECT_EQ(plan.encoding, "Shift-JIS");
    EXPECT_EQ(plan.rowCount, static_cast<int>(rows.size()));
    ASSERT_EQ(plan.groups.size(), 1u);
    // Every row is a card or a reported problem.
    EXPECT_EQ(plan.CardCount() + static_cast<int>(plan.problems.size()),
              static_cast<int>(rows.size()));
    EXPECT_LT(plan.problems.size(), rows.size() / 50) << plan.problems.front().reason;

    std::multimap<std::string, std::string> libraryRomaji;
    for (const char letter : kCompoundLetters) {
        for (const auto& entry : compounds.Letter(letter))
            libraryRomaji.emplace(entry->headword, entry->romaji);
    }
    int compared = 0, agreed = 0;
    for (const auto& card : plan.groups[0].compoundCards) {
        const auto [first, last] = libraryRomaji.equal_range(card->headword);
        if (first == last) continue;
        ++compared;
        agreed += std::any_of(first, last,
                              [&](const auto& entry) { return entry.second == card->romaji; });
    }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(agreed, compared);
}

}  // namespace
}  // namespace brushly
