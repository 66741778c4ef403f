#include "practice/VerbConjugation.h"

#include <algorithm>

#include "document/CFlashcardSet.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

enum Part : int { kP0, kP1, kP2, kP3, kP4, kP5, kP6, kP7, kP8, kP9, kP10, kP11, kP12, kP13 };

// A form: its table row label, the option that enables it besides its column and style,
// whether it is formal, and its text: a part, perhaps without its last letter, + an ending.
struct FormRecipe {
    std::string_view label;
    std::int32_t CFlashOptions::*group;
    bool formal;
    Part part;
    bool chop;
    std::string_view ending;
};

using O = CFlashOptions;
// Forms 1 to 30: 1 to 13 affirmative, 14 to 26 their negatives, 27 to 30 the passive group.
constexpr std::array<FormRecipe, kVerbFormCount> kForms{{
    {"Indicative", &O::verbIndicative, false, kP1, false, ""},
    {"Past Indicative", &O::verbIndicative, false, kP4, true, "a"},
    {"Indicative", &O::verbIndicative, true, kP3, false, "masu"},
    {"Past Indicative", &O::verbIndicative, true, kP3, false, "mashita"},
    {"Gerund (te)", &O::verbGerund, false, kP4, false, ""},
    {"Tentative", &O::verbTentative, false, kP6, false, ""},
    {"Tentative", &O::verbTentative, true, kP3, false, "mashoo"},
    {"Presumptive", &O::verbPresumptive, false, kP1, false, "daroo"},
    {"Presumptive", &O::verbPresumptive, true, kP1, false, "deshoo"},
    {"Imperative", &O::verbImperative, false, kP5, false, ""},
    {"Provisional", &O::verbProvisional, false, kP8, false, ""},
    {"Conditional", &O::verbConditional, false, kP4, true, "ara"},
    {"Representative", &O::verbRepresentative, false, kP4, true, "ari"},
    {"Indicative", &O::verbIndicative, false, kP2, false, ""},
    {"Past Indicative", &O::verbIndicative, false, kP2, true, "katta"},
    {"Indicative", &O::verbIndicative, true, kP3, false, "masen"},
    {"Past Indicative", &O::verbIndicative, true, kP3, false, "masen deshita"},
    {"Gerund (te)", &O::verbGerund, false, kP2, false, "de"},
    {"Tentative", &O::verbTentative, false, kP7, false, ""},
    {"Tentative", &O::verbTentative, true, kP3, false, "masumai"},
    {"Presumptive", &O::verbPresumptive, false, kP2, false, "daroo"},
    {"Presumptive", &O::verbPresumptive, true, kP2, false, "deshoo"},
    {"Imperative", &O::verbImperative, false, kP1, false, "na"},
    {"Provisional", &O::verbProvisional, false, kP9, false, ""},
    {"Conditional", &O::verbConditional, false, kP2, true, "kattara"},
    {"Representative", &O::verbRepresentative, false, kP2, true, "kattari"},
    {"Passive", &O::verbPassive, false, kP11, false, ""},
    {"Potential", &O::verbPassive, false, kP10, false, ""},
    {"Causative", &O::verbPassive, false, kP12, false, ""},
    {"Caus. Passive", &O::verbPassive, false, kP13, false, ""},
}};
constexpr int kNegativeOffset = 13;
constexpr int kFirstPassiveForm = 27;
constexpr int kPassiveForms = kVerbFormCount - kFirstPassiveForm + 1;
// a(ru)'s negative gerund: nakute, not naide.
constexpr int kNegativeGerund = 18;

bool ValidForm(int form) {
    return form >= 1 && form <= kVerbFormCount;
}

const FormRecipe& RecipeOf(int form) {
    return kForms[static_cast<std::size_t>(form - 1)];
}

bool FormEnabled(int form, const CFlashOptions& options) {
    if (!ValidForm(form)) return false;
    const FormRecipe& recipe = RecipeOf(form);
    const bool column =
        IsNegativeVerbForm(form) ? options.verbNegative != 0 : options.verbAffirmative != 0;
    const bool style = recipe.formal ? options.verbFormal != 0 : options.verbInformal != 0;
    return column && style && options.*recipe.group != 0;
}

// The text without its last letter (empty stays empty).
std::string Chopped(std::string_view text) {
    return std::string(text.substr(0, text.empty() ? 0 : text.size() - 1));
}

bool IsVowel(char letter) {
    return std::string_view("aiou").find(letter) != std::string_view::npos;
}

