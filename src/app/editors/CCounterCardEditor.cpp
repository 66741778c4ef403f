#include "app/editors/CCounterCardEditor.h"

#include <algorithm>

#include "app/editors/EditorText.h"
#include "document/CBrushly2Doc.h"
#include "practice/CounterNumbers.h"

namespace brushly {

CCounterCardEditor::CCounterCardEditor(CBrushly2Doc& document, CPrompter& prompter,
                                       const std::string& group, bool fixedGroup)
    : CMainCharacterEditor(document, prompter, group, fixedGroup) {}

CCounterCardEditor::CCounterCardEditor(CBrushly2Doc& document, CPrompter& prompter,
                                       CCounterCard& card, bool fixedGroup)
    : CMainCharacterEditor(document, prompter, card, fixedGroup) {}

void CCounterCardEditor::SetMeaning(std::string_view meaning) {
    MutableWorking().meaning = TrimmedText(meaning);
}

void CCounterCardEditor::SetRomaji(std::string_view romaji) {
    MutableWorking().romaji = TrimmedText(romaji);
}

bool CCounterCardEditor::AddForm(std::string_view number, std::string_view romaji) {
    const std::string reading = TrimmedText(romaji);
    const std::string numberText = TrimmedText(number);
    CCounterCard& card = MutableWorking();
    if (reading.empty()) return Refuse(kNoFormRomajiMessage);
    if (numberText.empty()) return Refuse(kNoNumberMessage);
    const auto has = [](const std::vector<std::string>& list, const std::string& text) {
        return std::find(list.begin(), list.end(), text) != list.end();
    };
    if (has(card.formNumbers, numberText)) return Refuse(kNumberTakenMessage);
    if (has(card.formRomaji, reading)) return Refuse(kRomajiTakenMessage);
    card.formNumbers.push_back(numberText);
    card.formRomaji.push_back(reading);
    return true;
}

bool CCounterCardEditor::DeleteForm(std::size_t index) {
    CCounterCard& card = MutableWorking();
    if (index >= card.formNumbers.size() || index >= card.formRomaji.size()) return false;
    card.formNumbers.erase(card.formNumbers.begin() + static_cast<std::ptrdiff_t>(index));
    card.formRomaji.erase(card.formRomaji.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool CCounterCardEditor::AutoExpand(std::string_view root, CounterExpansion how) {
    const std::string refusal = AutoExpandCounter(MutableWorking(), TrimmedText(root), how);
    if (refusal.empty()) return true;
    return Refuse(refusal.c_str());
}

const char* CCounterCardEditor::Refusal() const {
    const CCounterCard& card = Working();
    if (card.character.empty()) return kNoCharacterMessage;
    if (card.meaning.empty()) return kNoMeaningMessage;
    if (card.romaji.empty()) return kNoRomajiMessage;
    if (card.formNumbers.empty()) return kNoFormsMessage;
    if (NoGroup()) return kNoGroupMessage;
    return nullptr;
}

}  // namespace brushly
