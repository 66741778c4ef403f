#include "practice/VerbConjugation.h"

#include <algorithm>

#include "document/CFlashcardSet.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

enum Part : int { kP0, kP1, kP2, kP3, kP4, kP5, kP6, kP7, kP8, kP9, kP10, kP11, kP12, kP13 };

// What enables a form besides its column.
enum class FormGroup {
    kIndicative,
    kGerund,
    kTentative,
    kPresumptive,
    kImperative,
    kProvisional,
    kConditional,
    kRepresentative,
    kPassive,
};

struct FormRow {
    std::string_view label;
    FormGroup group;
    bool formal;
};

// Forms 1 to 13; the negatives 14 to 26 share the row of form - 13.
constexpr std::array<FormRow, 13> kAffirmativeRows{{
    {"Indicative", FormGroup::kIndicative, false},
    {"Past Indicative", FormGroup::kIndicative, false},
    {"Indicative", FormGroup::kIndicative, true},
    {"Past Indicative", FormGroup::kIndicative, true},
    {"Gerund (te)", FormGroup::kGerund, false},
    {"Tentative", FormGroup::kTentative, false},
    {"Tentative", FormGroup::kTentative, true},
    {"Presumptive", FormGroup::kPresumptive, false},
    {"Presumptive", FormGroup::kPresumptive, true},
    {"Imperative", FormGroup::kImperative, false},
    {"Provisional", FormGroup::kProvisional, false},
    {"Conditional", FormGroup::kConditional, false},
    {"Representative", FormGroup::kRepresentative, false},
}};
constexpr int kNegativeOffset = 13;
constexpr int kFirstPassiveForm = 27;
constexpr std::array<std::string_view, 4> kPassiveLabels{"Passive", "Potential", "Causative",
                                                         "Caus. Passive"};

// The row of forms 1 to 26, or the passive group's for 27 to 30.
FormRow RowOf(int form) {
    if (form >= kFirstPassiveForm)
        return {kPassiveLabels[static_cast<std::size_t>(form - kFirstPassiveForm)],
                FormGroup::kPassive, false};
    const int affirmative = form > kNegativeOffset ? form - kNegativeOffset : form;
    return kAffirmativeRows[static_cast<std::size_t>(affirmative - 1)];
}

bool ValidForm(int form) {
    return form >= 1 && form <= kVerbFormCount;
}

bool GroupEnabled(FormGroup group, const CFlashOptions& options) {
    switch (group) {
        case FormGroup::kIndicative:
            return options.verbIndicative != 0;
        case FormGroup::kGerund:
            return options.verbGerund != 0;
        case FormGroup::kTentative:
            return options.verbTentative != 0;
        case FormGroup::kPresumptive:
            return options.verbPresumptive != 0;
        case FormGroup::kImperative:
            return options.verbImperative != 0;
        case FormGroup::kProvisional:
            return options.verbProvisional != 0;
        case FormGroup::kConditional:
            return options.verbConditional != 0;
        case FormGroup::kRepresentative:
            return options.verbRepresentative != 0;
        case FormGroup::kPassive:
            break;
    }
    return options.verbPassive != 0;
}

bool FormEnabled(int form, const CFlashOptions& options) {
    const FormRow row = RowOf(form);
    const bool column =
        IsNegativeVerbForm(form) ? options.verbNegative != 0 : options.verbAffirmative != 0;
    const bool style = row.formal ? options.verbFormal != 0 : options.verbInformal != 0;
    return column && style && GroupEnabled(row.group, options);
}

// The text without its last letter (empty stays empty).
std::string Chopped(std::string_view text) {
    return std::string(text.substr(0, text.empty() ? 0 : text.size() - 1));
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
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
    // The two irregular godan verbs (see the header).
    if ((p[kP0] == "i" || p[kP0] == "yu") && p[kP1] == "ku") p[kP4] = "tte";
    if (p[kP0] == "a" && p[kP1] == "ru") {
        verb.plainNegative = true;
        p[kP2] = "nai";
        p[kP9] = "nakereba";
    }
}

