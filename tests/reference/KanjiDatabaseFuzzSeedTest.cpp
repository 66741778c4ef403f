#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/CScriptedPrompter.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

// The kanji database fuzzer starts from this whole small database (beside the start of the
// real one), so that mutations reach every record kind quickly.
TEST(KanjiDatabaseFuzzSeed, TheSmallDatabaseLoadsAndIsWritten) {
    const std::string bytes = testing::KanjiLibraryBytes(*testing::MakeSmallKanjiLibrary());
    const std::filesystem::path directory = BRUSHLY_FUZZ_SEED_DIR;
    std::filesystem::create_directories(directory);
    const std::filesystem::path seed = directory / "small.kdb";
    std::ofstream(seed, std::ios::binary) << bytes;
    CScriptedPrompter prompter;
    CKanjiLibrary library;
    EXPECT_TRUE(library.Load(seed.string(), prompter));
}

}  // namespace
}  // namespace brushly
