#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <span>

#include "lookup/KanaTable.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

using kana::KanaCode;
using kana::kSmallTsu;

namespace {

// A kana character of the text.
struct CKana {
    KanaCode code;
    bool katakana;
};

std::optional<CKana> KanaAt(std::string_view text, std::size_t pos) {
    if (sjis::IsHiragana(text, pos)) return CKana{static_cast<KanaCode>(text[pos + 1]), false};
    // 0x837F is a gap in the katakana, not a character.
    if (sjis::IsKatakana(text, pos) && text[pos + 1] != '\x7F') {
        return CKana{kana::FromKatakanaTrail(static_cast<unsigned char>(text[pos + 1])), true};
    }
    return std::nullopt;
}

// Whether word is one of the blank-separated words of list.
bool IsOneOf(std::string_view word, std::string_view list) {
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(' '), list.size());
        if (list.substr(0, end) == word) return true;
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return false;
}

// The letters that small tsu writes before the kana of the listed romaji.
struct CGemination {
    std::string_view mark;
    std::string_view before;
};

constexpr std::array kHiraganaGemination{
    CGemination{"k", "ka ga ki gi ku gu ke ge ko go"},
    CGemination{"s", "sa za shi ji su zu se ze so zo"},
    CGemination{"t", "ta chi tsu te to"},
    CGemination{"d", "da"},
    CGemination{"b", "ba bi bu be bo"},
    CGemination{"p", "pa pi pu pe po"},
};

constexpr std::array kKatakanaGemination{
    CGemination{"K", "ka ki ku ke ko"},
    CGemination{"G", "ga gi gu ge go"},
    CGemination{"S", "sa shi su se so"},
    CGemination{"J", "ji"},
    CGemination{"Z", "zu"},
    CGemination{"T", "ta chi tsu te to"},
    CGemination{"D", "da de do"},
    CGemination{"H", "ha hi he"},
    CGemination{"F", "fu"},
    CGemination{"B", "ba bi bu be bo"},
    CGemination{"P", "pa pi pu pe po"},
    CGemination{"N", "n"},
};

// っ before サ シ ス セ ソ.
constexpr CGemination kHiraganaBeforeKatakana{"s", "sa shi su se so"};

std::string_view FindMark(std::span<const CGemination> table, KanaCode next) {
    for (const CGemination& gemination : table) {
        if (IsOneOf(kana::Romaji(next), gemination.before)) return gemination.mark;
    }
    return {};
}

// What small tsu (katakana if katakana) writes before next: the doubled consonant, nothing, or
// an apostrophe where no kana follows or the script changes.
std::string_view GeminationMark(bool katakana, const std::optional<CKana>& next) {
    if (!next) return "'";
    if (next->katakana == katakana) {
        return FindMark(katakana ? std::span<const CGemination>(kKatakanaGemination)
                                 : std::span<const CGemination>(kHiraganaGemination),
                        next->code);
    }
    if (!katakana && IsOneOf(kana::Romaji(next->code), kHiraganaBeforeKatakana.before)) {
        return kHiraganaBeforeKatakana.mark;
    }
    return "'";
}

// Whether a small kana is read together with the kana before it. The others (ぃ ぅ ぉ ゎ ヮ ヵ
// ヶ) read as their full-size kana.
bool Combines(CKana kana) {
    return IsOneOf(kana::Romaji(kana.code),
                   kana.katakana ? "xa xi xu xe xo xya xyu xyo" : "xa xe xya xyu xyo");
}

// Romaji of an i-kana with small ya, yu or yo (kya, sha, ja, cha); empty for other pairs.
std::string YouonRomaji(KanaCode iKana, KanaCode small) {
    if (!IsOneOf(kana::Romaji(iKana), "ki gi shi ji chi ni hi bi pi mi ri") ||
        !IsOneOf(kana::Romaji(small), "xya xyu xyo")) {
        return {};
    }
    std::string romaji(kana::Romaji(iKana));
    romaji.pop_back();
    if (romaji.size() == 1 && romaji != "j") romaji += 'y';
    return romaji + kana::Romaji(small).back();
}

