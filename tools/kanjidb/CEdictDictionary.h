#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The EDICT Japanese-English dictionary of the EDRDG, indexed by written word, as the
// kanji database generator consults it for parts of speech and English glosses.
namespace brushly::kanjidb {

// One dictionary line. Texts are Shift-JIS (glosses are mostly ASCII).
struct CEdictEntry {
    // The kana readings, without their "(P)"-style tags; a kana-only entry has its
    // headwords as its readings.
    std::vector<std::string> readings;
    // The part-of-speech codes of every sense ("v5r", "vt", "aux-v", "adj-i", "n", ...),
    // each once, in order of first appearance.
    std::vector<std::string> partsOfSpeech;
    // The glosses of each sense in order, trimmed and stripped of the leading tags: sense
    // numbers "(1)", parts of speech "(v5r,vt)", EDICT's usage and field tags "(uk)",
    // "{comp}" and word origins "(ger: Arbeit)"; other words in parentheses stay ("(a)
    // little"). "(P)" and "EntL" sequence ids are left out.
    std::vector<std::vector<std::string>> senses;
};

class CEdictDictionary {
public:
    // Parses EDICT text in EUC-JP, one entry a line after the header line:
    //   切る [きる] /(v5r,vt) (1) to cut/to cut through/(2) to sever/(P)/
    //   頭(P);かしら [あたま;かしら] /(n) head/EntL1582310X/
    //   ああ /(adv) like that/
    // Every headword of a line indexes the entry. Lines without a gloss part are skipped.
    static CEdictDictionary Parse(std::string_view eucJpText);

    // Parse of a file (gzip-compressed or plain). Throws std::runtime_error naming the file
    // when it cannot be read.
    static CEdictDictionary Read(const std::string& path);

    // The entries whose headword is written exactly so (Shift-JIS), in file order; null when
    // there are none. Constant time on average.
    const std::vector<CEdictEntry>* Find(std::string_view written) const;

    // The number of dictionary lines read.
    std::size_t EntryCount() const { return m_entryCount; }

private:
    // Indexes the entry of one line (Shift-JIS) under each of its headwords.
    void AddLine(std::string_view line);

    struct CHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>()(text);
        }
    };

    std::unordered_map<std::string, std::vector<CEdictEntry>, CHash, std::equal_to<>> m_entries;
    std::size_t m_entryCount = 0;
};

}  // namespace brushly::kanjidb
