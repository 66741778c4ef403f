#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "reference/CKanjiData.h"

// Reading KANJIDIC2, the kanji dictionary of the EDRDG (XML, usually gzip-compressed).
namespace brushly::kanjidb {

// One <character> of KANJIDIC2 that code page 932 can write. Kana are Shift-JIS exactly as
// KANJIDIC2 writes them ("た.べる", "-あ.がる", "ショク"); meanings are ASCII.
struct CKanjidicEntry {
    std::string character;  // one Shift-JIS double-byte character
    int strokeCount = 0;    // the first stroke_count (the accepted one)
    int grade = 0;          // KANJIDIC2's grade: 1-6, 8 other jouyou, 9-10 jinmeiyou; 0 none
    int frequency = 0;      // newspaper frequency rank 1-2501; 0 unranked
    int jlpt = 0;           // the old JLPT level 1-4; 0 none
    // dic_ref values by dr_type ("heisig" -> 1472): the first numeric value of each type.
    std::map<std::string, int> references;
    std::vector<std::string> onReadings;   // ja_on, katakana
    std::vector<std::string> kunReadings;  // ja_kun, hiragana
    std::vector<std::string> meanings;     // English meanings (no m_lang), in file order
};

struct CKanjidic {
    std::string dateOfCreation;           // the header's date_of_creation, "2022-08-23"
    std::vector<CKanjidicEntry> entries;  // in file order
};

// Parses KANJIDIC2 XML text (UTF-8). Characters that code page 932 cannot write are left
// out; such a character's grade and JLPT level pass to the first of its variants (<variant>
// of type ucs or jis208) that code page 932 writes, where that variant's own are 0: so the
// jouyou kanji 𠮟 塡 剝 頰 are counted as 叱 填 剥 頬. Readings that code page 932 cannot
// write and meanings that are not pure ASCII are left out too. Name
// readings (nanori) and the readings of other languages are ignored. Throws
// std::runtime_error when the text is not well-formed XML or has no <kanjidic2> root.
CKanjidic ParseKanjidic(std::string_view xml);

// ParseKanjidic of a file, gzip-compressed or plain. Throws std::runtime_error naming the
// file when it cannot be read or parsed.
CKanjidic ReadKanjidic(const std::string& path);

// The bytes of a data file, decompressed when the file is gzip-compressed (decompression
// runs the system's gzip program). Throws std::runtime_error naming the file on failure.
std::string ReadDataFile(const std::string& path);

// Whether every byte of the text is ASCII, as the meanings of the database must be.
bool IsAscii(std::string_view text);

// Sets the record's grade (1-6 and 8 kept, every other value 0), its ten reference-book
// numbers from the dic_ref types sh_kk, halpern_kkld, halpern_njecd, heisig, henshall,
// kodansha_compact, nelson_c, nelson_n, oneill_kk and sakade (0 where the entry has none),
// and reservedValue to the frequency rank. Nothing else of the record changes.
void ApplyReferences(const CKanjidicEntry& entry, CKanjiData& record);

}  // namespace brushly::kanjidb
