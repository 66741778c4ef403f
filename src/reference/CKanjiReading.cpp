#include "reference/CKanjiReading.h"

#include <array>
#include <string_view>
#include <utility>

#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

const CRuntimeClass CKanjiReading::kRuntimeClass{"CKanjiReading", 1, false,
                                                 &CreateObject<CKanjiReading>};

namespace {

constexpr std::array<std::string_view, 9> kVerbClassNames{"none", "-ru",       "-ru",  "-u", "-aru",
                                                          "suru", "suru (ON)", "kuru", "adj"};

constexpr std::array<std::string_view, 5> kHonorificVerbs{"gozaru", "kudasaru", "irassharu",
                                                          "ossharu", "nasaru"};

// One-byte characters looked up in a table: the kanji search tests every byte of every
// reading and meaning of the database against the separators and the white space, and
// searching through the set for each byte took a third of its time.
class CByteSet {
public:
    constexpr explicit CByteSet(std::string_view bytes) {
        for (const char byte : bytes)
            m_members[static_cast<unsigned char>(byte)] = true;
    }
    constexpr bool Has(char byte) const { return m_members[static_cast<unsigned char>(byte)]; }

private:
    std::array<bool, 256> m_members{};
};

constexpr CByteSet kWhiteSpace(" \t\r\n\v\f");
constexpr CByteSet kOnSeparators(";,[]-'");
constexpr CByteSet kKunSeparators(";,[]-'$%*#");
constexpr CByteSet kMeaningSeparators(";, ()[]-'/");
constexpr CByteSet kKunDropped("@ ");
constexpr CByteSet kMarkers("%$*#");
constexpr CByteSet kNotDisplayed("%$*#@2");
constexpr CByteSet kParentheses("()");
constexpr CByteSet kClosingParenthesis(")");

bool IsOneOf(std::string_view character, std::string_view set) {
    return character.size() == 1 && set.find(character[0]) != std::string_view::npos;
}

// The text without its one-byte characters that are in removed. Walked in place rather than
// through sjis::Characters: the kanji search calls this for every Kun reading.
std::string WithoutChars(std::string_view text, const CByteSet& removed) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = sjis::CharLength(text, pos);
        if (length != 1 || !removed.Has(text[pos])) result += text.substr(pos, length);
        pos += length;
    }
    return result;
}

std::string Join(const std::vector<std::string>& texts, std::string_view separator) {
    std::string result;
    for (const std::string& text : texts) {
        if (&text != &texts.front()) result += separator;
        result += text;
    }
    return result;
}

// White space lies below the range of trail bytes, so trimming bytes is safe.
std::string_view Trimmed(std::string_view text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && kWhiteSpace.Has(text[first]))
        ++first;
    while (end > first && kWhiteSpace.Has(text[end - 1]))
        --end;
    return text.substr(first, end - first);
}

// A Kun reading cut at its first "(": the stem before it (the whole reading without one) and
// the okurigana after it, up to the next ")" or the end. "(" and ")" lie below the range of
// trail bytes, so a byte search finds only real parentheses.
struct CKunNotation {
    std::string_view stem;
    std::string_view okurigana;
};

CKunNotation CutKunReading(std::string_view reading) {
    const std::size_t open = reading.find('(');
    if (open == std::string_view::npos) return {reading, {}};
    const std::string_view rest = reading.substr(open + 1);
    return {reading.substr(0, open), rest.substr(0, rest.find(')'))};
}

// Appends tokens to a caller's list, at most CKanjiReading::kMaxTokens per operation.
class CTokenSink {
public:
    explicit CTokenSink(std::vector<std::string>& tokens) : m_tokens(tokens) {}

    bool Full() const { return m_added >= CKanjiReading::kMaxTokens; }
    std::size_t Added() const { return m_added; }

    // Appends a non-empty token while the operation has room for it.
    void Add(std::string token) {
        if (token.empty() || Full()) return;
        m_tokens.push_back(std::move(token));
        ++m_added;
    }

private:
    std::vector<std::string>& m_tokens;
    std::size_t m_added = 0;
};

// Cuts each text at the separator characters and gives each piece, possibly empty, to take.
template <typename Take>
void ForEachPiece(const std::vector<std::string>& texts, const CByteSet& separators, Take take) {
    for (const std::string& text : texts) {
        std::size_t start = 0;
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t length = sjis::CharLength(text, pos);
            if (length == 1 && separators.Has(text[pos])) {
                take(std::string_view(text).substr(start, pos - start));
                start = pos + 1;
            }
            pos += length;
        }
        take(std::string_view(text).substr(start));
    }
}

std::size_t SplitPlain(const std::vector<std::string>& texts, const CByteSet& separators,
                       std::vector<std::string>& tokens) {
    CTokenSink sink(tokens);
    ForEachPiece(texts, separators,
                 [&](std::string_view piece) { sink.Add(sjis::AsciiLower(Trimmed(piece))); });
    return sink.Added();
}

}  // namespace

void CKanjiReading::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteStringArray(kunReadings);
        archive.WriteStringArray(onReadings);
        archive.WriteStringArray(meanings);
    } else {
        archive.ReadStringArray(kunReadings);
        archive.ReadStringArray(onReadings);
        archive.ReadStringArray(meanings);
    }
}

