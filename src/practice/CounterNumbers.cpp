#include "practice/CounterNumbers.h"

#include <algorithm>
#include <array>

#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

struct NumberWords {
    std::string_view number;
    std::string_view sino;
    std::string_view native;
    std::string_view numeral;  // Shift-JIS
};

constexpr std::array<NumberWords, 18> kNumbers{{
    {"1", "ichi", "hito", "\x88\xea"},                 // 一
    {"2", "ni", "futa", "\x93\xf1"},                   // 二
    {"3", "san", "mi", "\x8e\x4f"},                    // 三
    {"4", "shi", "yo", "\x8e\x6c"},                    // 四
    {"5", "go", "itsu", "\x8c\xdc"},                   // 五
    {"6", "roku", "mu", "\x98\x5a"},                   // 六
    {"7", "shichi", "nana", "\x8e\xb5"},               // 七
    {"8", "hachi", "ya", "\x94\xaa"},                  // 八
    {"9", "ku", "kokono", "\x8b\xe3"},                 // 九
    {"10", "ju", "to", "\x8f\x5c"},                    // 十
    {"11", "juuichi", "juuichi", "\x8f\x5c\x88\xea"},  // 十一
    {"12", "juuni", "juuni", "\x8f\x5c\x93\xf1"},      // 十二
    // The days of the month that auto expansion adds to 1 to 10.
    {"14", "juuyon", "juuyo", "\x8f\x5c\x8e\x6c"},              // 十四
    {"20", "nijuu", "hatsu", "\x93\xf1\x8f\x5c"},               // 二十
    {"24", "nijuuyon", "nijuuyo", "\x93\xf1\x8f\x5c\x8e\x6c"},  // 二十四
    {"100", "hyaku", "hyaku", "\x95\x53"},                      // 百
    {"1000", "issen", "issen", "\x90\xe7"},                     // 千
    {"10000", "ichiman", "ichiman", "\x96\x9c"},                // 万
}};

const NumberWords* FindNumber(std::string_view number) {
    const auto found = std::ranges::find(kNumbers, number, &NumberWords::number);
    return found == kNumbers.end() ? nullptr : &*found;
}

// The letters of a reading, lower case, without markers, parentheses or anything else.
std::string Letters(std::string_view reading) {
    std::string letters;
    for (const char letter : sjis::AsciiLower(reading)) {
        if (letter >= 'a' && letter <= 'z') letters += letter;
    }
    return letters;
}

// The ON readings and the Kun readings of a database kanji in the form a counter's reading
// may contain them: letters only, a Kun reading also as its stem alone.
struct RecordReadings {
    std::vector<std::string> on;
    std::vector<std::string> kun;
};

RecordReadings ReadingsOf(const CKanjiData& record) {
    RecordReadings readings;
    for (const auto& group : record.readings) {
        for (const std::string& on : group->onReadings)
            readings.on.push_back(Letters(on));
        for (const std::string& kun : group->kunReadings) {
            readings.kun.push_back(Letters(kun));
            if (kun.find('(') != std::string::npos)
                readings.kun.push_back(Letters(kun.substr(0, kun.find('('))));
        }
    }
    return readings;
}

bool ContainsAny(std::string_view text, const std::vector<std::string>& parts) {
    return std::ranges::any_of(parts, [&](const std::string& part) {
        return !part.empty() && text.find(part) != std::string_view::npos;
    });
}

const CKanjiData* CounterRecord(const CCounterCard& card, const CKanjiLibrary* library) {
    if (library == nullptr || card.dbIndex < 0) return nullptr;
    const auto group = library->KanjiGroup(card.dbGroup);
    const auto index = static_cast<std::size_t>(card.dbIndex);
    return index < group.size() ? group[index].get() : nullptr;
}

// The romaji of a prefix or postfix text: kana converted; a kanji by the longest of its
// readings found in the counter's reading.
std::string AffixRomaji(std::string_view text, std::string_view counterReading,
                        const CKanjiLibrary* library) {
    if (text.empty()) return {};
    if (sjis::IsHiragana(text, 0) || sjis::IsKatakana(text, 0)) return KanaToRomaji(text);
    const CKanjiRef ref = library == nullptr ? CKanjiRef{} : library->FindByCharacter(text);
    if (!ref) return {};
    const RecordReadings readings = ReadingsOf(*ref.record);
    std::string best;
    for (const auto* list : {&readings.on, &readings.kun}) {
        for (const std::string& reading : *list) {
            if (reading.size() > best.size() && counterReading.find(reading) != std::string::npos)
                best = reading;
        }
    }
    return best;
}

}  // namespace

