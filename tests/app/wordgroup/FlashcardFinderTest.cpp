#include "app/wordgroup/CFlashcardFinder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestCards.h"
#include "platform/CScriptedPrompter.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;
using testing::AddCompound;
using testing::AddCounter;
using testing::AddKanaWord;
using testing::AddKanji;

class FlashcardFinderTest : public ::testing::Test {
protected:
    FlashcardFinderTest() : m_finder(m_prompter) {
        m_cards.AddGroup("A");
        m_cards.AddGroup("B");
        AddKanji(m_cards, "B", "\x8d\x73", {"KOO", "GYOO"}, {"i(ku)", "yu(ku)"}, {"go", "journey"});
        AddCompound(m_cards, "A", "\x8d\x82\x8d\x5a", "kou kou", "senior high school");
        AddKanaWord(m_cards, "A", "\x82\xa8\x82\xa8\x82\xab\x82\xa2", "o'okii", "big; large");
        AddCounter(m_cards, "A", "\x96\x87", "mai", "flat things", {"ichimai"});
    }

    // The texts of every match, in order.
    Texts Find(const CFindQuery& query, int longOMode = 0) {
        Texts texts;
        for (const CFindMatch& match : CFlashcardFinder::Search(m_cards, query, longOMode))
            texts.push_back(match.groupName + ": " + match.text);
        return texts;
    }

    static CFindQuery Reading(const char* reading) {
        CFindQuery query;
        query.reading = reading;
        return query;
    }

    CFlashcardSet m_cards;
    CScriptedPrompter m_prompter;
    CFlashcardFinder m_finder;
};

TEST_F(FlashcardFinderTest, ReadingsWrittenWithOuFindCardsStoredWithOoAndTheReverse) {
    // The kanji's ON reading is stored "KOO", the compound's romaji "kou kou".
    EXPECT_EQ(Find(Reading("kou")), Texts{"B: KOO, GYOO, i(ku), yu(ku) : go; journey"});
    EXPECT_EQ(Find(Reading("KOO")), Texts{"B: KOO, GYOO, i(ku), yu(ku) : go; journey"});
    EXPECT_EQ(Find(Reading("kookoo")), Texts{"A: koukou / senior high school"});
    EXPECT_EQ(Find(Reading("Kou' kou")), Texts{"A: koukou / senior high school"});
    // Kana words are matched over their romaji in the "ou" style, kept "o'o" here.
    EXPECT_EQ(Find(Reading("o'okii")), Texts{"A: o'okii / big; large"});
    // Shown in the current long-o style.
    EXPECT_EQ(Find(Reading("kou"), 1), Texts{"B: KOU, GYOU, i(ku), yu(ku) : go; journey"});
    // A kana word too, though matched in the "ou" style.
    m_cards.AddGroup("C");
    AddKanaWord(m_cards, "C", "\x82\xc6\x82\xa8\x82\xa2", "tooi", "far");
    EXPECT_EQ(Find(Reading("toui")), Texts{"C: tooi / far"});
    EXPECT_EQ(Find(Reading("tooi"), 1), Texts{"C: toui / far"});
}

TEST_F(FlashcardFinderTest, EachKindHasItsOwnRules) {
    // Kun tokens include the whole reading without parentheses and its stem.
    EXPECT_EQ(Find(Reading("iku")).size(), 1u);
    EXPECT_EQ(Find(Reading("yu")).size(), 1u);
    CFindQuery onOnly = Reading("iku");
    onOnly.kunReadings = false;
    EXPECT_TRUE(Find(onOnly).empty());
    CFindQuery kunOnly = Reading("koo");
    kunOnly.onReadings = false;
    EXPECT_TRUE(Find(kunOnly).empty());

    // Kunrei spellings are read as Hepburn: "si" is "shi".
    m_cards.AddGroup("C");
    AddCompound(m_cards, "C", "\x8e\x75", "shi", "four");
    EXPECT_EQ(Find(Reading("si")), Texts{"C: shi / four"});

    // Meanings: kanji tokens whole, compounds and kana words anywhere, counters whole.
    CFindQuery meaning;
    meaning.meaning = "Go";
    EXPECT_EQ(Find(meaning).size(), 1u);
    meaning.meaning = "high";
    EXPECT_EQ(Find(meaning), Texts{"A: koukou / senior high school"});
    meaning.meaning = "flat";
    EXPECT_TRUE(Find(meaning).empty());
    meaning.meaning = "flat things";
    EXPECT_EQ(Find(meaning), Texts{"A: mai / flat things"});

    // Counters: the romaji as it is, normalised.
    EXPECT_EQ(Find(Reading("MAI")), Texts{"A: mai / flat things"});

    // Unticked kinds are left out.
    CFindQuery compoundsOnly = Reading("kou");
    compoundsOnly.kinds = CFindQuery::KindBit(CardKind::kCompound);
    EXPECT_TRUE(Find(compoundsOnly).empty());
}