int CKanjiReading::VerbClass(std::size_t kunIndex) const {
    if (kunIndex >= kunReadings.size()) return kVerbNone;
    const std::string reading = sjis::AsciiLower(kunReadings[kunIndex]);
    const std::string plain = WithoutChars(reading, kParentheses);
    if (plain.size() == reading.size()) return kVerbNone;

    const std::vector<std::string_view> characters = sjis::Characters(plain);
    const std::size_t count = characters.size();
    if (count == 0) return kVerbNone;
    const std::string_view last = characters.back();
    if (IsOneOf(last, "%#")) return kVerbGodan;
    if (last == "$") return kVerbNone;
    if (last == "*") return kVerbSuruOn;
    if (last == "i") return kVerbAdjective;
    if (plain == "kuru") return kVerbKuru;
    const std::string_view okurigana = CutKunReading(reading).okurigana;
    if (plain == "suru" || okurigana.ends_with("suru")) return kVerbSuru;
    if (okurigana.ends_with("zuru")) return kVerbIchidan;
    for (const std::string_view honorific : kHonorificVerbs) {
        if (plain == honorific) return kVerbHonorific;
    }
    if (last != "u" || count < 2) return kVerbNone;
    const std::string_view beforeLast = characters[count - 2];
    if (IsOneOf(beforeLast, "abgikmnosu")) return kVerbGodan;
    if (beforeLast != "r" || count < 3) return kVerbNone;
    const std::string_view vowel = characters[count - 3];
    if (IsOneOf(vowel, "aou")) return kVerbGodan;
    if (IsOneOf(vowel, "ei")) return kVerbIchidan;
    return kVerbNone;
}

std::string CKanjiReading::VerbClassName(int code) {
    if (code < 0 || code >= static_cast<int>(kVerbClassNames.size())) return {};
    return std::string(kVerbClassNames[static_cast<std::size_t>(code)]);
}

std::string CKanjiReading::DisplayText(int longOMode) const {
    std::string readings = sjis::AsciiUpper(Join(onReadings, ", "));
    if (!onReadings.empty() && !kunReadings.empty()) readings += ", ";
    readings += Join(kunReadings, ", ");
    readings += " : ";
    if (longOMode == 1)
        readings = sjis::ReplaceAll(sjis::ReplaceAll(readings, "oo", "ou"), "OO", "OU");
    return WithoutChars(readings, kNotDisplayed) + Join(meanings, "; ");
}

std::string CKanjiReading::KanaDisplayText() const {
    std::string line = OnKanaText(KanaKind::Katakana);
    if (!onReadings.empty() && !kunReadings.empty()) line += ",";
    line += KunKanaText(false, false);
    line += " : ";
    for (std::size_t i = 0; i < meanings.size(); ++i)
        line += (i == 0 ? "" : "; ") + meanings[i];
    return line;
}

std::string CKanjiReading::MeaningsText() const {
    return Join(meanings, ", ");
}

std::string CKanjiReading::OnKanaText(KanaKind kind) const {
    const std::string romaji = kind == KanaKind::Katakana
                                   ? sjis::AsciiUpper(Join(onReadings, ", "))
                                   : sjis::AsciiLower(Join(onReadings, ", "));
    return RomajiToKana(romaji, false, false);
}

std::string CKanjiReading::KunKanaText(bool dot, bool keepPlain) const {
    std::vector<std::string> kana;
    for (std::size_t i = 0; i < kunReadings.size(); ++i) {
        if (!keepPlain && VerbClass(i) == kVerbSuruOn) {
            const KunParts parts = SplitKunEntry(i, dot);
            kana.push_back(parts.stem + parts.okurigana);
            continue;
        }
        std::string romaji = WithoutChars(sjis::AsciiLower(kunReadings[i]), kMarkers);
        if (dot) romaji = sjis::ReplaceAll(WithoutChars(romaji, kClosingParenthesis), "(", ".");
        kana.push_back(RomajiToKana(romaji, false, false));
    }
    return Join(kana, ",");
}

CKanjiReading::KunParts CKanjiReading::SplitKunEntry(std::size_t kunIndex, bool dot) const {
    if (kunIndex >= kunReadings.size()) return {};
    const CKunNotation notation = CutKunReading(kunReadings[kunIndex]);
    KunParts parts;
    parts.stem = RomajiToKana(sjis::AsciiUpper(notation.stem) + "(", false, false);
    if (dot && !parts.stem.empty()) {
        parts.stem.resize(parts.stem.size() - sjis::Characters(parts.stem).back().size());
        parts.stem += '.';
    }
    parts.okurigana = RomajiToKana(sjis::AsciiLower(notation.okurigana), false, false);
    if (!dot) parts.okurigana += ')';
    return parts;
}

std::size_t CKanjiReading::SplitOnReadings(std::vector<std::string>& tokens) const {
    return SplitPlain(onReadings, kOnSeparators, tokens);
}

std::size_t CKanjiReading::SplitKunReadings(std::vector<std::string>& tokens) const {
    CTokenSink sink(tokens);
    ForEachPiece(kunReadings, kKunSeparators, [&](std::string_view piece) {
        const std::string token = sjis::AsciiLower(Trimmed(WithoutChars(piece, kKunDropped)));
        sink.Add(token);
        if (token.empty() || token.find_first_of("()") == std::string::npos) return;
        sink.Add(WithoutChars(token, kParentheses));
        sink.Add(std::string(CutKunReading(token).stem));
    });
    return sink.Added();
}

std::size_t CKanjiReading::SplitMeanings(std::vector<std::string>& tokens) const {
    return SplitPlain(meanings, kMeaningSeparators, tokens);
}

}  // namespace brushly
