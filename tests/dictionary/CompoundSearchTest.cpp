// The compound search engine over small word libraries: the searches by one or more
// criteria, the merge with its options, the questions of an empty EDICT result, paging and
// captions, the displayed rows and selection, and the cards it adds.
#include "dictionary/CCompoundSearch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCompound.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"

namespace brushly {
namespace {

void AddEntry(CCompoundLibrary& library, const std::string& headwordUtf8, const std::string& romaji,
              const std::string& meaning) {
    auto entry = std::make_unique<CCompoundData>();
    entry->headword = sjis::FromUtf8(headwordUtf8);
    entry->romaji = romaji;
    entry->meaning = meaning;
    library.Add(std::move(entry));
}

// An EDICT-built pair of libraries: common and uncommon compounds and kana words.
class CompoundSearchTest : public ::testing::Test {
protected:
    CompoundSearchTest() : m_document(m_settings, m_prompter, 9) {
        m_compounds.SetIdentification("EDICT, EDRDG test");
        m_kanaWords.SetIdentification("EDICT, EDRDG test");
        AddEntry(m_compounds, "勉強", "benkyou", "(n,vs) study/(P)");
        AddEntry(m_compounds, "東京", "toukyou", "(n) Tokyo/(P)");
        AddEntry(m_compounds, "水車", "suisha", "(n) water wheel");
        AddEntry(m_compounds, "水鳥", "mizutori", "(n) water bird");
        AddEntry(m_kanaWords, "すごい", "sugoi", "(adj-i) terrible; amazing/(P)");
        AddEntry(m_kanaWords, "みずみずしい", "mizumizushii", "(adj-i) fresh and juicy");
        AddEntry(m_kanaWords, "水だ", "mizuda", "(exp) not a kana word, but holds the kanji");
        m_abbreviations.Append("adj-i\nexp\nn\nvs\n");
    }

    CCompoundSearch Search() {
        return CCompoundSearch(&m_compounds, &m_kanaWords, m_abbreviations, m_state, m_prompter);
    }
    void Romaji(const std::string& query) {
        m_state.romaji = query;
        m_state.useRomaji = !query.empty();
    }
    void Meaning(const std::string& query) {
        m_state.meaning = query;
        m_state.useMeaning = !query.empty();
    }
    std::vector<std::string> Romajis() const {
        std::vector<std::string> romaji;
        for (const CCompoundData* entry : m_state.combined)
            romaji.push_back(entry->romaji);
        return romaji;
    }

    CCompoundLibrary m_compounds;
    CCompoundLibrary m_kanaWords;
    CAbbreviationList m_abbreviations;
    CCompoundSearchState m_state;
    CScriptedPrompter m_prompter;
    CMemorySettingsStore m_settings;
    CBrushly2Doc m_document;
};

TEST_F(CompoundSearchTest, OneCriterionSearchesBothLibrariesAndTheMergeFollowsTheOptions) {
    CCompoundSearch search = Search();
    Meaning("water");
    m_state.commonOnly = false;
    ASSERT_TRUE(search.Search());
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "suisha"}));
    Romaji("mizu");
    Meaning("");
    search.Search();
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "mizumizushii", "mizuda"}));
    EXPECT_EQ(m_state.compoundCount, 1);

    search.SetIncludeCompounds(false);
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizumizushii", "mizuda"}));
    EXPECT_EQ(m_state.compoundCount, 0);
    search.SetIncludeCompounds(true);
    search.SetIncludeKanaWords(false);
    EXPECT_EQ(Romajis(), std::vector<std::string>{"mizutori"});
    search.SetIncludeKanaWords(true);
    search.SetCommonOnly(true);  // no question for a re-merge
    EXPECT_TRUE(m_state.combined.empty());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(CompoundSearchTest, AKanjiSearchNeverReturnsKanaWords) {
    CCompoundSearch search = Search();
    m_state.commonOnly = false;
    m_state.kanji = sjis::FromUtf8("水");
    m_state.useKanji = true;
    search.Search();
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "suisha"}));
    EXPECT_TRUE(m_state.kanaWordResults.empty());
    // With a second criterion the combined search leaves the kana words out too.
    Romaji("mizu");
    search.Search();
    EXPECT_EQ(Romajis(), std::vector<std::string>{"mizutori"});
    // Without compounds the kanji box goes off, and the romaji alone searches both.
    search.SetIncludeCompounds(false);
    EXPECT_FALSE(m_state.useKanji);
    search.SetIncludeCompounds(true);
    search.Search();
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "mizumizushii", "mizuda"}));
}

