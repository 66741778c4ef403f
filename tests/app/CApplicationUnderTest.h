#pragma once

#include <memory>

#include "app/CBrushlyApplication.h"
#include "document/CBrushly2Doc.h"
#include "document/CFlashcardSet.h"
#include "document/CKanjiCard.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {

// The program's application object over the small kanji database in a data folder of its
// own, loading without a display; the prompter takes every message. Not yet started.
struct CApplicationUnderTest {
    // Adds a group "Numbers" holding one kanji card, 一 (the small database's first kanji);
    // false when the group exists already.
    bool AddNumbersGroup() {
        CFlashcardSet& cards = m_application.Document().Cards();
        if (!cards.AddGroup("Numbers")) return false;
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = "Numbers";
        card->character = "\x88\xea";
        card->dbGroup = 1;
        card->dbIndex = 0;
        cards.AddCard(std::move(card));
        return true;
    }

    CApplicationUnderTest()
        : m_application(
              m_settings, m_prompter,
              [](const CBrushlyApplication::LoadingWork& work) {
                  CSilentStartupDisplay display;
                  return work(display);
              },
              m_data.Path().string()) {
        m_data.Write("MasterDB.kdb", KanjiLibraryBytes(*MakeSmallKanjiLibrary()));
    }

    CTempDirectory m_data;
    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushlyApplication m_application;
};

}  // namespace brushly::testing