std::string KanjiNumeral(std::string_view number) {
    const NumberWords* words = FindNumber(number);
    return words == nullptr ? "--" : std::string(words->numeral);
}

std::optional<CounterNumberWords> NumberWordsOf(std::string_view number, std::string_view reading) {
    const NumberWords* words = FindNumber(number);
    if (words == nullptr) return std::nullopt;
    const std::string text = sjis::AsciiLower(reading);
    const std::string sino(words->sino);
    const std::string native(words->native);
    // A reading made with the Sino-Japanese word begins with its first letter; for 9 the
    // native word is the one told by its start.
    const bool sinoReading =
        number == "9" ? !text.starts_with("ko") : text.starts_with(sino.substr(0, 1));
    if (number == "1" && sinoReading)
        return CounterNumberWords{text.starts_with("ic") ? "ichi" : "i", native};
    if (number == "4" && sinoReading) return CounterNumberWords{sino, "yon"};
    if (number == "4") return CounterNumberWords{text.starts_with("yon") ? "yon" : "yo", sino};
    if (sinoReading) return CounterNumberWords{sino, native};
    return CounterNumberWords{native, sino};
}

std::string AutoExpandCounter(CCounterCard& card, std::string_view root, CounterExpansion how) {
    if (root.empty()) return kNoCounterRootMessage;
    if (card.character.empty()) return kNoCounterKanjiMessage;
    card.formNumbers.clear();
    card.formRomaji.clear();
    for (CounterForm& form : ExpandedCounterForms(sjis::AsciiLower(root), card.character, how)) {
        card.formNumbers.push_back(std::move(form.number));
        card.formRomaji.push_back(std::move(form.romaji));
    }
    return {};
}

FlashDeckEntry MakeCounterEntry(CCounterCard& card, std::size_t formIndex,
                                const CKanjiLibrary* library) {
    FlashDeckEntry entry;
    entry.kind = FlashKind::kCounter;
    entry.counter = &card;
    if (formIndex < card.formNumbers.size()) entry.counterNumber = card.formNumbers[formIndex];
    if (formIndex < card.formRomaji.size()) entry.counterReading = card.formRomaji[formIndex];
    const std::string reading = sjis::AsciiLower(card.romaji);
    if (const CKanjiData* record = CounterRecord(card, library)) {
        const RecordReadings readings = ReadingsOf(*record);
        if (ContainsAny(reading, readings.on)) {
            entry.counterReadingKind = 0;
        } else if (ContainsAny(reading, readings.kun)) {
            entry.counterReadingKind = 1;
        }
    }
    entry.prefixRomaji = AffixRomaji(card.extraText1, reading, library);
    entry.postfixRomaji = AffixRomaji(card.extraText2, reading, library);
    return entry;
}

std::string CounterQuestionText(const FlashDeckEntry& entry, bool onlyOne, int quizMode) {
    constexpr int kNoQuiz = 2;
    if (entry.counter == nullptr) return {};
    const CCounterCard& card = *entry.counter;
    std::string text;
    if (!onlyOne || quizMode == kNoQuiz) text = KanjiNumeral(entry.counterNumber);
    return text + card.extraText1 + card.character + card.extraText2;
}

std::string CounterEnglish(const CCounterCard& card, std::string_view number) {
    std::string text(number);
    if (card.counterType != CCounterCard::kName) {
        // "small animals", "o'clock" and the like take no plural "s".
        const bool plural =
            number != "1" && !card.meaning.ends_with('s') && !card.meaning.ends_with("o'clock");
        return text + " " + card.meaning + (plural ? "s" : "");
    }
    const char last = number.empty() ? '0' : number.back();
    const bool teen = number.size() >= 2 && number[number.size() - 2] == '1';
    if (!teen && last == '1') return text + "st " + card.meaning;
    if (!teen && last == '2') return text + "nd " + card.meaning;
    if (!teen && last == '3') return text + "rd " + card.meaning;
    return text + "th " + card.meaning;
}

}  // namespace brushly
