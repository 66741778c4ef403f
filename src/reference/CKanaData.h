#pragma once

#include <string>
#include <vector>

#include "archive/CArchive.h"

namespace brushly {

// One point of a kana reference stroke, in draw-box pixels (x right, y down, 200 wide).
// An x above 200 marks a point of the stroke's primary form only, at x - 200.
class CKanaPoint final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::int32_t x = -1;
    std::int32_t y = -1;
};

// The platform's object array as it stands in the kanji database: one kana stroke, its
// points in drawing order. In the file it is a tagged object of class "CObArray" whose
// body is an object array of tagged CKanaPoint objects; null elements are skipped on
// reading and an element of any other class fails the load.
class CObArray final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::vector<CKanaPoint> points;
};

// What a hiragana and a katakana record share: reference strokes (polylines), the romaji
// key and the kana character (Shift-JIS).
class CKanaData : public CObject {
public:
    void Serialize(CArchive& archive) override;

    std::size_t StrokeCount() const { return strokes.size(); }

    std::vector<CObArray> strokes;
    std::string romaji;
    std::string kana;
};

class CHiraganaData final : public CKanaData {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
};

class CKatakanaData final : public CKanaData {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
};

}  // namespace brushly
