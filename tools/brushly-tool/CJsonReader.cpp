#include "CJsonReader.h"

#include <charconv>
#include <cstdio>

namespace brushly::tool {

std::string_view CJsonValue::KindName(Kind kind) {
    switch (kind) {
        case Kind::kNull:
            return "null";
        case Kind::kBool:
            return "a boolean";
        case Kind::kNumber:
            return "a number";
        case Kind::kString:
            return "a string";
        case Kind::kArray:
            return "an array";
        case Kind::kObject:
            return "an object";
    }
    return "a value";
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The character at a failure, as a reader of the message would want to see it.
std::string Describe(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return "the end of the file";
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte >= 0x21 && byte < 0x7f) return std::string("'") + text[pos] + "'";
    char hex[16];
    std::snprintf(hex, sizeof hex, "byte 0x%02X", byte);
    return hex;
}

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

CJsonValue CJsonReader::Parse(std::string_view text) {
    CJsonReader reader(text);
    reader.SkipSpace();
    CJsonValue value = reader.ReadValue(0);
    reader.SkipSpace();
    if (!reader.AtEnd())
        reader.Fail("unexpected " + Describe(text, reader.m_pos) + " after the value");
    return value;
}

void CJsonReader::Fail(std::string_view message) const {
    FailAt(m_pos, message);
}

void CJsonReader::FailAt(std::size_t offset, std::string_view message) const {
    throw CJsonError(offset, std::string(message));
}

void CJsonReader::SkipSpace() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
        ++m_pos;
}

void CJsonReader::Expect(char wanted, std::string_view what) {
    if (Peek() != wanted) {
        Fail("expected " + std::string(what) + ", found " + Describe(m_text, m_pos));
    }
    ++m_pos;
}

CJsonValue CJsonReader::ReadValue(int depth) {
    const std::size_t start = m_pos;
    CJsonValue value;
    switch (Peek()) {
        case '{':
            value = ReadObject(depth + 1);
            break;
        case '[':
            value = ReadArray(depth + 1);
            break;
        case '"':
            value.kind = CJsonValue::Kind::kString;
            value.text = ReadString();
            break;
        case 't':
        case 'f':
            value.kind = CJsonValue::Kind::kBool;
            value.boolean = Peek() == 't';
            ReadLiteral(value.boolean ? "true" : "false");
            break;
        case 'n':
            ReadLiteral("null");
            break;
        default:
            if (AtEnd() || !(Peek() == '-' || IsDigit(Peek()))) {
                Fail("expected a value, found " + Describe(m_text, m_pos));
            }
            value = ReadNumber();
    }
    value.offset = start;
    return value;
}

CJsonValue CJsonReader::ReadObject(int depth) {
    if (depth > kMaxDepth) Fail("nesting deeper than " + std::to_string(kMaxDepth) + " levels");
    CJsonValue object;
    object.kind = CJsonValue::Kind::kObject;
    ++m_pos;
    SkipSpace();
    if (Peek() == '}') {
        ++m_pos;
        return object;
    }
    for (;;) {
        const std::size_t keyStart = m_pos;
        if (Peek() != '"') {
            Fail("expected a member name in quotes, found " + Describe(m_text, m_pos));
        }
        std::string key = ReadString();
        if (object.Find(key)) FailAt(keyStart, "duplicate member name \"" + key + "\"");
        SkipSpace();
        Expect(':', "':' after a member name");
        SkipSpace();
        object.keys.push_back(std::move(key));
        object.items.push_back(ReadValue(depth));
        SkipSpace();
        if (Peek() == '}') {
            ++m_pos;
            return object;
        }
        Expect(',', "',' or '}' in an object");
        SkipSpace();
    }
}

CJsonValue CJsonReader::ReadArray(int depth) {
    if (depth > kMaxDepth) Fail("nesting deeper than " + std::to_string(kMaxDepth) + " levels");
    CJsonValue array;
    array.kind = CJsonValue::Kind::kArray;
    ++m_pos;
    SkipSpace();
    if (Peek() == ']') {
        ++m_pos;
        return array;
    }
    for (;;) {
        array.items.push_back(ReadValue(depth));
        SkipSpace();
        if (Peek() == ']') {
            ++m_pos;
            return array;
        }
        Expect(',', "',' or ']' in an array");
        SkipSpace();
    }
}

