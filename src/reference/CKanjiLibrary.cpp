#include "reference/CKanjiLibrary.h"

#include <algorithm>

#include "archive/CDiskFile.h"
#include "archive/FileHead.h"
#include "platform/CPrompter.h"
#include "platform/CRandom.h"
#include "reference/ReferenceClasses.h"
#include "reference/ReferenceFrame.h"

namespace brushly {

const CRuntimeClass CKanjiLibrary::kRuntimeClass{"CKanjiLibrary", 1, false,
                                                 &CreateObject<CKanjiLibrary>};

namespace {
constexpr std::size_t kJlptListLimit = 10000;

// Reads one group's records: null or foreign records fail the load, since every record of
// a group stands for a character.
template <class T>
void ReadGroup(CArchive& archive, std::vector<std::unique_ptr<T>>& group) {
    const std::size_t count = archive.ReadCount(2);
    group.reserve(group.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        auto record = archive.ReadOwnedObject<T>();
        if (!record) throw CArchiveException(CArchiveException::Cause::BadClass);
        group.push_back(std::move(record));
    }
}
}  // namespace

void CKanjiLibrary::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteString(m_title);
        for (const auto& group : m_kanji)
            archive.WriteObjectArray(group);
        archive.WriteObjectArray(m_hiragana);
        archive.WriteObjectArray(m_katakana);
        m_trailingStrokes.Serialize(archive);
        return;
    }
    InvalidateIndexes();
    m_title = archive.ReadString();
    int kanjiRead = 0;
    for (auto& group : m_kanji) {
        group.clear();
        ReadGroup(archive, group);
        kanjiRead += static_cast<int>(group.size());
        if (m_progress) m_progress(kanjiRead);
    }
    m_hiragana.clear();
    ReadGroup(archive, m_hiragana);
    m_katakana.clear();
    ReadGroup(archive, m_katakana);
    m_trailingStrokes.Serialize(archive);
    CheckReferenceCoordinates(*this);
}

bool CKanjiLibrary::Load(const std::string& path, CPrompter& prompter,
                         const ProgressCallback& progress) {
    m_progress = progress;
    try {
        CClassRegistry registry;
        RegisterReferenceClasses(registry);
        CDiskFile file(path, CDiskFile::Mode::Read);
        CArchive archive(file, CArchive::Mode::Load, &registry);
        Serialize(archive);
        m_progress = nullptr;
        InvalidateIndexes();
        return true;
    } catch (...) {
        m_progress = nullptr;
        InvalidateIndexes();
        prompter.Error(DescribeFailure(std::current_exception()));
        prompter.Error(kLoadFailureMessage);
        return false;
    }
}

void CKanjiLibrary::LoadJlptList(const std::string& path, CPrompter& prompter) {
    try {
        ApplyJlptList(ReadFileHead(path, kJlptListLimit));
    } catch (...) {
        prompter.Error(DescribeFailure(std::current_exception()));
    }
}

void CKanjiLibrary::ApplyJlptList(std::string_view bytes) {
    bytes = bytes.substr(0, kJlptListLimit);
    std::array<std::vector<std::string_view>, 5> levels;  // level 0 collects the unlisted
    int level = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char byte = bytes[i];
        if (byte == '\r') {
            i += 2;
        } else if (byte >= '1' && byte <= '4') {
            level = byte - '0';
            i += 3;
        } else {
            // A lone byte at the very end is no character.
            if (i + 1 < bytes.size()) levels[level].push_back(bytes.substr(i, 2));
            i += 2;
        }
    }
    for (int listLevel = 1; listLevel <= 4; ++listLevel) {
        for (std::string_view character : levels[listLevel]) {
            if (CKanjiData* record = MutableKanji(FindByCharacter(character))) {
                record->jlptLevel = listLevel;
            }
        }
    }
}

std::span<const std::unique_ptr<CKanjiData>> CKanjiLibrary::KanjiGroup(int group) const {
    if (group < 1 || group > kKanjiGroups) return {};
    return m_kanji[group - 1];
}

int CKanjiLibrary::GroupSize(int group) const {
    if (group == kHiraganaGroup) return static_cast<int>(m_hiragana.size());
    if (group == kKatakanaGroup) return static_cast<int>(m_katakana.size());
    return static_cast<int>(KanjiGroup(group).size());
}

int CKanjiLibrary::KanjiCount() const {
    if (!m_kanjiCount) {
        int count = 0;
        for (const auto& group : m_kanji)
            count += static_cast<int>(group.size());
        m_kanjiCount = count;
    }
    return *m_kanjiCount;
}

void CKanjiLibrary::AddKanji(int group, std::unique_ptr<CKanjiData> record) {
    if (group < 1 || group > kKanjiGroups || !record) {
        throw std::out_of_range("kanji records belong to groups 1 to 24");
    }
    m_kanji[group - 1].push_back(std::move(record));
    InvalidateIndexes();
}

