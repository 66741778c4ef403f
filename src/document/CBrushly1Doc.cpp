#include "document/CBrushly1Doc.h"

namespace brushly {

void CBrushly1Doc::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(kFormatVersion);
        archive.WriteBytes(kVersionMark.data(), kVersionMark.size());
        archive.WriteString(title);
        options.Serialize(archive);
        archive.WriteObjectArray(kanjiCards);
        archive.WriteObjectArray(kanaWordCards);
        archive.WriteObjectArray(counterCards);
        archive.WriteObjectArray(hiraganaStats);
        archive.WriteObjectArray(katakanaStats);
        archive.WriteStringArray(groupNames);
        archive.WriteStringArray(extraNames);
    } else {
        archive.ReadInt();
        std::array<std::uint8_t, kVersionMark.size()> mark;
        archive.ReadBytes(mark.data(), mark.size());
        if (mark != kVersionMark) throw CArchiveException(CArchiveException::Cause::Generic);
        title = archive.ReadString();
        options.Serialize(archive);
        archive.ReadObjectArray(kanjiCards);
        archive.ReadObjectArray(kanaWordCards);
        archive.ReadObjectArray(counterCards);
        archive.ReadObjectArray(hiraganaStats);
        archive.ReadObjectArray(katakanaStats);
        archive.ReadStringArray(groupNames);
        archive.ReadStringArray(extraNames);
    }
}

bool CBrushly1Doc::Read(CFile& file, const CClassRegistry& registry, CPrompter& prompter) {
    try {
        CArchive archive(file, CArchive::Mode::Load, &registry);
        Serialize(archive);
        return true;
    } catch (...) {
        prompter.Error(DescribeFailure(std::current_exception()));
        return false;
    }
}

void CBrushly1Doc::Write(CFile& file) {
    CArchive archive(file, CArchive::Mode::Store);
    Serialize(archive);
    archive.Close();
}

}  // namespace brushly
