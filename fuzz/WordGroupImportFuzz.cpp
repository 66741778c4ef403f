// Reads arbitrary bytes as a Word Group file and adds what it finds to an empty set: any
// input must give cards or listed problems, never a crash, hang, leak or unbounded memory.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/CWordGroupImporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brushly;
    CImportPlan plan = CWordGroupImporter(nullptr).Read(
        std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    CFlashcardSet cards;
    plan.ProposeNames(cards, "");
    plan.Apply(cards);
    return 0;
}
