#pragma once

#include <cstdint>

#include "document/CBrushlyOptions.h"

namespace brushly {

class CBrushly2Doc;
class CSettingsStore;

// The decisions of the options sheet, without widgets.

// Where the sheet is opened from; the numbers are the entry codes the views pass.
enum class OptionEntry { kTools = 0, kFlashView = 1, kDrawView = 2, kKanaFlashView = 3 };

// The sheet's tabs, in their order (0-based tab index).
enum class OptionTab { kFlashView = 0, kDrawView, kKanaFlashView, kKanaTableView, kGeneral };

// The view shown when the sheet opens, as far as the sheet cares.
enum class OptionView { kOther, kKanaTable, kWordGroup };

// Every value the sheet edits.
struct COptionValues {
    CBrushlyOptions options;
    std::int32_t commonWordsOnly = 1;  // the document's flag, 1 on
    int longOMode = 0;                 // "oomode": 0 long o shown "oo", 1 "ou"
    int smoothStrokes = 1;             // "smoothstrokes": 1 strokes drawn with smooth edges

    bool operator==(const COptionValues&) const = default;
};

// What must redraw after the sheet closed with OK.
struct COptionRefresh {
    bool kanaTable = false;
    bool wordGroupView = false;

    bool operator==(const COptionRefresh&) const = default;
};

// The tab shown first: a view's own Options opens its page; Tools - Options opens the Kana
// Table View page over the kana table, the General page over the word group view and the
// first page elsewhere.
OptionTab FirstOptionTab(OptionEntry entry, OptionView shown);

// The kana table redraws when it is shown and a range value changed; the word group view
// when it is shown and the long-o display changed (its romaji texts change with it).
COptionRefresh OptionRefresh(OptionView shown, const COptionValues& before,
                             const COptionValues& after);

// The values the sheet opens with: the document's options record and flag, and the long-o
// display from the settings store (its default when absent).
COptionValues CurrentOptionValues(const CBrushly2Doc& document, const CSettingsStore& store);

// Takes the sheet's values over in one step: the record and the flag into the document
// (marked modified when either changed), the long-o display into the document and the
// settings store.
void ApplyOptionValues(const COptionValues& values, CBrushly2Doc& document, CSettingsStore& store);

}  // namespace brushly
