#include "practice/VerbConjugation.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "lookup/RomajiKana.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"

namespace brushly {
namespace {

// A kanji card with one reading group of the given Kun readings.
CKanjiCard VerbKanji(const std::string& character, std::vector<std::string> kun) {
    CKanjiCard card;
    card.character = character;
    auto reading = std::make_unique<CKanjiReading>();
    reading->kunReadings = std::move(kun);
    card.readings.push_back(std::move(reading));
    return card;
}

// What a student would write for the forms: the stem followed by each form text.
std::vector<std::string> Written(const std::string& reading, int verbClass,
                                 const std::vector<int>& forms) {
    const VerbParts parts = ComputeVerbParts(reading, verbClass);
    std::vector<std::string> written;
    for (const int form : forms)
        written.push_back(parts.part[0] + VerbFormText(parts, form));
    return written;
}

using Texts = std::vector<std::string>;

FlashDeckEntry InflectedEntry(CKanjiCard& card, int kun, int form) {
    FlashDeckEntry entry;
    entry.kanji = &card;
    entry.inflectionGroup = 0;
    entry.inflectionReading = kun;
    entry.inflectionForm = form;
    return entry;
}

TEST(VerbConjugationTest, GodanKakuGivesEveryPart) {
    EXPECT_EQ(Written("ka(ku)", kVerbGodan, {14, 3, 5, 2, 11, 6, 19, 27, 28, 29, 30}),
              (Texts{"kakanai", "kakimasu", "kaite", "kaita", "kakeba", "kakoo", "kakumai",
                     "kakareru", "kakeru", "kakaseru", "kakaserareru"}));
}

TEST(VerbConjugationTest, TsuAndBareUAndIchidanEndings) {
    EXPECT_EQ(Written("ma(tsu)", kVerbGodan, {5, 14}), (Texts{"matte", "matanai"}));
    EXPECT_EQ(Written("ka(u)", kVerbGodan, {14, 5, 27}), (Texts{"kawanai", "katte", "kawareru"}));
    EXPECT_EQ(Written("ta(beru)", kVerbIchidan, {14, 5, 10, 6, 27, 29}),
              (Texts{"tabenai", "tabete", "tabero", "tabeyoo", "taberareru", "tabesaseru"}));
}

TEST(VerbConjugationTest, IkuTakesTheShortGerundAndAruThePlainNegative) {
    EXPECT_EQ(Written("i(ku)", kVerbGodan, {5, 2, 12, 13, 14}),
              (Texts{"itte", "itta", "ittara", "ittari", "ikanai"}));

    const VerbParts aru = ComputeVerbParts("a(ru)", kVerbGodan);
    EXPECT_EQ(VerbFormText(aru, 14), "nai");
    EXPECT_EQ(VerbFormText(aru, 15), "nakatta");
    EXPECT_EQ(VerbFormText(aru, 24), "nakereba");
    EXPECT_EQ(VerbFormText(aru, 16), "rimasen");
    EXPECT_FALSE(VerbFormShowsKanji(aru, 14));
    EXPECT_TRUE(VerbFormShowsKanji(aru, 16));

    CKanjiCard card = VerbKanji("\x97\x4c", {"a(ru)"});  // 有
    const FlashDeckEntry entry = InflectedEntry(card, 0, 14);
    EXPECT_EQ(InflectedVerbText(entry), RomajiToKana("nai", false, false));
    EXPECT_TRUE(IsVerbAnswerRight(entry, "nai"));
    EXPECT_FALSE(IsVerbAnswerRight(entry, "aranai"));
}

TEST(VerbConjugationTest, SuruAndKuruAnswersUseTheirStems) {
    CKanjiCard kuru = VerbKanji("\x97\x88", {"ku(ru)"});  // 来
    ASSERT_EQ(kuru.readings[0]->VerbClass(0), kVerbKuru);
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(kuru, 0, 3), "kimasu"));
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(kuru, 0, 14), "konai"));
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(kuru, 0, 1), "kuru"));
    EXPECT_FALSE(IsVerbAnswerRight(InflectedEntry(kuru, 0, 14), "kunai"));
    EXPECT_EQ(InflectedVerbText(InflectedEntry(kuru, 0, 14)),
              "\x97\x88" + RomajiToKana("nai", false, false));

    CKanjiCard suru = VerbKanji("\x88\xa4", {"ai(suru)"});  // 愛
    ASSERT_EQ(suru.readings[0]->VerbClass(0), kVerbSuru);
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(suru, 0, 4), "aishimashita"));
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(suru, 0, 16), "Ai Shimasen"));
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(suru, 0, 16), "aisimasen"));
}

// The forms of a reading as the verb table writes them: the kanji (or ない alone), then kana.
Texts TableForms(const std::string& kanji, const std::string& reading,
                 const std::vector<int>& forms) {
    CKanjiCard card = VerbKanji(sjis::FromUtf8(kanji), {reading});
    Texts shown;
    for (const int form : forms)
        shown.push_back(sjis::ToUtf8(InflectedVerbText(InflectedEntry(card, 0, form))));
    return shown;
}