void GodanParts(VerbParts& verb) {
    auto& p = verb.part;
    const std::string r1 = Chopped(p[kP1]);
    const std::string r2 = Chopped(r1);
    p[kP3] = r1 + "i";
    p[kP2] = r1 + "anai";
    p[kP5] = r1 + "e";
    p[kP8] = r1 + "eba";
    p[kP9] = r1 + "anakereba";
    p[kP6] = r1 + "oo";
    p[kP7] = r1 + "umai";
    p[kP11] = r1 + "areru";
    p[kP10] = r1 + "eru";
    p[kP12] = r1 + "aseru";
    p[kP13] = r1 + "aserareru";
    const auto takesW = [&] {
        p[kP2] = r1 + "wanai";
        p[kP9] = r1 + "wanakereba";
    };
    if (p[kP1].size() == 1) {
        p[kP4] = p[kP0].empty() ? std::string() : p[kP0].substr(p[kP0].size() - 1);
        if (!p[kP4].empty() && IsVowel(p[kP4][0])) {
            takesW();
            p[kP4] = "tte";
            p[kP11] = "wareru";
            p[kP12] = "waseru";
            p[kP13] = "waserareru";
        }
    } else {
        switch (p[kP1][p[kP1].size() - 2]) {
            case 'b':
            case 'm':
            case 'n':
                p[kP4] = r2 + "nde";
                break;
            case 'g':
                p[kP4] = r2 + "ide";
                break;
            case 'k':
                p[kP4] = r2 + "ite";
                break;
            case 'r':
            case 't':
                p[kP4] = r2 + "tte";
                break;
            case 's':
                p[kP4] = r2 + "shite";
                break;
            default:
                p[kP4] = r1 + "tte";
                takesW();
                break;
        }
    }
    // The irregular godan verbs (see the header).
    if ((p[kP0] == "i" || p[kP0] == "yu") && p[kP1] == "ku") p[kP4] = "tte";
    if ((p[kP0] == "to" || p[kP0] == "ko") && p[kP1] == "u") p[kP4] = "ute";
    if (p[kP0] == "a" && p[kP1] == "ru") {
        verb.plainNegative = true;
        p[kP2] = "nai";
        p[kP9] = "nakereba";
    }
}

void IchidanParts(VerbParts& verb) {
    auto& p = verb.part;
    // A -zuru verb conjugates as -jiru: kunzuru, kunjinai, kunjita.
    const std::string stem = p[kP1].ends_with("zuru") ? p[kP1].substr(0, p[kP1].size() - 4) + "ji"
                                                      : Chopped(Chopped(p[kP1]));
    p[kP3] = stem;
    p[kP4] = stem + "te";
    p[kP2] = stem + "nai";
    p[kP5] = stem + "ro";
    p[kP6] = stem + "yoo";
    p[kP7] = stem + "mai";
    p[kP8] = stem + "reba";
    p[kP9] = stem + "nakereba";
    p[kP11] = stem + "rareru";
    p[kP10] = stem + "rareru";
    p[kP12] = stem + "saseru";
    p[kP13] = stem + "saserareru";
}

void SuruParts(VerbParts& verb, int verbClass) {
    auto& p = verb.part;
    // What the okurigana hold before "suru": "s" in ho(ssuru) (hosshimasu), "to" in
    // yoshi(tosuru).
    std::string prefix =
        p[kP1].ends_with("suru") ? p[kP1].substr(0, p[kP1].size() - 4) : std::string();
    if (p[kP0] + p[kP1] == "suru") {
        p[kP0] = kSuruPlaceholder;
        p[kP1] = "suru";
    } else if (prefix.empty() && !p[kP0].empty() && p[kP0].back() == 's') {
        prefix = verbClass == kVerbSuru ? "s" : "x";
    }
    p[kP3] = prefix + "shi";
    p[kP2] = prefix + "shinai";
    p[kP4] = prefix + "shite";
    p[kP5] = prefix + "siro";
    p[kP8] = prefix + "sureba";
    p[kP9] = prefix + "sinakereba";
    p[kP6] = prefix + "siyoo";
    p[kP7] = prefix + "surumai";
    p[kP11] = prefix + "sareru";
    p[kP10] = prefix + "dekiru";
    p[kP12] = prefix + "saseru";
    p[kP13] = prefix + "saserareru";
}

void KuruParts(VerbParts& verb) {
    verb.part = {std::string(kKuruPlaceholder),
                 "ru",
                 "nai",
                 "",
                 "te",
                 "i",
                 "yoo",
                 "rumai",
                 "reba",
                 "nakereba",
                 "rareru",
                 "rareru",
                 "saseru",
                 "saserareru"};
}

// The stem syllable of kuru in a form: kuru, kita, konai, ...
std::string_view KuruSyllable(int form) {
    constexpr std::array<int, 6> kKu{1, 8, 9, 11, 19, 23};
    constexpr std::array<int, 10> kKi{2, 3, 4, 5, 7, 12, 13, 16, 17, 20};
    if (std::ranges::find(kKu, form) != kKu.end()) return "ku";
    if (std::ranges::find(kKi, form) != kKi.end()) return "ki";
    return "ko";
}

