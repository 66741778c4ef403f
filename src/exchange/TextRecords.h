#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/CImportPlan.h"

// Delimited text: the fields of each record and their escapes, and the encodings a file may
// come in. All text here is UTF-8.
namespace brushly {

// One record of a delimited file: its fields and the line (from 1) it starts on.
struct CTextRecord {
    int line = 0;
    std::vector<std::string> fields;
};

enum class FieldQuoting {
    // The Word Group table: fields never quoted; "\t", "\n", "\r" and "\\" inside a field
    // stand for a tab, a line break, a carriage return and a backslash; any other backslash
    // is kept as it is.
    kBackslash,
    // Spreadsheets and the spaced-repetition programs: a field that starts with a double
    // quote runs to the next lone double quote and may hold the delimiter and line breaks;
    // "" inside it is one double quote.
    kDoubleQuotes,
};

// The records of text, its first line numbered firstLine. Line breaks are "\n" or "\r\n".
// An empty line is no record. A quoted field left open at the end is reported in problems
// (with its line) and ends the reading.
std::vector<CTextRecord> ReadRecords(std::string_view text, int firstLine, char delimiter,
                                     FieldQuoting quoting, std::vector<CImportProblem>& problems);

// A field as the table writes it (kBackslash).
std::string EscapeTableField(std::string_view field);
// A field for kDoubleQuotes: enclosed in double quotes, its own doubled, when it holds the
// delimiter, a line break, a carriage return or a double quote, or starts or ends with a blank;
// otherwise as it is.
std::string QuoteField(std::string_view field, char delimiter);

// The UTF-8 text with its ASCII letters in lower case (no byte of a multi-byte character is
// ASCII, so the bytes can be taken one by one).
std::string LowerField(std::string_view field);

// The field without the blanks, tabs and line breaks around it.
std::string TrimmedField(std::string_view field);

// A file's text in UTF-8 and the encoding it was found in.
struct CDecodedText {
    std::string utf8;
    std::string encoding;  // "UTF-8", "UTF-16" or "Shift-JIS"
};
// A byte order mark decides (UTF-8, UTF-16 little or big endian; the mark is dropped), else
// UTF-8 when the bytes are valid UTF-8, else Shift-JIS (code page 932). A sequence that
// cannot be converted becomes U+FFFD.
CDecodedText DecodeText(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

}  // namespace brushly