TEST_F(CompoundSearchTest, TwoCriteriaMatchAllOrAny) {
    CCompoundSearch search = Search();
    m_state.commonOnly = false;
    Romaji("mizu");
    Meaning("bird");
    search.Search();
    EXPECT_EQ(Romajis(), std::vector<std::string>{"mizutori"});
    m_state.anyMode = 1;
    search.Search();
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "mizumizushii", "mizuda"}));
    // A checked box without a query is no criterion; without any, nothing happens.
    Romaji("");
    m_state.useRomaji = true;
    Meaning("study");
    search.Search();
    EXPECT_EQ(Romajis(), std::vector<std::string>{"benkyou"});
    m_state.meaning.clear();
    EXPECT_FALSE(search.Search());
    EXPECT_EQ(Romajis(), std::vector<std::string>{"benkyou"});
}

TEST_F(CompoundSearchTest, OnlyUncommonMatchesAskAndYesShowsThemWithoutSearchingAgain) {
    CCompoundSearch search = Search();
    Meaning("water");
    m_prompter.ScriptAnswers({true});
    search.Search();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CCompoundSearch::kNoCommonQuestion});
    EXPECT_FALSE(m_state.commonOnly);
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "suisha"}));

    m_prompter.Clear();
    m_state.commonOnly = true;
    m_prompter.ScriptAnswers({false});
    search.Search();
    EXPECT_TRUE(m_state.combined.empty());
    EXPECT_TRUE(m_state.commonOnly);  // No leaves everything as it was
    EXPECT_EQ(m_prompter.Texts().size(), 1u);
}

// Each rule with the options that lead to it, and what its Yes sets.
TEST_F(CompoundSearchTest, EachEmptyResultAsksTheFirstRuleThatApplies) {
    struct Case {
        bool compounds, kanaWords, common;
        const char* romaji;
        const char* expected;
    };
    const Case cases[] = {
        {true, false, false, "sugoi", CCompoundSearch::kNoCompoundQuestion},
        {true, false, true, "suisha", CCompoundSearch::kNoCommonCompoundQuestion},
        {false, true, false, "suisha", CCompoundSearch::kNoKanaWordQuestion},
        {false, true, true, "mizumizu", CCompoundSearch::kNoCommonKanaWordQuestion},
        {true, true, false, "zzz", CCompoundSearch::kNoEdictMatchesMessage},
    };
    for (const Case& c : cases) {
        m_prompter.Clear();
        m_prompter.ScriptAnswers({true});
        m_state.includeCompounds = c.compounds;
        m_state.includeKanaWords = c.kanaWords;
        m_state.commonOnly = c.common;
        Romaji(c.romaji);
        CCompoundSearch search = Search();
        search.Search();
        ASSERT_FALSE(m_prompter.Texts().empty()) << c.romaji;
        EXPECT_EQ(m_prompter.Texts().front(), c.expected) << c.romaji;
        if (c.expected != CCompoundSearch::kNoEdictMatchesMessage) {
            EXPECT_FALSE(m_state.combined.empty()) << c.romaji;
            EXPECT_TRUE(m_state.includeCompounds || !c.compounds);
        }
    }
    EXPECT_TRUE(m_state.includeCompounds);
}

TEST_F(CompoundSearchTest, ALibraryNotBuiltFromEdictReportsItsEmptyResult) {
    m_compounds.SetIdentification("Brushly compound database");
    CCompoundSearch search = Search();
    EXPECT_EQ(std::string(CCompoundSearch::Title(&m_compounds)),
              "Brushly Compound Database Search Dialog");
    Meaning("water");  // common only would hide both: it does not apply here
    search.Search();
    EXPECT_EQ(Romajis(), (std::vector<std::string>{"mizutori", "suisha"}));
    Meaning("zzz");
    search.Search();
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{CCompoundSearch::kNoLibraryMatchesMessage});
    m_compounds.SetIdentification("EDICT");
    EXPECT_EQ(std::string(CCompoundSearch::Title(&m_compounds)),
              "EDICT Electronic Dictionary Search Dialog");
}

