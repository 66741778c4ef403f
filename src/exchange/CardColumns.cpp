#include "exchange/CardColumns.h"

#include <array>
#include <utility>

#include "exchange/TextRecords.h"

namespace brushly {

namespace {

constexpr std::array<std::string_view, kCardColumnCount> kColumnNames{
    "kind",   "japanese", "reading",  "romaji", "meaning", "group",   "right",       "wrong",
    "active", "comment",  "readings", "forms",  "extra 1", "extra 2", "counter type"};

// Header names other programs and spreadsheets give the columns, in lower case.
constexpr std::pair<std::string_view, CardColumn> kAliases[] = {
    {"type", CardColumn::kKind},           {"card type", CardColumn::kKind},
    {"expression", CardColumn::kJapanese}, {"front", CardColumn::kJapanese},
    {"kanji", CardColumn::kJapanese},      {"word", CardColumn::kJapanese},
    {"headword", CardColumn::kJapanese},   {"vocabulary", CardColumn::kJapanese},
    {"vocab", CardColumn::kJapanese},      {"term", CardColumn::kJapanese},
    {"ja", CardColumn::kJapanese},         {"jp", CardColumn::kJapanese},
    {"日本語", CardColumn::kJapanese},     {"漢字", CardColumn::kJapanese},
    {"単語", CardColumn::kJapanese},       {"表記", CardColumn::kJapanese},
    {"kana", CardColumn::kReading},        {"furigana", CardColumn::kReading},
    {"yomi", CardColumn::kReading},        {"pronunciation", CardColumn::kReading},
    {"読み", CardColumn::kReading},        {"読み方", CardColumn::kReading},
    {"よみ", CardColumn::kReading},        {"かな", CardColumn::kReading},
    {"ふりがな", CardColumn::kReading},    {"ローマ字", CardColumn::kRomaji},
    {"meanings", CardColumn::kMeaning},    {"english", CardColumn::kMeaning},
    {"en", CardColumn::kMeaning},          {"definition", CardColumn::kMeaning},
    {"gloss", CardColumn::kMeaning},       {"back", CardColumn::kMeaning},
    {"translation", CardColumn::kMeaning}, {"意味", CardColumn::kMeaning},
    {"英語", CardColumn::kMeaning},        {"訳", CardColumn::kMeaning},
    {"word group", CardColumn::kGroup},    {"deck", CardColumn::kGroup},
    {"tags", CardColumn::kGroup},          {"tag", CardColumn::kGroup},
    {"lesson", CardColumn::kGroup},        {"グループ", CardColumn::kGroup},
    {"correct", CardColumn::kRight},       {"incorrect", CardColumn::kWrong},
    {"comments", CardColumn::kComment},    {"notes", CardColumn::kComment},
    {"note", CardColumn::kComment},        {"メモ", CardColumn::kComment},
};

// Items of an escaped list: the text cut at each unescaped separator, each piece kept with
// the separator that ended it ('\0' for the end of the text). False for a backslash at the
// end. UTF-8 text: a separator byte never occurs inside a multi-byte character.
struct CPiece {
    std::string text;
    char end = '\0';
};
bool SplitEscaped(std::string_view text, std::string_view separators, std::vector<CPiece>& pieces) {
    CPiece piece;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) return false;
            piece.text += text[i];
        } else if (separators.find(c) != std::string_view::npos) {
            piece.end = c;
            pieces.push_back(std::move(piece));
            piece = CPiece();
        } else {
            piece.text += c;
        }
    }
    pieces.push_back(std::move(piece));
    return true;
}

void AppendEscaped(std::string& out, std::string_view item, std::string_view specials) {
    for (const char c : item) {
        if (c == '\\' || specials.find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
}

void AppendList(std::string& out, const std::vector<std::string>& items) {
    constexpr std::string_view kSpecials = "|/;";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ';';
        AppendEscaped(out, items[i], kSpecials);
    }
}

}  // namespace

std::string_view ColumnName(CardColumn column) {
    return kColumnNames[static_cast<std::size_t>(column)];
}

std::optional<CardColumn> ColumnForHeader(std::string_view cell) {
    const std::string name = LowerField(TrimmedField(cell));
    for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
        if (kColumnNames[i] == name) return static_cast<CardColumn>(i);
    }
    for (const auto& [alias, column] : kAliases) {
        if (alias == name) return column;
    }
    return std::nullopt;
}

std::string FormatReadings(const std::vector<CKanjiReading>& groups) {
    std::string out;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) out += '|';
        AppendList(out, groups[i].onReadings);
        out += '/';
        AppendList(out, groups[i].kunReadings);
        out += '/';
        AppendList(out, groups[i].meanings);
    }
    return out;
}

std::optional<std::vector<CKanjiReading>> ParseReadings(std::string_view text) {
    std::vector<CKanjiReading> groups;
    if (text.empty()) return groups;
    std::vector<CPiece> pieces;
    if (!SplitEscaped(text, "|/;", pieces)) return std::nullopt;
    CKanjiReading group;
    std::vector<std::string>* const parts[] = {&group.onReadings, &group.kunReadings,
                                               &group.meanings};
    std::size_t part = 0;
    for (CPiece& piece : pieces) {
        if (!piece.text.empty()) parts[part]->push_back(std::move(piece.text));
        if (piece.end == '/') {
            if (++part == std::size(parts)) return std::nullopt;
        } else if (piece.end == '|' || piece.end == '\0') {
            if (part != std::size(parts) - 1) return std::nullopt;
            groups.push_back(std::move(group));
            group = CKanjiReading();
            part = 0;
        }
    }
    return groups;
}

std::string FormatForms(const std::vector<CCounterForm>& forms) {
    constexpr std::string_view kSpecials = ";=";
    std::string out;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (i > 0) out += ';';
        AppendEscaped(out, forms[i].number, kSpecials);
        out += '=';
        AppendEscaped(out, forms[i].romaji, kSpecials);
    }
    return out;
}

std::optional<std::vector<CCounterForm>> ParseForms(std::string_view text) {
    std::vector<CCounterForm> forms;
    if (text.empty()) return forms;
    std::vector<CPiece> pieces;
    if (!SplitEscaped(text, ";=", pieces)) return std::nullopt;
    for (std::size_t i = 0; i < pieces.size(); i += 2) {
        if (pieces[i].end != '=' || i + 1 == pieces.size() || pieces[i + 1].end == '=')
            return std::nullopt;
        CCounterForm form{std::move(pieces[i].text), std::move(pieces[i + 1].text)};
        if (form.number.empty() || form.romaji.empty()) return std::nullopt;
        forms.push_back(std::move(form));
    }
    return forms;
}

}  // namespace brushly
