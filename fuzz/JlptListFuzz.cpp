// Reads arbitrary bytes as the JLPT list (blyjlptsjis.txt), one list after another over the
// same small kanji database.
#include "FuzzInputFile.h"
#include "platform/CScriptedPrompter.h"
#include "support/SmallKanjiDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static brushly::fuzzing::CFuzzInputFile file(".txt");
    brushly::CScriptedPrompter prompter;
    static const auto library = brushly::testing::MakeSmallKanjiLibrary();
    library->LoadJlptList(file.Write(data, size), prompter);
    return 0;
}