// The romaji a student types for the form of one reading: stem + form text without the
// small-tsu marker and "@", as ComparableRomaji compares it.
std::string TypedForm(const VerbParts& parts, int form) {
    std::string stem = parts.part[kP0];
    if (stem == kKuruPlaceholder) {
        stem = KuruSyllable(form);
    } else if (stem == kSuruPlaceholder || !VerbFormShowsKanji(parts, form)) {
        stem.clear();
    }
    std::string text;
    for (const char letter : stem + VerbFormText(parts, form)) {
        if (letter != 'x' && letter != '@') text += letter;
    }
    return ComparableRomaji(text);
}

bool IsVerbReading(const CKanjiCard& card, const FlashDeckEntry& entry) {
    const std::vector<VerbReadingIndex> verbs = VerbReadingsOf(card);
    return std::ranges::find(verbs, VerbReadingIndex{entry.inflectionGroup,
                                                     entry.inflectionReading}) != verbs.end();
}

// The parts of the entry's inflected reading; false when it has no valid inflection.
bool InflectedParts(const FlashDeckEntry& entry, VerbParts& parts) {
    if (entry.kanji == nullptr || !ValidForm(entry.inflectionForm) ||
        !IsVerbReading(*entry.kanji, entry))
        return false;
    const VerbReadingIndex index{entry.inflectionGroup, entry.inflectionReading};
    parts = ComputeVerbParts(VerbReadingText(*entry.kanji, index),
                             VerbReadingClass(*entry.kanji, index));
    return true;
}

}  // namespace

VerbParts ComputeVerbParts(std::string_view reading, int verbClass) {
    std::string text;
    for (const char letter : sjis::AsciiLower(reading)) {
        if (std::string_view("%$*#").find(letter) == std::string_view::npos) text += letter;
    }
    // One consonant letter per kana, so that dropping letters drops whole kana.
    text = sjis::ReplaceAll(text, "tsu", "tu");
    VerbParts verb;
    auto& p = verb.part;
    const std::size_t open = text.find('(');
    p[kP0] = text.substr(0, open);
    if (open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        p[kP1] = text.substr(open + 1, close == std::string::npos ? close : close - open - 1);
    }
    switch (verbClass) {
        case kVerbRu:
        case kVerbIchidan:
            IchidanParts(verb);
            break;
        case kVerbGodan:
            if (!p[kP1].empty()) GodanParts(verb);
            break;
        case kVerbHonorific:
            p[kP3] = Chopped(Chopped(p[kP1])) + "i";
            p[kP4] = Chopped(Chopped(p[kP1])) + "tte";
            p[kP2] = Chopped(p[kP1]) + "anai";
            break;
        case kVerbSuru:
        case kVerbSuruOn:
            SuruParts(verb, verbClass);
            break;
        case kVerbKuru:
            KuruParts(verb);
            break;
        default:
            break;
    }
    return verb;
}

std::string VerbFormText(const VerbParts& parts, int form) {
    if (!ValidForm(form)) return {};
    if (parts.plainNegative && form == kNegativeGerund) return Chopped(parts.part[kP2]) + "kute";
    const FormRecipe& recipe = RecipeOf(form);
    const std::string& base = parts.part[recipe.part];
    // A part the class lacks gives no form; only P3 may be empty in a whole verb (mi(ru),
    // kuru), the ending then follows the stem alone.
    if (base.empty() && recipe.part != kP3) return {};
    return (recipe.chop ? Chopped(base) : base) + std::string(recipe.ending);
}

std::string VerbFormKana(const VerbParts& parts, int form) {
    return RomajiToKana(VerbFormText(parts, form), false, false);
}

bool VerbFormShowsKanji(const VerbParts& parts, int form) {
    return !parts.plainNegative || !ValidForm(form) ||
           (RecipeOf(form).part != kP2 && RecipeOf(form).part != kP9);
}

std::string_view VerbFormLabel(int form) {
    return ValidForm(form) ? RecipeOf(form).label : std::string_view();
}

bool IsNegativeVerbForm(int form) {
    return form > kNegativeOffset && form < kFirstPassiveForm;
}

bool IsFormalVerbForm(int form) {
    return ValidForm(form) && RecipeOf(form).formal;
}

std::string_view VerbClassLabel(int verbClass) {
    switch (verbClass) {
        case kVerbRu:
        case kVerbIchidan:
            return " /-ru";
        case kVerbGodan:
            return " /-u";
        case kVerbHonorific:
            return " /-aru";
        case kVerbSuru:
            return " /suru";
        case kVerbSuruOn:
            return " /suru (ON)";
        case kVerbKuru:
            return " /kuru";
        default:
            return {};
    }
}

