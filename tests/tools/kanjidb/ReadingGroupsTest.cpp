#include "kanjidb/ReadingGroups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShiftJis.h"

namespace brushly::kanjidb {
namespace {

using Strings = std::vector<std::string>;
using Groups = std::vector<std::unique_ptr<CKanjiReading>>;

Strings SjisAll(const Strings& utf8) {
    Strings converted;
    for (const std::string& text : utf8)
        converted.push_back(sjis::FromUtf8(text));
    return converted;
}

// A KANJIDIC2 entry with its texts written in UTF-8 here.
CKanjidicEntry Kanji(std::string_view character, const Strings& on, const Strings& kun,
                     const Strings& meanings) {
    CKanjidicEntry entry;
    entry.character = sjis::FromUtf8(character);
    entry.onReadings = SjisAll(on);
    entry.kunReadings = SjisAll(kun);
    entry.meanings = meanings;
    return entry;
}

constexpr std::string_view kEdict =
    "　？？？ /EDICT/\n"
    "食べる [たべる] /(v1,vt) (1) to eat/(v1,vt) (2) to live on (e.g. a salary)/(P)/\n"
    "食う [くう] /(v5u,vt) (1) (male) to eat/(v5u,vt) (2) to live/(P)/\n"
    "切る [きる] /(v5r,vt) (1) to cut/to cut through/to perform (surgery)/(aux-v,v5r) (2) "
    "to finish/(P)/\n"
    "切れる [きれる] /(v1,vi) to break/to snap/to be cut/\n"
    "帰る [かえる] /(v5r,vi) (1) to return/to come home/(P)/\n"
    "見る [みる] /(v1,vt) (1) to see/to look/(aux-v,v1) (2) (uk) to try .../(P)/\n"
    "入る [いる] /(v5r,vi) to get in/to go in/\n"
    "入る [はいる] /(v5r,vi) (1) to enter/to go into/(P)/\n"
    "少し [すこし] /(adv,n) (1) small quantity/little/few/something/bit/(P)/\n"
    "少ない [すくない] /(adj-i) few/a little/scarce/insufficient/seldom/(P)/\n"
    "下さる [くださる] /(v5aru,vt) (hon) to give/to confer/(P)/\n"
    "来る [くる] /(vk,vi) to come/(P)/\n"
    "大きい [おおきい] /(adj-i) big/large/great/(P)/\n"
    "通る [とおる] /(v5r,vi) to go by/to pass along/(P)/\n"
    "要る [いる] /(v5r,vi) （uk） to be needed/\n"
    "三つ [みっつ] /(num) three/\n";

const CEdictDictionary& Edict() {
    static const CEdictDictionary dictionary =
        CEdictDictionary::Parse(sjis::CCodeConverter("UTF-8", "EUC-JP", "?").Convert(kEdict));
    return dictionary;
}

Groups Build(const CKanjidicEntry& entry) {
    CReadingReport report;
    return BuildReadingGroups(entry, Edict(), report);
}

struct CGroupText {
    Strings on, kun, meanings;
    bool operator==(const CGroupText&) const = default;
};

void PrintTo(const CGroupText& group, std::ostream* out) {
    const auto list = [&](const Strings& items) {
        *out << "{";
        for (const std::string& item : items)
            *out << " \"" << item << "\"";
        *out << " }";
    };
    list(group.on);
    list(group.kun);
    list(group.meanings);
}

std::vector<CGroupText> Texts(const Groups& groups) {
    std::vector<CGroupText> texts;
    for (const auto& group : groups)
        texts.push_back({group->onReadings, group->kunReadings, group->meanings});
    return texts;
}

// The verb class of the Kun reading written so, searched through every group; -1 when no
// group holds it.
int VerbClassOf(const Groups& groups, std::string_view kun) {
    for (const auto& group : groups) {
        const auto& readings = group->kunReadings;
        const auto found = std::find(readings.begin(), readings.end(), kun);
        if (found != readings.end()) return group->VerbClass(found - readings.begin());
    }
    return -1;
}

TEST(ReadingGroups, EatHasOnReadingsWithMeaningsThenOneGroupPerEdictWord) {
    const Groups groups = Build(
        Kanji("食", {"ショク", "ジキ"}, {"く.う", "く.らう", "た.べる", "は.む"}, {"eat", "food"}));
    EXPECT_EQ(Texts(groups), (std::vector<CGroupText>{
                                 {{"SHOKU", "JIKI"}, {"ku(rau)", "ha(mu)"}, {"eat", "food"}},
                                 {{}, {"ku(u)"}, {"to eat"}},
                                 {{}, {"ta(beru)"}, {"to eat"}},
                             }));
    EXPECT_EQ(VerbClassOf(groups, "ta(beru)"), 2);
    EXPECT_EQ(VerbClassOf(groups, "ku(u)"), 3);
}

TEST(ReadingGroups, CutIsMarkedGodanAndKeepsUpToFourGlossesOfItsFirstSense) {
    const Groups groups =
        Build(Kanji("切", {"セツ", "サイ"}, {"き.る", "-き.る", "き.れる"}, {"cut", "cutoff"}));
    EXPECT_EQ(Texts(groups),
              (std::vector<CGroupText>{
                  {{"SETSU", "SAI"}, {}, {"cut", "cutoff"}},
                  {{}, {"ki(ru)%"}, {"to cut", "to cut through", "to perform (surgery)"}},
                  {{}, {"ki(reru)"}, {"to break", "to snap", "to be cut"}},
              }));
    EXPECT_EQ(VerbClassOf(groups, "ki(ru)%"), 3);
    EXPECT_EQ(VerbClassOf(groups, "ki(reru)"), 2);
}

TEST(ReadingGroups, GodanMarkerOnlyWhereTheEndingMisleads) {
    EXPECT_EQ(Texts(Build(Kanji("帰", {}, {"かえ.る"}, {}))).front().kun, (Strings{"kae(ru)%"}));
    EXPECT_EQ(Texts(Build(Kanji("見", {}, {"み.る"}, {}))).front().kun, (Strings{"mi(ru)"}));
    EXPECT_EQ(Texts(Build(Kanji("通", {}, {"とお.る"}, {}))).front().kun, (Strings{"to@o(ru)"}))
        << "godan by its ending already, and the long o is written with お";
}

TEST(ReadingGroups, AWordThatIsNoVerbOrAdjectiveGetsTheNotAVerbMarker) {
    const Groups groups = Build(Kanji("少", {"ショウ"}, {"すく.ない", "すこ.し"}, {"few"}));
    EXPECT_EQ(Texts(groups),
              (std::vector<CGroupText>{
                  {{"SHOU"}, {}, {"few"}},
                  {{}, {"suku(nai)"}, {"few", "a little", "scarce", "insufficient"}},
                  {{}, {"suko(shi)$"}, {"small quantity", "little", "few", "something"}},
              }));
    EXPECT_EQ(VerbClassOf(groups, "suko(shi)$"), 0);
    EXPECT_EQ(VerbClassOf(groups, "suku(nai)"), 8);
}

TEST(ReadingGroups, HonorificAndKuruVerbsKeepTheirOwnClass) {
    const Groups give = Build(Kanji("下", {}, {"くだ.さる"}, {}));
    EXPECT_EQ(VerbClassOf(give, "kuda(saru)"), 4);
    const Groups come = Build(Kanji("来", {}, {"く.る"}, {}));
    EXPECT_EQ(VerbClassOf(come, "ku(ru)"), 7);
}

TEST(ReadingGroups, TheWordMustBeReadAsTheKunReading) {
    const Groups groups =
        Build(Kanji("入", {"ニュウ"}, {"い.る", "はい.る", "い.れる"}, {"enter"}));
    EXPECT_EQ(Texts(groups), (std::vector<CGroupText>{
                                 {{"NYUU"}, {"i(reru)"}, {"enter"}},
                                 {{}, {"i(ru)%"}, {"to get in", "to go in"}},
                                 {{}, {"hai(ru)%"}, {"to enter", "to go into"}},
                             }));
}

TEST(ReadingGroups, AWordWithoutAsciiGlossesStaysInTheFirstGroupWithItsMarker) {
    const Groups groups = Build(Kanji("要", {"ヨウ"}, {"い.る", "かなめ"}, {"need"}));
    EXPECT_EQ(Texts(groups), (std::vector<CGroupText>{
                                 {{"YOU"}, {"i(ru)%", "kaname"}, {"need"}},
                             }));
}

TEST(ReadingGroups, AffixFormsAndRepeatsAreLeftOut) {
    const Groups groups =
        Build(Kanji("上", {"ジョウ", "ショウ", "-ジョウ", "ショウ"},
                    {"-うえ", "うえ", "うわ-", "かみ", "あ.がる", "-あ.がる", "かみ"}, {"above"}));
    EXPECT_EQ(Texts(groups), (std::vector<CGroupText>{
                                 {{"JOU", "SHOU"}, {"ue", "uwa", "kami", "a(garu)"}, {"above"}},
                             }));
}

TEST(ReadingGroups, ASmallTsuEndingTheStemGoesToTheOkurigana) {
    EXPECT_EQ(Texts(Build(Kanji("三", {"サン"}, {"み", "み.つ", "みっ.つ"}, {"three"}))),
              (std::vector<CGroupText>{{{"SAN"}, {"mi", "mi(tsu)"}, {"three"}},
                                       {{}, {"mi(ttsu)$"}, {"three"}}}))
        << "the word is still written 三つ";
}

TEST(ReadingGroups, ReadingsTheRomajiCannotWriteAreLeftOut) {
    EXPECT_EQ(Texts(Build(Kanji("合", {"ゴウ", "ガッ", "カッ"}, {"あ.う", "あっ"}, {"fit"}))),
              (std::vector<CGroupText>{{{"GOU"}, {"a(u)"}, {"fit"}}}))
        << "a final small tsu";
    EXPECT_EQ(Texts(Build(Kanji("住", {"ジュウ", "ヂュウ"}, {}, {"dwell"}))),
              (std::vector<CGroupText>{{{"JUU"}, {}, {"dwell"}}}))
        << "ヂュ has no romaji";
}

TEST(ReadingGroups, AnEmptyFirstGroupIsLeftOut) {
    EXPECT_EQ(Texts(Build(Kanji("来", {}, {"く.る"}, {}))),
              (std::vector<CGroupText>{{{}, {"ku(ru)"}, {"to come"}}}));
    EXPECT_TRUE(Build(Kanji("丶", {}, {}, {})).empty());
}

TEST(ReadingGroups, TheReportCountsMarkersAndGroups) {
    CReadingReport report;
    BuildReadingGroups(Kanji("切", {"セツ"}, {"き.る", "き.れる"}, {"cut"}), Edict(), report);
    BuildReadingGroups(Kanji("少", {}, {"すこ.し"}, {}), Edict(), report);
    BuildReadingGroups(Kanji("丶", {}, {}, {}), Edict(), report);
    BuildReadingGroups(Kanji("日", {"ニチ"}, {"ひ"}, {"day"}), Edict(), report);
    EXPECT_EQ(report.kanji, 4);
    EXPECT_EQ(report.groups, 3 + 1 + 0 + 1);
    EXPECT_EQ(report.onReadings, 2);
    EXPECT_EQ(report.kunReadings, 4);
    EXPECT_EQ(report.kunOwnGroups, 3);
    EXPECT_EQ(report.kunWithMarker, 2);
    EXPECT_EQ(report.godanMarkers, 1);
    EXPECT_EQ(report.notVerbMarkers, 1);
    EXPECT_EQ(report.groupsPerKanji, (std::map<int, int>{{0, 1}, {1, 2}, {3, 1}}));
}

TEST(EdictVerbClass, FollowsThePartsOfSpeech) {
    const auto classOf = [](const Strings& partsOfSpeech) {
        CEdictEntry entry;
        entry.partsOfSpeech = partsOfSpeech;
        return EdictVerbClass(entry);
    };
    EXPECT_EQ(classOf({"v5r", "vt"}), 3);
    EXPECT_EQ(classOf({"v1", "vt", "aux-v"}), 2);
    EXPECT_EQ(classOf({"aux-v", "v5r"}), 3);
    EXPECT_EQ(classOf({"v5k-s", "vi"}), 3);
    EXPECT_EQ(classOf({"v5aru", "vt"}), 4);
    EXPECT_EQ(classOf({"vs-i"}), 5);
    EXPECT_EQ(classOf({"vs-s"}), 5);
    EXPECT_EQ(classOf({"vk", "vi"}), 7);
    EXPECT_EQ(classOf({"adj-i"}), 8);
    EXPECT_EQ(classOf({"n", "vs"}), 0);
    EXPECT_EQ(classOf({"adv", "n"}), 0);
    EXPECT_EQ(classOf({}), 0);
    EXPECT_EQ(classOf({"v4r", "vi"}), kOtherVerbClass);
    EXPECT_EQ(classOf({"vz"}), kOtherVerbClass);
    EXPECT_EQ(classOf({"aux-v"}), kOtherVerbClass);
    EXPECT_EQ(classOf({"v1", "vt", "vi", "v5r"}), 2) << "伏せる: only a late sense is godan";
    EXPECT_EQ(classOf({"vt", "aux-v", "v5r"}), 3);
}

// ---- The installed data sets ----

constexpr const char* kKanjidicPath = "/usr/share/edict/kanjidic2.xml.gz";
constexpr const char* kEdictPath = "/usr/share/edict/edict";

// Reads the installed KANJIDIC2 and EDICT once for all tests of the suite. Without them the
// tests are skipped, except in CI, where the data sets are installed and must be found.
class RealReadingData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::exists(kKanjidicPath) || !std::filesystem::exists(kEdictPath)) {
            return;
        }
        s_kanjidic = ReadKanjidic(kKanjidicPath);
        s_edict = CEdictDictionary::Read(kEdictPath);
    }
    static void TearDownTestSuite() {
        s_kanjidic.reset();
        s_edict.reset();
    }

    void SetUp() override {
        if (s_kanjidic && s_edict) return;
        const char* ci = std::getenv("CI");
        if (ci && std::string_view(ci) == "true") {
            FAIL() << kKanjidicPath << " or " << kEdictPath << " is missing";
        }
        GTEST_SKIP() << kKanjidicPath << " or " << kEdictPath << " is not installed";
    }

    static const CKanjidicEntry& Entry(std::string_view utf8) {
        const std::string character = sjis::FromUtf8(utf8);
        const auto found =
            std::find_if(s_kanjidic->entries.begin(), s_kanjidic->entries.end(),
                         [&](const CKanjidicEntry& entry) { return entry.character == character; });
        if (found == s_kanjidic->entries.end()) throw std::runtime_error("no entry");
        return *found;
    }

    static inline std::optional<CKanjidic> s_kanjidic;
    static inline std::optional<CEdictDictionary> s_edict;
};

