#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/CCompoundData.h"

namespace brushly {

// The searchable text of a library's entries, laid out so that one query is one substring
// scan over a contiguous buffer rather than one search per entry: every column holds the
// entries' texts one after another, each followed by a NUL.
//
// Entries are numbered in the order they were given (the library's walking order). A Match
// returns one flag per entry, 1 where the entry matches. The index holds copies of the
// texts, so it stays correct only while the entries it was built from are unchanged.
class CCompoundSearchIndex {
public:
    explicit CCompoundSearchIndex(std::span<const CCompoundData* const> entries);

    std::size_t Size() const { return m_entries.size(); }
    const CCompoundData* Entry(std::size_t index) const { return m_entries[index]; }

    // The romaji as both query and entries are compared: lower case, without blanks and
    // apostrophes.
    static std::string PrepareRomaji(std::string_view romaji);

    // Entries whose prepared romaji, or that romaji with every "ou" read as "oo", contains
    // the prepared query.
    std::vector<std::uint8_t> MatchRomaji(std::string_view preparedQuery) const;
    // Entries whose lower-case meaning contains the lower-case query; with wholeWord the
    // first occurrence must stand between delimiters or the meaning's ends.
    std::vector<std::uint8_t> MatchMeaning(std::string_view lowerQuery, bool wholeWord) const;
    // Entries whose headword first holds the query at an even byte offset.
    std::vector<std::uint8_t> MatchKanji(std::string_view query) const;

private:
    // One text per entry, concatenated.
    class CColumn {
    public:
        void Reserve(std::size_t entries, std::size_t bytes);
        void Append(std::string_view text);
        // Calls accept(entry, offset) for every entry holding needle, with the offset of
        // its first occurrence in the entry's text; sets marks[entry] when it answers true.
        template <class Accept>
        void Scan(std::string_view needle, std::vector<std::uint8_t>& marks,
                  const Accept& accept) const;
        std::string_view Text(std::size_t entry) const;

    private:
        std::size_t EntryAt(std::size_t position) const;

        std::string m_bytes;
        std::vector<std::size_t> m_starts{0};  // each entry's offset, then the end of all
    };

    std::vector<const CCompoundData*> m_entries;
    CColumn m_romaji;      // prepared romaji
    CColumn m_romajiLong;  // the same with "ou" read as "oo": same lengths as m_romaji
    CColumn m_meaning;     // lower case
    CColumn m_headword;
};

}  // namespace brushly