TEST(CompoundSearchPaging, PagesOfTenWithBothCaptionForms) {
    CCompoundLibrary compounds;
    for (int i = 0; i < 23; ++i)
        AddEntry(compounds, "語", "go" + std::to_string(i), "(n) word");
    const CAbbreviationList abbreviations;
    CCompoundSearchState state;
    CScriptedPrompter prompter;
    CCompoundSearch search(&compounds, nullptr, abbreviations, state, prompter);
    state.romaji = "go";
    state.useRomaji = true;
    search.Search();
    EXPECT_EQ(search.PageCount(), 3);
    EXPECT_EQ(search.Caption(), "Matches 1 to 10 out of 23");
    EXPECT_FALSE(search.HasPreviousPage());
    search.NextPage();
    EXPECT_EQ(search.Caption(), "Matches 11 to 20 out of 23");
    search.NextPage();
    EXPECT_EQ(search.Caption(), "Matches 21 to 23 out of 23");
    EXPECT_EQ(search.PageRows(0).size(), 3u);
    EXPECT_FALSE(search.HasNextPage());

    state.combined.resize(21);
    EXPECT_EQ(search.Caption(), "Match 21 out of 21");
    EXPECT_EQ(search.PageRows(0).size(), 1u);
    state.combined.clear();
    EXPECT_EQ(search.Caption(), "No Matches:");
}

TEST_F(CompoundSearchTest, RowsShowTheReadingAndTheMeaningAsTheOptionsSay) {
    AddEntry(m_compounds, "大きい", "oo kii", "(adj-i) big/(P)");
    CCompoundSearch search = Search();
    m_state.commonOnly = false;
    Romaji("ooki");
    search.Search();
    std::vector<CCompoundRow> rows = search.PageRows(0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].reading, "ookii");  // blanks removed
    EXPECT_EQ(search.PageRows(1)[0].reading, "oukii");
    EXPECT_EQ(rows[0].meaning, "(adj-i) big");
    EXPECT_EQ(rows[0].kind, CCompoundRowKind::kCommonCompound);
    m_state.hideAbbreviations = true;
    EXPECT_EQ(search.PageRows(0)[0].meaning, "big");

    Romaji("benkyou");
    search.Search();
    EXPECT_EQ(search.PageRows(0)[0].meaning, "study");  // "(n,vs) study/(P)"
    Meaning("water");
    m_state.useRomaji = false;
    search.Search();
    EXPECT_EQ(search.PageRows(0)[0].kind, CCompoundRowKind::kCompound);
    Romaji("sugoi");
    m_state.useMeaning = false;
    search.Search();
    EXPECT_EQ(search.PageRows(0)[0].kind, CCompoundRowKind::kCommonKanaWord);
}

TEST_F(CompoundSearchTest, TheSelectionShowsKanaForCompoundsAndOkFollowsTheMode) {
    CCompoundSearch search = Search();
    m_state.commonOnly = false;
    Romaji("mizu");
    search.Search();
    EXPECT_FALSE(search.OkEnabled(CCompoundSearchRequest::kModeAlone));
    search.SelectRow(0);  // 水鳥, a compound
    CCompoundSelection selection = search.Selection();
    EXPECT_TRUE(selection.compound);
    EXPECT_EQ(sjis::ToUtf8(selection.kana), "みずとり");
    EXPECT_EQ(selection.meaning, "(n) water bird");
    EXPECT_TRUE(search.OkEnabled(CCompoundSearchRequest::kModeCompoundEditor));
    EXPECT_FALSE(search.OkEnabled(CCompoundSearchRequest::kModeKanaWordEditor));
    search.SelectRow(1);  // みずみずしい, a kana word
    selection = search.Selection();
    EXPECT_FALSE(selection.compound);
    EXPECT_TRUE(selection.kana.empty());
    EXPECT_FALSE(search.OkEnabled(CCompoundSearchRequest::kModeCompoundEditor));
    EXPECT_TRUE(search.OkEnabled(CCompoundSearchRequest::kModeKanaWordEditor));
    EXPECT_TRUE(search.OkEnabled(CCompoundSearchRequest::kModeKanjiEditor));
    search.SelectRow(5);  // no row there
    EXPECT_EQ(m_state.selected, 1);
}

