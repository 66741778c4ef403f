#include "app/editors/MainCharacter.h"

#include <string>

#include "platform/ShiftJis.h"

namespace brushly {

CSelectedKanji MainCharacterOf(const CKanjiLibrary* library, std::string_view text) {
    CSelectedKanji kanji;
    for (std::string_view character : sjis::Characters(text)) {
        if (character.size() != 2) continue;
        kanji.character = std::string(character);
        break;
    }
    if (kanji.Empty() || library == nullptr) return kanji;
    if (const CKanjiRef found = library->FindByCharacter(kanji.character)) {
        kanji.group = found.group;
        kanji.index = found.index;
    }
    return kanji;
}

const CKanjiData* LinkedRecord(const CKanjiLibrary* library, std::string_view character, int group,
                               int index) {
    if (library == nullptr || character.empty() || group < 1 || index < 0) return nullptr;
    const auto records = library->KanjiGroup(group);
    if (static_cast<std::size_t>(index) >= records.size()) return nullptr;
    const CKanjiData* record = records[static_cast<std::size_t>(index)].get();
    return record != nullptr && record->character == character ? record : nullptr;
}

}  // namespace brushly
