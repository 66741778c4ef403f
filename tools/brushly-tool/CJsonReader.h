#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "CJsonValue.h"

namespace brushly::tool {

// A JSON document that does not parse: what is wrong and the byte offset where it was seen.
class CJsonError : public std::runtime_error {
public:
    CJsonError(std::size_t offset, const std::string& message)
        : std::runtime_error(message), m_offset(offset) {}

    std::size_t Offset() const { return m_offset; }

private:
    std::size_t m_offset;
};

// A strict reader of one JSON document (RFC 8259): nothing but white space may surround the
// value, strings must be valid UTF-8 (escapes included, surrogates paired), numbers follow the
// JSON grammar, duplicate member names are refused and nesting stops at kMaxDepth so that a
// hostile file cannot exhaust the stack.
class CJsonReader {
public:
    static constexpr int kMaxDepth = 64;

    // Throws CJsonError.
    static CJsonValue Parse(std::string_view text);

private:
    explicit CJsonReader(std::string_view text) : m_text(text) {}

    CJsonValue ReadValue(int depth);
    CJsonValue ReadObject(int depth);
    CJsonValue ReadArray(int depth);
    CJsonValue ReadNumber();
    std::string ReadString();
    void ReadEscape(std::string& out);
    void ReadUtf8Sequence(std::string& out);
    unsigned ReadHex4();
    void ReadLiteral(std::string_view word);
    void SkipSpace();
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    // Consumes the expected character or fails with "expected ...".
    void Expect(char wanted, std::string_view what);
    [[noreturn]] void Fail(std::string_view message) const;
    [[noreturn]] void FailAt(std::size_t offset, std::string_view message) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace brushly::tool
