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

// A strict reader of one JSON document (RFC 8259) over nlohmann::json's parser: nothing but
// white space may surround the value, strings must be valid UTF-8 (escapes included,
// surrogates paired), numbers follow the JSON grammar and fit a double. On top of the library
// it refuses duplicate member names, keeps members in document order, records where each value
// starts and stops nesting at kMaxDepth, so that a hostile file cannot build a deep tree.
class CJsonReader {
public:
    static constexpr int kMaxDepth = 64;

    // Throws CJsonError; its offset is that of the byte at which the fault was seen.
    static CJsonValue Parse(std::string_view text);
};

}  // namespace brushly::tool