TEST_F(CompoundSearchTest, AddCardRefusesThenAddsCompoundAndKanaWordCards) {
    CCompoundSearch search = Search();
    m_state.commonOnly = false;
    EXPECT_FALSE(search.AddCard(m_document, "Words"));
    m_document.Cards().AddGroup("Words");
    EXPECT_FALSE(search.AddCard(m_document, "Words"));
    Romaji("benkyou");
    search.Search();
    search.SelectRow(0);
    EXPECT_FALSE(search.AddCard(m_document, ""));
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"You first need to add/create a Word Group",
                                        "No compound is selected.", "No Word Group is selected"}));
    ASSERT_TRUE(search.AddCard(m_document, "Words"));
    EXPECT_EQ(m_state.selected, -1);
    ASSERT_EQ(m_document.Cards().CompoundCards().size(), 1u);
    const CKanjiCompound& compound = *m_document.Cards().CompoundCards().front();
    EXPECT_EQ(sjis::ToUtf8(compound.headword), "勉強");
    EXPECT_EQ(compound.romaji, "benkyou");
    EXPECT_EQ(compound.meaning, "(n,vs) study");
    EXPECT_EQ(compound.groupName, "Words");
    EXPECT_TRUE(m_document.IsModified());

    Romaji("sugoi");
    search.Search();
    search.SelectRow(0);
    m_state.hideAbbreviations = true;
    ASSERT_TRUE(search.AddCard(m_document, "Words"));
    ASSERT_EQ(m_document.Cards().KanaWordCards().size(), 1u);
    const CKanaWord& word = *m_document.Cards().KanaWordCards().front();
    EXPECT_EQ(sjis::ToUtf8(word.kana), "すごい");
    EXPECT_EQ(word.romaji, "sugoi");
    EXPECT_EQ(word.meaning, "terrible; amazing");
}

TEST_F(CompoundSearchTest, OkHandsBackTheSelectionWithItsMeaningAsShown) {
    m_document.Cards().AddGroup("Words");
    CCompoundSearch search = Search();
    Romaji("toukyou");
    search.Search();
    search.SelectRow(0);
    CCompoundSearchResult result;
    ASSERT_TRUE(search.Accept(m_document, "Words", result));
    EXPECT_EQ(sjis::ToUtf8(result.selection.entry->headword), "東京");
    EXPECT_EQ(result.selection.meaning, "(n) Tokyo");
    EXPECT_EQ(result.wordGroup, "Words");
    EXPECT_TRUE(m_document.Cards().CompoundCards().empty());
    EXPECT_STREQ(CCompoundSearch::OkButtonText(0), "Add and E&xit");
    EXPECT_STREQ(CCompoundSearch::OkButtonText(1), "Add and E&xit");
    EXPECT_STREQ(CCompoundSearch::OkButtonText(2), "&Edit Card");
    EXPECT_STREQ(CCompoundSearch::OkButtonText(3), "&Edit Card");
}

TEST_F(CompoundSearchTest, ReplacingTheWordLibrariesEmptiesTheResults) {
    CCompoundSearch search(&m_compounds, &m_kanaWords, m_abbreviations, m_document.CompoundSearch(),
                           m_prompter);
    m_document.CompoundSearch().romaji = "mizu";
    m_document.CompoundSearch().useRomaji = true;
    m_document.CompoundSearch().commonOnly = false;
    search.Search();
    EXPECT_FALSE(m_document.CompoundSearch().combined.empty());
    m_document.SetWordLibraries(nullptr, nullptr);
    EXPECT_TRUE(m_document.CompoundSearch().combined.empty());
    EXPECT_TRUE(m_document.CompoundSearch().compoundResults.empty());
    EXPECT_EQ(m_document.CompoundSearch().romaji, "mizu");
}

}  // namespace
}  // namespace brushly
