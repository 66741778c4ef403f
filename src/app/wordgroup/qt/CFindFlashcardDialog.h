#pragma once

#include <QDialog>
#include <optional>

#include "app/wordgroup/CFlashcardFinder.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "platform/CPrompter.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace brushly {

// "Find Flashcard": "Reading:" with "ON" and "Kun", "Meaning:", AND / OR, the card kinds,
// "&FIND", the matches eight to a page with "&Back" and "&Next" where there is such a page,
// and "&Go To", which closes the dialog (accepted) with the chosen match as Result(). The
// search itself is CFlashcardFinder's.
//
// The document and prompter must outlive the dialog; the style's kanji library too.
class CFindFlashcardDialog final : public QDialog {
public:
    CFindFlashcardDialog(const CBrushly2Doc& document, CPrompter& prompter,
                         const CJapaneseTextStyle& style, QWidget* parent = nullptr);

    CFlashcardFinder& Finder() { return m_finder; }
    // The match "&Go To" chose; empty until then.
    const std::optional<CFindMatch>& Result() const { return m_result; }

    // The buttons' work, also for tests.
    void Find();
    void GoTo();

private:
    CFindQuery Query() const;
    void ShowPage();

    const CBrushly2Doc& m_document;
    CFlashcardFinder m_finder;
    std::optional<CFindMatch> m_result;
    bool m_showing = false;

    QLineEdit* m_reading;
    QLineEdit* m_meaning;
    QCheckBox* m_on;
    QCheckBox* m_kun;
    QRadioButton* m_and;
    QRadioButton* m_or;
    std::array<QCheckBox*, kCardKindCount> m_kinds{};
    QLabel* m_caption;
    QTreeWidget* m_matches;
    QPushButton* m_back;
    QPushButton* m_next;
};

}  // namespace brushly
