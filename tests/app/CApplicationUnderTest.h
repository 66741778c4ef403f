#pragma once

#include "app/CBrushlyApplication.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {

// The program's application object over the small kanji database in a data folder of its
// own, loading without a display; the prompter takes every message. Not yet started.
struct CApplicationUnderTest {
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
