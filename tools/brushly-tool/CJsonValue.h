#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brushly::tool {

// One value of a parsed JSON document. Objects keep their members in document order, names in
// keys and values in items, so that a reader of a fixed shape can report the first oddity.
struct CJsonValue {
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };

    Kind kind = Kind::kNull;
    std::size_t offset = 0;  // byte offset of the value's first character in the document
    bool boolean = false;
    double number = 0.0;
    std::string text;               // a string's UTF-8 bytes, or a number as written
    std::vector<std::string> keys;  // an object's member names
    std::vector<CJsonValue> items;  // an array's elements or an object's member values

    // The value of an object's member; null when there is none (or this is no object).
    const CJsonValue* Find(std::string_view key) const {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == key) return &items[i];
        }
        return nullptr;
    }

    // "null", "a boolean", "a number", "a string", "an array" or "an object", for messages.
    static std::string_view KindName(Kind kind);
};

}  // namespace brushly::tool
