#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/CArchive.h"
#include "reference/CKanjiReading.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// The reference keys by which kanji are selected and found; every list that offers the
// choice uses these codes in this order.
enum ReferenceKey : int {
    kKeyGrade = 0,
    kKeyJlpt = 1,
    kKeyHadamitzkySpahn = 2,
    kKeyHalpernKld = 3,
    kKeyHalpernNjecd = 4,
    kKeyHeisig = 5,
    kKeyHenshall = 6,
    kKeyKodansha = 7,
    kKeyNelsonOriginal = 8,
    kKeyNelsonNew = 9,
    kKeyONeill = 10,
    kKeySakade = 11,
};
inline constexpr int kReferenceKeyCount = 12;
inline constexpr int kFirstBookKey = kKeyHadamitzkySpahn;

// The label of a reference key in the Flashcard Builder's list ("Grade Level", "Heisig",
// ...); empty outside 0 to 11.
std::string_view ReferenceKeyLabel(int key);
// The record's field name for a key ("grade", "henshall", ...), used by the tools.
std::string_view ReferenceKeyName(int key);

// One kanji of the database. Versionable, schema 2: schema 1 records lack the last six
// integers (Nelson original to grade), which then stay 0. Copying copies every field, the
// strokes and a fresh copy of every reading.
class CKanjiData final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    CKanjiData() = default;
    CKanjiData(const CKanjiData& other);
    CKanjiData& operator=(const CKanjiData& other);
    CKanjiData(CKanjiData&&) = default;
    CKanjiData& operator=(CKanjiData&&) = default;

    // The field of a reference key 0 to 11; 0 for any other key.
    std::int32_t KeyValue(int key) const;

    std::string character;  // one Shift-JIS double-byte character
    std::int32_t hadamitzkySpahn = 0;
    std::int32_t reservedValue = 0;  // kept and copied; nothing reads it
    std::int32_t kodansha = 0;
    std::int32_t sakade = 0;
    std::int32_t nelsonNew = 0;
    std::int32_t nelsonOriginal = 0;
    std::int32_t oNeill = 0;
    std::int32_t heisig = 0;
    std::int32_t henshall = 0;
    std::int32_t halpernKld = 0;
    std::int32_t halpernNjecd = 0;
    std::int32_t grade = 0;      // 0 none; 8 is shown as "7+"
    std::int32_t jlptLevel = 0;  // 1 to 4, 0 none; set from the JLPT list, never stored
    CKanjiStrokes strokes;
    std::vector<std::unique_ptr<CKanjiReading>> readings;  // never null
};

}  // namespace brushly
