#include "document/CCounterCard.h"

namespace brushly {

const CRuntimeClass CCounterCard::kRuntimeClass{"CCounterCard", 3, true,
                                                &CreateObject<CCounterCard>};

void CCounterCard::Serialize(CArchive& archive) {
    std::string* const texts[] = {&groupName, &character, &extraText1, &extraText2,
                                  &meaning,   &romaji,    &comments};
    if (archive.IsStoring()) {
        for (const std::string* text : texts)
            archive.WriteString(*text);
        archive.WriteStringArray(formRomaji);
        archive.WriteStringArray(formNumbers);
        for (std::int32_t value : {rightCount, wrongCount, dbGroup, dbIndex, counterType, active})
            archive.WriteInt(value);
        return;
    }
    const std::uint32_t schema = archive.GetObjectSchema();
    for (std::string* text : texts)
        *text = archive.ReadString();
    archive.ReadStringArray(formRomaji);
    archive.ReadStringArray(formNumbers);
    for (std::int32_t* field : {&rightCount, &wrongCount, &dbGroup, &dbIndex})
        *field = archive.ReadInt();
    counterType = schema >= 2 ? archive.ReadInt() : kCount;
    active = schema >= 3 ? archive.ReadInt() : 1;
}

}  // namespace brushly
