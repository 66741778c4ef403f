// The kanji search engine over built libraries and the generated database: text, reference,
// Shift-JIS and handwriting searches, their captions and messages, paging, and cards added.
#include "lookup/CKanjiSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "document/CKanjiCard.h"
#include "handwriting/CSimilarityScorer.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using testing::MakeReading;
using testing::Segment;

// `count` horizontal one-segment strokes, 20 px apart.
CKanjiStrokes Horizontals(int count, int offset = 0) {
    CKanjiStrokes strokes;
    for (int i = 0; i < count; ++i) {
        const int y = 20 + 30 * i + offset;
        strokes.Append(*Segment(20, y, 180, y, kStraight, 1));
    }
    return strokes;
}

CKanjiData& AddKanji(CKanjiLibrary& library, int group, const std::string& utf8) {
    auto record = std::make_unique<CKanjiData>();
    record->character = sjis::FromUtf8(utf8);
    record->strokes = Horizontals(std::min(group, 6));
    CKanjiData& added = *record;
    library.AddKanji(group, std::move(record));
    return added;
}

class KanjiSearchTest : public ::testing::Test {
protected:
    KanjiSearchTest() : m_document(m_settings, m_prompter, 5) {
        // 一 (1, code 0x88EA): ichi / hito(tsu), "one"; 東 (8): tou / higashi, "east";
        // 京 (8): kyou, and a second group read tookyoo; 亜 (7): a, "Asia"; 津 (9): shin / tsu,
        // "harbour".
        CKanjiData& one = AddKanji(m_library, 1, "一");
        one.readings.push_back(MakeReading({"ICHI"}, {"hito(tsu)"}, {"one"}));
        one.heisig = 1;
        one.grade = 1;
        CKanjiData& east = AddKanji(m_library, 8, "東");
        east.readings.push_back(MakeReading({"TOU"}, {"higashi"}, {"east"}));
        east.grade = 2;
        CKanjiData& kyo = AddKanji(m_library, 8, "京");
        kyo.readings.push_back(MakeReading({"KYOU"}, {}, {"capital"}));
        kyo.readings.push_back(MakeReading({}, {"tookyoo"}, {"Tokyo"}));
        kyo.grade = 8;
        CKanjiData& a = AddKanji(m_library, 7, "亜");
        a.readings.push_back(MakeReading({"A"}, {}, {"Asia", "rank next"}));
        a.heisig = 1616;
        CKanjiData& harbour = AddKanji(m_library, 9, "津");
        harbour.readings.push_back(MakeReading({"SHIN"}, {"tsu"}, {"harbour", "one"}));
    }

    CKanjiSearchState& State() { return m_state; }
    std::vector<std::string> Characters() const {
        std::vector<std::string> characters;
        for (const CKanjiMatch& match : m_state.results)
            characters.push_back(sjis::ToUtf8(
                m_library.KanjiGroup(match.group)[static_cast<std::size_t>(match.index)]
                    ->character));
        return characters;
    }
    CKanjiCard& OnlyKanjiCard() {
        EXPECT_EQ(m_document.Cards().KanjiCards().size(), 1u);
        return *m_document.Cards().KanjiCards().front();
    }

    CKanjiLibrary m_library;
    CKanjiSearchState m_state;
    CScriptedPrompter m_prompter;
    CMemorySettingsStore m_settings;
    CBrushly2Doc m_document;
    CKanjiSearch m_search{m_library, m_state, m_prompter};
};

