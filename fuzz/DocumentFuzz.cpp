// Opens arbitrary bytes as a document (.bly): version 2 and 3 files and the conversion of
// version-1 files, over a small kanji database. Any input must open, convert in part or
// fail with a message.

#include <memory>

#include "FuzzInputFile.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/SmallKanjiDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brushly;
    static fuzzing::CFuzzInputFile file(".bly");
    static const CMemorySettingsStore settings;
    static CScriptedPrompter prompter;
    // One document opens every input, as the program's one document opens file after file.
    static const std::unique_ptr<CBrushly2Doc> document = [] {
        auto made = std::make_unique<CBrushly2Doc>(settings, prompter);
        made->SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
        return made;
    }();
    prompter.Clear();
    document->Open(file.Write(data, size));
    return 0;
}
