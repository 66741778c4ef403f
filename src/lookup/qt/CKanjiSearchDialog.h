#pragma once

#include <QDialog>
#include <QIcon>
#include <array>
#include <memory>

#include "handwriting/JapaneseText.h"
#include "lookup/CKanjiSearch.h"
#include "reference/CKanjiStrokes.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace brushly {

class CBrushly2Doc;
class CDemonstrationWidget;
class CJapaneseTextWidget;
class CKanjiDrawBoxWidget;
class CKanjiSearchControls;

// "Kanji Database Search Dialog": the search inputs (CKanjiSearchControls), a kanji draw box
// with its search button for handwriting, the result list ten to a page (the kanji drawn
// beside each row's reading, with a school-grade icon), the selected kanji with "Show &Data"
// and "Stroke &Order Demonstration", "&Add Card" into the chosen Word Group, the OK button
// and "Exit". The dialog only shows CKanjiSearch's state and forwards to it; the state is
// the document's, restored on opening and saved on closing, so a later opening shows the
// same inputs, results, page and selection.
//
// The caller's request sets the OK button ("Add and E&xit", "&Edit Card" or "&Use this
// Kanji") and whether "&Add Card" and the Word Group list are offered. Accepted (OK or a
// double-clicked row), Result() holds the selected kanji and the chosen Word Group.
//
// The document must hold the kanji database; the document, prompter and the style's kanji
// library must outlive the dialog.
class CKanjiSearchDialog final : public QDialog {
public:
    static constexpr const char* kTitle = "Kanji Database Search Dialog";
    static constexpr int kSelectedKanjiSize = 64;
    static constexpr int kListKanjiSize = 18;

    CKanjiSearchDialog(CBrushly2Doc& document, CPrompter& prompter, const CJapaneseTextStyle& style,
                       const CKanjiSearchRequest& request, QWidget* parent = nullptr);
    ~CKanjiSearchDialog() override;

    const CKanjiSearchResult& Result() const { return m_result; }
    void done(int result) override;

private:
    QWidget* BuildHandwriting();
    QWidget* BuildResults();
    QWidget* BuildSelection();
    QWidget* BuildButtons();
    void Restore();
    // The Word Group list's current name; empty when none is chosen.
    std::string ChosenWordGroup() const;
    void ShowPage();
    void ShowSelection();
    void UpdateDefaultButton(QWidget* focused);

    void Find();
    void SearchText();
    void SearchHandwriting();
    void SelectRow(int row);
    void ShowData();
    void Demonstrate();
    void AddCard();
    void Accept();

    CBrushly2Doc& m_document;
    const CKanjiLibrary& m_library;
    CJapaneseTextStyle m_style;
    CKanjiSearchRequest m_request;
    CKanjiSearch m_search;
    CKanjiSearchResult m_result;
    CKanjiStrokes m_noTarget;  // the draw box writes freely: nothing to check against

    CKanjiSearchControls* m_controls = nullptr;
    CKanjiDrawBoxWidget* m_drawBox = nullptr;
    QLabel* m_caption = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    CJapaneseTextWidget* m_selected = nullptr;
    QPushButton* m_showData = nullptr;
    QPushButton* m_demonstrate = nullptr;
    QPushButton* m_addCard = nullptr;
    QLabel* m_wordGroupLabel = nullptr;
    QComboBox* m_wordGroup = nullptr;
    QPushButton* m_ok = nullptr;
    std::array<QIcon, 9> m_gradeIcons;  // grades 0 (none) to 8, drawn once on opening
    std::unique_ptr<CDemonstrationWidget> m_demonstration;
    bool m_demonstrationBusy = false;
    QMetaObject::Connection m_focusConnection;
};

}  // namespace brushly