TEST_F(KanjiSearchTest, CaptionsFollowTheStrokeValueAndWindow) {
    m_state.meaning = "one";
    ASSERT_TRUE(m_search.SearchText());
    EXPECT_EQ(m_state.caption, "2 matches with 1 to 24 strokes:");  // window off

    m_state.strokeWindow = true;
    m_state.strokes = 3;
    m_state.tolerance = 5;
    m_search.SearchText();
    EXPECT_EQ(m_state.caption, "1 match with 1 to 8 strokes:");  // 津 has 9 strokes
    EXPECT_EQ(Characters(), std::vector<std::string>{"一"});

    m_state.strokes = 1;
    m_state.tolerance = 0;
    m_search.SearchText();
    EXPECT_EQ(m_state.caption, "1 match with 1 stroke");
    m_state.strokes = 9;
    m_search.SearchText();
    EXPECT_EQ(m_state.caption, "1 match with 9 strokes");
    m_state.strokes = 30;  // both ends held at 24
    m_search.SearchText();
    EXPECT_EQ(m_state.caption, "No Kanji Matches:");
    m_state.strokeWindow = false;
    m_state.strokes = 0;
    m_search.SearchText();
    EXPECT_EQ(m_state.caption, "2 Kanji matches:");
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"No Matches.\nTry changing the number of strokes."});
}

TEST_F(KanjiSearchTest, ReadingsAreNormalisedAndTakeTheLongOVariant) {
    m_state.reading = "TU";  // Kunrei spelling, any case
    m_search.SearchText();
    EXPECT_EQ(Characters(), std::vector<std::string>{"津"});
    m_state.reading = "toukyou";
    m_search.SearchText();
    ASSERT_EQ(Characters(), std::vector<std::string>{"京"});
    EXPECT_EQ(m_state.results[0].readingIndex, 1);  // the second group matched
    EXPECT_EQ(m_search.PageRows(0)[0].text, "tookyoo : Tokyo");
    EXPECT_EQ(m_search.PageRows(1)[0].text, "toukyou : Tokyo");
    m_state.reading = "hitotsu";  // the Kun reading without parentheses
    m_search.SearchText();
    EXPECT_EQ(Characters(), std::vector<std::string>{"一"});

    m_state.useKun = false;
    m_state.reading = "tsu";
    m_search.SearchText();
    EXPECT_TRUE(m_state.results.empty());
    m_state.reading = "shin";
    m_search.SearchText();
    EXPECT_EQ(Characters(), std::vector<std::string>{"津"});
}

TEST_F(KanjiSearchTest, OrTakesEitherMatchAndAndNeedsBoth) {
    m_state.reading = "tou";
    m_state.meaning = "Asia";
    m_search.SearchText();
    EXPECT_EQ(Characters(), (std::vector<std::string>{"亜", "東"}));  // by stroke count
    m_state.andMode = 1;
    m_search.SearchText();
    EXPECT_TRUE(m_state.results.empty());
    m_state.meaning = "east";
    m_search.SearchText();
    EXPECT_EQ(Characters(), std::vector<std::string>{"東"});
    m_state.meaning = "eas";  // tokens match whole
    m_search.SearchText();
    EXPECT_TRUE(m_state.results.empty());
    m_prompter.Clear();

    m_state.meaning.clear();
    EXPECT_FALSE(m_search.SearchText());
    EXPECT_EQ(
        m_prompter.Texts(),
        std::vector<std::string>{"Both 'Reading' and 'Meaning' must be entered for AND search."});
    m_state.reading.clear();
    m_prompter.Clear();
    EXPECT_FALSE(m_search.SearchText());  // nothing to search for: nothing happens
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(m_state.caption, "No Kanji Matches:");
}

