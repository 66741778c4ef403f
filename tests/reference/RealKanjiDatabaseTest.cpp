// The generated kanji database, loaded as the program loads it. Skips on a developer's
// machine without generated data; in CI the data must be there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"
#include "support/RealData.h"

namespace brushly {
namespace {

class RealKanjiDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
        if (!std::filesystem::exists(file)) return;
        s_library = new CKanjiLibrary;
        CScriptedPrompter prompter;
        ASSERT_TRUE(s_library->Load(file.string(), prompter));
        s_library->LoadJlptList((testing::RealDataDirectory() / "blyjlptsjis.txt").string(),
                                prompter);
        EXPECT_TRUE(prompter.Texts().empty());
    }
    static void TearDownTestSuite() {
        delete s_library;
        s_library = nullptr;
    }
    void SetUp() override {
        BRUSHLY_REQUIRE_REAL_DATA(s_library != nullptr, "generated kanji database");
    }

    static const CKanjiData& Kanji(const char* utf8, int expectedGroup) {
        const CKanjiRef ref = s_library->FindByCharacter(sjis::FromUtf8(utf8));
        EXPECT_TRUE(ref) << utf8;
        EXPECT_EQ(ref.group, expectedGroup) << utf8;
        return *ref.record;
    }

    static inline CKanjiLibrary* s_library = nullptr;
};

TEST_F(RealKanjiDatabase, HoldsEveryJouyouKanjiAndTheKana) {
    EXPECT_GE(s_library->KanjiCount(), 6000);
    const int jouyou =
        s_library->SelectByKey(kKeyGrade, 1, 6) + s_library->SelectByKey(kKeyGrade, 8, 8);
    EXPECT_EQ(jouyou, 2136);
    EXPECT_EQ(s_library->GroupSize(25), 104);
    EXPECT_EQ(s_library->GroupSize(26), 104);
    EXPECT_EQ(s_library->Title().substr(0, 6), "KANJI ");
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group) {
        for (const auto& record : s_library->KanjiGroup(group)) {
            // Group 24 also holds the kanji of more strokes.
            if (group < CKanjiLibrary::kKanjiGroups) {
                ASSERT_EQ(record->strokes.StrokeCount(), group) << sjis::ToUtf8(record->character);
            } else {
                ASSERT_GE(record->strokes.StrokeCount(), group) << sjis::ToUtf8(record->character);
            }
        }
    }
}

TEST_F(RealKanjiDatabase, TheRecordOfEat) {
    const CKanjiData& eat = Kanji("食", 9);
    EXPECT_EQ(eat.grade, 2);
    EXPECT_EQ(eat.henshall, 146);
    EXPECT_EQ(eat.heisig, 1472);
    EXPECT_EQ(eat.nelsonOriginal, 5154);
    EXPECT_EQ(eat.jlptLevel, 4);
    ASSERT_FALSE(eat.readings.empty());
    bool shoku = false, taberu = false, kuu = false;
    for (const auto& reading : eat.readings) {
        for (const std::string& on : reading->onReadings)
            shoku = shoku || on == "SHOKU";
        for (std::size_t i = 0; i < reading->kunReadings.size(); ++i) {
            if (reading->kunReadings[i] == "ta(beru)") {
                taberu = true;
                EXPECT_EQ(reading->VerbClass(i), 2);
            }
            if (reading->kunReadings[i] == "ku(u)") {
                kuu = true;
                EXPECT_EQ(reading->VerbClass(i), 3);
            }
        }
    }
    EXPECT_TRUE(shoku);
    EXPECT_TRUE(taberu);
    EXPECT_TRUE(kuu);
}

TEST_F(RealKanjiDatabase, GodanVerbsThatLookIchidanCarryTheMarker) {
    for (const auto& [kanji, reading] :
         {std::pair{"切", "ki(ru)%"}, {"帰", "kae(ru)%"}, {"要", "i(ru)%"}}) {
        const CKanjiRef ref = s_library->FindByCharacter(sjis::FromUtf8(kanji));
        ASSERT_TRUE(ref) << kanji;
        bool found = false;
        for (const auto& group : ref.record->readings) {
            for (std::size_t i = 0; i < group->kunReadings.size(); ++i) {
                if (group->kunReadings[i] != reading) continue;
                found = true;
                EXPECT_EQ(group->VerbClass(i), 3) << kanji;
            }
        }
        EXPECT_TRUE(found) << kanji << " " << reading;
    }
}

TEST_F(RealKanjiDatabase, EnclosuresCarryBoxCodes) {
    for (const char* kanji : {"口", "日", "田", "国"}) {
        const CKanjiData& record = *s_library->FindByCharacter(sjis::FromUtf8(kanji)).record;
        bool opens = false, closes = false;
        for (const auto& segment : record.strokes.segments) {
            opens = opens || segment->type == 8;
            closes = closes || segment->type == 9;
        }
        EXPECT_TRUE(opens && closes) << kanji;
    }
}

}  // namespace
}  // namespace brushly
