// Parses arbitrary bytes as a JSON stroke file: a value or a CJsonError, nothing else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "CJsonReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        brushly::tool::CJsonReader::Parse(
            std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const brushly::tool::CJsonError&) {
    }
    return 0;
}
