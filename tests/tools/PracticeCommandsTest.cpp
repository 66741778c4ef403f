#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>

#include "Commands.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::tool {
namespace {

class PracticeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        AddVerb(*library, 9, "為", "su(ru)");
        AddVerb(*library, 11, "欲", "ho(ssuru)");
        AddVerb(*library, 10, "訓", "kun(zuru)");
        AddVerb(*library, 11, "問", "to(u)");
        AddVerb(*library, 5, "本", "moto");
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
        m_directory.Write("blyjlptsjis.txt", "4\r\n");
    }

    static void AddVerb(CKanjiLibrary& library, int group, const char* character, const char* kun) {
        auto record = std::make_unique<CKanjiData>();
        record->character = sjis::FromUtf8(character);
        auto reading = std::make_unique<CKanjiReading>();
        reading->kunReadings = {kun};
        record->readings.push_back(std::move(reading));
        library.AddKanji(group, std::move(record));
    }

    int Run(std::vector<std::string> arguments) {
        const std::array commands{kVerbCommand, kCounterCommand};
        std::ostringstream out, err;
        const int status = RunTool(commands, arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    std::string Data() const { return m_directory.Path().string(); }

    testing::CTempDirectory m_directory;
    std::string m_out, m_err;
};

TEST_F(PracticeCommands, VerbPrintsTheClassAndTheTableRows) {
    ASSERT_EQ(Run({"verb", "為", "--data", Data()}), 0) << m_err;
    EXPECT_EQ(m_out.rfind("su(ru): verb class 5 (suru)\n  Indicative: 為する, 為しない\n"
                          "  Past Indicative: 為した, 為しなかった\n"
                          "  Indicative (formal): 為します, 為しません\n",
                          0),
              0u)
        << m_out;
    EXPECT_NE(m_out.find("  Gerund (te): 為して, 為しないで\n"), std::string::npos);
    EXPECT_NE(m_out.find("  Caus. Passive: 為させられる, -\n"), std::string::npos);
    // Thirteen rows of two columns and the four passive rows: thirty forms.
    EXPECT_EQ(std::count(m_out.begin(), m_out.end(), '\n'), 18);

    ASSERT_EQ(Run({"verb", "欲", "--data", Data()}), 0) << m_err;
    EXPECT_NE(m_out.find("  Indicative (formal): 欲っします, 欲っしません\n"), std::string::npos)
        << m_out;
    ASSERT_EQ(Run({"verb", "訓", "--data", Data()}), 0) << m_err;
    EXPECT_NE(m_out.find("kun(zuru): verb class 2 (-ru)\n  Indicative: 訓ずる, 訓じない\n"
                         "  Past Indicative: 訓じた, 訓じなかった\n"),
              std::string::npos)
        << m_out;
    ASSERT_EQ(Run({"verb", "問", "--data", Data()}), 0) << m_err;
    EXPECT_NE(m_out.find("  Past Indicative: 問うた, 問わなかった\n"), std::string::npos) << m_out;
}

TEST_F(PracticeCommands, VerbFailsClearly) {
    EXPECT_EQ(Run({"verb", "食", "--data", Data()}), 1);
    EXPECT_EQ(m_err, "brushly-tool verb: '食' is not a kanji of the database\n");
    EXPECT_EQ(Run({"verb", "本", "--data", Data()}), 1);
    EXPECT_EQ(m_err, "brushly-tool verb: '本' has no verb reading\n");
    EXPECT_EQ(Run({"verb", "--data", Data()}), 2);
}

TEST_F(PracticeCommands, CounterPrintsNumberKanaAndRomaji) {
    ASSERT_EQ(Run({"counter", "hon", "--kanji", "本", "--data", Data()}), 0) << m_err;
    EXPECT_EQ(m_out.rfind("1\tいっぽん\tippon\n2\tにほん\tnihon\n3\tさんぼん\tsanbon\n", 0), 0u)
        << m_out;
    EXPECT_NE(m_out.find("\n10\tじゅっぽん\tjuppon\n"), std::string::npos);

    ASSERT_EQ(Run({"counter", "tsu", "--kanji", "つ", "--native"}), 0) << m_err;
    EXPECT_NE(m_out.find("\n10\tとお\tto@o\n"), std::string::npos) << m_out;
    ASSERT_EQ(Run({"counter", "dai", "--kanji", "為", "--prefix", "--data", Data()}), 0);
    EXPECT_EQ(m_out.rfind("1\tだいいち\tdaiichi\n", 0), 0u) << m_out;
}

TEST_F(PracticeCommands, CounterFailsClearly) {
    EXPECT_EQ(Run({"counter", "", "--kanji", "本", "--data", Data()}), 1);
    EXPECT_EQ(m_err, "brushly-tool counter: Must first enter a romaji root\n");
    EXPECT_EQ(Run({"counter", "hon", "--kanji", "食", "--data", Data()}), 1);
    EXPECT_EQ(m_err, "brushly-tool counter: '食' is not a kanji of the database\n");
    EXPECT_EQ(Run({"counter", "hon", "--data", Data()}), 2);
}

}  // namespace
}  // namespace brushly::tool
