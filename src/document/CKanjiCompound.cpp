#include "document/CKanjiCompound.h"

namespace brushly {

const CRuntimeClass CKanjiCompound::kRuntimeClass{"CKanjiCompound", 3, true,
                                                  &CreateObject<CKanjiCompound>};

void CKanjiCompound::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(entry.headword);
        archive.WriteString(entry.meaning);
        archive.WriteString(entry.romaji);
        archive.WriteInt(entry.hiragana);
        archive.WriteString(groupName);
        for (std::int32_t value : {rightCount, wrongCount, active})
            archive.WriteInt(value);
        return;
    }
    const std::uint32_t schema = archive.GetObjectSchema();
    entry.headword = archive.ReadString();
    entry.meaning = archive.ReadString();
    entry.romaji = archive.ReadString();
    entry.hiragana = schema >= 2 ? archive.ReadInt() : 1;
    groupName = archive.ReadString();
    rightCount = archive.ReadInt();
    wrongCount = archive.ReadInt();
    active = schema >= 3 ? archive.ReadInt() : 1;
}

}  // namespace brushly
