#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "document/CFlashcardSet.h"
#include "handwriting/JapaneseText.h"

class QListWidget;

namespace brushly {

// "Select the target Word Groups": every Word Group in the document's order, any number of
// them chosen, for Move and Copy to Word Group. The style draws Japanese names; its kanji
// library must outlive the dialog.
class CTargetGroupDialog final : public QDialog {
public:
    CTargetGroupDialog(const CFlashcardSet& cards, const CJapaneseTextStyle& style,
                       QWidget* parent = nullptr);

    // The chosen groups' names (Shift-JIS) in list order.
    std::vector<std::string> Chosen() const;

    // The dialog run modally: the chosen names on OK, none on Cancel.
    static std::vector<std::string> Choose(const CFlashcardSet& cards,
                                           const CJapaneseTextStyle& style, QWidget* parent);

private:
    QListWidget* m_groups;
};

}  // namespace brushly
