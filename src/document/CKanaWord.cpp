#include "document/CKanaWord.h"

namespace brushly {

const CRuntimeClass CKanaWord::kRuntimeClass{"CKanaWord", 3, true, &CreateObject<CKanaWord>};

void CKanaWord::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        for (const std::string* text : {&groupName, &kana, &meaning, &romaji})
            archive.WriteString(*text);
        for (std::int32_t value : {rightCount, wrongCount, active})
            archive.WriteInt(value);
        return;
    }
    const std::uint32_t schema = archive.GetObjectSchema();
    for (std::string* text : {&groupName, &kana, &meaning, &romaji})
        *text = archive.ReadString();
    rightCount = archive.ReadInt();
    wrongCount = archive.ReadInt();
    active = schema >= 3 ? archive.ReadInt() : 1;
}

std::string CKanaWord::DisplayRomaji(int longOMode) const {
    std::string shown;
    shown.reserve(romaji.size());
    for (char letter : romaji) {
        if (letter != ' ') shown.push_back(letter);
    }
    if (longOMode != 1) return shown;
    // Romaji is ASCII, so pairs can be rewritten in place without meeting a trail byte.
    for (std::size_t i = 0; i + 1 < shown.size(); ++i) {
        if (shown[i] == 'o' && shown[i + 1] == 'o') {
            shown[++i] = 'u';
        } else if (shown[i] == 'O' && shown[i + 1] == 'O') {
            shown[++i] = 'U';
        }
    }
    return shown;
}

}  // namespace brushly
