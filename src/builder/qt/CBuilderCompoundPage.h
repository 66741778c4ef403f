#pragma once

#include <QWizardPage>

#include "document/BuilderSettings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace brushly {

// The Flashcard Builder's last page: whether the new Word Groups also receive compound
// cards from EDICT, by which rule, common words only and with or without kana. The options
// beneath "Add compound vocabulary from EDICT" follow its check; without an EDICT-built
// compound library the page says how to get one and nothing can be checked. Rule 2's label
// and availability follow the source and first value (LowerIndicesChoice). Choices are
// written into the settings, which must outlive the page.
class CBuilderCompoundPage final : public QWizardPage {
public:
    static constexpr const char* kTitle = "Brushly Flashcard Builder - STEP 3";
    static constexpr const char* kEdictText =
        "Brushly can fill each new Word Group with compound flashcards from EDICT, written with "
        "the kanji you will have studied:";
    static constexpr const char* kAddCompoundsText = "Add compound vocabulary from EDICT";
    static constexpr const char* kEarlierGroupsText =
        "kanji from that group and all previous Word Groups";
    static constexpr const char* kSameGroupText = "only kanji in that Word Group";

    // edictBuilt: whether the loaded compound library was built from EDICT.
    CBuilderCompoundPage(CBuilderSettings& settings, bool edictBuilt, QWidget* parent = nullptr);

    void initializePage() override;
    void cleanupPage() override {}

private:
    void UpdateOptions();

    CBuilderSettings& m_settings;
    bool m_edictBuilt;
    QCheckBox* m_addCompounds;
    QGroupBox* m_rules;
    QRadioButton* m_ruleButtons[3];
    QCheckBox* m_commonOnly;
    QCheckBox* m_includeKana;
};

}  // namespace brushly
