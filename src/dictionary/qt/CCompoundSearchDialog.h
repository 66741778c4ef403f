#pragma once

#include <QDialog>
#include <functional>

#include "dictionary/CCompoundSearch.h"
#include "handwriting/JapaneseText.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace brushly {

class CBrushly2Doc;
class CCompoundCriteria;
class CJapaneseTextWidget;
class CSettingsStore;

// "Brushly Compound Database Search Dialog" ("EDICT Electronic Dictionary Search Dialog" over
// an EDICT-built library): the criteria (CCompoundCriteria, with "&Get Kanji" through the
// kanji search, after the draw box practice unless the setting "practice" is 1), the include,
// common-only and abbreviation options, the result list ten to a page ("Reading" and
// "Meaning", an icon for the kind of word), the selected word ("Compound:" drawn large,
// "Romaji:", "Meaning:", "Kana:"), "&Add Card" into the chosen Word Group, the OK button,
// "Exit" and "EDICT &Information". It only shows CCompoundSearch's state and forwards to it;
// the state is the document's, restored on opening (at the page it was left on) and saved
// on closing.
//
// Accepted (OK or a double-clicked row), Result() holds the selected word, its meaning as
// shown and the chosen Word Group. The document, prompter, abbreviations, settings and the
// style's kanji library must outlive the dialog.
class CCompoundSearchDialog final : public QDialog {
public:
    static constexpr int kHeadwordSize = 40;
    static constexpr int kKanaSize = 20;
    static constexpr const char* kLegendText = "= kanji character not in the Brushly database";

    CCompoundSearchDialog(CBrushly2Doc& document, CPrompter& prompter,
                          const CAbbreviationList& abbreviations, CSettingsStore& settings,
                          const CJapaneseTextStyle& style, const CCompoundSearchRequest& request,
                          std::function<void()> showEdictHelp, QWidget* parent = nullptr);
    ~CCompoundSearchDialog() override;

    const CCompoundSearchResult& Result() const { return m_result; }
    void done(int result) override;

private:
    QWidget* BuildOptions();
    QWidget* BuildResults();
    QWidget* BuildSelection();
    QWidget* BuildButtons();
    void Restore();
    std::string ChosenWordGroup() const;
    void ShowPage();
    void ShowSelection();

    void Search();
    void GetKanji();
    void AddCard();
    void Accept();

    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    CSettingsStore& m_settings;
    CJapaneseTextStyle m_style;
    CCompoundSearchRequest m_request;
    CCompoundSearch m_search;
    CCompoundSearchResult m_result;
    std::function<void()> m_showEdictHelp;

    CCompoundCriteria* m_criteria = nullptr;
    QCheckBox* m_includeCompounds = nullptr;
    QCheckBox* m_includeKanaWords = nullptr;
    QCheckBox* m_commonOnly = nullptr;
    QCheckBox* m_hideAbbreviations = nullptr;
    QGroupBox* m_results = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    CJapaneseTextWidget* m_headword = nullptr;
    QLineEdit* m_romaji = nullptr;
    QLineEdit* m_meaning = nullptr;
    CJapaneseTextWidget* m_kana = nullptr;
    QWidget* m_legend = nullptr;
    QComboBox* m_wordGroup = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace brushly
