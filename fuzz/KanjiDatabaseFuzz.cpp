// Reads arbitrary bytes as the kanji database (MasterDB.kdb): any input must load or fail
// with a message, never crash, hang or allocate without bound; a loaded database must stay
// within the drawing frame, so drawing and comparing its strokes stays bounded too.
#include "FuzzInputFile.h"
#include "platform/CScriptedPrompter.h"
#include "reference/CKanjiLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static brushly::fuzzing::CFuzzInputFile file(".kdb");
    brushly::CScriptedPrompter prompter;
    brushly::CKanjiLibrary library;
    library.Load(file.Write(data, size), prompter);
    return 0;
}
