#pragma once

#include <string>

#include "app/editors/CCardEditor.h"

namespace brushly {

// A card editor over a working copy of one card class (CKanjiCard, CKanjiCompound, CKanaWord
// or CCounterCard; instantiated for these four). The copy is the card itself while a new card
// is made, and a copy of the card being edited otherwise; the original is touched only when
// stored. The card edited must belong to the document and stay there while the editor lives.
template <class Card>
class CCardEditorOf : public CCardEditor {
public:
    const Card& Working() const { return m_working; }

protected:
    // A new card for group.
    CCardEditorOf(CBrushly2Doc& document, CPrompter& prompter, const std::string& group,
                  bool fixedGroup);
    // The card of the document to edit.
    CCardEditorOf(CBrushly2Doc& document, CPrompter& prompter, Card& card, bool fixedGroup);

    Card& MutableWorking() { return m_working; }

    const CObject* Store(const std::string& group, bool active) override;
    void StartNextCard() override;

private:
    Card m_working;
    Card* m_original = nullptr;  // the document's card; null for a new card
};

}  // namespace brushly
