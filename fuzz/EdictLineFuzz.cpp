// Parses arbitrary bytes as EDICT lines into the two word libraries, over a small kanji
// database, as the EDICT import does line by line.
#include <algorithm>
#include <string_view>

#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "platform/CScriptedPrompter.h"
#include "support/SmallKanjiDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brushly;
    static const auto kanji = testing::MakeSmallKanjiLibrary();
    CScriptedPrompter prompter;
    CSilentLoadingDisplay display;
    CCompoundLibrary compounds, kanaWords;
    CEdictImporter importer(compounds, kanaWords, *kanji, prompter, display, "/nonexistent");
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        importer.ParseEdictLine(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return 0;
}
