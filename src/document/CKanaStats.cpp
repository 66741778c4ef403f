#include "document/CKanaStats.h"

namespace brushly {

const CRuntimeClass CKanaStats::kRuntimeClass{"CKanaStats", 1, false, &CreateObject<CKanaStats>};

void CKanaStats::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(kana);
        archive.WriteString(romaji);
        archive.WriteInt(rightCount);
        archive.WriteInt(wrongCount);
        return;
    }
    kana = archive.ReadString();
    romaji = archive.ReadString();
    rightCount = archive.ReadInt();
    wrongCount = archive.ReadInt();
}

}  // namespace brushly
