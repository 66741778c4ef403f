#include "CJsonWriter.h"

#include <cstdio>

namespace brushly::tool {

void CJsonWriter::BeforeValue() {
    if (m_needsComma) m_out << ',';
    m_needsComma = true;
}

CJsonWriter& CJsonWriter::BeginObject() {
    BeforeValue();
    m_out << '{';
    m_needsComma = false;
    return *this;
}

CJsonWriter& CJsonWriter::EndObject() {
    m_out << '}';
    m_needsComma = true;
    return *this;
}

CJsonWriter& CJsonWriter::BeginArray() {
    BeforeValue();
    m_out << '[';
    m_needsComma = false;
    return *this;
}

CJsonWriter& CJsonWriter::EndArray() {
    m_out << ']';
    m_needsComma = true;
    return *this;
}

CJsonWriter& CJsonWriter::Key(std::string_view key) {
    BeforeValue();
    WriteEscaped(key);
    m_out << ':';
    m_needsComma = false;
    return *this;
}

CJsonWriter& CJsonWriter::String(std::string_view utf8) {
    BeforeValue();
    WriteEscaped(utf8);
    return *this;
}

CJsonWriter& CJsonWriter::Number(std::int64_t value) {
    BeforeValue();
    m_out << value;
    return *this;
}

CJsonWriter& CJsonWriter::Bool(bool value) {
    BeforeValue();
    m_out << (value ? "true" : "false");
    return *this;
}

void CJsonWriter::WriteEscaped(std::string_view text) {
    m_out << '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                m_out << "\\\"";
                break;
            case '\\':
                m_out << "\\\\";
                break;
            case '\n':
                m_out << "\\n";
                break;
            case '\r':
                m_out << "\\r";
                break;
            case '\t':
                m_out << "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    m_out << escaped;
                } else {
                    m_out << c;
                }
        }
    }
    m_out << '"';
}

}  // namespace brushly::tool
