#include "lookup/CKanjiSearch.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <memory>
#include <optional>

#include "document/CBrushly2Doc.h"
#include "document/CKanjiCard.h"
#include "handwriting/HandwritingSearch.h"
#include "lookup/RomajiKana.h"
#include "platform/FormatText.h"
#include "platform/ShiftJis.h"

namespace brushly {
namespace {

// Where the number of a reference entry ends: "123a" and "123." both mean 123.
constexpr std::string_view kNumberStops = "abcdefghijklmnopqrstuvwxyz!@#$%^&*()+=';:,.<>";

// The leading number of a reference entry, as atoi reads it but without overflow.
long ReferenceNumber(std::string_view text) {
    const std::string lower = sjis::AsciiLower(text);
    const std::string digits = lower.substr(0, lower.find_first_of(kNumberStops));
    const long value = std::strtol(digits.c_str(), nullptr, 10);
    return std::clamp<long>(value, INT_MIN, INT_MAX);
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

// The double-byte character of four hexadecimal digits; none for other text or a code that
// is no double-byte Shift-JIS character.
std::optional<std::string> ShiftJisCharacter(std::string_view text) {
    if (text.size() != 4) return std::nullopt;
    int code = 0;
    for (char c : sjis::AsciiUpper(text)) {
        const std::optional<int> digit = HexDigit(c);
        if (!digit) return std::nullopt;
        code = code * 16 + *digit;
    }
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

bool IsDoubleByteCharacter(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    const auto trail = static_cast<unsigned char>(character[1]);
    return sjis::IsLeadByte(lead) && trail >= 0x40 && trail <= 0xFC && trail != 0x7F;
}

bool HoldsToken(const std::vector<std::string>& tokens, std::string_view a, std::string_view b) {
    return std::any_of(tokens.begin(), tokens.end(),
                       [&](const std::string& token) { return token == a || token == b; });
}

std::string NumberOrNone(int value) {
    return value == 0 ? "none" : std::to_string(value);
}

std::string GradeText(int grade) {
    return grade == 8 ? "7+" : NumberOrNone(grade);
}

}  // namespace

const char* CKanjiSearch::OkButtonText(int mode) {
    switch (mode) {
        case CKanjiSearchRequest::kModeAddAndExit:
            return "Add and E&xit";
        case CKanjiSearchRequest::kModeEditCard:
            return "&Edit Card";
        default:
            return "&Use this Kanji";
    }
}

CKanjiSearch::CKanjiSearch(const CKanjiLibrary& library, CKanjiSearchState& state,
                           CPrompter& prompter)
    : m_library(library), m_state(state), m_prompter(prompter) {}

bool CKanjiSearch::SearchText() {
    std::string reading = sjis::AsciiLower(m_state.reading);
    NormalizeRomaji(reading);
    std::string readingVariant = reading;
    for (std::size_t at = 0; (at = readingVariant.find("ou", at)) != std::string::npos; at += 2)
        readingVariant.replace(at, 2, "oo");
    const std::string meaning = sjis::AsciiLower(m_state.meaning);
    if (reading.empty() && meaning.empty()) return false;
    const bool both = m_state.andMode == 1;
    if (both && (reading.empty() || meaning.empty())) {
        m_prompter.Information(kAndNeedsBothMessage);
        return false;
    }

    m_state.results.clear();
    m_state.page = 1;
    int low = 1;
    int high = CKanjiLibrary::kKanjiGroups;
    if (m_state.strokeWindow) {
        low = std::clamp(m_state.strokes - m_state.tolerance, 1, CKanjiLibrary::kKanjiGroups);
        high = std::clamp(m_state.strokes + m_state.tolerance, 1, CKanjiLibrary::kKanjiGroups);
    }
    std::vector<std::string> tokens;
    for (int group = low; group <= high; ++group) {
        const auto records = m_library.KanjiGroup(group);
        for (std::size_t index = 0; index < records.size(); ++index) {
            const auto& readings = records[index]->readings;
            for (std::size_t j = 0; j < readings.size(); ++j) {
                bool readingMatch = false;
                if (!reading.empty()) {
                    tokens.clear();
                    if (m_state.useOn) readings[j]->SplitOnReadings(tokens);
                    if (m_state.useKun) readings[j]->SplitKunReadings(tokens);
                    readingMatch = HoldsToken(tokens, reading, readingVariant);
                }
                // The reading may decide the group alone (a match in OR mode, a miss in AND
                // mode); the meanings are then not split at all.
                bool meaningMatch = false;
                const bool decided = !reading.empty() && both != readingMatch;
                if (!meaning.empty() && !decided) {
                    tokens.clear();
                    readings[j]->SplitMeanings(tokens);
                    meaningMatch = HoldsToken(tokens, meaning, meaning);
                }
                if (both ? readingMatch && meaningMatch : readingMatch || meaningMatch) {
                    m_state.results.push_back(
                        {group, static_cast<int>(index), static_cast<int>(j), 0});
                    break;
                }
            }
        }
    }
    m_state.caption = TextCaption(static_cast<int>(m_state.results.size()), low, high);
    ShowResults(m_state.strokeWindow);
    return true;
}

std::string CKanjiSearch::TextCaption(int count, int low, int high) const {
    const char* word = count == 1 ? "match" : "matches";
    if (m_state.strokes == 0) return FormatText(kKanjiCaptionFormat, count, word);
    if (low != high) return FormatText(kRangeCaptionFormat, count, word, low, high);
    if (low == 1) return FormatText(kOneStrokeCaptionFormat, count, word);
    return FormatText(kStrokesCaptionFormat, count, word, m_state.strokes);
}

bool CKanjiSearch::Find(bool japaneseFont) {
    if (m_state.referenceNumber.empty()) return false;
    if (m_state.reference == kShiftJisRow) {
        if (!japaneseFont) {
            m_prompter.Information(kNoFontMessage);
            return false;
        }
        const std::optional<std::string> character = ShiftJisCharacter(m_state.referenceNumber);
        if (!character) return false;
        FindShiftJis(*character);
        return true;
    }
    if (m_state.reference < 0 || m_state.reference > kShiftJisRow) return false;
    m_state.results.clear();
    m_state.page = 1;
    const long number = ReferenceNumber(m_state.referenceNumber);
    // Books number their entries from 1; 0 is what a kanji missing from the book holds.
    if (number > 0) {
        const CKanjiRef found = m_library.FindByReference(m_state.reference + kFirstBookKey,
                                                          static_cast<std::int32_t>(number));
        if (found) m_state.results.push_back({found.group, found.index, -1, 0});
    }
    m_state.caption = kReferenceCaption;
    ShowResults(false);
    return true;
}

void CKanjiSearch::FindShiftJis(std::string_view character) {
    m_state.results.clear();
    m_state.page = 1;
    m_state.caption = kShiftJisMissingCaption;
    if (!IsDoubleByteCharacter(character)) {
        // Not a character at all: nothing that could be drawn or stored is selected.
        m_state.selected = {};
    } else {
        const CKanjiRef found = m_library.FindByCharacter(character);
        m_state.selected = {std::string(character), found.group, found.index};
        if (found) {
            m_state.results.push_back({found.group, found.index, -1, 0});
            m_state.caption = kShiftJisCaption;
        }
    }
    ShowResults(false);
}

void CKanjiSearch::SearchHandwriting(const CDrawnStrokes& drawn) {
    m_state.results.clear();
    m_state.page = 1;
    if (drawn.segments.Size() > 0) {
        std::vector<CCandidate> candidates;
        BestMatchesByPaths(m_library, drawn, kPageSize, candidates);
        for (const CCandidate& candidate : candidates)
            m_state.results.push_back({candidate.group, candidate.index, -1, candidate.score});
        if (m_state.results.size() == 1) {
            m_state.caption = kOnlyMatchCaption;
        } else if (m_state.results.size() > 1) {
            m_state.caption =
                FormatText(kBestMatchesFormat, static_cast<int>(m_state.results.size()));
        }
    }
    ShowResults(false);
}

void CKanjiSearch::ShowResults(bool strokeHint) {
    const int count = static_cast<int>(m_state.results.size());
    m_state.pageCount = count == 0 ? 1 : (count - 1) / kPageSize + 1;
    m_state.page = std::clamp(m_state.page, 1, m_state.pageCount);
    const bool report = count == 0 && m_state.caption != kShiftJisMissingCaption;
    if (report) m_state.caption = kNoMatchesCaption;
    if (m_listener) m_listener();
    if (report) m_prompter.Information(strokeHint ? kNoMatchesStrokesMessage : kNoMatchesMessage);
}

void CKanjiSearch::NextPage() {
    if (HasNextPage()) ++m_state.page;
}

void CKanjiSearch::PreviousPage() {
    if (HasPreviousPage()) --m_state.page;
}

std::vector<CKanjiResultRow> CKanjiSearch::PageRows(int longOMode) const {
    std::vector<CKanjiResultRow> rows;
    const std::size_t first = static_cast<std::size_t>(m_state.page - 1) * kPageSize;
    for (std::size_t i = first; i < m_state.results.size() && i < first + kPageSize; ++i) {
        const CKanjiMatch& match = m_state.results[i];
        const auto records = m_library.KanjiGroup(match.group);
        if (match.index < 0 || static_cast<std::size_t>(match.index) >= records.size()) continue;
        const CKanjiData& record = *records[static_cast<std::size_t>(match.index)];
        CKanjiResultRow row{record.character, {}, record.grade};
        const std::size_t reading = match.readingIndex < 0 ? 0 : match.readingIndex;
        if (reading < record.readings.size())
            row.text = record.readings[reading]->DisplayText(longOMode);
        rows.push_back(std::move(row));
    }
    return rows;
}

void CKanjiSearch::SelectRow(int row) {
    const long position = static_cast<long>(m_state.page - 1) * kPageSize + row;
    if (row < 0 || row >= kPageSize || position >= static_cast<long>(m_state.results.size()))
        return;
    const CKanjiMatch& match = m_state.results[static_cast<std::size_t>(position)];
    const auto records = m_library.KanjiGroup(match.group);
    if (match.index < 0 || static_cast<std::size_t>(match.index) >= records.size()) return;
    m_state.selected = {records[static_cast<std::size_t>(match.index)]->character, match.group,
                        match.index};
}

const CKanjiData* CKanjiSearch::SelectedRecord() const {
    const CSelectedKanji& selected = m_state.selected;
    const auto records = m_library.KanjiGroup(selected.group);
    if (selected.Empty() || selected.index < 0 ||
        static_cast<std::size_t>(selected.index) >= records.size()) {
        return nullptr;
    }
    return records[static_cast<std::size_t>(selected.index)].get();
}

void CKanjiSearch::LookUpSelection() {
    CSelectedKanji& selected = m_state.selected;
    if (selected.group != 0) return;
    const CKanjiRef found = m_library.FindByCharacter(selected.character);
    selected.group = found.group;
    selected.index = found.index;
}

bool CKanjiSearch::CheckWordGroup(const CBrushly2Doc& document, const std::string& wordGroup) {
    if (document.Cards().GroupCount() == 0) {
        m_prompter.Information(kNoWordGroupsMessage);
        return false;
    }
    if (wordGroup.empty() || document.Cards().FindGroup(wordGroup) == nullptr) {
        m_prompter.Information(kNoGroupChosenMessage);
        return false;
    }
    return true;
}

bool CKanjiSearch::AddCard(CBrushly2Doc& document, const std::string& wordGroup) {
    if (m_state.selected.Empty()) {
        m_prompter.Information(kNoKanjiSelectedMessage);
        return false;
    }
    if (!CheckWordGroup(document, wordGroup)) return false;
    LookUpSelection();
    AddKanjiCard(document, m_library, m_state.selected, wordGroup);
    m_state.selected = {};
    return true;
}

bool CKanjiSearch::Accept(int mode, const CBrushly2Doc& document, const std::string& wordGroup) {
    if (m_state.selected.Empty()) {
        m_prompter.Information(kNoKanjiSelectedMessage);
        return false;
    }
    if (mode == CKanjiSearchRequest::kModeAddAndExit && !CheckWordGroup(document, wordGroup))
        return false;
    LookUpSelection();
    return true;
}

CKanjiCard& AddKanjiCard(CBrushly2Doc& document, const CKanjiLibrary& library,
                         const CSelectedKanji& kanji, const std::string& wordGroup) {
    auto card = std::make_unique<CKanjiCard>();
    card->groupName = wordGroup;
    card->character = kanji.character;
    CKanjiRef found{nullptr, kanji.group, kanji.index};
    const auto records = library.KanjiGroup(kanji.group);
    if (kanji.index >= 0 && static_cast<std::size_t>(kanji.index) < records.size())
        found.record = records[static_cast<std::size_t>(kanji.index)].get();
    if (!found || found.record->character != kanji.character)
        found = library.FindByCharacter(kanji.character);
    if (found) card->LinkTo(found);
    if (card->readings.empty()) {
        auto none = std::make_unique<CKanjiReading>();
        none->kunReadings.push_back("none");
        none->meanings.push_back("no reading");
        card->readings.push_back(std::move(none));
    }
    CKanjiCard& added = document.Cards().AddCard(std::move(card));
    document.SetModified(true);
    return added;
}

std::vector<CKanjiDataField> KanjiDataFields(const CKanjiData& record) {
    std::vector<CKanjiDataField> fields;
    for (int row = 0; row < CKanjiSearch::kShiftJisRow; ++row) {
        fields.push_back({CKanjiSearch::kReferenceRows[static_cast<std::size_t>(row)],
                          NumberOrNone(record.KeyValue(row + kFirstBookKey))});
    }
    std::string code;
    for (char byte : record.character)
        code += FormatText("%02X", static_cast<unsigned char>(byte));
    fields.push_back({"Shift-JIS", code});
    fields.push_back({"Strokes", std::to_string(record.strokes.StrokeCount())});
    fields.push_back({"Grade", GradeText(record.grade)});
    fields.push_back({"JLPT Level", NumberOrNone(record.jlptLevel)});
    return fields;
}

}  // namespace brushly
