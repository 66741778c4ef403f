#include "practice/CounterExpansion.h"

#include <algorithm>
#include <array>

namespace brushly {

namespace {

constexpr std::string_view kHour = "\x8e\x9e";    // 時
constexpr std::string_view kMonth = "\x8c\x8e";   // 月
constexpr std::string_view kPerson = "\x90\x6c";  // 人
constexpr std::string_view kDay = "\x93\xfa";     // 日
constexpr std::string_view kYen = "\x89\x7e";     // 円

// Index 0 is 何 (nan), then 1 to 10.
constexpr int kLastPlainNumber = 10;
constexpr std::array<std::string_view, 11> kSino{"nan",  "ichi", "ni",    "san",  "yon", "go",
                                                 "roku", "nana", "hachi", "kyuu", "juu"};
constexpr std::array<std::string_view, 11> kNative{"nan", "hito", "futa", "mi",     "yo", "itsu",
                                                   "mu",  "nana", "ya",   "kokono", "to"};
// The Sino-Japanese word before a doubled consonant, where it has one: i(ppon), ro(ppon).
constexpr std::array<std::string_view, 11> kSinoBeforeDouble{"",   "i", "",   "", "",  "",
                                                             "ro", "",  "ha", "", "ju"};

struct CDay {
    int number;
    std::string_view romaji;
};
constexpr std::array<CDay, 13> kDaysOfTheMonth{{
    {1, "tsuitachi"},
    {2, "futsuka"},
    {3, "mikka"},
    {4, "yokka"},
    {5, "itsuka"},
    {6, "muika"},
    {7, "nanoka"},
    {8, "youka"},
    {9, "kokonoka"},
    {10, "to@oka"},
    {14, "juuyokka"},
    {20, "hatsuka"},
    {24, "nijuuyokka"},
}};

bool StartsWithOneOf(std::string_view root, std::string_view letters) {
    return !root.empty() && letters.find(root.front()) != std::string_view::npos;
}

bool IsDayCounter(std::string_view root, std::string_view kanji) {
    return kanji == kDay && (root == "nichi" || root == "ka");
}

// The root with its first consonant doubled: ppon for hon and fun, tchaku for chaku.
std::string Doubled(std::string_view root) {
    if (StartsWithOneOf(root, "hf")) return "pp" + std::string(root.substr(1));
    if (root.starts_with("ch")) return "t" + std::string(root);
    return root.front() + std::string(root);
}

// first + second, with "n'" where ん would otherwise join the next letter (san'en).
std::string Joined(std::string_view first, std::string_view second) {
    std::string text(first);
    if (text.ends_with('n') && StartsWithOneOf(second, "aiueoy")) text += '\'';
    return text + std::string(second);
}

// The Sino-Japanese word of a number with the root: 時 and 月 keep the old words for 4, 7, 9.
std::string_view SinoWord(int number, std::string_view root, std::string_view kanji) {
    const bool hour = kanji == kHour && root == "ji";
    const bool month = kanji == kMonth && root == "gatsu";
    if (hour || month) {
        if (number == 4) return hour ? "yo" : "shi";
        if (number == 7) return "shichi";
        if (number == 9) return "ku";
    }
    if (number == 4 && (root.starts_with('n') || (kanji == kYen && root == "en"))) return "yo";
    return kSino[static_cast<std::size_t>(number)];
}

std::string SinoReading(int number, std::string_view root, std::string_view kanji) {
    const std::string_view beforeDouble = kSinoBeforeDouble[static_cast<std::size_t>(number)];
    const bool doubles =
        number == 6 ? StartsWithOneOf(root, "kphf") : StartsWithOneOf(root, "kphfstc");
    if (!beforeDouble.empty() && doubles) return std::string(beforeDouble) + Doubled(root);
    const std::string_view word = kSino[static_cast<std::size_t>(number)];
    if (root.starts_with('h') && (number == 3 || number == 0))
        return std::string(word) + "b" + std::string(root.substr(1));
    if (root.starts_with('f') && (number == 3 || number == 4 || number == 0))
        return std::string(word) + "p" + std::string(root.substr(1));
    return Joined(SinoWord(number, root, kanji), root);
}

std::string NativeReading(int number, std::string_view root) {
    if (number == 0) return Joined(kSino[0], root);
    const std::string_view word = kNative[static_cast<std::size_t>(number)];
    if (root == "tsu") {
        if (number == kLastPlainNumber) return "to@o";
        // mittsu, yottsu, muttsu, yattsu: the one-kana words double the t.
        return std::string(word) + (word.size() == 2 ? "t" : "") + std::string(root);
    }
    return Joined(word, root);
}

}  // namespace

std::string CountedReading(int number, std::string_view root, std::string_view counterKanji,
                           CounterExpansion how) {
    if (IsDayCounter(root, counterKanji) && !how.rootFirst) {
        if (number == 0) return Joined(kSino[0], "nichi");
        const auto day = std::ranges::find(kDaysOfTheMonth, number, &CDay::number);
        return day == kDaysOfTheMonth.end() ? std::string() : std::string(day->romaji);
    }
    if (number < 0 || number > kLastPlainNumber) return {};
    if (how.rootFirst) {
        const auto& words = how.nativeWords ? kNative : kSino;
        return Joined(root, words[static_cast<std::size_t>(number)]);
    }
    if (counterKanji == kPerson && root == "nin") {
        if (number == 1) return "hitori";
        if (number == 2) return "futari";
        return SinoReading(number, root, counterKanji);
    }
    return how.nativeWords ? NativeReading(number, root) : SinoReading(number, root, counterKanji);
}

std::vector<CounterForm> ExpandedCounterForms(std::string_view root, std::string_view counterKanji,
                                              CounterExpansion how) {
    std::vector<CounterForm> forms;
    for (int number = 1; number <= kLastPlainNumber; ++number)
        forms.push_back({std::to_string(number), CountedReading(number, root, counterKanji, how)});
    if (IsDayCounter(root, counterKanji) && !how.rootFirst) {
        for (const int number : {14, 20, 24})
            forms.push_back(
                {std::to_string(number), CountedReading(number, root, counterKanji, how)});
    }
    return forms;
}

}  // namespace brushly
