#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/CImportPlan.h"
#include "exchange/CardColumns.h"
#include "exchange/TextRecords.h"
#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

// Where each column's field is found in a record: its index, or -1 for a column the file
// lacks.
using CColumnMap = std::array<int, kCardColumnCount>;

// Turns the records of one file into cards of an import plan (CWordGroupImporter states the
// rules). Fields are UTF-8; the cards get Shift-JIS. A record that can become no card adds
// one problem with its line and the first reason found.
class CImportRowReader {
public:
    // The library may be null; it and the plan must outlive the reader.
    // headerCells: the number of cells in the file's header line, or 0 when the file has none
    // (a row with more non-empty fields than that is a problem).
    CImportRowReader(const CColumnMap& columns, int headerCells, const CKanjiLibrary* kanji,
                     CImportPlan& plan, std::string fallbackGroup);

    // Spaced-repetition notes keep the reading and the meaning in one field, "reading —
    // meaning"; with this set the meaning column is split so.
    void SplitBackField(bool split) { m_splitBack = split; }
    // Fields written as HTML ("#html:true"): tags removed, the common entities decoded.
    void FieldsAreHtml(bool html) { m_html = html; }
    // The group column holds tags separated by blanks: the first names the group.
    void GroupIsTags(bool tags) { m_groupIsTags = tags; }

    void Read(const CTextRecord& record);

private:
    // A record's fields by column: in Shift-JIS, except the two list columns, which stay
    // UTF-8 until their items are cut apart (a Shift-JIS trail byte may be a separator).
    using CFields = std::array<std::string, kCardColumnCount>;
    bool Convert(const CTextRecord& record, CFields& fields, std::string& reason);
    std::string ToSjis(std::string_view utf8, bool& ok);
    bool ItemToSjis(std::string& item, CardColumn column, std::string& reason);

    std::string KindOf(const CFields& fields) const;
    CImportGroup& Group(const std::string& name);

    // The card of a record of that kind; null, with the reason, when it cannot be made.
    std::unique_ptr<CKanjiCard> MakeKanji(const CFields& fields, std::string& reason);
    std::unique_ptr<CKanjiCompound> MakeCompound(const CFields& fields, std::string& reason) const;
    std::unique_ptr<CKanaWord> MakeKanaWord(const CFields& fields, std::string& reason) const;
    std::unique_ptr<CCounterCard> MakeCounter(const CFields& fields, std::string& reason);
    // Adds a card that was made to the cards of the group named, which is created then, so
    // that a group that no record could fill is not offered; false for no card.
    template <class Card>
    bool Add(std::unique_ptr<Card> card, const std::string& groupName,
             std::vector<std::unique_ptr<Card>> CImportGroup::*cards);
    // The statistics and practice flag shared by every kind.
    template <class Card>
    bool SetCommon(const CFields& fields, Card& card, std::string& reason) const;
    // The meaning column into meaning; false, reason "the KIND "JAPANESE" has no meaning",
    // when it is blank.
    static bool TakeMeaning(const CFields& fields, const char* kind, const std::string& japanese,
                            std::string& meaning, std::string& reason);
    // The romaji of a word: its romaji column, else the romaji of its reading (kana or
    // romaji), else of kanaText when given; empty with reason set when there is none.
    std::string Romaji(const CFields& fields, std::string_view kanaText, std::string& reason) const;

    CColumnMap m_columns;
    int m_headerCells;
    bool m_groupIsTags = false;
    const CKanjiLibrary* m_kanji;
    CImportPlan& m_plan;
    std::string m_fallbackGroup;
    bool m_splitBack = false;
    bool m_html = false;
    sjis::CCodeConverter m_toSjis;
    std::map<std::string, std::size_t, std::less<>> m_groupIndex;  // name -> plan.groups index
};

}  // namespace brushly
