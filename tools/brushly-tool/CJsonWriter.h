#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace brushly::tool {

// Writes one JSON value to a stream, compact, with UTF-8 strings escaped. The caller opens
// and closes objects and arrays in matching pairs; Key precedes every member of an object.
class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream& out) : m_out(out) {}

    CJsonWriter& BeginObject();
    CJsonWriter& EndObject();
    CJsonWriter& BeginArray();
    CJsonWriter& EndArray();
    CJsonWriter& Key(std::string_view key);
    CJsonWriter& String(std::string_view utf8);
    CJsonWriter& Number(std::int64_t value);
    CJsonWriter& Bool(bool value);

private:
    void BeforeValue();
    void WriteEscaped(std::string_view text);

    std::ostream& m_out;
    bool m_needsComma = false;
};

}  // namespace brushly::tool
