#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "writingeval/StrokeSources.h"

namespace brushly::writingeval {
namespace {

using testing::CTempDirectory;

// The message of the CHanziFileError that parsing json throws; empty when none is thrown.
std::string ParseError(const std::string& json) {
    try {
        ParseHanziMedians(json);
    } catch (const CHanziFileError& error) {
        return error.what();
    }
    return {};
}

TEST(HanziMedians, MappedIntoTheDrawBoxAndDensified) {
    const CPaths paths = ParseHanziMedians(
        R"({"strokes": ["M 0 0 Z", "M 0 0 Z"],
            "medians": [[[0, 900], [1024, 900]], [[512, 0], [512, 512.5], [512, 1024]]]})");
    ASSERT_EQ(paths.size(), 2u);
    // x' = 11 + 168 x / 1024, y' = 168 (900 - y) / 1024.
    EXPECT_EQ(paths[0].front(), (CPointF{11.0, 0.0}));
    EXPECT_EQ(paths[0].back(), (CPointF{179.0, 0.0}));
    EXPECT_EQ(paths[1].front(), (CPointF{95.0, 168.0 * 900.0 / 1024.0}));
    EXPECT_EQ(paths[1].back(), (CPointF{95.0, 168.0 * (900.0 - 1024.0) / 1024.0}));
    for (const CPath& path : paths) {
        for (std::size_t i = 1; i < path.size(); ++i) {
            EXPECT_LE(std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y),
                      kMedianStep + 1e-9);
        }
    }
    EXPECT_EQ(paths[0].size(), 169u);
    // The median's own middle point is kept.
    EXPECT_NE(std::find(paths[1].begin(), paths[1].end(),
                        CPointF{95.0, 168.0 * (900.0 - 512.5) / 1024.0}),
              paths[1].end());
}

TEST(HanziMedians, MalformedDocumentsAreRefusedWithTheReason) {
    EXPECT_NE(ParseError(R"({"medians": [)").find("not JSON"), std::string::npos);
    EXPECT_EQ(ParseError(R"({"strokes": []})"), "no \"medians\" array");
    EXPECT_EQ(ParseError(R"({"medians": 3})"), "no \"medians\" array");
    EXPECT_EQ(ParseError(R"({"medians": [[[1, 2]], []]})"),
              "median 2 is not a non-empty array of points");
    EXPECT_EQ(ParseError(R"({"medians": [[[1, 2, 3]]]})"),
              "median 1 has a point that is not an [x, y] pair of numbers");
    EXPECT_EQ(ParseError(R"({"medians": [[["1", 2]]]})"),
              "median 1 has a point that is not an [x, y] pair of numbers");
    EXPECT_EQ(ParseError(R"({"medians": []})"), "");
    // A far point would make densifying allocate without bound.
    EXPECT_EQ(ParseError(R"({"medians": [[[0, 0], [1e300, 5]]]})"),
              "median 1 has a point beyond the 1024 frame");
    EXPECT_EQ(ParseError(R"({"medians": [[[0, 0], [2048, -2048]]]})"), "");
}

TEST(HanziMedians, FilesAreNamedByTheCharacterAndErrorsNameTheFile) {
    const CTempDirectory folder;
    const std::string sjis = sjis::FromUtf8("永");
    EXPECT_EQ(HanziFile(folder.Path(), sjis), folder.Path() / "永.json");

    folder.Write("永.json", R"({"medians": [[[0, 900], [10, 900]]]})");
    EXPECT_EQ(ReadHanziMedians(HanziFile(folder.Path(), sjis)).size(), 1u);
    folder.Write("永.json", R"({"medians": [[[0]]]})");
    try {
        ReadHanziMedians(HanziFile(folder.Path(), sjis));
        FAIL() << "a malformed file was read";
    } catch (const CHanziFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  folder.File("永.json") +
                      ": median 1 has a point that is not an [x, y] pair of numbers");
    }
    EXPECT_THROW(ReadHanziMedians(folder.Path() / "missing.json"), CHanziFileError);
}

}  // namespace
}  // namespace brushly::writingeval