TEST_F(RealReadingData, KanjidicHoldsTheJouyouKanji) {
    EXPECT_GE(s_kanjidic->entries.size(), 6000u);
    const auto jouyou = std::count_if(
        s_kanjidic->entries.begin(), s_kanjidic->entries.end(), [](const CKanjidicEntry& entry) {
            return (entry.grade >= 1 && entry.grade <= 6) || entry.grade == 8;
        });
    EXPECT_EQ(jouyou, 2136);
}

TEST_F(RealReadingData, EatHasItsReferencesAndReadings) {
    const CKanjidicEntry& eat = Entry("食");
    CKanjiData record;
    ApplyReferences(eat, record);
    EXPECT_EQ(record.grade, 2);
    EXPECT_EQ(record.henshall, 146);
    EXPECT_EQ(record.heisig, 1472);
    EXPECT_EQ(record.nelsonOriginal, 5154);
    EXPECT_EQ(eat.jlpt, 4);

    CReadingReport report;
    const Groups groups = BuildReadingGroups(eat, *s_edict, report);
    ASSERT_FALSE(groups.empty());
    const Strings& on = groups.front()->onReadings;
    EXPECT_NE(std::find(on.begin(), on.end(), "SHOKU"), on.end());
    EXPECT_EQ(VerbClassOf(groups, "ta(beru)"), 2);
    EXPECT_EQ(VerbClassOf(groups, "ku(u)"), 3);
}

TEST_F(RealReadingData, CutIsAGodanVerb) {
    CReadingReport report;
    const Groups groups = BuildReadingGroups(Entry("切"), *s_edict, report);
    EXPECT_EQ(VerbClassOf(groups, "ki(ru)%"), 3);
}

}  // namespace
}  // namespace brushly::kanjidb