// Romaji of previous followed by small, or empty when the two form no combination.
std::string CombinationRomaji(const std::optional<CKana>& previous, CKana small) {
    if (!previous || previous->katakana != small.katakana) return {};
    const std::string youon = YouonRomaji(previous->code, small.code);
    if (!youon.empty()) return kana::Cased(youon, small.katakana);
    const auto combinations =
        small.katakana ? std::span<const kana::CCombination>(kana::kKatakanaCombinations)
                       : std::span<const kana::CCombination>(kana::kHiraganaCombinations);
    for (const kana::CCombination& combination : combinations) {
        if (combination.first == previous->code && combination.second == small.code) {
            return std::string(combination.romaji);
        }
    }
    return {};
}

// Replaces the last count letters of romaji (all of them when it is shorter) by text.
void ReplaceEnd(std::string& romaji, std::size_t count, std::string_view text) {
    romaji.erase(romaji.size() - std::min(count, romaji.size()));
    romaji += text;
}

// Whether a syllable needs an apostrophe to stay apart from the romaji before it:
//   - after ん or ン, when its first letter would join the n (n'a, n'you, N'NERU would read as
//     な, にょう, ッネ);
//   - e after e and o after o, which would read as the long vowels えい and おう (e'e, o'o;
//     katakana E'E, O'O). Doubled a, i and u read back as written ("JUU" is ジュウ).
bool NeedsApostrophe(std::string_view romaji, std::string_view syllable, bool katakana,
                     const std::optional<CKana>& previous) {
    if (romaji.empty() || syllable.empty()) return false;
    const bool samePrevious = previous && previous->katakana == katakana;
    if (samePrevious && previous->code == kana::Kana("n")) {
        return IsOneOf(syllable.substr(0, 1), katakana ? "a i u e o y n" : "a i u e o y");
    }
    if (!IsOneOf(syllable, "e o")) return false;
    const char last = romaji.back();
    // The vowel of a katakana syllable may be a lower-case marker (Ti); ー writes upper case.
    const bool sameScript = katakana
                                ? std::isupper(static_cast<unsigned char>(last)) || samePrevious
                                : std::islower(static_cast<unsigned char>(last));
    return sameScript && std::tolower(static_cast<unsigned char>(last)) == syllable.front();
}

void AppendKana(std::string& romaji, CKana kana, const std::optional<CKana>& previous,
                const std::optional<CKana>& next) {
    if (kana.code == kSmallTsu) {
        romaji += GeminationMark(kana.katakana, next);
        return;
    }
    if (Combines(kana)) {
        const std::string combination = CombinationRomaji(previous, kana);
        if (combination.empty()) {
            ReplaceEnd(romaji, 2, "X");
        } else {
            ReplaceEnd(romaji, kana::Romaji(previous->code).size(), combination);
        }
        return;
    }
    const bool small = kana::IsSmall(kana.code);
    const std::string_view syllable = kana::Romaji(kana.code).substr(small ? 1 : 0);
    if (!small && NeedsApostrophe(romaji, syllable, kana.katakana, previous)) romaji += '\'';
    romaji += kana::Cased(syllable, kana.katakana);
}

// ー repeats the vowel before it, in upper case.
void AppendLongVowel(std::string& romaji) {
    const char last = romaji.back();
    if (std::string_view("aiueo").find(last) != std::string_view::npos) {
        romaji += static_cast<char>(last - 'a' + 'A');
    } else if (std::string_view("AIUEO").find(last) != std::string_view::npos) {
        romaji += last;
    }
}

bool IsFullWidthAlphanumeric(unsigned char lead, unsigned char trail) {
    return lead == 0x82 && ((trail >= 0x4F && trail <= 0x58) || (trail >= 0x60 && trail <= 0x79));
}

}  // namespace

std::string KanaToRomaji(std::string_view sjis) {
    std::string romaji;
    std::optional<CKana> previous;
    for (std::size_t pos = 0; pos < sjis.size(); pos += sjis::CharLength(sjis, pos)) {
        const auto lead = static_cast<unsigned char>(sjis[pos]);
        if (!sjis::IsLeadByte(lead)) {
            previous.reset();
            continue;
        }
        if (pos + 1 == sjis.size()) break;
        const auto trail = static_cast<unsigned char>(sjis[pos + 1]);
        const std::optional<CKana> kana = KanaAt(sjis, pos);
        if (kana) {
            AppendKana(romaji, *kana, previous, KanaAt(sjis, pos + 2));
        } else if (lead == 0x81 && trail == 0x5B) {
            if (romaji.empty()) return romaji;
            AppendLongVowel(romaji);
        } else if (IsFullWidthAlphanumeric(lead, trail)) {
            return {};
        }
        previous = kana;
    }
    return romaji;
}

}  // namespace brushly