TEST_F(KanjiSearchTest, TheListenerSeesNewResultsBeforeTheirMessage) {
    std::vector<std::size_t> messagesBefore;
    m_search.SetResultsListener([&] { messagesBefore.push_back(m_prompter.Texts().size()); });
    m_state.reading = "zzz";
    m_search.SearchText();
    m_state.reading = "tsu";
    m_search.SearchText();
    EXPECT_EQ(messagesBefore, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No Matches"});
}

TEST_F(KanjiSearchTest, ShiftJisEntriesSelectTheirCharacter) {
    m_state.reference = CKanjiSearch::kShiftJisRow;
    for (const char* entry : {"88e", "88eaa", "ZZZZ", ""}) {
        m_state.referenceNumber = entry;
        EXPECT_FALSE(m_search.Find(true)) << entry;
    }
    EXPECT_TRUE(m_state.selected.Empty());
    EXPECT_TRUE(m_prompter.Texts().empty());

    m_state.referenceNumber = "88ea";
    ASSERT_TRUE(m_search.Find(true));
    EXPECT_EQ(m_state.selected.character, "\x88\xEA");
    EXPECT_EQ(m_state.selected.group, 1);
    EXPECT_EQ(m_state.caption, "Shift-JIS Database Match:");
    EXPECT_EQ(Characters(), std::vector<std::string>{"一"});

    m_state.referenceNumber = "82A0";  // あ: a character, but no kanji of the database
    m_search.Find(true);
    EXPECT_EQ(m_state.selected, (CSelectedKanji{"\x82\xA0", 0, -1}));
    EXPECT_EQ(m_state.caption, "That Shift-JIS is not in the Database");
    EXPECT_TRUE(m_state.results.empty());
    EXPECT_EQ(m_search.SelectedRecord(), nullptr);

    m_state.referenceNumber = "0041";  // no double-byte character at all
    m_search.Find(true);
    EXPECT_TRUE(m_state.selected.Empty());
    EXPECT_EQ(m_state.caption, "That Shift-JIS is not in the Database");
    EXPECT_TRUE(m_prompter.Texts().empty());  // the caption alone reports it

    m_state.referenceNumber = "88EA";
    EXPECT_FALSE(m_search.Find(false));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"With no compatible Japanese font installed, Shift-JIS "
                                       "entries to the database search are not permitted."});
}

TEST_F(KanjiSearchTest, ReferenceNumbersFindTheirKanji) {
    m_state.reference = kKeyHeisig - kFirstBookKey;
    m_state.referenceNumber = "1616th";
    ASSERT_TRUE(m_search.Find(true));
    EXPECT_EQ(Characters(), std::vector<std::string>{"亜"});
    EXPECT_EQ(m_state.caption, "Reference Match:");
    EXPECT_EQ(m_state.results[0].readingIndex, -1);

    m_state.strokeWindow = true;  // no stroke hint for a reference
    for (const char* entry : {"999", "0", "-1", "x1", "99999999999999999999"}) {
        m_state.referenceNumber = entry;
        m_search.Find(true);
        EXPECT_TRUE(m_state.results.empty()) << entry;
        EXPECT_EQ(m_state.caption, "No Kanji Matches:");
    }
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>(5, "No Matches"));
}

// Every group 1 to 24 holds a kanji with the same five strokes, so all score alike.
TEST(KanjiSearchHandwriting, VisitsTheGroupsInPassOrder) {
    CKanjiLibrary library;
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group) {
        auto record = std::make_unique<CKanjiData>();
        record->strokes = Horizontals(5);
        library.AddKanji(group, std::move(record));
    }
    CKanjiSearchState state;
    CScriptedPrompter prompter;
    CKanjiSearch search(library, state, prompter);
    CDrawnStrokes drawn;
    drawn.segments = Horizontals(5);
    search.SearchHandwriting(drawn);
    std::vector<int> groups;
    for (const CKanjiMatch& match : state.results)
        groups.push_back(match.group);
    // Pass one: 5, 6, 4; pass two goes on with 7, 3, ... 1, 10 (0 is skipped).
    EXPECT_EQ(groups, (std::vector<int>{5, 6, 4, 7, 3, 8, 2, 9, 1, 10}));
    EXPECT_EQ(state.caption, "10 Best Matches:");
    EXPECT_EQ(state.pageCount, 1);

    drawn.segments = CKanjiStrokes();
    search.SearchHandwriting(drawn);
    EXPECT_TRUE(state.results.empty());
    EXPECT_EQ(state.caption, "No Kanji Matches:");
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"No Matches"});
}