// Forms 1 indicative, 2 past, 3 -masu, 5 te, 6 volitional, 14 negative, 16 -masen.
TEST(VerbConjugationTest, SuruVerbsOfEveryWritingConjugateAsSuru) {
    EXPECT_EQ(TableForms("為", "su(ru)", {1, 2, 3, 5, 14}),
              (Texts{"為する", "為した", "為します", "為して", "為しない"}));
    EXPECT_EQ(TableForms("欲", "ho(ssuru)", {1, 2, 3, 5, 14}),
              (Texts{"欲っする", "欲っした", "欲っします", "欲っして", "欲っしない"}));
    EXPECT_EQ(TableForms("罰", "ba(ssuru)", {2, 14}), (Texts{"罰っした", "罰っしない"}));
    EXPECT_EQ(
        TableForms("訓", "kun(zuru)", {1, 2, 3, 5, 6, 14, 16}),
        (Texts{"訓ずる", "訓じた", "訓じます", "訓じて", "訓じよう", "訓じない", "訓じません"}));
    CKanjiCard hossuru = VerbKanji(sjis::FromUtf8("欲"), {"ho(ssuru)"});
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(hossuru, 0, 3), "hosshimasu"));
}

TEST(VerbConjugationTest, ToUAndKoUTakeTheGerundInUte) {
    EXPECT_EQ(TableForms("問", "to(u)", {2, 5, 3, 14}),
              (Texts{"問うた", "問うて", "問います", "問わない"}));
    EXPECT_EQ(TableForms("請", "ko(u)", {2, 5}), (Texts{"請うた", "請うて"}));
    EXPECT_EQ(TableForms("乞", "ko(u)", {5}), (Texts{"乞うて"}));
    // The other -ou verbs keep the small tsu.
    EXPECT_EQ(TableForms("思", "omo(u)", {5}), (Texts{"思って"}));
    EXPECT_EQ(TableForms("追", "o(u)", {5}), (Texts{"追って"}));
}

// 思おう is written "omoou" (or "omooo" with the long o doubled); "omooo" alone was taken
// before, for the o of the stem met the o of the ending.
TEST(VerbConjugationTest, VolitionalAfterAnOStemIsAcceptedInItsUsualSpellings) {
    const struct {
        const char* kanji;
        const char* reading;
        const char* written;
    } verbs[] = {{"思", "omo(u)", "omoou"},
                 {"追", "o(u)", "oou"},
                 {"負", "o(u)", "oou"},
                 {"酔", "yo(u)", "yoou"},
                 {"揃", "soro(u)", "soroou"}};
    for (const auto& verb : verbs) {
        CKanjiCard card = VerbKanji(sjis::FromUtf8(verb.kanji), {verb.reading});
        const FlashDeckEntry volitional = InflectedEntry(card, 0, 6);
        const std::string written = verb.written;
        EXPECT_TRUE(IsVerbAnswerRight(volitional, written)) << written;
        std::string doubled = written;
        doubled.back() = 'o';
        EXPECT_TRUE(IsVerbAnswerRight(volitional, doubled)) << doubled;
        EXPECT_FALSE(IsVerbAnswerRight(volitional, written.substr(0, written.size() - 1)))
            << written;
    }
    CKanjiCard card = VerbKanji(sjis::FromUtf8("思"), {"omo(u)"});
    EXPECT_FALSE(IsVerbAnswerRight(InflectedEntry(card, 0, 6), "omou"));
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(card, 0, 7), "omoimashou"));
}

TEST(VerbConjugationTest, ReadingsSharingTheFormTextAreBothAccepted) {
    CKanjiCard card = VerbKanji("\x8a\x4a", {"a(ku)", "hira(ku)", "a(keru)"});  // 開
    const FlashDeckEntry negative = InflectedEntry(card, 0, 14);
    EXPECT_TRUE(IsVerbAnswerRight(negative, "akanai"));
    EXPECT_TRUE(IsVerbAnswerRight(negative, "hirakanai"));
    EXPECT_FALSE(IsVerbAnswerRight(negative, "akenai"));
    // The long o typed either way; Kunrei spellings normalized.
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(card, 1, 6), "hirakou"));
    CKanjiCard matsu = VerbKanji("\x91\xd2", {"ma(tsu)"});  // 待
    EXPECT_TRUE(IsVerbAnswerRight(InflectedEntry(matsu, 0, 1), "matu"));
}

TEST(VerbConjugationTest, FormalNegativeOptionsEnableFourForms) {
    CFlashOptions options;
    options.verbAffirmative = 0;
    options.verbInformal = 0;
    options.verbPresumptive = 1;
    EXPECT_EQ(EnabledVerbForms(options), (std::vector<int>{16, 17, 20, 22}));
    EXPECT_EQ(VerbTableRowCount(options), 4);

    CScriptedPrompter prompter;
    CRandom random(prompter, 7);
    CKanjiCard card = VerbKanji("\x8f\x91", {"ka(ku)"});  // 書
    std::set<int> picked;
    for (int i = 0; i < 100; ++i) {
        FlashDeckEntry entry;
        entry.kanji = &card;
        ASSERT_TRUE(ChooseRandomInflection(entry, options, random));
        picked.insert(entry.inflectionForm);
    }
    EXPECT_EQ(picked, (std::set<int>{16, 17, 20, 22}));

    options.verbNegative = 0;
    FlashDeckEntry entry;
    entry.kanji = &card;
    EXPECT_FALSE(ChooseRandomInflection(entry, options, random));
    EXPECT_EQ(InflectedVerbText(entry), card.character);
}

TEST(VerbConjugationTest, PassiveGroupCountsFourRows) {
    CFlashOptions options;
    const int defaults = VerbTableRowCount(options);
    options.verbPassive = 1;
    EXPECT_EQ(VerbTableRowCount(options), defaults + 4);
}

}  // namespace
}  // namespace brushly
