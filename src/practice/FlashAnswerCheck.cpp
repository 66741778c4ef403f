#include "practice/FlashAnswerCheck.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"
#include "practice/VerbConjugation.h"

namespace brushly {

namespace {

std::string WithoutChars(std::string_view text, std::string_view dropped) {
    std::string kept;
    for (char c : text)
        if (dropped.find(c) == std::string_view::npos) kept += c;
    return kept;
}

// A stored reading as it would be typed: cut before its verb-class marker, without
// brackets, parentheses, dashes, long-o and other notation marks, normalized.
std::string TypableReading(std::string_view reading) {
    const std::size_t marker = reading.find_first_of("%$*#");
    return NormalizeTypedRomaji(WithoutChars(reading.substr(0, marker), "[]-()@2' "));
}

// Each reading of a list; an entry may hold several separated by "," or ";".
void AddTypableReadings(const std::vector<std::string>& readings,
                        std::vector<std::string>& typable) {
    for (const std::string& entry : readings) {
        std::size_t start = 0;
        while (start <= entry.size()) {
            const std::size_t end = std::min(entry.find_first_of(",;", start), entry.size());
            std::string reading =
                TypableReading(std::string_view(entry).substr(start, end - start));
            if (!reading.empty()) typable.push_back(std::move(reading));
            start = end + 1;
        }
    }
}

bool HasReadings(const CKanjiCard& card, bool on) {
    return std::any_of(card.readings.begin(), card.readings.end(), [on](const auto& group) {
        return !(on ? group->onReadings : group->kunReadings).empty();
    });
}

bool IsKanjiAnswerRight(const CKanjiCard& card, std::string_view typed, int readingKind) {
    const int asked = AskedReadingKind(card, readingKind);
    std::vector<std::string> readings;
    for (const auto& group : card.readings) {
        if (asked != kReadingKun) AddTypableReadings(group->onReadings, readings);
        if (asked != kReadingOn) AddTypableReadings(group->kunReadings, readings);
    }
    const std::string answer = ComparableRomaji(typed);
    return std::any_of(readings.begin(), readings.end(), [&](const std::string& reading) {
        return ComparableRomaji(reading) == answer;
    });
}

bool IsCounterAnswerRight(const FlashDeckEntry& entry, std::string_view typed,
                          bool onlyOneCounter) {
    const std::string& reading = onlyOneCounter ? entry.counter->romaji : entry.counterReading;
    const std::string expected = ComparableRomaji(WithoutChars(reading, "@"));
    return !expected.empty() && expected == ComparableRomaji(typed);
}

}  // namespace

int AskedReadingKind(const CKanjiCard& card, int readingKind) {
    if (readingKind == kReadingOn && !HasReadings(card, true)) return kReadingKun;
    if (readingKind == kReadingKun && !HasReadings(card, false)) return kReadingOn;
    return readingKind;
}

std::string FillInPrompt(const FlashDeckEntry& entry, FlashQuestionForm form, int readingKind) {
    switch (entry.kind) {
        case FlashKind::kCompound:
            return kPromptCompound;
        case FlashKind::kKanaWord:
            return kPromptKanaWord;
        case FlashKind::kCounter:
            return kPromptReading;
        case FlashKind::kKanji:
            break;
    }
    if (form == FlashQuestionForm::kCompound) return kPromptRandomCompound;
    if (form == FlashQuestionForm::kInflection) return kPromptReading;
    switch (AskedReadingKind(*entry.kanji, readingKind)) {
        case kReadingOn:
            return kPromptOnReading;
        case kReadingKun:
            return kPromptKunReading;
        default:
            return kPromptReading;
    }
}

std::string NormalizeTypedRomaji(std::string_view typed) {
    std::string text = sjis::AsciiLower(typed);
    NormalizeRomaji(text);
    return text;
}

bool IsFillInAnswerRight(const FlashDeckEntry& entry, FlashQuestionForm form,
                         std::string_view typed, int readingKind, bool onlyOneCounter) {
    if (WithoutChars(typed, " ").empty()) return false;
    switch (entry.kind) {
        case FlashKind::kCompound:
            return ComparableRomaji(typed) == ComparableRomaji(entry.compound->romaji);
        case FlashKind::kKanaWord:
            // The case of the card's romaji writes the script; a student may type either.
            return ComparableRomaji(typed) == ComparableRomaji(entry.kanaWord->romaji);
        case FlashKind::kCounter:
            return IsCounterAnswerRight(entry, typed, onlyOneCounter);
        case FlashKind::kKanji:
            break;
    }
    if (form == FlashQuestionForm::kCompound)
        return ComparableRomaji(typed) == ComparableRomaji(entry.randomCompoundReading);
    if (form == FlashQuestionForm::kInflection) return IsVerbAnswerRight(entry, typed);
    return IsKanjiAnswerRight(*entry.kanji, typed, readingKind);
}

std::string ExpectedFillInAnswer(const FlashDeckEntry& entry, FlashQuestionForm form,
                                 int readingKind, bool onlyOneCounter) {
    switch (entry.kind) {
        case FlashKind::kCompound:
            return entry.compound->romaji;
        case FlashKind::kKanaWord:
            return entry.kanaWord->romaji;
        case FlashKind::kCounter:
            return WithoutChars(onlyOneCounter ? entry.counter->romaji : entry.counterReading, "@");
        case FlashKind::kKanji:
            break;
    }
    if (form == FlashQuestionForm::kCompound) return entry.randomCompoundReading;
    if (form == FlashQuestionForm::kInflection) return ExpectedVerbAnswer(entry);
    const int asked = AskedReadingKind(*entry.kanji, readingKind);
    std::vector<std::string> readings;
    for (const auto& group : entry.kanji->readings) {
        if (asked != kReadingKun) AddTypableReadings(group->onReadings, readings);
        if (asked != kReadingOn) AddTypableReadings(group->kunReadings, readings);
    }
    std::string expected;
    for (auto reading = readings.begin(); reading != readings.end(); ++reading) {
        if (std::find(readings.begin(), reading, *reading) != reading) continue;  // shown once
        expected += (expected.empty() ? "" : ", ") + *reading;
    }
    return expected;
}

}  // namespace brushly