TEST(KanjiSearchHandwriting, AKanjiOfBothPassesKeepsItsFirstScore) {
    CKanjiLibrary library;
    auto record = std::make_unique<CKanjiData>();
    record->strokes = Horizontals(2, 20);  // 20 px off: scores differ by threshold
    library.AddKanji(2, std::move(record));
    CKanjiSearchState state;
    CScriptedPrompter prompter;
    CKanjiSearch search(library, state, prompter);
    CDrawnStrokes drawn;
    drawn.segments = Horizontals(2);
    search.SearchHandwriting(drawn);

    CSimilarityScorer scorer(drawn.segments);
    const int firstPass = scorer.Score(library.KanjiGroup(2)[0]->strokes, 40.0);
    ASSERT_NE(firstPass, scorer.Score(library.KanjiGroup(2)[0]->strokes, 30.0));
    EXPECT_EQ(state.results, (std::vector<CKanjiMatch>{{2, 0, -1, firstPass}}));
    EXPECT_EQ(state.caption, "Only Match");
}

TEST(KanjiSearchPaging, TwentyThreeResultsMakeThreePages) {
    CKanjiLibrary library;
    for (int i = 0; i < 23; ++i) {
        auto record = std::make_unique<CKanjiData>();
        record->character = {'\x88', static_cast<char>(0x9F + i)};
        record->readings.push_back(MakeReading({}, {"ki"}, {"tree"}));
        record->grade = i % 9;
        library.AddKanji(4, std::move(record));
    }
    CKanjiSearchState state;
    CScriptedPrompter prompter;
    CKanjiSearch search(library, state, prompter);
    state.reading = "ki";
    search.SearchText();
    EXPECT_EQ(state.pageCount, 3);
    EXPECT_EQ(state.caption, "23 matches with 1 to 24 strokes:");
    EXPECT_FALSE(search.HasPreviousPage());
    EXPECT_EQ(search.PageRows(0).size(), 10u);
    search.NextPage();
    search.SelectRow(3);
    EXPECT_EQ(state.selected, (CSelectedKanji{{'\x88', static_cast<char>(0x9F + 13)}, 4, 13}));
    search.NextPage();
    EXPECT_FALSE(search.HasNextPage());
    EXPECT_TRUE(search.HasPreviousPage());
    const std::vector<CKanjiResultRow> last = search.PageRows(0);
    ASSERT_EQ(last.size(), 3u);
    EXPECT_EQ(last[2].text, "ki : tree");
    EXPECT_EQ(last[2].grade, 22 % 9);
    search.SelectRow(3);  // no result there: the selection stays
    EXPECT_EQ(state.selected.index, 13);
    search.NextPage();
    EXPECT_EQ(state.page, 3);
    search.SearchText();  // a new search starts again at page 1
    EXPECT_EQ(state.page, 1);
}

TEST_F(KanjiSearchTest, AddCardRefusesUntilAKanjiAndAGroupAreChosen) {
    EXPECT_FALSE(m_search.AddCard(m_document, "Numbers"));
    m_state.reading = "higashi";
    m_search.SearchText();
    m_search.SelectRow(0);
    EXPECT_FALSE(m_search.AddCard(m_document, "Numbers"));
    m_document.Cards().AddGroup("Numbers");
    EXPECT_FALSE(m_search.AddCard(m_document, ""));
    EXPECT_FALSE(m_search.AddCard(m_document, "Gone"));
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"No Kanji has been selected",
                                        "You first need to add/create a Word Group",
                                        "No Word Group is selected", "No Word Group is selected"}));
    EXPECT_FALSE(m_document.IsModified());

    ASSERT_TRUE(m_search.AddCard(m_document, "Numbers"));
    const CKanjiCard& card = OnlyKanjiCard();
    EXPECT_EQ(card.groupName, "Numbers");
    EXPECT_EQ(sjis::ToUtf8(card.character), "東");
    EXPECT_EQ(card.dbGroup, 8);
    EXPECT_EQ(card.dbIndex, 0);
    ASSERT_EQ(card.readings.size(), 1u);
    EXPECT_EQ(card.readings[0]->DisplayText(0), "TOU, higashi : east");
    EXPECT_TRUE(m_state.selected.Empty());
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_document.Cards().FindGroup("Numbers")->kanjiCards.size(), 1u);
}

