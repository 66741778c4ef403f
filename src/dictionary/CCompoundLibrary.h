#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/CArchive.h"
#include "dictionary/CCompoundData.h"
#include "dictionary/CCompoundSearchIndex.h"
#include "platform/CPrompter.h"
#include "platform/CRandom.h"

namespace brushly {

// The 22 index letters in the order every walk of a library visits them (saving, loading,
// searching, the random draw). There is no array for l, q, v or x.
inline constexpr std::array<char, 22> kCompoundLetters = {'w', 'f', 'g', 'y', 'h', 'z', 'i', 'j',
                                                          'k', 'm', 'n', 'o', 'p', 'r', 'a', 's',
                                                          'b', 't', 'c', 'u', 'd', 'e'};

// What RandomEntry draws.
enum class CompoundKind { kAny = 0, kHiragana = 1, kKatakana = 2 };

// A dictionary of words (the compound library or the kana-word library), in a .kdb2 file.
// Entries are owned here, in 22 arrays by the first letter of their romaji; each array keeps
// the order in which its entries were added. Results of the queries point at entries owned
// here and stay valid until the library changes.
// Entries are not to be changed in place: the queries and the random draw work on indexes
// built from them on first use and dropped whenever the library changes (Add, Clear, Load).
// For one thread at a time, like the rest of the program's data.
//
// File body (schema 1, written in place, never tagged): the identification string, then the
// 22 arrays in kCompoundLetters order, each an object array of tagged CCompoundData.
class CCompoundLibrary final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    // Called with the running number of entries read after each array while loading.
    using ProgressCallback = std::function<void(int entriesRead)>;

    CCompoundLibrary();
    ~CCompoundLibrary() override;
    CCompoundLibrary(const CCompoundLibrary&) = delete;
    CCompoundLibrary& operator=(const CCompoundLibrary&) = delete;

    // Appends the library in the file to the arrays (the identification replaced), or with
    // headerOnly reads only the identification. A full load also builds the search index.
    // On any failure shows the stop message naming the file (LoadFailureMessage), empties
    // every array and returns false.
    bool Load(const std::string& path, bool headerOnly, CPrompter& prompter);
    void SetProgress(ProgressCallback progress) { m_progress = std::move(progress); }
    // Writes the library to path through a temporary file that replaces it only when all
    // was written, so a failed save leaves the old file. A file error is shown with its
    // standard description; returns whether the file was written.
    bool Save(const std::string& path, CPrompter& prompter) const;

    // Puts the entry into the array of the first letter of its romaji, lower-cased, or of a
    // when there is no such array (v, an apostrophe, an empty romaji).
    void Add(std::unique_ptr<CCompoundData> entry);
    // Deletes every entry; the identification stays.
    void Clear();

    // The queries append their matches to result, arrays in kCompoundLetters order and
    // entries in stored order.
    // Romaji occurring in the entry's romaji, blanks and apostrophes ignored and "ou" also
    // read as "oo"; a second pass with the Hepburn-normalised query when that differs (an
    // entry may then appear twice).
    void FindByRomaji(std::vector<const CCompoundData*>& result, std::string_view query) const;
    // The query occurring in the meaning, case ignored; with wholeWord its first occurrence
    // must stand between delimiters (blank " ' ( ) , - /) or the text's ends.
    void FindByMeaning(std::vector<const CCompoundData*>& result, std::string_view query,
                       bool wholeWord) const;
    // The query's bytes first occurring in the headword at an even byte offset.
    void FindByKanji(std::vector<const CCompoundData*>& result, std::string_view query) const;
    // All (mode 0) or any (mode 1) of the non-empty criteria; nothing when all are empty.
    void Search(std::vector<const CCompoundData*>& result, std::string_view romaji,
                std::string_view meaning, std::string_view kanji, int mode, bool wholeWord) const;

    // An entry drawn with random.PickRandom (kHiragana: a headword of hiragana only,
    // kKatakana: of katakana only); none when the library holds no entry of that kind.
    const CCompoundData* RandomEntry(CompoundKind kind, CRandom& random) const;
    int TotalCount() const;

    const std::string& Identification() const { return m_identification; }
    void SetIdentification(std::string identification) {
        m_identification = std::move(identification);
    }
    // Built from EDICT (the identification begins "EDICT"), so meanings carry EDICT's
    // markers such as "(P)"; the delivered demo library does not.
    bool IsEdictBuilt() const { return m_identification.starts_with("EDICT"); }
    // The array of one of kCompoundLetters; empty for any other letter.
    std::span<const std::unique_ptr<CCompoundData>> Letter(char letter) const;

    // The stop message of a failed Load of path.
    static std::string LoadFailureMessage(const std::string& path);

private:
    // What the random draw walks: the size of each array in kCompoundLetters order and how
    // many entries fit each kind.
    struct CDrawIndex {
        std::array<int, kCompoundLetters.size()> counts{};
        std::array<int, 3> kindCounts{};  // by CompoundKind
    };

    void Store(CArchive& archive) const;
    void Read(CArchive& archive);
    void Changed();
    const CDrawIndex& Draws() const;
    const CCompoundSearchIndex& Searchable() const;
    void AppendMarked(std::vector<const CCompoundData*>& result,
                      const std::vector<std::uint8_t>& marks) const;

    std::string m_identification;
    std::array<std::vector<std::unique_ptr<CCompoundData>>, kCompoundLetters.size()> m_arrays;
    ProgressCallback m_progress;
    mutable std::optional<CDrawIndex> m_drawIndex;
    mutable std::unique_ptr<CCompoundSearchIndex> m_searchIndex;
};

}  // namespace brushly
