#include "practice/OkuriganaSplit.h"

#include <string>
#include <vector>

#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

// KanaToRomaji writes a small tsu that no kana follows as this mark.
constexpr char kSmallTsuMark = '\'';

bool IsKanaLead(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character.front());
    return character.size() == 2 && (lead == sjis::kHiraganaLead || lead == sjis::kKatakanaLead);
}

// The long-vowel mark ー (0x81 0x5B) counts as kana at the front of a word only.
bool IsLongMark(std::string_view character) {
    return character == "\x81\x5B";
}

// Readings and kana romaji differ in case where katakana meets hiragana spelling, so the
// kana parts are matched without regard to letter case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           sjis::AsciiLower(text.substr(0, prefix.size())) == sjis::AsciiLower(prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           sjis::AsciiLower(text.substr(text.size() - suffix.size())) == sjis::AsciiLower(suffix);
}

std::string WithoutBlanks(std::string_view reading) {
    std::string spaceless;
    for (char letter : reading) {
        if (letter != ' ') spaceless.push_back(letter);
    }
    return spaceless;
}

}  // namespace

OkuriganaSplit SplitOkurigana(std::string_view text, std::string_view reading) {
    const std::vector<std::string_view> characters = sjis::Characters(text);
    std::size_t leading = 0;
    std::size_t leadingBytes = 0;
    while (leading < characters.size() &&
           (IsKanaLead(characters[leading]) || IsLongMark(characters[leading]))) {
        leadingBytes += characters[leading++].size();
    }
    std::size_t trailing = characters.size();
    std::size_t trailingBytes = 0;
    while (trailing > leading && IsKanaLead(characters[trailing - 1])) {
        trailingBytes += characters[--trailing].size();
    }

    OkuriganaSplit split;
    split.kanjiPartLength = static_cast<int>(text.size() - leadingBytes - trailingBytes);
    const std::string spaceless = WithoutBlanks(reading);
    std::string_view rest = spaceless;

    std::string leadingRomaji = KanaToRomaji(text.substr(0, leadingBytes));
    const bool smallTsu = !leadingRomaji.empty() && leadingRomaji.back() == kSmallTsuMark;
    if (smallTsu) leadingRomaji.pop_back();
    if (!leadingRomaji.empty() && StartsWithNoCase(rest, leadingRomaji)) {
        rest.remove_prefix(leadingRomaji.size());
        // The small tsu doubles the first consonant of the kanji part's reading.
        if (smallTsu && !rest.empty()) {
            split.kanaInitial = std::string(1, rest.front());
            leadingRomaji += rest.front();
            rest.remove_prefix(1);
        }
        split.leadingRomaji = std::move(leadingRomaji);
    } else {
        split.kanjiPartLength += static_cast<int>(leadingBytes);
    }

    std::string trailingRomaji = KanaToRomaji(text.substr(text.size() - trailingBytes));
    if (!trailingRomaji.empty() && EndsWithNoCase(rest, trailingRomaji)) {
        split.trailingRomaji = std::move(trailingRomaji);
    } else {
        split.kanjiPartLength += static_cast<int>(trailingBytes);
    }
    return split;
}

std::string KanjiPartReading(std::string_view spaced, const OkuriganaSplit& split) {
    const std::string spaceless = WithoutBlanks(spaced);
    std::string_view reading = spaceless;
    if (StartsWithNoCase(reading, split.leadingRomaji)) {
        reading.remove_prefix(split.leadingRomaji.size());
    }
    if (EndsWithNoCase(reading, split.trailingRomaji)) {
        reading.remove_suffix(split.trailingRomaji.size());
    }
    // A syllable mark left at a seam ("ken'" of "ken'i") belongs to no part.
    while (!reading.empty() && reading.front() == kSmallTsuMark)
        reading.remove_prefix(1);
    while (!reading.empty() && reading.back() == kSmallTsuMark)
        reading.remove_suffix(1);
    return std::string(reading);
}

}  // namespace brushly
