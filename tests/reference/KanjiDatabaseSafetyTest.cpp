// A damaged kanji database: coordinates no drawing could have fail the load by name, so
// that nothing downstream works per pixel of a distance of a billion pixels.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "archive/CArchiveException.h"
#include "platform/CScriptedPrompter.h"
#include "reference/ReferenceFrame.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {
namespace {

constexpr int kFar = 1 << 30;

class KanjiDatabaseSafety : public ::testing::Test {
protected:
    // Loads the small database after damage; returns the prompter's texts.
    std::vector<std::string> LoadDamaged(void (*damage)(CKanjiLibrary&)) {
        auto written = MakeSmallKanjiLibrary();
        damage(*written);
        const std::string path = m_directory.Write("MasterDB.kdb", KanjiLibraryBytes(*written));
        CKanjiLibrary library;
        EXPECT_FALSE(library.Load(path, m_prompter));
        return m_prompter.Texts();
    }

    CTempDirectory m_directory;
    CScriptedPrompter m_prompter;
};

TEST_F(KanjiDatabaseSafety, FarKanaPointFailsTheLoadNamingTheKana) {
    const auto texts = LoadDamaged([](CKanjiLibrary& library) {
        auto& ko = const_cast<CHiraganaData&>(*library.Hiragana()[0]);
        ko.strokes[1].points[0].x = kFar;
    });
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0],
              "The Kanji Database is damaged: hiragana \xe3\x81\x93 (ko), stroke 2 has the point "
              "(1073741824, 140) outside the drawing frame (x -200 to 600, y -200 to 400).");
    EXPECT_EQ(texts[0], CoordinateRangeMessage("hiragana \xe3\x81\x93 (ko)", 2, {kFar, 140},
                                               kMaxReferenceCoordinate + kKanaPrimaryOnlyX));
    EXPECT_EQ(texts[1], CKanjiLibrary::kLoadFailureMessage);
}

TEST_F(KanjiDatabaseSafety, FarKanjiSegmentFailsTheLoadNamingTheKanjiAndStroke) {
    const auto texts = LoadDamaged([](CKanjiLibrary& library) {
        const CKanjiRef two = library.FindByCharacter("\x93\xf1");
        library.MutableKanji(two)->strokes[1].end.y = -kFar;
    });
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0],
              "The Kanji Database is damaged: kanji \xe4\xba\x8c, stroke 2 has the point (190, "
              "-1073741824) outside the drawing frame (x -200 to 400, y -200 to 400).");
}

TEST_F(KanjiDatabaseSafety, CoordinatesAtTheMarginsStillLoad) {
    auto written = MakeSmallKanjiLibrary();
    auto& ko = const_cast<CHiraganaData&>(*written->Hiragana()[0]);
    ko.strokes[0].points[0] = {};
    ko.strokes[0].points[0].x = kMaxReferenceCoordinate + kKanaPrimaryOnlyX;
    ko.strokes[0].points[0].y = kMinReferenceCoordinate;
    written->MutableKanji(written->FindByCharacter("\x88\xea"))->strokes[0].start = {
        kMinReferenceCoordinate, kMaxReferenceCoordinate};
    const std::string path = m_directory.Write("MasterDB.kdb", KanjiLibraryBytes(*written));
    CKanjiLibrary library;
    EXPECT_TRUE(library.Load(path, m_prompter));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

// A pipe or device given as a data file is refused at once instead of waited on or read
// without end.
TEST_F(KanjiDatabaseSafety, DataFilesThatAreNotRegularAreRefusedWithoutBlocking) {
    const std::string database = m_directory.File("MasterDB.kdb");
    const std::string jlptList = m_directory.File("blyjlptsjis.txt");
    ASSERT_EQ(mkfifo(database.c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(jlptList.c_str(), 0600), 0);
    CKanjiLibrary library;
    EXPECT_FALSE(library.Load(database, m_prompter));
    library.LoadJlptList(jlptList, m_prompter);
    library.LoadJlptList("/dev/zero", m_prompter);
    EXPECT_EQ(
        m_prompter.Texts(),
        (std::vector<std::string>{CFileException(database, "open", kNotRegularFileReason).what(),
                                  CKanjiLibrary::kLoadFailureMessage,
                                  CFileException(jlptList, "open", kNotRegularFileReason).what(),
                                  "Cannot open the file /dev/zero: it is not a regular file."}));
}

}  // namespace
}  // namespace brushly::testing
