#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "exchange/CWordGroupExporter.h"
#include "exchange/CWordGroupImporter.h"
#include "platform/ShiftJis.h"
#include "support/ExchangeTestCards.h"

namespace brushly {
namespace {

// The import fuzzer's seeds: a table and notes of every card kind and escape, a spreadsheet
// file with quotes and a Shift-JIS file. Each must import without a problem.
TEST(ImportFuzzSeeds, EverySeedImportsCleanlyAndIsWritten) {
    CFlashcardSet cards;
    testing::AddEscapingCards(cards, sjis::FromUtf8("表 Hyou"));
    cards.AddGroup("empty");
    testing::AddExchangeCards(cards, 2, 8, nullptr);
    const std::string seeds[] = {
        CWordGroupExporter::Export(cards, cards.GroupNames(), ExportFormat::kTable),
        CWordGroupExporter::Export(cards, cards.GroupNames(), ExportFormat::kSpacedRepetition),
        "Expression,Reading,Meaning,Tags\r\n\"食う\",くう,\"to eat, \"\"roughly\"\"\",verbs\r\n",
        sjis::FromUtf8("japanese\treading\tmeaning\n水\tみず\twater\n")};
    const std::filesystem::path directory = BRUSHLY_FUZZ_SEED_DIR;
    std::filesystem::create_directories(directory);
    for (std::size_t i = 0; i < std::size(seeds); ++i) {
        const CImportPlan plan = CWordGroupImporter(nullptr).Read(seeds[i], "seed");
        EXPECT_TRUE(plan.problems.empty()) << "seed " << i;
        EXPECT_GT(plan.CardCount(), 0) << "seed " << i;
        std::ofstream(directory / ("seed-" + std::to_string(i)), std::ios::binary) << seeds[i];
    }
}

}  // namespace
}  // namespace brushly
