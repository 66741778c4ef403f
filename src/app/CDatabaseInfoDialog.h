#pragma once

#include <QDialog>
#include <functional>

#include "app/DatabaseInfo.h"

namespace brushly {

// The dialog "Brushly Database Information": the groups "Brushly Kanji Database" and
// "Brushly Compound Database" with their version, date and count, an OK button and
// "&EDICT Information", enabled only for an EDICT-built compound database, which calls
// showEdictHelp.
class CDatabaseInfoDialog final : public QDialog {
public:
    // Room left beside the title for the title bar's icon and buttons, pixels.
    static constexpr int kTitleBarButtonsWidth = 160;
    CDatabaseInfoDialog(const CDatabaseInfo& info, std::function<void()> showEdictHelp,
                        QWidget* parent = nullptr);
};

}  // namespace brushly
