#include "app/editors/CCompoundCardEditor.h"

#include "app/editors/EditorText.h"
#include "app/editors/MainCharacter.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {
constexpr std::size_t kMinCompoundBytes = 4;
constexpr std::size_t kCharacterBytes = 2;
}  // namespace

CCompoundCardEditor::CCompoundCardEditor(CBrushly2Doc& document, CPrompter& prompter,
                                         const std::string& group, bool fixedGroup)
    : CCardEditorOf(document, prompter, group, fixedGroup) {}

CCompoundCardEditor::CCompoundCardEditor(CBrushly2Doc& document, CPrompter& prompter,
                                         CKanjiCompound& card, bool fixedGroup)
    : CCardEditorOf(document, prompter, card, fixedGroup) {}

bool CCompoundCardEditor::HasRoom() const {
    return Compound().size() + kCharacterBytes <= kMaxCompoundBytes;
}

bool CCompoundCardEditor::AddKanji(std::string_view text) {
    const CSelectedKanji kanji = MainCharacterOf(nullptr, text);
    if (kanji.Empty() || !HasRoom()) return false;
    MutableWorking().headword += kanji.character;
    return true;
}

bool CCompoundCardEditor::AddKana(std::string_view romaji) {
    const std::string kana = RomajiToKana(romaji, true, false);
    if (kana.empty()) return Refuse(kNoKanaMessage);
    if (Compound().size() + kana.size() > kMaxCompoundBytes) return Refuse(kKanaTooLongMessage);
    MutableWorking().headword += kana;
    return true;
}

bool CCompoundCardEditor::AddRepeat() {
    if (Compound().empty() || !HasRoom()) return false;
    MutableWorking().headword += kRepeatMark;
    return true;
}

bool CCompoundCardEditor::Back() {
    std::string& headword = MutableWorking().headword;
    const auto characters = sjis::Characters(headword);
    if (characters.empty()) return false;
    headword.resize(headword.size() - characters.back().size());
    return true;
}

void CCompoundCardEditor::SetRomaji(std::string_view romaji) {
    MutableWorking().romaji = TrimmedText(romaji);
}

void CCompoundCardEditor::SetMeaning(std::string_view meaning) {
    MutableWorking().meaning = TrimmedText(meaning);
}

void CCompoundCardEditor::Take(const CTakenWord& word) {
    MutableWorking().headword = word.headword;
    MutableWorking().romaji = word.romaji;
    MutableWorking().meaning = word.meaning;
}

const char* CCompoundCardEditor::Refusal() const {
    if (Compound().size() < kMinCompoundBytes) return kTooShortMessage;
    if (Working().romaji.empty()) return kNoRomajiMessage;
    if (Working().meaning.empty()) return kNoMeaningMessage;
    if (NoGroup()) return kNoGroupMessage;
    return nullptr;
}

}  // namespace brushly