void IchidanParts(VerbParts& verb) {
    auto& p = verb.part;
    const std::string stem = Chopped(Chopped(p[kP1]));
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
    std::string prefix;
    if (p[kP0] + p[kP1] == "suru") {
        p[kP0] = kSuruPlaceholder;
        p[kP1] = "suru";
    } else if (!p[kP0].empty() && p[kP0].back() == 's') {
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

// The romaji a student types for the form of one reading: stem + form text, the small-tsu
// marker, "@" and spaces removed, normalized, long o folded to "ou".
std::string TypedForm(const VerbParts& parts, int form) {
    std::string stem = parts.part[kP0];
    if (stem == kKuruPlaceholder) {
        stem = KuruSyllable(form);
    } else if (stem == kSuruPlaceholder || !VerbFormShowsKanji(parts, form)) {
        stem.clear();
    }
    std::string text;
    for (const char letter : stem + VerbFormText(parts, form)) {
        if (letter != 'x' && letter != '@' && letter != ' ') text += letter;
    }
    NormalizeRomaji(text);
    return ReplaceAll(std::move(text), "oo", "ou");
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
    text = ReplaceAll(std::move(text), "tsu", "tu");
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
    const auto& p = parts.part;
    switch (form) {
        case 1:
            return p[kP1];
        case 2:
            return Chopped(p[kP4]) + "a";
        case 3:
            return p[kP3] + "masu";
        case 4:
            return p[kP3] + "mashita";
        case 5:
            return p[kP4];
        case 6:
            return p[kP6];
        case 7:
            return p[kP3] + "mashoo";
        case 8:
            return p[kP1] + "daroo";
        case 9:
            return p[kP1] + "deshoo";
        case 10:
            return p[kP5];
        case 11:
            return p[kP8];
        case 12:
            return Chopped(p[kP4]) + "ara";
        case 13:
            return Chopped(p[kP4]) + "ari";
        case 14:
            return p[kP2];
        case 15:
            return Chopped(p[kP2]) + "katta";
        case 16:
            return p[kP3] + "masen";
        case 17:
            return p[kP3] + "masen deshita";
        case 18:
            return parts.plainNegative ? Chopped(p[kP2]) + "kute" : p[kP2] + "de";
        case 19:
            return p[kP7];
        case 20:
            return p[kP3] + "masumai";
        case 21:
            return p[kP2] + "daroo";
        case 22:
            return p[kP2] + "deshoo";
        case 23:
            return p[kP1] + "na";
        case 24:
            return p[kP9];
        case 25:
            return Chopped(p[kP2]) + "kattara";
        case 26:
            return Chopped(p[kP2]) + "kattari";
        case 27:
            return p[kP11];
        case 28:
            return p[kP10];
        case 29:
            return p[kP12];
        case 30:
            return p[kP13];
        default:
            return {};
    }
}

std::string VerbFormKana(const VerbParts& parts, int form) {
    return RomajiToKana(VerbFormText(parts, form), false, false);
}

bool VerbFormShowsKanji(const VerbParts& parts, int form) {
    constexpr std::array<int, 8> kPlainNegatives{14, 15, 18, 21, 22, 24, 25, 26};
    return !parts.plainNegative ||
           std::ranges::find(kPlainNegatives, form) == kPlainNegatives.end();
}

std::string_view VerbFormLabel(int form) {
    return ValidForm(form) ? RowOf(form).label : std::string_view();
}

bool IsNegativeVerbForm(int form) {
    return form > kNegativeOffset && form < kFirstPassiveForm;
}

bool IsFormalVerbForm(int form) {
    return ValidForm(form) && RowOf(form).formal;
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
    if (FormEnabled(kFirstPassiveForm, options)) rows += static_cast<int>(kPassiveLabels.size());
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
    const std::vector<int> forms = EnabledVerbForms(options);
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
    std::string answer;
    for (const char letter : sjis::AsciiLower(typed)) {
        if (letter != ' ') answer += letter;
    }
    NormalizeRomaji(answer);
    answer = ReplaceAll(std::move(answer), "oo", "ou");
    for (const VerbReadingIndex index : VerbReadingsOf(*entry.kanji)) {
        const VerbParts parts = ComputeVerbParts(VerbReadingText(*entry.kanji, index),
                                                 VerbReadingClass(*entry.kanji, index));
        if (VerbFormText(parts, form) == shownText && TypedForm(parts, form) == answer) return true;
    }
    return false;
}

}  // namespace brushly
