#pragma once

#include <QWizardPage>

#include "document/BuilderSettings.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace brushly {

// The Flashcard Builder's first page: the source of the kanji (grade, JLPT kyuu or one of
// the ten reference books), the Word Groups' root name and how the groups are numbered.
// Choosing a source puts its root name in the box; grade and JLPT are always numbered.
// Every choice is written at once into the wizard's settings, which must outlive the page.
// The page is complete while the root name holds more than blanks.
class CBuilderSourcePage final : public QWizardPage {
public:
    static constexpr const char* kTitle = "Brushly Flashcard Builder - STEP 1";
    static constexpr const char* kNumberedText = "Numerically   (e.g.  Nelson 1, Nelson 2, etc.)";
    static constexpr const char* kIndexNumbersText =
        "Using index numbers  (e.g. Nelson 0101-0150, Nelson 0151-0200)";

    explicit CBuilderSourcePage(CBuilderSettings& settings, QWidget* parent = nullptr);

    void initializePage() override;
    // Going back keeps what was chosen.
    void cleanupPage() override {}
    bool isComplete() const override;

private:
    void SourceChosen(int source);
    // Grade and JLPT take no index numbering.
    void UpdateNumbering();

    CBuilderSettings& m_settings;
    QListWidget* m_sources;
    QLineEdit* m_rootName;
    QRadioButton* m_numbered;
    QRadioButton* m_indexNumbers;
};

}  // namespace brushly
