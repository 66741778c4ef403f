#include "document/CKanjiCompound.h"

namespace brushly {

const CRuntimeClass CKanjiCompound::kRuntimeClass{"CKanjiCompound", 3, true,
                                                  &CreateObject<CKanjiCompound>};

void CKanjiCompound::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(headword);
        archive.WriteString(meaning);
        archive.WriteString(romaji);
        archive.WriteInt(hiragana);
        archive.WriteString(groupName);
        for (std::int32_t value : {rightCount, wrongCount, active})
            archive.WriteInt(value);
        return;
    }
    const std::uint32_t schema = archive.GetObjectSchema();
    headword = archive.ReadString();
    meaning = archive.ReadString();
    romaji = archive.ReadString();
    hiragana = schema >= 2 ? archive.ReadInt() : 1;
    groupName = archive.ReadString();
    rightCount = archive.ReadInt();
    wrongCount = archive.ReadInt();
    active = schema >= 3 ? archive.ReadInt() : 1;
}

}  // namespace brushly
