// Reads arbitrary bytes as an archive: any input must fail cleanly or load, never crash,
// hang, leak or exhaust memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/ArchiveTestRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brushly::testing::ReadFuzzProgram(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
