#include "app/OptionSheetRules.h"

#include "app/AppSettings.h"
#include "document/CBrushly2Doc.h"
#include "platform/CSettingsStore.h"

namespace brushly {

OptionTab FirstOptionTab(OptionEntry entry, OptionView shown) {
    switch (entry) {
        case OptionEntry::kFlashView:
            return OptionTab::kFlashView;
        case OptionEntry::kDrawView:
            return OptionTab::kDrawView;
        case OptionEntry::kKanaFlashView:
            return OptionTab::kKanaFlashView;
        case OptionEntry::kTools:
            break;
    }
    if (shown == OptionView::kKanaTable) return OptionTab::kKanaTableView;
    if (shown == OptionView::kWordGroup) return OptionTab::kGeneral;
    return OptionTab::kFlashView;
}

COptionRefresh OptionRefresh(OptionView shown, const COptionValues& before,
                             const COptionValues& after) {
    const CKanaFlashOptions& was = before.options.kanaFlash;
    const CKanaFlashOptions& is = after.options.kanaFlash;
    COptionRefresh refresh;
    refresh.kanaTable = shown == OptionView::kKanaTable &&
                        (was.lowerRange != is.lowerRange || was.upperRange != is.upperRange);
    refresh.wordGroupView = shown == OptionView::kWordGroup && before.longOMode != after.longOMode;
    return refresh;
}

COptionValues CurrentOptionValues(const CBrushly2Doc& document, const CSettingsStore& store) {
    return {document.Options(), document.CommonWordsOnly(),
            store.GetInt(settings::kLongOMode, settings::kLongOModeDefault),
            store.GetInt(settings::kSmoothStrokes, settings::kSmoothStrokesDefault) != 0 ? 1 : 0};
}

void ApplyOptionValues(const COptionValues& values, CBrushly2Doc& document, CSettingsStore& store) {
    if (values.options != document.Options() ||
        values.commonWordsOnly != document.CommonWordsOnly()) {
        document.Options() = values.options;
        document.SetCommonWordsOnly(values.commonWordsOnly);
        document.SetModified(true);
    }
    document.SetLongOMode(values.longOMode);
    store.WriteInt(settings::kLongOMode, values.longOMode);
    document.SetSmoothStrokes(values.smoothStrokes != 0);
    store.WriteInt(settings::kSmoothStrokes, values.smoothStrokes);
}

}  // namespace brushly
