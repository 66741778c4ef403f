#pragma once

#include <cstdlib>
#include <filesystem>
#include <string_view>

// Where the tests and benchmarks find the generated reference data. The including target
// defines BRUSHLY_DEFAULT_DATA_DIR (the source tree's data folder).
namespace brushly::testing {

// $BRUSHLY_DATA_DIR when set and not empty, else the source tree's data folder.
inline std::filesystem::path RealDataDirectory() {
    const char* directory = std::getenv("BRUSHLY_DATA_DIR");
    return directory && *directory ? directory : BRUSHLY_DEFAULT_DATA_DIR;
}

// In CI (CI=true) the generated data must be there, so its absence fails the tests that
// need it instead of skipping them.
inline bool RunningInCi() {
    const char* ci = std::getenv("CI");
    return ci && std::string_view(ci) == "true";
}

}  // namespace brushly::testing

// Inside a GoogleTest test body: skips the test when `available` is false (a developer's
// partial build), or fails it in CI. `what` names the missing data in the message.
#define BRUSHLY_REQUIRE_REAL_DATA(available, what)                                              \
    do {                                                                                        \
        if (!(available)) {                                                                     \
            if (::brushly::testing::RunningInCi()) FAIL() << "no " << what << " in CI";         \
            GTEST_SKIP() << "no " << what << " in " << ::brushly::testing::RealDataDirectory(); \
        }                                                                                       \
    } while (false)
