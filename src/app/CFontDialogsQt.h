#pragma once

#include <functional>

#include "app/CFontDialogs.h"
#include "reference/CKanjiLibrary.h"

class QWidget;

namespace brushly {

// The font questions as modal Qt dialogs over a parent window (which may be null).
class CQtFontDialogs final : public CFontDialogs {
public:
    // library supplies the threshold samples' strokes and may be null; showHelp opens a
    // help topic by number and may be empty. Both must outlive the object.
    CQtFontDialogs(QWidget* parent, const CKanjiLibrary* library,
                   std::function<void(int topic)> showHelp);

    bool WarnFontMissing() override;
    int ChooseLegibleRow(int currentRow) override;
    std::string ChooseFace(const std::vector<std::string>& faces,
                           const std::string& current) override;

private:
    QWidget* m_parent;
    const CKanjiLibrary* m_library;
    std::function<void(int topic)> m_showHelp;
};

}  // namespace brushly
