#include "app/editors/CKanaWordEditor.h"

#include <utility>

#include "app/editors/EditorText.h"
#include "lookup/RomajiKana.h"

namespace brushly {

CKanaWordEditor::CKanaWordEditor(CBrushly2Doc& document, CPrompter& prompter,
                                 const std::string& group, bool fixedGroup)
    : CCardEditorOf(document, prompter, group, fixedGroup) {}

CKanaWordEditor::CKanaWordEditor(CBrushly2Doc& document, CPrompter& prompter, CKanaWord& card,
                                 bool fixedGroup)
    : CCardEditorOf(document, prompter, card, fixedGroup) {}

void CKanaWordEditor::SetRomaji(std::string_view romaji) {
    std::string typed = TrimmedText(romaji);
    CKanaWord& card = MutableWorking();
    // Unchanged romaji keeps the kana, which may be a library word's own.
    if (typed == card.romaji) return;
    card.romaji = std::move(typed);
    card.kana = RomajiToKana(card.romaji, true, false);
}

void CKanaWordEditor::SetMeaning(std::string_view meaning) {
    MutableWorking().meaning = TrimmedText(meaning);
}

void CKanaWordEditor::Take(const CTakenWord& word) {
    CKanaWord& card = MutableWorking();
    card.kana = word.headword;
    card.romaji = word.romaji;
    card.meaning = word.meaning;
}

void CKanaWordEditor::Clear() {
    Take({});
}

const char* CKanaWordEditor::Refusal() const {
    if (NoGroup()) return kNoGroupMessage;
    if (Working().romaji.empty()) return kNoRomajiMessage;
    if (Working().kana.empty()) return kNoKanaMessage;
    if (Working().meaning.empty()) return kNoMeaningMessage;
    return nullptr;
}

}  // namespace brushly
