#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Expected file contents written out byte by byte, for the byte-exact layout tests.
namespace brushly::testing {

// One byte per value (0 to 255).
inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

// An int32 as the archive stores it: four bytes, least significant first.
inline std::string Int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

// Int32 of each value, one after the other.
inline std::string Int32s(std::initializer_list<std::int32_t> values) {
    std::string bytes;
    for (const std::int32_t value : values)
        bytes += Int32(value);
    return bytes;
}

// A string of fewer than 255 bytes as the archive stores it: its length byte, then the text.
inline std::string ShortText(const std::string& text) {
    return Bytes({static_cast<int>(text.size())}) + text;
}

}  // namespace brushly::testing
