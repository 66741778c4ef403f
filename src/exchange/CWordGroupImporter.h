#pragma once

#include <string>
#include <string_view>

#include "exchange/CImportPlan.h"
#include "reference/CKanjiLibrary.h"

// Word Groups read back from text files: the table this program writes (CardColumns.h), the
// spaced-repetition notes it writes, and any tab- or comma-separated file with a header that
// names at least the Japanese text and the reading or the meaning.
namespace brushly {

// Reads a file's bytes into an import plan. The encoding is found from the bytes: a UTF-8 or
// UTF-16 byte order mark, else UTF-8 when the bytes are valid UTF-8, else Shift-JIS. The
// layout: lines starting "#" before the first row are headers ("#separator:tab",
// "#separator:comma", "#tags column:N", "#columns:..."); without "#separator" the first line
// decides: a tab makes the file tab-separated, else a comma comma-separated, else a semicolon
// semicolon-separated. The table (tab-separated, no "#" lines, a header starting "kind") uses
// its backslash escapes; every other file may enclose fields in double quotes, as
// spreadsheets and the spaced-repetition programs do. A kanji or word may also come with the
// middle dot of a loanword ("アート・スタジオ" is a kana word).
//
// A row becomes a card of its kind column, or without one: one kanji (not kana) a kanji card,
// kana only a kana word, anything else a compound. Kanji and counter cards are linked to
// their database record when the library holds the character; a kanji card without a
// readings column takes the database's reading groups, and without a record one group made
// of its reading (katakana as ON, hiragana as Kun readings) and meaning. A compound or kana
// word without romaji takes the romaji of its reading, or of its kana. Every row that cannot
// become a card is a problem with its line number; the rest still import.
class CWordGroupImporter {
public:
    // The library may be null (no kanji database loaded: no card is linked) and must outlive
    // the importer.
    explicit CWordGroupImporter(const CKanjiLibrary* kanji) : m_kanji(kanji) {}

    // fallbackGroup (Shift-JIS) names the group of rows that name none, usually the file
    // name without its folder and extension.
    CImportPlan Read(std::string_view bytes, const std::string& fallbackGroup) const;

    // The file's bytes; false, with a message naming the file, when it is not a regular file,
    // is larger than kMaxFileBytes or cannot be read.
    static constexpr std::size_t kMaxFileBytes = 64u << 20;
    static bool ReadFile(const std::string& path, std::string& bytes, std::string& error);

    // The fallback group of a path: its file name without the extension, in Shift-JIS.
    static std::string GroupNameForPath(const std::string& path);

private:
    const CKanjiLibrary* m_kanji;
};

}  // namespace brushly
