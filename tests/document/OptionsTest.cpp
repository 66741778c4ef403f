#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "archive/CMemFile.h"
#include "document/CBrushlyOptions.h"
#include "support/ExpectedBytes.h"

namespace brushly {
namespace {

std::string Doubles(std::initializer_list<double> values) {
    std::string bytes;
    for (const double value : values)
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return bytes;
}

std::string Write(CBrushlyOptions options) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    options.Serialize(archive);
    archive.Close();
    return file.Bytes();
}

CBrushlyOptions Read(const std::string& bytes) {
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load);
    CBrushlyOptions options;
    options.Serialize(archive);
    return options;
}

std::int32_t IntAt(const std::string& bytes, std::size_t offset) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST(BrushlyOptions, DefaultBodyIsByteExact) {
    const std::string expected =
        testing::Int32s({2}) + testing::Int32s({0, 50, 75, 0, 0, 1}) + Doubles({2.0, 5.0}) +
        testing::Int32s({0}) +
        // F1 to F5, F8, F9, F6, F7, F10 to F12
        testing::Int32s({0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1}) + Doubles({2.0, 5.0}) +
        // F15 to F35
        testing::Int32s({0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0}) +
        // D1 to D13
        testing::Int32s({0, 1, 1, 1, 20, 1, 1, 60, 1, 0, 0, 1, 0});
    EXPECT_EQ(expected.size(), CBrushlyOptions::kStoredBytes);
    EXPECT_EQ(Write(CBrushlyOptions{}), expected);
}

TEST(BrushlyOptions, ShowCommentsAndCompoundsStandBeforeCountersAndTheirForms) {
    CBrushlyOptions options;
    options.flash.includeKanaWords = 15;
    options.flash.includeCounters = 16;
    options.flash.counterForms = 17;
    options.flash.showComments = 18;
    options.flash.includeCompounds = 19;
    options.flash.quizMode = 20;
    const std::string bytes = Write(options);
    // Version, K1 to K6, two doubles and K9 take 48 bytes; F1 starts there.
    constexpr std::size_t kF5 = 48 + 4 * 4;
    EXPECT_EQ(IntAt(bytes, kF5), 15);
    EXPECT_EQ(IntAt(bytes, kF5 + 4), 18);
    EXPECT_EQ(IntAt(bytes, kF5 + 8), 19);
    EXPECT_EQ(IntAt(bytes, kF5 + 12), 16);
    EXPECT_EQ(IntAt(bytes, kF5 + 16), 17);
    EXPECT_EQ(IntAt(bytes, kF5 + 20), 20);
}

TEST(BrushlyOptions, EveryFieldSurvivesARoundTrip) {
    CBrushlyOptions options;
    options.kanaFlash = {2, 10, 90, 1, 1, 0, 3.5, 12.25, 2};
    options.flash.kanjiDisplay = 2;
    options.flash.timeLimitSeconds = 29.5;
    options.flash.showInflectedVerbs = 0;
    options.flash.verbReserved = 7;
    options.draw.errorTolerance = 30;
    options.draw.kanaSet = 1;
    ASSERT_NE(options, CBrushlyOptions{});

    EXPECT_EQ(Read(Write(options)), options);
}

TEST(BrushlyOptions, TheStoredVersionIsNotChecked) {
    std::string bytes = Write(CBrushlyOptions{});
    bytes.replace(0, 4, testing::Int32s({1}));
    EXPECT_EQ(Read(bytes), CBrushlyOptions{});
}

TEST(BrushlyOptions, ATruncatedBodyFailsAsEndOfFile) {
    const std::string bytes = Write(CBrushlyOptions{});
    try {
        Read(bytes.substr(0, bytes.size() - 2));
        FAIL() << "a short body must not read";
    } catch (const CArchiveException& failure) {
        EXPECT_EQ(failure.GetCause(), CArchiveException::Cause::EndOfFile);
    }
}

}  // namespace
}  // namespace brushly
