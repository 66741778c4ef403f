#include "exchange/CWordGroupExporter.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "exchange/CardColumns.h"
#include "exchange/TextRecords.h"
#include "lookup/RomajiKana.h"
#include "platform/AtomicFile.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr std::size_t kMaxFileNameBytes = 200;
constexpr const char* kBackSeparator = " \xE2\x80\x94 ";  // " — "

// One card as the fields of a table row (UTF-8), indexed by CardColumn.
using CRow = std::array<std::string, kCardColumnCount>;

// Builds rows from cards, converting their Shift-JIS texts with one converter.
class CRowMaker {
public:
    CRowMaker() : m_utf8("CP932", "UTF-8", "\xEF\xBF\xBD") {}

    CRow Row(const CKanjiCard& card) {
        CRow row = Common(card, "kanji", card.character, card.comments);
        std::vector<CKanjiReading> groups;
        std::vector<std::string> kana, romaji, meanings;
        for (const auto& reading : card.readings) {
            CKanjiReading& group = groups.emplace_back();
            for (auto [from, to] : {std::pair{&reading->onReadings, &group.onReadings},
                                    std::pair{&reading->kunReadings, &group.kunReadings},
                                    std::pair{&reading->meanings, &group.meanings}}) {
                for (const std::string& item : *from)
                    to->push_back(Text(item));
            }
            AddUnlessEmpty(
                kana, Text(sjis::ReplaceAll(ReadingsPart(reading->KanaDisplayText()), ",", ", ")));
            AddUnlessEmpty(romaji, Text(ReadingsPart(reading->DisplayText(0))));
            AddUnlessEmpty(meanings, Text(reading->MeaningsText()));
        }
        row[Index(CardColumn::kReading)] = Joined(kana, ", ");
        row[Index(CardColumn::kRomaji)] = Joined(romaji, ", ");
        row[Index(CardColumn::kMeaning)] = Joined(meanings, "; ");
        row[Index(CardColumn::kReadings)] = FormatReadings(groups);
        return row;
    }

    CRow Row(const CKanjiCompound& card) {
        CRow row = Common(card, "compound", card.headword, {});
        SetWord(row, RomajiToKana(card.romaji, true, false), card.romaji, card.meaning);
        return row;
    }

    CRow Row(const CKanaWord& card) {
        CRow row = Common(card, "kana", card.kana, {});
        SetWord(row, card.kana, card.romaji, card.meaning);
        return row;
    }

    CRow Row(const CCounterCard& card) {
        CRow row = Common(card, "counter", card.character, card.comments);
        SetWord(row, RomajiToKana(card.romaji, true, false), card.romaji, card.meaning);
        std::vector<CCounterForm> forms;
        for (std::size_t i = 0; i < card.formRomaji.size() && i < card.formNumbers.size(); ++i)
            forms.push_back({Text(card.formNumbers[i]), Text(card.formRomaji[i])});
        row[Index(CardColumn::kForms)] = FormatForms(forms);
        row[Index(CardColumn::kExtra1)] = Text(card.extraText1);
        row[Index(CardColumn::kExtra2)] = Text(card.extraText2);
        row[Index(CardColumn::kCounterType)] =
            card.counterType == CCounterCard::kName ? "name" : "count";
        return row;
    }

    CRow GroupRow(const std::string& name) {
        CRow row;
        row[Index(CardColumn::kKind)] = "group";
        row[Index(CardColumn::kGroup)] = Text(name);
        return row;
    }

    static std::size_t Index(CardColumn column) { return static_cast<std::size_t>(column); }

private:
    template <class Card>
    CRow Common(const Card& card, const char* kind, const std::string& japanese,
                const std::string& comment) {
        CRow row;
        row[Index(CardColumn::kKind)] = kind;
        row[Index(CardColumn::kJapanese)] = Text(japanese);
        row[Index(CardColumn::kGroup)] = Text(card.groupName);
        row[Index(CardColumn::kRight)] = std::to_string(card.rightCount);
        row[Index(CardColumn::kWrong)] = std::to_string(card.wrongCount);
        row[Index(CardColumn::kActive)] = std::to_string(card.active);
        row[Index(CardColumn::kComment)] = Text(comment);
        return row;
    }

    void SetWord(CRow& row, const std::string& kana, const std::string& romaji,
                 const std::string& meaning) {
        row[Index(CardColumn::kReading)] = Text(kana);
        row[Index(CardColumn::kRomaji)] = Text(romaji);
        row[Index(CardColumn::kMeaning)] = Text(meaning);
    }

