#include "reference/CKanjiReading.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "archive/CArchive.h"
#include "archive/CMemFile.h"
#include "platform/ShiftJis.h"

namespace brushly {
namespace {

using Strings = std::vector<std::string>;

// Texts are written in UTF-8 here and held in Shift-JIS by the record.
std::string Sjis(std::string_view utf8) {
    return sjis::FromUtf8(utf8);
}

Strings SjisAll(const Strings& utf8) {
    Strings converted;
    for (const std::string& text : utf8)
        converted.push_back(Sjis(text));
    return converted;
}

Strings Utf8All(const Strings& sjisTexts) {
    Strings converted;
    for (const std::string& text : sjisTexts)
        converted.push_back(sjis::ToUtf8(text));
    return converted;
}

CKanjiReading Reading(const Strings& on, const Strings& kun, const Strings& meanings) {
    CKanjiReading reading;
    reading.onReadings = SjisAll(on);
    reading.kunReadings = SjisAll(kun);
    reading.meanings = SjisAll(meanings);
    return reading;
}

int ClassOf(std::string_view kun) {
    return Reading({}, {std::string(kun)}, {}).VerbClass(0);
}

std::string Display(const CKanjiReading& reading, int mode) {
    return sjis::ToUtf8(reading.DisplayText(mode));
}

// ---- Verb classes ----

TEST(KanjiReadingVerbClass, EndingsDecideUnlessAMarkerIsGiven) {
    EXPECT_EQ(ClassOf("ta(beru)"), 2);
    EXPECT_EQ(ClassOf("ka(ku)"), 3);
    EXPECT_EQ(ClassOf("to(ru)"), 3);
    EXPECT_EQ(ClassOf("ki(ru)"), 2);
    EXPECT_EQ(ClassOf("ki(ru)%"), 3);
    EXPECT_EQ(ClassOf("hashi(ru)#"), 3);
}

TEST(KanjiReadingVerbClass, MarkersComeBeforeEveryOtherRule) {
    EXPECT_EQ(ClassOf("i(ku)%"), 3);
    EXPECT_EQ(ClassOf("yo(mu)#"), 3);
    EXPECT_EQ(ClassOf("a(ru)$"), 0);
    EXPECT_EQ(ClassOf("ai(suru)*"), 6);
    EXPECT_EQ(ClassOf("taka(i)$"), 0);        // before the adjective rule
    EXPECT_EQ(ClassOf("ku(ru)*"), 6);         // before kuru
    EXPECT_EQ(ClassOf("benkyou(suru)%"), 3);  // before suru
}

TEST(KanjiReadingVerbClass, AdjectivesKuruSuruAndHonorificVerbs) {
    EXPECT_EQ(ClassOf("taka(i)"), 8);
    EXPECT_EQ(ClassOf("ooki(i)"), 8);
    EXPECT_EQ(ClassOf("ku(ru)"), 7);
    EXPECT_EQ(ClassOf("KU(RU)"), 7);  // the reading is read in lower case
    EXPECT_EQ(ClassOf("benkyou(suru)"), 5);
    EXPECT_EQ(ClassOf("(suru)"), 5);
    EXPECT_EQ(ClassOf("su(ru)"), 5);  // 為る is suru itself
    EXPECT_EQ(ClassOf("ho(ssuru)"), 5);
    EXPECT_EQ(ClassOf("ba(ssuru)"), 5);
    EXPECT_EQ(ClassOf("yoshi(tosuru)"), 5);
    EXPECT_EQ(ClassOf("kosu(ru)"), 3);   // 擦る: the su is the stem's
    EXPECT_EQ(ClassOf("kun(zuru)"), 2);  // conjugated as kunjiru
    EXPECT_EQ(ClassOf("kezu(ru)"), 3);   // 削る: the zu is the stem's
    for (const char* verb : {"goza(ru)", "kudasa(ru)", "irassha(ru)", "ossha(ru)", "nasa(ru)"})
        EXPECT_EQ(ClassOf(verb), 4) << verb;
    EXPECT_EQ(ClassOf("kaka(ru)"), 3);  // -aru, but not one of the five
}

TEST(KanjiReadingVerbClass, GodanConsonantsBeforeTheFinalU) {
    for (const char* verb : {"ka(u)", "yo(bu)", "oyo(gu)", "i(u)", "ka(ku)", "yo(mu)", "shi(nu)",
                             "o(ou)", "hana(su)", "ma(tsu)", "ku(u)"})
        EXPECT_EQ(ClassOf(verb), 3) << verb;
    for (const char* other : {"ka(zu)", "ki(tu)", "a(yu)", "ha(pu)", "ke(eu)"})
        EXPECT_EQ(ClassOf(other), 0) << other;
}

TEST(KanjiReadingVerbClass, TheVowelBeforeRuSeparatesGodanFromIchidan) {
    EXPECT_EQ(ClassOf("kaka(ru)"), 3);
    EXPECT_EQ(ClassOf("o(koru)"), 3);
    EXPECT_EQ(ClassOf("u(ru)"), 3);
    EXPECT_EQ(ClassOf("ta(beru)"), 2);
    EXPECT_EQ(ClassOf("mi(ru)"), 2);
    EXPECT_EQ(ClassOf("ka(nru)"), 0);
}

TEST(KanjiReadingVerbClass, TooShortTextsAndReadingsWithoutParenthesesAreNone) {
    EXPECT_EQ(ClassOf("(u)"), 0);
    EXPECT_EQ(ClassOf("(ru)"), 0);
    EXPECT_EQ(ClassOf("a(ru)"), 3);
    EXPECT_EQ(ClassOf("()"), 0);
    EXPECT_EQ(ClassOf(""), 0);
    for (const char* plain : {"hi", "taberu", "takai", "kuru", "kaku", "taberu%", "aisuru*"})
        EXPECT_EQ(ClassOf(plain), 0) << plain;
}

TEST(KanjiReadingVerbClass, ReadsWholeCharactersAndIgnoresIndicesOutOfRange) {
    // ナ is 83 69: its trail byte is the letter i, but the reading does not end in "i".
    ASSERT_EQ(Sjis("ナ"), "\x83\x69");
    EXPECT_EQ(ClassOf("(a)ナ"), 0);
    const CKanjiReading reading = Reading({}, {"ta(beru)"}, {});
    EXPECT_EQ(reading.VerbClass(1), 0);
    EXPECT_EQ(CKanjiReading().VerbClass(0), 0);
}

TEST(KanjiReadingVerbClass, NamesOfTheCodes) {
    const Strings names{"none", "-ru", "-ru", "-u", "-aru", "suru", "suru (ON)", "kuru", "adj"};
    for (int code = 0; code < 9; ++code)
        EXPECT_EQ(CKanjiReading::VerbClassName(code), names[static_cast<std::size_t>(code)]);
    EXPECT_EQ(CKanjiReading::VerbClassName(9), "");
    EXPECT_EQ(CKanjiReading::VerbClassName(-1), "");
}

// ---- Display texts ----

TEST(KanjiReadingDisplay, OnAndKunReadingsThenTheMeanings) {
    EXPECT_EQ(Display(Reading({"SHOKU"}, {"ta(beru)"}, {"eat", "food"}), 0),
              "SHOKU, ta(beru) : eat; food");
    EXPECT_EQ(Display(Reading({"shoku", "jiki"}, {"ta(beru)", "ku(u)"}, {"eat"}), 0),
              "SHOKU, JIKI, ta(beru), ku(u) : eat");
    EXPECT_EQ(Display(Reading({}, {"ta(beru)"}, {"eat"}), 0), "ta(beru) : eat");
}

TEST(KanjiReadingDisplay, EmptyParts) {
    EXPECT_EQ(Display(Reading({}, {}, {"eat"}), 0), " : eat");
    EXPECT_EQ(Display(Reading({"SHOKU"}, {}, {}), 0), "SHOKU : ");
    EXPECT_EQ(Display(CKanjiReading(), 0), " : ");
}

TEST(KanjiReadingDisplay, LongOModeRewritesTheReadingsOnly) {
    const CKanjiReading reading = Reading({"KOO"}, {"too(i)", "to@o(ru)"}, {"good food"});
    EXPECT_EQ(Display(reading, 0), "KOO, too(i), too(ru) : good food");
    EXPECT_EQ(Display(reading, 1), "KOU, tou(i), too(ru) : good food");
    EXPECT_EQ(Display(reading, 2), "KOO, too(i), too(ru) : good food");
}

TEST(KanjiReadingDisplay, MarkersAtAndTwoAreRemovedFromTheReadings) {
    EXPECT_EQ(Display(Reading({"KA2"}, {"i(ku)%", "a(ru)$", "ai(suru)*", "yo(mu)#", "ha@2(ru)"},
                              {"counter for 2 things", "100%"}),
                      0),
              "KA, i(ku), a(ru), ai(suru), yo(mu), ha(ru) : counter for 2 things; 100%");
}

TEST(KanjiReadingDisplay, DoubleByteCharactersSurviveCasingAndRewriting) {
    // バ is 83 6F (trail byte "o"), ァ is 83 40 (trail byte "@").
    ASSERT_EQ(Sjis("バ"), "\x83\x6F");
    ASSERT_EQ(Sjis("ァ"), "\x83\x40");
    EXPECT_EQ(Display(Reading({"バo"}, {"ァ"}, {}), 1), "バO, ァ : ");
}

TEST(KanjiReadingDisplay, MeaningsTextJoinsWithCommas) {
    EXPECT_EQ(Reading({}, {}, {"eat", "food", "meal"}).MeaningsText(), "eat, food, meal");
    EXPECT_EQ(Reading({}, {}, {"eat"}).MeaningsText(), "eat");
    EXPECT_EQ(CKanjiReading().MeaningsText(), "");
}

// ---- Kana ----

TEST(KanjiReadingKana, OnReadingsInEitherKana) {
    const CKanjiReading reading = Reading({"SHOKU", "jiki"}, {}, {});
    EXPECT_EQ(sjis::ToUtf8(reading.OnKanaText(CKanjiReading::KanaKind::Hiragana)), "しょく,じき");
    EXPECT_EQ(sjis::ToUtf8(reading.OnKanaText(CKanjiReading::KanaKind::Katakana)), "ショク,ジキ");
    EXPECT_EQ(CKanjiReading().OnKanaText(CKanjiReading::KanaKind::Katakana), "");
}

TEST(KanjiReadingKana, KunReadingsWithParenthesesOrDots) {
    const CKanjiReading reading = Reading({}, {"ta(beru)", "I(KU)%", "a(ru)$", "to@o(i)"}, {});
    EXPECT_EQ(sjis::ToUtf8(reading.KunKanaText(false, false)), "た(べる),い(く),あ(る),とお(い)");
    EXPECT_EQ(sjis::ToUtf8(reading.KunKanaText(true, false)), "た.べる,い.く,あ.る,とお.い");
    EXPECT_EQ(CKanjiReading().KunKanaText(false, false), "");
}

TEST(KanjiReadingKana, SuruOnAnOnStemIsShownInKatakanaUnlessKeptPlain) {
    const CKanjiReading reading = Reading({}, {"ai(suru)*", "ta(beru)"}, {});
    EXPECT_EQ(sjis::ToUtf8(reading.KunKanaText(false, false)), "アイ(する),た(べる)");
    EXPECT_EQ(sjis::ToUtf8(reading.KunKanaText(true, false)), "アイ.する,た.べる");
    EXPECT_EQ(sjis::ToUtf8(reading.KunKanaText(false, true)), "あい(する),た(べる)");
    EXPECT_EQ(sjis::ToUtf8(reading.KunKanaText(true, true)), "あい.する,た.べる");
}

TEST(KanjiReadingKana, SplitKunEntryGivesStemAndOkuriganaApart) {
    const CKanjiReading reading = Reading({}, {"ai(suru)*", "ta(beru)", "hi", "ai(suru"}, {});
    auto parts = [&](std::size_t index, bool dot) {
        const CKanjiReading::KunParts split = reading.SplitKunEntry(index, dot);
        return Strings{sjis::ToUtf8(split.stem), sjis::ToUtf8(split.okurigana)};
    };
    EXPECT_EQ(parts(0, false), (Strings{"アイ(", "する)"}));
    EXPECT_EQ(parts(0, true), (Strings{"アイ.", "する"}));
    EXPECT_EQ(parts(1, false), (Strings{"タ(", "べる)"}));
    EXPECT_EQ(parts(2, false), (Strings{"ヒ(", ")"}));
    EXPECT_EQ(parts(3, false), (Strings{"アイ(", "する)"}));
    EXPECT_EQ(parts(4, false), (Strings{"", ""}));
}

// ---- Tokens ----

TEST(KanjiReadingTokens, OnReadingsAreCutTrimmedAndLowerCased) {
    const CKanjiReading reading =
        Reading({"SHOKU; JIKI ", "KA,GE", "[TOU]", "SEI-JO'N", " ,A,,"}, {}, {});
    Strings tokens{"kept"};
    EXPECT_EQ(reading.SplitOnReadings(tokens), 9u);
    EXPECT_EQ(tokens, (Strings{"kept", "shoku", "jiki", "ka", "ge", "tou", "sei", "jo", "n", "a"}));
}

TEST(KanjiReadingTokens, MeaningsAreCutAtBlanksParenthesesAndSlashes) {
    const CKanjiReading reading =
        Reading({}, {}, {"to eat (something)", "Eat/Drink", "[a]-b'c;d", "\tfood\t"});
    Strings tokens;
    EXPECT_EQ(reading.SplitMeanings(tokens), 10u);
    EXPECT_EQ(tokens,
              (Strings{"to", "eat", "something", "eat", "drink", "a", "b", "c", "d", "food"}));
}

TEST(KanjiReadingTokens, KunReadingsAddTheirPlainFormAndStem) {
    const CKanjiReading reading = Reading(
        {}, {"ta(beru)", "A(RU)$", "hi", "to@o(i)", "ka ke(ru)", "(o)kiru", "@", "ku$mi%no*ni#ya"},
        {});
    Strings tokens;
    EXPECT_EQ(reading.SplitKunReadings(tokens), 20u);
    EXPECT_EQ(tokens, (Strings{"ta(beru)", "taberu", "ta",  "a(ru)",    "aru",    "a",    "hi",
                               "too(i)",   "tooi",   "too", "kake(ru)", "kakeru", "kake", "(o)kiru",
                               "okiru",    "ku",     "mi",  "no",       "ni",     "ya"}));
}

TEST(KanjiReadingTokens, KunReadingsUseTheSharedSeparatorsToo) {
    const CKanjiReading reading = Reading({}, {"ka(ku);hi,mi[ni]-ki'ri"}, {});
    Strings tokens;
    EXPECT_EQ(reading.SplitKunReadings(tokens), 8u);
    EXPECT_EQ(tokens, (Strings{"ka(ku)", "kaku", "ka", "hi", "mi", "ni", "ki", "ri"}));
}

TEST(KanjiReadingTokens, DoubleByteCharactersAreNeitherCutNorCased) {
    // ー is 81 5B (trail byte "["), オ is 83 49 (trail byte "I"), ァ is 83 40 (trail byte "@").
    const CKanjiReading reading = Reading({"オー"}, {"ァ(オ)"}, {"コーヒー"});
    Strings tokens;
    EXPECT_EQ(reading.SplitOnReadings(tokens), 1u);
    EXPECT_EQ(reading.SplitMeanings(tokens), 1u);
    EXPECT_EQ(reading.SplitKunReadings(tokens), 3u);
    EXPECT_EQ(Utf8All(tokens), (Strings{"オー", "コーヒー", "ァ(オ)", "ァオ", "ァ"}));
}

TEST(KanjiReadingTokens, OneCallAppendsAtMostFiftyTokens) {
    CKanjiReading reading;
    for (int i = 0; i < 60; ++i)
        reading.meanings.push_back("m" + std::to_string(i));
    reading.onReadings = reading.meanings;

    Strings tokens;
    EXPECT_EQ(reading.SplitMeanings(tokens), CKanjiReading::kMaxTokens);
    ASSERT_EQ(tokens.size(), 50u);
    EXPECT_EQ(tokens.back(), "m49");
    // The cap counts what one call appends, not what the list already holds.
    EXPECT_EQ(reading.SplitOnReadings(tokens), 50u);
    EXPECT_EQ(tokens.size(), 100u);
}

TEST(KanjiReadingTokens, TheExtraKunTokensCountTowardsTheCap) {
    // 16 readings give 48 tokens; the 17th gets room for two of its three.
    Strings kun(16, "ta(beru)");
    kun.push_back("mi(ru)");
    kun.push_back("ki");
    const CKanjiReading reading = Reading({}, kun, {});
    Strings tokens;
    EXPECT_EQ(reading.SplitKunReadings(tokens), 50u);
    ASSERT_EQ(tokens.size(), 50u);
    EXPECT_EQ(tokens[48], "mi(ru)");
    EXPECT_EQ(tokens[49], "miru");
}

// ---- Archive ----

std::string Store(CKanjiReading& reading) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    archive.WriteObject(&reading);
    archive.Close();
    return file.Bytes();
}

std::unique_ptr<CKanjiReading> Load(const std::string& bytes) {
    CClassRegistry registry;
    registry.Register(CKanjiReading::kRuntimeClass);
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    std::unique_ptr<CKanjiReading> reading = archive.ReadOwnedObject<CKanjiReading>();
    EXPECT_EQ(archive.BytesLeft(), 0u);
    return reading;
}

const std::string kClassTag = std::string("\xFF\xFF\x01\x00\x0D\x00", 6) + "CKanjiReading";

TEST(KanjiReadingArchive, FieldsAreKunOnMeaningsAsStringArrays) {
    CKanjiReading reading = Reading({"SHOKU"}, {"ta(beru)", "ku(u)"}, {"eat", "食べる"});
    const std::string bytes = Store(reading);
    EXPECT_EQ(bytes, kClassTag + std::string("\x02\x00", 2) + "\x08ta(beru)\x05ku(u)" +
                         std::string("\x01\x00", 2) + "\x05SHOKU" + std::string("\x02\x00", 2) +
                         "\x03"
                         "eat\x06" +
                         Sjis("食べる"));

    const std::unique_ptr<CKanjiReading> loaded = Load(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->kunReadings, reading.kunReadings);
    EXPECT_EQ(loaded->onReadings, reading.onReadings);
    EXPECT_EQ(loaded->meanings, reading.meanings);
    EXPECT_EQ(Store(*loaded), bytes);
}

TEST(KanjiReadingArchive, EmptyRecordAndFixedSchema) {
    CKanjiReading empty;
    const std::string bytes = Store(empty);
    EXPECT_EQ(bytes, kClassTag + std::string(6, '\0'));

    std::string otherSchema = bytes;
    otherSchema[2] = '\x02';
    try {
        Load(otherSchema);
        ADD_FAILURE() << "a record of schema 2 loaded";
    } catch (const CArchiveException& error) {
        EXPECT_EQ(error.GetCause(), CArchiveException::Cause::BadSchema);
    }
}

TEST(KanjiReadingArchive, CopiesAreIndependent) {
    const CKanjiReading original = Reading({"SHOKU"}, {"ta(beru)"}, {"eat"});
    CKanjiReading copy = original;
    copy.kunReadings.push_back("ku(u)");
    copy.meanings[0] = "food";
    EXPECT_EQ(original.kunReadings, Strings{"ta(beru)"});
    EXPECT_EQ(original.meanings, Strings{"eat"});
    EXPECT_EQ(copy.onReadings, Strings{"SHOKU"});
}

}  // namespace
}  // namespace brushly
