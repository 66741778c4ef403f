#include "app/CFontDialogsQt.h"

#include "app/CFontChoiceDialog.h"
#include "app/CFontThresholdDialog.h"
#include "app/CFontWarningDialog.h"

namespace brushly {

CQtFontDialogs::CQtFontDialogs(QWidget* parent, const CKanjiLibrary* library,
                               std::function<void(int topic)> showHelp)
    : m_parent(parent), m_library(library), m_showHelp(std::move(showHelp)) {}

bool CQtFontDialogs::WarnFontMissing() {
    CFontWarningDialog dialog(m_showHelp, m_parent);
    dialog.exec();
    return dialog.DoNotShowAgain();
}

int CQtFontDialogs::ChooseLegibleRow(int currentRow) {
    CFontThresholdDialog dialog(m_library, currentRow, m_parent);
    dialog.exec();
    return dialog.ChosenRow();
}

std::string CQtFontDialogs::ChooseFace(const std::vector<std::string>& faces,
                                       const std::string& current) {
    CFontChoiceDialog dialog(faces, current, m_parent);
    dialog.exec();
    return dialog.ChosenFace();
}

}  // namespace brushly
