#include "dictionary/CCompoundLibrary.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "archive/CDiskFile.h"
#include "dictionary/DictionaryClasses.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

const CRuntimeClass CCompoundLibrary::kRuntimeClass{"CCompoundLibrary", 1, false,
                                                    &CreateObject<CCompoundLibrary>};

namespace {
// Draws that may miss a kind before the draw turns to counting out the fitting entries, so
// that a rare kind still ends quickly.
constexpr int kMaxDraws = 1000;

// The array an entry of this romaji belongs to: that of its first letter, or of a.
std::size_t LetterSlot(std::string_view romaji) {
    const char letter = romaji.empty() ? 'a' : sjis::AsciiLower(romaji.substr(0, 1))[0];
    const auto* found = std::find(kCompoundLetters.begin(), kCompoundLetters.end(), letter);
    if (found == kCompoundLetters.end()) {
        found = std::find(kCompoundLetters.begin(), kCompoundLetters.end(), 'a');
    }
    return static_cast<std::size_t>(found - kCompoundLetters.begin());
}

// A headword made only of characters with the kind's lead byte (any headword for kAny).
bool FitsKind(std::string_view headword, CompoundKind kind) {
    if (kind == CompoundKind::kAny) return true;
    const unsigned char lead =
        kind == CompoundKind::kHiragana ? sjis::kHiraganaLead : sjis::kKatakanaLead;
    if (headword.empty() || headword.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < headword.size(); i += 2) {
        if (static_cast<unsigned char>(headword[i]) != lead) return false;
    }
    return true;
}
}  // namespace

CCompoundLibrary::CCompoundLibrary() = default;
CCompoundLibrary::~CCompoundLibrary() = default;

void CCompoundLibrary::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        Store(archive);
    } else {
        Read(archive);
    }
}

void CCompoundLibrary::Store(CArchive& archive) const {
    archive.WriteString(m_identification);
    for (const auto& array : m_arrays)
        archive.WriteObjectArray(array);
}

void CCompoundLibrary::Read(CArchive& archive) {
    Changed();
    m_identification = archive.ReadString();
    int entriesRead = 0;
    for (auto& array : m_arrays) {
        const std::size_t count = archive.ReadCount(2);
        array.reserve(array.size() + count);
        for (std::size_t i = 0; i < count; ++i) {
            auto entry = archive.ReadOwnedObject<CCompoundData>();
            // Every slot of an array stands for a word.
            if (!entry) throw CArchiveException(CArchiveException::Cause::Generic);
            array.push_back(std::move(entry));
        }
        entriesRead += static_cast<int>(count);
        if (m_progress) m_progress(entriesRead);
    }
}

bool CCompoundLibrary::Load(const std::string& path, bool headerOnly, CPrompter& prompter) {
    try {
        CClassRegistry registry;
        RegisterDictionaryClasses(registry);
        CDiskFile file(path, CDiskFile::Mode::Read);
        CArchive archive(file, CArchive::Mode::Load, &registry);
        if (headerOnly) {
            m_identification = archive.ReadString();
        } else {
            Read(archive);
            // Indexed now, while start-up shows its progress, so that the first search is as
            // quick as every later one.
            Searchable();
        }
        return true;
    } catch (...) {
        prompter.Error(DescribeFailure(std::current_exception()));
        prompter.Stop(LoadFailureMessage(path));
        Clear();
        return false;
    }
}

bool CCompoundLibrary::Save(const std::string& path, CPrompter& prompter) const {
    try {
        CDiskFile file(path, CDiskFile::Mode::Create);
        CArchive archive(file, CArchive::Mode::Store);
        Store(archive);
        archive.Close();
        file.Commit();
        return true;
    } catch (const CFileException&) {
        prompter.Error(DescribeFailure(std::current_exception()));
    } catch (const CArchiveException&) {
        // Only file errors are worth the user's attention; the file is left as it was.
    } catch (const std::bad_alloc&) {
    }
    return false;
}

void CCompoundLibrary::Add(std::unique_ptr<CCompoundData> entry) {
    if (!entry) throw std::invalid_argument("a compound library holds no empty entries");
    m_arrays[LetterSlot(entry->romaji)].push_back(std::move(entry));
    Changed();
}

void CCompoundLibrary::Clear() {
    for (auto& array : m_arrays)
        array.clear();
    Changed();
}

void CCompoundLibrary::Changed() {
    m_drawIndex.reset();
    m_searchIndex.reset();
}

std::span<const std::unique_ptr<CCompoundData>> CCompoundLibrary::Letter(char letter) const {
    const auto* found = std::find(kCompoundLetters.begin(), kCompoundLetters.end(), letter);
    if (found == kCompoundLetters.end()) return {};
    return m_arrays[static_cast<std::size_t>(found - kCompoundLetters.begin())];
}

std::string CCompoundLibrary::LoadFailureMessage(const std::string& path) {
    return "Loading the Brushly compound database failed.\nCheck that the compound database "
           "file - ''" +
           path +
           "'' - is in your Brushly directory.\n\nThe compound search features of Brushly will "
           "not operate without a valid database.";
}

