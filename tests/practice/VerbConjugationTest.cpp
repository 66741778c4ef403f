#include "practice/VerbConjugation.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "lookup/RomajiKana.h"
#include "platform/CScriptedPrompter.h"

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

// What a student would write for each form: the stem followed by the form text.
std::map<int, std::string> Written(const std::string& reading, int verbClass) {
    const VerbParts parts = ComputeVerbParts(reading, verbClass);
    std::map<int, std::string> forms;
    for (int form = 1; form <= kVerbFormCount; ++form)
        forms[form] = parts.part[0] + VerbFormText(parts, form);
    return forms;
}

FlashDeckEntry InflectedEntry(CKanjiCard& card, int kun, int form) {
    FlashDeckEntry entry;
    entry.kanji = &card;
    entry.inflectionGroup = 0;
    entry.inflectionReading = kun;
    entry.inflectionForm = form;
    return entry;
}

TEST(VerbConjugationTest, GodanKakuGivesEveryPart) {
    auto forms = Written("ka(ku)", kVerbGodan);
    EXPECT_EQ(forms[14], "kakanai");
    EXPECT_EQ(forms[3], "kakimasu");
    EXPECT_EQ(forms[5], "kaite");
    EXPECT_EQ(forms[2], "kaita");
    EXPECT_EQ(forms[11], "kakeba");
    EXPECT_EQ(forms[6], "kakoo");
    EXPECT_EQ(forms[19], "kakumai");
    EXPECT_EQ(forms[27], "kakareru");
    EXPECT_EQ(forms[28], "kakeru");
    EXPECT_EQ(forms[29], "kakaseru");
    EXPECT_EQ(forms[30], "kakaserareru");
}

TEST(VerbConjugationTest, TsuAndBareUAndIchidanEndings) {
    auto matsu = Written("ma(tsu)", kVerbGodan);
    EXPECT_EQ(matsu[5], "matte");
    EXPECT_EQ(matsu[14], "matanai");
    auto kau = Written("ka(u)", kVerbGodan);
    EXPECT_EQ(kau[14], "kawanai");
    EXPECT_EQ(kau[5], "katte");
    EXPECT_EQ(kau[27], "kawareru");
    auto taberu = Written("ta(beru)", kVerbIchidan);
    EXPECT_EQ(taberu[14], "tabenai");
    EXPECT_EQ(taberu[5], "tabete");
    EXPECT_EQ(taberu[10], "tabero");
    EXPECT_EQ(taberu[6], "tabeyoo");
    EXPECT_EQ(taberu[27], "taberareru");
    EXPECT_EQ(taberu[29], "tabesaseru");
}

TEST(VerbConjugationTest, IkuTakesTheShortGerundAndAruThePlainNegative) {
    auto iku = Written("i(ku)", kVerbGodan);
    EXPECT_EQ(iku[5], "itte");
    EXPECT_EQ(iku[2], "itta");
    EXPECT_EQ(iku[12], "ittara");
    EXPECT_EQ(iku[13], "ittari");
    EXPECT_EQ(iku[14], "ikanai");

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
