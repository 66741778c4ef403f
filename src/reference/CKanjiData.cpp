#include "reference/CKanjiData.h"

#include <array>

namespace brushly {

const CRuntimeClass CKanjiData::kRuntimeClass{"CKanjiData", 2, true, &CreateObject<CKanjiData>};

namespace {
struct KeyDescription {
    std::string_view label;
    std::string_view name;
    std::int32_t CKanjiData::*field;
};

constexpr std::array<KeyDescription, kReferenceKeyCount> kKeys{{
    {"Grade Level", "grade", &CKanjiData::grade},
    {"JLPT Kyuu / Level", "jlptLevel", &CKanjiData::jlptLevel},
    {"Hadam. & Spahn", "hadamitzkySpahn", &CKanjiData::hadamitzkySpahn},
    {"Halpern - KLD", "halpernKld", &CKanjiData::halpernKld},
    {"Halpern - NJECD", "halpernNjecd", &CKanjiData::halpernNjecd},
    {"Heisig", "heisig", &CKanjiData::heisig},
    {"Henshall", "henshall", &CKanjiData::henshall},
    {"Kodansha", "kodansha", &CKanjiData::kodansha},
    {"Nelson - Original", "nelsonOriginal", &CKanjiData::nelsonOriginal},
    {"Nelson - New", "nelsonNew", &CKanjiData::nelsonNew},
    {"O'Neill", "oNeill", &CKanjiData::oNeill},
    {"Sakade", "sakade", &CKanjiData::sakade},
}};

bool ValidKey(int key) {
    return key >= 0 && key < kReferenceKeyCount;
}
}  // namespace

std::string_view ReferenceKeyLabel(int key) {
    return ValidKey(key) ? kKeys[key].label : "";
}

std::string_view ReferenceKeyName(int key) {
    return ValidKey(key) ? kKeys[key].name : "";
}

std::int32_t CKanjiData::KeyValue(int key) const {
    return ValidKey(key) ? this->*kKeys[key].field : 0;
}

CKanjiData::CKanjiData(const CKanjiData& other)
    : CObject(other),
      character(other.character),
      hadamitzkySpahn(other.hadamitzkySpahn),
      reservedValue(other.reservedValue),
      kodansha(other.kodansha),
      sakade(other.sakade),
      nelsonNew(other.nelsonNew),
      nelsonOriginal(other.nelsonOriginal),
      oNeill(other.oNeill),
      heisig(other.heisig),
      henshall(other.henshall),
      halpernKld(other.halpernKld),
      halpernNjecd(other.halpernNjecd),
      grade(other.grade),
      jlptLevel(other.jlptLevel),
      strokes(other.strokes) {
    readings.reserve(other.readings.size());
    for (const auto& reading : other.readings) {
        if (reading) readings.push_back(std::make_unique<CKanjiReading>(*reading));
    }
}

CKanjiData& CKanjiData::operator=(const CKanjiData& other) {
    if (this != &other) *this = CKanjiData(other);
    return *this;
}

void CKanjiData::Serialize(CArchive& archive) {
    std::int32_t* const laterFields[] = {&nelsonOriginal, &heisig,       &henshall,
                                         &halpernKld,     &halpernNjecd, &grade};
    if (archive.IsStoring()) {
        strokes.Serialize(archive);
        archive.WriteObjectArray(readings);
        archive.WriteString(character);
        for (std::int32_t value :
             {hadamitzkySpahn, reservedValue, kodansha, sakade, nelsonNew, oNeill}) {
            archive.WriteInt(value);
        }
        for (const std::int32_t* field : laterFields)
            archive.WriteInt(*field);
        return;
    }
    strokes.Serialize(archive);
    archive.ReadObjectArray(readings);
    std::erase(readings, nullptr);  // an empty slot carries no reading
    const std::uint32_t schema = archive.GetObjectSchema();
    character = archive.ReadString();
    for (std::int32_t* field :
         {&hadamitzkySpahn, &reservedValue, &kodansha, &sakade, &nelsonNew, &oNeill}) {
        *field = archive.ReadInt();
    }
    if (schema >= 2) {
        for (std::int32_t* field : laterFields)
            *field = archive.ReadInt();
    }
}

}  // namespace brushly
