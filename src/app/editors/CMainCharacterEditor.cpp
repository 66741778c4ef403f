#include "app/editors/CMainCharacterEditor.h"

#include "app/editors/MainCharacter.h"
#include "document/CBrushly2Doc.h"

namespace brushly {

template <class Card>
void CMainCharacterEditor<Card>::SetCharacter(std::string_view text) {
    SetMainCharacter(this->MutableWorking(),
                     MainCharacterOf(this->Document().KanjiLibrary(), text));
}

template <class Card>
const CKanjiData* CMainCharacterEditor<Card>::Record() const {
    const Card& card = this->Working();
    return LinkedRecord(this->Document().KanjiLibrary(), card.character, card.dbGroup,
                        card.dbIndex);
}

template class CMainCharacterEditor<CKanjiCard>;
template class CMainCharacterEditor<CCounterCard>;

}  // namespace brushly