void CKanjiLibrary::AddHiragana(std::unique_ptr<CHiraganaData> record) {
    m_hiragana.push_back(std::move(record));
}

void CKanjiLibrary::AddKatakana(std::unique_ptr<CKatakanaData> record) {
    m_katakana.push_back(std::move(record));
}

void CKanjiLibrary::InvalidateIndexes() {
    m_characterIndex.reset();
    for (auto& index : m_referenceIndexes)
        index.reset();
    m_kanjiCount.reset();
}

CKanjiRef CKanjiLibrary::RefAt(Position position) const {
    return {m_kanji[position.first - 1][position.second].get(), position.first, position.second};
}

const std::unordered_map<std::string, CKanjiLibrary::Position>& CKanjiLibrary::CharacterIndex()
    const {
    if (!m_characterIndex) {
        auto& index = m_characterIndex.emplace();
        index.reserve(KanjiCount());
        for (int group = 1; group <= kKanjiGroups; ++group) {
            const auto& records = m_kanji[group - 1];
            for (int i = 0; i < static_cast<int>(records.size()); ++i) {
                index.try_emplace(records[i]->character, group, i);  // the first one wins
            }
        }
    }
    return *m_characterIndex;
}

const std::unordered_map<std::int32_t, CKanjiLibrary::Position>& CKanjiLibrary::ReferenceIndex(
    int key) const {
    auto& cached = m_referenceIndexes[key];
    if (!cached) {
        auto& index = cached.emplace();
        for (int group = 1; group <= kKanjiGroups; ++group) {
            const auto& records = m_kanji[group - 1];
            for (int i = 0; i < static_cast<int>(records.size()); ++i) {
                index.try_emplace(records[i]->KeyValue(key), group, i);
            }
        }
    }
    return *cached;
}

CKanjiRef CKanjiLibrary::FindByCharacter(std::string_view character) const {
    const auto& index = CharacterIndex();
    const auto found = index.find(std::string(character));
    return found == index.end() ? CKanjiRef{} : RefAt(found->second);
}

CKanjiRef CKanjiLibrary::FindByReference(int key, std::int32_t number) const {
    if (key < kFirstBookKey || key >= kReferenceKeyCount) return {};
    const auto& index = ReferenceIndex(key);
    const auto found = index.find(number);
    return found == index.end() ? CKanjiRef{} : RefAt(found->second);
}

int CKanjiLibrary::SelectByKey(int key, std::int32_t low, std::int32_t high,
                               std::vector<CKanjiRef>* matches) const {
    if (key < 0 || key >= kReferenceKeyCount) return 0;
    int count = 0;
    for (int group = 1; group <= kKanjiGroups; ++group) {
        const auto& records = m_kanji[group - 1];
        for (int i = 0; i < static_cast<int>(records.size()); ++i) {
            const std::int32_t value = records[i]->KeyValue(key);
            if (value < low || value > high) continue;
            ++count;
            if (matches) matches->push_back({records[i].get(), group, i});
        }
    }
    return count;
}

CKanjiRef CKanjiLibrary::RandomKanji(CRandom& random) const {
    const int total = KanjiCount();
    if (total == 0) return {};
    int pick = random.PickRandom(total);
    for (int group = 1; group <= kKanjiGroups; ++group) {
        const int size = static_cast<int>(m_kanji[group - 1].size());
        if (pick > size) {
            pick -= size;
            continue;
        }
        return RefAt({group, pick - 1});
    }
    return {};
}

namespace {
template <class T>
const T* FindKana(const std::vector<std::unique_ptr<T>>& group, std::string_view text,
                  std::string CKanaData::*field) {
    const auto found = std::find_if(group.begin(), group.end(),
                                    [&](const auto& record) { return (*record).*field == text; });
    return found == group.end() ? nullptr : found->get();
}
}  // namespace

const CHiraganaData* CKanjiLibrary::FindHiragana(std::string_view romaji) const {
    return FindKana(m_hiragana, romaji, &CKanaData::romaji);
}

const CKatakanaData* CKanjiLibrary::FindKatakana(std::string_view romaji) const {
    return FindKana(m_katakana, romaji, &CKanaData::romaji);
}

const CHiraganaData* CKanjiLibrary::FindHiraganaByKana(std::string_view kana) const {
    return FindKana(m_hiragana, kana, &CKanaData::kana);
}

const CKatakanaData* CKanjiLibrary::FindKatakanaByKana(std::string_view kana) const {
    return FindKana(m_katakana, kana, &CKanaData::kana);
}

CKanjiData* CKanjiLibrary::MutableKanji(const CKanjiRef& ref) {
    if (!ref) return nullptr;
    return m_kanji[ref.group - 1][ref.index].get();
}

}  // namespace brushly