const CCompoundSearchIndex& CCompoundLibrary::Searchable() const {
    if (!m_searchIndex) {
        std::vector<const CCompoundData*> entries;
        entries.reserve(static_cast<std::size_t>(TotalCount()));
        for (const auto& array : m_arrays) {
            for (const auto& entry : array)
                entries.push_back(entry.get());
        }
        m_searchIndex = std::make_unique<CCompoundSearchIndex>(entries);
    }
    return *m_searchIndex;
}

void CCompoundLibrary::AppendMarked(std::vector<const CCompoundData*>& result,
                                    const std::vector<std::uint8_t>& marks) const {
    const CCompoundSearchIndex& index = Searchable();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i]) result.push_back(index.Entry(i));
    }
}

void CCompoundLibrary::FindByRomaji(std::vector<const CCompoundData*>& result,
                                    std::string_view query) const {
    const CCompoundSearchIndex& index = Searchable();
    const std::string prepared = CCompoundSearchIndex::PrepareRomaji(query);
    AppendMarked(result, index.MatchRomaji(prepared));
    std::string normalized = prepared;
    NormalizeRomaji(normalized);
    if (normalized != prepared) AppendMarked(result, index.MatchRomaji(normalized));
}

void CCompoundLibrary::FindByMeaning(std::vector<const CCompoundData*>& result,
                                     std::string_view query, bool wholeWord) const {
    AppendMarked(result, Searchable().MatchMeaning(sjis::AsciiLower(query), wholeWord));
}

void CCompoundLibrary::FindByKanji(std::vector<const CCompoundData*>& result,
                                   std::string_view query) const {
    AppendMarked(result, Searchable().MatchKanji(query));
}

void CCompoundLibrary::Search(std::vector<const CCompoundData*>& result, std::string_view romaji,
                              std::string_view meaning, std::string_view kanji, int mode,
                              bool wholeWord) const {
    // Emptiness is judged after preparing, so a query of only blanks counts as empty.
    const std::string romajiQuery = CCompoundSearchIndex::PrepareRomaji(romaji);
    const std::string meaningQuery = sjis::AsciiLower(meaning);
    if (romajiQuery.empty() && meaningQuery.empty() && kanji.empty()) return;

    const CCompoundSearchIndex& index = Searchable();
    const bool all = mode == 0;
    // An empty criterion takes no part: it passes every entry when all must match and none
    // when any may.
    const auto criterion = [&](bool empty, const auto& match) {
        return empty ? std::vector<std::uint8_t>(index.Size(), all ? 1 : 0) : match();
    };
    const auto meaningMarks = criterion(
        meaningQuery.empty(), [&] { return index.MatchMeaning(meaningQuery, wholeWord); });
    const auto kanjiMarks = criterion(kanji.empty(), [&] { return index.MatchKanji(kanji); });
    const auto pass = [&](const std::string& romajiPass) {
        auto marks = criterion(romajiPass.empty(), [&] { return index.MatchRomaji(romajiPass); });
        for (std::size_t i = 0; i < marks.size(); ++i) {
            marks[i] = all ? (marks[i] & meaningMarks[i] & kanjiMarks[i])
                           : (marks[i] | meaningMarks[i] | kanjiMarks[i]);
        }
        AppendMarked(result, marks);
    };
    pass(romajiQuery);
    std::string normalized = romajiQuery;
    NormalizeRomaji(normalized);
    if (normalized != romajiQuery) pass(normalized);
}

const CCompoundLibrary::CDrawIndex& CCompoundLibrary::Draws() const {
    if (!m_drawIndex) {
        CDrawIndex draws;
        for (std::size_t letter = 0; letter < m_arrays.size(); ++letter) {
            draws.counts[letter] = static_cast<int>(m_arrays[letter].size());
            for (const auto& entry : m_arrays[letter]) {
                for (CompoundKind kind :
                     {CompoundKind::kAny, CompoundKind::kHiragana, CompoundKind::kKatakana}) {
                    if (FitsKind(entry->headword, kind)) ++draws.kindCounts[static_cast<int>(kind)];
                }
            }
        }
        m_drawIndex = draws;
    }
    return *m_drawIndex;
}

int CCompoundLibrary::TotalCount() const {
    return Draws().kindCounts[static_cast<int>(CompoundKind::kAny)];
}

const CCompoundData* CCompoundLibrary::RandomEntry(CompoundKind kind, CRandom& random) const {
    const CDrawIndex& draws = Draws();
    const int fitting = draws.kindCounts[static_cast<int>(kind)];
    if (fitting == 0) return nullptr;
    // A draw over all entries, weighted by array size, repeated until one fits. The index
    // always matches the arrays, so the walk lands inside one of them.
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        int position = random.PickRandom(TotalCount());
        std::size_t letter = 0;
        while (draws.counts[letter] < position) {
            position -= draws.counts[letter];
            ++letter;
        }
        const CCompoundData& entry = *m_arrays[letter][static_cast<std::size_t>(position - 1)];
        if (FitsKind(entry.headword, kind)) return &entry;
    }
    int wanted = random.PickRandom(fitting);
    for (const auto& array : m_arrays) {
        for (const auto& entry : array) {
            if (FitsKind(entry->headword, kind) && --wanted == 0) return entry.get();
        }
    }
    return nullptr;
}

}  // namespace brushly
