#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "document/CFlashcardSet.h"
#include "exchange/CExportCommand.h"
#include "platform/CPrompter.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace brushly {

// "Export Word Groups as Text Files": the document's Word Groups to check, the format, one
// file per group (in a folder) or one file for all, and the path. "Export" runs
// CExportCommand and closes when every file is written.
//
// The cards and the prompter must outlive the dialog; the dialog changes no card.
class CExportDialog final : public QDialog {
public:
    static constexpr const char* kTitle = "Export Word Groups as Text Files";

    // `selected` (Shift-JIS names) are checked at first; every group when it is empty.
    CExportDialog(const CFlashcardSet& cards, const std::vector<std::string>& selected,
                  CPrompter& prompter, QWidget* parent = nullptr);

    // The choices as the dialog shows them.
    CExportChoice Choice() const;

    void accept() override;

private:
    void CheckAll(bool checked);
    // The folder or file dialog for the destination chosen.
    void Browse();

    const CFlashcardSet& m_cards;
    CPrompter& m_prompter;
    QListWidget* m_groups;
    QRadioButton* m_tableFormat;
    QRadioButton* m_notesFormat;
    QRadioButton* m_filePerGroup;
    QRadioButton* m_oneFile;
    QLineEdit* m_path;
};

}  // namespace brushly
