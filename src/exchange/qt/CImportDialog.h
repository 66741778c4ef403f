#pragma once

#include <QDialog>
#include <QString>

#include "document/CFlashcardSet.h"
#include "exchange/CImportPlan.h"
#include "platform/CPrompter.h"

class QTableWidget;
class QTableWidgetItem;

namespace brushly {

// "Select the Word Groups to Import": the file read, its groups (check box, name to edit,
// card count, the note of a name proposed in place of a taken one) and every row that will not
// be imported. Checks and names go straight into the plan; "Import" accepts only while the
// checked groups' names fit the set, else it tells why and puts the focus on the name. The
// caller applies the plan: the set is not changed here.
//
// The plan, the cards and the prompter must outlive the dialog.
class CImportDialog final : public QDialog {
public:
    static constexpr const char* kTitle = "Select the Word Groups to Import";
    static constexpr const char* kNothingCheckedMessage = "Select the Word Groups to import.";
    static constexpr const char* kProblemsLabel = "Rows that will not be imported:";
    enum Column { kSelectedColumn, kNameColumn, kCountColumn, kNoteColumn };

    // fileName: the file's name for the description line.
    CImportDialog(CImportPlan& plan, const CFlashcardSet& cards, CPrompter& prompter,
                  const QString& fileName, QWidget* parent = nullptr);

    void accept() override;

private:
    void ItemChanged(QTableWidgetItem* item);
    void ShowNote(int row);
    // The row of the first checked group whose name NameProblem objects to, or -1.
    int FirstNameProblemRow();

    CImportPlan& m_plan;
    const CFlashcardSet& m_cards;
    CPrompter& m_prompter;
    QTableWidget* m_table;
};

}  // namespace brushly
