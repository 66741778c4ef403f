#include "exchange/CImportRowReader.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "lookup/RomajiKana.h"

namespace brushly {

namespace {

// Marks a character the conversion to Shift-JIS could not write.
constexpr char kUnconvertible = '\x7F';
constexpr std::string_view kBackSeparator = " \xE2\x80\x94 ";  // " — "

// Unicode characters that have a Shift-JIS twin under another code point: the forms other
// programs write for the wave dash, the double bar, the minus and the like.
constexpr std::pair<std::string_view, std::string_view> kUnicodeTwins[] = {
    {"\xE3\x80\x9C", "\xEF\xBD\x9E"},  // U+301C wave dash -> U+FF5E
    {"\xE2\x80\x96", "\xE2\x88\xA5"},  // U+2016 double vertical line -> U+2225
    {"\xE2\x88\x92", "\xEF\xBC\x8D"},  // U+2212 minus -> U+FF0D
    {"\xC2\xA2", "\xEF\xBF\xA0"},      // U+00A2 cent -> U+FFE0
    {"\xC2\xA3", "\xEF\xBF\xA1"},      // U+00A3 pound -> U+FFE1
    {"\xC2\xAC", "\xEF\xBF\xA2"},      // U+00AC not -> U+FFE2
};

// Kana text, the middle dot that joins the words of a loanword allowed ("アート・スタジオ").
bool IsKanaWord(std::string_view text) {
    constexpr std::string_view kMiddleDot = "\x81\x45";
    return sjis::IsKanaText(sjis::ReplaceAll(text, kMiddleDot, ""));
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string Quoted(std::string_view sjisText) {
    return "\"" + std::string(sjisText) + "\"";
}

// HTML text as plain text: line-break tags become line breaks, other tags are dropped and
// the common entities decoded.
std::string PlainText(std::string_view html) {
    constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&nbsp;", " "},  {"&lt;", "<"},  {"&gt;", ">"},
        {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    std::string out;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            if (close == std::string_view::npos) break;
            const std::string tag = sjis::AsciiLower(html.substr(i + 1, 2));
            if (tag == "br") out += '\n';
            i = close + 1;
            continue;
        }
        const auto* entity = std::find_if(std::begin(kEntities), std::end(kEntities), [&](auto& e) {
            return html.substr(i, e.first.size()) == e.first;
        });
        if (entity != std::end(kEntities)) {
            out += entity->second;
            i += entity->first.size();
        } else {
            out += html[i++];
        }
    }
    return out;
}

// The items of a list typed by hand: cut at commas, semicolons and the Japanese comma,
// each trimmed, empty ones dropped (Shift-JIS, cut on character boundaries).
std::vector<std::string> ListItems(std::string_view text) {
    constexpr std::string_view kJapaneseComma = "\x81\x41";
    std::vector<std::string> items;
    std::string item;
    const auto finish = [&] {
        std::string trimmed = TrimmedField(item);
        if (!trimmed.empty()) items.push_back(std::move(trimmed));
        item.clear();
    };
    for (std::string_view character : sjis::Characters(text)) {
        if (character == "," || character == ";" || character == kJapaneseComma)
            finish();
        else
            item += character;
    }
    finish();
    return items;
}

// A reading typed in kana or romaji as a Kun or ON reading: katakana and upper-case romaji
// are ON readings; hiragana "た.べる" becomes "ta(beru)".
void AddTypedReading(const std::string& reading, CKanjiReading& group) {
    if (IsAscii(reading)) {
        const bool on = std::none_of(reading.begin(), reading.end(),
                                     [](char c) { return c >= 'a' && c <= 'z'; });
        (on ? group.onReadings : group.kunReadings).push_back(reading);
        return;
    }
    if (sjis::IsKatakana(reading, 0)) {
        group.onReadings.push_back(KanaToRomaji(reading));
        return;
    }
    const std::size_t dot = reading.find('.');
    std::string kun = KanaToRomaji(reading.substr(0, dot));
    if (dot != std::string::npos) kun += "(" + KanaToRomaji(reading.substr(dot + 1)) + ")";
    group.kunReadings.push_back(kun);
}

bool ReadCount(const std::string& text, std::int32_t& value) {
    if (text.empty()) {
        value = 0;
        return true;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool ReadFlag(const std::string& text, std::int32_t& value) {
    const std::string lower = sjis::AsciiLower(text);
    if (lower.empty() || lower == "1" || lower == "yes" || lower == "true")
        value = 1;
    else if (lower == "0" || lower == "no" || lower == "false")
        value = 0;
    else
        return false;
    return true;
}

}  // namespace

CImportRowReader::CImportRowReader(const CColumnMap& columns, int headerCells,
                                   const CKanjiLibrary* kanji, CImportPlan& plan,
                                   std::string fallbackGroup)
    : m_columns(columns),
      m_headerCells(headerCells),
      m_kanji(kanji),
      m_plan(plan),
      m_fallbackGroup(std::move(fallbackGroup)),
      m_toSjis("UTF-8", "CP932", std::string(1, kUnconvertible)) {}

std::string CImportRowReader::ToSjis(std::string_view utf8, bool& ok) {
    if (IsAscii(utf8)) {
        ok = utf8.find(kUnconvertible) == std::string_view::npos;
        return std::string(utf8);
    }
    std::string text(utf8);
    for (const auto& [from, to] : kUnicodeTwins)
        text = sjis::ReplaceAll(text, from, to);
    std::string sjisText = m_toSjis.Convert(text);
    ok = sjisText.find(kUnconvertible) == std::string::npos;
    return sjisText;
}

bool CImportRowReader::ItemToSjis(std::string& item, CardColumn column, std::string& reason) {
    bool ok = true;
    item = ToSjis(item, ok);
    if (!ok) {
        reason = "the " + std::string(ColumnName(column)) +
                 " column holds a character that Shift-JIS cannot store";
    }
    return ok;
}

bool CImportRowReader::Convert(const CTextRecord& record, CFields& fields, std::string& reason) {
    const std::size_t count = record.fields.size();
    if (m_headerCells > 0 && count > static_cast<std::size_t>(m_headerCells)) {
        const bool extraEmpty =
            std::all_of(record.fields.begin() + m_headerCells, record.fields.end(),
                        [](const std::string& field) { return TrimmedField(field).empty(); });
        if (!extraEmpty) {
            reason = "the row has " + std::to_string(count) + " fields where the header names " +
                     std::to_string(m_headerCells);
            return false;
        }
    }
    for (std::size_t column = 0; column < fields.size(); ++column) {
        const int index = m_columns[column];
        if (index < 0 || static_cast<std::size_t>(index) >= count) continue;
        const std::string& field = record.fields[static_cast<std::size_t>(index)];
        fields[column] = m_html ? PlainText(field) : field;
    }
    std::string& meaning = fields[static_cast<std::size_t>(CardColumn::kMeaning)];
    const std::size_t cut = m_splitBack ? meaning.find(kBackSeparator) : std::string::npos;
    if (cut != std::string::npos) {
        fields[static_cast<std::size_t>(CardColumn::kReading)] = meaning.substr(0, cut);
        meaning.erase(0, cut + kBackSeparator.size());
    }
    for (std::size_t column = 0; column < fields.size(); ++column) {
        const auto name = static_cast<CardColumn>(column);
        if (name == CardColumn::kReadings || name == CardColumn::kForms) continue;
        if (!ItemToSjis(fields[column], name, reason)) return false;
    }
    return true;
}

std::string CImportRowReader::KindOf(const CFields& fields) const {
    const std::string kind =
        sjis::AsciiLower(TrimmedField(fields[static_cast<std::size_t>(CardColumn::kKind)]));
    if (kind == "kana word") return "kana";
    if (!kind.empty()) return kind;
    const std::string japanese =
        TrimmedField(fields[static_cast<std::size_t>(CardColumn::kJapanese)]);
    if (IsKanaWord(japanese)) return "kana";
    // Shift-JIS puts the kanji from lead byte 0x88 on; below are symbols, full-width digits
    // and letters, kana, Greek and Cyrillic, which are not kanji cards.
    constexpr unsigned char kFirstKanjiLead = 0x88;
    if (japanese.size() == 2 && sjis::CharLength(japanese, 0) == 2 &&
        static_cast<unsigned char>(japanese[0]) >= kFirstKanjiLead)
        return "kanji";
    return "compound";
}

CImportGroup& CImportRowReader::Group(const std::string& name) {
    const auto [found, added] = m_groupIndex.try_emplace(name, m_plan.groups.size());
    if (added) {
        CImportGroup& group = m_plan.groups.emplace_back();
        group.sourceName = name;
        group.name = name;
    }
    return m_plan.groups[found->second];
}

void CImportRowReader::Read(const CTextRecord& record) {
    ++m_plan.rowCount;
    CFields fields;
    std::string reason;
    if (!Convert(record, fields, reason)) {
        m_plan.problems.push_back({record.line, reason});
        return;
    }
    std::string groupName = TrimmedField(fields[static_cast<std::size_t>(CardColumn::kGroup)]);
    if (m_groupIsTags) groupName = groupName.substr(0, groupName.find(' '));
    if (groupName.empty()) groupName = m_fallbackGroup;

    const std::string kind = KindOf(fields);
    bool made = false;
    if (kind == "group") {
        Group(groupName);
        made = true;
    } else if (kind == "kanji") {
        made = Add(MakeKanji(fields, reason), groupName, &CImportGroup::kanjiCards);
    } else if (kind == "compound") {
        made = Add(MakeCompound(fields, reason), groupName, &CImportGroup::compoundCards);
    } else if (kind == "kana") {
        made = Add(MakeKanaWord(fields, reason), groupName, &CImportGroup::kanaWordCards);
    } else if (kind == "counter") {
        made = Add(MakeCounter(fields, reason), groupName, &CImportGroup::counterCards);
    } else {
        reason =
            "the kind " + Quoted(kind) + " is none of kanji, compound, kana, counter and group";
    }
    if (!made) m_plan.problems.push_back({record.line, reason});
}

template <class Card>
bool CImportRowReader::Add(std::unique_ptr<Card> card, const std::string& groupName,
                           std::vector<std::unique_ptr<Card>> CImportGroup::*cards) {
    if (!card) return false;
    (Group(groupName).*cards).push_back(std::move(card));
    return true;
}

template <class Card>
bool CImportRowReader::SetCommon(const CFields& fields, Card& card, std::string& reason) const {
    const auto text = [&](CardColumn column) -> std::string {
        return TrimmedField(fields[static_cast<std::size_t>(column)]);
    };
    if (!ReadCount(text(CardColumn::kRight), card.rightCount)) {
        reason = "right is not a whole number: " + Quoted(text(CardColumn::kRight));
        return false;
    }
    if (!ReadCount(text(CardColumn::kWrong), card.wrongCount)) {
        reason = "wrong is not a whole number: " + Quoted(text(CardColumn::kWrong));
        return false;
    }
    if (!ReadFlag(text(CardColumn::kActive), card.active)) {
        reason = "active is neither 1 nor 0: " + Quoted(text(CardColumn::kActive));
        return false;
    }
    return true;
}

std::string CImportRowReader::Romaji(const CFields& fields, std::string_view kanaText,
                                     std::string& reason) const {
    const std::string romaji = TrimmedField(fields[static_cast<std::size_t>(CardColumn::kRomaji)]);
    if (!romaji.empty()) return romaji;
    const std::string reading =
        TrimmedField(fields[static_cast<std::size_t>(CardColumn::kReading)]);
    if (!reading.empty() && IsAscii(reading)) return reading;
    if (!reading.empty() && !IsKanaWord(reading)) {
        reason = "the reading " + Quoted(reading) + " is not kana";
        return {};
    }
    const std::string_view kana = reading.empty() ? kanaText : std::string_view(reading);
    const std::string converted = kana.empty() ? std::string() : KanaToRomaji(kana);
    if (converted.empty()) reason = "no romaji, and no reading in kana to make it from";
    return converted;
}

std::unique_ptr<CKanjiCard> CImportRowReader::MakeKanji(const CFields& fields,
                                                        std::string& reason) {
    auto card = std::make_unique<CKanjiCard>();
    card->character = TrimmedField(fields[static_cast<std::size_t>(CardColumn::kJapanese)]);
    if (card->character.size() != 2 || sjis::CharLength(card->character, 0) != 2 ||
        sjis::IsKanaText(card->character)) {
        reason = "a kanji card needs one kanji, not " + Quoted(card->character);
        return nullptr;
    }
    if (!SetCommon(fields, *card, reason)) return nullptr;
    card->comments = fields[static_cast<std::size_t>(CardColumn::kComment)];
    const CKanjiRef record =
        m_kanji != nullptr ? m_kanji->FindByCharacter(card->character) : CKanjiRef{};
    const std::string& readingsText = fields[static_cast<std::size_t>(CardColumn::kReadings)];
    if (!readingsText.empty()) {
        auto readings = ParseReadings(readingsText);
        if (!readings) {
            reason = "the readings are not written as ON/Kun/meanings groups";
            return nullptr;
        }
        for (CKanjiReading& reading : *readings) {
            for (auto* list : {&reading.onReadings, &reading.kunReadings, &reading.meanings}) {
                for (std::string& item : *list) {
                    if (!ItemToSjis(item, CardColumn::kReadings, reason)) return nullptr;
                }
            }
            card->readings.push_back(std::make_unique<CKanjiReading>(std::move(reading)));
        }
        if (record) {
            card->dbGroup = record.group;
            card->dbIndex = record.index;
        }
    } else if (record) {
        card->LinkTo(record);
    } else {
        auto reading = std::make_unique<CKanjiReading>();
        for (const std::string& item :
             ListItems(fields[static_cast<std::size_t>(CardColumn::kReading)]))
            AddTypedReading(item, *reading);
        reading->meanings = ListItems(fields[static_cast<std::size_t>(CardColumn::kMeaning)]);
        const bool any = !reading->onReadings.empty() || !reading->kunReadings.empty() ||
                         !reading->meanings.empty();
        if (any) card->readings.push_back(std::move(reading));
    }
    return card;
}

bool CImportRowReader::TakeMeaning(const CFields& fields, const char* kind,
                                   const std::string& japanese, std::string& meaning,
                                   std::string& reason) {
    meaning = fields[static_cast<std::size_t>(CardColumn::kMeaning)];
    if (!TrimmedField(meaning).empty()) return true;
    reason = "the " + std::string(kind) + " " + Quoted(japanese) + " has no meaning";
    return false;
}

std::unique_ptr<CKanjiCompound> CImportRowReader::MakeCompound(const CFields& fields,
                                                               std::string& reason) const {
    auto card = std::make_unique<CKanjiCompound>();
    card->headword = TrimmedField(fields[static_cast<std::size_t>(CardColumn::kJapanese)]);
    if (card->headword.size() < 4) {
        reason = "a compound needs at least two characters, not " + Quoted(card->headword);
        return nullptr;
    }
    card->romaji = Romaji(fields, {}, reason);
    if (card->romaji.empty()) return nullptr;
    if (!TakeMeaning(fields, "compound", card->headword, card->meaning, reason)) return nullptr;
    if (!SetCommon(fields, *card, reason)) return nullptr;
    return card;
}

std::unique_ptr<CKanaWord> CImportRowReader::MakeKanaWord(const CFields& fields,
                                                          std::string& reason) const {
    auto card = std::make_unique<CKanaWord>();
    card->kana = TrimmedField(fields[static_cast<std::size_t>(CardColumn::kJapanese)]);
    if (!card->kana.empty() && !IsKanaWord(card->kana)) {
        reason = "a kana word is written in kana only, not " + Quoted(card->kana);
        return nullptr;
    }
    card->romaji = Romaji(fields, card->kana, reason);
    if (card->romaji.empty()) return nullptr;
    if (card->kana.empty()) card->kana = RomajiToKana(card->romaji, true, false);
    if (!TakeMeaning(fields, "kana word", card->kana, card->meaning, reason)) return nullptr;
    if (!SetCommon(fields, *card, reason)) return nullptr;
    return card;
}

std::unique_ptr<CCounterCard> CImportRowReader::MakeCounter(const CFields& fields,
                                                            std::string& reason) {
    const auto text = [&](CardColumn column) -> const std::string& {
        return fields[static_cast<std::size_t>(column)];
    };
    auto card = std::make_unique<CCounterCard>();
    card->character = TrimmedField(text(CardColumn::kJapanese));
    if (card->character.size() != 2 || sjis::CharLength(card->character, 0) != 2) {
        reason = "a counter card needs one kanji, not " + Quoted(card->character);
        return nullptr;
    }
    card->romaji = Romaji(fields, {}, reason);
    if (card->romaji.empty()) return nullptr;
    if (!TakeMeaning(fields, "counter", card->character, card->meaning, reason)) return nullptr;
    const auto forms = ParseForms(text(CardColumn::kForms));
    if (!forms || forms->empty()) {
        reason = forms ? "the counter " + Quoted(card->character) + " has no forms"
                       : std::string("the forms are not written as number=romaji pairs");
        return nullptr;
    }
    for (CCounterForm form : *forms) {
        if (!ItemToSjis(form.number, CardColumn::kForms, reason) ||
            !ItemToSjis(form.romaji, CardColumn::kForms, reason))
            return nullptr;
        card->formNumbers.push_back(std::move(form.number));
        card->formRomaji.push_back(std::move(form.romaji));
    }
    const std::string type = TrimmedField(text(CardColumn::kCounterType));
    if (type == "name")
        card->counterType = CCounterCard::kName;
    else if (!type.empty() && type != "count") {
        reason = "counter type is neither count nor name: " + Quoted(type);
        return nullptr;
    }
    if (!SetCommon(fields, *card, reason)) return nullptr;
    card->comments = text(CardColumn::kComment);
    card->extraText1 = text(CardColumn::kExtra1);
    card->extraText2 = text(CardColumn::kExtra2);
    if (m_kanji != nullptr) {
        if (const CKanjiRef record = m_kanji->FindByCharacter(card->character)) {
            card->dbGroup = record.group;
            card->dbIndex = record.index;
        }
    }
    return card;
}

}  // namespace brushly