TEST_F(KanjiSearchTest, AKanjiOutsideTheDatabaseGetsNoReading) {
    m_document.Cards().AddGroup("Kana");
    m_state.reference = CKanjiSearch::kShiftJisRow;
    m_state.referenceNumber = "82a0";
    m_search.Find(true);
    ASSERT_TRUE(m_search.AddCard(m_document, "Kana"));
    const CKanjiCard& card = OnlyKanjiCard();
    EXPECT_EQ(card.character, "\x82\xA0");
    EXPECT_EQ(card.dbGroup, 0);
    EXPECT_EQ(card.dbIndex, -1);
    ASSERT_EQ(card.readings.size(), 1u);
    EXPECT_EQ(card.readings[0]->kunReadings, std::vector<std::string>{"none"});
    EXPECT_EQ(card.readings[0]->meanings, std::vector<std::string>{"no reading"});
    EXPECT_TRUE(card.readings[0]->onReadings.empty());
}

TEST_F(KanjiSearchTest, OkChecksTheWordGroupOnlyWhenItAdds) {
    EXPECT_FALSE(m_search.Accept(CKanjiSearchRequest::kModeGetKanji, m_document, ""));
    m_state.selected = {sjis::FromUtf8("京"), 0, -1};  // typed, not looked up yet
    EXPECT_FALSE(m_search.Accept(CKanjiSearchRequest::kModeAddAndExit, m_document, ""));
    EXPECT_TRUE(m_search.Accept(CKanjiSearchRequest::kModeEditCard, m_document, ""));
    EXPECT_EQ(m_state.selected, (CSelectedKanji{sjis::FromUtf8("京"), 8, 1}));
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"No Kanji has been selected",
                                        "You first need to add/create a Word Group"}));
    EXPECT_STREQ(CKanjiSearch::OkButtonText(0), "Add and E&xit");
    EXPECT_STREQ(CKanjiSearch::OkButtonText(1), "&Edit Card");
    EXPECT_STREQ(CKanjiSearch::OkButtonText(2), "&Use this Kanji");
}

TEST_F(KanjiSearchTest, ShowDataListsTheReferencesGradeAndLevel) {
    const CKanjiData& kyo = *m_library.KanjiGroup(8)[1];
    const std::vector<CKanjiDataField> fields = KanjiDataFields(kyo);
    ASSERT_EQ(fields.size(), 14u);
    EXPECT_EQ(fields[3].label, "Heisig");
    EXPECT_EQ(fields[3].value, "none");
    EXPECT_EQ(fields[10].value, "8B9E");
    EXPECT_EQ(fields[11].value, "6");  // the strokes the record holds
    EXPECT_EQ(fields[12].value, "7+");
    EXPECT_EQ(fields[13].value, "none");
    EXPECT_EQ(KanjiDataFields(*m_library.KanjiGroup(7)[0])[3].value, "1616");
}

// The generated database: everyday searches find what a dictionary lists.
TEST(RealKanjiSearch, FindsKanjiByReadingMeaningAndReference) {
    const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(file), "generated kanji database");
    CScriptedPrompter prompter;
    CKanjiLibrary library;
    ASSERT_TRUE(library.Load(file.string(), prompter));
    CKanjiSearchState state;
    CKanjiSearch search(library, state, prompter);
    const auto characters = [&] {
        std::string text;
        for (const CKanjiMatch& match : state.results)
            text +=
                library.KanjiGroup(match.group)[static_cast<std::size_t>(match.index)]->character;
        return sjis::ToUtf8(text);
    };
    state.reading = "mizu";
    state.meaning = "water";
    state.andMode = 1;
    search.SearchText();
    EXPECT_NE(characters().find("水"), std::string::npos);
    state.reading = "higashi";
    state.meaning = "east";
    search.SearchText();
    EXPECT_EQ(characters(), "東");
    state.andMode = 0;
    state.meaning.clear();
    state.reading = "toukyou";  // 京 lists no such reading; nothing else should either
    search.SearchText();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"No Matches"});

    state.reference = kKeyHeisig - kFirstBookKey;
    state.referenceNumber = "1";
    search.Find(true);
    EXPECT_EQ(characters(), "一");
}

}  // namespace
}  // namespace brushly
