#include "CJsonReader.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>
#include <unordered_set>
#include <vector>

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

// Walks the text for the library's parser and counts the bytes it has taken, so that each
// value can be placed: the parser reports a token as soon as it has read it, having read at
// most one byte past a number and none past anything else.
class CCountingIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CCountingIterator(const char* begin, const char* at, std::size_t* taken)
        : m_begin(begin), m_at(at), m_taken(taken) {}

    reference operator*() const {
        *m_taken = static_cast<std::size_t>(m_at - m_begin) + 1;
        return *m_at;
    }
    CCountingIterator& operator++() {
        ++m_at;
        return *this;
    }
    CCountingIterator operator++(int) {
        CCountingIterator before = *this;
        ++m_at;
        return before;
    }
    bool operator==(const CCountingIterator& other) const { return m_at == other.m_at; }

private:
    const char* m_begin;
    const char* m_at;
    std::size_t* m_taken;
};

bool IsNumberByte(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// "[json.exception.parse_error.101] parse error at line 1, column 4: syntax error ..." without
// the library's prefix and position, which the caller states in its own form.
std::string LibraryMessage(const nlohmann::json::exception& failure) {
    std::string message = failure.what();
    if (const std::size_t tag = message.find("] ");
        message.starts_with("[json.") && tag != std::string::npos) {
        message.erase(0, tag + 2);
    }
    if (message.starts_with("parse error")) {
        if (const std::size_t colon = message.find(": "); colon != std::string::npos) {
            message.erase(0, colon + 2);
        }
    }
    // The raw bytes of the token read last add nothing to the place given, and may be long.
    if (const std::size_t read = message.find("; last read: '"); read != std::string::npos) {
        const std::size_t expected = message.rfind("'; expected ");
        message.erase(read, expected == std::string::npos || expected < read ? std::string::npos
                                                                             : expected + 1 - read);
    }
    return message;
}

// Builds the value tree from the parser's events, refusing what the library lets through.
class CValueBuilder final : public nlohmann::json_sax<nlohmann::json> {
public:
    CValueBuilder(std::string_view text, const std::size_t& taken) : m_text(text), m_taken(taken) {}

    CJsonValue Result() { return std::move(m_result); }

    bool null() override {
        Add(Scalar(CJsonValue::Kind::kNull, m_taken - 4));
        return true;
    }
    bool boolean(bool value) override {
        CJsonValue scalar = Scalar(CJsonValue::Kind::kBool, m_taken - (value ? 4 : 5));
        scalar.boolean = value;
        Add(std::move(scalar));
        return true;
    }
    bool number_integer(number_integer_t value) override {
        return Number(static_cast<double>(value));
    }
    bool number_unsigned(number_unsigned_t value) override {
        return Number(static_cast<double>(value));
    }
    bool number_float(number_float_t value, const string_t&) override { return Number(value); }
    bool string(string_t& value) override {
        CJsonValue scalar = Scalar(CJsonValue::Kind::kString, StringStart());
        scalar.text = std::move(value);
        Add(std::move(scalar));
        return true;
    }
    bool binary(binary_t&) override { return false; }

    bool start_object(std::size_t) override { return Open(CJsonValue::Kind::kObject); }
    bool key(string_t& name) override {
        COpenValue& object = m_open.back();
        if (!object.names.insert(name).second) {
            throw CJsonError(StringStart(), "duplicate member name \"" + name + "\"");
        }
        object.value.keys.push_back(std::move(name));
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(CJsonValue::Kind::kArray); }
    bool end_array() override { return Close(); }

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::json::exception& failure) override {
        const std::size_t offset = std::min(position == 0 ? 0 : position - 1, m_text.size());
        throw CJsonError(offset, LibraryMessage(failure));
    }

private:
    struct COpenValue {
        CJsonValue value;
        std::unordered_set<std::string> names;  // an object's names so far, for duplicates
    };

    CJsonValue Scalar(CJsonValue::Kind kind, std::size_t offset) const {
        CJsonValue value;
        value.kind = kind;
        value.offset = offset;
        return value;
    }

    // A number ends at the byte before the one the parser looked ahead to, or at the end.
    bool Number(double number) {
        std::size_t end = m_taken;
        if (end > 0 && !(end == m_text.size() && IsNumberByte(m_text[end - 1]))) --end;
        std::size_t start = end;
        while (start > 0 && IsNumberByte(m_text[start - 1]))
            --start;
        CJsonValue scalar = Scalar(CJsonValue::Kind::kNumber, start);
        scalar.number = number;
        scalar.text = std::string(m_text.substr(start, end - start));
        Add(std::move(scalar));
        return true;
    }

    // The opening quote of the string whose closing quote was the last byte read: the nearest
    // quote before it that is not escaped, i.e. has an even run of backslashes before it.
    std::size_t StringStart() const {
        std::size_t at = m_taken - 1;
        while (at > 0) {
            --at;
            if (m_text[at] != '"') continue;
            std::size_t slashes = 0;
            while (slashes < at && m_text[at - 1 - slashes] == '\\')
                ++slashes;
            if (slashes % 2 == 0) return at;
        }
        return 0;
    }

    bool Open(CJsonValue::Kind kind) {
        const std::size_t offset = m_taken - 1;
        if (m_open.size() >= static_cast<std::size_t>(CJsonReader::kMaxDepth)) {
            throw CJsonError(offset, "nesting deeper than " +
                                         std::to_string(CJsonReader::kMaxDepth) + " levels");
        }
        m_open.push_back({Scalar(kind, offset), {}});
        return true;
    }

    bool Close() {
        CJsonValue value = std::move(m_open.back().value);
        m_open.pop_back();
        Add(std::move(value));
        return true;
    }

    void Add(CJsonValue value) {
        if (m_open.empty()) {
            m_result = std::move(value);
        } else {
            m_open.back().value.items.push_back(std::move(value));
        }
    }

    std::string_view m_text;
    const std::size_t& m_taken;
    std::vector<COpenValue> m_open;  // the arrays and objects being read, outermost first
    CJsonValue m_result;
};

}  // namespace

CJsonValue CJsonReader::Parse(std::string_view text) {
    std::size_t taken = 0;
    const char* begin = text.data();
    CValueBuilder builder(text, taken);
    nlohmann::json::sax_parse(CCountingIterator(begin, begin, &taken),
                              CCountingIterator(begin, begin + text.size(), &taken), &builder);
    return builder.Result();
}

}  // namespace brushly::tool
