#include "document/CKanjiCard.h"

#include <algorithm>

#include "reference/CKanjiLibrary.h"

namespace brushly {

const CRuntimeClass CKanjiCard::kRuntimeClass{"CKanjiCard", 2, true, &CreateObject<CKanjiCard>};

namespace {
template <class T>
std::vector<std::unique_ptr<T>> DeepCopy(const std::vector<std::unique_ptr<T>>& objects) {
    std::vector<std::unique_ptr<T>> copies;
    copies.reserve(objects.size());
    for (const auto& object : objects) {
        if (object) copies.push_back(std::make_unique<T>(*object));
    }
    return copies;
}
}  // namespace

CKanjiCard::CKanjiCard(const CKanjiCard& other)
    : CObject(other),
      groupName(other.groupName),
      character(other.character),
      comments(other.comments),
      readings(DeepCopy(other.readings)),
      compounds(DeepCopy(other.compounds)),
      rightCount(other.rightCount),
      wrongCount(other.wrongCount),
      dbGroup(other.dbGroup),
      dbIndex(other.dbIndex),
      active(other.active) {}

CKanjiCard& CKanjiCard::operator=(const CKanjiCard& other) {
    if (this != &other) *this = CKanjiCard(other);
    return *this;
}

void CKanjiCard::LinkTo(const CKanjiRef& kanji) {
    dbGroup = kanji.group;
    dbIndex = kanji.index;
    for (const auto& reading : kanji.record->readings)
        readings.push_back(std::make_unique<CKanjiReading>(*reading));
}

void CKanjiCard::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(groupName);
        archive.WriteString(character);
        archive.WriteString(comments);
        archive.WriteObjectArray(readings);
        archive.WriteObjectArray(compounds);
        for (std::int32_t value : {rightCount, wrongCount, dbGroup, dbIndex, active})
            archive.WriteInt(value);
        return;
    }
    const std::uint32_t schema = archive.GetObjectSchema();
    groupName = archive.ReadString();
    character = archive.ReadString();
    comments = archive.ReadString();
    archive.ReadObjectArray(readings);
    std::erase(readings, nullptr);
    archive.ReadObjectArray(compounds);
    std::erase(compounds, nullptr);
    for (std::int32_t* field : {&rightCount, &wrongCount, &dbGroup, &dbIndex})
        *field = archive.ReadInt();
    active = schema >= 2 ? archive.ReadInt() : 1;
}

}  // namespace brushly
