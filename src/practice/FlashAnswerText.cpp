#include "practice/FlashAnswerText.h"

#include <array>

#include "dictionary/CAbbreviationList.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::string CleanKanjiReading(std::string_view reading, int longOMode) {
    reading = reading.substr(0, std::min(reading.find_first_of("%$*#"), reading.size()));
    std::string cleaned;
    for (char letter : reading) {
        if (letter != '[' && letter != ']' && letter != '-') cleaned.push_back(letter);
    }
    cleaned = sjis::AsciiLower(cleaned);
    if (longOMode == 1) ReplaceAll(cleaned, "oo", "ou");
    return cleaned;
}

std::string RemoveVerbTags(std::string_view meaning) {
    // The longer tags first, so that "(v)" never cuts into "(vi/vt)".
    constexpr std::array<std::string_view, 5> kVerbTags = {"(vi/vt)", "(vt/vi)", "(vi)", "(vt)",
                                                           "(v)"};
    std::string text(meaning);
    for (std::string_view tag : kVerbTags)
        ReplaceAll(text, tag, "");
    return Trimmed(text);
}

std::string CompoundMeaningAnswer(std::string_view meaning,
                                  const CAbbreviationList& abbreviations) {
    std::string text(meaning);
    ReplaceAll(text, "/(P)", "");
    return abbreviations.Strip(text);
}

std::string ShownRomaji(std::string_view romaji, int longOMode) {
    std::string shown;
    for (char letter : romaji) {
        if (letter != ' ') shown.push_back(letter);
    }
    if (longOMode == 1) {
        ReplaceAll(shown, "oo", "ou");
        ReplaceAll(shown, "OO", "OU");
    }
    return shown;
}

std::string WithoutAtSigns(std::string_view romaji) {
    std::string shown;
    for (char letter : romaji) {
        if (letter != '@') shown.push_back(letter);
    }
    return shown;
}

std::string AnswerKana(std::string_view romaji, bool asKatakana) {
    if (!asKatakana) return RomajiToKana(romaji, false, false);
    // The katakana converter has no "@o", so the mark goes before upper-casing.
    return RomajiToKana(sjis::AsciiUpper(WithoutAtSigns(romaji)), false, false);
}

std::string AnswerKey(std::string_view answer, bool reading) {
    std::string key = sjis::AsciiLower(answer);
    if (!reading) return key;
    NormalizeRomaji(key);
    ReplaceAll(key, "oo", "ou");
    return key;
}

}  // namespace brushly
