#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/CArchive.h"

namespace brushly {

// A counter flashcard: a kanji used as a counter, with its counted forms.
//
// Versionable, schema 3. Body, in stream order:
//   string groupName, string character, string extraText1, string extraText2,
//   string meaning, string romaji, string comments,
//   string list formRomaji, string list formNumbers,
//   int32 rightCount, int32 wrongCount, int32 dbGroup, int32 dbIndex,
//   int32 counterType, int32 active.
// Schema 2 lacks the final `active` (read as 1); schema 1 lacks `counterType` and `active`
// (read as 0 and 1). Copying copies every field, the form lists element by element.
class CCounterCard final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    enum CounterType : std::int32_t { kCount = 0, kName = 1 };

    std::string groupName;
    std::string character;   // the counter's kanji
    std::string extraText1;  // further Japanese texts built in the editor; may be empty
    std::string extraText2;
    std::string meaning;
    std::string romaji;
    std::string comments;
    // The counted forms: entry i of formRomaji belongs to entry i of formNumbers.
    std::vector<std::string> formRomaji;
    std::vector<std::string> formNumbers;  // the number of each form, as text
    std::int32_t rightCount = 0;
    std::int32_t wrongCount = 0;
    std::int32_t dbGroup = 0;   // 0 = not linked to a database record
    std::int32_t dbIndex = -1;  // -1 = not linked
    std::int32_t counterType = kCount;
    std::int32_t active = 1;
};

}  // namespace brushly
