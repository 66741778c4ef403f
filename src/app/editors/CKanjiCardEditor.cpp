#include "app/editors/CKanjiCardEditor.h"

#include <memory>

#include "document/CBrushly2Doc.h"

namespace brushly {

CKanjiCardEditor::CKanjiCardEditor(CBrushly2Doc& document, CPrompter& prompter,
                                   const std::string& group, bool fixedGroup)
    : CMainCharacterEditor(document, prompter, group, fixedGroup) {}

CKanjiCardEditor::CKanjiCardEditor(CBrushly2Doc& document, CPrompter& prompter, CKanjiCard& card,
                                   bool fixedGroup)
    : CMainCharacterEditor(document, prompter, card, fixedGroup) {}

bool CKanjiCardEditor::ImportReadings() {
    const CKanjiData* record = Record();
    if (record == nullptr) return false;
    CKanjiCard& card = MutableWorking();
    card.readings.clear();
    card.LinkTo({record, card.dbGroup, card.dbIndex});
    return true;
}

std::vector<std::string> CKanjiCardEditor::ReadingLines(int longOMode) const {
    std::vector<std::string> lines;
    for (const auto& reading : Working().readings)
        lines.push_back(reading->DisplayText(longOMode));
    return lines;
}

const CKanjiReading* CKanjiCardEditor::SelectedReading(int index) {
    const auto& readings = Working().readings;
    if (index < 0 || static_cast<std::size_t>(index) >= readings.size()) {
        Refuse(kSelectReadingMessage);
        return nullptr;
    }
    return readings[static_cast<std::size_t>(index)].get();
}

void CKanjiCardEditor::AddReading(const CKanjiReading& reading) {
    MutableWorking().readings.push_back(std::make_unique<CKanjiReading>(reading));
}

void CKanjiCardEditor::ReplaceReading(std::size_t index, const CKanjiReading& reading) {
    *MutableWorking().readings.at(index) = reading;
}

bool CKanjiCardEditor::DeleteReading(int index) {
    if (SelectedReading(index) == nullptr) return false;
    if (!Prompter().AskYesNo(kDeleteReadingQuestion)) return false;
    auto& readings = MutableWorking().readings;
    readings.erase(readings.begin() + index);
    return true;
}

const char* CKanjiCardEditor::Refusal() const {
    if (Working().character.empty()) return kNoCharacterMessage;
    if (Working().readings.empty()) return kNoReadingsMessage;
    if (NoGroup()) return kNoGroupMessage;
    return nullptr;
}

}  // namespace brushly
