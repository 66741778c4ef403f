#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/CBrushlyOptions.h"
#include "document/CKanjiCard.h"
#include "platform/CRandom.h"
#include "practice/FlashDeckEntry.h"

// Verb inflection for the Flash View: the fourteen parts of a verb reading, the thirty
// forms built from them, which forms the verb options enable, Random Verb Inflection and
// the judging of a typed inflection. All texts are lower-case romaji unless said otherwise;
// kana come from RomajiToKana.
//
// The irregular verbs get the forms a teacher would give them:
//   - i(ku) and yu(ku) (行く): the gerund is "tte" (itte), hence past "tta", conditional
//     "ttara" and representative "ttari", where the general rule gives iite.
//   - to(u) and ko(u) (問う, 請う, 乞う, 恋う): the gerund is "ute" (toute, touta), where the
//     general rule gives totte.
//   - a(ru) (有る, 在る): the informal negatives are ない itself (nai, nakatta, nakereba,
//     nai daroo, ...) written without the kanji, and the negative gerund is nakute; the
//     general rule gives aranai. The formal negatives stay regular (arimasen).
namespace brushly {

// P0 stem (before "("), P1 dictionary ending (inside the parentheses), P2 negative "-nai",
// P3 continuative ("-masu" stem), P4 gerund "-te", P5 imperative, P6 volitional, P7
// negative volitional, P8 provisional "-ba", P9 negative provisional, P10 potential, P11
// passive, P12 causative, P13 causative passive. Parts a class lacks stay empty.
struct VerbParts {
    std::array<std::string, 14> part;
    // a(ru): the forms built on P2 or P9 are ない-words that drop the kanji and the stem.
    bool plainNegative = false;
};

inline constexpr int kVerbFormCount = 30;
// The stem placeholders of the bare suru and of kuru; the display puts the kanji there.
inline constexpr std::string_view kSuruPlaceholder = "verb_suru";
inline constexpr std::string_view kKuruPlaceholder = "verb_kuru";

// The parts of a Kun reading ("ka(ku)", markers allowed after the ")") of verb class 1 to
// 7 (VerbClassCode). Any other class gives P0 and P1 only. Okurigana ending in "zuru"
// conjugate as "jiru" (kun(zuru): kunjinai); okurigana ending in "suru" keep what stands
// before it (ho(ssuru): hosshimasu).
VerbParts ComputeVerbParts(std::string_view reading, int verbClass);

// The romaji following the stem for form 1 to 30; empty for other numbers and for forms
// built on a part the class lacks (the -aru verbs have P2, P3 and P4 only).
std::string VerbFormText(const VerbParts& parts, int form);
// The kana of VerbFormText (Shift-JIS hiragana).
std::string VerbFormKana(const VerbParts& parts, int form);
// False where the form is written without the kanji (the plain negatives of a(ru)).
bool VerbFormShowsKanji(const VerbParts& parts, int form);

// The table row label of a form ("Past Indicative"); empty outside 1 to 30.
std::string_view VerbFormLabel(int form);
// Forms 14 to 26 stand in the negative column, 1 to 13 and 27 to 30 in the affirmative.
bool IsNegativeVerbForm(int form);
// Forms 3, 4, 7, 9 and their negatives 16, 17, 20, 22.
bool IsFormalVerbForm(int form);
// The label a class adds to the table heading: " /-ru", " /-u", " /-aru", " /suru",
// " /suru (ON)", " /kuru"; empty for other classes.
std::string_view VerbClassLabel(int verbClass);

// The form numbers the verb options enable, ascending.
std::vector<int> EnabledVerbForms(const CFlashOptions& options);
// Lines of the verb-forms table: each of the thirteen affirmative/negative rows counts once
// when either of its forms is enabled, the passive group (forms 27 to 30) counts 4 when
// enabled.
int VerbTableRowCount(const CFlashOptions& options);

// A verb reading of a kanji card: reading group index and Kun reading index, 0-based.
struct VerbReadingIndex {
    int group = 0;
    int kun = 0;
    bool operator==(const VerbReadingIndex&) const = default;
};
// The Kun readings of class 1 to 7, in the order of the groups and, within a group, of the
// Kun readings (the order CFlashcardSet::NextVerbReading walks).
std::vector<VerbReadingIndex> VerbReadingsOf(const CKanjiCard& card);
// The Kun reading text and its class; empty text and class 0 when out of range.
std::string VerbReadingText(const CKanjiCard& card, VerbReadingIndex index);
int VerbReadingClass(const CKanjiCard& card, VerbReadingIndex index);

// Random Verb Inflection of a kanji entry: chooses a verb reading at random when
// entry.inflectionGroup is kNotChosen (kept otherwise), then draws a new form with
// random.PickRandom among the enabled ones that the reading has (the -aru verbs lack some).
// False, with inflectionForm 0, when the card has no verb reading or no such form: the
// kanji is then shown plainly.
bool ChooseRandomInflection(FlashDeckEntry& entry, const CFlashOptions& options, CRandom& random);
// "More" on an inflected card: a new random reading and a new form.
bool ChooseNewInflection(FlashDeckEntry& entry, const CFlashOptions& options, CRandom& random);
// The question as shown, Shift-JIS: the kanji followed by the kana of the form text (the
// kana alone for the plain negatives of a(ru)); the kanji alone without an inflection.
std::string InflectedVerbText(const FlashDeckEntry& entry);
// A typed answer to an inflected card. Right when, lower-cased and romaji-normalized, it
// equals stem + form text of any verb reading of the kanji whose text for the chosen form
// equals the shown one (kuru's stem is its syllable ku/ki/ko; "x", "@" and spaces are
// dropped). The long o may be typed "oo" or "ou".
bool IsVerbAnswerRight(const FlashDeckEntry& entry, std::string_view typed);
// The romaji a student types for the shown inflection (one right answer of
// IsVerbAnswerRight); empty when the entry has no valid inflection.
std::string ExpectedVerbAnswer(const FlashDeckEntry& entry);

}  // namespace brushly
