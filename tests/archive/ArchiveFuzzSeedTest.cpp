// Writes the archive fuzzer's seed corpus and checks that every seed reads cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ArchiveTestRecords.h"

namespace brushly::testing {
namespace {

TEST(ArchiveFuzzSeeds, EverySeedReadsWithoutFailureAndIsWritten) {
    const std::vector<std::string> seeds = MakeFuzzSeeds();
    const std::filesystem::path directory = BRUSHLY_FUZZ_SEED_DIR;
    std::filesystem::create_directories(directory);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        EXPECT_TRUE(ReadFuzzProgram(seeds[i])) << "seed " << i;
        std::ofstream(directory / ("seed-" + std::to_string(i)), std::ios::binary) << seeds[i];
        // Any prefix fails cleanly.
        EXPECT_FALSE(ReadFuzzProgram(seeds[i].substr(0, seeds[i].size() / 2)));
    }
}

}  // namespace
}  // namespace brushly::testing