CJsonValue CJsonReader::ReadNumber() {
    const std::size_t start = m_pos;
    if (Peek() == '-') ++m_pos;
    if (Peek() == '0') {
        ++m_pos;
        if (IsDigit(Peek())) Fail("a number may not have a leading zero");
    } else if (IsDigit(Peek())) {
        while (IsDigit(Peek()))
            ++m_pos;
    } else {
        Fail("expected a digit, found " + Describe(m_text, m_pos));
    }
    if (Peek() == '.') {
        ++m_pos;
        if (!IsDigit(Peek())) Fail("expected a digit after '.', found " + Describe(m_text, m_pos));
        while (IsDigit(Peek()))
            ++m_pos;
    }
    if (Peek() == 'e' || Peek() == 'E') {
        ++m_pos;
        if (Peek() == '+' || Peek() == '-') ++m_pos;
        if (!IsDigit(Peek())) {
            Fail("expected a digit in the exponent, found " + Describe(m_text, m_pos));
        }
        while (IsDigit(Peek()))
            ++m_pos;
    }
    CJsonValue value;
    value.kind = CJsonValue::Kind::kNumber;
    value.text = std::string(m_text.substr(start, m_pos - start));
    const auto [end, error] =
        std::from_chars(m_text.data() + start, m_text.data() + m_pos, value.number);
    if (error != std::errc() || end != m_text.data() + m_pos) {
        FailAt(start, "number " + value.text + " is out of range");
    }
    return value;
}

std::string CJsonReader::ReadString() {
    const std::size_t start = m_pos;
    ++m_pos;
    std::string out;
    for (;;) {
        if (AtEnd()) FailAt(start, "string not closed before the end of the file");
        const auto byte = static_cast<unsigned char>(Peek());
        if (byte == '"') {
            ++m_pos;
            return out;
        }
        if (byte == '\\') {
            ReadEscape(out);
        } else if (byte < 0x20) {
            Fail("control character " + Describe(m_text, m_pos) + " in a string");
        } else if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++m_pos;
        } else {
            ReadUtf8Sequence(out);
        }
    }
}

void CJsonReader::ReadEscape(std::string& out) {
    const std::size_t start = m_pos;
    ++m_pos;
    if (AtEnd()) FailAt(start, "escape not finished before the end of the file");
    const char code = Peek();
    ++m_pos;
    switch (code) {
        case '"':
            out += '"';
            return;
        case '\\':
            out += '\\';
            return;
        case '/':
            out += '/';
            return;
        case 'b':
            out += '\b';
            return;
        case 'f':
            out += '\f';
            return;
        case 'n':
            out += '\n';
            return;
        case 'r':
            out += '\r';
            return;
        case 't':
            out += '\t';
            return;
        case 'u':
            break;
        default:
            FailAt(start, "unknown escape in a string");
    }
    unsigned codePoint = ReadHex4();
    if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
        FailAt(start, "\\u escape of a low surrogate without a high one");
    }
    if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
        if (m_text.substr(m_pos, 2) != "\\u") {
            FailAt(start, "\\u escape of a high surrogate without a low one");
        }
        m_pos += 2;
        const unsigned low = ReadHex4();
        if (low < 0xDC00 || low > 0xDFFF) {
            FailAt(start, "\\u escape of a high surrogate without a low one");
        }
        codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, codePoint);
}

unsigned CJsonReader::ReadHex4() {
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = Peek();
        unsigned digit = 0;
        if (IsDigit(c)) {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            Fail("expected four hex digits after \\u, found " + Describe(m_text, m_pos));
        }
        value = value * 16 + digit;
        ++m_pos;
    }
    return value;
}

// One multi-byte UTF-8 character, copied after checking it is well formed (no overlong form,
// no surrogate, nothing beyond U+10FFFF).
void CJsonReader::ReadUtf8Sequence(std::string& out) {
    const std::size_t start = m_pos;
    const auto lead = static_cast<unsigned char>(m_text[m_pos]);
    int length = 0;
    unsigned codePoint = 0;
    unsigned minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        Fail("invalid UTF-8 " + Describe(m_text, m_pos) + " in a string");
    }
    for (int i = 1; i < length; ++i) {
        const std::size_t at = start + static_cast<std::size_t>(i);
        if (at >= m_text.size() || (static_cast<unsigned char>(m_text[at]) & 0xC0) != 0x80) {
            FailAt(start, "invalid UTF-8 sequence in a string");
        }
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(m_text[at]) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        FailAt(start, "invalid UTF-8 sequence in a string");
    }
    out.append(m_text.substr(start, static_cast<std::size_t>(length)));
    m_pos = start + static_cast<std::size_t>(length);
}

void CJsonReader::ReadLiteral(std::string_view word) {
    if (m_text.substr(m_pos, word.size()) != word) {
        Fail("expected a value, found " + Describe(m_text, m_pos));
    }
    m_pos += word.size();
}

}  // namespace brushly::tool
