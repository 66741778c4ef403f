#include "app/editors/CCardEditorOf.h"

#include <memory>

#include "document/CBrushly2Doc.h"

namespace brushly {

template <class Card>
CCardEditorOf<Card>::CCardEditorOf(CBrushly2Doc& document, CPrompter& prompter,
                                   const std::string& group, bool fixedGroup)
    : CCardEditor(document, prompter, group, false, true, fixedGroup) {}

template <class Card>
CCardEditorOf<Card>::CCardEditorOf(CBrushly2Doc& document, CPrompter& prompter, Card& card,
                                   bool fixedGroup)
    : CCardEditor(document, prompter, card.groupName, true, card.active != 0, fixedGroup),
      m_working(card),
      m_original(&card) {}

template <class Card>
const CObject* CCardEditorOf<Card>::Store(const std::string& group, bool active) {
    CFlashcardSet& cards = Document().Cards();
    m_working.active = active ? 1 : 0;
    if (m_original == nullptr) {
        auto card = CFlashcardSet::CopyCard(m_working);
        card->groupName = group;
        return &cards.AddCard(std::move(card));
    }
    // Written over in place, so that the card keeps its place in its group; a move to another
    // group follows.
    *m_original = m_working;
    if (group == m_original->groupName) return m_original;
    return cards.MoveCardToGroup(m_original, group);
}

template <class Card>
void CCardEditorOf<Card>::StartNextCard() {
    m_working = Card();
    m_original = nullptr;
}

template class CCardEditorOf<CKanjiCard>;
template class CCardEditorOf<CKanjiCompound>;
template class CCardEditorOf<CKanaWord>;
template class CCardEditorOf<CCounterCard>;

}  // namespace brushly
