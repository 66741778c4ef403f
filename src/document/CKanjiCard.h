#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/CArchive.h"
#include "document/CKanjiCompound.h"
#include "reference/CKanjiReading.h"

namespace brushly {

struct CKanjiRef;

// A kanji flashcard: one character with the reading groups the user keeps for it.
//
// Versionable, schema 2. Body, in stream order:
//   string groupName, string character, string comments,
//   object array readings (CKanjiReading), object array compounds (CKanjiCompound),
//   int32 rightCount, int32 wrongCount, int32 dbGroup, int32 dbIndex, int32 active.
// Schema 1 (version-1 documents) lacks the final `active`, which then reads as 1. Null
// elements of either array are dropped on reading.
//
// Copying is deep: every reading group and every compound is copied element by element,
// so the copy shares nothing with the original.
class CKanjiCard final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    CKanjiCard() = default;
    CKanjiCard(const CKanjiCard& other);
    CKanjiCard& operator=(const CKanjiCard& other);
    CKanjiCard(CKanjiCard&&) = default;
    CKanjiCard& operator=(CKanjiCard&&) = default;

    // Links the card to a kanji of the database (dbGroup, dbIndex) and appends a copy of
    // each of its reading groups; the character is left as it is.
    void LinkTo(const CKanjiRef& kanji);

    std::string groupName;  // the Word Group that lists the card
    std::string character;  // one Shift-JIS double-byte character
    std::string comments;
    std::vector<std::unique_ptr<CKanjiReading>> readings;
    // Empty in current documents; a version-1 document keeps a kanji's compound cards here
    // until the conversion moves them to the compound master array.
    std::vector<std::unique_ptr<CKanjiCompound>> compounds;
    std::int32_t rightCount = 0;
    std::int32_t wrongCount = 0;
    std::int32_t dbGroup = 0;   // stroke-count group of the database record; 0 = not linked
    std::int32_t dbIndex = -1;  // index within that group; -1 = not linked
    std::int32_t active = 1;    // 1 = practised, 0 = left out of the decks
};

}  // namespace brushly
