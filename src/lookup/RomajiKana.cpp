#include "lookup/RomajiKana.h"

#include <array>
#include <cctype>
#include <span>
#include <utility>

#include "lookup/KanaTable.h"
#include "platform/ShiftJis.h"

namespace brushly {

using kana::Kana;
using kana::KanaCode;
using kana::kSmallTsu;

namespace {

constexpr std::string_view kLongMark = "\x81\x5B";          // ー
constexpr std::string_view kVerticalLongMark = "\xFA\x68";  // 丨

// Romaji read from a position of a text; the syllable converters consume it from the front.
class CRomajiReader {
public:
    explicit CRomajiReader(std::string_view text) : m_text(text) {}

    std::size_t Position() const { return m_pos; }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    std::size_t Remaining() const { return m_text.size() - m_pos; }
    bool AtTwoByteCharacter() const { return !AtEnd() && sjis::CharLength(m_text, m_pos) == 2; }
    bool StartsWith(std::string_view letters) const {
        return m_text.substr(m_pos).starts_with(letters);
    }

    // The character offset places ahead; '\0' past the end.
    char Peek(std::size_t offset = 0) const {
        return offset < Remaining() ? m_text[m_pos + offset] : '\0';
    }
    // The character consumed last; '\0' before the first.
    char Last() const { return m_pos > 0 ? m_text[m_pos - 1] : '\0'; }

