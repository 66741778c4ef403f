// Stroke files that are not what they claim: many member names, devices, pipes, huge files
// and broken JSON are read quickly or refused by name, never waited on or read without end.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "CJsonReader.h"
#include "CStrokeFile.h"
#include "Commands.h"
#include "support/CTempDirectory.h"

namespace brushly::tool {
namespace {

std::string ReadFailure(const std::string& path) {
    try {
        CStrokeFile::Read(path);
    } catch (const CStrokeFileError& error) {
        return error.what();
    }
    return "read";
}

TEST(StrokeFileSafety, ManyMemberNamesParseAndDuplicatesAreStillFound) {
    constexpr int kKeys = 80000;
    std::string text = "{";
    for (int i = 0; i < kKeys; ++i)
        text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":" + std::to_string(i);
    const CJsonValue value = CJsonReader::Parse(text + "}");
    ASSERT_EQ(value.keys.size(), std::size_t{kKeys});
    EXPECT_EQ(value.keys.back(), "k79999");

    try {
        CJsonReader::Parse(text + ",\"k40000\":1}");
        FAIL() << "parsed";
    } catch (const CJsonError& error) {
        EXPECT_EQ(std::string(error.what()), "duplicate member name \"k40000\"");
        EXPECT_EQ(error.Offset(), text.size() + 1);
    }
}

TEST(StrokeFileSafety, DevicesPipesAndHugeFilesAreRefusedByName) {
    EXPECT_EQ(ReadFailure("/dev/zero"),
              "/dev/zero" + std::string(CStrokeFile::kNotRegularFileMessage));

    testing::CTempDirectory directory;
    const std::string fifo = directory.File("strokes.json");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFailure(fifo), fifo + CStrokeFile::kNotRegularFileMessage);

    const std::string huge =
        directory.Write("huge.json", "[" + std::string(CStrokeFile::kMaxFileBytes, ' ') + "]");
    EXPECT_EQ(ReadFailure(huge), huge + CStrokeFile::kTooLargeMessage);
    EXPECT_EQ(ReadFailure(directory.Path().string()),
              directory.Path().string() + CStrokeFile::kFolderMessage);

    // The write command reports it and exits with 2, as for a missing file.
    std::ostringstream out, err;
    EXPECT_EQ(
        RunTool(std::span(&kWriteCommand, 1), {"write", "一", "--strokes", "/dev/zero"}, out, err),
        2);
    EXPECT_EQ(err.str(), "brushly-tool write: /dev/zero" +
                             std::string(CStrokeFile::kNotRegularFileMessage) + "\n");
}

TEST(StrokeFileSafety, MalformedFileIsPlacedByLineAndColumn) {
    testing::CTempDirectory directory;
    const std::string path = directory.Write("broken.json", "{\n  \"strokes\": [[[1, 2],]]\n}\n");
    EXPECT_EQ(ReadFailure(path),
              path +
                  ": byte 24 (line 2, column 23): invalid JSON: syntax error while parsing value "
                  "- unexpected ']'; expected '[', '{', or a literal");
}

}  // namespace
}  // namespace brushly::tool
