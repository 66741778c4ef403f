// build-kanji-db on small made-up data sets: the progress on standard error, the report kept
// on standard output, and output files that an interrupt never leaves half written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "kanjidb/KanjiVgStrokes.h"
#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/CTempDirectory.h"
#include "support/KanaTestFolder.h"

namespace brushly::tool {
namespace {

using testing::CTempDirectory;

constexpr int kKanjiCount = 2001;

class BuildKanjiDbCommand : public ::testing::Test {
protected:
    BuildKanjiDbCommand() {
        testing::WriteKanaFolder(m_kanjivg);
        std::string kanjidic =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kanjidic2>\n<header>\n"
            "<date_of_creation>2022-08-23</date_of_creation>\n</header>\n";
        for (int n = 0; n < kKanjiCount; ++n) {
            const std::string kanji = testing::LevelOneKanji(n);
            kanjidic += "<character><literal>" + sjis::ToUtf8(kanji) +
                        "</literal><misc><grade>8</grade><stroke_count>1</stroke_count>"
                        "<jlpt>1</jlpt></misc></character>\n";
            m_kanjivg.Write(kanjidb::KanjiVgFileName(sjis::ToUtf16(kanji).front()),
                            "<svg><path d=\"M10,50l80,0\"/></svg>");
        }
        m_sources.Write("kanjidic2.xml", kanjidic + "</kanjidic2>\n");
        m_sources.Write("edict", "");
    }

    std::vector<std::string> Arguments() const {
        return {"build-kanji-db",
                "--kanjivg",
                m_kanjivg.Path().string(),
                "--kanjidic",
                m_sources.File("kanjidic2.xml"),
                "--edict",
                m_sources.File("edict"),
                "--out",
                m_out.Path().string()};
    }
    int Run(std::string& out, std::string& err) const {
        std::ostringstream outStream, errStream;
        const int status =
            RunTool(std::span(&kBuildKanjiDbCommand, 1), Arguments(), outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return status;
    }
    std::vector<std::string> OutNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_out.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string OutFile(const char* name) const { return CTempDirectory::Read(m_out.File(name)); }

    CTempDirectory m_kanjivg;
    CTempDirectory m_sources;
    CTempDirectory m_out;
};

TEST_F(BuildKanjiDbCommand, CountsTheCharactersOnStandardErrorEveryThousand) {
    std::string out, err;
    ASSERT_EQ(Run(out, err), 0) << err;
    EXPECT_EQ(err,
              "build-kanji-db: 1000 of 2001 kanji\n"
              "build-kanji-db: 2000 of 2001 kanji\n"
              "build-kanji-db: 2001 of 2001 kanji\n");
    EXPECT_EQ(out.find("build-kanji-db:"), std::string::npos);
    EXPECT_NE(out.find("/MasterDB.kdb and "), std::string::npos) << out;
    EXPECT_EQ(OutNames(), (std::vector<std::string>{"MasterDB.kdb", "blyjlptsjis.txt"}));
}

// Ctrl+C at many moments after the last character, while the kana are read and the files
// written, of runs over an earlier output: both files stay the earlier ones or both are the
// new ones, and no temporary file is left.
TEST_F(BuildKanjiDbCommand, AnInterruptedRunLeavesBothFilesOldOrBothNew) {
    std::string out, err;
    ASSERT_EQ(Run(out, err), 0) << err;
    const std::string newDatabase = OutFile("MasterDB.kdb");
    const std::string newList = OutFile("blyjlptsjis.txt");
    const std::string oldDatabase = "an earlier database";
    const std::string oldList = "an earlier list";
    const std::string lastLine = "2001 of 2001 kanji\n";
    int interrupted = 0;
    for (int delayUs = 0; delayUs <= 6000; delayUs += 150) {
        SCOPED_TRACE(delayUs);
        m_out.Write("MasterDB.kdb", oldDatabase);
        m_out.Write("blyjlptsjis.txt", oldList);
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(progress[0]);
            std::ofstream errStream("/dev/fd/" + std::to_string(progress[1]));
            std::ostringstream outStream;
            _exit(RunTool(std::span(&kBuildKanjiDbCommand, 1), Arguments(), outStream, errStream));
        }
        close(progress[1]);
        std::string seen;
        char buffer[256];
        for (ssize_t count; seen.find(lastLine) == std::string::npos &&
                            (count = read(progress[0], buffer, sizeof buffer)) > 0;)
            seen.append(buffer, static_cast<std::size_t>(count));
        usleep(static_cast<useconds_t>(delayUs));
        kill(child, SIGINT);
        close(progress[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (WIFSIGNALED(status)) ++interrupted;
        const std::string database = OutFile("MasterDB.kdb");
        const std::string list = OutFile("blyjlptsjis.txt");
        EXPECT_TRUE((database == oldDatabase && list == oldList) ||
                    (database == newDatabase && list == newList));
        EXPECT_EQ(OutNames(), (std::vector<std::string>{"MasterDB.kdb", "blyjlptsjis.txt"}));
    }
    EXPECT_GT(interrupted, 0);
}

}  // namespace
}  // namespace brushly::tool
