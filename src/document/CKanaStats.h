#pragma once

#include <cstdint>
#include <string>

#include "archive/CArchive.h"
#include "reference/CKanaData.h"

namespace brushly {

// The reading statistics of one kana of one script (the document keeps one array per
// script, in kana-table order).
//
// Schema 1 (fixed). Body, in stream order:
//   string kana, string romaji, int32 rightCount, int32 wrongCount.
// kanaRecord is not stored: whoever builds or loads the arrays links it to the kana's
// record of the loaded kanji database.
class CKanaStats final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::string kana;    // one or two Shift-JIS characters
    std::string romaji;  // may end with an alternative in parentheses, "zi(ji)"
    std::int32_t rightCount = 0;
    std::int32_t wrongCount = 0;
    // The kana's stroke record, owned by the kanji library; null until linked.
    const CKanaData* kanaRecord = nullptr;
};

}  // namespace brushly
