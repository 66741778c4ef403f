#include "reference/CKanaData.h"

namespace brushly {

const CRuntimeClass CKanaPoint::kRuntimeClass{"CKanaPoint", 1, false, &CreateObject<CKanaPoint>};
const CRuntimeClass CObArray::kRuntimeClass{"CObArray", 0, false, &CreateObject<CObArray>};
const CRuntimeClass CHiraganaData::kRuntimeClass{"CHiraganaData", 0, true,
                                                 &CreateObject<CHiraganaData>};
const CRuntimeClass CKatakanaData::kRuntimeClass{"CKatakanaData", 0, true,
                                                 &CreateObject<CKatakanaData>};

void CKanaPoint::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(x);
        archive.WriteInt(y);
    } else {
        x = archive.ReadInt();
        y = archive.ReadInt();
    }
}

void CObArray::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteCount(points.size());
        // The points stay in place while the archive writes them, so each has its own
        // identity in the archive's object table.
        for (CKanaPoint& point : points)
            archive.WriteObject(&point);
        return;
    }
    const std::size_t count = archive.ReadCount(2);
    points.clear();
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (const auto point = archive.ReadOwnedObject<CKanaPoint>()) points.push_back(*point);
    }
}

void CKanaData::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteCount(strokes.size());
        for (CObArray& stroke : strokes)
            archive.WriteObject(&stroke);
        archive.WriteString(romaji);
        archive.WriteString(kana);
        return;
    }
    archive.GetObjectSchema();  // every stored schema has the same fields
    const std::size_t count = archive.ReadCount(2);
    strokes.clear();
    strokes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (const auto stroke = archive.ReadOwnedObject<CObArray>()) {
            strokes.push_back(std::move(*stroke));
        }
    }
    romaji = archive.ReadString();
    kana = archive.ReadString();
}

}  // namespace brushly
