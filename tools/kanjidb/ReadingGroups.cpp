#include "kanjidb/ReadingGroups.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "lookup/RomajiKana.h"

namespace brushly::kanjidb {

namespace {

constexpr char kGodanMarker = '%';
constexpr char kNotAVerbMarker = '$';
constexpr std::size_t kMaxGlosses = 4;
constexpr std::string_view kSmallTsu = "\x82\xC1";  // っ

// A KANJIDIC2 reading without its "-" affix marks; "-" is never a Shift-JIS trail byte.
std::string_view WithoutAffixMarks(std::string_view kana) {
    while (!kana.empty() && kana.front() == '-')
        kana.remove_prefix(1);
    while (!kana.empty() && kana.back() == '-')
        kana.remove_suffix(1);
    return kana;
}

bool IsVowel(char c) {
    return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o';
}

// Whether romaji from KanaToRomaji converts back to its kana: not empty, no "X" (kana it
// could not convert) and no final "'" (a final small tsu, which romaji cannot end in).
bool ConvertsBack(std::string_view romaji) {
    return !romaji.empty() && romaji.find('X') == std::string_view::npos && romaji.back() != '\'';
}

// Romaji of hiragana, with the お of a long o written "@o" where KanaToRomaji writes "'o".
std::string KunRomaji(std::string_view kana) {
    std::string romaji = KanaToRomaji(kana);
    for (std::size_t i = 1; i + 1 < romaji.size(); ++i) {
        if (romaji[i] == '\'' && romaji[i + 1] == 'o' && IsVowel(romaji[i - 1])) romaji[i] = '@';
    }
    return romaji;
}

// One Kun reading of the kanji.
struct CKun {
    std::string stem;       // kana as KANJIDIC2 splits the reading
    std::string okurigana;  // kana written after the kanji, empty for none
    std::string romaji;     // "ta(beru)", without marker
};

template <typename Item>
bool Contains(const std::vector<Item>& items, const Item& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

std::vector<std::string> OnRomaji(const CKanjidicEntry& entry) {
    std::vector<std::string> readings;
    for (const std::string& kana : entry.onReadings) {
        std::string romaji = KanaToRomaji(WithoutAffixMarks(kana));
        if (ConvertsBack(romaji) && !Contains(readings, romaji))
            readings.push_back(std::move(romaji));
    }
    return readings;
}

std::vector<CKun> KunReadings(const CKanjidicEntry& entry) {
    std::vector<std::string> plainForms;
    for (const std::string& kana : entry.kunReadings) {
        if (WithoutAffixMarks(kana).size() == kana.size()) plainForms.push_back(kana);
    }
    std::vector<CKun> readings;
    for (const std::string& kana : entry.kunReadings) {
        const std::string_view plain = WithoutAffixMarks(kana);
        if (plain.size() != kana.size() && Contains(plainForms, std::string(plain))) continue;
        // "." is never a Shift-JIS trail byte.
        const std::size_t dot = std::min(plain.find('.'), plain.size());
        CKun kun{std::string(plain.substr(0, dot)),
                 std::string(plain.substr(std::min(dot + 1, plain.size()))),
                 {}};
        // A stem ending in small tsu doubles the okurigana's consonant: みっ.つ is mi(ttsu).
        std::string_view stem = kun.stem;
        std::string okurigana = kun.okurigana;
        if (stem.ends_with(kSmallTsu) && !okurigana.empty()) {
            stem.remove_suffix(kSmallTsu.size());
            okurigana.insert(0, kSmallTsu);
        }
        kun.romaji = KunRomaji(stem);
        if (!ConvertsBack(kun.romaji)) continue;
        if (!okurigana.empty()) {
            const std::string okuriganaRomaji = KunRomaji(okurigana);
            if (!ConvertsBack(okuriganaRomaji)) continue;
            kun.romaji += "(" + okuriganaRomaji + ")";
        }
        const bool repeated = std::any_of(readings.begin(), readings.end(), [&](const CKun& seen) {
            return seen.romaji == kun.romaji;
        });
        if (!repeated) readings.push_back(std::move(kun));
    }
    return readings;
}

int DerivedVerbClass(const std::string& kunRomaji) {
    CKanjiReading reading;
    reading.kunReadings.push_back(kunRomaji);
    return reading.VerbClass(0);
}

// The EDICT entry of the kanji's word written with these okurigana and read as the Kun
// reading; null when EDICT has none.
const CEdictEntry* FindWord(const CKanjidicEntry& entry, const CKun& kun,
                            const CEdictDictionary& edict) {
    const std::vector<CEdictEntry>* entries = edict.Find(entry.character + kun.okurigana);
    if (!entries) return nullptr;
    const std::string reading = kun.stem + kun.okurigana;
    const auto found = std::find_if(entries->begin(), entries->end(), [&](const CEdictEntry& word) {
        return Contains(word.readings, reading);
    });
    return found != entries->end() ? &*found : nullptr;
}

std::vector<std::string> FirstGlosses(const CEdictEntry& word) {
    std::vector<std::string> glosses;
    if (word.senses.empty()) return glosses;
    for (const std::string& gloss : word.senses.front()) {
        if (glosses.size() == kMaxGlosses) break;
        if (IsAscii(gloss)) glosses.push_back(gloss);
    }
    return glosses;
}

// The marker that makes VerbClass agree with EDICT, or 0 for none.
char VerbClassMarker(const CEdictEntry& word, const std::string& kunRomaji) {
    const int edictClass = EdictVerbClass(word);
    const int derivedClass = DerivedVerbClass(kunRomaji);
    if (edictClass == kVerbGodan && derivedClass != kVerbGodan) return kGodanMarker;
    if (edictClass == kVerbNone && derivedClass != kVerbNone) return kNotAVerbMarker;
    return 0;
}

}  // namespace

int EdictVerbClass(const CEdictEntry& entry) {
    for (const std::string_view tag : entry.partsOfSpeech) {
        if (tag == "v5aru") return kVerbHonorific;
        if (tag.starts_with("v5")) return kVerbGodan;
        if (tag == "v1" || tag == "v1-s") return kVerbIchidan;
        if (tag == "vs-s" || tag == "vs-i") return kVerbSuru;
        if (tag == "vk") return kVerbKuru;
        if (tag == "adj-i" || tag == "adj-ix") return kVerbAdjective;
        if (tag.starts_with("v2") || tag.starts_with("v4") || tag == "vz" || tag == "vn" ||
            tag == "vr" || tag == "vs-c" || tag == "v-unspec") {
            return kOtherVerbClass;
        }
    }
    const bool auxiliaryVerb = std::find(entry.partsOfSpeech.begin(), entry.partsOfSpeech.end(),
                                         "aux-v") != entry.partsOfSpeech.end();
    return auxiliaryVerb ? kOtherVerbClass : kVerbNone;
}

std::vector<std::unique_ptr<CKanjiReading>> BuildReadingGroups(const CKanjidicEntry& entry,
                                                               const CEdictDictionary& edict,
                                                               CReadingReport& report) {
    auto firstGroup = std::make_unique<CKanjiReading>();
    firstGroup->onReadings = OnRomaji(entry);
    firstGroup->meanings = entry.meanings;
    report.onReadings += static_cast<int>(firstGroup->onReadings.size());

    std::vector<std::unique_ptr<CKanjiReading>> kunGroups;
    for (const CKun& kun : KunReadings(entry)) {
        ++report.kunReadings;
        const CEdictEntry* word = kun.okurigana.empty() ? nullptr : FindWord(entry, kun, edict);
        if (!word) {
            firstGroup->kunReadings.push_back(kun.romaji);
            continue;
        }
        std::string reading = kun.romaji;
        if (const char marker = VerbClassMarker(*word, kun.romaji)) {
            reading += marker;
            ++report.kunWithMarker;
            ++(marker == kGodanMarker ? report.godanMarkers : report.notVerbMarkers);
        }
        std::vector<std::string> glosses = FirstGlosses(*word);
        if (glosses.empty()) {
            firstGroup->kunReadings.push_back(std::move(reading));
            continue;
        }
        auto group = std::make_unique<CKanjiReading>();
        group->kunReadings.push_back(std::move(reading));
        group->meanings = std::move(glosses);
        kunGroups.push_back(std::move(group));
        ++report.kunOwnGroups;
    }

    std::vector<std::unique_ptr<CKanjiReading>> groups;
    const bool firstGroupEmpty = firstGroup->onReadings.empty() &&
                                 firstGroup->kunReadings.empty() && firstGroup->meanings.empty();
    if (!firstGroupEmpty) groups.push_back(std::move(firstGroup));
    for (auto& group : kunGroups)
        groups.push_back(std::move(group));

    const int count = static_cast<int>(groups.size());
    ++report.kanji;
    report.groups += count;
    ++report.groupsPerKanji[count];
    return groups;
}

}  // namespace brushly::kanjidb
