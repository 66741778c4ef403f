#include "platform/ShiftJis.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace brushly::sjis {

namespace {
constexpr const char* kShiftJis = "CP932";
constexpr const char* kReplacementSjis = "?";
// U+FFFD in the two encodings that Unicode text leaves in.
constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";
const std::string kReplacementUtf16Le("\xFD\xFF", 2);
}  // namespace

CCodeConverter::CCodeConverter(const char* from, const char* to, std::string replacement)
    : m_handle(iconv_open(to, from)),
      m_replacement(std::move(replacement)),
      m_fromUtf8(std::string_view(from) == "UTF-8"),
      m_fromUtf16(std::string_view(from) == "UTF-16LE") {
    if (m_handle == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("cannot convert text from ") + from + " to " + to);
    }
}

CCodeConverter::~CCodeConverter() {
    iconv_close(m_handle);
}

std::size_t CCodeConverter::SkipLength(const char* input, std::size_t left) const {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(input[i]); };
    if (m_fromUtf8) {
        std::size_t length = 1;
        while (length < 4 && length < left && (byte(length) & 0xC0) == 0x80)
            ++length;
        return length;
    }
    if (m_fromUtf16) {
        const bool highSurrogate =
            left >= 4 && (byte(1) & 0xFC) == 0xD8 && (byte(3) & 0xFC) == 0xDC;
        return highSurrogate ? 4 : 2;
    }
    return 1;
}

std::string CCodeConverter::Convert(std::string_view input) {
    iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
    std::string output;
    output.reserve(input.size() * 2 + 8);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ, or EINVAL for a sequence cut off at the end: skip the character.
        output += m_replacement;
        const std::size_t skip = std::min(SkipLength(in, inLeft), inLeft);
        in += skip;
        inLeft -= skip;
    }
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(m_handle, nullptr, nullptr, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    return output;
}

bool IsKanaText(std::string_view text) {
    constexpr std::string_view kLongMark = "\x81\x5B";
    const auto characters = Characters(text);
    return !characters.empty() &&
           std::all_of(characters.begin(), characters.end(), [&](std::string_view character) {
               return character == kLongMark || IsHiragana(character, 0) ||
                      IsKatakana(character, 0);
           });
}

std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLength(text, pos);
        characters.push_back(text.substr(pos, length));
        pos += length;
    }
    return characters;
}

namespace {
std::string AsciiCased(std::string_view text, char from, char to) {
    std::string result(text);
    for (std::size_t pos = 0; pos < result.size(); pos += CharLength(result, pos)) {
        if (result[pos] >= from && result[pos] <= from + 25)
            result[pos] = static_cast<char>(result[pos] - from + to);
    }
    return result;
}
}  // namespace

std::string AsciiUpper(std::string_view text) {
    return AsciiCased(text, 'a', 'A');
}

std::string AsciiLower(std::string_view text) {
    return AsciiCased(text, 'A', 'a');
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (text.substr(pos).starts_with(from)) {
            result += to;
            pos += from.size();
        } else {
            const std::size_t length = CharLength(text, pos);
            result += text.substr(pos, length);
            pos += length;
        }
    }
    return result;
}

std::string ToUtf8(std::string_view sjis) {
    return CCodeConverter(kShiftJis, "UTF-8", kReplacementUtf8).Convert(sjis);
}

std::string FromUtf8(std::string_view utf8) {
    return CCodeConverter("UTF-8", kShiftJis, kReplacementSjis).Convert(utf8);
}

std::u16string ToUtf16(std::string_view sjis) {
    const std::string bytes =
        CCodeConverter(kShiftJis, "UTF-16LE", kReplacementUtf16Le).Convert(sjis);
    std::u16string result(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < result.size(); ++i) {
        result[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return result;
}

std::string FromUtf16(std::u16string_view utf16) {
    std::string bytes(utf16.size() * 2, '\0');
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        bytes[2 * i] = static_cast<char>(utf16[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(utf16[i] >> 8);
    }
    return CCodeConverter("UTF-16LE", kShiftJis, kReplacementSjis).Convert(bytes);
}

std::string FromEucJp(std::string_view eucjp) {
    return CCodeConverter("EUC-JP", kShiftJis, kReplacementSjis).Convert(eucjp);
}

}  // namespace brushly::sjis
