#pragma once

#include <iconv.h>

#include <string>
#include <string_view>
#include <vector>

// Shift-JIS (code page 932) text helpers.
//
// All of the program's text is kept as Shift-JIS bytes: files and algorithms depend on
// byte offsets. Conversion to UTF-8 or UTF-16 happens only for display and for importing
// data. Invalid input never fails a conversion: an unconvertible sequence becomes '?'
// (or U+FFFD towards Unicode) and conversion goes on with the next byte.
namespace brushly::sjis {

inline constexpr unsigned char kHiraganaLead = 0x82;
inline constexpr unsigned char kKatakanaLead = 0x83;

// True for a byte that begins a two-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length in bytes (1 or 2) of the character that starts at pos; a lead byte at the end of
// the text counts as one byte.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

constexpr bool IsHiragana(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && static_cast<unsigned char>(text[pos]) == kHiraganaLead &&
           static_cast<unsigned char>(text[pos + 1]) >= 0x9F &&
           static_cast<unsigned char>(text[pos + 1]) <= 0xF1;
}

constexpr bool IsKatakana(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && static_cast<unsigned char>(text[pos]) == kKatakanaLead &&
           static_cast<unsigned char>(text[pos + 1]) >= 0x40 &&
           static_cast<unsigned char>(text[pos + 1]) <= 0x96;
}

// True for a non-empty text made of hiragana, katakana and the long-vowel mark only.
bool IsKanaText(std::string_view text);

// The characters of a text, each one byte or a double-byte pair (a lead byte cut off at
// the end counts as one character).
std::vector<std::string_view> Characters(std::string_view text);

// The text with its ASCII letters in upper or lower case. Only single-byte characters
// change: the trail byte of a double-byte character may look like a letter.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// The text with every occurrence of `from` that begins at a character boundary replaced by
// `to`, scanning left to right without overlaps; so an ASCII `from` never matches the trail
// byte of a double-byte character. An empty `from` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// A reusable iconv conversion between two encodings; cheaper than the free functions below
// when many strings are converted (a dictionary import). Not copyable; one per thread.
class CCodeConverter {
public:
    // Throws std::runtime_error when the platform lacks one of the encodings.
    CCodeConverter(const char* from, const char* to, std::string replacement);
    ~CCodeConverter();
    CCodeConverter(const CCodeConverter&) = delete;
    CCodeConverter& operator=(const CCodeConverter&) = delete;

    std::string Convert(std::string_view input);

private:
    // Bytes of the unconvertible character at input: a whole UTF-8 sequence or UTF-16
    // unit or pair, else one byte.
    std::size_t SkipLength(const char* input, std::size_t left) const;

    iconv_t m_handle;
    std::string m_replacement;
    bool m_fromUtf8;
    bool m_fromUtf16;
};

std::string ToUtf8(std::string_view sjis);
std::string FromUtf8(std::string_view utf8);
std::u16string ToUtf16(std::string_view sjis);
std::string FromUtf16(std::u16string_view utf16);
// EUC-JP (the EDICT dictionary's encoding) to Shift-JIS.
std::string FromEucJp(std::string_view eucjp);

}  // namespace brushly::sjis
