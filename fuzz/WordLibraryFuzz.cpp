// Reads arbitrary bytes as a word library (.kdb2), header only and whole.
#include "FuzzInputFile.h"
#include "dictionary/CCompoundLibrary.h"
#include "platform/CScriptedPrompter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static brushly::fuzzing::CFuzzInputFile file(".kdb2");
    const std::string& path = file.Write(data, size);
    brushly::CScriptedPrompter prompter;
    brushly::CCompoundLibrary header;
    header.Load(path, true, prompter);
    brushly::CCompoundLibrary whole;
    whole.Load(path, false, prompter);
    return 0;
}
