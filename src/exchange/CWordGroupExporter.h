#pragma once

#include <string>
#include <vector>

#include "document/CFlashcardSet.h"

// Word Groups written as UTF-8 text that spreadsheets and other flashcard programs read.
namespace brushly {

enum class ExportFormat {
    // The Word Group table (CardColumns.h): tab-separated, a header line, one card per line,
    // every field of every card kept. Inside a field a tab is written "\t", a line break
    // "\n", a carriage return "\r" and a backslash "\\".
    kTable,
    // Notes for the spaced-repetition programs: the lines "#separator:tab", "#html:false" and
    // "#tags column:3", then one note per card: front (the Japanese text), back (the reading
    // and the meaning, "reading — meaning"), tags (the Word Group name, its blanks written
    // "_"). A field holding a tab, a line break or a double quote is enclosed in double
    // quotes, its quotes doubled.
    kSpacedRepetition,
};

// Writes Word Groups of a flashcard set. Japanese text is converted from the cards'
// Shift-JIS to UTF-8; the cards are not changed.
class CWordGroupExporter {
public:
    // The text of the named groups (Shift-JIS names; names of no group are skipped), group
    // after group in the order given, the cards of each group kind by kind (kanji, compound,
    // kana word, counter) in their group's order. The table gives an empty group a "group"
    // row.
    static std::string Export(const CFlashcardSet& cards,
                              const std::vector<std::string>& groupNames, ExportFormat format);

    // The file name for one group's own file: the group name in UTF-8 with "/", "\", NUL and
    // control characters written "_", a leading "." written "_", cut to at most 200 bytes on
    // a character boundary, and ".tsv" (table) or ".txt" (notes) appended.
    static std::string FileNameFor(const std::string& groupName, ExportFormat format);

    // The file names of the groups, each FileNameFor made unique in the list (in the order
    // given) by " (2)", " (3)", ... before the extension; compared without letter case.
    static std::vector<std::string> FileNamesFor(const std::vector<std::string>& groupNames,
                                                 ExportFormat format);

    // The extension FileNameFor appends, with its dot.
    static const char* Extension(ExportFormat format);

    // Writes text to path with WriteFileAtomically (no backup), so an existing file is either
    // replaced whole or left as it was; false, with a message naming the file and the
    // system's reason, when that fails.
    static bool WriteFile(const std::string& path, const std::string& text, std::string& error);
};

}  // namespace brushly