    void Skip(std::size_t count) { m_pos += count; }
    // Consumes count characters and gives kana.
    std::string Take(std::size_t count, std::string kana) {
        Skip(count);
        return kana;
    }
    // Consumes up to count characters and gives nothing. A two-byte character is dropped whole,
    // so that its trail byte is never read as a letter.
    std::string Drop(std::size_t count) {
        for (std::size_t dropped = 0; dropped < count && !AtEnd(); ++dropped) {
            m_pos += sjis::CharLength(m_text, m_pos);
        }
        return {};
    }
    std::string DropRest() {
        m_pos = m_text.size();
        return {};
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A kana optionally followed by a small kana; first is 0 for none.
struct CKanaPair {
    KanaCode first = 0;
    KanaCode second = 0;
};

std::string KanaText(CKanaPair kana, bool katakana) {
    std::string text;
    for (const KanaCode code : {kana.first, kana.second}) {
        if (code == 0) continue;
        text += static_cast<char>(katakana ? sjis::kKatakanaLead : sjis::kHiraganaLead);
        text += static_cast<char>(katakana ? kana::KatakanaTrail(code) : code);
    }
    return text;
}

std::string Hiragana(CKanaPair kana) {
    return KanaText(kana, false);
}
std::string Katakana(CKanaPair kana) {
    return KanaText(kana, true);
}

bool Contains(std::string_view set, char c) {
    return c != '\0' && set.find(c) != std::string_view::npos;
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The lower-case vowel that c is when it is a vowel of the wanted case, else '\0'.
char VowelOf(char c, bool upper) {
    return Contains(upper ? "AIUEO" : "aiueo", c) ? Lower(c) : '\0';
}

KanaCode VowelKana(char vowel) {
    return kana::FindKana(std::string_view(&vowel, 1));
}

// The kana of a lower-case consonant and vowel in its row, accepting the Kunrei spellings of
// the table's Hepburn ones (si, zi, ti, tu, du, hu); 0 where the row has no such kana.
KanaCode RowKana(char consonant, char vowel) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kKunrei{
        {{"si", "shi"}, {"zi", "ji"}, {"ti", "chi"}, {"tu", "tsu"}, {"du", "dzu"}, {"hu", "fu"}}};
    if (vowel == '\0') return 0;
    const std::string syllable{consonant, vowel};
    for (const auto& [kunrei, hepburn] : kKunrei) {
        if (syllable == kunrei) return kana::FindKana(hepburn);
    }
    return kana::FindKana(syllable);
}

// Small ya, yu, yo for the lower-case vowels a, u, o; 0 for the others.
KanaCode SmallYKana(char vowel) {
    return Contains("auo", vowel) ? kana::FindKana(std::string{'x', 'y', vowel}) : 0;
}

// An i-kana alone for the vowel i, or followed by small ya, yu, yo for a, u, o (しゃ, じゅ).
CKanaPair Youon(KanaCode iKana, char vowel) {
    if (vowel == 'i') return {iKana};
    const KanaCode small = SmallYKana(vowel);
    return small != 0 ? CKanaPair{iKana, small} : CKanaPair{};
}

const kana::CCombination* FindCombination(std::span<const kana::CCombination> combinations,
                                          const CRomajiReader& in) {
    for (const kana::CCombination& combination : combinations) {
        if (in.StartsWith(combination.romaji)) return &combination;
    }
    return nullptr;
}

// Whether c0 c1 doubles the next consonant (hiragana kk, tc, p.): c0 gives っ.
bool HiraganaGeminates(char c0, char c1) {
    return ((c1 == '(' || c1 == '.') && Contains("kgszthbp", c0)) ||
           (c1 == c0 && Contains("kstp", c0)) || (c0 == 't' && c1 == 'c') ||
           (c0 == 's' && c1 == 'S');
}

bool KatakanaGeminates(char c0, char c1) {
    return (c1 == c0 && Contains("KGSZTDHBPFJN", c0)) || (c1 == '(' && Contains("KGSZ", c0)) ||
           (c0 == 'K' && c1 == 'k') || (c0 == 'T' && c1 == 'C');
}

// The kana of the vowel that lengthens a syllable ending in vowel: あ, い for i and e, う for u
// and o.
KanaCode LongVowelKana(char vowel) {
    return VowelKana(vowel == 'e' ? 'i' : vowel == 'o' ? 'u' : vowel);
}

std::string HiraganaSyllable(CRomajiReader& in) {
    if (in.AtEnd()) return {};
    if (in.AtTwoByteCharacter()) return in.Drop(1);
    const char c0 = in.Peek(0);
    const char c1 = in.Peek(1);
    const char c2 = in.Peek(2);
    if (c0 == ' ' || c0 == '\'') return in.Drop(1);
    if (Contains("()-,.@[]", c0)) return in.Take(1, std::string(1, c0));
    if (const char vowel = VowelOf(c0, false)) return in.Take(1, Hiragana({VowelKana(vowel)}));
    if (c0 == 'x') return in.Take(1, Katakana({kSmallTsu}));
    if (c0 == 'n' && !Contains("aeiouy", c1)) return in.Take(1, Hiragana({Kana("n")}));
    if (in.Remaining() == 1) return in.Drop(1);
    if (const kana::CCombination* combination = FindCombination(kana::kHiraganaCombinations, in)) {
        return in.Take(combination->romaji.size(),
                       Hiragana({combination->first, combination->second}));
    }
    if (c1 == 'y') {
        if (in.Remaining() < 3) return in.DropRest();
        if (!Contains("kgsztnhbpmr", c0)) return in.Drop(1);
        const KanaCode small = SmallYKana(c2);
        return small != 0 ? in.Take(3, Hiragana({RowKana(c0, 'i'), small})) : in.Drop(2);
    }
    if (Contains("kgsztdnhbpmrfwy", c0)) {
        if (const KanaCode kana = RowKana(c0, VowelOf(c1, false))) {
            return in.Take(2, Hiragana({kana}));
        }
    }
    if (HiraganaGeminates(c0, c1)) return in.Take(1, Hiragana({kSmallTsu}));
    switch (c0) {
        case 's':
            if (c1 != 'h') return in.Drop(1);
            if (const CKanaPair kana = Youon(Kana("shi"), VowelOf(c2, false)); kana.first) {
                return in.Take(3, Hiragana(kana));
            }
            return in.Drop(2);
        case 't':
        case 'd':
            if (c1 == 's') {
                return c0 == 't' && c2 == 'u' ? in.Take(3, Hiragana({Kana("tsu")})) : in.Drop(2);
            }
            if (c1 == 'z') {
                return c0 == 'd' && c2 == 'u' ? in.Take(3, Hiragana({Kana("dzu")})) : in.Drop(2);
            }
            return in.Drop(1);
        case 'c':
            if (const CKanaPair kana = Youon(Kana("chi"), VowelOf(c2, false));
                c1 == 'h' && kana.first) {
                return in.Take(3, Hiragana(kana));
            }
            return in.Drop(2);
        case 'j':
            if (const CKanaPair kana = Youon(Kana("ji"), VowelOf(c1, false)); kana.first) {
                return in.Take(2, Hiragana(kana));
            }
            return in.Drop(1);
        default:
            return in.Drop(1);
    }
}

std::string KatakanaSyllable(CRomajiReader& in) {
    if (in.AtEnd()) return {};
    if (in.AtTwoByteCharacter()) return in.Drop(1);
    const char c0 = in.Peek(0);
    const char c1 = in.Peek(1);
    const char c2 = in.Peek(2);
    if (c0 == ' ' || c0 == '\'') return in.Drop(1);
    if (Contains("(),-@[]", c0)) return in.Take(1, std::string(1, c0));
    if (const char vowel = VowelOf(c0, true)) return in.Take(1, Katakana({VowelKana(vowel)}));
    if (c0 == 'N' && !Contains("AEINOUY", c1)) return in.Take(1, Katakana({Kana("n")}));
    if (in.Remaining() == 1) return in.Drop(1);
    if (const kana::CCombination* combination = FindCombination(kana::kKatakanaCombinations, in)) {
        return in.Take(combination->romaji.size(),
                       Katakana({combination->first, combination->second}));
    }
    if (c1 == 'W') {
        if (in.Remaining() < 3) return in.DropRest();
        return in.Drop(c0 == 'K' || c0 == 'G' ? 2 : 1);
    }
    if (c1 == 'Y') {
        if (in.Remaining() < 3) return in.DropRest();
        if (!Contains("KGSZTNHBPMR", c0)) return in.Drop(1);
        if (const KanaCode small = SmallYKana(VowelOf(c2, true))) {
            return in.Take(3, Katakana({RowKana(Lower(c0), 'i'), small}));
        }
        if (c0 == 'H' && c2 == 'u') return in.Take(3, Katakana({Kana("fu"), Kana("xyu")}));
        return in.Drop(2);
    }
    if (Contains("KGSZTDNHBPMRFVWY", c0)) {
        if (const KanaCode kana = RowKana(Lower(c0), VowelOf(c1, true))) {
            return in.Take(2, Katakana({kana}));
        }
    }
    if (KatakanaGeminates(c0, c1)) return in.Take(1, Katakana({kSmallTsu}));
    switch (c0) {
        case 'S':
        case 'Z':
            if (c1 == 'u') return in.Remaining() < 3 ? in.DropRest() : in.Drop(2);
            if (c0 == 'Z' || c1 != 'H') return in.Drop(1);
            if (const CKanaPair kana = Youon(Kana("shi"), VowelOf(c2, true)); kana.first) {
                return in.Take(3, Katakana(kana));
            }
            return in.Drop(2);
        case 'T':
        case 'D':
            if (c1 == 'S') {
                return c0 == 'T' && c2 == 'U' ? in.Take(3, Katakana({Kana("tsu")})) : in.Drop(2);
            }
            if (c1 == 'Z') {
                return c0 == 'D' && c2 == 'U' ? in.Take(3, Katakana({Kana("dzu")})) : in.Drop(2);
            }
            return in.Drop(1);
        case 'C':
            if (const CKanaPair kana = Youon(Kana("chi"), VowelOf(c2, true));
                c1 == 'H' && kana.first) {
                return in.Take(3, Katakana(kana));
            }
            return in.Drop(2);
        case 'J':
            if (const CKanaPair kana = Youon(Kana("ji"), VowelOf(c1, true)); kana.first) {
                return in.Take(2, Katakana(kana));
            }
            return in.Drop(1);
        default:
            return in.Drop(1);
    }
}

// A syllable ending in a vowel takes the same vowel after it as its long vowel; "@o" also
// lengthens it with お.
std::string HiraganaWithLongVowel(CRomajiReader& in) {
    std::string kana = HiraganaSyllable(in);
    const char vowel = VowelOf(in.Last(), false);
    if (kana.empty() || vowel == '\0') return kana;
    if (in.Peek() == vowel) {
        in.Skip(1);
        kana += Hiragana({LongVowelKana(vowel)});
    } else if (in.Peek() == '@' && in.Peek(1) == 'o') {
        in.Skip(2);
        kana += Hiragana({VowelKana('o')});
    }
    return kana;
}

// The vowel of a katakana syllable is upper case, also after a lower-case marker ("TiI" is ティー).
std::string KatakanaWithLongVowel(CRomajiReader& in, bool useLongMark, bool vertical) {
    std::string kana = KatakanaSyllable(in);
    const char vowel = VowelOf(Upper(in.Last()), true);
    if (kana.empty() || vowel == '\0' || in.Peek() != Upper(vowel)) return kana;
    in.Skip(1);
    if (!useLongMark) {
        kana += Katakana({LongVowelKana(vowel)});
    } else {
        kana += vertical ? kVerticalLongMark : kLongMark;
    }
    return kana;
}

std::string KanaSyllable(CRomajiReader& in, bool useLongMark, bool vertical) {
    return std::isupper(static_cast<unsigned char>(in.Peek()))
               ? KatakanaWithLongVowel(in, useLongMark, vertical)
               : HiraganaWithLongVowel(in);
}

// Runs convert on a reader of text and removes what it consumed from the front of text.
template <typename Convert>
std::string ConvertFront(std::string& text, Convert convert) {
    CRomajiReader in(text);
    std::string kana = convert(in);
    text.erase(0, in.Position());
    return kana;
}

// Replaces every occurrence of from, scanning left to right, in one pass.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string::npos;
         found = text.find(from, start)) {
        result.append(text, start, found - start).append(to);
        start = found + from.size();
    }
    if (start == 0) return;
    text = std::move(result.append(text, start));
}

void NormalizeCased(std::string& text, bool upper) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kHepburn{{
        {"ti", "chi"},
        {"tu", "tsu"},
        {"si", "shi"},
        {"zi", "ji"},
        {"di", "ji"},
        {"dzu", "zu"},
        {"sya", "sha"},
        {"syu", "shu"},
        {"syo", "sho"},
        {"tya", "cha"},
        {"tyu", "chu"},
        {"tyo", "cho"},
        {"zya", "ja"},
        {"zyu", "ju"},
        {"zyo", "jo"},
    }};
    for (const auto& [kunrei, hepburn] : kHepburn) {
        ReplaceAll(text, kana::Cased(kunrei, upper), kana::Cased(hepburn, upper));
    }
    // hu is fu, except for the u of shu and chu.
    const std::string hu = kana::Cased("hu", upper);
    const std::string_view notAfter = upper ? "SC" : "sc";
    for (std::size_t found = text.find(hu); found != std::string::npos;
         found = text.find(hu, found + hu.size())) {
        if (found == 0 || !Contains(notAfter, text[found - 1])) text[found] = upper ? 'F' : 'f';
    }
}

}  // namespace

