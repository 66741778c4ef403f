#pragma once

#include <QWizardPage>

#include "document/BuilderSettings.h"
#include "platform/CPrompter.h"
#include "reference/CKanjiLibrary.h"

class QLabel;
class QLineEdit;

namespace brushly {

// The Flashcard Builder's second page: which kanji of the chosen source and how many to a
// Word Group. Grade and JLPT take one value ("Grade level:", "JLPT kyuu:"); a reference book
// takes its first and last index numbers. Every edit writes the texts into the settings and
// recomputes "Number of cards:" and "Number of Word Groups:" (UpdateCounts). The page is
// complete while the group count is above 0; leaving it with more than kMaxCardsPerGroup
// cards per group is refused through the prompter and the focus goes to that box.
// The settings, library and prompter must outlive the page.
class CBuilderRangePage final : public QWizardPage {
public:
    static constexpr const char* kTitle = "Brushly Flashcard Builder - STEP 2";
    static constexpr const char* kReferenceText =
        "For the chosen reference, enter the first and last index numbers of the kanji for "
        "which you would like to create flashcards:";

    CBuilderRangePage(CBuilderSettings& settings, const CKanjiLibrary& library, CPrompter& prompter,
                      QWidget* parent = nullptr);

    void initializePage() override;
    void cleanupPage() override {}
    bool isComplete() const override;
    bool validatePage() override;

private:
    QLineEdit* AddNumberBox(const char* name);
    void Recount();

    CBuilderSettings& m_settings;
    const CKanjiLibrary& m_library;
    CPrompter& m_prompter;
    QLabel* m_reference;
    QLabel* m_referenceText;
    QLabel* m_firstLabel;
    QLineEdit* m_first;
    QLabel* m_lastLabel;
    QLineEdit* m_last;
    QLineEdit* m_perGroup;
    QLabel* m_cardCount;
    QLabel* m_groupCount;
};

}  // namespace brushly
