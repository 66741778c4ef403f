#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "app/CCardEditorHost.h"
#include "app/editors/qt/CEditorContext.h"

namespace brushly {

// The card editors as the word group view and Find Flashcard open them: each call runs the
// editor dialog of the card's kind modally over parent. Given the fixed-group mode, the
// editors opened from then on refuse any group but the card's.
//
// The document, prompter, abbreviations, settings and the style's kanji library must
// outlive the object.
class CCardEditors final : public CCardEditorHost {
public:
    CCardEditors(CBrushly2Doc& document, CPrompter& prompter,
                 const CAbbreviationList& abbreviations, CSettingsStore& settings,
                 const CJapaneseTextStyle& style, std::function<void()> showEdictHelp,
                 QWidget* parent);

    void SetFixedGroup(bool fixed) { m_fixedGroup = fixed; }
    bool FixedGroup() const { return m_fixedGroup; }

    const CObject* AddCard(CardKind kind, const std::string& groupName) override;
    // Null also when the card is not one of the document's cards of that kind.
    const CObject* EditCard(CardKind kind, const CObject& card) override;

private:
    // Runs Dialog over an Editor of subject (a group name for a new card, or the card).
    template <class Editor, class Dialog, class Subject>
    const CObject* Run(Subject& subject);

    CEditorContext m_context;
    QWidget* m_parent;
    bool m_fixedGroup = false;
};

}  // namespace brushly