std::string RomajiToKanaSyllable(std::string& text, bool useLongMark, bool vertical) {
    return ConvertFront(text,
                        [&](CRomajiReader& in) { return KanaSyllable(in, useLongMark, vertical); });
}

std::string RomajiToHiraganaSyllable(std::string& text) {
    return ConvertFront(text, HiraganaWithLongVowel);
}

std::string RomajiToKatakanaSyllable(std::string& text, bool useLongMark, bool vertical) {
    return ConvertFront(
        text, [&](CRomajiReader& in) { return KatakanaWithLongVowel(in, useLongMark, vertical); });
}

std::string RomajiToKana(std::string_view text, bool useLongMark, bool vertical) {
    CRomajiReader in(text);
    std::string kana;
    while (!in.AtEnd())
        kana += KanaSyllable(in, useLongMark, vertical);
    return kana;
}

void NormalizeRomaji(std::string& text) {
    NormalizeCased(text, false);
}

void NormalizeRomajiUpper(std::string& text) {
    NormalizeCased(text, true);
}

std::string ComparableRomaji(std::string_view romaji) {
    std::string text;
    for (const char letter : romaji) {
        if (letter != ' ' && letter != '\'') text += Lower(letter);
    }
    NormalizeRomaji(text);
    for (std::size_t i = text.size(); i-- > 1;) {
        if (text[i] == 'u' && text[i - 1] == 'o') text[i] = 'o';
    }
    return text;
}

std::string LongORomaji(std::string_view romaji, int longOMode) {
    if (longOMode != 1) return std::string(romaji);
    return sjis::ReplaceAll(sjis::ReplaceAll(romaji, "oo", "ou"), "OO", "OU");
}

}  // namespace brushly
