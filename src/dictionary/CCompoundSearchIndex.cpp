#include "dictionary/CCompoundSearchIndex.h"

#include <string.h>

#include <algorithm>

#include "platform/ShiftJis.h"

namespace brushly {

namespace {
constexpr std::string_view kWordDelimiters = " \"'(),-/";

bool IsWordDelimiter(char character) {
    return kWordDelimiters.find(character) != std::string_view::npos;
}

// Every "ou" read as "oo", so that a query typed either way finds the long o.
std::string LongO(std::string romaji) {
    for (std::size_t i = 0; i + 1 < romaji.size(); ++i) {
        if (romaji[i] == 'o' && romaji[i + 1] == 'u') romaji[++i] = 'o';
    }
    return romaji;
}
}  // namespace

void CCompoundSearchIndex::CColumn::Reserve(std::size_t entries, std::size_t bytes) {
    m_starts.reserve(entries + 1);
    m_bytes.reserve(bytes);
}

void CCompoundSearchIndex::CColumn::Append(std::string_view text) {
    m_bytes.append(text);
    m_bytes.push_back('\0');
    m_starts.push_back(m_bytes.size());
}

std::string_view CCompoundSearchIndex::CColumn::Text(std::size_t entry) const {
    return std::string_view(m_bytes).substr(m_starts[entry],
                                            m_starts[entry + 1] - 1 - m_starts[entry]);
}

std::size_t CCompoundSearchIndex::CColumn::EntryAt(std::size_t position) const {
    return static_cast<std::size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), position) -
                                    m_starts.begin()) -
           1;
}

template <class Accept>
void CCompoundSearchIndex::CColumn::Scan(std::string_view needle, std::vector<std::uint8_t>& marks,
                                         const Accept& accept) const {
    const char* const bytes = m_bytes.data();
    // Every search starts at an entry's start, so the hit found is the first occurrence in
    // its entry; a hit running over the entry's end means the entry holds none.
    std::size_t position = 0;
    while (position < m_bytes.size()) {
        const void* hit =
            memmem(bytes + position, m_bytes.size() - position, needle.data(), needle.size());
        if (!hit) return;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes);
        const std::size_t entry = EntryAt(at);
        const std::size_t start = m_starts[entry];
        if (at + needle.size() < m_starts[entry + 1] && accept(entry, at - start)) {
            marks[entry] = 1;
        }
        position = m_starts[entry + 1];
    }
}

CCompoundSearchIndex::CCompoundSearchIndex(std::span<const CCompoundData* const> entries)
    : m_entries(entries.begin(), entries.end()) {
    std::size_t romajiBytes = 0;
    std::size_t meaningBytes = 0;
    std::size_t headwordBytes = 0;
    for (const CCompoundData* entry : m_entries) {
        romajiBytes += entry->romaji.size() + 1;
        meaningBytes += entry->meaning.size() + 1;
        headwordBytes += entry->headword.size() + 1;
    }
    m_romaji.Reserve(m_entries.size(), romajiBytes);
    m_romajiLong.Reserve(m_entries.size(), romajiBytes);
    m_meaning.Reserve(m_entries.size(), meaningBytes);
    m_headword.Reserve(m_entries.size(), headwordBytes);
    for (const CCompoundData* entry : m_entries) {
        std::string romaji = PrepareRomaji(entry->romaji);
        m_romaji.Append(romaji);
        m_romajiLong.Append(LongO(std::move(romaji)));
        m_meaning.Append(sjis::AsciiLower(entry->meaning));
        m_headword.Append(entry->headword);
    }
}

std::string CCompoundSearchIndex::PrepareRomaji(std::string_view romaji) {
    std::string prepared = sjis::AsciiLower(romaji);
    std::erase_if(prepared, [](char character) { return character == ' ' || character == '\''; });
    return prepared;
}

std::vector<std::uint8_t> CCompoundSearchIndex::MatchRomaji(std::string_view preparedQuery) const {
    std::vector<std::uint8_t> marks(Size());
    const auto any = [](std::size_t, std::size_t) { return true; };
    m_romaji.Scan(preparedQuery, marks, any);
    m_romajiLong.Scan(preparedQuery, marks, any);
    return marks;
}

std::vector<std::uint8_t> CCompoundSearchIndex::MatchMeaning(std::string_view lowerQuery,
                                                             bool wholeWord) const {
    std::vector<std::uint8_t> marks(Size());
    m_meaning.Scan(lowerQuery, marks, [&](std::size_t entry, std::size_t offset) {
        if (!wholeWord) return true;
        const std::string_view text = m_meaning.Text(entry);
        const std::size_t after = offset + lowerQuery.size();
        return (offset == 0 || IsWordDelimiter(text[offset - 1])) &&
               (after == text.size() || IsWordDelimiter(text[after]));
    });
    return marks;
}

std::vector<std::uint8_t> CCompoundSearchIndex::MatchKanji(std::string_view query) const {
    std::vector<std::uint8_t> marks(Size());
    m_headword.Scan(query, marks, [](std::size_t, std::size_t offset) { return offset % 2 == 0; });
    return marks;
}

}  // namespace brushly
