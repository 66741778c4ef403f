#pragma once

#include <cstdint>
#include <string>

#include "archive/CArchive.h"

namespace brushly {

// One word of the dictionary. Versionable, schema 2: headword, meaning, romaji (three archive
// strings). Schemas 0 and 1 add the hiragana flag (int32) after them; reading such a record
// lower-cases the romaji when the flag is not 0 and upper-cases it when it is 0. Text is
// Shift-JIS bytes (the meaning is the ASCII gloss). A compound flashcard is a dictionary
// entry with the card items (CKanjiCompound derives from it, with a body of its own).
class CCompoundData : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::string headword;  // as written: kanji and kana, or kana only for a kana word
    std::string meaning;   // the EDICT senses separated by "/", markers such as "(P)" kept
    std::string romaji;    // KanaToRomaji of the reading: lower case hiragana, upper katakana
    // 1 when the romaji is lower case. Not stored in schema 2 (the case carries it); kept
    // from the record for older schemas and 1 for a new entry.
    std::int32_t hiragana = 1;
};

}  // namespace brushly
