#pragma once

#include <QDialog>

#include "app/OptionSheetRules.h"
#include "platform/CPrompter.h"

class QTabWidget;

namespace brushly {

class CDrawOptionPage;
class CFlashOptionPage;
class CGeneralOptionPage;
class CKanaOptionPage;
class CKanaStatOptionPage;

// What the pages must know about the program behind the sheet to judge a change.
struct COptionSheetContext {
    bool edictDatabase = false;  // the compound database was built from EDICT
    bool flashViewOpen = false;
    bool drawViewOpen = false;
    int drawMode = 0;  // the open Draw View's mode (CDrawPractice)
    bool drawHasStrokes = false;
    bool kanaViewOpen = false;
};

// "Brushly 2.0 Options": the Flash View, Draw View, Kana Flash View, Kana Table View and
// General pages as tabs in that order (OptionTab), over copies of the values, with OK and
// Cancel. OK asks every page in tab order whether it may be left; the first that refuses
// (after its message or a No) is shown and the sheet stays open. The owner takes the values
// over with Values() only after Run() returned true, so Cancel changes nothing. The
// prompter must outlive the sheet.
class COptionSheet final : public QDialog {
public:
    static constexpr const char* kTitle = "Brushly 2.0 Options";

    COptionSheet(const COptionValues& values, const COptionSheetContext& context, OptionTab first,
                 CPrompter& prompter, QWidget* parent = nullptr);

    // Shows the sheet modally; true when it was left with OK.
    bool Run();

    // The values the pages show.
    COptionValues Values() const;

    QTabWidget& Tabs() const { return *m_tabs; }

private:
    void Accept();

    const COptionValues m_original;
    QTabWidget* m_tabs;
    CFlashOptionPage* m_flash;
    CDrawOptionPage* m_draw;
    CKanaOptionPage* m_kana;
    CKanaStatOptionPage* m_kanaTable;
    CGeneralOptionPage* m_general;
};

}  // namespace brushly