    // The readings before the " : " that leads the meanings in a reading group's line.
    static std::string ReadingsPart(const std::string& line) {
        return line.substr(0, line.find(" : "));
    }

    static void AddUnlessEmpty(std::vector<std::string>& list, std::string text) {
        if (!text.empty()) list.push_back(std::move(text));
    }

    static std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
        std::string out;
        for (const std::string& item : items) {
            if (!out.empty()) out += separator;
            out += item;
        }
        return out;
    }

    std::string Text(std::string_view sjisText) {
        const bool ascii = std::all_of(sjisText.begin(), sjisText.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return ascii ? std::string(sjisText) : m_utf8.Convert(sjisText);
    }

    sjis::CCodeConverter m_utf8;
};

void AppendTableRow(std::string& out, const CRow& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += '\t';
        out += EscapeTableField(row[i]);
    }
    out += '\n';
}

void AppendNote(std::string& out, const CRow& row) {
    const auto field = [&](CardColumn column) -> const std::string& {
        return row[CRowMaker::Index(column)];
    };
    std::string back = field(CardColumn::kReading);
    if (!back.empty() && !field(CardColumn::kMeaning).empty()) back += kBackSeparator;
    back += field(CardColumn::kMeaning);
    std::string tag = field(CardColumn::kGroup);
    std::replace_if(
        tag.begin(), tag.end(),
        [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }, '_');
    out += QuoteField(field(CardColumn::kJapanese), '\t');
    out += '\t';
    out += QuoteField(back, '\t');
    out += '\t';
    out += QuoteField(tag, '\t');
    out += '\n';
}

template <class Card>
void AppendCards(std::string& out, CRowMaker& maker, const std::vector<Card*>& cards,
                 ExportFormat format) {
    for (const Card* card : cards) {
        const CRow row = maker.Row(*card);
        if (format == ExportFormat::kTable)
            AppendTableRow(out, row);
        else
            AppendNote(out, row);
    }
}

std::string SystemError(const std::string& path, int error) {
    return "Cannot write " + path + ": " + std::strerror(error);
}

}  // namespace

std::string CWordGroupExporter::Export(const CFlashcardSet& cards,
                                       const std::vector<std::string>& groupNames,
                                       ExportFormat format) {
    std::string out;
    if (format == ExportFormat::kTable) {
        for (int i = 0; i < kCardColumnCount; ++i) {
            if (i > 0) out += '\t';
            out += ColumnName(static_cast<CardColumn>(i));
        }
        out += '\n';
    } else {
        out += "#separator:tab\n#html:false\n#tags column:3\n";
    }
    CRowMaker maker;
    for (const std::string& name : groupNames) {
        const CWordGroup* group = cards.FindGroup(name);
        if (group == nullptr) continue;
        if (group->cardCount == 0 && format == ExportFormat::kTable)
            AppendTableRow(out, maker.GroupRow(name));
        AppendCards(out, maker, group->kanjiCards, format);
        AppendCards(out, maker, group->compoundCards, format);
        AppendCards(out, maker, group->kanaWordCards, format);
        AppendCards(out, maker, group->counterCards, format);
    }
    return out;
}

const char* CWordGroupExporter::Extension(ExportFormat format) {
    return format == ExportFormat::kTable ? ".tsv" : ".txt";
}

std::string CWordGroupExporter::FileNameFor(const std::string& groupName, ExportFormat format) {
    std::string name = sjis::ToUtf8(groupName);
    for (char& c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
    }
    if (name.empty() || name.front() == '.') name.insert(0, "_");
    if (name.size() > kMaxFileNameBytes) {
        std::size_t cut = kMaxFileNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return name + Extension(format);
}

std::vector<std::string> CWordGroupExporter::FileNamesFor(
    const std::vector<std::string>& groupNames, ExportFormat format) {
    const std::string extension = Extension(format);
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const std::string& groupName : groupNames) {
        const std::string first = FileNameFor(groupName, format);
        const std::string stem = first.substr(0, first.size() - extension.size());
        std::string name = first;
        for (int copy = 2; !taken.insert(LowerField(name)).second; ++copy)
            name = stem + " (" + std::to_string(copy) + ")" + extension;
        names.push_back(name);
    }
    return names;
}

bool CWordGroupExporter::WriteFile(const std::string& path, const std::string& text,
                                   std::string& error) {
    const int failure = WriteFileAtomically(path, text, false);
    if (failure != 0) error = SystemError(path, failure);
    return failure == 0;
}

}  // namespace brushly
