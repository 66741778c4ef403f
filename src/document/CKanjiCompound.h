#pragma once

#include <cstdint>
#include <string>

#include "archive/CArchive.h"
#include "dictionary/CCompoundData.h"

namespace brushly {

// A compound flashcard: a dictionary entry with the card items. A card is made from an
// entry by copying it, and stands for one wherever an entry is wanted.
//
// Versionable, schema 3. Body, in stream order:
//   string headword, string meaning, string romaji, int32 hiragana (the entry's fields),
//   string groupName, int32 rightCount, int32 wrongCount, int32 active.
// Schema 2 lacks the final `active` (read as 1). Schema 1 lacks `active` and the hiragana
// flag (read as 1). Copying copies every field.
class CKanjiCompound final : public CCompoundData {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    CKanjiCompound() = default;
    // A new card (no group, statistics 0/0, active) of a dictionary entry.
    explicit CKanjiCompound(const CCompoundData& dictionaryEntry)
        : CCompoundData(dictionaryEntry) {}

    std::string groupName;
    std::int32_t rightCount = 0;
    std::int32_t wrongCount = 0;
    std::int32_t active = 1;
};

}  // namespace brushly