std::vector<int> EnabledVerbForms(const CFlashOptions& options) {
    std::vector<int> forms;
    for (int form = 1; form <= kVerbFormCount; ++form) {
        if (FormEnabled(form, options)) forms.push_back(form);
    }
    return forms;
}

int VerbTableRowCount(const CFlashOptions& options) {
    int rows = 0;
    for (int form = 1; form <= kNegativeOffset; ++form) {
        if (FormEnabled(form, options) || FormEnabled(form + kNegativeOffset, options)) ++rows;
    }
    if (FormEnabled(kFirstPassiveForm, options)) rows += kPassiveForms;
    return rows;
}

std::vector<VerbReadingIndex> VerbReadingsOf(const CKanjiCard& card) {
    std::vector<VerbReadingIndex> verbs;
    for (std::size_t g = 0; g < card.readings.size(); ++g) {
        const CKanjiReading& reading = *card.readings[g];
        for (std::size_t k = 0; k < reading.kunReadings.size(); ++k) {
            const int verbClass = reading.VerbClass(k);
            if (verbClass >= kVerbRu && verbClass <= kVerbKuru)
                verbs.push_back({static_cast<int>(g), static_cast<int>(k)});
        }
    }
    return verbs;
}

std::string VerbReadingText(const CKanjiCard& card, VerbReadingIndex index) {
    if (index.group < 0 || static_cast<std::size_t>(index.group) >= card.readings.size()) return {};
    const auto& kun = card.readings[static_cast<std::size_t>(index.group)]->kunReadings;
    if (index.kun < 0 || static_cast<std::size_t>(index.kun) >= kun.size()) return {};
    return kun[static_cast<std::size_t>(index.kun)];
}

int VerbReadingClass(const CKanjiCard& card, VerbReadingIndex index) {
    if (VerbReadingText(card, index).empty()) return kVerbNone;
    return card.readings[static_cast<std::size_t>(index.group)]->VerbClass(
        static_cast<std::size_t>(index.kun));
}

bool ChooseRandomInflection(FlashDeckEntry& entry, const CFlashOptions& options, CRandom& random) {
    entry.inflectionForm = 0;
    if (entry.kind != FlashKind::kKanji || entry.kanji == nullptr) return false;
    if (entry.inflectionGroup == FlashDeckEntry::kNotChosen ||
        !IsVerbReading(*entry.kanji, entry)) {
        int group = CFlashcardSet::kRandomVerbReading;
        int kun = FlashDeckEntry::kNotChosen;
        if (!CFlashcardSet::NextVerbReading(*entry.kanji, group, kun, random)) return false;
        entry.inflectionGroup = group;
        entry.inflectionReading = kun;
    }
    const VerbReadingIndex index{entry.inflectionGroup, entry.inflectionReading};
    const VerbParts parts = ComputeVerbParts(VerbReadingText(*entry.kanji, index),
                                             VerbReadingClass(*entry.kanji, index));
    std::vector<int> forms = EnabledVerbForms(options);
    std::erase_if(forms, [&](int form) { return VerbFormText(parts, form).empty(); });
    if (forms.empty()) return false;
    entry.inflectionForm =
        forms[static_cast<std::size_t>(random.PickRandom(static_cast<int>(forms.size())) - 1)];
    return true;
}

bool ChooseNewInflection(FlashDeckEntry& entry, const CFlashOptions& options, CRandom& random) {
    entry.inflectionGroup = FlashDeckEntry::kNotChosen;
    entry.inflectionReading = FlashDeckEntry::kNotChosen;
    return ChooseRandomInflection(entry, options, random);
}

std::string InflectedVerbText(const FlashDeckEntry& entry) {
    if (entry.kanji == nullptr) return {};
    VerbParts parts;
    if (!InflectedParts(entry, parts)) return entry.kanji->character;
    const std::string kana = VerbFormKana(parts, entry.inflectionForm);
    return VerbFormShowsKanji(parts, entry.inflectionForm) ? entry.kanji->character + kana : kana;
}

bool IsVerbAnswerRight(const FlashDeckEntry& entry, std::string_view typed) {
    VerbParts shown;
    if (!InflectedParts(entry, shown)) return false;
    const int form = entry.inflectionForm;
    const std::string shownText = VerbFormText(shown, form);
    const std::string answer = ComparableRomaji(typed);
    for (const VerbReadingIndex index : VerbReadingsOf(*entry.kanji)) {
        const VerbParts parts = ComputeVerbParts(VerbReadingText(*entry.kanji, index),
                                                 VerbReadingClass(*entry.kanji, index));
        if (VerbFormText(parts, form) == shownText && TypedForm(parts, form) == answer) return true;
    }
    return false;
}

std::string ExpectedVerbAnswer(const FlashDeckEntry& entry) {
    VerbParts shown;
    if (!InflectedParts(entry, shown)) return {};
    return TypedForm(shown, entry.inflectionForm);
}

}  // namespace brushly
