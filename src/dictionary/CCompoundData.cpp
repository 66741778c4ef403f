#include "dictionary/CCompoundData.h"

#include "platform/ShiftJis.h"

namespace brushly {

const CRuntimeClass CCompoundData::kRuntimeClass{"CCompoundData", 2, true,
                                                 &CreateObject<CCompoundData>};

void CCompoundData::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(headword);
        archive.WriteString(meaning);
        archive.WriteString(romaji);
        return;
    }
    const std::uint32_t schema = archive.GetObjectSchema();
    headword = archive.ReadString();
    meaning = archive.ReadString();
    romaji = archive.ReadString();
    if (schema < 2) {
        // Older records kept the script in a flag; now the romaji's case carries it.
        hiragana = archive.ReadInt();
        romaji = hiragana != 0 ? sjis::AsciiLower(romaji) : sjis::AsciiUpper(romaji);
    }
}

}  // namespace brushly