TEST_F(FlashcardFinderTest, AndNeedsBothCriteriaOrEither) {
    CFindQuery query = Reading("koukou");
    query.meaning = "journey";
    EXPECT_EQ(Find(query).size(), 2u);
    query.useAnd = true;
    EXPECT_TRUE(Find(query).empty());
    query.reading = "kou";
    EXPECT_EQ(Find(query).size(), 1u);
    // AND with one field empty is an ordinary search of the other.
    query.meaning.clear();
    EXPECT_EQ(Find(query).size(), 1u);
}

TEST_F(FlashcardFinderTest, NoMatchNamesTheSearchAndEmptyFieldsSearchNothing) {
    EXPECT_EQ(m_finder.Find(m_cards, CFindQuery{}, 0), -1);
    CFindQuery query = Reading("zzz");
    EXPECT_EQ(m_finder.Find(m_cards, query, 0), 0);
    EXPECT_EQ(m_finder.Caption(), "Matches:");
    query.reading.clear();
    query.meaning = "nothing";
    m_finder.Find(m_cards, query, 0);
    query.reading = "zzz";
    m_finder.Find(m_cards, query, 0);
    query.useAnd = true;
    m_finder.Find(m_cards, query, 0);
    EXPECT_EQ(m_prompter.Texts(),
              (Texts{"No matches to reading ''zzz''.", "No matches to meaning ''nothing''.",
                     "No matches for reading ''zzz'' OR meaning ''nothing''.",
                     "No matches for reading ''zzz'' AND meaning ''nothing''."}));
    EXPECT_EQ(m_finder.GoTo(), nullptr);
    EXPECT_EQ(m_prompter.Texts().back(), "No Match Selected");
}

TEST_F(FlashcardFinderTest, EightMatchesMakeOnePageAndNineTwo) {
    m_cards.AddGroup("Many");
    for (int i = 0; i < 8; ++i)
        AddCompound(m_cards, "Many", "\x8e\x75", "yon", "four " + std::to_string(i));
    CFindQuery query = Reading("yon");
    EXPECT_EQ(m_finder.Find(m_cards, query, 0), 8);
    EXPECT_EQ(m_finder.PageCount(), 1);
    EXPECT_EQ(m_finder.Caption(), "Matches: Page 1 of 1");
    EXPECT_FALSE(m_finder.HasPreviousPage());
    EXPECT_FALSE(m_finder.HasNextPage());
    EXPECT_EQ(m_finder.PageMatches().size(), 8u);

    AddCompound(m_cards, "Many", "\x8e\x75", "yon", "four 8");
    EXPECT_EQ(m_finder.Find(m_cards, query, 0), 9);
    EXPECT_EQ(m_finder.Caption(), "Matches: Page 1 of 2");
    EXPECT_TRUE(m_finder.HasNextPage());
    m_finder.SelectRow(2);
    m_finder.NextPage();
    EXPECT_EQ(m_finder.Caption(), "Matches: Page 2 of 2");
    EXPECT_TRUE(m_finder.HasPreviousPage());
    EXPECT_FALSE(m_finder.HasNextPage());
    ASSERT_EQ(m_finder.PageMatches().size(), 1u);
    EXPECT_EQ(m_finder.PageMatches()[0]->text, "yon / four 8");
    EXPECT_EQ(m_finder.GoTo(), nullptr) << "a new page chooses no match";
    m_finder.SelectRow(1);
    EXPECT_EQ(m_finder.GoTo(), nullptr) << "no match in that row";
    m_finder.SelectRow(0);
    const CFindMatch* match = m_finder.GoTo();
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->groupName, "Many");
    EXPECT_EQ(match->kind, CardKind::kCompound);
    EXPECT_EQ(match->card, m_cards.FindGroup("Many")->compoundCards[8]);
    EXPECT_EQ(m_prompter.Texts(), (Texts{"No Match Selected", "No Match Selected"}));
}

TEST_F(FlashcardFinderTest, AKanjiCardMatchesOncePerMatchingReadingGroup) {
    CKanjiCard& card = AddKanji(m_cards, "A", "\x90\xb6", {"SEI"}, {"i(kiru)"}, {"life"});
    auto second = std::make_unique<CKanjiReading>();
    second->onReadings = {"SHOU"};
    second->kunReadings = {"u(mu)"};
    second->meanings = {"birth", "life"};
    card.readings.push_back(std::move(second));
    CFindQuery query;
    query.meaning = "life";
    const auto matches = CFlashcardFinder::Search(m_cards, query, 0);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0].readingGroup, 0);
    EXPECT_EQ(matches[1].readingGroup, 1);
    EXPECT_EQ(matches[1].text, "SHOU, u(mu) : birth; life");
    EXPECT_EQ(matches[1].card, &card);
}

}  // namespace
}  // namespace brushly
