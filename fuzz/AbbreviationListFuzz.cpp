// Reads arbitrary bytes as the abbreviation list (edictabbrev.txt).
#include "FuzzInputFile.h"
#include "dictionary/CAbbreviationList.h"
#include "platform/CScriptedPrompter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static brushly::fuzzing::CFuzzInputFile file(".txt");
    brushly::CScriptedPrompter prompter;
    brushly::CAbbreviationList list;
    list.Load(file.Write(data, size), prompter);
    return 0;
}
