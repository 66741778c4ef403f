#pragma once

#include <memory>
#include <string>

#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/SmallKanjiDatabase.h"

// A document for the card editor tests: the small kanji database (一 with the reading group
// ICHI : one, 二 without readings) and the empty Word Groups "Alpha" and "Beta".
namespace brushly::testing {

inline const std::string kIchi = "\x88\xea";  // 一
inline const std::string kNi = "\x93\xf1";    // 二

class CEditorTestDocument {
public:
    CEditorTestDocument() : document(settings, prompter, 7) {
        document.SetKanjiLibrary(MakeSmallKanjiLibrary());
        document.Cards().AddGroup("Alpha");
        document.Cards().AddGroup("Beta");
    }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document;
};

}  // namespace brushly::testing
