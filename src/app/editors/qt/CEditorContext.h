#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/editors/CompoundQuery.h"
#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundSearch.h"
#include "handwriting/JapaneseText.h"
#include "platform/CPrompter.h"
#include "platform/CSettingsStore.h"

namespace brushly {

class CBrushly2Doc;
class CDemonstrationWidget;
class CKanjiData;

// What the card editor dialogs work with besides their editor: the document, the prompter,
// the compound search's abbreviations and settings, the Japanese text style and the EDICT
// help; and the windows they open from there (kanji search, compound search, Show Data,
// the stroke-order demonstration). Everything given must outlive the context.
class CEditorContext {
public:
    CEditorContext(CBrushly2Doc& document, CPrompter& prompter,
                   const CAbbreviationList& abbreviations, CSettingsStore& settings,
                   const CJapaneseTextStyle& style, std::function<void()> showEdictHelp);
    ~CEditorContext();
    CEditorContext(const CEditorContext&) = delete;
    CEditorContext& operator=(const CEditorContext&) = delete;

    CBrushly2Doc& Document() const { return m_document; }
    CPrompter& Prompter() const { return m_prompter; }
    const CJapaneseTextStyle& Style() const { return m_style; }
    // Whether the kanji search can open (the kanji database is loaded).
    bool HasKanjiDatabase() const;

    // "&Get Kanji": the kanji search in its Get Kanji mode (no adding there); the character
    // chosen (Shift-JIS), or nothing when the search was left.
    std::optional<std::string> GetKanji(QWidget* parent) const;
    // The compound search opened by an editor in mode (CCompoundSearchRequest) with group
    // preselected, having first searched for query when there is one (PrepareCompoundQuery).
    // Accepted, result holds the word and group; false when the search was left.
    bool SearchWords(QWidget* parent, int mode, CompoundQuery by, const std::string& query,
                     const std::string& group, CCompoundSearchResult& result) const;
    // "Sho&w Data" of a database kanji.
    void ShowData(const CKanjiData& record, QWidget* parent) const;
    // "Stroke &Order Demonstration" of a database kanji, in a tool window beside parent that
    // stays until CloseDemonstration (when the editor closes).
    void Demonstrate(const CKanjiData& record, QWidget* parent);
    void CloseDemonstration();
    // The demonstration window while it is open; null otherwise.
    const CDemonstrationWidget* Demonstration() const { return m_demonstration.get(); }

private:
    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    const CAbbreviationList& m_abbreviations;
    CSettingsStore& m_settings;
    CJapaneseTextStyle m_style;
    std::function<void()> m_showEdictHelp;
    std::unique_ptr<CDemonstrationWidget> m_demonstration;
    bool m_demonstrationBusy = false;
};

}  // namespace brushly
