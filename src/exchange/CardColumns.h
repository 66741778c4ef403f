#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reference/CKanjiReading.h"

// The columns of the Word Group table files and the encodings of the two columns that hold
// lists. Texts here are UTF-8, as the files are.
//
// The table's header line names the columns in this order:
//   kind  japanese  reading  romaji  meaning  group  right  wrong  active  comment
//   readings  forms  extra 1  extra 2  counter type
// kind is "kanji", "compound", "kana" or "counter"; a row of kind "group" names a Word Group
// (an empty group keeps its place in the file this way). reading is the kana of the card, and
// of a kanji card its readings in kana; for a kanji card, romaji and meaning show its reading
// groups too, while the readings column holds them exactly.
//
// readings: reading groups separated by "|"; each group is its ON readings, "/", its Kun
// readings, "/", its meanings; the items of each list are separated by ";". A "\", "|", "/",
// ";" inside an item is written with a backslash before it: "eat\;food" is one meaning.
//   食: "SHOKU;JIKI/ku(u);ta(beru)/eat;food"
// forms (counter cards): "number=romaji" pairs separated by ";", with the same escapes and
// "=" escaped as well: "1=ippon;2=nihon;3=sanbon".
namespace brushly {

enum class CardColumn {
    kKind,
    kJapanese,
    kReading,
    kRomaji,
    kMeaning,
    kGroup,
    kRight,
    kWrong,
    kActive,
    kComment,
    kReadings,
    kForms,
    kExtra1,
    kExtra2,
    kCounterType,
};
inline constexpr int kCardColumnCount = 15;

// The header name of a column, as the table writes it.
std::string_view ColumnName(CardColumn column);

// The column a header cell names: one of the names above or a name other programs and
// spreadsheets use for it ("expression", "front", "kana", "english", "deck", "tags", "notes",
// "読み", "意味", ...), compared without letter case and surrounding blanks. Empty for a header
// cell the import does not use.
std::optional<CardColumn> ColumnForHeader(std::string_view cell);

// The readings column of a card's reading groups (texts in UTF-8), and back. ParseReadings
// returns nothing for a text that is not such a list: a group with other than three parts,
// or a backslash at the end. Empty items are dropped.
std::string FormatReadings(const std::vector<CKanjiReading>& groups);
std::optional<std::vector<CKanjiReading>> ParseReadings(std::string_view text);

// The forms column of a counter card (texts in UTF-8), and back. ParseForms returns nothing
// for a pair without "=", with an empty number or romaji, or a backslash at the end.
struct CCounterForm {
    std::string number;
    std::string romaji;
    friend bool operator==(const CCounterForm&, const CCounterForm&) = default;
};
std::string FormatForms(const std::vector<CCounterForm>& forms);
std::optional<std::vector<CCounterForm>> ParseForms(std::string_view text);

}  // namespace brushly
