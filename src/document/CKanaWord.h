#pragma once

#include <cstdint>
#include <string>

#include "archive/CArchive.h"

namespace brushly {

// A kana word flashcard.
//
// Versionable, schema 3. Body, in stream order:
//   string groupName, string kana, string meaning, string romaji,
//   int32 rightCount, int32 wrongCount, int32 active.
// Schemas 1 and 2 lack the final `active` (read as 1). Copying copies every field.
class CKanaWord final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    // The romaji as shown: every space removed and, with longOMode 1, every "oo" written
    // "ou" and every "OO" "OU"; any other mode keeps the long o as stored.
    std::string DisplayRomaji(int longOMode) const;

    std::string groupName;
    std::string kana;     // Shift-JIS
    std::string meaning;  // English
    std::string romaji;   // lower case hiragana, upper case katakana
    std::int32_t rightCount = 0;
    std::int32_t wrongCount = 0;
    std::int32_t active = 1;
};

}  // namespace brushly
