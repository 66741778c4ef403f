// Archives on disk: round trips, safe replacement of existing files, file failures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <new>

#include "archive/ArchiveTestUtil.h"
#include "archive/CDiskFile.h"
#include "support/CTempDirectory.h"

namespace brushly::testing {
namespace {

namespace fs = std::filesystem;

class ArchiveFile : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return m_directory.File(name); }
    static std::string Contents(const std::string& path) { return CTempDirectory::Read(path); }

    CTempDirectory m_directory;
};

TEST_F(ArchiveFile, ObjectsRoundTripThroughADiskFile) {
    std::vector<std::unique_ptr<CPointRecord>> points;
    for (int i = 0; i < 5000; ++i) {
        points.push_back(std::make_unique<CPointRecord>());
        points.back()->x = i;
        points.back()->weight = i / 4.0;
    }
    const std::string path = PathOf("points.dat");
    {
        CDiskFile file(path, CDiskFile::Mode::Create);
        CArchive archive(file, CArchive::Mode::Store);
        archive.WriteObjectArray(points);
        archive.WriteString("end");
        archive.Close();
        file.Commit();
    }
    const std::string expected = Store([&](CArchive& ar) {
        ar.WriteObjectArray(points);
        ar.WriteString("end");
    });
    EXPECT_EQ(Contents(path), expected);

    const CClassRegistry registry = MakeTestRegistry();
    CDiskFile file(path, CDiskFile::Mode::Read);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    std::vector<std::unique_ptr<CPointRecord>> read;
    archive.ReadObjectArray(read);
    ASSERT_EQ(read.size(), points.size());
    EXPECT_EQ(read[4999]->x, 4999);
    EXPECT_EQ(read[4999]->weight, 4999 / 4.0);
    EXPECT_EQ(archive.ReadString(), "end");
    EXPECT_EQ(archive.BytesLeft(), 0u);
}

TEST_F(ArchiveFile, AnUncommittedSaveLeavesTheOldFileAndNoLeftovers) {
    const std::string path = PathOf("document.bly");
    std::ofstream(path, std::ios::binary) << "old contents";
    {
        CDiskFile file(path, CDiskFile::Mode::Create);
        CArchive archive(file, CArchive::Mode::Store);
        archive.WriteString(std::string(10000, 'n'));
        archive.Close();
        // The save fails here, before Commit().
    }
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_directory.Path()), fs::directory_iterator()),
              1);

    {
        CDiskFile file(path, CDiskFile::Mode::Create);
        CArchive archive(file, CArchive::Mode::Store);
        archive.WriteString("new");
        archive.Close();
        file.Commit();
    }
    EXPECT_EQ(Contents(path), Bytes({3}) + "new");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_TRUE(status.st_mode & S_IRUSR);
}

TEST_F(ArchiveFile, OpeningFailuresAreFileErrorsNamingTheFile) {
    const std::string missing = PathOf("missing.kdb");
    try {
        CDiskFile file(missing, CDiskFile::Mode::Read);
        FAIL() << "opened a missing file";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.Path(), missing);
        EXPECT_NE(std::string(error.what()).find("missing.kdb"), std::string::npos);
        EXPECT_EQ(error.ErrorNumber(), ENOENT);
    }
    EXPECT_THROW(CDiskFile(m_directory.Path().string(), CDiskFile::Mode::Read), CFileException);
    // A file created in no folder fails when it reaches the disk.
    CDiskFile unplaced(PathOf("no/such/dir/file"), CDiskFile::Mode::Create);
    EXPECT_THROW(unplaced.Commit(), CFileException);
}

TEST_F(ArchiveFile, FailuresHaveStandardDescriptions) {
    const auto describe = [](auto error) {
        return DescribeFailure(std::make_exception_ptr(error));
    };
    EXPECT_EQ(describe(CArchiveException(CArchiveException::Cause::EndOfFile)),
              "An attempt was made to read past the end of the file.");
    EXPECT_EQ(describe(std::bad_alloc()), "There is not enough memory to complete the operation.");
    EXPECT_EQ(describe(CFileException("/x/y", "open", ENOENT)),
              "Cannot open the file /x/y: No such file or directory.");
    EXPECT_EQ(DescribeFailure(std::make_exception_ptr(42)), "An unexpected error occurred.");
}

}  // namespace
}  // namespace brushly::testing
